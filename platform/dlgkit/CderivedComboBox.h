// CderivedComboBox: the forms' list field, bound with DDX_Control/DDX_CBIndex
// and used through the plain combo-box calls and messages. Item data carries
// ids; a negative id (-2, "all branches") comes back as it was put:
// (int)GetItemData(i).
#pragma once
#include "afx.h"

class CderivedComboBox : public CComboBox {
    DECLARE_DYNAMIC(CderivedComboBox)
};
