// The agreement of full material liability: load, checks and the end of a
// save. Its print is the base's "prn(real_id)" (-1 while unsaved).
#include "CPrnDogMatOtv.h"

#include "LineCells.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnDogMatOtv, CUnpostedDocView)

BEGIN_MESSAGE_MAP(CPrnDogMatOtv, CUnpostedDocView)
    ON_COMMAND(IDC_SET_TN_PICK, OnTNbtn)
    ON_EN_CHANGE(IDC_SET_TN, OnTnChange)
END_MESSAGE_MAP()

CPrnDogMatOtv::CPrnDogMatOtv() : CUnpostedDocView(IDR_PRN_DOG_MAT_OTV)
{
    m_editDate.SetType(EDIT_KIND_DATE);
    m_editTn.SetType(EDIT_KIND_PLAIN);
}

CPrnDogMatOtv::~CPrnDogMatOtv() = default;

void CPrnDogMatOtv::DoDataExchange(CDataExchange* pDX)
{
    CUnpostedDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_DMO_DATE, m_editDate);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_Control(pDX, IDC_DMO_JOB, m_editJob);
    DDX_Control(pDX, IDC_DMO_TXT, m_editTxt);
    DDX_Control(pDX, IDC_DMO_NOTE, m_editPrim);
}

void CPrnDogMatOtv::SetSql()
{
    CWaitCursor wait;
    CDogMatOtvRecord record;
    if (GetRealId() == -1) {
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
        record.number = ProposeNumber(GL_NextNumber(CDogMatOtvRecord::kTable, 0));
        record.txt = CDogMatOtvRecord::kStandardText;
        record.branch = RememberedBranch();
    } else if (!record.Load(GetRealId())) {
        CloseUnreadDocument();
        return;
    } else {
        SetLoadedDate(record.date);
    }
    ShowRecord(record);
}

void CPrnDogMatOtv::ShowRecord(const CDogMatOtvRecord& record)
{
    SetDlgItemText(IDC_DMO_DATE, record.date);
    SetDlgItemText(IDC_NUMBER, record.number);
    SetDlgItemText(IDC_DMO_NOTE, record.prim);
    SetDlgItemText(IDC_SET_TN, record.tn);
    SetDlgItemText(IDC_DMO_TXT, record.txt);
    SetDlgItemText(IDC_DMO_JOB, record.job);
    ShowBranch(record.branch);
}

BOOL CPrnDogMatOtv::ValidateDocument()
{
    CDogMatOtvRecord r;
    r.branch = SelectedBranch(IDC_FIL);
    GetDlgItemText(IDC_NUMBER, r.number);
    GetDlgItemText(IDC_DMO_DATE, r.date);
    GetDlgItemText(IDC_SET_TN, r.tn);
    GetDlgItemText(IDC_SET_FIO, r.fio);
    GetDlgItemText(IDC_DMO_JOB, r.job);
    GetDlgItemText(IDC_DMO_TXT, r.txt);
    GetDlgItemText(IDC_DMO_NOTE, r.prim);
    r.number.Trim();
    r.tn.Trim();
    if (!RequireText(IDC_NUMBER, r.number, "Укажите № документа")
        || !CheckDateText(IDC_DMO_DATE, CString(r.date).Trim(), "Укажите дату документа", r.date)
        || !RequireText(IDC_SET_TN, r.tn, "Укажите Табельный №"))
        return FALSE;
    // The personnel number reaches SQL only as a whole number of an employee.
    if (!IsIdText(r.tn) || !TnOk(r.tn)) {
        AfxMessageBox("Нет такого работника");
        FocusField(IDC_SET_TN, TRUE);
        return FALSE;
    }
    m_record = r;
    return TRUE;
}

void CPrnDogMatOtv::RememberDefaults()
{
    RememberBranch(m_record.branch);
}

// The views that refresh on a saved document (the list of agreements) are
// told before the form closes.
void CPrnDogMatOtv::AfterSave()
{
    PostOK(1, 1);
    OnCancel();
}

} // namespace nledmark
