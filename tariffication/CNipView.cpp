#include "CNipView.h"

#include "NipForm.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <iterator>
#include <type_traits>

namespace nvenzol {

namespace {

// The edit fields with the kind of what they take (plain, date, decimal).
const NipEdit kFields[] = {
    {IDC_TN, EDIT_KIND_PLAIN},           {IDC_NPP, EDIT_KIND_PLAIN},
    {IDC_VID_PRIK, EDIT_KIND_PLAIN},     {IDC_NIP_DPRIK, EDIT_KIND_DATE},
    {IDC_NIP_NOPRIK, EDIT_KIND_PLAIN},   {IDC_NIP_ST, EDIT_KIND_DECIMAL},
    {IDC_VENZ_KOF, EDIT_KIND_DECIMAL},   {IDC_VENZ_OKL, EDIT_KIND_PLAIN},
    {IDC_PRD, EDIT_KIND_PLAIN},          {IDC_DOL, EDIT_KIND_PLAIN},
    {IDC_KAT, EDIT_KIND_PLAIN},          {IDC_VENZ_VF, EDIT_KIND_PLAIN},
    {IDC_VENZ_ZAS_RAB, EDIT_KIND_DECIMAL}, {IDC_VENZ_ZAS_VR, EDIT_KIND_DECIMAL},
    {IDC_VENZ_PREMIYA, EDIT_KIND_DECIMAL}, {IDC_VENZ_RAZ1, EDIT_KIND_PLAIN},
    {IDC_VENZ_RAZ2, EDIT_KIND_PLAIN},    {IDC_VENZ_RAZ3, EDIT_KIND_PLAIN},
    {IDC_VENZ_DATE_KAT, EDIT_KIND_DATE}, {IDC_VENZ_NO_KAT, EDIT_KIND_PLAIN},
    {IDC_VENZ_PR_RAB, EDIT_KIND_PLAIN},  {IDC_VENZ_PR_ZV, EDIT_KIND_PLAIN},
    {IDC_NIP_D1, EDIT_KIND_DATE},        {IDC_NIP_D2, EDIT_KIND_DATE},
    {IDC_VENZ_PLUS_KAT, EDIT_KIND_PLAIN}, {IDC_VENZ_PLUS_UCH_ST, EDIT_KIND_PLAIN},
    {IDC_VENZ_PLUS_OPAS, EDIT_KIND_PLAIN}, {IDC_VENZ_PLUS_DOPL, EDIT_KIND_PLAIN},
    {IDC_VENZ_PLUS_ZV, EDIT_KIND_PLAIN},
};
static_assert(std::size(kFields) == std::extent_v<decltype(CNipView::m_edits)>);

} // namespace

IMPLEMENT_DYNCREATE(CNipView, CMyFormView1)

BEGIN_MESSAGE_MAP(CNipView, CMyFormView1)
    ON_EN_CHANGE(IDC_NPP, OnChangeNpp)
    ON_EN_CHANGE(IDC_TN, OnChangeTn)
    ON_EN_CHANGE(IDC_VENZ_VF, OnChangeVf)
    ON_BN_CLICKED(IDC_VENZ_VF_BTN, OnVFbtn)
    ON_BN_CLICKED(IDOK, OnSave)
END_MESSAGE_MAP()

CNipView::CNipView() : CMyFormView1(IDD_NIP_VIEW_VENZ)
{
    SetEditKinds(m_edits, kFields, std::size(kFields));
}

CNipView::~CNipView() = default;

void CNipView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    BindEdits(pDX, m_edits, kFields, std::size(kFields));
}

void CNipView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    appcore::SetFormTitle(this, "Назначение (тарификация)");
    ResizeParentToFit(FALSE);
}

void CNipView::OnChangeTn()
{
    CMyFormView1::OnChangeTn();
    ProposeCurrentNip(this);
}

void CNipView::OnChangeNpp()
{
    LoadNip(this, VenzNipColumns());
}

void CNipView::OnChangeVf()
{
    CString code;
    GetDlgItemText(IDC_VENZ_VF, code);
    SetDlgItemText(IDC_VENZ_VF_NAME, GetFromSPR("spr_venz_vf", code, nullptr));
}

void CNipView::OnVFbtn()
{
    CHelpers::GetInSpr("spr_venz_vf", this, IDC_VENZ_VF, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CNipView::OnSave()
{
    if (!SaveNip(this, VenzNipColumns()))
        return;
    if (CWnd* tn = GetDlgItem(IDC_TN))
        tn->SetFocus();
}

} // namespace nvenzol
