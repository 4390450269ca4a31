// The save of the pay record: the checks in their order, the question, the
// write and the warning about an employee left without a main row.
#include "CBookView.h"

#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/NipForm.h"
#include "tariffication/StaffNumbers.h"

#include <algorithm>

namespace npaymar {

namespace {

struct BookField {
    int field;
    const char* empty;
    const char* table;
    const char* unknown;
};

const BookField kEmployeeBooks[] = {
    {IDC_PAY_PRD, "Укажите цех затрат", "spr_prd", "Нет такого подразделения"},
    {IDC_PAY_KAT, "Укажите категорию", "spr_paymar_kat", "Нет такой категории"},
    {IDC_NV, "Укажите основную ведомость", "nv", "Нет такой ведомости"},
};
const BookField kOrder{IDC_PRIKAZ, "Укажите код приказа", "spr_paymar_prikaz", "Нет такого кода приказа"};
const BookField kDepartment{IDC_PAY_PRD1, "Укажите подразделение", "spr_prd", "Нет такого подразделения"};
const BookField kPosition{IDC_DOL, "Укажите должность", "spr_paymar_dol", "Нет такой должности"};
const BookField kCategory{IDC_PAY_KAT1, "Укажите категорию", "spr_paymar_kat", "Нет такой категории"};
const BookField kPayCode{IDC_VOU, "Укажите код оплат удержаний", "spr_vou", "Нет такого кода оплат удержаний"};
const BookField kCalendar{IDC_KL, "Укажите код календаря", "spr_kl", "Нет такого календаря"};

// The highest pay code of an accrual: a position row's basic pay is one.
constexpr long kLastAccrual = 200;

bool Blank(const CString& text)
{
    return CString(text).Trim().IsEmpty();
}

CString Quoted(const CString& text)
{
    return "'" + MakeSqlStr(text) + "'";
}

} // namespace

BOOL CBookView::CheckFields(BookRecord& r)
{
    auto field = [this](int id) {
        CString text;
        GetDlgItemText(id, text);
        return text;
    };
    // A code of its book, as a whole number.
    auto code = [&](const BookField& book, CString& literal) {
        const CString text = field(book.field);
        if (Blank(text))
            return Refuse(book.field, book.empty, false) != 0;
        if (!SprOk(book.table, text) || !nvenzol::CheckedNumber(text, literal))
            return Refuse(book.field, book.unknown, true) != 0;
        return true;
    };
    // A date, required when `empty` says what to ask for; a text that is no
    // date is refused with the field's name, never stored as no date.
    auto date = [&](int id, const char* empty, const char* label, CString& literal) {
        const CString text = field(id);
        if (Blank(text)) {
            literal = "NULL";
            return !empty || Refuse(id, empty, false) != 0;
        }
        const CString day = DMG(text, 1);
        if (day.IsEmpty())
            return Refuse(id, "Неверная дата: " + CString(label), true) != 0;
        literal = ChangeDateUS0(day, 0);
        return true;
    };
    // A whole number or nothing.
    auto whole = [&](int id, const char* label, CString& literal) {
        const CString text = field(id);
        CString number;
        if (!Blank(text) && !nvenzol::CheckedNumber(text, number))
            return Refuse(id, "Укажите целое число: " + CString(label), true) != 0;
        literal = number.IsEmpty() ? CString("NULL") : number;
        return true;
    };

    const CString typedTn = field(IDC_TN);
    if (Blank(typedTn))
        return Refuse(IDC_TN, "Укажите табельный №", false);
    if (!nvenzol::CheckedNumber(typedTn, r.tn) || !TnOk(r.tn))
        return Refuse(IDC_TN, "Нет такого работника", true);
    if (!date(IDC_BOOK_NSR, "Укажите дату начала медицинского стажа", "Медицинский стаж с", r.nsr) ||
        !date(IDC_BOOK_DU, nullptr, "Дата увольнения", r.du))
        return FALSE;
    CString* const employeeCodes[] = {&r.prd, &r.kat, &r.nv};
    for (size_t i = 0; i < std::size(kEmployeeBooks); ++i)
        if (!code(kEmployeeBooks[i], *employeeCodes[i]))
            return FALSE;
    if (!code(kOrder, r.kpz) || !code(kDepartment, r.rowPrd) || !code(kPosition, r.dol) ||
        !code(kCategory, r.rowKat) || !code(kPayCode, r.kou))
        return FALSE;
    if (atol(r.kou) > kLastAccrual)
        return Refuse(IDC_VOU, "Код оплат удержаний должен быть меньше 200", true);
    if (!code(kCalendar, r.kl) || !date(IDC_PAY_D1, "Укажите дату начала", "Дата работы с", r.d1) ||
        !date(IDC_PAY_D2, nullptr, "Дата работы по", r.d2))
        return FALSE;
    // Typed values the table keeps as dates and whole numbers: a text that is
    // none of them is refused rather than stored as nothing.
    if (!date(IDC_BOOK_DPRIK, nullptr, "Дата приказа", r.dprik) || !whole(IDC_BOOK_STJ, "Допл.за стаж", r.stj) ||
        !whole(IDC_BOOK_PLAV, "Плановый аванс", r.plav))
        return FALSE;
    const CString typedNpp = field(IDC_NPP);
    if (!Blank(typedNpp) && !nvenzol::CheckedNumber(typedNpp, r.npp))
        return Refuse(IDC_NPP, "Укажите целое число: н/п", true);
    r.inn = Quoted(field(IDC_BOOK_INN));
    r.sno = Quoted(field(IDC_BOOK_SNO));
    r.nprik = NullStr(field(IDC_BOOK_NPRIK));
    r.prof = IsDlgButtonChecked(IDC_BOOK_PROF) == BST_CHECKED ? 1 : 0;
    r.osn = IsDlgButtonChecked(IDC_BOOK_OSN) == BST_CHECKED ? 1 : 0;
    r.staj = std::max(0, m_staj.GetCurSel());
    return TRUE;
}

BOOL CBookView::Save()
{
    BookRecord record;
    if (!CheckFields(record))
        return FALSE;
    const bool stored =
        !record.npp.IsEmpty() &&
        ExecuteCount(FormatText("select count(npp) as cnt from paymar_bux where tn=%s and npp=%s", record.tn,
                                record.npp)) > 0;
    // Asked before the save takes its locks.
    if (AfxMessageBox(stored ? "Записать изменения ?" : "Добавить новую запись ?", MB_YESNO | MB_ICONQUESTION) !=
        IDYES)
        return FALSE;
    CString npp;
    {
        CWaitCursor wait;
        if (!WriteBookRecord(record, npp))
            return FALSE;
    }
    if (MainRowCount(record.tn) == 0)
        AfxMessageBox("ВНИМАНИЕ !!!\nУ табельного номера " + record.tn + " не указана основная должность");
    nvenzol::SetKeyText(this, IDC_NPP, npp);
    if (CWnd* tn = GetDlgItem(IDC_TN)) {
        tn->SetFocus();
        tn->SendMessage(EM_SETSEL, 0, (LPARAM)-1);
    }
    return TRUE;
}

} // namespace npaymar
