#include "CMyFormView1.h"

#include "FormSearches.h"
#include "appcore.h"
#include "dlgkit.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nstovan {

namespace {

// A code field, the edit of its name and the book the name is read from.
struct PairedField {
    int code;
    int name;
    const char* table;
};

const PairedField kDepartment{IDC_PRD, IDC_PRD_NAME, "spr_stovan_prd"};
const PairedField kStatement{IDC_NV, IDC_NV_NAME, "nv"};
const PairedField kOrganisation{IDC_ORG, IDC_ORG_NAME, "spr_org"};
const PairedField kCabinet{IDC_KAB, IDC_KAB_NAME, "kab"};
const PairedField kMaterial{IDC_MAT, IDC_MAT_NAME, "spr_stovan_mat"};
const PairedField kWorkKind{IDC_VR, IDC_VR_NAME, "spr_stovan_vr"};
const PairedField kTreatment{IDC_VL, IDC_VL_NAME, "spr_vl"};

// F3 in a field runs the command of its chooser.
struct F3Row {
    int field;
    int command;
};

const F3Row kF3[] = {
    {IDC_PRD, IDC_PRD_BTN}, {IDC_TN, IDC_TN_BTN}, {IDC_FIO, IDC_TN_BTN}, {IDC_NV, IDC_NV_BTN}, {IDC_ORG, IDC_ORG_BTN},
};

// The search prompt of a reference book by its id.
CString BookPrompt(UINT id)
{
    switch (id) {
    case 40: return "Укажите фрагменты оплат/удержаний";
    case 46: return "Укажите фрагменты ведомости";
    case 52:
    case 64: return "Укажите фрагменты должности";
    case 55: return "Укажите фрагменты целевого назначения";
    case 57:
    case 58: return "Укажите фрагменты календаря";
    case 60: return "Укажите фрагменты отчислений";
    case 62: return "Укажите фрагменты строки 5 проводки";
    case 68: return "Укажите фрагменты вида плательщика";
    default: return "Укажите фрагменты поиска";
    }
}

bool Has(CWnd* form, int id)
{
    return form->GetDlgItem(id) != nullptr;
}

void Choose(CWnd* form, int code, const char* table)
{
    if (Has(form, code))
        CHelpers::GetInSpr(table, form, code, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void ShowName(CWnd* form, const PairedField& pair)
{
    if (!Has(form, pair.code) || !Has(form, pair.name))
        return;
    CString code;
    form->GetDlgItemText(pair.code, code);
    form->SetDlgItemText(pair.name, GetFromSPR(pair.table, code, nullptr));
}

} // namespace

IMPLEMENT_DYNCREATE(CMyFormView1, CderivedFormview)

BEGIN_MESSAGE_MAP(CMyFormView1, CderivedFormview)
    ON_BN_CLICKED(IDC_NV_BTN, OnNVbtn)
    ON_EN_CHANGE(IDC_NV, OnChangeNv)
    ON_BN_CLICKED(IDC_PRD_BTN, OnPRDbtn)
    ON_EN_CHANGE(IDC_PRD, OnChangePrd)
    ON_BN_CLICKED(IDC_ORG_BTN, OnORGbtn)
    ON_EN_CHANGE(IDC_ORG, OnChangeOrg)
    ON_BN_CLICKED(IDC_TN_BTN, OnTNbtn)
    ON_EN_CHANGE(IDC_TN, OnChangeTn)
    ON_BN_CLICKED(IDC_KAB_BTN, OnKABbtn)
    ON_EN_CHANGE(IDC_KAB, OnChangeKab)
    ON_UPDATE_COMMAND_UI(ID_BUTTON_SIRCH, OnUpdateButtonSirch)
    ON_EN_CHANGE(IDC_MAT, OnChangeMat)
    ON_BN_CLICKED(IDC_MAT_BTN, OnMATbtn)
    ON_EN_CHANGE(IDC_VR, OnChangeVr)
    ON_BN_CLICKED(IDC_VR_BTN, OnVRbtn)
    ON_BN_CLICKED(IDC_VL_BTN, OnVLbtn)
    ON_EN_CHANGE(IDC_VL, OnChangeVl)
END_MESSAGE_MAP()

CMyFormView1::CMyFormView1() : CderivedFormview(0) {}

CMyFormView1::CMyFormView1(UINT nIDTemplate) : CderivedFormview(nIDTemplate) {}

CMyFormView1::~CMyFormView1() = default;

void CMyFormView1::OnChangeVl() { ShowName(this, kTreatment); }
void CMyFormView1::OnVRbtn() { Choose(this, kWorkKind.code, kWorkKind.table); }
void CMyFormView1::OnChangeVr() { ShowName(this, kWorkKind); }
void CMyFormView1::OnMATbtn() { Choose(this, kMaterial.code, kMaterial.table); }

void CMyFormView1::OnChangeMat()
{
    ShowName(this, kMaterial);
    if (!Has(this, IDC_MAT) || !Has(this, IDC_MAT_EI))
        return;
    CString code;
    GetDlgItemText(IDC_MAT, code);
    // An emptied code leaves no unit of the material it had.
    const CString unit = code.IsEmpty() ? CString() : GetFromSPR("spr_stovan_mat", code, "ei");
    SetDlgItemText(IDC_MAT_EI, GetFromSPR("spr_ei", unit, nullptr));
}

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

void CMyFormView1::OnORGbtn() { Choose(this, kOrganisation.code, kOrganisation.table); }
void CMyFormView1::OnChangeOrg() { ShowName(this, kOrganisation); }
void CMyFormView1::OnKABbtn() { Choose(this, kCabinet.code, kCabinet.table); }
void CMyFormView1::OnChangeKab() { ShowName(this, kCabinet); }
void CMyFormView1::OnPRDbtn() { Choose(this, kDepartment.code, kDepartment.table); }
void CMyFormView1::OnChangePrd() { ShowName(this, kDepartment); }
void CMyFormView1::OnNVbtn() { Choose(this, kStatement.code, kStatement.table); }
void CMyFormView1::OnChangeNv() { ShowName(this, kStatement); }
void CMyFormView1::OnVLbtn() { Choose(this, kTreatment.code, kTreatment.table); }

BOOL CMyFormView1::Refuse(int field, const char* message, bool select)
{
    if (message)
        AfxMessageBox(message);
    if (CWnd* wnd = GetDlgItem(field)) {
        wnd->SetFocus();
        if (select)
            wnd->SendMessage(EM_SETSEL, 0, (LPARAM)-1);
    }
    return FALSE;
}

void CMyFormView1::SetUnread(bool unread, CWnd& lines)
{
    m_unread = unread;
    lines.EnableWindow(!unread);
}

BOOL CMyFormView1::CheckRead()
{
    if (!m_unread)
        return TRUE;
    AfxMessageBox("Документ не удалось прочитать из базы данных, поэтому записать или удалить его нельзя. "
                  "Выберите его снова.",
                  MB_OK | MB_ICONSTOP);
    return FALSE;
}

void CMyFormView1::TabOverOther(int filled, int other)
{
    CString text;
    GetDlgItemText(filled, text);
    if (CWnd* field = GetDlgItem(other)) {
        if (text.IsEmpty())
            field->ModifyStyle(0, WS_TABSTOP);
        else
            field->ModifyStyle(WS_TABSTOP, 0);
    }
}

void CMyFormView1::OnUpdateButtonSirch(CCmdUI* pCmdUI)
{
    CWnd* focus = GetFocus();
    for (int id : {IDC_FIO, IDC_TN, IDC_NV, IDC_PRD, IDC_ORG}) {
        CWnd* field = GetDlgItem(id);
        if (field && field == focus) {
            pCmdUI->Enable(TRUE);
            return;
        }
    }
    CderivedFormview::OnUpdateButtonSirch(pCmdUI);
}

BOOL CMyFormView1::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F3) {
        ForceF3();
        return TRUE;
    }
    return CderivedFormview::PreTranslateMessage(pMsg);
}

void CMyFormView1::ForceF3()
{
    CWnd* focus = GetFocus();
    for (const F3Row& row : kF3) {
        CWnd* field = GetDlgItem(row.field);
        if (focus && field == focus && Has(this, row.command))
            PostMessage(WM_COMMAND, WPARAM(row.command), 0);
    }
}

void CMyFormView1::OnButtonSirch()
{
    CWnd* focus = GetFocus();
    const int id = focus && focus->GetParent() == this ? focus->GetDlgCtrlID() : 0;
    switch (id) {
    case IDC_TN:
    case IDC_FIO:
        SearchSurname();
        return;
    case IDC_NV:
        SearchBook(kStatement.table, id);
        return;
    case IDC_ORG:
        SearchBook(kOrganisation.table, id);
        return;
    case IDC_PRD:
        // The book whose names the field shows, so a hit's name appears.
        SearchBook(kDepartment.table, id);
        return;
    default:
        CderivedFormview::OnButtonSirch();
    }
}

void CMyFormView1::SearchSurname()
{
    naddviews::SearchSurname(this, IDC_TN, m_memories[0]);
}

void CMyFormView1::SearchBook(const char* table, int field)
{
    naddviews::SearchBook(this, table, field, BookPrompt(I_GetSprId(table)), m_memories, kSearchMemories);
}

} // namespace nstovan
