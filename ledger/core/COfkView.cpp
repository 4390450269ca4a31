#include "COfkView.h"

#include "FormTitle.h"
#include "SharedCommands.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(COfkView, CPostingDocView)

BEGIN_MESSAGE_MAP(COfkView, CPostingDocView)
    ON_COMMAND(ID_DOCUMENT_PRINT, OnPrint)
    ON_COMMAND(IDC_OFK_EXPORT, OnExport)
    ON_EN_CHANGE(kTnEditId, OnTnChange)
    ON_COMMAND(kTnButtonId, OnTNbtn)
    ON_COMMAND(IDC_OFK_LS_BUTTON, OnLsButton)
    ON_EN_CHANGE(IDC_OFK_LS, OnLsChange)
    ON_MESSAGE(kOfkKbkMsg, OnKbkAnswer)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(COfkView, CPostingDocView)
    ON_EVENT(COfkView, IDC_LINES, 5, OnGridChooser, VTS_I2 VTS_I2)
    ON_EVENT(COfkView, IDC_LINES, 8, OnGridChanged, VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";
const char* const kReportFile = "\\_sys\\_ExtReports\\ЗаявкаОФК.extr";
constexpr long kRows = 30;
constexpr UINT kEkrMsg = 0x465;

} // namespace

COfkView::COfkView() : CPostingDocView(IDR_OFK)
{
    m_editDate.SetType(EDIT_KIND_DATE);
    m_editDatePol.SetType(EDIT_KIND_DATE);
}

COfkView::~COfkView() = default;

void COfkView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_OFK_DATE, m_editDate);
    DDX_Control(pDX, kTnEditId, m_editTn);
    DDX_Control(pDX, IDC_OFK_DATE_POL, m_editDatePol);
    DDX_Control(pDX, IDC_SUM, m_editSum);
    DDX_Control(pDX, IDC_OFK_SER, m_editSer);
    DDX_Control(pDX, IDC_OFK_N, m_editN);
    DDX_Control(pDX, IDC_OFK_CPEC, m_editCpec);
    DDX_Control(pDX, IDC_OFK_PRIM, m_editPrim);
    DDX_Control(pDX, IDC_OFK_LS, m_editLs);
}

void COfkView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    SetFormTitle(this, "Заявка на получение наличных денег");
    ResizeParentToFit(FALSE);
    m_grid.SetNRows(kRows);
    m_grid.KeepRatio();
    SetSql();
}

UINT COfkView::NumberFieldId() const
{
    return IDC_NUMBER;
}

CString COfkView::Text(UINT id) const
{
    CString text;
    if (CWnd* control = GetDlgItem(id))
        control->GetWindowText(text);
    return text.Trim();
}

void COfkView::SetSql()
{
    CWaitCursor wait;
    COfkRecord record;
    if (GetRealId() == -1) {
        record.number = ProposeNumber(GL_NextNumber(COfkRecord::kTable, 0));
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
        record.branch = (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFil, 1);
        SetLoadedDate(CString());
    } else if (!record.Load(GetRealId())) {
        // A request whose row cannot be read is not opened for editing.
        OnCancel();
        return;
    } else {
        SetLoadedDate(record.date);
    }
    m_grid.SetFillingGrid(1);
    m_grid.ClearGrid();
    m_grid.SetNRows(kRows);
    SetGridFromOneString(m_grid, record.grid, 0, 0);
    if (m_grid.GetNRows() < kRows)
        m_grid.SetNRows(kRows);
    m_grid.SetFillingGrid(0);
    const std::pair<UINT, const CString*> fields[] = {
        {IDC_OFK_LS, &record.ls},       {IDC_OFK_DATE, &record.date}, {IDC_NUMBER, &record.number},
        {IDC_OFK_PRIM, &record.prim},   {kTnEditId, &record.tn},      {IDC_OFK_CPEC, &record.cpec},
        {IDC_OFK_DATE_POL, &record.datePol}, {IDC_OFK_SER, &record.ser}, {IDC_OFK_N, &record.n},
    };
    for (const auto& [id, text] : fields)
        SetDlgItemText(id, *text);
    // The total follows from the table: a re-save keeps it.
    ShowTotal();
    if (!FillFils(this, IDC_FIL, record.branch, 0))
        OnCancel();
    FocusField(IDC_NUMBER, TRUE);
}

CString COfkView::Total() const
{
    double total = 0;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        CString amount = m_grid.GetCellValue(OFK_SUM, row);
        amount.Replace(",", ".");
        total += atof(amount);
    }
    return FormatNumber(total, "", 2);
}

void COfkView::ShowTotal()
{
    SetDlgItemText(IDC_SUM, FormatNumber0(atof(Total()), "", 2));
}

BOOL COfkView::ValidateDocument()
{
    const CString dateText = Text(IDC_OFK_DATE);
    if (dateText.IsEmpty()) {
        AfxMessageBox("Укажите Дату");
        FocusField(IDC_OFK_DATE, FALSE);
        return FALSE;
    }
    const CString date = DMG(dateText, 1, 0);
    if (date.IsEmpty() || !GL_Verify_Date(date, 1)) {
        FocusField(IDC_OFK_DATE, TRUE);
        return FALSE;
    }
    const CString number = Text(IDC_NUMBER);
    const CString tn = Text(kTnEditId);
    const CString ls = Text(IDC_OFK_LS);
    if (!RequireText(IDC_NUMBER, number, "Укажите № документа")
        || !RequireText(kTnEditId, tn, "Укажите Кому выдана доверенность"))
        return FALSE;
    if (!TnOk(tn)) {
        AfxMessageBox("Нет такого Работника");
        FocusField(kTnEditId, TRUE);
        return FALSE;
    }
    if (!RequireText(IDC_OFK_LS, ls, "Укажите лиц.счет"))
        return FALSE;
    // The account reaches SQL as a number only.
    if (!IsDigitsOnly(ls) || !SprOk("spr_ls", ls)) {
        AfxMessageBox("Нет такого лиц.счета");
        FocusField(IDC_OFK_LS, TRUE);
        return FALSE;
    }
    const CString chequeNumber = Text(IDC_OFK_N);
    if (!chequeNumber.IsEmpty() && !IsDigitsOnly(chequeNumber)) {
        AfxMessageBox("Номер чека должен быть числом");
        FocusField(IDC_OFK_N, TRUE);
        return FALSE;
    }
    const CString datePol = Text(IDC_OFK_DATE_POL);
    if (!datePol.IsEmpty() && DMG(datePol, 1, 0).IsEmpty()) {
        AfxMessageBox("Неверная дата получения");
        FocusField(IDC_OFK_DATE_POL, TRUE);
        return FALSE;
    }
    m_record.number = number;
    m_record.date = date;
    m_record.prim = Text(IDC_OFK_PRIM);
    m_record.tn = tn;
    m_record.cpec = Text(IDC_OFK_CPEC);
    m_record.ser = Text(IDC_OFK_SER);
    m_record.n = chequeNumber;
    m_record.datePol = datePol.IsEmpty() ? CString() : DMG(datePol, 1, 0);
    m_record.icn = Text(IDC_OFK_FIO);
    m_record.grid = GetGridInOneString(m_grid, 0);
    m_record.sum = Total();
    m_record.ls = ls;
    m_record.branch = SelectedBranch(IDC_FIL);
    return TRUE;
}

void COfkView::RememberDefaults()
{
    AfxGetApp()->WriteProfileInt(kConstants, kSelectFil, m_record.branch);
}

void COfkView::OnSaveDeclined()
{
    FocusField(IDC_OFK_DATE, TRUE);
}

std::vector<CAnswerColumn> COfkView::AnswerColumns() const
{
    return {{kEkrMsg, OFK_EKR, false}};
}

void COfkView::OnTnChange()
{
    OnChangeTn(this);
}

void COfkView::OnLsButton()
{
    CHelpers::GetInSpr("spr_ls", this, IDC_OFK_LS, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void COfkView::OnLsChange()
{
    SetDlgItemText(IDC_OFK_LS_NAME, GetFromSPR("spr_ls", Text(IDC_OFK_LS), nullptr));
}

void COfkView::OnGridChooser(short col, short row)
{
    if (col == OFK_FKR) {
        RememberChooserRow(kOfkKbkMsg, row);
        GL_GetDefKBKList(this, -1, nullptr, SelectedBranch(IDC_FIL), kOfkKbkMsg, nullptr, 0);
    } else if (col == OFK_EKR) {
        RememberChooserRow(kEkrMsg, row);
        CHelpers::GetInSpr("spr_ekr", this, -1, nullptr, kEkrMsg, 0, 0, nullptr, nullptr, 0);
    }
}

// The budget classification chooser answers with the code's key; the table
// keeps its expense code (rasx).
LRESULT COfkView::OnKbkAnswer(WPARAM, LPARAM lParam)
{
    const long row = RememberedRow(kOfkKbkMsg);
    if (row < 0 || row >= m_grid.GetNRows())
        return 0;
    m_grid.SetCellValue(OFK_FKR, row, GetFromSPR("spr_kbk", utos((long long)lParam), "rasx"));
    m_grid.SetCurCell(OFK_FKR, row);
    return 0;
}

void COfkView::OnGridChanged(short col, short, CString*)
{
    if (col == OFK_SUM)
        ShowTotal();
}

void COfkView::RunReport(const CString& call)
{
    CHelpers::EXEC_ShowExternalReport(GetAppPath() + kReportFile, call);
}

void COfkView::OnPrint()
{
    CString call;
    call.Format("Prn(%d,0)", GetRealId());
    RunReport(call);
}

void COfkView::OnExport()
{
    if (GetRealId() == -1) {
        AfxMessageBox("Документ надо записать");
        FocusField(IDC_NUMBER, FALSE);
        return;
    }
    CString call;
    call.Format("Export(\"%d\")", GetRealId());
    RunReport(call);
}

} // namespace nledmark
