#include "wnd/AfxEventSink.h"
#include "wnd/AfxDispatch.h"
#include "wnd/CWnd.h"

double AfxEventArg::real() const
{
    switch (m_kind) {
    case Number: return (double)m_number;
    case Real: return m_real;
    case Text: return m_text.ToQString().toDouble();
    case RefShort: return *static_cast<short*>(m_ptr);
    case RefLong: return (double)*static_cast<long*>(m_ptr);
    case RefInt: return *static_cast<int*>(m_ptr);
    case RefBool: return *static_cast<bool*>(m_ptr) ? 1 : 0;
    case RefReal: return *static_cast<double*>(m_ptr);
    case RefText: return static_cast<CString*>(m_ptr)->ToQString().toDouble();
    }
    return 0;
}

CString AfxEventArg::text() const
{
    if (m_kind == Text)
        return m_text;
    if (m_kind == RefText)
        return *static_cast<CString*>(m_ptr);
    return CString(QString::number(real(), 'g', 15));
}

void AfxEventArg::setReal(double v) const
{
    switch (m_kind) {
    case RefShort: *static_cast<short*>(m_ptr) = (short)v; break;
    case RefLong: *static_cast<long*>(m_ptr) = (long)v; break;
    case RefInt: *static_cast<int*>(m_ptr) = (int)v; break;
    case RefBool: *static_cast<bool*>(m_ptr) = v != 0; break;
    case RefReal: *static_cast<double*>(m_ptr) = v; break;
    case RefText: *static_cast<CString*>(m_ptr) = CString(QString::number(v, 'g', 15)); break;
    default: break;
    }
}

BOOL AfxFireEvent(CWnd* pControl, long dispid, const AfxEventArgs& args)
{
    if (!pControl)
        return FALSE;
    CWnd* holder = pControl->GetParent();
    if (!holder)
        return FALSE;
    UINT id = (UINT)pControl->GetDlgCtrlID();
    BOOL handled = FALSE;
    AfxGuardedCall(holder, [&] { handled = holder->OnEvent(id, dispid, args); });
    return handled;
}
