#include "BranchLists.h"
#include "SqlText.h"
#include <ndbcore.h>

namespace {

// A comma-separated list of whole numbers, written back as checked SQL text;
// false when an item is not a number.
bool CheckedIdList(const CString& list, CString& sql)
{
    sql.Empty();
    int start = 0;
    while (start <= list.GetLength()) {
        int comma = list.Find(',', start);
        CString item = (comma < 0 ? list.Mid(start) : list.Mid(start, comma - start)).Trim();
        bool ok = !item.IsEmpty();
        for (int i = 0; ok && i < item.GetLength(); ++i)
            ok = (item[i] >= '0' && item[i] <= '9') || (i == 0 && item[i] == '-' && item.GetLength() > 1);
        if (!ok)
            return false;
        if (!sql.IsEmpty())
            sql += ',';
        sql += item;
        if (comma < 0)
            break;
        start = comma + 1;
    }
    return true;
}

CString FieldText(const _RecordsetPtr& rs, const char* name)
{
    _variant_t value = rs->GetCollect(name);
    return value.vt == VT_NULL || value.vt == VT_EMPTY ? CString() : CString((const char*)_bstr_t(value));
}

// Adds one item per row of `sql` (text `name`, item data `id`) and selects the
// item whose id is `selected`. Reports a failure and answers false.
bool AddRows(CComboBox* combo, const char* sql, int selected, int& count)
{
    count = 0;
    try {
        _RecordsetPtr rs;
        rs.CreateInstance(__uuidof(Recordset));
        rs->Open(sql, GetConnection().GetInterfacePtr(), adOpenForwardOnly, adLockReadOnly, adCmdText);
        for (; !rs->adoEOF; rs->MoveNext()) {
            long id = long(rs->GetCollect("id"));
            int item = combo->AddString(FieldText(rs, "name"));
            combo->SetItemData(item, DWORD_PTR(LONG_PTR(id)));
            if (id == selected)
                combo->SetCurSel(item);
            ++count;
        }
        rs->Close();
        return true;
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxReportCurrentException("FillFils");
    }
    return false;
}

} // namespace

int ChosenFil(CComboBox* combo)
{
    const int sel = combo ? combo->GetCurSel() : -1;
    return sel < 0 ? -2 : (int)combo->GetItemData(sel);
}

int FillFils(CWnd* parent, int comboId, int selected, int withAll)
{
    auto* combo = static_cast<CComboBox*>(parent->GetDlgItem(comboId));
    if (!combo)
        return 0;
    combo->ResetContent();
    if (withAll) {
        int all = combo->AddString("Все");
        combo->SetItemData(all, DWORD_PTR(LONG_PTR(-2)));
        if (selected < 1)
            combo->SetCurSel(all);
    }
    int count = 0;
    if (!AddRows(combo, "select * from spr_fil order by id", selected, count))
        return 0;
    if (count == 1) {
        if (withAll)
            combo->DeleteString(0);
        combo->SetCurSel(0);
        combo->ShowWindow(SW_HIDE);
    }
    return 1;
}

void FillFilsEx(CWnd* parent, int editId, int labelId, int buttonId, const char* text)
{
    if (ExecuteCount("select count(*) as cnt from spr_fil") == 1) {
        for (int id : {editId, labelId, buttonId})
            if (CWnd* control = parent->GetDlgItem(id))
                control->ShowWindow(SW_HIDE);
    }
    if (CWnd* edit = parent->GetDlgItem(editId))
        edit->SetWindowText(text ? text : "");
}

int FilIF(CComboBox* combo, int selected)
{
    combo->ResetContent();
    int count = 0;
    return AddRows(combo, "select * from spr_if order by id", selected, count) ? 1 : 0;
}

CString GetFilName(const char* ids)
{
    CString list(ids ? ids : "");
    list.Trim();
    if (list.IsEmpty())
        return GetConstant("ORG_NAME", 0);
    // The list reaches SQL only as checked numbers.
    CString sql;
    if (!CheckedIdList(list, sql))
        return "";
    CString names;
    try {
        _RecordsetPtr rs;
        rs.CreateInstance(__uuidof(Recordset));
        rs->Open((const char*)("select name from spr_fil where id in (" + sql + ")"), GetConnection().GetInterfacePtr(),
                 adOpenForwardOnly, adLockReadOnly, adCmdText);
        for (; !rs->adoEOF; rs->MoveNext()) {
            if (!names.IsEmpty())
                names += ", ";
            names += FieldText(rs, "name");
        }
        rs->Close();
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxReportCurrentException("FillFils");
    }
    return names;
}

CString GL_GetDefLS(const char* account, int branch, const char* current)
{
    if (!account || !*account)
        return "";
    if (current && *current)
        return current;
    CString source = CString(account).Left(1);
    if (source[0] < '0' || source[0] > '9')
        return "";
    CString found = ExecuteString(FormatText("select id as str from spr_ls where fil_id=%d and isf=%s and def=1 "
                                             "order by id desc", branch, source), -1);
    if (found.IsEmpty())
        found = ExecuteString(FormatText("select id as str from spr_ls where fil_id=%d and isf=%s order by id desc",
                                         branch, source), -1);
    return found;
}

CString GetDefDogovor(const char* org, const char* date)
{
    // The contract in force on the date: signed on or before it and not yet
    // ended; the latest signed first. Without a contract the answer is empty, so
    // nothing is posted against a contract that does not exist.
    CString when;
    if (date && *date) {
        CString literal = ChangeDateUS0(date, 0);
        when.Format(" and d<=%s and (sd is null or sd>=%s)", literal, literal);
    }
    return ExecuteString(FormatText("select id as str from spr_dogovora where %s and bFolder=0 and dt_del is null%s "
                                    "order by d desc,id desc", SqlKeyIs("org", org), when), -1);
}

CString GetOrgFromContr(const char* contr)
{
    return ExecuteString(FormatText("select id_tip as str from spr_contr where %s", SqlKeyIs("id", contr)), -1);
}
