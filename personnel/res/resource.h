// Ids of the resources of the personnel module nPersoClasses: the templates of
// its views (the template's string has the view's document name as its second
// field; each view is built on the dialog of the same id) and the controls of
// its forms.
#pragma once

#include "../../tariffication/res/StaffFormIds.h"

// Templates and dialogs, in the order the module registers them.
#define IDD_SPR_SUB                     648
#define IDD_NIP_VIEW                    302
#define IDD_LICH_KART                   307
#define IDD_TRV_D                       305
#define IDD_TRV_F                       304
#define IDD_PRN_TRV                     301

// The string of the tariffication module's position list, kept here.
#define IDS_NIP_LIST                    303
