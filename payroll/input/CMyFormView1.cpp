#include "CMyFormView1.h"

#include "CPaymar.h"
#include "FormSearches.h"
#include "appcore.h"
#include "dlgkit.h"
#include "gridbase.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/StaffNumbers.h"

namespace npaymar {

namespace {

// A code field, the edit of its name, its chooser's button and its book.
struct PairedField {
    int code;
    int name;
    int button;
    const char* table;
};

const PairedField kPayCode{IDC_VOU, IDC_VOU_NAME, IDC_VOU_BTN, "spr_vou"};
const PairedField kCalendar{IDC_KL, IDC_KL_NAME, IDC_KL_BTN, "spr_kl"};
const PairedField kPurpose{IDC_KCN, IDC_KCN_NAME, IDC_KCN_BTN, "spr_paymar_kcn"};
const PairedField kContribution{IDC_OTCHIS, IDC_OTCHIS_NAME, IDC_OTCHIS_BTN, "spr_paymar_otchis"};
const PairedField kPostingLine{IDC_5PR, IDC_5PR_NAME, IDC_5PR_BTN, "spr_paymar_5pr"};
const PairedField kPosition{IDC_DOL, IDC_DOL_NAME, IDC_DOL_BTN, "spr_paymar_dol"};
const PairedField kPayerKind{IDC_VP, IDC_VP_NAME, IDC_VP_BTN, "spr_paymar_vp"};
const PairedField kSheet{IDC_NV, IDC_NV_NAME, IDC_NV_BTN, "nv"};
const PairedField kDepartment{IDC_PAY_PRD, IDC_PAY_PRD_NAME, IDC_PAY_PRD_BTN, "spr_prd"};
const PairedField kDepartment1{IDC_PAY_PRD1, IDC_PAY_PRD1_NAME, IDC_PAY_PRD1_BTN, "spr_prd"};
const PairedField kEconomicCode{IDC_EKR, IDC_EKR_NAME, IDC_EKR_BTN, "spr_ekr"};
const PairedField kCategory{IDC_PAY_KAT, IDC_PAY_KAT_NAME, IDC_PAY_KAT_BTN, "spr_paymar_kat"};
const PairedField kCategory1{IDC_PAY_KAT1, IDC_PAY_KAT1_NAME, IDC_PAY_KAT1_BTN, "spr_paymar_kat"};
const PairedField kOrder{IDC_PRIKAZ, IDC_PRIKAZ_NAME, IDC_PRIKAZ_BTN, "spr_paymar_prikaz"};
const PairedField kOrganisation{IDC_ORG, IDC_ORG_NAME, IDC_ORG_BTN, "spr_org"};

const PairedField* const kPairs[] = {
    &kPayCode, &kCalendar, &kPurpose,    &kContribution, &kPostingLine, &kPosition, &kPayerKind, &kSheet,
    &kDepartment, &kDepartment1, &kEconomicCode, &kCategory, &kCategory1, &kOrder, &kOrganisation,
};

// F3 in a field presses the button beside it: the books' codes, the
// employee's fields, the position row and the field whose button a form
// gives itself.
int F3Button(int field)
{
    for (const PairedField* pair : kPairs)
        if (pair->code == field)
            return pair->button;
    switch (field) {
    case IDC_TN:
    case IDC_FIO: return IDC_TN_BTN;
    case IDC_NPP: return IDC_NPP_BTN;
    case IDC_F3_FIELD: return IDC_F3_FIELD_BTN;
    default: return 0;
    }
}

// The books the search finds a code in, with the prompt naming each.
struct SearchedBook {
    int field;
    const char* table;
    const char* prompt;
};

const SearchedBook kSearchedBooks[] = {
    {IDC_VOU, "spr_vou", "Укажите фрагменты оплат/удержаний"},
    {IDC_VP, "spr_paymar_vp", "Укажите фрагменты вида плательщика"},
    {IDC_DOL, "spr_paymar_dol", "Укажите фрагменты должности"},
    {IDC_KL, "spr_kl", "Укажите фрагменты календаря"},
    {IDC_OTCHIS, "spr_paymar_otchis", "Укажите фрагменты отчислений"},
    {IDC_KCN, "spr_paymar_kcn", "Укажите фрагменты целевого назначения"},
    {IDC_5PR, "spr_paymar_5pr", "Укажите фрагменты строки 5 проводки"},
    {IDC_NV, "nv", "Укажите фрагменты ведомости"},
    {IDC_PAY_PRD, "spr_prd", nullptr},
    {IDC_PAY_PRD1, "spr_prd", nullptr},
    {IDC_PAY_KAT, "spr_paymar_kat", nullptr},
    {IDC_PAY_KAT1, "spr_paymar_kat", nullptr},
    {IDC_PRIKAZ, "spr_paymar_prikaz", nullptr},
};

const char* PromptOf(const char* table)
{
    for (const SearchedBook& book : kSearchedBooks)
        if (book.prompt && CString(book.table) == table)
            return book.prompt;
    return "Укажите фрагменты поиска";
}

// The fields in which the search is offered (the organisation's code and the
// field with a button of the form's own, too, where the core's search runs).
const int kSearchFields[] = {IDC_FIO, IDC_TN,  IDC_VOU,    IDC_VP,      IDC_NV,      IDC_ORG,     IDC_5PR,    IDC_KCN,
                             IDC_OTCHIS, IDC_F3_FIELD, IDC_DOL, IDC_PAY_PRD1, IDC_PAY_PRD, IDC_PAY_KAT1, IDC_PAY_KAT,
                             IDC_KL,  IDC_PRIKAZ};

bool Has(CWnd* form, int id)
{
    return form->GetDlgItem(id) != nullptr;
}

void Choose(CWnd* form, const PairedField& pair)
{
    if (Has(form, pair.code))
        CHelpers::GetInSpr(pair.table, form, pair.code, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

// The code's name; a code that is no whole number names nothing.
void ShowName(CWnd* form, const PairedField& pair)
{
    if (!Has(form, pair.code) || !Has(form, pair.name))
        return;
    CString code;
    form->GetDlgItemText(pair.code, code);
    form->SetDlgItemText(pair.name, GetFromSPR(pair.table, code, nullptr));
}

// The id of the focused field of the form, 0 when the focus is elsewhere.
int FocusedField(CWnd* form)
{
    CWnd* focus = CWnd::GetFocus();
    return focus && focus->GetParent() == form ? focus->GetDlgCtrlID() : 0;
}

} // namespace

IMPLEMENT_DYNCREATE(CMyFormView1, CderivedFormview)

BEGIN_MESSAGE_MAP(CMyFormView1, CderivedFormview)
    ON_EN_CHANGE(IDC_VOU, OnChangeVou)
    ON_EN_CHANGE(IDC_KL, OnChangeKl)
    ON_EN_CHANGE(IDC_KCN, OnChangeKcn)
    ON_EN_CHANGE(IDC_OTCHIS, OnChangeOtchis)
    ON_EN_CHANGE(IDC_5PR, OnChange5pr)
    ON_EN_CHANGE(IDC_DOL, OnChangeDol)
    ON_EN_CHANGE(IDC_TN, OnChangeTn)
    ON_EN_CHANGE(IDC_VP, OnChangeVp)
    ON_EN_CHANGE(IDC_NV, OnChangeNv)
    ON_EN_CHANGE(IDC_NPP, OnChangeNpp)
    ON_EN_CHANGE(IDC_PAY_PRD, OnChangePrd)
    ON_EN_CHANGE(IDC_PAY_PRD1, OnChangePrd1)
    ON_EN_CHANGE(IDC_PAY_KAT, OnChangeKat)
    ON_EN_CHANGE(IDC_PAY_KAT1, OnChangeKat1)
    ON_EN_CHANGE(IDC_PRIKAZ, OnChangePrikaz)
    ON_EN_CHANGE(IDC_ORG, OnChangeOrg)
    ON_EN_CHANGE(IDC_EKR, OnChangeEkr)
    ON_BN_CLICKED(IDC_VOU_BTN, OnVOUbtn)
    ON_BN_CLICKED(IDC_KL_BTN, OnKLbtn)
    ON_BN_CLICKED(IDC_KCN_BTN, OnKCNbtn)
    ON_BN_CLICKED(IDC_OTCHIS_BTN, OnOTCHISbtn)
    ON_BN_CLICKED(IDC_5PR_BTN, On5PRbtn)
    ON_BN_CLICKED(IDC_DOL_BTN, OnDOLbtn)
    ON_BN_CLICKED(IDC_TN_BTN, OnTNbtn)
    ON_BN_CLICKED(IDC_VP_BTN, OnVPbtn)
    ON_BN_CLICKED(IDC_NV_BTN, OnNVbtn)
    ON_BN_CLICKED(IDC_PAY_PRD_BTN, OnPRDbtn)
    ON_BN_CLICKED(IDC_PAY_PRD1_BTN, OnPRD1btn)
    ON_BN_CLICKED(IDC_PAY_KAT_BTN, OnKATbtn)
    ON_BN_CLICKED(IDC_PAY_KAT1_BTN, OnKAT1btn)
    ON_BN_CLICKED(IDC_PRIKAZ_BTN, OnPRIKAZbtn)
    ON_BN_CLICKED(IDC_NPP_BTN, OnNPPbtn)
    ON_BN_CLICKED(IDC_ORG_BTN, OnORGbtn)
    ON_BN_CLICKED(IDC_EKR_BTN, OnEKRbtn)
END_MESSAGE_MAP()

CMyFormView1::CMyFormView1() : CderivedFormview(0) {}

CMyFormView1::CMyFormView1(UINT nIDTemplate) : CderivedFormview(nIDTemplate) {}

CMyFormView1::~CMyFormView1() = default;

void CMyFormView1::OnVOUbtn() { Choose(this, kPayCode); }
void CMyFormView1::OnChangeVou() { ShowName(this, kPayCode); }
void CMyFormView1::OnChangeKl() { ShowName(this, kCalendar); }
void CMyFormView1::OnKLbtn() { Choose(this, kCalendar); }
void CMyFormView1::OnKCNbtn() { Choose(this, kPurpose); }
void CMyFormView1::OnChangeKcn() { ShowName(this, kPurpose); }
void CMyFormView1::OnChangeOtchis() { ShowName(this, kContribution); }
void CMyFormView1::OnOTCHISbtn() { Choose(this, kContribution); }
void CMyFormView1::OnChange5pr() { ShowName(this, kPostingLine); }
void CMyFormView1::On5PRbtn() { Choose(this, kPostingLine); }
void CMyFormView1::OnChangeDol() { ShowName(this, kPosition); }
void CMyFormView1::OnDOLbtn() { Choose(this, kPosition); }
void CMyFormView1::OnVPbtn() { Choose(this, kPayerKind); }
void CMyFormView1::OnChangeVp() { ShowName(this, kPayerKind); }
void CMyFormView1::OnNVbtn() { Choose(this, kSheet); }
void CMyFormView1::OnChangeNv() { ShowName(this, kSheet); }
void CMyFormView1::OnPRDbtn() { Choose(this, kDepartment); }
void CMyFormView1::OnChangePrd1() { ShowName(this, kDepartment1); }
void CMyFormView1::OnPRD1btn() { Choose(this, kDepartment1); }
void CMyFormView1::OnChangePrd() { ShowName(this, kDepartment); }
void CMyFormView1::OnChangeKat() { ShowName(this, kCategory); }
void CMyFormView1::OnKATbtn() { Choose(this, kCategory); }
void CMyFormView1::OnChangeEkr() { ShowName(this, kEconomicCode); }
void CMyFormView1::OnEKRbtn() { Choose(this, kEconomicCode); }
void CMyFormView1::OnChangeKat1() { ShowName(this, kCategory1); }
void CMyFormView1::OnKAT1btn() { Choose(this, kCategory1); }
void CMyFormView1::OnChangePrikaz() { ShowName(this, kOrder); }
void CMyFormView1::OnPRIKAZbtn() { Choose(this, kOrder); }
void CMyFormView1::OnORGbtn() { Choose(this, kOrganisation); }
void CMyFormView1::OnChangeOrg() { ShowName(this, kOrganisation); }

void CMyFormView1::OnTNbtn()
{
    if (Has(this, IDC_TN))
        CExtFuncs::OnTNcmd(this, IDC_TN, nullptr, nullptr, UINT(-1), 0, 1);
}

void CMyFormView1::OnChangeTn()
{
    if (!Has(this, IDC_TN) || !Has(this, IDC_FIO))
        return;
    CString tn;
    GetDlgItemText(IDC_TN, tn);
    SetDlgItemText(IDC_FIO, GetFio(tn));
}

void CMyFormView1::OnChangeNpp()
{
    if (!Has(this, IDC_NPP) || !Has(this, IDC_NPP_DOL) || !Has(this, IDC_TN))
        return;
    CString typedTn;
    CString typedNpp;
    GetDlgItemText(IDC_TN, typedTn);
    GetDlgItemText(IDC_NPP, typedNpp);
    if (typedTn.IsEmpty() || typedNpp.IsEmpty())
        return;
    // Numbers reach the query only as whole numbers: other text finds no row.
    CString tn;
    CString npp;
    CString position;
    if (nvenzol::CheckedNumber(typedTn, tn) && nvenzol::CheckedNumber(typedNpp, npp)) {
        CString sql;
        sql.Format("select dol as str from paymar_bux where tn=%s and npp=%s", (LPCTSTR)tn, (LPCTSTR)npp);
        position = ExecuteString(sql);
    }
    SetDlgItemText(IDC_NPP_DOL, GetFromSPR("spr_paymar_dol", position, nullptr));
}

int CMyFormView1::Refuse(int field, const char* message, bool select)
{
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    if (CWnd* wnd = GetDlgItem(field)) {
        wnd->SetFocus();
        if (select) {
            wnd->SendMessage(EM_SETSEL, 0, (LPARAM)-1);
            wnd->SendMessage(EM_SCROLLCARET, 0, 0);
        }
    }
    return 0;
}

CString CMyFormView1::Field(int id) const
{
    CString text;
    GetDlgItemText(id, text);
    return text;
}

CString CMyFormView1::ShownTn() const
{
    CString tn;
    return nvenzol::CheckedNumber(Field(IDC_TN), tn) ? tn : CString();
}

int CMyFormView1::TestOK()
{
    CString code;
    if (Has(this, IDC_NV)) {
        GetDlgItemText(IDC_NV, code);
        if (code.Trim().IsEmpty())
            return Refuse(IDC_NV, "Укажите № ведомости", false);
        if (!SprOk("nv", code))
            return Refuse(IDC_NV, "Нет такой ведомости", true);
    }
    if (Has(this, IDC_ORG)) {
        GetDlgItemText(IDC_ORG, code);
        if (code.Trim().IsEmpty())
            return Refuse(IDC_ORG, "Укажите код Организации", false);
        if (!SprOk("spr_org", code))
            return Refuse(IDC_ORG, "Нет такого кода Организации", true);
    }
    return 1;
}

void CMyFormView1::OnNPPbtn()
{
    if (!Has(this, IDC_NPP) || !Has(this, IDC_TN))
        return;
    CString typed;
    GetDlgItemText(IDC_TN, typed);
    if (typed.Trim().IsEmpty()) {
        Refuse(IDC_TN, "Укажите табельный №", false);
        return;
    }
    CString tn;
    if (!nvenzol::CheckedNumber(typed, tn) || !TnOk(tn)) {
        Refuse(IDC_TN, "Нет такого табельного номера", true);
        return;
    }
    CPaymar::ShowBookList(this, tn);
}

void CMyFormView1::OnUpdateButtonSirch(CCmdUI* pCmdUI)
{
    const int focused = FocusedField(this);
    for (int id : kSearchFields) {
        if (focused && id == focused) {
            pCmdUI->Enable(TRUE);
            return;
        }
    }
    CderivedFormview::OnUpdateButtonSirch(pCmdUI);
}

BOOL CMyFormView1::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F3) {
        if (const int button = F3Button(FocusedField(this)))
            PostMessage(WM_COMMAND, WPARAM(button), 0);
        return TRUE;
    }
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F4) {
        const int focused = FocusedField(this);
        if (focused == IDC_TN || focused == IDC_FIO) {
            PostMessage(WM_COMMAND, WPARAM(IDC_TN_LIST), 0);
            return TRUE;
        }
    }
    return CderivedFormview::PreTranslateMessage(pMsg);
}

void CMyFormView1::OnButtonSirch()
{
    const int focused = FocusedField(this);
    if (focused == IDC_TN || focused == IDC_FIO) {
        SearchSurname();
        return;
    }
    for (const SearchedBook& book : kSearchedBooks) {
        if (focused && book.field == focused) {
            SearchBook(book.table, focused);
            return;
        }
    }
    CderivedFormview::OnButtonSirch();
}

void CMyFormView1::SearchSurname()
{
    naddviews::SearchSurname(this, IDC_TN, m_memories[0]);
}

void CMyFormView1::SearchBook(const char* table, int field)
{
    naddviews::SearchBook(this, table, field, PromptOf(table), m_memories, kSearchMemories);
}

} // namespace npaymar
