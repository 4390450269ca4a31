// CDC: handles, selected objects, colours, modes and the window contexts.
#include "gdi/DcState.h"
#include "wnd/CWnd.h"
#include <QApplication>
#include <QMutex>
#include <QScreen>
#include <QSet>

namespace {

QSet<DcState*>& liveStates()
{
    static QSet<DcState*> s;
    return s;
}

} // namespace

DcAttrs::DcAttrs()
    : pen((HPEN)GetStockObject(BLACK_PEN)), brush((HBRUSH)GetStockObject(WHITE_BRUSH)),
      font((HFONT)GetStockObject(DEFAULT_GUI_FONT))
{
}

QFont DcAttrs::qfont() const
{
    if (font == GetStockObject(DEFAULT_GUI_FONT) && widget)
        return widget->font();
    return AfxQFont(font);
}

QImage* DcAttrs::canvas() const { return memory && bitmap ? AfxBitmapCanvas(bitmap) : nullptr; }

QPainter* DcAttrs::begin(std::optional<QPainter>& local) const
{
    QPainter* p = painter;
    if (!p) {
        QImage* image = canvas();
        if (!image)
            return nullptr;
        local.emplace(image);
        p = &*local;
    }
    p->save();
    p->setPen(AfxQPen(pen));
    p->setBrush(AfxQBrush(brush));
    p->setFont(qfont());
    p->translate(origin);
    return p;
}

void DcAttrs::end(QPainter* p) const
{
    if (p)
        p->restore();
}

DcState* AfxDcState(HDC hDC)
{
    auto* s = reinterpret_cast<DcState*>(hDC);
    return s && liveStates().contains(s) ? s : nullptr;
}

HDC AfxDcHandle(DcState* state)
{
    liveStates().insert(state);
    return reinterpret_cast<HDC>(state);
}

void AfxDcRelease(HDC hDC)
{
    DcState* s = AfxDcState(hDC);
    if (!s)
        return;
    liveStates().remove(s);
    delete s;
}

CDC::CDC() = default;

CDC::~CDC()
{
    if (m_bOwnsState)
        AfxDcRelease(m_hDC);
}

void* CDC::State() const
{
    if (DcState* s = AfxDcState(m_hDC))
        return s;
    // A context made without a surface still keeps colours and a font.
    auto* self = const_cast<CDC*>(this);
    self->m_hDC = self->m_hAttribDC = AfxDcHandle(new DcState);
    self->m_bOwnsState = true;
    return AfxDcState(m_hDC);
}

#define ST (static_cast<DcState*>(State()))

HDC CDC::GetSafeHdc() const
{
    const CDC* self = this;
    asm("" : "+r"(self));
    return self ? self->m_hDC : nullptr;
}

CDC* CDC::FromHandle(HDC hDC)
{
    DcState* s = AfxDcState(hDC);
    if (!s)
        return nullptr;
    if (!s->object) {
        s->object = std::make_unique<CDC>();
        s->object->m_hDC = s->object->m_hAttribDC = hDC;
    }
    return s->object.get();
}

BOOL CDC::Attach(HDC hDC)
{
    if (!AfxDcState(hDC))
        return FALSE;
    if (m_bOwnsState)
        AfxDcRelease(m_hDC);
    m_bOwnsState = false;
    m_hDC = m_hAttribDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC h = m_hDC;
    m_hDC = m_hAttribDC = nullptr;
    m_bOwnsState = false;
    return h;
}

BOOL CDC::CreateCompatibleDC(CDC*)
{
    if (m_bOwnsState)
        AfxDcRelease(m_hDC);
    auto* s = new DcState;
    s->memory = true;
    m_hDC = m_hAttribDC = AfxDcHandle(s);
    m_bOwnsState = true;
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    if (m_bOwnsState)
        AfxDcRelease(m_hDC);
    m_hDC = m_hAttribDC = nullptr;
    m_bOwnsState = false;
    return TRUE;
}

HDC CDC::AfxCreatePainterDC(QPainter* painter, QWidget* widget)
{
    auto* s = new DcState;
    s->painter = painter;
    s->widget = widget;
    return AfxDcHandle(s);
}

void CDC::AfxDeletePainterDC(HDC hDC) { AfxDcRelease(hDC); }

namespace {

template <class Wrapper, class Handle>
Wrapper* swapObject(Handle& slot, HGDIOBJ h)
{
    if (!h || !AfxIsGdiObject(h))
        return nullptr;
    Handle old = slot;
    slot = static_cast<Handle>(h);
    return dynamic_cast<Wrapper*>(AfxGdiObjectOf(old));
}

} // namespace

CPen* CDC::SelectObject(CPen* pPen) { return swapObject<CPen>(ST->pen, pPen ? pPen->m_hObject : nullptr); }

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return swapObject<CBrush>(ST->brush, pBrush ? pBrush->m_hObject : nullptr);
}

CFont* CDC::SelectObject(CFont* pFont) { return swapObject<CFont>(ST->font, pFont ? pFont->m_hObject : nullptr); }

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    DcState* s = ST;
    HGDIOBJ h = pBitmap ? pBitmap->m_hObject : nullptr;
    if (!h || !AfxBitmapCanvas((HBITMAP)h))
        return nullptr;
    HBITMAP old = s->bitmap;
    s->bitmap = (HBITMAP)h;
    return old ? CBitmap::FromHandle(old) : nullptr;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    if (auto* pen = dynamic_cast<CPen*>(pObject))
        return SelectObject(pen);
    if (auto* brush = dynamic_cast<CBrush*>(pObject))
        return SelectObject(brush);
    if (auto* font = dynamic_cast<CFont*>(pObject))
        return SelectObject(font);
    if (auto* bitmap = dynamic_cast<CBitmap*>(pObject))
        return SelectObject(bitmap);
    return nullptr;
}

CGdiObject* CDC::SelectStockObject(int nIndex) { return SelectObject(AfxGdiObjectOf(GetStockObject(nIndex))); }

CFont* CDC::GetCurrentFont() const { return CFont::FromHandle(ST->font); }

COLORREF CDC::SetTextColor(COLORREF c)
{
    DcState* s = ST;
    COLORREF old = s->textColor;
    s->textColor = c;
    s->textColorSet = true;
    return old;
}

COLORREF CDC::GetTextColor() const { return ST->textColor; }

COLORREF CDC::SetBkColor(COLORREF c)
{
    DcState* s = ST;
    COLORREF old = s->bkColor;
    s->bkColor = c;
    s->bkColorSet = true;
    return old;
}

COLORREF CDC::GetBkColor() const { return ST->bkColor; }

int CDC::SetBkMode(int nBkMode)
{
    DcState* s = ST;
    int old = s->bkMode;
    s->bkMode = nBkMode;
    return old;
}

int CDC::GetBkMode() const { return ST->bkMode; }
bool CDC::HasTextColor() const { return ST->textColorSet; }
bool CDC::HasBkColor() const { return ST->bkColorSet; }
int CDC::SetMapMode(int) { return MM_TEXT; }

CPoint CDC::SetViewportOrg(int x, int y)
{
    DcState* s = ST;
    CPoint old(s->origin.x(), s->origin.y());
    s->origin = QPoint(x, y);
    return old;
}

CPoint CDC::GetViewportOrg() const { return CPoint(ST->origin.x(), ST->origin.y()); }

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    DcState* s = ST;
    CPoint old(s->origin.x(), s->origin.y());
    s->origin += QPoint(nWidth, nHeight);
    return old;
}

int CDC::SaveDC()
{
    DcState* s = ST;
    s->saved.push_back(*s);
    return (int)s->saved.size();
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    DcState* s = ST;
    int n = (int)s->saved.size();
    int index = nSavedDC < 0 ? n + nSavedDC : nSavedDC - 1;
    if (index < 0 || index >= n)
        return FALSE;
    static_cast<DcAttrs&>(*s) = s->saved[index];
    s->saved.resize(index);
    return TRUE;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    QScreen* screen = QApplication::primaryScreen();
    switch (nIndex) {
    case LOGPIXELSX: return screen ? qRound(screen->logicalDotsPerInchX()) : 96;
    case LOGPIXELSY: return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    case HORZRES: return screen ? screen->geometry().width() : 1024;
    case VERTRES: return screen ? screen->geometry().height() : 768;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case RASTERCAPS: return RC_BITBLT | RC_STRETCHBLT;
    default: return 0;
    }
}

int CDC::GetClipBox(LPRECT lpRect) const
{
    DcState* s = ST;
    QRect r;
    if (QImage* image = s->canvas())
        r = image->rect();
    else if (s->painter && s->painter->device())
        r = QRect(0, 0, s->painter->device()->width(), s->painter->device()->height());
    else if (s->widget)
        r = s->widget->rect();
    r.translate(-s->origin);
    *lpRect = RECT { r.left(), r.top(), r.right() + 1, r.bottom() + 1 };
    return r.isEmpty() ? 1 : 2;  // NULLREGION, SIMPLEREGION
}

namespace {

// A painter on the window when it is being painted (WM_PAINT).
QPainter* paintPainter(QWidget* w)
{
    return w && w->testAttribute(Qt::WA_WState_InPaintEvent) ? new QPainter(w) : nullptr;
}

HDC windowDC(QWidget* w, QPainter* painter)
{
    auto* s = new DcState;
    s->widget = w;
    s->painter = painter;
    return AfxDcHandle(s);
}

} // namespace

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr), m_ps {}
{
    QWidget* w = pWnd ? pWnd->GetQWidget() : nullptr;
    m_painter = paintPainter(w);
    m_hDC = m_hAttribDC = windowDC(w, m_painter);
    CDC::Attach(m_hDC);
    m_ps.hdc = m_hDC;
    m_ps.fErase = TRUE;
    if (w)
        m_ps.rcPaint = RECT { 0, 0, w->width(), w->height() };
}

CPaintDC::~CPaintDC()
{
    AfxDcRelease(Detach());
    delete m_painter;
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    QWidget* w = pWnd ? pWnd->GetQWidget() : nullptr;
    m_painter = paintPainter(w);
    CDC::Attach(windowDC(w, m_painter));
}

CClientDC::~CClientDC()
{
    AfxDcRelease(Detach());
    delete m_painter;
}

int GetDeviceCaps(HDC hdc, int index)
{
    CDC* dc = CDC::FromHandle(hdc);
    return dc ? dc->GetDeviceCaps(index) : 0;
}
