#include "ctl/CStatic.h"
#include "gdi/AfxGdi.h"
#include "res/AfxResources.h"
#include "wnd/AfxControlClass.h"
#include "wnd/NativeWindowProc.h"
#include "wnd/WndHandleTable.h"
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

IMPLEMENT_DYNAMIC(CStatic, CWnd)

namespace {

class StaticLabel : public QLabel, public AfxTextWidget {
public:
    StaticLabel(DWORD style, QWidget* parent) : QLabel(parent), m_style(style) {}
    CString windowText() const override { return m_text; }
    void setWindowText(const CString& text) override
    {
        m_text = text;
        QString shown = text.ToQString();
        if (!(m_style & SS_NOPREFIX)) {
            shown.replace(QLatin1String("&&"), QStringLiteral("\x01"));
            shown.remove(QLatin1Char('&'));
            shown.replace(QChar(1), QLatin1Char('&'));
        }
        if ((m_style & SS_TYPEMASK) != SS_BITMAP && (m_style & SS_TYPEMASK) != SS_ICON)
            setText(shown);
    }
    HGDIOBJ image = nullptr;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        askColours();
        if (!pixmap().isNull() || text().isEmpty()) {
            QLabel::paintEvent(e);
            return;
        }
        // The frame as a label draws it, the text as the window system does.
        QFrame::paintEvent(e);
        QPainter painter(this);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
        AfxDrawStaticText(painter, contentsRect(), font(), text(), alignment(), wordWrap());
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        QLabel::mouseReleaseEvent(e);
        if (m_style & SS_NOTIFY)
            if (WndRecord* rec = WndHandleTable::findWidget(this))
                AfxNotifyParent(rec->hwnd, STN_CLICKED);
    }

private:
    void askColours()
    {
        WndRecord* rec = WndHandleTable::findWidget(this);
        CWnd* parent = rec && rec->wnd ? rec->wnd->GetParent() : nullptr;
        if (!parent)
            return;
        CDC dc;
        HBRUSH brush = (HBRUSH)parent->SendMessage(WM_CTLCOLORSTATIC, (WPARAM)&dc, (LPARAM)rec->hwnd);
        QPalette pal = palette();
        if (dc.HasTextColor())
            pal.setColor(QPalette::WindowText, AfxQColor(dc.GetTextColor()));
        QBrush b = brush ? AfxQBrush(brush) : QBrush();
        bool fill = brush && b.style() != Qt::NoBrush && dc.GetBkMode() != TRANSPARENT;
        if (fill)
            pal.setBrush(QPalette::Window, b);
        setAutoFillBackground(fill);
        if (pal != palette())
            setPalette(pal);
    }

    DWORD m_style;
    CString m_text;
};

struct StaticLine {
    QString text;
    int width = 0;
};

// The lines of a static text: its own line breaks, and words wrapped at the
// width where it wraps.
std::vector<StaticLine> staticLines(const QFontMetrics& fm, const QString& text, int width, bool wrap)
{
    std::vector<StaticLine> lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (!wrap) {
            lines.push_back({ paragraph, fm.horizontalAdvance(paragraph) });
            continue;
        }
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            const QString tried = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && fm.horizontalAdvance(tried) > width) {
                lines.push_back({ line, fm.horizontalAdvance(line) });
                line = word;
            } else {
                line = tried;
            }
        }
        lines.push_back({ line, fm.horizontalAdvance(line) });
    }
    return lines;
}

} // namespace

QSize AfxStaticTextExtent(const QFont& font, const QString& text, int width, bool wrap)
{
    const QFontMetrics fm(font);
    const std::vector<StaticLine> lines = staticLines(fm, text, width, wrap);
    int widest = 0;
    for (const StaticLine& line : lines)
        widest = qMax(widest, line.width);
    return QSize(widest, int(lines.size()) * fm.height());
}

void AfxDrawStaticText(QPainter& painter, const QRect& rect, const QFont& font, const QString& text,
                       Qt::Alignment alignment, bool wrap)
{
    // Lines follow each other at the font's height, with no leading between
    // them, as the layouts were drawn: two lines fill two lines' units.
    const QFontMetrics fm(font);
    const std::vector<StaticLine> lines = staticLines(fm, text, rect.width(), wrap);
    const int height = int(lines.size()) * fm.height();
    int y = rect.top();
    if (alignment & Qt::AlignVCenter)
        y += (rect.height() - height) / 2;
    else if (alignment & Qt::AlignBottom)
        y += rect.height() - height;
    painter.setFont(font);
    for (const StaticLine& line : lines) {
        const QRect box(rect.left(), y, rect.width(), fm.height());
        painter.drawText(box, int(alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextSingleLine, line.text);
        y += fm.height();
    }
}

namespace {

Qt::Alignment alignmentOf(DWORD style)
{
    DWORD kind = style & SS_TYPEMASK;
    Qt::Alignment h = kind == SS_CENTER ? Qt::AlignHCenter : (kind == SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft);
    return h | (style & SS_CENTERIMAGE ? Qt::AlignVCenter : Qt::AlignTop);
}

QWidget* create(const AfxControlCreate& cc)
{
    DWORD kind = cc.style & SS_TYPEMASK;
    QWidget* w;
    if (kind == SS_ETCHEDHORZ || kind == SS_ETCHEDVERT || kind == SS_ETCHEDFRAME || kind == SS_BLACKFRAME
        || kind == SS_GRAYFRAME || kind == SS_WHITEFRAME) {
        auto* f = new QFrame(cc.parent);
        f->setFrameShape(kind == SS_ETCHEDHORZ ? QFrame::HLine : (kind == SS_ETCHEDVERT ? QFrame::VLine : QFrame::Box));
        f->setFrameShadow(kind == SS_BLACKFRAME ? QFrame::Plain : QFrame::Sunken);
        w = f;
    } else {
        auto* l = new StaticLabel(cc.style, cc.parent);
        l->setAlignment(alignmentOf(cc.style));
        l->setWordWrap(kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT);
        if (cc.style & SS_SUNKEN)
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (kind == SS_BITMAP || kind == SS_ICON) {
            QPixmap p = AfxLoadPicture(cc.text, cc.module);
            l->setPixmap(p);
            l->setAlignment(Qt::AlignCenter);
        }
        l->setWindowText(cc.text);
        w = l;
    }
    w->setGeometry(cc.rect);
    w->setFocusPolicy(Qt::NoFocus);
    return w;
}

HGDIOBJ setImage(CWnd* pWnd, HGDIOBJ image)
{
    auto* l = dynamic_cast<StaticLabel*>(pWnd->GetQWidget());
    if (!l)
        return nullptr;
    HGDIOBJ old = l->image;
    l->image = image;
    QPixmap p = AfxQPixmap(image);
    if (!p.isNull() && !(pWnd->GetStyle() & SS_REALSIZEIMAGE) && (pWnd->GetStyle() & SS_CENTERIMAGE) == 0)
        l->resize(p.size());
    l->setPixmap(p);
    return old;
}

LRESULT proc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    switch (message) {
    case STM_SETIMAGE:
    case STM_SETICON:
        return (LRESULT)setImage(pWnd, reinterpret_cast<HGDIOBJ>(message == STM_SETICON ? (LPARAM)wParam : lParam));
    case STM_GETIMAGE:
    case STM_GETICON:
        if (auto* l = dynamic_cast<StaticLabel*>(pWnd->GetQWidget()))
            return (LRESULT)l->image;
        return 0;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    }
    handled = false;
    return 0;
}

} // namespace

void AfxRegisterStaticClass()
{
    AfxRegisterControlClass({ "Static", &create, [] { return static_cast<CWnd*>(new CStatic); }, &proc, nullptr });
}

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("Static", lpszText, dwStyle, rect, pParentWnd, nID);
}

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap) { return (HBITMAP)SendMessage(STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap); }
HBITMAP CStatic::GetBitmap() const { return (HBITMAP)const_cast<CStatic*>(this)->SendMessage(STM_GETIMAGE, IMAGE_BITMAP, 0); }
HICON CStatic::SetIcon(HICON hIcon) { return (HICON)SendMessage(STM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon); }
HICON CStatic::GetIcon() const { return (HICON)const_cast<CStatic*>(this)->SendMessage(STM_GETIMAGE, IMAGE_ICON, 0); }
