#include "CderivedCheckListBox.h"

IMPLEMENT_DYNAMIC(CderivedCheckListBox, CCheckListBox)
