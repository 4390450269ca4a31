#include "CSprFilsView.h"

#include "FormTitle.h"
#include "appcore.h"
#include "dlgkit.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CSprFilsView, CderivedFormview)

BEGIN_MESSAGE_MAP(CSprFilsView, CderivedFormview)
    ON_EN_CHANGE(IDC_FIL_CODE, OnCodeChange)
    ON_COMMAND(IDC_FIL_CHOOSE, OnChooseBranch)
    ON_COMMAND(IDOK, OnSave)
END_MESSAGE_MAP()

namespace {

// The fields of a branch and their columns, in the order they are shown.
struct BranchField {
    UINT id;
    const char* column;
};
const BranchField kFields[] = {
    {IDC_FIL_NAME, "name"},   {IDC_FIL_RUK, "ruk"},     {IDC_FIL_RUKDOL, "rukdol"},
    {IDC_FIL_RUK_S, "ruk_s"}, {IDC_FIL_ADRES, "adres"}, {IDC_FIL_KOD_BP, "KOD_BP_PAY"},
};

} // namespace

CSprFilsView::CSprFilsView() : CderivedFormview(IDR_SPR_FILS) {}

CSprFilsView::~CSprFilsView() = default;

void CSprFilsView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIL_CODE, m_editCode);
}

void CSprFilsView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Филиалы");
    ResizeParentToFit(FALSE);
}

CString CSprFilsView::Field(UINT id) const
{
    CString text;
    if (CWnd* control = GetDlgItem(id))
        control->GetWindowText(text);
    return text;
}

void CSprFilsView::FocusCode()
{
    m_editCode.SetFocus0();
}

// Every change of the code shows its branch; a code that is no branch (or no
// number at all, which never reaches SQL) empties the fields for a new one.
void CSprFilsView::OnCodeChange()
{
    const CString code = Field(IDC_FIL_CODE).Trim();
    bool found = false;
    if (IsDigitsOnly(code))
        ForEachRow(FormatText("select name,ruk,rukdol,ruk_s,adres,KOD_BP_PAY from spr_fil where id=%s", code),
                   [&](_RecordsetPtr& rs) {
                       for (const BranchField& f : kFields)
                           SetDlgItemText(f.id, SafeArayToString(rs->GetCollect(f.column)));
                       found = true;
                   });
    if (!found)
        for (const BranchField& f : kFields)
            SetDlgItemText(f.id, "");
}

void CSprFilsView::OnChooseBranch()
{
    CHelpers::GetInSpr("spr_fil", this, IDC_FIL_CODE, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CSprFilsView::OnSave()
{
    const CString code = Field(IDC_FIL_CODE).Trim();
    if (Field(IDC_FIL_NAME).IsEmpty()) {
        AfxMessageBox("Укажите Наименование");
        GetDlgItem(IDC_FIL_NAME)->SetFocus();
        return;
    }
    if (!code.IsEmpty() && !IsDigitsOnly(code)) {
        AfxMessageBox("Код филиала должен быть числом");
        FocusCode();
        return;
    }
    if (AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        FocusCode();
        return;
    }
    if (WriteBranch(code))
        FocusCode();
}

BOOL CSprFilsView::WriteBranch(const CString& code)
{
    const CString name = MakeSqlStr(Field(IDC_FIL_NAME));
    const CString ruk = NullStr(Field(IDC_FIL_RUK)), rukS = NullStr(Field(IDC_FIL_RUK_S));
    const CString rukdol = NullStr(Field(IDC_FIL_RUKDOL)), adres = NullStr(Field(IDC_FIL_ADRES));
    const CString kod = NullStr(Field(IDC_FIL_KOD_BP));
    long newKey = 0;
    {
        CDbTransaction save;
        if (!save.IsUsable())
            return FALSE;
        const bool existing =
            !code.IsEmpty() && ExecuteCount(FormatText("select count(*) as cnt from spr_fil where id=%s", code)) > 0;
        CString sql;
        if (existing) {
            sql = FormatText("update spr_fil set name='%s',ruk=%s,ruk_s=%s,rukdol=%s,adres=%s,KOD_BP_PAY=%s where id=%s",
                             name, ruk, rukS, rukdol, adres, kod, code);
        } else if (code.IsEmpty()) {
            sql = FormatText("insert into spr_fil (name,ruk,ruk_s,rukdol,adres,KOD_BP_PAY) values ('%s',%s,%s,%s,%s,%s)",
                             name, ruk, rukS, rukdol, adres, kod);
        } else {
            sql = FormatText("insert into spr_fil (id,name,ruk,ruk_s,rukdol,adres,KOD_BP_PAY) "
                             "values (%s,'%s',%s,%s,%s,%s,%s)",
                             code, name, ruk, rukS, rukdol, adres, kod);
            // SQL Server writes an explicit key into an identity column only when told to.
            if (CurrentDialect() == SqlDialect::SqlServer)
                sql = "set identity_insert spr_fil on\n" + sql + "\nset identity_insert spr_fil off";
        }
        if (!ExecuteSql(sql))
            return FALSE;
        if (code.IsEmpty())
            newKey = LastInsertId();
        if (!save.Commit())
            return FALSE;
    }
    // A new branch shows the code it got.
    if (newKey > 0)
        SetDlgItemText(IDC_FIL_CODE, utos(newKey));
    return TRUE;
}

} // namespace nledmark
