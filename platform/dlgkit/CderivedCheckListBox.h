// CderivedCheckListBox: the forms' check list, bound with DDX_Control to a
// list box of the template (owner-drawn with strings). Items are texts such
// as "% 4d   %s" with the row's key as item data; SetCheck(index, 1 or 0)
// ticks one, and the user's tick sends CLBN_CHKCHANGE to the parent.
#pragma once
#include "afx.h"

class CderivedCheckListBox : public CCheckListBox {
    DECLARE_DYNAMIC(CderivedCheckListBox)
};
