#include "dlg/CDataExchange.h"
#include "ctl/CComboBox.h"
#include "ctl/CListBox.h"
#include "dlg/AfxMessageBox.h"
#include "wnd/AfxControlClass.h"
#include "wnd/NativeWindowProc.h"
#include <cmath>
#include <limits>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return m_pDlgWnd->GetDlgItem(nIDC)->GetSafeHwnd();
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND h = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return h;
}

void CDataExchange::Fail()
{
    if (!m_bSaveAndValidate)
        AfxThrowUserException();
    if (CWnd* ctl = m_pDlgWnd->GetDlgItem(m_idLastControl)) {
        ctl->SetFocus();
        if (m_bEditLastControl)
            ctl->SendMessage(EM_SETSEL, 0, (LPARAM)-1);
    }
    AfxThrowUserException();
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

namespace {

CWnd* item(CDataExchange* pDX, int nIDC, bool edit)
{
    HWND h = edit ? pDX->PrepareEditCtrl(nIDC) : pDX->PrepareCtrl(nIDC);
    return CWnd::FromHandle(h);
}

[[noreturn]] void refuse(CDataExchange* pDX, const CString& text)
{
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

// Whole numbers: an optional sign and digits, blanks around allowed.
template <class T> void textNumber(CDataExchange* pDX, int nIDC, T& value, bool isSigned)
{
    CWnd* w = item(pDX, nIDC, true);
    if (!w)
        return;
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        if (isSigned)
            text.Format("%lld", (long long)value);
        else
            text.Format("%llu", (unsigned long long)value);
        w->SetWindowText(text);
        return;
    }
    CString text;
    w->GetWindowText(text);
    bool ok = false;
    QString t = text.ToQString().trimmed();
    long long v = isSigned ? t.toLongLong(&ok) : (long long)t.toULongLong(&ok);
    if (ok && (v < (long long)std::numeric_limits<T>::min() || v > (long long)std::numeric_limits<T>::max()))
        ok = false;
    if (!ok)
        refuse(pDX, "Введите целое число.");
    value = (T)v;
}

template <class T> void textReal(CDataExchange* pDX, int nIDC, T& value, int digits)
{
    CWnd* w = item(pDX, nIDC, true);
    if (!w)
        return;
    if (!pDX->m_bSaveAndValidate) {
        w->SetWindowText(CString(QString::number((double)value, 'g', digits)));
        return;
    }
    CString text;
    w->GetWindowText(text);
    // The user's decimal comma is taken as the point.
    QString t = text.ToQString().trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        refuse(pDX, "Введите число.");
    value = (T)v;
}

} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    CWnd* w = item(pDX, nIDC, true);
    if (!w)
        return;
    if (pDX->m_bSaveAndValidate)
        w->GetWindowText(value);
    else
        w->SetWindowText(value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) { textNumber(pDX, nIDC, value, true); }
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { textNumber(pDX, nIDC, value, false); }
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) { textNumber(pDX, nIDC, value, true); }
void DDX_Text(CDataExchange* pDX, int nIDC, short& value) { textNumber(pDX, nIDC, value, true); }
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) { textNumber(pDX, nIDC, value, false); }
void DDX_Text(CDataExchange* pDX, int nIDC, double& value) { textReal(pDX, nIDC, value, 15); }
void DDX_Text(CDataExchange* pDX, int nIDC, float& value) { textReal(pDX, nIDC, value, 6); }

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    CWnd* w = item(pDX, nIDC, false);
    if (!w)
        return;
    if (pDX->m_bSaveAndValidate)
        value = (int)w->SendMessage(BM_GETCHECK, 0, 0);
    else
        w->SendMessage(BM_SETCHECK, (WPARAM)value, 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    CWnd* first = item(pDX, nIDC, false);
    if (!first)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from the given button up to the next WS_GROUP window.
    int index = 0;
    for (CWnd* w = first; w; w = w->GetWindow(GW_HWNDNEXT)) {
        if (w != first && (w->GetStyle() & WS_GROUP))
            break;
        if (!(w->SendMessage(WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
            continue;
        if (pDX->m_bSaveAndValidate) {
            if (w->SendMessage(BM_GETCHECK, 0, 0))
                value = index;
        } else {
            w->SendMessage(BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    auto* c = static_cast<CComboBox*>(item(pDX, nIDC, false));
    if (!c)
        return;
    if (pDX->m_bSaveAndValidate)
        index = c->GetCurSel();
    else
        c->SetCurSel(index);
}

namespace {

// A list entry equal to (exact) or beginning with the value is chosen;
// otherwise an editable box shows the text as it is.
void comboString(CDataExchange* pDX, int nIDC, CString& value, bool exact)
{
    auto* c = static_cast<CComboBox*>(item(pDX, nIDC, false));
    if (!c)
        return;
    if (pDX->m_bSaveAndValidate) {
        c->GetWindowText(value);
        return;
    }
    int i = exact ? c->FindStringExact(-1, value) : c->FindString(-1, value);
    if (i == CB_ERR)
        c->SetWindowText(value);
    else
        c->SetCurSel(i);
}

} // namespace

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) { comboString(pDX, nIDC, value, false); }
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) { comboString(pDX, nIDC, value, true); }

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    auto* l = static_cast<CListBox*>(item(pDX, nIDC, false));
    if (!l)
        return;
    if (pDX->m_bSaveAndValidate)
        index = l->GetCurSel();
    else
        l->SetCurSel(index);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    auto* l = static_cast<CListBox*>(item(pDX, nIDC, false));
    if (!l)
        return;
    if (pDX->m_bSaveAndValidate) {
        int i = l->GetCurSel();
        value = CString();
        if (i >= 0)
            l->GetText(i, value);
    } else {
        l->SelectString(-1, value);
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND h = pDX->PrepareCtrl(nIDC);
    if (!h || !rControl.SubclassWindow(h)) {
        qWarning("DDX_Control: no control %d", nIDC);
        AfxThrowUserException();
    }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (!pDX->m_bSaveAndValidate) {
        if (CWnd* w = CWnd::FromHandle(pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl)->GetSafeHwnd()))
            w->SendMessage(EM_LIMITTEXT, (WPARAM)nChars, 0);
        return;
    }
    if (value.GetLength() > nChars) {
        CString text;
        text.Format("Введите не более %d символов.", nChars);
        refuse(pDX, text);
    }
}

namespace {

template <class T> void range(CDataExchange* pDX, T value, T minVal, T maxVal, const char* format)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString text;
    text.Format(format, minVal, maxVal);
    refuse(pDX, text);
}

} // namespace

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    range(pDX, value, minVal, maxVal, "Введите целое число от %d до %d.");
}

void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    range(pDX, value, minVal, maxVal, "Введите целое число от %ld до %ld.");
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    range(pDX, value, minVal, maxVal, "Введите целое число от %u до %u.");
}

void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal)
{
    range(pDX, (int)value, (int)minVal, (int)maxVal, "Введите целое число от %d до %d.");
}

void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal)
{
    range(pDX, value, minVal, maxVal, "Введите число от %.15g до %.15g.");
}
