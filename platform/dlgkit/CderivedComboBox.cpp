#include "CderivedComboBox.h"

IMPLEMENT_DYNAMIC(CderivedComboBox, CComboBox)
