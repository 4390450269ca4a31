// Ids of the resources of the warehouse module nStovan_r: the templates of its
// views (the template's string has the view's document name as its second
// field; each view is built on the dialog of the same id) and the controls of
// its forms.
#pragma once

// Templates and dialogs, in the order the module registers them.
#define IDD_PRIXOD                      335
#define IDD_RASHOD                      337
#define IDD_PRN_ORG                     338
#define IDD_PRN_KSV                     339
#define IDD_PRN_OR                      340
#define IDD_PRN_TREB                    341
#define IDD_PRN_PRIX_RASX               342
#define IDD_PRN_OK                      348

// The paired fields of the form base: a code, the edit of its name, its
// chooser button. 1019 is the treatment-method code on forms with that pair
// and the cabinet's chooser button on forms with the cabinet pair; 1018 is
// the employee's chooser button on the documents and the material's name on
// forms with the material pair.
#define IDC_PRD                         1114
#define IDC_PRD_NAME                    1115
#define IDC_PRD_BTN                     1054
#define IDC_NV                          1028
#define IDC_NV_NAME                     1032
#define IDC_NV_BTN                      1051
#define IDC_ORG                         1033
#define IDC_ORG_NAME                    1031
#define IDC_ORG_BTN                     1052
#define IDC_TN                          112
#define IDC_FIO                         10101
#define IDC_TN_BTN                      1018
#define IDC_KAB                         113
#define IDC_KAB_NAME                    10102
#define IDC_KAB_BTN                     1019
#define IDC_MAT                         1016
#define IDC_MAT_NAME                    1018
#define IDC_MAT_EI                      1022
#define IDC_MAT_BTN                     1017
#define IDC_VR                          1023
#define IDC_VR_NAME                     1025
#define IDC_VR_BTN                      1024
#define IDC_VL                          1019
#define IDC_VL_NAME                     1021
#define IDC_VL_BTN                      1020

// The search command of the forms (the core's).
#define IDC_SIRCH                       10002

// The receipt: date, н/п, the supplier's document number, the lines, the
// hidden edit the date's chooser answers into and the receipt's choosers.
#define IDC_DATE                        1043
#define IDC_NPP                         1116
#define IDC_NDOC                        1102
#define IDC_LINES                       10051
#define IDC_DAY_ANSWER                  1156
#define IDC_DAY_PRD_NV_BTN              1053
#define IDC_NPP_BTN                     1055
#define IDC_DAY_BTN                     1056
#define IDC_DAY_PRD_BTN                 1057
#define IDC_DAY_NV_BTN                  1058
#define ID_DELETE_RECEIPT               32790

// The requisition: its number, the journal of the month's requisitions (F3 on
// the number), the hidden edit the journal answers into, the print button.
#define IDC_NTREB                       1005
#define IDC_JOURNAL_BTN                 1055
#define IDC_JOURNAL_ANSWER              1157
#define ID_PRINT_REQUISITION            32792

// The material chosen in its reference book for a line of the grid.
#define WM_MATERIAL_CHOSEN              1148

// The stock reports' filter forms: the check lists (departments, statements,
// material groups, employees, organisations), the buttons that check or
// uncheck a whole list, the period and the report command.
#define IDC_LIST_EMPLOYEES              1010
#define IDC_LIST_DEPARTMENTS            1030
#define IDC_LIST_STATEMENTS             1032
#define IDC_LIST_GROUPS                 1033
#define IDC_LIST_ORGS                   1009
#define IDC_ALL_EMPLOYEES               1011
#define IDC_NONE_EMPLOYEES              1012
#define IDC_ALL_DEPARTMENTS             1137
#define IDC_NONE_DEPARTMENTS            1138
#define IDC_ALL_STATEMENTS              1141
#define IDC_NONE_STATEMENTS             1142
#define IDC_ALL_GROUPS                  1143
#define IDC_NONE_GROUPS                 1144
#define IDC_ALL_ORGS                    1145
#define IDC_NONE_ORGS                   1146
#define IDC_PERIOD_FROM                 1013
#define IDC_PERIOD_TO                   1014
#define ID_PRINT_REPORT                 32792
// The balance card's list of materials with their balance, its buttons and
// its period (the ids differ from the other report forms').
#define IDC_LIST_MATERIALS              1013
#define IDC_ALL_MATERIALS               1014
#define IDC_NONE_MATERIALS              1015
#define IDC_BALANCE_FROM                1010
#define IDC_BALANCE_TO                  1011
