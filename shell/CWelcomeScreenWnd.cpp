#include "CWelcomeScreenWnd.h"

#include "gridbase.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

// The widget of the splash: it paints through its window object.
class SplashWidget : public QWidget {
public:
    SplashWidget(CWelcomeScreenWnd* owner, QWidget* parent)
        : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
        , m_owner(owner)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_owner->Paint(painter);
    }

private:
    CWelcomeScreenWnd* m_owner;
};

} // namespace

QPixmap CWelcomeScreenWnd::LoadPicture() const
{
    return AfxLoadPicture(MAKEINTRESOURCE(m_nPictureId), GethDLL_Pictures());
}

BOOL CWelcomeScreenWnd::Create(CWnd* pOwner, UINT pictureId)
{
    m_nPictureId = pictureId;
    const QPixmap picture = LoadPicture();
    if (picture.isNull())
        return FALSE;
    CRect rect(0, 0, picture.width(), picture.height());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        rect.OffsetRect(area.x() + (area.width() - picture.width()) / 2,
                        area.y() + (area.height() - picture.height()) / 2);
    }
    HWND owner = pOwner && pOwner->GetSafeHwnd() ? pOwner->m_hWnd : nullptr;
    return CreateEx(WS_EX_TOOLWINDOW, nullptr, "", WS_POPUP | WS_VISIBLE, rect.left, rect.top, rect.Width(),
                    rect.Height(), owner, nullptr);
}

QWidget* CWelcomeScreenWnd::CreateWidget(CREATESTRUCT& cs, QWidget* pParentWidget)
{
    auto* widget = new SplashWidget(this, pParentWidget);
    widget->setGeometry(cs.x, cs.y, cs.cx, cs.cy);
    return widget;
}

CRect CWelcomeScreenWnd::StatusStrip() const
{
    CRect client;
    GetClientRect(&client);
    return CRect(client.left + 15, client.bottom - 25, client.right - 15, client.bottom - 5);
}

void CWelcomeScreenWnd::SetStatusText(const CString& text)
{
    m_strText = text;
    if (QWidget* w = GetQWidget()) {
        const CRect strip = StatusStrip();
        w->repaint(strip.left, strip.top, strip.Width(), strip.Height());
    }
}

void CWelcomeScreenWnd::Paint(QPainter& painter)
{
    painter.drawPixmap(0, 0, LoadPicture());
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const CRect strip = StatusStrip();
    painter.drawText(QRect(strip.left, strip.top, strip.Width(), strip.Height()), Qt::AlignLeft | Qt::AlignVCenter,
                     m_strText.ToQString());
}
