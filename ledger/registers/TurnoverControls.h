// The controls of the turnover sheets' forms (dialogs 442 and 453) beside
// the branch list IDC_FILS and the dates IDC_DATE1 and IDC_DATE2 of
// res/resource.h; the resource script names them with the same numbers
// before the dialog.
#pragma once

#define IDD_PRN_OSV 442
#define IDC_OSV_KBK 1143
#define IDC_OSV_KBK_PICK 1161
#define IDC_OSV_KBK_LABEL 1162
#define IDC_OSV_SOURCE 1016
#define IDC_OSV_EXPAND 1092

// The turnover statement by account (dialog 453).
#define IDD_PRN_OBOROT_SCH 453
#define IDC_OS_CODE 1140
#define IDC_OS_JOURNAL_PICK 1046
#define IDC_OS_SOURCE 1016
#define IDC_OS_SOURCE_NAME 1050
#define IDC_OS_KBK 1143
#define IDC_OS_KBK_PICK 1161
#define IDC_OS_ACCOUNTS 10051
#define IDC_OS_SB1_LABEL 1085
#define IDC_OS_SB1_KIND 1021
#define IDC_OS_SB1 1125
#define IDC_OS_SB1_PICK 1019
#define IDC_OS_SB2_LABEL 1086
#define IDC_OS_SB2_KIND 1022
#define IDC_OS_SB2 1126
#define IDC_OS_SB2_PICK 1020
#define IDC_OS_SB3_LABEL 1087
#define IDC_OS_SB3_KIND 1023
#define IDC_OS_SB3 1127
#define IDC_OS_SB3_PICK 1024
#define IDC_OS_CLEAR 1163
#define IDC_OS_SPLIT 1079
