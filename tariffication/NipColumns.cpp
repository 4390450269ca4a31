#include "NipColumns.h"

#include "res/resource.h"

namespace nvenzol {

namespace {

// The appointment columns, as both forms have them; the order number is
// written '' when empty by the personnel form, NULL by the tariffication form.
std::vector<NipColumn> Appointment(NipValue orderNumber)
{
    return {
        {"tn", IDC_TN, NipValue::Key, "Табельный №"},
        {"npp", IDC_NPP, NipValue::Key, "н/п"},
        {"st", IDC_NIP_ST, NipValue::Rates, "Количество ставок"},
        {"kpr", IDC_VID_PRIK, NipValue::Code, "Вид приказа"},
        {"d1", IDC_NIP_D1, NipValue::Date, "дата начала"},
        {"d2", IDC_NIP_D2, NipValue::Date, "дата окончания"},
        {"prd", IDC_PRD, NipValue::Code, "Подразделение"},
        {"kat", IDC_KAT, NipValue::Code, "Категория"},
        {"dol", IDC_DOL, NipValue::Code, "Должность"},
        {"noprik", IDC_NIP_NOPRIK, orderNumber, "№ приказа"},
        {"Dprik", IDC_NIP_DPRIK, NipValue::Date, "дата приказа"},
    };
}

NipColumnSet PersoSet()
{
    NipColumnSet set;
    set.columns = Appointment(NipValue::Text);
    return set;
}

NipColumnSet VenzSet()
{
    NipColumnSet set;
    set.formType = true;
    set.columns = {
        {"plus_kat", IDC_VENZ_PLUS_KAT, NipValue::Number, "Надбавка за категорию %"},
        {"plus_uch_st", IDC_VENZ_PLUS_UCH_ST, NipValue::Number, "За ученую степень %"},
        {"plus_zv", IDC_VENZ_PLUS_ZV, NipValue::Number, "Почетное звание %"},
        {"plus_dopl", IDC_VENZ_PLUS_DOPL, NipValue::Number, "Доплата к окладу %"},
        {"plus_opas", IDC_VENZ_PLUS_OPAS, NipValue::Number, "Опасные условия %"},
        {"okl", IDC_VENZ_OKL, NipValue::Number, "Оклад"},
        {"zasRAB", IDC_VENZ_ZAS_RAB, NipValue::Number, "Засл.раб.РФ %"},
        {"zasVR", IDC_VENZ_ZAS_VR, NipValue::Number, "Засл.врач.РФ %"},
    };
    for (const NipColumn& column : Appointment(NipValue::NullText))
        set.columns.push_back(column);
    const NipColumn pay[] = {
        {"vf", IDC_VENZ_VF, NipValue::Code, "Вид формы"},
        {"raz1", IDC_VENZ_RAZ1, NipValue::Number, "Увеличение разряда: кв.кат."},
        {"raz2", IDC_VENZ_RAZ2, NipValue::Number, "Увеличение разряда: уч.ст."},
        {"raz3", IDC_VENZ_RAZ3, NipValue::Number, "Увеличение разряда: уч.зв."},
        {"date_kat", IDC_VENZ_DATE_KAT, NipValue::Date, "дата присвоения категории"},
        {"no_kat", IDC_VENZ_NO_KAT, NipValue::NullText, "Номер"},
        {"pr_rab", IDC_VENZ_PR_RAB, NipValue::Number, "Процент уменьшения оклада"},
        {"pr_zv", IDC_VENZ_PR_ZV, NipValue::Number, "Надбавка за классность в %"},
        {"uch", IDC_VENZ_UCH, NipValue::Flag, "Участковый врач"},
        {"kof", IDC_VENZ_KOF, NipValue::Number, "Коэф-нт"},
        {"uch_vred", IDC_VENZ_UCH_VRED, NipValue::Flag, "Не уч-вать вредн.для стажа"},
        {"UchStaj", IDC_VENZ_UCH_STAJ, NipValue::Flag, "Не учитывать стаж"},
        {"premiya", IDC_VENZ_PREMIYA, NipValue::Number, "Премия %"},
    };
    set.columns.insert(set.columns.end(), std::begin(pay), std::end(pay));
    return set;
}

} // namespace

const NipColumnSet& PersoNipColumns()
{
    static const NipColumnSet set = PersoSet();
    return set;
}

const NipColumnSet& VenzNipColumns()
{
    static const NipColumnSet set = VenzSet();
    return set;
}

} // namespace nvenzol
