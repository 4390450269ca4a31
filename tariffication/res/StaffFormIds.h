// Ids of the fields that the forms of the tariffication and personnel modules
// share: the paired fields of the form base (a code edit, the button of its
// chooser and the edit of its name), known to the base by these ids.
#pragma once

#define IDC_TN                          112
#define IDC_TN_BTN                      1018
#define IDC_FIO                         10101
#define IDC_NPP                         1149
#define IDC_NPP_BTN                     1150
