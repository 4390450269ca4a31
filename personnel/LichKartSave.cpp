// The personal card's save: the fields read and checked, the personnel number
// decided, the employee's rows written, the photo copied into the photo folder
// and the card loaded again from what was stored. Every question is asked
// before the rows are written, and every message after.
#include "CLichKartView.h"

#include "LichKartRecord.h"
#include "NipForm.h"
#include "PhotoStore.h"
#include "StaffNumbers.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nperso {

namespace {

bool Blank(const CString& text)
{
    return text.ToQString().trimmed().isEmpty();
}

const CardColumn* ColumnOf(const char* name)
{
    for (const CardColumn& column : CardColumns())
        if (CString(column.name) == name)
            return &column;
    return nullptr;
}

// A code of a book, when given, must be one of its entries.
struct BookCheck {
    const char* column;
    const char* table;
    bool required;
    const char* emptyMessage;
    const char* unknownMessage;
};

const BookCheck kPosition{"dol", "ssv", true, "Укажите основную должность", "Нет такой должности"};
const BookCheck kDepartment{"prd", "spr_prd", true, "Укажите цех затрат", "Нет такого подразделения"};
const BookCheck kOptionalBooks[] = {
    {"NN", "nash", false, nullptr, "Нет такой национальности"},
    {"OB", "ob", false, nullptr, "Нет такого образования"},
    {"SPL", "spl", false, nullptr, "Нет такого семейного положения"},
};

} // namespace

void CLichKartView::ReadCard(CardRecord& record)
{
    UpdateData(TRUE);
    record.mainPlace = m_nMainPlace;
    for (const CardColumn& column : CardColumns()) {
        if (column.value == CardValue::Sex)
            record.texts[column.name] = m_strSex;
        else if (column.control && column.value != CardValue::Flag)
            record.texts[column.name] = Field(column.control);
    }
}

bool CLichKartView::Refuse(const char* message, int field, bool select)
{
    return nvenzol::RefuseField(this, message, field, select);
}

bool CLichKartView::CheckCard(CardRecord& record)
{
    auto check = [&](const BookCheck& book) {
        const CString code = record.Text(book.column);
        const int field = ColumnOf(book.column)->control;
        if (Blank(code))
            return !book.required || Refuse(book.emptyMessage, field, false);
        return SprOk(book.table, code) || Refuse(book.unknownMessage, field, true);
    };
    if (Blank(record.Text("f")))
        return Refuse("Укажите Фамилию", IDC_LK_F, false);
    if (Blank(record.Text("i")))
        return Refuse("Укажите имя", IDC_LK_I, false);
    if (!check(kPosition) || !check(kDepartment))
        return false;
    if (Blank(record.Text("DAreg")))
        return Refuse("Укажите код региона", IDC_DAREG, false);
    const CString street = record.Text("DAyl");
    if (!Blank(street) && !IsStreetElement(StreetElement(street)))
        return Refuse("Укажите элемент адреса", IDC_LK_DAYL, false);
    for (const BookCheck& book : kOptionalBooks)
        if (!check(book))
            return false;
    return CheckDates(record) && CheckNumbers(record);
}

// Every date of the card becomes dd.mm.yyyy; a text that is no date is
// refused rather than stored as no date.
bool CLichKartView::CheckDates(CardRecord& record)
{
    for (const CardColumn& column : CardColumns()) {
        if (column.value != CardValue::Date)
            continue;
        CString& text = record.texts[column.name];
        const CString date = DMG(text, 1, 0);
        if (date.IsEmpty() && !Blank(text))
            return Refuse("Неверная дата: " + CString(column.label), column.control, true);
        text = date;
    }
    return true;
}

// Codes and counts are whole numbers.
bool CLichKartView::CheckNumbers(const CardRecord& record)
{
    for (const CardColumn& column : CardColumns()) {
        CString sql;
        if ((column.value == CardValue::Code || column.value == CardValue::Number) && !CardSqlValue(column, record, sql))
            return Refuse("Укажите целое число: " + CString(column.label), column.control, true);
    }
    return true;
}

void CLichKartView::OnOK()
{
    CWaitCursor wait;
    CString typed = Field(IDC_TN);
    CardRecord record;
    ReadCard(record);
    if (!CheckCard(record))
        return;
    CString tn;
    if (!Blank(typed) && !nvenzol::CheckedNumber(typed, tn)) {
        Refuse("Табельный номер должен быть целым числом", IDC_TN, true);
        return;
    }
    const bool exists = !tn.IsEmpty() && ExecuteCount("select count(tn) as cnt from tn where tn=" + tn) > 0;
    CString replaced;
    if (!tn.IsEmpty() && !exists && ExecuteCount("select max(tn) as cnt from tn") < atoll(tn)) {
        // Numbers above the last are the database's to give.
        replaced = tn;
        tn.Empty();
    }
    const char* question = exists ? "Записать изменения ? " : "Добавить нового работника ? ";
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    switch (WriteCard(record, tn, exists)) {
    case CardWrite::Failed:
        return;
    case CardWrite::Gone:
        AfxMessageBox("Работник не найден в базе данных: его удалил другой пользователь.", MB_OK | MB_ICONSTOP);
        return;
    case CardWrite::Written:
        break;
    }
    if (!replaced.IsEmpty())
        AfxMessageBox(FormatText("Табельный № %s больше последнего: новому работнику присвоен табельный № %s",
                                 replaced, tn));
    SavePhoto(tn);
    ShowNumber(tn);
}

// The photo copied into the photo folder and its path written; a card without
// a photo writes none. A photo that is not stored leaves the path as it was.
void CLichKartView::SavePhoto(const CString& tn)
{
    CString destination;
    if (!m_strPhotoPath.IsEmpty() && !StorePhoto(m_strPhotoPath, tn, destination))
        return;
    ExecuteSql(FormatText("update tn set image_path=%s where tn=%s", NullStr(destination), tn));
}

// The number written into 112 loads the card again, the same number too.
void CLichKartView::ShowNumber(const CString& tn)
{
    CWnd* field = GetDlgItem(IDC_TN);
    if (!field)
        return;
    field->SetFocus();
    if (Field(IDC_TN) == tn)
        OnChangeTn();
    else
        SetDlgItemText(IDC_TN, tn);
    field->SendMessage(EM_SETSEL, 0, LPARAM(-1));
    field->SendMessage(EM_SCROLLCARET, 0, 0);
}

} // namespace nperso
