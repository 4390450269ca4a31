#include "CPrnNalogKartView.h"

#include "gridbase.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace npaymar {

IMPLEMENT_DYNCREATE(CPrnNalogKartView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnNalogKartView, CderivedFormview)
ON_BN_CLICKED(IDC_NALOG_KART_ALL, OnSelectAll)
ON_BN_CLICKED(IDC_NALOG_KART_CLEAR, OnClear)
ON_BN_CLICKED(IDC_NALOG_KART_OK, OnOk)
ON_COMMAND(ID_FILE_PRINT_DIRECT, OnPrintDirect)
ON_BN_CLICKED(IDC_NALOG_KART_CANCEL, OnClose)
END_MESSAGE_MAP()

CPrnNalogKartView::CPrnNalogKartView() : CderivedFormview(IDR_PRN_NALOG_KART)
{
    m_bPrintForm = 1;
}

CPrnNalogKartView::~CPrnNalogKartView() = default;

void CPrnNalogKartView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NALOG_KART_LIST, m_listEmployees);
}

void CPrnNalogKartView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    ResizeParentToFit(FALSE);
    appcore::SetFormTitle(this, "Налоговая карточка");
    FillEmployees();
}

void CPrnNalogKartView::FillEmployees()
{
    m_listEmployees.ResetContent();
    const CString sql = FormatText("select distinct paymar_M.tn,%s as fio from paymar_M left "
                                   "join tn on paymar_M.tn=tn.tn where paymar_M.g=%ld "
                                   "group by paymar_M.tn,f,i,o order by paymar_M.tn",
                                   GL_SqlFio(), g_lYear);
    // A failure is reported by the layer; the list keeps the rows read.
    ForEachRow(sql, [this](_RecordsetPtr& row) {
        const long tn = atol(SafeArayToString(row->GetCollect("tn")));
        const int index = m_listEmployees.AddString(
            FormatText("% 4d   %s", int(tn), (LPCTSTR)SafeArayToString(row->GetCollect("fio"))));
        m_listEmployees.SetItemData(index, DWORD_PTR(tn));
    });
}

void CPrnNalogKartView::OnSelectAll()
{
    for (int i = 0; i < m_listEmployees.GetCount(); ++i)
        m_listEmployees.SetCheck(i, 1);
}

void CPrnNalogKartView::OnClear()
{
    for (int i = 0; i < m_listEmployees.GetCount(); ++i)
        m_listEmployees.SetCheck(i, 0);
}

void CPrnNalogKartView::BuildReport(int direct)
{
    std::vector<long> employees;
    for (int i = 0; i < m_listEmployees.GetCount(); ++i)
        if (m_listEmployees.GetCheck(i))
            employees.push_back(long(m_listEmployees.GetItemData(i)));
    if (employees.empty()) {
        AfxMessageBox("Выберите работника", MB_OK);
        m_listEmployees.SetFocus();
        return;
    }
    const EmployeePageLook look = {"Налоговая карточка", "Налоговая карточка", 9, 9, false, 1, true};
    {
        CWaitCursor wait;
        ShowEmployeePages(look, employees, direct, [](long tn, CString& text, CString&) {
            bool ok = true;
            text = GetNDFL1(utoa(tn), g_lMonth, 1, ok);
            return ok;
        });
    }
    OnClose();
}

void CPrnNalogKartView::OnOk()
{
    BuildReport(0);
}

void CPrnNalogKartView::OnPrintDirect()
{
    BuildReport(1);
}

void CPrnNalogKartView::OnClose()
{
    if (CFrameWnd* frame = GetParentFrame())
        frame->PostMessage(WM_CLOSE);
}

} // namespace npaymar
