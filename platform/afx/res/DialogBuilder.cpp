#include "res/DialogBuilder.h"
#include "ctl/CButton.h"
#include "wnd/AfxControlClass.h"
#include "wnd/CWnd.h"
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLoggingCategory>
#include <QWidget>

namespace {

// The faces the dialog layouts were drawn in.
bool isLayoutFace(const QString& face)
{
    static const char* const kDialogFaces[] = { "", "MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2",
                                                "Microsoft Sans Serif", "Tahoma", "Segoe UI", "System" };
    for (const char* f : kDialogFaces)
        if (face.compare(QLatin1String(f), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

QString AfxUiFontFamily()
{
    // Carlito has the layouts' base units (6 x 13 at 8 points) and Cyrillic
    // narrow enough for the captions they were drawn around; DejaVu Sans is
    // the system's fallback, wider, so its units are larger too.
    static const QString family = [] {
        for (const char* f : { "Carlito", "DejaVu Sans" })
            if (QFontDatabase::hasFamily(QLatin1String(f)))
                return QString::fromLatin1(f);
        return QApplication::font().family();
    }();
    return family;
}

QFont AfxDialogFont(const AfxDlgTemplate& t)
{
    QString face = t.fontFace.ToQString();
    QFont font(isLayoutFace(face) ? AfxUiFontFamily() : face);
    font.setPointSize(t.fontSize > 0 ? t.fontSize : 8);
    font.setBold(t.fontWeight >= 600);
    font.setItalic(t.fontItalic);
    return font;
}

QRect AfxDialogUnits::toPixels(int x, int y, int cx, int cy) const
{
    auto mx = [this](int v) { return (v * baseX + (v >= 0 ? 2 : -2)) / 4; };
    auto my = [this](int v) { return (v * baseY + (v >= 0 ? 4 : -4)) / 8; };
    return QRect(mx(x), my(y), mx(cx), my(cy));
}

int AfxDialogUnits::layoutX(int px) const
{
    return (px * baseX + (px >= 0 ? kLayoutBaseX / 2 : -kLayoutBaseX / 2)) / kLayoutBaseX;
}

int AfxDialogUnits::layoutY(int px) const
{
    return (px * baseY + (px >= 0 ? kLayoutBaseY / 2 : -kLayoutBaseY / 2)) / kLayoutBaseY;
}

AfxDialogUnits AfxDialogUnitsOfFont(const QFont& font, const QPaintDevice* device)
{
    AfxDialogUnits u;
    u.font = font;
    QFontMetrics fm = device ? QFontMetrics(font, device) : QFontMetrics(font);
    int width = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    u.baseX = (width / 26 + 1) / 2;
    u.baseY = fm.height();
    return u;
}

AfxDialogUnits AfxDialogUnitsOf(const AfxDlgTemplate& t)
{
    return AfxDialogUnitsOfFont(AfxDialogFont(t));
}

AfxDialogUnits AfxDialogUnitsOf(const QWidget* w)
{
    return AfxDialogUnitsOfFont(w->font(), w);
}

QSize AfxCreateDialogControls(CWnd* pParent, const AfxDlgTemplate& t, HINSTANCE hModule)
{
    QWidget* parent = pParent->GetQWidget();
    parent->setFont(AfxDialogFont(t));
    // The units of the font the form really shows, as the window resolved it.
    AfxDialogUnits units = AfxDialogUnitsOf(parent);
    for (const AfxDlgItemTemplate& item : t.items) {
        const AfxControlClass* cls = AfxFindControlClass(item.className);
        if (!cls) {
            qWarning("dialog %s: control %d has the unknown class \"%s\"", qPrintable(t.name), item.id,
                     (const char*)item.className);
            continue;
        }
        AfxControlCreate cc;
        cc.text = item.text;
        cc.id = (UINT)item.id;
        cc.style = item.style;
        cc.exStyle = item.exStyle;
        cc.rect = units.toPixels(item.x, item.y, item.cx, item.cy);
        cc.parent = parent;
        cc.module = hModule;
        AfxCreateControl(cls, cc, nullptr);
    }
    AfxGroupRadioButtons(pParent);
    for (CWnd* w = pParent->GetWindow(GW_CHILD); w; w = w->GetWindow(GW_HWNDNEXT))
        w->SendMessage(WM_AFX_SIBLINGSREADY, 0, 0);
    return units.toPixels(0, 0, t.cx, t.cy).size();
}
