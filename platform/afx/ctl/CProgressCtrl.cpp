#include "ctl/CProgressCtrl.h"
#include "wnd/AfxControlClass.h"
#include <QProgressBar>

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

namespace {

QProgressBar* bar(const CWnd* w) { return qobject_cast<QProgressBar*>(w->GetQWidget()); }

QWidget* create(const AfxControlCreate& cc)
{
    auto* b = new QProgressBar(cc.parent);
    b->setRange(0, 100);
    b->setValue(0);
    b->setTextVisible(false);
    b->setOrientation(cc.style & PBS_VERTICAL ? Qt::Vertical : Qt::Horizontal);
    b->setGeometry(cc.rect);
    return b;
}

LRESULT proc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    auto* ctl = static_cast<CProgressCtrl*>(pWnd);
    handled = true;
    switch (message) {
    case PBM_SETRANGE: ctl->SetRange32((short)LOWORD(lParam), (short)HIWORD(lParam)); return 0;
    case PBM_SETPOS: return ctl->SetPos((int)wParam);
    case PBM_STEPIT: return ctl->StepIt();
    }
    handled = false;
    return 0;
}

} // namespace

void AfxRegisterProgressClass()
{
    AfxRegisterControlClass(
        { "msctls_progress32", &create, [] { return static_cast<CWnd*>(new CProgressCtrl); }, &proc, nullptr });
}

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("msctls_progress32", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::SetRange32(int nLower, int nUpper)
{
    if (QProgressBar* b = bar(this))
        b->setRange(nLower, nUpper);
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    QProgressBar* b = bar(this);
    nLower = b ? b->minimum() : 0;
    nUpper = b ? b->maximum() : 0;
}

int CProgressCtrl::SetPos(int nPos)
{
    QProgressBar* b = bar(this);
    if (!b)
        return 0;
    int old = b->value();
    b->setValue(qBound(b->minimum(), nPos, b->maximum()));
    return old;
}

int CProgressCtrl::GetPos() const
{
    QProgressBar* b = bar(this);
    return b ? b->value() : 0;
}

int CProgressCtrl::OffsetPos(int nPos) { return SetPos(GetPos() + nPos); }

int CProgressCtrl::SetStep(int nStep)
{
    int old = m_nStep;
    m_nStep = nStep;
    return old;
}

// As Windows: past the end the position starts again from the beginning.
int CProgressCtrl::StepIt()
{
    QProgressBar* b = bar(this);
    if (!b)
        return 0;
    int old = b->value();
    int next = old + m_nStep;
    b->setValue(next > b->maximum() ? b->minimum() + (next - b->maximum()) : next);
    return old;
}
