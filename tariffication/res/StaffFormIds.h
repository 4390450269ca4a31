// Ids of the fields that the forms of the tariffication and personnel modules
// share: the paired fields of the form base (a code edit, the button of its
// chooser and the edit of its name), known to the base by these ids.
#pragma once

// The employee: personnel number, chooser, full name.
#define IDC_TN                          112
#define IDC_TN_BTN                      1018
#define IDC_FIO                         10101
// The assignment's running number and the list of the employee's positions.
#define IDC_NPP                         1149
#define IDC_NPP_BTN                     1150
// Kind of order, department, category and position: code, chooser, name.
#define IDC_VID_PRIK                    414
#define IDC_VID_PRIK_BTN                110
#define IDC_VID_PRIK_NAME               113
#define IDC_PRD                         105
#define IDC_PRD_BTN                     117
#define IDC_PRD_NAME                    115
#define IDC_KAT                         108
#define IDC_KAT_BTN                     109
#define IDC_KAT_NAME                    114
#define IDC_DOL                         1083
#define IDC_DOL_BTN                     1081
#define IDC_DOL_NAME                    1008
// Fields of the personal card whose choosers F3 opens too: nationality,
// education, family status, region, district, city, settlement.
#define IDC_NN                          1174
#define IDC_NN_BTN                      1175
#define IDC_OB                          1177
#define IDC_OB_BTN                      1178
#define IDC_SPL                         1192
#define IDC_SPL_BTN                     1193
#define IDC_DAREG                       1195
#define IDC_DAREG_BTN                   1203
#define IDC_DARAYON                     1205
#define IDC_DARAYON_BTN                 1206
#define IDC_DA2                         1208
#define IDC_DA2_BTN                     1209
#define IDC_DANP                        1211
#define IDC_DANP_BTN                    1212
// The other appointment fields of both assignment forms: the order's date and
// number, the number of staff rates, the first and last day of work.
#define IDC_NIP_DPRIK                   1066
#define IDC_NIP_NOPRIK                  1102
#define IDC_NIP_ST                      1001
#define IDC_NIP_D1                      1234
#define IDC_NIP_D2                      1235
