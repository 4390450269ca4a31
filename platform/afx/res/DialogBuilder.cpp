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

QString familyFor(const QString& face)
{
    static const char* const kDialogFaces[] = { "", "MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2",
                                                "Microsoft Sans Serif", "Tahoma", "Segoe UI", "System" };
    for (const char* f : kDialogFaces) {
        if (face.compare(QLatin1String(f), Qt::CaseInsensitive) == 0) {
            if (QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans")))
                return QStringLiteral("DejaVu Sans");
            return QApplication::font().family();
        }
    }
    return face;
}

} // namespace

QRect AfxDialogUnits::toPixels(int x, int y, int cx, int cy) const
{
    auto mx = [this](int v) { return (v * baseX + (v >= 0 ? 2 : -2)) / 4; };
    auto my = [this](int v) { return (v * baseY + (v >= 0 ? 4 : -4)) / 8; };
    return QRect(mx(x), my(y), mx(cx), my(cy));
}

AfxDialogUnits AfxDialogUnitsOf(const AfxDlgTemplate& t)
{
    AfxDialogUnits u;
    u.font = QFont(familyFor(t.fontFace.ToQString()));
    u.font.setPointSize(t.fontSize > 0 ? t.fontSize : 8);
    u.font.setBold(t.fontWeight >= 600);
    u.font.setItalic(t.fontItalic);
    QFontMetrics fm(u.font);
    int width = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    u.baseX = (width / 26 + 1) / 2;
    u.baseY = fm.height();
    return u;
}

QSize AfxCreateDialogControls(CWnd* pParent, const AfxDlgTemplate& t, HINSTANCE hModule)
{
    AfxDialogUnits units = AfxDialogUnitsOf(t);
    QWidget* parent = pParent->GetQWidget();
    parent->setFont(units.font);
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
