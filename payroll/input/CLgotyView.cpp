#include "CLgotyView.h"

#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace npaymar {

IMPLEMENT_DYNCREATE(CLgotyView, CLgotyGridView)

CLgotyView::CLgotyView() : CLgotyGridView(IDR_LGOTY) {}

CLgotyView::~CLgotyView() = default;

void CLgotyView::OnInitialUpdate()
{
    CLgotyGridView::OnInitialUpdate();
    appcore::SetFormTitle(this, "Льготы");
    ResizeParentToFit(FALSE);
    auto* document = dynamic_cast<CderivedDocument*>(GetDocument());
    const CString tn = document ? document->m_strParam : CString();
    if (!tn.IsEmpty()) {
        GetDlgItem(IDC_TN)->EnableWindow(FALSE);
        SetDlgItemText(IDC_TN, tn);
    } else {
        Load();
    }
}

CString CLgotyView::LoadSql(const CString& tn)
{
    return FormatText("select paymar_lgoty.tip,paymar_lgoty.s,spr_paymar_lgoty.ss from paymar_lgoty left join "
                      "spr_paymar_lgoty on spr_paymar_lgoty.id=tip where tn=%s order by paymar_lgoty.id",
                      tn);
}

CString CLgotyView::DeleteSql(const CString& tn)
{
    return FormatText("delete from paymar_lgoty where tn=%s", tn);
}

CString CLgotyView::InsertSql(const CString& tn, const CString& code, const CString& sum)
{
    const CString none = ChangeDateUS0("", 0);
    return FormatText("insert into paymar_lgoty (tn,tip,s,d1,d2) values (%s,%s,%s,%s,%s)", tn, code, sum, none, none);
}

IMPLEMENT_DYNCREATE(CLgotyEditView, CLgotyGridView)

BEGIN_MESSAGE_MAP(CLgotyEditView, CLgotyGridView)
    ON_CBN_CLOSEUP(IDC_LGOTY_MONTH, OnMonthChosen)
    ON_CBN_SELCHANGE(IDC_LGOTY_MONTH, OnMonthChosen)
END_MESSAGE_MAP()

CLgotyEditView::CLgotyEditView() : CLgotyGridView(IDR_LGOTY_EDIT) {}

CLgotyEditView::~CLgotyEditView() = default;

void CLgotyEditView::DoDataExchange(CDataExchange* pDX)
{
    CLgotyGridView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LGOTY_MONTH, m_month);
}

void CLgotyEditView::OnInitialUpdate()
{
    CLgotyGridView::OnInitialUpdate();
    appcore::SetFormTitle(this, "Льготы за месяц");
    for (long month = 1; month <= 12; ++month)
        m_month.SetItemData(m_month.AddString(GetMonthName(month)), DWORD_PTR(month));
    m_month.SetCurSel(g_lMonth >= 1 && g_lMonth <= 12 ? int(g_lMonth - 1) : -1);
    ResizeParentToFit(FALSE);
}

long CLgotyEditView::Month() const
{
    const int chosen = m_month.GetSafeHwnd() ? m_month.GetCurSel() : -1;
    return chosen >= 0 ? long(m_month.GetItemData(chosen)) : g_lMonth;
}

// A month changed in the list, by the mouse or the keyboard, shows that
// month's benefits, so a save never writes one month's grid into another.
void CLgotyEditView::OnMonthChosen()
{
    Load();
}

CString CLgotyEditView::LoadSql(const CString& tn)
{
    return FormatText("select paymar_m_.lg,paymar_m_.s,spr_paymar_lgoty.ss from paymar_m_ left join spr_paymar_lgoty "
                      "on spr_paymar_lgoty.id=lg where g=%d and ms=%d and tn=%s order by paymar_m_.id",
                      g_lYear, Month(), tn);
}

CString CLgotyEditView::DeleteSql(const CString& tn)
{
    return FormatText("delete from paymar_m_ where tn=%s and g=%d and ms=%d", tn, g_lYear, Month());
}

CString CLgotyEditView::InsertSql(const CString& tn, const CString& code, const CString& sum)
{
    return FormatText("insert into paymar_m_ (g,ms,tn,lg,s) values (%d,%d,%s,%s,%s)", g_lYear, Month(), tn, code,
                      sum);
}

} // namespace npaymar
