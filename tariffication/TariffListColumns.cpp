#include "TariffListColumns.h"

namespace nvenzol {

namespace {

using C = TariffCell;

const char* const kPct = "&nbsp;&nbsp;%&nbsp;&nbsp;";
const char* const kRub = "руб.";
const char* const kYears = "лет<br>-<br>мес<br>-<br>дн";

TariffGroup One(const char* caption, C cell)
{
    return {caption, {}, {cell}};
}
TariffGroup Pair(const char* caption, C percent, C amount, bool merged)
{
    return {caption, {kPct, kRub}, {percent, amount}, merged};
}
TariffGroup Seniority(bool merged)
{
    return {"Стаж", {kYears, "%", kRub}, {C::Stext, C::Spct, C::S}, merged};
}
TariffGroup Category()
{
    return {"Кат", {"кат.<br>№", "дата", "№"}, {C::Ktgr, C::DateKat, C::NoKat}};
}

// The classic sets: each increase of the grade under the caption of its
// field in the assignment form (кв.кат. raz1, уч.ст. raz2, the third raz3).
std::vector<TariffGroup> ClassicHead(int tp)
{
    std::vector<TariffGroup> g = {One("Таб<br>№", C::Tab), One("Ф.И.О.", C::Fio), One("Должность", C::Idol)};
    if (tp == 2) {
        g.push_back(One("Кат", C::Ktgr));
        g.push_back(One("Дата<br>присв.", C::DateKat));
        g.push_back(One("№<br>присв.", C::NoKat));
    }
    if (tp <= 2) {
        g.push_back(One("Разр", C::Raz));
        if (tp == 1)
            g.push_back({"Увели-<br>чение<br>разряда", {"кв.<br>кат", "уч.<br>ст."}, {C::Raz1, C::Raz2}});
        else
            g.push_back({"Увели-<br>чение<br>разряда", {"кв.<br>кат", "уч.<br>ст.", "рук.<br>подр."},
                         {C::Raz1, C::Raz2, C::Raz3}});
        g.push_back(One("Ито-<br>го<br>раз-<br>ряд", C::G));
        g.push_back(One("Раз-<br>мер<br>ум-<br>ень-<br>ше-<br>ния", C::Reduction));
    } else {
        g.push_back(One("Разр", C::G));
    }
    g.push_back(One("Коэф.", C::K));
    g.push_back(One("Ста-<br>вка", C::St));
    g.push_back(One("Оклад", C::O));
    g.push_back(Pair("Вре-<br>дно-<br>сть", C::Vr, C::H, false));
    g.push_back(One("Итого<br>Оклад", C::IO));
    g.push_back(Seniority(true));
    if (tp == 4)
        g.push_back(Pair("Допл.<br>за<br>тяж.<br>усл.", C::Zv, C::ZV, true));
    else
        g.push_back(Pair("Засл.<br>работ.<br>РФ.", C::ZasRAB, C::ZR, true));
    if (tp <= 2)
        g.push_back(Pair("Засл.<br>врач<br>РФ.", C::Zv, C::ZV, true));
    g.push_back(Pair("премия", C::Premiya, C::P, true));
    g.push_back(One("Итого", C::TTwo));
    g.push_back(One(tp == 2 ? "Прим." : "Приме-<br>чание", C::Note));
    return g;
}

TariffColumnSet Classic(int tp)
{
    TariffColumnSet set;
    set.groups = ClassicHead(tp);
    set.labelSpan = tp == 1 ? 9 : tp == 2 ? 13 : 5;
    return set;
}

TariffColumnSet New(int tp)
{
    const C b = tp == 2 || tp == 3 ? C::BTwo : C::B;
    std::vector<TariffGroup> g = {One("Таб<br>№", C::Tab), One("Ф.И.О.", C::Fio), One("Должность", C::Idol)};
    if (tp == 3)
        g.push_back(One("Разр", C::G));
    else if (tp == 1)
        g.push_back({"Категория:", {"кат.<br>№", "дата", "№"}, {C::Ktgr, C::DateKat, C::NoKat}});
    else
        g.push_back(Category());
    g.push_back(One("Оклад", b));
    if (tp == 1)
        g.push_back(One("Ум<br>ень-<br>ше<br>ние<br>окл<br>ада<br>в %", C::PrRab));
    g.push_back(One("Ста-<br>вка", C::St));
    g.push_back(One(tp == 1 ? "Итого<br>оклад" : "Оклад", C::O));
    const TariffGroup rural = Pair("Сель-<br>ские", C::RuralPct, C::Rural, false);
    const TariffGroup category = Pair("Надбавка<br>за<br>категорию", C::PlusKat, C::KAT, false);
    if (tp == 2)
        g.push_back(rural);
    if (tp != 3)
        g.push_back(category);
    if (tp == 4)
        g.push_back(rural);
    if (tp <= 2) {
        g.push_back(Pair("наличие<br>ученой<br>степени", C::PlusUchSt, C::UCH, false));
        g.push_back(Pair("почет.<br>звание", C::PlusZv, C::ZVN, false));
    }
    if (tp != 3)
        g.push_back(One(tp == 1 ? "Оклад" : "Итого<br>оклад", C::IO));
    g.push_back(Pair("Опа-<br>сно-<br>сть", C::PlusOpas, C::OP, false));
    g.push_back(Pair("Вре-<br>дно-<br>сть", C::Vr, C::H, false));
    g.push_back(Seniority(false));
    if (tp == 3)
        g.push_back(Pair("Клас-<br>сность", C::Zv, C::ZV, false));
    g.push_back(Pair("Доплата<br>от 3% до 5%", C::PlusDopl, C::DP, false));
    g.push_back(Pair("премия", C::Premiya, C::P, false));
    g.push_back(One("Итого", C::T));
    g.push_back(One("Приме-<br>чание", C::Note));

    TariffColumnSet set;
    set.groups = g;
    const auto upTo = [&set](int from, int to) {
        for (int n = from; n <= to; ++n)
            set.numbering.push_back(std::to_string(n));
    };
    const std::string blank = "&nbsp;";
    switch (tp) {
    case 1:
        set.labelSpan = 8;
        set.numbering = {blank, "1", "2", "3", "3.1", "3.2", "4", "5", blank};
        upTo(6, 22);
        set.numbering.insert(set.numbering.end(), {blank, blank, "23", "24"});
        break;
    case 2:
        set.labelSpan = 7;
        set.numbering = {blank, "1", "2", "3", "3.2", "3.3"};
        upTo(4, 28);
        break;
    case 3:
        set.labelSpan = 5;
        set.numbering = {blank};
        upTo(1, 17);
        set.numbering.insert(set.numbering.end(), {blank, blank, "18", "19"});
        break;
    default:
        set.labelSpan = 7;
        set.numbering = {blank, "1", "2", "3", "3.2", "3.3"};
        upTo(4, 20);
        // The last two columns are numbered in sequence, as in every other set.
        set.numbering.insert(set.numbering.end(), {blank, blank, "21", "22"});
        break;
    }
    return set;
}

} // namespace

const TariffColumnSet* ClassicColumns(int tp)
{
    static const TariffColumnSet sets[] = {Classic(1), Classic(2), Classic(3), Classic(4)};
    return tp >= 1 && tp <= 4 ? &sets[tp - 1] : nullptr;
}

const TariffColumnSet* NewColumns(int tp)
{
    static const TariffColumnSet sets[] = {New(1), New(2), New(3), New(4)};
    return tp >= 1 && tp <= 4 ? &sets[tp - 1] : nullptr;
}

int ColumnCount(const TariffColumnSet& set)
{
    int count = 0;
    for (const TariffGroup& group : set.groups)
        count += int(group.cells.size());
    return count;
}

bool Summed(TariffCell cell)
{
    switch (cell) {
    case C::St: case C::O: case C::H: case C::IO: case C::S: case C::ZR: case C::ZV: case C::P: case C::T:
    case C::TTwo: case C::KAT: case C::UCH: case C::ZVN: case C::OP: case C::DP: case C::Rural:
        return true;
    default:
        return false;
    }
}

} // namespace nvenzol
