#include "NipForm.h"

#include "StaffNumbers.h"
#include "StaffSql.h"
#include "dlgkit.h"
#include "gridbase.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/StaffFormIds.h"

namespace nvenzol {

namespace {

CString FieldText(CWnd* form, int id)
{
    CString text;
    form->GetDlgItemText(id, text);
    return text;
}

bool Blank(const CString& text)
{
    return text.ToQString().trimmed().isEmpty();
}

const NipColumn* Find(const NipColumnSet& set, const char* name)
{
    for (const NipColumn& column : set.columns)
        if (CString(column.name) == name)
            return &column;
    return nullptr;
}

// A code of a reference book the assignment must name.
struct BookCheck {
    const char* column;
    const char* table;
    const char* emptyMessage;
    const char* unknownMessage;
};

const BookCheck kBooks[] = {
    {"kpr", "spr_paymar_prikaz", "Укажите вид приказа", "Нет такого вида приказа"},
    {"prd", "spr_prd", "Укажите подразделение", "Нет такого подразделения"},
    {"kat", "spr_paymar_kat", "Укажите категорию", "Нет такой категории"},
    {"dol", "ssv", "Укажите должность", "Нет такой должности"},
};
const BookCheck kFormType{"vf", "spr_venz_vf", "Укажите вид формы", "Нет такого вида формы"};

NipRecord Read(CWnd* form, const NipColumnSet& set)
{
    NipRecord record;
    for (const NipColumn& column : set.columns)
        record[column.name] = column.value == NipValue::Flag ? CString(form->IsDlgButtonChecked(column.control) ? "1" : "0")
                                                           : FieldText(form, column.control);
    return record;
}

BOOL CheckBook(CWnd* form, const NipColumnSet& set, const NipRecord& record, const BookCheck& book)
{
    const NipColumn* column = Find(set, book.column);
    const CString code = record.at(book.column);
    if (Blank(code))
        return RefuseField(form, book.emptyMessage, column->control, false);
    return SprOk(book.table, code) || RefuseField(form, book.unknownMessage, column->control, true);
}

// A given date made dd.mm.yyyy in the record and the field; a text that is no
// date is refused.
BOOL NormaliseDate(CWnd* form, const NipColumn& column, NipRecord& record)
{
    CString& text = record[column.name];
    if (Blank(text)) {
        text.Empty();
        return TRUE;
    }
    const CString date = DMG(text, 1, 0);
    if (date.IsEmpty())
        return RefuseField(form, "Неверная " + CString(column.label), column.control, true);
    text = date;
    form->SetDlgItemText(column.control, date);
    return TRUE;
}

// The first day is required and not after the last; every other date, when
// given, is a date.
BOOL CheckDates(CWnd* form, const NipColumnSet& set, NipRecord& record)
{
    const NipColumn* start = Find(set, "d1");
    if (Blank(record["d1"]))
        return RefuseField(form, "Укажите дату начала", start->control, false);
    if (!NormaliseDate(form, *start, record) || !NormaliseDate(form, *Find(set, "d2"), record))
        return FALSE;
    if (!record["d2"].IsEmpty() && qwDMG(record["d2"], 1) < qwDMG(record["d1"], 1))
        return RefuseField(form, "Дата начала должна предшествовать дате окончания", start->control, false);
    for (const NipColumn& column : set.columns)
        if (column.value == NipValue::Date && CString(column.name) != "d1" && CString(column.name) != "d2"
            && !NormaliseDate(form, column, record))
            return FALSE;
    return TRUE;
}

// Numbers take "," or "."; a text that is no number is refused naming the field.
BOOL CheckNumbers(CWnd* form, const NipColumnSet& set, const NipRecord& record)
{
    for (const NipColumn& column : set.columns) {
        if (column.value != NipValue::Number && column.value != NipValue::Rates)
            continue;
        const CString text = record.at(column.name);
        QString number;
        if (!Blank(text) && !NormalizeNumberText(text.ToQString(), number))
            return RefuseField(form, "Укажите число: " + CString(column.label), column.control, true);
    }
    return TRUE;
}

BOOL CheckNip(CWnd* form, const NipColumnSet& set, NipRecord& record)
{
    const CString tn = record["tn"];
    if (Blank(tn))
        return RefuseField(form, "Укажите табельный номер", IDC_TN, false);
    if (!TnOk(tn))
        return RefuseField(form, "Нет такого табельного номера", IDC_TN, true);
    for (const BookCheck& book : kBooks)
        if (!CheckBook(form, set, record, book))
            return FALSE;
    if (set.formType && !CheckBook(form, set, record, kFormType))
        return FALSE;
    if (!CheckDates(form, set, record) || !CheckNumbers(form, set, record))
        return FALSE;
    CString npp;
    if (!Blank(record["npp"]) && !CheckedNumber(record["npp"], npp))
        return RefuseField(form, "Номер записи должен быть целым числом", IDC_NPP, true);
    return TRUE;
}

enum class Written { Yes, Failed, Gone };

// The row added, or changed after its lock was taken: a row another user
// deleted meanwhile is not written again.
Written Write(const NipColumnSet& set, const NipRecord& record, bool exists)
{
    CDbTransaction save;
    if (exists) {
        const CString lock = NipLockSql(record.at("tn"), record.at("npp"));
        const long long held = lock.IsEmpty() ? 0 : ExecuteCount(lock);
        if (!save.IsUsable() || lock.IsEmpty())
            return Written::Failed;
        if (held <= 0)
            return Written::Gone;
    }
    const CString sql = exists ? NipUpdateSql(set, record) : NipInsertSql(set, record);
    if (sql.IsEmpty() || !ExecuteSql(sql))
        return Written::Failed;
    return save.Commit() ? Written::Yes : Written::Failed;
}

} // namespace

void SetEditKinds(CderivedEdit* edits, const NipEdit* fields, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        edits[i].SetType(fields[i].kind);
}

void BindEdits(CDataExchange* pDX, CderivedEdit* edits, const NipEdit* fields, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        DDX_Control(pDX, fields[i].id, edits[i]);
}

void SetKeyText(CWnd* form, int id, const CString& text)
{
    CWnd* field = form->GetDlgItem(id);
    if (!field)
        return;
    CString held;
    field->GetWindowText(held);
    if (held == text)
        form->SendMessage(WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), LPARAM(field->GetSafeHwnd()));
    else
        field->SetWindowText(text);
}

BOOL RefuseField(CWnd* form, const char* message, int field, bool select)
{
    AfxMessageBox(message);
    if (CWnd* control = form->GetDlgItem(field)) {
        control->SetFocus();
        if (select) {
            control->SendMessage(EM_SETSEL, 0, LPARAM(-1));
            control->SendMessage(EM_SCROLLCARET, 0, 0);
        }
    }
    return FALSE;
}

void ProposeCurrentNip(CWnd* form)
{
    const CString tn = FieldText(form, IDC_TN);
    CString npp;
    if (!Blank(tn)) {
        const CString sql = FirstCurrentNipSql(tn, GetOtpD1(g_lYear, g_lMonth), false);
        if (!sql.IsEmpty())
            npp = ExecuteString(sql);
    }
    SetKeyText(form, IDC_NPP, npp);
}

void LoadNip(CWnd* form, const NipColumnSet& set)
{
    CString tn, npp;
    const bool keyed = CheckedNumber(FieldText(form, IDC_TN), tn) && CheckedNumber(FieldText(form, IDC_NPP), npp);
    for (const NipColumn& column : set.columns) {
        if (column.value == NipValue::Key)
            continue;
        const CString sql = keyed ? NipColumnSql(column.name, tn, npp) : CString();
        if (column.value == NipValue::Flag)
            form->CheckDlgButton(column.control, !sql.IsEmpty() && ExecuteCount(sql) != 0 ? 1 : 0);
        else
            form->SetDlgItemText(column.control, sql.IsEmpty() ? CString() : ExecuteString(sql));
    }
}

BOOL SaveNip(CWnd* form, const NipColumnSet& set)
{
    CWaitCursor wait;
    NipRecord record = Read(form, set);
    if (!CheckNip(form, set, record))
        return FALSE;
    CString npp;
    bool exists = false;
    if (CheckedNumber(record["npp"], npp)) {
        exists = ExecuteCount(NipCountSql(record["tn"], npp)) > 0;
    } else {
        npp = ExecuteString(NipNextNumberSql(record["tn"]));
        if (npp.IsEmpty())
            return FALSE;
    }
    record["npp"] = npp;
    const char* question = exists ? "Записать изменения ? " : "Добавить новую запись ? ";
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDNO)
        return FALSE;
    switch (Write(set, record, exists)) {
    case Written::Failed:
        return FALSE;
    case Written::Gone:
        AfxMessageBox("Запись не найдена в базе данных: её удалил другой пользователь.", MB_OK | MB_ICONSTOP);
        return FALSE;
    case Written::Yes:
        break;
    }
    SetKeyText(form, IDC_NPP, npp);
    return TRUE;
}

} // namespace nvenzol
