// The month's depreciation of one fixed-asset card, worked out from its
// ledger balances: the book value and quantity on its asset account, the
// depreciation accumulated on its depreciation account, its start date and
// useful life. Nothing here reads the database, so every rule is checked on
// figures alone.
#pragma once
#include "afx.h"

namespace nledmark {

// The limits of the unit price by the start date: before 01.01.2009 1000 and
// 10000 roubles, from that day 3000 and 20000. Below the lower limit an asset
// is not depreciated, from it up to the upper one it is written off whole,
// from the upper one on it is depreciated monthly over its useful life.
struct DepreciationLimits {
    double lower = 0;
    double upper = 0;
};
// `start` as dd.mm.yyyy; a text that is no date takes the later limits.
DepreciationLimits LimitsOfStart(const CString& start);

// What the run knows of a card for the month.
struct AssetFigures {
    double value = 0;        // V: balance of the asset account
    double quantity = 0;     // Q: quantity on it
    double accumulated = 0;  // A: balance of the depreciation account
    CString start;           // S: d_post or d_ekspl, dd.mm.yyyy ("" when none)
    int usefulLife = 0;      // norm_izn in months (0 when null)
    CString monthStart;      // D1: the first day of the run's month, dd.mm.yyyy
};

enum class DepreciationSkip {
    None,             // depreciated: a register row (and a posting when the amount is not 0)
    NoValue,          // V or Q is 0
    NoStart,          // no start date
    BelowLimit,       // unit price below the lower limit
    FullyDepreciated, // A >= V, or the unit price not above the depreciation per unit
    NotStarted,       // monthly depreciation begins the month after the start
};

struct AssetDepreciation {
    DepreciationSkip skip = DepreciationSkip::None;
    double unitPrice = 0;       // P = V / Q to kopecks
    double amount = 0;          // X, capped so that A + X never passes V
    int monthsLeft = 0;         // R, this month included; 0 when written off whole
};

AssetDepreciation DepreciateAsset(const AssetFigures& figures);

} // namespace nledmark
