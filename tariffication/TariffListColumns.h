// The column sets of the tariffication list: four of the classic layout and
// four of the new one, one per form type (spr_venz_vf.tp 1 to 4). A set is
// its head (groups of a caption over one cell, or over two or three cells
// with sub-captions), the numbering row under it and how many leading cells
// the label of a total row spans.
#pragma once
#include "VenzExport.h"

#include <string>
#include <vector>

namespace nvenzol {

// What a cell of a row shows.
enum class TariffCell {
    Tab, Fio, Idol, Raz, Raz1, Raz2, Raz3, G, Reduction, K, St, O, Vr, H, IO, Stext, Spct, S,
    ZasRAB, ZR, Zv, ZV, Premiya, P, T, TTwo, Note, Ktgr, DateKat, NoKat, B, BTwo, PrRab,
    PlusKat, KAT, PlusUchSt, UCH, PlusZv, ZVN, PlusOpas, OP, PlusDopl, DP, RuralPct, Rural,
};

struct TariffGroup {
    const char* caption;
    std::vector<const char*> subs;  // none: the caption spans both head rows
    std::vector<TariffCell> cells;
    bool mergedTotal = false;       // a total row gives the group one cell with its sum
};

struct TariffColumnSet {
    std::vector<TariffGroup> groups;
    std::vector<std::string> numbering;  // none: 1 to the number of columns
    int labelSpan = 0;
};

// The set of the form type, or null for a type outside 1 to 4.
NVENZOL_EXPORT const TariffColumnSet* ClassicColumns(int tp);
NVENZOL_EXPORT const TariffColumnSet* NewColumns(int tp);
NVENZOL_EXPORT int ColumnCount(const TariffColumnSet& set);
// Whether a total row sums the cell (the amounts and the rates).
NVENZOL_EXPORT bool Summed(TariffCell cell);

} // namespace nvenzol
