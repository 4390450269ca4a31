#include "CPrnOsvView.h"

#include "CHelpers.h"
#include "CSelectIFView.h"
#include "FormTitle.h"
#include "LedgerFilters.h"
#include "PrintChoices.h"
#include "SharedCommands.h"
#include "TurnoverControls.h"
#include "TurnoverSheet.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnOsvView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnOsvView, CderivedFormview)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDC_OSV_KBK_PICK, OnKbkBtn)
    ON_COMMAND(IDC_FILS_BUTTON, OnFILbtn)
END_MESSAGE_MAP()

CPrnOsvView::CPrnOsvView()
    : CderivedFormview(IDD_PRN_OSV), m_dateFrom(qwDMG(GetDPV1(), 1)), m_dateTo(qwDMG(GetDPV2(), 1))
{
}

CPrnOsvView::~CPrnOsvView() = default;

void CPrnOsvView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OSV_KBK, m_editKbk);
    DDX_Control(pDX, IDC_FILS, m_editFils);
    DDX_DateTimeCtrl(pDX, IDC_DATE1, m_dateFrom);
    DDX_DateTimeCtrl(pDX, IDC_DATE2, m_dateTo);
    DDX_CBIndex(pDX, IDC_OSV_SOURCE, m_nSource);
    DDX_Check(pDX, IDC_OSV_EXPAND, m_bExpand);
}

void CPrnOsvView::OnInitialUpdate()
{
    if (CComboBox* sources = static_cast<CComboBox*>(GetDlgItem(IDC_OSV_SOURCE)))
        for (const char* item : {"Все", "1", "2", "3", "4"})
            sources->AddString(item);
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Оборотно-сальдовая ведомость");
    FillFilsEx(this, IDC_FILS, IDC_FILS_LABEL, IDC_FILS_BUTTON,
               nledmark::RememberedPrintBranches());
    ResizeParentToFit(FALSE);
}

void CPrnOsvView::OnKbkBtn()
{
    UpdateData(TRUE);
    CString branches;
    GetDlgItemText(IDC_FILS, branches);
    GL_GetDefKBKList(this, IDC_OSV_KBK, (const char*)utoa(m_nSource), (const char*)branches, UINT(-1), nullptr, 1);
}

void CPrnOsvView::OnFILbtn()
{
    nledmark::OnFILbtn(this);
}

void CPrnOsvView::OnOK()
{
    CWaitCursor wait;
    if (!UpdateData(TRUE))
        return;
    CTurnoverSheetRequest request;
    request.from = m_dateFrom;
    request.to = m_dateTo;
    request.source = m_nSource;
    request.expand = m_bExpand != 0;
    if (!TakePrintBranches(this, m_editFils, request.branches))
        return;
    GetDlgItemText(IDC_OSV_KBK, request.kbkList);
    CString kbkCondition;
    if (!KbkListCondition(request.kbkList, "deb", kbkCondition)) {
        AfxMessageBox("Неверный список КБК");
        m_editKbk.SetFocus0();
        return;
    }
    if (!CheckPrintPeriod(this, request.from, request.to))
        return;
    // The id of this connection now: after a reconnect it is another one.
    const long connection = GetServerId();
    if (connection <= 0) {
        AfxMessageBox("Не удалось узнать номер соединения с базой данных");
        return;
    }
    const LimitPage sheet = BuildTurnoverSheet(request, connection);
    CHelpers::DisplayMessage(sheet.html, GetDocument()->GetTitle(), 1, 8, "#f5f5FF", -1, -1);
}

} // namespace nledmark
