// The power of attorney to receive a cheque: load, the breakdown, checks and
// the copy into a new document.
#include "CDovPoluchCheckaView.h"

#include "CHelpers.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CDovPoluchCheckaView, CUnpostedDocView)

BEGIN_MESSAGE_MAP(CDovPoluchCheckaView, CUnpostedDocView)
    ON_COMMAND(IDC_SET_TN_PICK, OnTNbtn)
    ON_EN_CHANGE(IDC_SET_TN, OnTnChange)
    ON_COMMAND(ID_DOCUMENT_NEW, OnNewFromThis)
    ON_COMMAND(ID_DOCUMENT_PRINT, OnPrintForm)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CDovPoluchCheckaView, CUnpostedDocView)
    ON_EVENT(CDovPoluchCheckaView, IDC_DOVCH_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(CDovPoluchCheckaView, IDC_DOVCH_LINES, 8, OnLinesCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

constexpr long kLines = 30;
constexpr UINT kAccountAnswer = 0x464;
constexpr UINT kEkrAnswer = 0x465;

} // namespace

CDovPoluchCheckaView::CDovPoluchCheckaView() : CUnpostedDocView(IDR_DOV_POLUCH_CHECKA)
{
    m_editDate.SetType(EDIT_KIND_DATE);
    m_editTn.SetType(EDIT_KIND_PLAIN);
    m_editAccrued.SetType(EDIT_KIND_AMOUNT);
    m_editReceive.SetType(EDIT_KIND_DATE);
    m_editCheque.SetType(EDIT_KIND_PLAIN);
    m_editChequeDate.SetType(EDIT_KIND_DATE);
}

CDovPoluchCheckaView::~CDovPoluchCheckaView() = default;

void CDovPoluchCheckaView::DoDataExchange(CDataExchange* pDX)
{
    CUnpostedDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOVCH_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_SET_DATE_TEXT, m_editDate);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_Control(pDX, IDC_DOVCH_ACCRUED, m_editAccrued);
    DDX_Control(pDX, IDC_DOVCH_RECEIVE, m_editReceive);
    DDX_Control(pDX, IDC_DOVCH_SERIES, m_editSeries);
    DDX_Control(pDX, IDC_DOVCH_CHEQUE, m_editCheque);
    DDX_Control(pDX, IDC_DOVCH_CHEQUE_DATE, m_editChequeDate);
    DDX_Control(pDX, IDC_SET_NOTE, m_editPrim);
}

void CDovPoluchCheckaView::PrepareForm()
{
    m_grid.KeepRatio();
    m_grid.SetNRows(kLines);
}

void CDovPoluchCheckaView::SetSql()
{
    CWaitCursor wait;
    CDovPoluchCheckaRecord record;
    record.branch = RememberedBranch();
    if (GetRealId() == -1) {
        record.number = ProposeNumber(GL_NextNumber(CDovPoluchCheckaRecord::kTable, 0));
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
    } else if (!record.Load(GetRealId())) {
        OnCancel();
        return;
    } else {
        SetLoadedDate(record.date);
    }
    SetDlgItemText(IDC_DOVCH_ACCRUED, record.accrued);
    SetDlgItemText(IDC_SET_DATE_TEXT, record.date);
    SetDlgItemText(IDC_NUMBER, record.number);
    SetDlgItemText(IDC_SET_NOTE, record.prim);
    SetDlgItemText(IDC_SET_TN, record.tn);
    SetDlgItemText(IDC_DOVCH_SERIES, record.series);
    SetDlgItemText(IDC_DOVCH_CHEQUE, record.chequeNumber);
    SetDlgItemText(IDC_DOVCH_RECEIVE, record.receiveDate);
    SetDlgItemText(IDC_DOVCH_CHEQUE_DATE, record.chequeDate);
    m_grid.ClearGrid();
    SetGridFromOneString(m_grid, record.grid, 0, 0);
    if (m_grid.GetNRows() < kLines)
        m_grid.SetNRows(kLines);
    ShowBranch(record.branch);
    // The total of the lines, so a save without changes keeps it.
    ShowTotal();
}

void CDovPoluchCheckaView::ShowTotal()
{
    double total = 0;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        CString cell = m_grid.GetCellValue(DOVCH_SUM, row);
        cell.Replace(",", ".");
        total += atof(cell);
    }
    SetDlgItemText(IDC_DOVCH_TOTAL, FormatNumber(total, "", 2));
}

BOOL CDovPoluchCheckaView::ValidateDocument()
{
    CDovPoluchCheckaRecord r;
    r.branch = SelectedBranch(IDC_FIL);
    GetDlgItemText(IDC_NUMBER, r.number);
    GetDlgItemText(IDC_SET_DATE_TEXT, r.date);
    GetDlgItemText(IDC_SET_NOTE, r.prim);
    GetDlgItemText(IDC_SET_TN, r.tn);
    GetDlgItemText(IDC_SET_FIO, r.fio);
    GetDlgItemText(IDC_DOVCH_SERIES, r.series);
    GetDlgItemText(IDC_DOVCH_CHEQUE, r.chequeNumber);
    GetDlgItemText(IDC_DOVCH_CHEQUE_DATE, r.chequeDate);
    GetDlgItemText(IDC_DOVCH_RECEIVE, r.receiveDate);
    GetDlgItemText(IDC_DOVCH_TOTAL, r.total);
    GetDlgItemText(IDC_DOVCH_ACCRUED, r.accrued);
    r.grid = GetGridInOneString(m_grid, 0);
    r.tn.Trim();
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

void CDovPoluchCheckaView::RememberDefaults()
{
    RememberBranch(m_record.branch);
}

// A new document with every field of this one; it is checked on its own
// date only, and takes the next number, so two documents never share one.
void CDovPoluchCheckaView::OnNewFromThis()
{
    if (AfxMessageBox("Ввести новый документ на основании текущего ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    SetRealId(-1);
    SetLoadedDate(CString());
    SetDlgItemText(IDC_NUMBER, ProposeNumber(GL_NextNumber(CDovPoluchCheckaRecord::kTable, 0)));
    FocusField(IDC_NUMBER, TRUE);
}

std::vector<CAnswerColumn> CDovPoluchCheckaView::AnswerColumns() const
{
    return {{kAccountAnswer, DOVCH_ACCOUNT, true}, {kEkrAnswer, DOVCH_EKR, false}};
}

// The personal account is kept by its number, as the treasury writes it.
void CDovPoluchCheckaView::OnAnswered(UINT msg, long row)
{
    if (msg != kAccountAnswer)
        return;
    const CString key = m_grid.GetCellValue(DOVCH_ACCOUNT, row);
    m_grid.SetCellValue(DOVCH_ACCOUNT, row, GetFromSPR("spr_ls", key, "number"));
}

void CDovPoluchCheckaView::OnLinesChooser(short col, short row)
{
    if (col == DOVCH_ACCOUNT) {
        RememberChooserRow(kAccountAnswer, row);
        CHelpers::GetInSpr("spr_ls", this, 0, nullptr, kAccountAnswer, 2, 0, nullptr, nullptr, 0);
    } else if (col == DOVCH_EKR) {
        RememberChooserRow(kEkrAnswer, row);
        CHelpers::GetInSpr("spr_ekr", this, 0, nullptr, kEkrAnswer, 0, 0, nullptr, nullptr, 0);
    }
}

void CDovPoluchCheckaView::OnLinesCellChanged(short col, short, CString*)
{
    if (col == DOVCH_SUM)
        ShowTotal();
}

} // namespace nledmark
