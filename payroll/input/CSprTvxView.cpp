#include "CSprTvxView.h"

#include "PayrollBooks.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace npaymar {

IMPLEMENT_DYNCREATE(CSprTvxView, CPayBookView)

BEGIN_MESSAGE_MAP(CSprTvxView, CPayBookView)
    ON_EN_CHANGE(IDC_VOU, OnChangeVou)
END_MESSAGE_MAP()

CSprTvxView::CSprTvxView() : CPayBookView(IDD_SPR_TVX, "Группы оплат", IDC_VOU) {}

void CSprTvxView::DoDataExchange(CDataExchange* pDX)
{
    CPayBookView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAY_CODES, m_codes);
}

void CSprTvxView::OnChangeVou()
{
    if (!m_codes.GetSafeHwnd())
        return;
    Guarded("CSprTvxView", [&] { LoadPayCodes(m_codes, "spr_vou", "spr_tvx", "kou", "id", FieldText(IDC_VOU)); });
    // An unknown code names nothing: its name is emptied with the list.
    CPayBookView::OnChangeVou();
}

bool CSprTvxView::CheckEntry()
{
    return CheckBookCode(IDC_VOU, "spr_vou", "Укажите код оплат удержаний", "Нет в справочнике");
}

bool CSprTvxView::WriteEntry()
{
    return WritePayCodeGroup(FieldText(IDC_VOU), TickedPayCodes(m_codes));
}

void CSprTvxView::AfterWrite()
{
    OnChangeVou();
    CPayBookView::AfterWrite();
}

} // namespace npaymar
