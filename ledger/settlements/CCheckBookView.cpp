// The cheque-book application: load, checks and print.
#include "CCheckBookView.h"

#include "CHelpers.h"
#include "CheckBookPage.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CCheckBookView, CUnpostedDocView)

BEGIN_MESSAGE_MAP(CCheckBookView, CUnpostedDocView)
    ON_COMMAND(IDC_SET_TN_PICK, OnTNbtn)
    ON_EN_CHANGE(IDC_SET_TN, OnTnChange)
    ON_COMMAND(ID_DOCUMENT_PRINT, OnPrint)
END_MESSAGE_MAP()

CCheckBookView::CCheckBookView() : CUnpostedDocView(IDR_CHECK_BOOK)
{
    m_editDate.SetType(EDIT_KIND_DATE);
    m_editTn.SetType(EDIT_KIND_PLAIN);
}

CCheckBookView::~CCheckBookView() = default;

void CCheckBookView::DoDataExchange(CDataExchange* pDX)
{
    CUnpostedDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_SET_DATE_TEXT, m_editDate);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_Control(pDX, IDC_CB_BOOKS, m_editBooks);
    DDX_Control(pDX, IDC_CB_LEAVES, m_editLeaves);
    DDX_Control(pDX, IDC_CB_SERIES, m_editSeries);
    DDX_Control(pDX, IDC_CB_FIRST, m_editFirst);
    DDX_Control(pDX, IDC_CB_LAST, m_editLast);
    DDX_Control(pDX, IDC_SET_NOTE, m_editPrim);
}

void CCheckBookView::SetSql()
{
    CWaitCursor wait;
    CCheckBookRecord record;
    record.branch = RememberedBranch();
    if (GetRealId() == -1) {
        record.number = ProposeNumber(GL_NextNumber(CCheckBookRecord::kTable, 0));
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
        record.books = "1";
        record.leaves = "25";
    } else if (!record.Load(GetRealId())) {
        OnCancel();
        return;
    } else {
        SetLoadedDate(record.date);
    }
    ShowRecord(record);
}

void CCheckBookView::ShowRecord(const CCheckBookRecord& record)
{
    SetDlgItemText(IDC_SET_DATE_TEXT, record.date);
    SetDlgItemText(IDC_NUMBER, record.number);
    SetDlgItemText(IDC_SET_NOTE, record.prim);
    SetDlgItemText(IDC_SET_TN, record.tn);
    SetDlgItemText(IDC_CB_BOOKS, record.books);
    SetDlgItemText(IDC_CB_LEAVES, record.leaves);
    SetDlgItemText(IDC_CB_SERIES, record.series);
    SetDlgItemText(IDC_CB_FIRST, record.firstNumber);
    SetDlgItemText(IDC_CB_LAST, record.lastNumber);
    ShowBranch(record.branch);
}

CCheckBookRecord CCheckBookView::ReadForm()
{
    CCheckBookRecord r;
    r.branch = SelectedBranch(IDC_FIL);
    GetDlgItemText(IDC_SET_DATE_TEXT, r.date);
    GetDlgItemText(IDC_NUMBER, r.number);
    GetDlgItemText(IDC_SET_NOTE, r.prim);
    GetDlgItemText(IDC_SET_TN, r.tn);
    GetDlgItemText(IDC_CB_BOOKS, r.books);
    GetDlgItemText(IDC_CB_LEAVES, r.leaves);
    GetDlgItemText(IDC_CB_SERIES, r.series);
    GetDlgItemText(IDC_CB_FIRST, r.firstNumber);
    GetDlgItemText(IDC_CB_LAST, r.lastNumber);
    GetDlgItemText(IDC_SET_FIO, r.fio);
    r.tn.Trim();
    return r;
}

BOOL CCheckBookView::ValidateDocument()
{
    CCheckBookRecord r = ReadForm();
    if (!CheckDateText(IDC_SET_DATE_TEXT, r.date, "Укажите Дату", r.date)
        || !RequireText(IDC_NUMBER, r.number, "Укажите № документа")
        || !RequireText(IDC_SET_TN, r.tn, "Укажите Кому выдана доверенность"))
        return FALSE;
    if (!TnOk(r.tn)) {
        AfxMessageBox("Нет такого Работника");
        FocusField(IDC_SET_TN, TRUE);
        return FALSE;
    }
    m_record = r;
    return TRUE;
}

void CCheckBookView::OnSaveDeclined()
{
    FocusField(IDC_SET_DATE_TEXT, TRUE);
}

void CCheckBookView::RememberDefaults()
{
    RememberBranch(m_record.branch);
}

// The form as it stands, saved or not.
void CCheckBookView::OnPrint()
{
    UpdateData(TRUE);
    const CCheckBookRecord r = ReadForm();
    CString title;
    if (CDocument* document = GetDocument())
        title = document->GetTitle();
    CHelpers::DisplayMessage(CheckBookPage(r), title, 0, 9, "#f5f5FF", -1, -1);
}

} // namespace nledmark
