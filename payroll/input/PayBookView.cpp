#include "PayBookView.h"

#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "tariffication/StaffNumbers.h"

namespace npaymar {

IMPLEMENT_DYNAMIC(CPayBookView, CMyFormView1)

BEGIN_MESSAGE_MAP(CPayBookView, CMyFormView1)
    ON_BN_CLICKED(IDOK, OnSave)
END_MESSAGE_MAP()

CPayBookView::CPayBookView(UINT dialog, const char* title, int codeField)
    : CMyFormView1(dialog), m_codeField(codeField), m_title(title)
{
}

CPayBookView::~CPayBookView() = default;

void CPayBookView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    ResizeParentToFit(FALSE);
    appcore::SetFormTitle(this, m_title);
    FirstLoad();
}

void CPayBookView::OnSave()
{
    if (!CheckEntry())
        return;
    if (AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    CWaitCursor wait;
    if (!WriteEntry())
        return;
    AfterWrite();
}

void CPayBookView::AfterWrite()
{
    if (CWnd* code = GetDlgItem(m_codeField)) {
        code->SetFocus();
        code->SendMessage(EM_SETSEL, 0, LPARAM(-1));
    }
}

void CPayBookView::Guarded(const char* className, const std::function<void()>& load)
{
    try {
        load();
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxMessageBox(FormatText("*** Unhandled Exception from %s***", className));
    }
}

CString CPayBookView::FieldText(int id) const
{
    CString text;
    GetDlgItemText(id, text);
    return text;
}

bool CPayBookView::CheckBookCode(int field, const char* book, const char* empty, const char* unknown)
{
    const CString typed = FieldText(field);
    CString code;
    if (IsBlank(typed))
        return Refuse(field, empty, false);
    if (!nvenzol::CheckedNumber(typed, code) || !SprOk(book, code))
        return Refuse(field, unknown, true);
    return true;
}

bool IsBlank(const CString& text)
{
    return text.ToQString().trimmed().isEmpty();
}

void CPayBookView::LoadPayCodes(CderivedCheckListBox& list, const char* book, const char* members, const char* owner,
                                const char* member, const CString& code)
{
    list.ResetContent();
    CString number;
    if (!nvenzol::CheckedNumber(code, number) || !SprOk(book, number))
        return;
    // In code order, so the list reads the same on every server.
    _RecordsetPtr rows = GetConnection()->Execute(_bstr_t("select id,name from spr_vou order by id"), nullptr,
                                                  adCmdText);
    for (; !rows->GetadoEOF(); rows->MoveNext()) {
        const long id = atol(SafeArayToString(rows->GetCollect("id")));
        CString line;
        line.Format("% 4d   %s", int(id), (LPCTSTR)SafeArayToString(rows->GetCollect("name")));
        const int index = list.AddString(line);
        list.SetItemData(index, DWORD_PTR(id));
    }
    _RecordsetPtr ticked = GetConnection()->Execute(
        _bstr_t(FormatText("select %s from %s where %s=%s", member, members, owner, number)), nullptr, adCmdText);
    for (; !ticked->GetadoEOF(); ticked->MoveNext()) {
        const long id = atol(SafeArayToString(ticked->GetCollect(member)));
        for (int i = 0; i < list.GetCount(); ++i)
            if (long(list.GetItemData(i)) == id)
                list.SetCheck(i, 1);
    }
}

std::vector<long> CPayBookView::TickedPayCodes(CderivedCheckListBox& list)
{
    std::vector<long> codes;
    for (int i = 0; i < list.GetCount(); ++i)
        if (list.GetCheck(i))
            codes.push_back(long(list.GetItemData(i)));
    return codes;
}

bool WritePayCodes(const char* members, const char* owner, const char* member, const CString& code,
                   const std::vector<long>& codes)
{
    if (!ExecuteSql(FormatText("delete from %s where %s=%s", members, owner, code)))
        return false;
    for (long id : codes)
        if (!ExecuteSql(FormatText("insert into %s (%s,%s) values (%s,%d)", members, owner, member, code, int(id))))
            return false;
    return true;
}

} // namespace npaymar
