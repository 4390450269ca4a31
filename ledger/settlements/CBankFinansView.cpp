// Financing received: construction, loading, the rows and the save's checks.
#include "CBankFinansView.h"

#include "CBankStatementView.h"
#include "CHelpers.h"
#include "CodeRows.h"
#include "FormTitle.h"
#include "ScriptReadCache.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CBankFinansView, CPostingDocView)

BEGIN_MESSAGE_MAP(CBankFinansView, CPostingDocView)
    ON_WM_SIZE()
    ON_COMMAND(IDC_BANK_KBK_DEBIT_PICK, OnKbkPick)
    ON_COMMAND(IDC_FINANS_CONTR_PICK, OnContrPick)
    ON_EN_CHANGE(IDC_FINANS_CONTR, OnContrChange)
    ON_EN_CHANGE(IDC_BANK_KBK_DEBIT, OnHeaderChange)
    ON_CBN_SELCHANGE(IDC_FIL, OnHeaderChange)
    ON_MESSAGE(kBankTrailingRowMsg, OnTrailingRow)
    ON_MESSAGE(0x465, OnEkrAnswer)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CBankFinansView, CPostingDocView)
    ON_EVENT(CBankFinansView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(CBankFinansView, IDC_LINES, 9, OnLinesEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";
const char* const kSourceKey = "bank_finans_if";
const char* const kContrKey = "bank_finans_kontr";
constexpr UINT kEkrAnswer = 0x465;
constexpr UINT kKbkAnswer = 0x469;

} // namespace

CBankFinansView::CBankFinansView() : CPostingDocView(IDR_BANK_FINANS), m_date(COleDateTime::GetCurrentTime()) {}

CBankFinansView::~CBankFinansView() = default;

void CBankFinansView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_BANK_SOURCE, m_comboSource);
    DDX_Control(pDX, IDC_DATE, m_dateCtrl);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_BANK_BASE_DOC, m_editIcn);
    DDX_Control(pDX, IDC_BANK_KBK_DEBIT, m_editKbk);
    DDX_Control(pDX, IDC_FINANS_CONTR, m_editContr);
    DDX_Control(pDX, IDC_BANK_NOTE, m_editPrim);
    DDX_Text(pDX, IDC_BANK_KBK_DEBIT, m_strKbk);
    DDX_DateTimeCtrl(pDX, IDC_DATE, m_date);
    DDX_Text(pDX, IDC_NUMBER, m_strNumber);
    DDX_Text(pDX, IDC_BANK_NOTE, m_strPrim);
    DDX_Text(pDX, IDC_BANK_BASE_DOC, m_strIcn);
    DDX_Text(pDX, IDC_FINANS_CONTR, m_strContr);
}

void CBankFinansView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    SetFormTitle(this, "Поступление финансирования");
    m_grid.SetColHidden(FINANS_KBK, g_lProjectType == 9 ? 0 : 1);
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
    SetSql();
}

UINT CBankFinansView::NumberFieldId() const
{
    return IDC_NUMBER;
}

int CBankFinansView::Source() const
{
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(IDC_BANK_SOURCE));
    const int selected = combo ? combo->GetCurSel() : -1;
    return selected < 0 ? 1 : (int)(LONG_PTR)combo->GetItemData(selected);
}

void CBankFinansView::SetSql()
{
    CWaitCursor wait;
    m_bLoading = TRUE;
    m_grid.ClearGrid();
    m_grid.SetNRows(0);
    CWinApp* app = AfxGetApp();
    int branch = (int)app->GetProfileInt(kConstants, kSelectFil, 1);
    int source = (int)app->GetProfileInt(kConstants, kSourceKey, 1);
    if (GetRealId() == -1) {
        m_strNumber = ProposeNumber(GL_NextNumber(CBankFinansRecord::kTable, 0));
        m_date = COleDateTime::GetCurrentTime();
        m_strIcn = "Выписка банка";
        m_strContr = utos((long long)app->GetProfileInt(kConstants, kContrKey, 1));
        m_strKbk.Empty();
        m_strPrim.Empty();
    } else if (!LoadStored(branch, source)) {
        return;
    }
    if (!FillFils(this, IDC_FIL, branch, 0) || !FilIF(&m_comboSource, source)) {
        OnCancel();
        return;
    }
    UpdateData(FALSE);
    m_bLoading = FALSE;
    PostMessage(kBankTrailingRowMsg);
}

// A stored document; one that cannot be read does not stay open.
BOOL CBankFinansView::LoadStored(int& branch, int& source)
{
    if (!m_record.Load(GetRealId())) {
        OnCancel();
        return FALSE;
    }
    const CBankFinansRecord& r = m_record;
    branch = r.branch;
    source = r.source;
    SetLoadedDate(r.date);
    m_date = qwDMG(r.date, 1);
    m_strKbk = r.kbk;
    m_strNumber = r.number;
    m_strPrim = r.prim;
    m_strIcn = r.icn;
    m_strContr = r.contr;
    SetGridFromOneString(m_grid, r.grid, 0, 0);
    return TRUE;
}

std::vector<CAnswerColumn> CBankFinansView::AnswerColumns() const
{
    return {{kKbkAnswer, FINANS_KBK, false}};
}

void CBankFinansView::OnAnswered(UINT msg, long row)
{
    m_grid.SetCurCell(FINANS_CONTENT, row);
}

void CBankFinansView::OnLinesChanged()
{
    PostMessage(kBankTrailingRowMsg);
}

void CBankFinansView::OnKbkPick()
{
    UpdateData(TRUE);
    CChartFacts chart;
    GL_GetDefKBKList(this, IDC_BANK_KBK_DEBIT, FinancingAccount(chart, Source(), CString(), 1), SelectedBranch(IDC_FIL),
                     UINT(-1), nullptr, 0);
}

void CBankFinansView::OnContrPick()
{
    CHelpers::GetInSpr("spr_contr", this, IDC_FINANS_CONTR, nullptr, UINT(-1), 0, 0);
}

void CBankFinansView::OnContrChange()
{
    CString code;
    GetDlgItemText(IDC_FINANS_CONTR, code);
    SetDlgItemText(IDC_FINANS_CONTR_NAME, code.IsEmpty() ? CString() : GetFromSPR("spr_contr", code, nullptr));
}

void CBankFinansView::OnHeaderChange()
{
    PostMessage(kBankTrailingRowMsg);
}

LRESULT CBankFinansView::OnTrailingRow(WPARAM, LPARAM)
{
    KeepOneEmptyRow(m_grid, FINANS_EKR);
    return 0;
}

LRESULT CBankFinansView::OnEkrAnswer(WPARAM, LPARAM lParam)
{
    const long first = RememberedRow(kEkrAnswer);
    if (first < 0 || first >= m_grid.GetNRows())
        return 0;
    FillRowsWithCodes(m_grid, FINANS_EKR, first, CString(reinterpret_cast<const char*>(lParam)), [this](long row) {
        ContentOf(row, Cell(FINANS_EKR, row));
        SendMessage(kBankTrailingRowMsg);
    });
    m_grid.SetCurCell(FINANS_SUM, first);
    m_grid.SetFocus();
    return 0;
}

void CBankFinansView::ContentOf(long row, const CString& ekr)
{
    UpdateData(TRUE);
    const int source = Source();
    CChartFacts chart;
    m_grid.SetCellValue(FINANS_CONTENT, row,
                        GetDefSO(FinancingAccount(chart, source, ekr, 1), FinancingAccount(chart, source, ekr, 2)));
}

void CBankFinansView::OnLinesChooser(short col, short row)
{
    UpdateData(TRUE);
    if (col == FINANS_EKR) {
        RememberChooserRow(kEkrAnswer, row);
        CHelpers::GetInSpr("spr_ekr", this, -1, nullptr, kEkrAnswer, 0, 1);
    } else if (col == FINANS_KBK) {
        RememberChooserRow(kKbkAnswer, row);
        CChartFacts chart;
        GL_GetDefKBKList(this, -1, FinancingAccount(chart, Source(), Cell(FINANS_EKR, row).Trim(), 1),
                         SelectedBranch(IDC_FIL), kKbkAnswer, nullptr, 0);
    }
}

// A typed economic code gives the row its content.
void CBankFinansView::OnLinesEdited(short col, short row, short key, CString* text)
{
    if (col == FINANS_EKR && text && !text->IsEmpty())
        ContentOf(row, text->Trim());
    PostMessage(kBankTrailingRowMsg);
}

void CBankFinansView::FocusRow(long row, int col)
{
    m_grid.SetFocus();
    m_grid.SetCurCell(col, row);
}

BOOL CBankFinansView::CheckRow(long row, const CString& headerKbk)
{
    CString ekr = Cell(FINANS_EKR, row);
    ekr.Trim();
    if (ekr.IsEmpty()) {
        AfxMessageBox("Укажите ЭКР");
        FocusRow(row, FINANS_EKR);
        return FALSE;
    }
    if (atof(DecimalPoint(Cell(FINANS_SUM, row))) == 0) {
        AfxMessageBox("Укажите сумму");
        FocusRow(row, FINANS_SUM);
        return FALSE;
    }
    if (!SprOk("spr_ekr", ekr)) {
        AfxMessageBox("Нет такого ЭКР в справочнике");
        FocusRow(row, FINANS_EKR);
        return FALSE;
    }
    const CString code = Cell(FINANS_KBK, row).IsEmpty() ? headerKbk : Cell(FINANS_KBK, row);
    if (code.IsEmpty()) {
        AfxMessageBox("Укажите КБК");
        FocusField(IDC_BANK_KBK_DEBIT, FALSE);
        return FALSE;
    }
    if (!SprOk("spr_kbk", code)) {
        AfxMessageBox("Нет такого КБК в справочнике");
        FocusRow(row, FINANS_KBK);
        return FALSE;
    }
    return TRUE;
}

BOOL CBankFinansView::ValidateDocument()
{
    const int branch = SelectedBranch(IDC_FIL);
    const int source = Source();
    CString date;
    if (!CheckDateControl(IDC_DATE, m_date, "Укажите Дату", date)
        || !RequireText(IDC_NUMBER, m_strNumber, "Укажите № документа")
        || !RequireText(IDC_BANK_BASE_DOC, m_strIcn, "Укажите наименование документа")
        || !RequireText(IDC_FINANS_CONTR, m_strContr, "Укажите код контрагента"))
        return FALSE;
    if (!SprOk("spr_contr", m_strContr)) {
        AfxMessageBox("Нет такого контрагента");
        FocusField(IDC_FINANS_CONTR, TRUE);
        return FALSE;
    }
    // The code the check accepts for rows without their own is the one
    // their postings and the document carry.
    CChartFacts chart;
    const CString headerKbk =
        m_strKbk.IsEmpty() ? GL_GetDefKBK(FinancingAccount(chart, source, CString(), 1), branch, "", 1) : m_strKbk;
    // The rows name the same accounts: the scripts read the chart once.
    appcore::CScriptReadCache reads;
    std::vector<CPostingLine> postings;
    double total = 0;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CBankRow cells = {Cell(FINANS_EKR, row), Cell(FINANS_SUM, row), Cell(FINANS_KBK, row),
                                Cell(FINANS_CONTENT, row)};
        if (cells[FINANS_EKR].IsEmpty() && cells[FINANS_SUM].IsEmpty())
            continue;
        if (!CheckRow(row, headerKbk))
            return FALSE;
        const CString code = cells[FINANS_KBK].IsEmpty() ? headerKbk : cells[FINANS_KBK];
        const CPostingLine line = FinancingPosting(chart, source, m_strContr, cells, code);
        if (!TestPostingLines({line}, date, branch)) {
            FocusRow(row, FINANS_EKR);
            return FALSE;
        }
        postings.push_back(line);
        total += atof(line.amount);
    }
    if (postings.empty()) {
        AfxMessageBox("Укажите что поступило на счет");
        m_grid.SetFocus();
        return FALSE;
    }
    CBankFinansRecord& r = m_record;
    r.date = date;
    r.number = m_strNumber;
    r.prim = m_strPrim;
    r.icn = m_strIcn;
    r.grid = GetGridInOneString(m_grid, 0);
    r.source = source;
    r.total = ftoa0(total);
    r.kbk = headerKbk;
    r.branch = branch;
    r.contr = m_strContr;
    r.postings = std::move(postings);
    return TRUE;
}

void CBankFinansView::RememberDefaults()
{
    CWinApp* app = AfxGetApp();
    app->WriteProfileInt(kConstants, kSourceKey, m_record.source);
    app->WriteProfileInt(kConstants, kSelectFil, m_record.branch);
    app->WriteProfileInt(kConstants, kContrKey, atoi(m_record.contr));
}

void CBankFinansView::AfterSave()
{
    OfferNewDocument(IDC_DATE);
}

void CBankFinansView::OnSaveDeclined()
{
    FocusField(IDC_DATE, FALSE);
}

void CBankFinansView::OnSize(UINT nType, int cx, int cy)
{
    CPostingDocView::OnSize(nType, cx, cy);
    LayOutBankForm(this, m_grid, 255);
}

} // namespace nledmark
