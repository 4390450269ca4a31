#include "NumberedRecordView.h"

#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/NipForm.h"
#include "tariffication/StaffNumbers.h"

namespace npaymar {

namespace {

// Posted when a number was chosen from the list: the list's text is the
// chosen one only once the choice has ended.
constexpr UINT kNumberPlaced = 0x465;

bool Blank(const CString& text)
{
    return CString(text).Trim().IsEmpty();
}

} // namespace

IMPLEMENT_DYNAMIC(CNumberedRecordView, CMyFormView1)

BEGIN_MESSAGE_MAP(CNumberedRecordView, CMyFormView1)
    ON_CBN_EDITCHANGE(IDC_REC_NPP, OnNumberEdited)
    ON_CBN_SELENDOK(IDC_REC_NPP, OnNumberChosen)
    ON_MESSAGE(kNumberPlaced, OnNumberPlaced)
    ON_BN_CLICKED(IDC_REC_DELETE, OnDeleteCommand)
END_MESSAGE_MAP()

CNumberedRecordView::CNumberedRecordView(UINT nIDTemplate, const char* table)
    : CMyFormView1(nIDTemplate), m_table(table)
{
}

CNumberedRecordView::~CNumberedRecordView() = default;

void CNumberedRecordView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_REC_NPP, m_numbers);
}

void CNumberedRecordView::OnChangeTn()
{
    CMyFormView1::OnChangeTn();
    if (!m_numbers.GetSafeHwnd())
        return;
    m_numbers.ResetContent();
    CString tn, npp;
    ShownKeys(tn, npp);
    if (!tn.IsEmpty())
        ForEachRow(FormatText("select npp from %s where tn=%s order by npp", m_table, tn),
                   [this](_RecordsetPtr& row) { m_numbers.AddString(SafeArayToString(row->GetCollect("npp"))); });
    const int count = m_numbers.GetCount();
    if (count > 0)
        m_numbers.SetCurSel(count - 1);
    else
        m_numbers.SetWindowText("");
    LoadRecord();
}

void CNumberedRecordView::LoadRecord() {}

BOOL CNumberedRecordView::DeleteRecord(const CString& tn, const CString& npp)
{
    return ExecuteSql(FormatText("delete from %s where tn=%s and npp=%s", m_table, tn, npp));
}

void CNumberedRecordView::OnNumberEdited()
{
    LoadRecord();
}

void CNumberedRecordView::OnNumberChosen()
{
    PostMessage(kNumberPlaced);
}

LRESULT CNumberedRecordView::OnNumberPlaced(WPARAM, LPARAM)
{
    LoadRecord();
    return 0;
}

void CNumberedRecordView::ShownKeys(CString& tn, CString& npp) const
{
    CString typedTn, typedNpp;
    GetDlgItemText(IDC_TN, typedTn);
    if (m_numbers.GetSafeHwnd())
        m_numbers.GetWindowText(typedNpp);
    if (!nvenzol::CheckedNumber(typedTn, tn))
        tn.Empty();
    if (!nvenzol::CheckedNumber(typedNpp, npp))
        npp.Empty();
}

BOOL CNumberedRecordView::TakeEmployee(CString& tn)
{
    CString typed;
    GetDlgItemText(IDC_TN, typed);
    if (Blank(typed))
        return Refuse(IDC_TN, "Укажите табельный №", false);
    if (!nvenzol::CheckedNumber(typed, tn) || !TnOk(tn))
        return Refuse(IDC_TN, "Нет такого работника", true);
    return TRUE;
}

BOOL CNumberedRecordView::TakeNumber(CString& npp)
{
    CString typed;
    m_numbers.GetWindowText(typed);
    npp.Empty();
    if (Blank(typed) || nvenzol::CheckedNumber(typed, npp))
        return TRUE;
    return RefuseNumber("Укажите целое число: н/п", true);
}

BOOL CNumberedRecordView::RefuseNumber(const char* message, bool select)
{
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    m_numbers.SetFocus();
    if (select)
        m_numbers.SetEditSel(0, -1);
    return FALSE;
}

void CNumberedRecordView::Reload()
{
    CString typed;
    GetDlgItemText(IDC_TN, typed);
    nvenzol::SetKeyText(this, IDC_TN, typed);
    if (CWnd* field = GetDlgItem(IDC_TN)) {
        field->SetFocus();
        field->SendMessage(EM_SETSEL, 0, (LPARAM)-1);
    }
}

BOOL CNumberedRecordView::Delete()
{
    CString tn;
    if (!TakeEmployee(tn))
        return FALSE;
    CString typed, npp;
    m_numbers.GetWindowText(typed);
    if (Blank(typed))
        return RefuseNumber("Укажите н/п", false);
    if (!nvenzol::CheckedNumber(typed, npp) ||
        ExecuteCount(FormatText("select count(npp) as cnt from %s where tn=%s and npp=%s", m_table, tn, npp)) == 0)
        return RefuseNumber("Нет такого н/п", true);
    if (AfxMessageBox("Удалить эту запись ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    BOOL deleted = FALSE;
    {
        CWaitCursor wait;
        deleted = DeleteRecord(tn, npp);
    }
    if (deleted)
        Reload();
    return deleted;
}

void CNumberedRecordView::OnDeleteCommand()
{
    Delete();
}

} // namespace npaymar
