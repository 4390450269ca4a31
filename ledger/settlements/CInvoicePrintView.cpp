#include "CInvoicePrintView.h"

#include "FormTitle.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNAMIC(CInvoicePrintView, CderivedFormview)

BEGIN_MESSAGE_MAP(CInvoicePrintView, CderivedFormview)
    ON_COMMAND(IDOK, OnPrint)
    ON_CBN_SELCHANGE(IDC_PRN_SOURCE, OnSourceChange)
END_MESSAGE_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFilPrn = "select_fil_prn";

} // namespace

CInvoicePrintView::CInvoicePrintView(const char* title, bool writesBranchBack, Run run)
    : CderivedFormview(IDR_PRN_KNIGA_PROD), m_dateFrom(qwDMG(GetDPV1(), 1)), m_dateTo(qwDMG(GetDPV2(), 1)),
      m_title(title), m_writesBranchBack(writesBranchBack), m_run(run)
{
}

CInvoicePrintView::~CInvoicePrintView() = default;

void CInvoicePrintView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_PRN_SOURCE, m_comboSource);
    DDX_DateTimeCtrl(pDX, IDC_DATE1, m_dateFrom);
    DDX_DateTimeCtrl(pDX, IDC_DATE2, m_dateTo);
    DDX_CBIndex(pDX, IDC_PRN_SOURCE, m_nSource);
}

void CInvoicePrintView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, m_title);
    for (const char* source : {"0", "1", "2", "3", "4"})
        m_comboSource.AddString(source);
    m_comboSource.SetCurSel(0);
    FillFils(this, IDC_FIL, (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFilPrn, -2), 1);
    ResizeParentToFit(TRUE);
}

void CInvoicePrintView::OnSourceChange()
{
    UpdateData(TRUE);
    SetDlgItemText(IDC_PRN_SOURCE_NAME, GL_GetCol0_Name(FormatNumber(m_nSource, "-", 0)));
}

CString CInvoicePrintView::CallText()
{
    UpdateData(TRUE);
    return FormatText("prn(\"%s\",\"%s\",%d,%d)", DMGtoStr(m_dateFrom), DMGtoStr(m_dateTo), ChosenFil(&m_comboFil),
                      m_nSource);
}

void CInvoicePrintView::OnPrint()
{
    CWaitCursor wait;
    const CString call = CallText();
    if (m_writesBranchBack)
        AfxGetApp()->WriteProfileInt(kConstants, kSelectFilPrn, ChosenFil(&m_comboFil));
    if (m_run == Run::AnswersPage)
        EXEC_ShowFormReport(call, 0, 0);
    else
        EXEC_Execute(call, 0);
}

} // namespace nledmark
