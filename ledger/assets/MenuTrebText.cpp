#include "MenuTrebText.h"

#include "gridbase.h"

#include <QStringList>
#include <algorithm>

namespace nledmark {

const char* const kMealNames[kMealCount] = {"Завтрак", "Обед", "Полдник", "Ужин", "Обсл.персонал"};

namespace {

QStringList Split(const CString& text, const QString& delimiter)
{
    return text.IsEmpty() ? QStringList() : text.ToQString().split(delimiter);
}

} // namespace

CString KatDovText(const std::vector<MenuCategoryEntry>& entries)
{
    CString text;
    for (const MenuCategoryEntry& e : entries)
        text += FormatText("%s%d:%d:%s:%s:%s:%s", text.IsEmpty() ? "" : "|", e.check, e.id, (LPCTSTR)e.people,
                           (LPCTSTR)e.dayCost, (LPCTSTR)e.totalCost, (LPCTSTR)e.actualCost);
    return text;
}

std::vector<MenuCategoryEntry> ParseKatDov(const CString& text)
{
    std::vector<MenuCategoryEntry> entries;
    for (const QString& entry : Split(text, "|")) {
        const QStringList f = entry.split(':');
        if (f.size() < 2)
            continue;
        MenuCategoryEntry e;
        e.check = f[0].toInt();
        e.id = f[1].toLong();
        e.people = CString(f.value(2));
        e.dayCost = CString(f.value(3));
        e.totalCost = CString(f.value(4));
        e.actualCost = CString(f.value(5));
        entries.push_back(e);
    }
    return entries;
}

CString RowPriceText(const MenuRow& row)
{
    const double quantity = atof(row.stockQuantity);
    return FormatNumber(quantity == 0 ? 0 : atof(row.stockSum) / quantity, "", 2);
}

CString MealsText(const MenuMeals& meals)
{
    CString text;
    for (int m = 0; m < kMealCount; ++m) {
        if (m)
            text += GetDelimiter();
        CString meal;
        for (size_t r = 0; r < meals[m].size(); ++r) {
            const MenuRow& row = meals[m][r];
            CString fields = row.code + "|" + row.stockQuantity + "|" + row.stockSum + "|" + row.sumOut;
            const CString price = RowPriceText(row);
            std::vector<const MenuCell*> byColumn;
            for (const auto& entry : row.cells)
                byColumn.push_back(&entry.second);
            std::stable_sort(byColumn.begin(), byColumn.end(),
                             [](const MenuCell* a, const MenuCell* b) { return a->column < b->column; });
            for (const MenuCell* cell : byColumn)
                fields += FormatText("|%d:%d:%s:%d:%s", int(r), cell->category, (LPCTSTR)cell->quantity, cell->column,
                                     (LPCTSTR)price);
            meal += (meal.IsEmpty() && r == 0 ? CString() : CString(";")) + fields;
        }
        text += meal;
    }
    return text;
}

MenuMeals ParseMeals(const CString& text)
{
    MenuMeals meals;
    const QStringList parts = Split(text, GetDelimiter().ToQString());
    for (int m = 0; m < kMealCount && m < parts.size(); ++m) {
        if (parts[m].isEmpty())
            continue;
        for (const QString& line : parts[m].split(';')) {
            const QStringList f = line.split('|');
            MenuRow row;
            row.code = CString(f.value(0));
            row.stockQuantity = CString(f.value(1));
            row.stockSum = CString(f.value(2));
            row.sumOut = CString(f.value(3));
            for (qsizetype k = 4; k < f.size(); ++k) {
                const QStringList c = f[k].split(':');
                if (c.size() < 4)
                    continue;
                MenuCell cell;
                cell.category = c[1].toLong();
                cell.quantity = CString(c[2]);
                cell.column = c[3].toInt();
                row.cells[cell.category] = cell;
            }
            meals[m].push_back(row);
        }
    }
    return meals;
}

} // namespace nledmark
