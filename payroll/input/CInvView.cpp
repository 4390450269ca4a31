#include "CInvView.h"

#include "PayrollSql.h"
#include "appcore.h"
#include "gridbase.h"
#include "naddviews.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/NipForm.h"
#include "tariffication/StaffNumbers.h"

#include <iterator>
#include <type_traits>

namespace npaymar {

namespace {

const nvenzol::NipEdit kFields[] = {
    {IDC_TN, EDIT_KIND_PLAIN}, {IDC_INV_GR, EDIT_KIND_PLAIN}, {IDC_INV_D, EDIT_KIND_DATE}};
static_assert(std::size(kFields) == std::extent_v<decltype(CInvView::m_edits)>);

// The row's columns and their fields.
const struct {
    const char* column;
    int field;
} kColumns[] = {{"gr", IDC_INV_GR}, {"ser", IDC_INV_SER}, {"number", IDC_INV_NUMBER}, {"d", IDC_INV_D}};

bool Blank(const CString& text)
{
    return CString(text).Trim().IsEmpty();
}

} // namespace

IMPLEMENT_DYNCREATE(CInvView, CMyFormView1)

BEGIN_MESSAGE_MAP(CInvView, CMyFormView1)
    ON_BN_CLICKED(IDC_TN_LIST, OnTNListbtn)
    ON_BN_CLICKED(IDOK, OnSaveCommand)
    ON_BN_CLICKED(IDC_REC_DELETE, OnDeleteCommand)
END_MESSAGE_MAP()

CInvView::CInvView() : CMyFormView1(IDR_INV)
{
    nvenzol::SetEditKinds(m_edits, kFields, std::size(kFields));
}

CInvView::~CInvView() = default;

void CInvView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    nvenzol::BindEdits(pDX, m_edits, kFields, std::size(kFields));
}

void CInvView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    appcore::SetFormTitle(this, "Инвалиды");
    ResizeParentToFit(FALSE);
}

void CInvView::OnChangeTn()
{
    CMyFormView1::OnChangeTn();
    CString typed, tn;
    GetDlgItemText(IDC_TN, typed);
    const bool known = nvenzol::CheckedNumber(typed, tn);
    for (const auto& column : kColumns)
        SetDlgItemText(column.field,
                       known ? ExecuteString(FormatText("select %s as str from paymar_inv where tn=%s", column.column,
                                                        tn))
                             : CString());
}

void CInvView::OnTNListbtn()
{
    CExtFuncs::OnTNcmd(this, IDC_TN, EmployeeListSql("paymar_inv"), nullptr, UINT(-1), 0, 1);
}

BOOL CInvView::Save()
{
    CWaitCursor wait;
    auto field = [this](int id) {
        CString text;
        GetDlgItemText(id, text);
        return text;
    };
    CString tn, group;
    if (Blank(field(IDC_TN)))
        return Refuse(IDC_TN, "Укажите табельный №", false);
    if (!nvenzol::CheckedNumber(field(IDC_TN), tn) || !TnOk(tn))
        return Refuse(IDC_TN, "Нет такого работника", true);
    if (Blank(field(IDC_INV_GR)))
        return Refuse(IDC_INV_GR, "Укажите группу", false);
    if (!nvenzol::CheckedNumber(field(IDC_INV_GR), group))
        return Refuse(IDC_INV_GR, "Укажите целое число: Группа инв.", true);
    // A text that is no date is refused, never stored as no date.
    CString date = "NULL";
    if (!Blank(field(IDC_INV_D))) {
        const CString day = DMG(field(IDC_INV_D), 1);
        if (day.IsEmpty())
            return Refuse(IDC_INV_D, "Неверная дата: Дата справки", true);
        date = ChangeDateUS0(day, 0);
    }
    {
        // The row is replaced whole: a failed insert leaves the one stored.
        CDbTransaction save;
        if (!ExecuteSql(FormatText("delete from paymar_inv where tn=%s", tn)) ||
            !ExecuteSql(FormatText("insert into paymar_inv (tn,gr,ser,number,d) values (%s,%s,'%s','%s',%s)", tn,
                                   group, MakeSqlStr(field(IDC_INV_SER)), MakeSqlStr(field(IDC_INV_NUMBER)), date)) ||
            !save.Commit())
            return FALSE;
    }
    if (CWnd* number = GetDlgItem(IDC_TN)) {
        number->SetFocus();
        number->SendMessage(EM_SETSEL, 0, (LPARAM)-1);
    }
    return TRUE;
}

BOOL CInvView::Delete()
{
    CString typed, tn;
    GetDlgItemText(IDC_TN, typed);
    CWnd* number = GetDlgItem(IDC_TN);
    if (Blank(typed)) {
        SetDlgItemText(IDC_TN, "");
        number->SetFocus();
        return FALSE;
    }
    if (!nvenzol::CheckedNumber(typed, tn))
        return Refuse(IDC_TN, "Нет такого работника", true);
    BOOL deleted = FALSE;
    if (AfxMessageBox("Удалить этого работника из списка инвалидов ?", MB_YESNO | MB_ICONQUESTION) == IDYES)
        deleted = ExecuteSql(FormatText("delete from paymar_inv where tn=%s", tn));
    if (deleted)
        SetDlgItemText(IDC_TN, "");
    number->SetFocus();
    return deleted;
}

void CInvView::OnSaveCommand()
{
    Save();
}

void CInvView::OnDeleteCommand()
{
    Delete();
}

} // namespace npaymar
