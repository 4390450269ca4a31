// The transfers between responsible persons: construction, loading, the
// pickers of both sides, the checks and the end of a save.
#include "CMolTransferView.h"

#include "CHelpers.h"
#include "FormTitle.h"
#include "LineCells.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNAMIC(CMolTransferView, CPostingDocView)
IMPLEMENT_DYNCREATE(CMatMolToMolView, CMolTransferView)
IMPLEMENT_DYNCREATE(COsMolToMolView, CMolTransferView)

BEGIN_MESSAGE_MAP(CMolTransferView, CPostingDocView)
    ON_COMMAND(IDC_SET_TN_PICK, OnTNbtn)
    ON_COMMAND(IDC_MTM_TN2_PICK, OnTN2btn)
    ON_EN_CHANGE(IDC_SET_TN, OnChangeTn)
    ON_EN_CHANGE(IDC_MTM_TN2, OnChangeTn2)
    ON_COMMAND(IDC_MTM_KBK1_PICK, OnKBK1btn)
    ON_COMMAND(IDC_MTM_KBK2_PICK, OnKBK2btn)
    ON_COMMAND(IDC_MTM_LIST_PICK, OnListBtn)
END_MESSAGE_MAP()

namespace {

const char* const kConstants = "constants";

} // namespace

CMolTransferView::CMolTransferView(UINT templateId, const MolTransferKind& kind)
    : CPostingDocView(templateId), m_kind(kind), m_record(kind)
{
    m_editDate.SetType(EDIT_KIND_DATE);
    m_editTn.SetType(EDIT_KIND_PLAIN);
    m_editTn2.SetType(EDIT_KIND_PLAIN);
}

CMolTransferView::~CMolTransferView() = default;

CMatMolToMolView::CMatMolToMolView() : CMolTransferView(IDR_MAT_MOL_TO_MOL, kMatTransfer) {}

COsMolToMolView::COsMolToMolView() : CMolTransferView(IDR_OS_MOL_TO_MOL, kOsTransfer) {}

void CMolTransferView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_MTM_FIL2, m_comboFil2);
    DDX_Control(pDX, IDC_MTM_DATE, m_editDate);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_MTM_ICN, m_editIcn);
    DDX_Control(pDX, IDC_MTM_NOTE, m_editNote);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_Control(pDX, IDC_MTM_TN2, m_editTn2);
    DDX_Control(pDX, IDC_MTM_KBK1, m_editKbk1);
    DDX_Control(pDX, IDC_MTM_KBK2, m_editKbk2);
    DDX_Control(pDX, IDC_MTM_LIST, m_editList);
    DDX_Radio(pDX, IDC_MTM_MODE0, m_mode);
}

void CMolTransferView::OnInitialUpdate()
{
    SetFormTitle(this, m_kind.title);
    InitialUpdateFitted(this);
}

UINT CMolTransferView::NumberFieldId() const
{
    return IDC_NUMBER;
}

BOOL CMolTransferView::LoadDocument()
{
    CWaitCursor wait;
    CMolTransferRecord record(m_kind);
    CWinApp* app = AfxGetApp();
    if (GetRealId() == -1) {
        record.number = ProposeNumber(GL_NextNumber(m_kind.table, 0));
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
        record.icn = m_kind.basis;
        record.senderBranch = (int)app->GetProfileInt(kConstants, "select_fil", 1);
        record.receiverBranch = (int)app->GetProfileInt(kConstants, "select_fil2", record.senderBranch);
    } else if (!record.Load(GetRealId())) {
        return FALSE;
    } else {
        SetLoadedDate(record.date);
    }
    const int withAll = m_kind.allBranchesEntry ? 1 : 0;
    if (!FillFils(this, IDC_FIL, record.senderBranch, withAll)
        || !FillFils(this, IDC_MTM_FIL2, record.receiverBranch, withAll))
        return FALSE;
    ShowRecord(record);
    m_record = record;
    return TRUE;
}

void CMolTransferView::ShowRecord(const CMolTransferRecord& record)
{
    SetDlgItemText(IDC_MTM_DATE, record.date);
    SetDlgItemText(IDC_NUMBER, record.number);
    SetDlgItemText(IDC_MTM_NOTE, record.prim);
    SetDlgItemText(IDC_MTM_ICN, record.icn);
    SetDlgItemText(IDC_SET_TN, record.sender);
    SetDlgItemText(IDC_MTM_TN2, record.receiver);
    SetDlgItemText(IDC_MTM_LIST, record.items);
    SetDlgItemText(IDC_MTM_KBK1, record.senderKbks);
    SetDlgItemText(IDC_MTM_KBK2, record.receiverKbk);
    m_mode = record.mode;
    UpdateData(FALSE);
}

void CMolTransferView::OnTN2btn()
{
    CExtFuncs::OnTNcmd(this, IDC_MTM_TN2, nullptr, nullptr, UINT(-1), 0, 1);
}

void CMolTransferView::OnChangeTn()
{
    nledmark::OnChangeTn(this);
}

void CMolTransferView::OnChangeTn2()
{
    CString tn;
    GetDlgItemText(IDC_MTM_TN2, tn);
    SetDlgItemText(IDC_MTM_FIO2, GetFio(tn));
}

// The codes of the branch chosen in `comboId` ("Все": of every branch) into
// `fieldId`, several or one.
void CMolTransferView::PickKbk(UINT comboId, UINT fieldId, int multiple)
{
    UpdateData(TRUE);
    const int branch = SelectedBranch(comboId);
    if (branch > 0)
        GL_GetDefKBKList(this, fieldId, nullptr, FormatText("%d", branch), UINT(-1), nullptr, multiple);
    else
        GL_GetDefKBKList(this, fieldId, nullptr, -2, UINT(-1), nullptr, multiple);
}

// The sender's KBKs, several, from the codes of the sender's branch.
void CMolTransferView::OnKBK1btn()
{
    PickKbk(IDC_FIL, IDC_MTM_KBK1, 1);
}

// The receiver's KBK, one, from the codes of the receiver's branch.
void CMolTransferView::OnKBK2btn()
{
    PickKbk(IDC_MTM_FIL2, IDC_MTM_KBK2, 0);
}

// The items, or the cards of the sender's branch, several at once.
void CMolTransferView::OnListBtn()
{
    const CString filter = m_kind.pickerByBranch ? FormatText(" and fil_id=%d", SelectedBranch(IDC_FIL)) : CString();
    CHelpers::GetInSpr(m_kind.itemBook, this, IDC_MTM_LIST, filter.IsEmpty() ? nullptr : (const char*)filter,
                       UINT(-1), 0, 1, nullptr, nullptr, 0);
}

// Each side names one branch: "Все" would post the receiver's side into no
// branch and be remembered as the branch of the next document.
BOOL CMolTransferView::CheckBranch(UINT comboId, int& branch)
{
    branch = SelectedBranch(comboId);
    if (branch > 0)
        return TRUE;
    AfxMessageBox("Выберите один филиал");
    FocusField(comboId, FALSE);
    return FALSE;
}

BOOL CMolTransferView::CheckList(UINT fieldId, const CString& text, const char* message, CString& ids)
{
    if (IdListText(text, ids))
        return TRUE;
    AfxMessageBox(message);
    FocusField(fieldId, TRUE);
    return FALSE;
}

BOOL CMolTransferView::ValidateDocument()
{
    CMolTransferRecord r(m_kind);
    r.mode = m_mode;
    CString date, list, kbk1, kbk2;
    GetDlgItemText(IDC_MTM_DATE, date);
    GetDlgItemText(IDC_NUMBER, r.number);
    GetDlgItemText(IDC_MTM_NOTE, r.prim);
    GetDlgItemText(IDC_MTM_ICN, r.icn);
    GetDlgItemText(IDC_SET_TN, r.sender);
    GetDlgItemText(IDC_MTM_TN2, r.receiver);
    GetDlgItemText(IDC_MTM_LIST, list);
    GetDlgItemText(IDC_MTM_KBK1, kbk1);
    GetDlgItemText(IDC_MTM_KBK2, kbk2);
    for (CString* text : {&date, &r.number, &r.icn, &r.sender, &r.receiver})
        text->Trim();
    if (!CheckDateText(IDC_MTM_DATE, date, "Укажите Дату", r.date)
        || !RequireText(IDC_NUMBER, r.number, "Укажите № документа")
        || !RequireText(IDC_MTM_ICN, r.icn, "Укажите наименование документа")
        || !RequireText(IDC_SET_TN, r.sender, "Укажите Отправителя")
        || !RequireText(IDC_MTM_TN2, r.receiver, "Укажите Получателя"))
        return FALSE;
    // A personnel number reaches SQL only as a whole number of an employee.
    const std::pair<UINT, const CString*> persons[] = {{IDC_SET_TN, &r.sender}, {IDC_MTM_TN2, &r.receiver}};
    for (const auto& [field, tn] : persons) {
        if (!IsIdText(*tn) || !TnOk(*tn)) {
            AfxMessageBox("Нет такого МОЛ");
            FocusField(field, TRUE);
            return FALSE;
        }
    }
    if (!CheckBranch(IDC_FIL, r.senderBranch) || !CheckBranch(IDC_MTM_FIL2, r.receiverBranch)
        || !CheckList(IDC_MTM_LIST, list, m_kind.listFault, r.items)
        || !CheckList(IDC_MTM_KBK1, kbk1, "Укажите КБК отправителя через запятую", r.senderKbks))
        return FALSE;
    if (!IdListText(kbk2, r.receiverKbk) || r.receiverKbk.Find(',') >= 0) {
        AfxMessageBox("Укажите один КБК получателя");
        FocusField(IDC_MTM_KBK2, TRUE);
        return FALSE;
    }
    m_record = r;
    return TRUE;
}

void CMolTransferView::RememberDefaults()
{
    AfxGetApp()->WriteProfileInt(kConstants, "select_fil", m_record.senderBranch);
}

void CMolTransferView::OnSaveDeclined()
{
    FocusField(IDC_MTM_DATE, TRUE);
}

// The transfer closes once saved; a sender who held nothing to move is said so.
void CMolTransferView::AfterSave()
{
    MessageBeep(0);
    if (m_record.posted == 0)
        AfxMessageBox("У отправителя нет остатков на дату документа: ничего не перемещено", MB_OK | MB_ICONINFORMATION);
    OnCancel();
    PostOK(1, 1);
}

} // namespace nledmark
