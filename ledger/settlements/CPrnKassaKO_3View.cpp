#include "CPrnKassaKO_3View.h"

#include "CSelectIFView.h"
#include "FormTitle.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnKassaKO_3View, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnKassaKO_3View, CderivedFormview)
    ON_COMMAND(IDOK, OnPrint)
    ON_COMMAND(IDC_FILS_BUTTON, OnFilsPick)
END_MESSAGE_MAP()

namespace {

const char* const kBranchesKey = "select_fil_prn0";

} // namespace

CPrnKassaKO_3View::CPrnKassaKO_3View()
    : CderivedFormview(IDR_PRN_KASSA_KO_3), m_dateFrom(qwDMG(GetDPV1(), 1)), m_dateTo(qwDMG(GetDPV2(), 1))
{
}

CPrnKassaKO_3View::~CPrnKassaKO_3View() = default;

void CPrnKassaKO_3View::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FILS, m_editFils);
    DDX_DateTimeCtrl(pDX, IDC_DATE1, m_dateFrom);
    DDX_DateTimeCtrl(pDX, IDC_DATE2, m_dateTo);
}

void CPrnKassaKO_3View::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Журнал регистрации кассовых документов");
    const CString branches = AfxGetApp()->GetProfileString(CSelectIFView::BranchSection(), kBranchesKey, "");
    FillFilsEx(this, IDC_FILS, IDC_FILS_LABEL, IDC_FILS_BUTTON, branches);
    ResizeParentToFit(FALSE);
}

void CPrnKassaKO_3View::OnFilsPick()
{
    OnFILbtn(this);
}

// The branch list reaches the script as a text argument, escaped; the
// script takes only ids.
void CPrnKassaKO_3View::OnPrint()
{
    CWaitCursor wait;
    if (!UpdateData(TRUE))
        return;
    CString branches;
    GetDlgItemText(IDC_FILS, branches);
    AfxGetApp()->WriteProfileString(CSelectIFView::BranchSection(), kBranchesKey, branches);
    CString call;
    call.Format("prn(\"%s\",\"%s\",\"%s\")", DMGtoStr(m_dateFrom), DMGtoStr(m_dateTo), MakeParam(branches));
    EXEC_ShowFormReport(call, 0, 0);
}

} // namespace nledmark
