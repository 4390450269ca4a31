#include "OfficialFormViews.h"

#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

namespace {

enum { IF_CODE = 0, IF_KBK = 2, IF_KBK2 = 3 };

} // namespace

IMPLEMENT_DYNCREATE(CPrn0503127View, CPrnOfficialView)

BEGIN_MESSAGE_MAP(CPrn0503127View, CPrnOfficialView)
    ON_MESSAGE(kSecondKbkAnswerMsg, OnSecondKbkChosen)
END_MESSAGE_MAP()

CPrn0503127View::CPrn0503127View() : CPrnOfficialView(IDD_PRN_0503127) {}

void CPrn0503127View::DoDataExchange(CDataExchange* pDX)
{
    CPrnOfficialView::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_OF_EXPAND, m_bEkr);
    DDX_Check(pDX, IDC_OF_304_05, m_b30405);
    DDX_Check(pDX, IDC_OF_PPP, m_bPpp);
    DDX_Check(pDX, IDC_OF_SECTION, m_bSection);
    DDX_Check(pDX, IDC_OF_TARGET, m_bTarget);
    DDX_Check(pDX, IDC_OF_KIND, m_bKind);
}

CString CPrn0503127View::EkrSection() const
{
    return FormatText("forma127%ld_%d", g_lProjectType, Route());
}

void CPrn0503127View::OnInitialUpdate()
{
    m_bEkr = AfxGetApp()->GetProfileInt(EkrSection(), "ekr", 1);
    CPrnOfficialView::OnInitialUpdate();
    // The second KBK is read by the two 0503127 files only.
    const int route = Route();
    if (route != 1 && route != 3)
        m_grid.SetColHidden(IF_KBK2, 1);
}

void CPrn0503127View::RememberChoice()
{
    AfxGetApp()->WriteProfileInt(EkrSection(), "ekr", m_bEkr ? 1 : 0);
}

CString CPrn0503127View::MoreArguments()
{
    return FormatText(",%d,%d,%d,%d,%d,%d", m_bEkr ? 1 : 0, m_b30405 ? 1 : 0, m_bPpp ? 1 : 0, m_bSection ? 1 : 0,
                      m_bTarget ? 1 : 0, m_bKind ? 1 : 0);
}

void CPrn0503127View::OnGridEvent(short col, short row)
{
    if (col != IF_KBK2) {
        CPrnOfficialView::OnGridEvent(col, row);
        return;
    }
    m_nRow2 = row >= 0 ? row : short(m_grid.GetCurRow());
    if (m_nRow2 < 0 || m_nRow2 >= m_grid.GetNRows())
        return;
    GL_GetDefKBKList(this, -1, m_grid.GetCellValue(IF_CODE, m_nRow2), -2, kSecondKbkAnswerMsg, nullptr, 1);
}

LRESULT CPrn0503127View::OnSecondKbkChosen(WPARAM, LPARAM lParam)
{
    if (m_nRow2 < 0 || m_nRow2 >= m_grid.GetNRows())
        return 0;
    m_grid.SetCellValue(IF_KBK2, m_nRow2, reinterpret_cast<const char*>(lParam));
    m_grid.SetCurCell(IF_KBK2, m_nRow2);
    return 0;
}

} // namespace nledmark
