// CPrnOsInvKart: the inventory cards of fixed assets as report pages. The
// card of one asset (0504031) shows the card's register columns, its
// movements on the asset account (101) and the depreciation account (104) by
// the card's id, and the value, depreciation and residual value they leave;
// the card of a group of like items (0504032) lists the assets together with
// their quantities and figures. Movements are those up to the end of the
// working period, of one branch or (-2) of all.
#pragma once

#include "afx.h"

class CPrnOsInvKart {
public:
    // Shows the card of each asset of `ids` ("3,5"; anything but whole
    // numbers is left out), one page after another. 0 when no asset is found.
    static int prn(const char* ids, int branch);
    // Shows one group card of the assets of `ids`.
    static int prn0(const char* ids, int branch);

    // The pages themselves ("" when no asset of `ids` is found); `group`
    // chooses the group card.
    static CString Page(const char* ids, int branch, bool group);
};
