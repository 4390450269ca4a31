// Ids of the resources of the tariffication module nVenzol: the templates of
// its views (the template's string has the view's document name as its second
// field; each view is built on the dialog of the same id) and the controls of
// its forms.
#pragma once

#include "StaffFormIds.h"

// Templates and dialogs, in the order the module registers them.
#define IDD_PRN_VENZOL_SVOD             571
#define IDD_VENZ_SPR_DOL                493
#define IDD_NIP_LIST                    303
#define IDD_NIP_VIEW_VENZ               561
#define IDD_PRN_VENZOL                  306

// The employee's position list.
#define IDC_NIP_LIST_GRID               10051
