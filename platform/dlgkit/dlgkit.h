// The one public header of the dialog kit: the forms' field controls and
// dialog base, the fragment search dialog, the calculator and the picture
// helpers of the owner-drawn menu. The ids of the kit's own dialogs and
// controls (res/DlgkitIds.h) come with it, for scripts that drive them.
#pragma once
#include "afx.h"

#include "res/DlgkitIds.h"
#include "EditKindRules.h"
#include "CderivedDialog.h"
#include "CderivedEdit.h"
#include "CderivedComboBox.h"
#include "CderivedDTimeCtrl.h"
#include "CderivedCheckListBox.h"
#include "CderivedTabCtrl.h"
#include "CSirchDlg.h"
#include "CCalculatorDlg.h"
#include "CBitmapToIcon.h"
