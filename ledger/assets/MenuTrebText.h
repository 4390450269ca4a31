// The stored texts of a catering menu requirement: the categories of people
// fed (`KatDov`) and the product rows of the five meals (`grid`).
//
// KatDov: one entry per category row, joined by "|"; an entry is "check:id:
// people:planned a day:planned in total:actual".
// grid: the five meals joined by GetDelimiter(), a meal's rows by ";", a row's
// fields by "|": code, stock quantity, stock sum, sum written off, then one
// "index:category:quantity:column:price" per category cell.
#pragma once
#include "afx.h"

#include <array>
#include <map>
#include <vector>

namespace nledmark {

// The meals in the order of the stored text.
constexpr int kMealCount = 5;
extern const char* const kMealNames[kMealCount];

struct MenuCategoryEntry {
    int check = 1;
    long id = 0;
    CString people, dayCost, totalCost, actualCost;
};

// A category's quantity in a product row: the category id, the quantity text
// ("." as the decimal point) and the grid column it stood in.
struct MenuCell {
    long category = -1;
    CString quantity;
    int column = 0;
};

struct MenuRow {
    CString code, stockQuantity, stockSum, sumOut;
    // By category id: a category unticked keeps its quantities for when it
    // is ticked again.
    std::map<long, MenuCell> cells;
};

using MenuMeals = std::array<std::vector<MenuRow>, kMealCount>;

CString KatDovText(const std::vector<MenuCategoryEntry>& entries);
std::vector<MenuCategoryEntry> ParseKatDov(const CString& text);

// The unit price of a row as stored: stock sum / stock quantity at two
// decimals, 0 for no stock.
CString RowPriceText(const MenuRow& row);
CString MealsText(const MenuMeals& meals);
MenuMeals ParseMeals(const CString& text);

} // namespace nledmark
