#include "CNipView.h"

#include "NipForm.h"
#include "appcore.h"
#include "res/resource.h"

#include <iterator>
#include <type_traits>

namespace nperso {

namespace {

// The edit fields with the kind of what they take (plain, date, decimal).
const nvenzol::NipEdit kFields[] = {
    {IDC_TN, EDIT_KIND_PLAIN},         {IDC_NPP, EDIT_KIND_PLAIN},     {IDC_VID_PRIK, EDIT_KIND_PLAIN},
    {IDC_NIP_DPRIK, EDIT_KIND_DATE},   {IDC_NIP_NOPRIK, EDIT_KIND_PLAIN}, {IDC_NIP_ST, EDIT_KIND_DECIMAL},
    {IDC_PRD, EDIT_KIND_PLAIN},        {IDC_DOL, EDIT_KIND_PLAIN},     {IDC_KAT, EDIT_KIND_PLAIN},
    {IDC_NIP_D1, EDIT_KIND_DATE},      {IDC_NIP_D2, EDIT_KIND_DATE},
};
static_assert(std::size(kFields) == std::extent_v<decltype(CNipView::m_edits)>);

} // namespace

IMPLEMENT_DYNCREATE(CNipView, CMyFormView1)

BEGIN_MESSAGE_MAP(CNipView, CMyFormView1)
    ON_EN_CHANGE(IDC_NPP, OnChangeNpp)
    ON_EN_CHANGE(IDC_TN, OnChangeTn)
    ON_BN_CLICKED(IDOK, OnSave)
END_MESSAGE_MAP()

CNipView::CNipView() : CMyFormView1(IDD_NIP_VIEW)
{
    nvenzol::SetEditKinds(m_edits, kFields, std::size(kFields));
}

CNipView::~CNipView() = default;

void CNipView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    nvenzol::BindEdits(pDX, m_edits, kFields, std::size(kFields));
}

void CNipView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    appcore::SetFormTitle(this, "Назначение на должность");
    ResizeParentToFit(FALSE);
}

void CNipView::OnChangeTn()
{
    CMyFormView1::OnChangeTn();
    nvenzol::ProposeCurrentNip(this);
}

void CNipView::OnChangeNpp()
{
    nvenzol::LoadNip(this, nvenzol::PersoNipColumns());
}

void CNipView::OnSave()
{
    nvenzol::SaveNip(this, nvenzol::PersoNipColumns());
}

} // namespace nperso
