// Ids of the payroll module's resources: the template strings of its views (a
// view's dialog has its template's id, but for the seven named below), and
// the fields of the form base (CMyFormView1), shared by every payroll form.
#pragma once

// The module's name.
#define IDS_PAYMAR                      128

// The template strings, in the order the module registers its views.
#define IDR_LGOTY_EDIT                  665
#define IDR_LGOTY                       664
#define IDR_GROUP_VYPL                  650
#define IDR_EXP_5_PROV                  638
#define IDR_CHAS                        579
#define IDR_POVR                        430
#define IDR_POVR0                       433
#define IDR_INV                         434
#define IDR_SPR_DOL_DET                 429
#define IDR_KTY_DET                     428
#define IDR_DOXOD                       427
#define IDR_PRN_FILIAL                  425
#define IDR_PRN_SVED_POVR               424
#define IDR_PRN_SVED_KS_YET             423
#define IDR_PRN_SVED_KS_ST              422
#define IDR_PRN_SVED_SD                 421
#define IDR_PRN_SVED_KTY                418
#define IDR_SELECT_PRD_NV               417
#define IDR_PRN_KS                      416
#define IDR_PRN_IND                     415
#define IDR_PRN_STR_NAK                 413
#define IDR_PRN_03000400                412
#define IDR_PRN_OTSTEG                  435
#define IDR_PRN_SV_PRD                  411
#define IDR_PRN_SOSH_NALOG              410
#define IDR_PRN_5_PROV                  409
#define IDR_PRN_KB                      408
#define IDR_PRN_RASCH_LIST              407
#define IDR_PRN_VSE_GOD                 406
#define IDR_PRN_DOX_GOD                 404
#define IDR_PRN_SRED                    431
#define IDR_PRN_DOX_MES                 403
#define IDR_PRN_ZAPISKA_RASCHET         586
#define IDR_PRN_NDFL2                   639
#define IDR_PRN_DOX_MES_NAROST          644
#define IDR_PRN_POD_NALOG               402
#define IDR_PRN_PL_VED                  400
#define IDR_PRN_RASCH_VED               399
#define IDR_PRN_LAPSHA                  398
#define IDR_NOCHNYE                     397
#define IDR_KOS_SD_DN                   436
#define IDR_KTY                         394
#define IDR_SD_YET                      393
#define IDR_OTPUSK                      389
#define IDR_KOS_SD_YET                  391
#define IDR_SRED                        390
#define IDR_PROCH_VIP_LIST              387
#define IDR_PROCH_VIP                   386
#define IDR_TRV                         385
#define IDR_BOOK_LIST                   384
#define IDR_DOPL_SPIS                   383
#define IDR_BOOK                        382
#define IDR_DOPL                        432
#define IDR_ISP                         377
#define IDR_DETI_VOZ                    376
#define IDR_DETI                        375
#define IDR_SPR_DOL                     374
#define IDR_SPR_5PR                     372
#define IDR_SPR_KAL                     371
#define IDR_VBANK                       368
#define IDR_PRN_NALOG_KART              367
#define IDR_BOL                         366
#define IDR_TVX                         311
#define IDR_SPR_OTCHIS                  369
// Template strings without a template of their own.
#define IDR_SELECT_YEAR                 405
#define IDR_SELECT_PRD_KAT              420

// The dialogs whose id is not their template's.
#define IDD_NOCHNYE                     396  // template 397
#define IDD_DOPL                        378  // template 432
#define IDD_DOXOD                       426  // template 427
#define IDD_SRED                        388  // template 390
#define IDD_SPR_TVX                     379  // template 311
#define IDD_SPR_OTCHIS                  381  // template 369
#define IDD_POVR0                       430  // template 433, the dialog of PovrView
#define IDD_SELECT_MONTH_NV             401  // the months-and-sheets base of templates 411 and 435
#define IDD_SELECT_PRD_KAT              419  // the departments-and-categories base of template 418

// The window of the monthly accrual run (no template of its own).
#define IDD_RN_UD                       395
#define IDC_RN_STATUS                   1052

// The form base's fields: a code, the edit of its name and the button of its
// chooser for each reference book. Some ids serve two pairs that no form
// shows together: 1081 is the position's button and the economic code, 1083
// the position's code and the economic code's name, 1033 the order's name
// and the organisation's code.
// pay and deduction codes (spr_vou)
#define IDC_VOU                         1004
#define IDC_VOU_NAME                    1021
#define IDC_VOU_BTN                     1005
// calendars (spr_kl)
#define IDC_KL                          1068
#define IDC_KL_NAME                     1067
#define IDC_KL_BTN                      1066
// target purposes (spr_paymar_kcn)
#define IDC_KCN                         1006
#define IDC_KCN_NAME                    1023
#define IDC_KCN_BTN                     1007
// contributions (spr_paymar_otchis)
#define IDC_OTCHIS                      1075
#define IDC_OTCHIS_NAME                 1077
#define IDC_OTCHIS_BTN                  1076
// payroll posting lines (spr_paymar_5pr)
#define IDC_5PR                         1078
#define IDC_5PR_NAME                    1080
#define IDC_5PR_BTN                     1079
// positions (spr_paymar_dol)
#define IDC_DOL                         1083
#define IDC_DOL_NAME                    1008
#define IDC_DOL_BTN                     1081
// payer kinds (spr_paymar_vp)
#define IDC_VP                          1146
#define IDC_VP_NAME                     1009
#define IDC_VP_BTN                      1148
// pay sheets (nv)
#define IDC_NV                          1028
#define IDC_NV_NAME                     1032
#define IDC_NV_BTN                      1051
// departments (spr_prd)
#define IDC_PAY_PRD                     1114
#define IDC_PAY_PRD_NAME                1115
#define IDC_PAY_PRD_BTN                 1054
// departments, second field
#define IDC_PAY_PRD1                    1123
#define IDC_PAY_PRD1_NAME               1124
#define IDC_PAY_PRD1_BTN                1056
// economic classification (spr_ekr)
#define IDC_EKR                         1081
#define IDC_EKR_NAME                    1083
#define IDC_EKR_BTN                     1082
// worker categories (spr_paymar_kat)
#define IDC_PAY_KAT                     1116
#define IDC_PAY_KAT_NAME                1117
#define IDC_PAY_KAT_BTN                 1053
// worker categories, second field
#define IDC_PAY_KAT1                    1127
#define IDC_PAY_KAT1_NAME               1128
#define IDC_PAY_KAT1_BTN                1058
// orders (spr_paymar_prikaz)
#define IDC_PRIKAZ                      414
#define IDC_PRIKAZ_NAME                 1033
#define IDC_PRIKAZ_BTN                  1055
// organisations (spr_org)
#define IDC_ORG                         1033
#define IDC_ORG_NAME                    1031
#define IDC_ORG_BTN                     1052
// The employee: personnel number, full name, chooser, and the list F4 opens.
#define IDC_TN                          112
#define IDC_FIO                         10101
#define IDC_TN_BTN                      1018
#define IDC_TN_LIST                     1019
// The position row: its number, the position's name, the list of the rows.
#define IDC_NPP                         1149
#define IDC_NPP_DOL                     1111
#define IDC_NPP_BTN                     1150
// A field whose chooser button (1014) a form gives itself; F3 presses it.
#define IDC_F3_FIELD                    1010
#define IDC_F3_FIELD_BTN                1014

// The reference books' fields. Positions: header, rates grid and "Кто".
#define IDC_PAY_DOL_KAT                 1084
#define IDC_PAY_DOL_RAZ                 1085
#define IDC_PAY_DOL_VR                  1086
#define IDC_PAY_DOL_VR2                 1087
#define IDC_PAY_DOL_VR3                 1088
#define IDC_PAY_DOL_VR4                 1089
#define IDC_PAY_DOL_KAT_DET             5009
#define IDC_PAY_DOL_GRID                10051
#define IDC_PAY_DOL_WHO                 1171
// Calendar: the month's days for pay, days for sick pay, hours.
#define IDC_KL_DN                       1069
#define IDC_KL_BOL                      1070
#define IDC_KL_CH                       1071
// The pay-code check list of groups, contributions and posting lines.
#define IDC_PAY_CODES                   1020
// Contributions and posting lines: percentage and decimals.
#define IDC_BOOK_PR                     1074
#define IDC_BOOK_POITS                  5014
// Posting lines: accounts with their choosers, sub-accounts, per employee.
#define IDC_5PR_D                       1158
#define IDC_5PR_K                       1159
#define IDC_5PR_D_BTN                   1018
#define IDC_5PR_K_BTN                   1019
#define IDC_5PR_SB_DEB                  1084
#define IDC_5PR_SB_DEB_BTN              1085
#define IDC_5PR_SB_KRED                 1086
#define IDC_5PR_SB_KRED_BTN             1087
#define IDC_5PR_BMAN                    5008

// The grid of a payroll form.
#define IDC_PAY_GRID                    10051
// The start and end dates of a position row or an allowance.
#define IDC_PAY_D1                      1234
#define IDC_PAY_D2                      1235

// The pay record (BookView): the employee's payroll data...
#define IDC_BOOK_STJ                    1133
#define IDC_BOOK_NSR                    1135
#define IDC_BOOK_MED_STAJ               1112
#define IDC_BOOK_DU                     1113
#define IDC_BOOK_PROF                   1121
#define IDC_BOOK_INN                    1147
#define IDC_BOOK_SNO                    1120
#define IDC_BOOK_LGOTY                  5018
// ...and the position row, with the position's facts shown read-only.
#define IDC_BOOK_OSN                    1122
#define IDC_BOOK_DPRIK                  5010
#define IDC_BOOK_NPRIK                  5011
#define IDC_BOOK_PLAV                   5012
#define IDC_BOOK_STAJ                   5003
#define IDC_BOOK_STAJ_LABEL             5004
#define IDC_BOOK_DOL_KAT                5001
#define IDC_BOOK_DOL_RAZ                1085
#define IDC_BOOK_DOL_VR                 5002
#define IDC_BOOK_DOL_VR2                1087
#define IDC_BOOK_DOL_VR3                1088
#define IDC_BOOK_DOL_VR4                1089

// The records numbered within an employee (children, writs): the number's
// list, typed or chosen, and the delete command.
#define IDC_REC_NPP                     1002
#define IDC_REC_DELETE                  32790
// Children: the birth date, the allowance up to 1.5 and to 3 years, and the
// employee's single-parent mark.
#define IDC_DETI_DR                     1090
#define IDC_DETI_B15                    1168
#define IDC_DETI_B3                     1169
#define IDC_DETI_MO                     1233
// Disability: the group and the certificate's series, number and date.
#define IDC_INV_GR                      1234
#define IDC_INV_SER                     1235
#define IDC_INV_NUMBER                  1102
#define IDC_INV_D                       1043
// Tax benefits: the grid and the month of the month's benefits.
#define IDC_LGOTY_GRID                  5017
#define IDC_LGOTY_MONTH                 1104
// Writs: the deduction mark, document number, total, remaining, monthly sum,
// percentage, part (hidden), bank branch, account and one sheet only; the
// code is IDC_VOU, the dates IDC_PAY_D1/D2, the recipient kind IDC_VP.
#define IDC_ISP_PU                      1094
#define IDC_ISP_ND                      1023
#define IDC_ISP_SV                      1103
#define IDC_ISP_OV                      1095
#define IDC_ISP_S                       1096
#define IDC_ISP_PR                      1074
#define IDC_ISP_CH                      1098
#define IDC_ISP_CH_LABEL                1170
#define IDC_ISP_FIL                     1101
#define IDC_ISP_LS                      286
#define IDC_ISP_ONE                     1224
// Sick-leave certificates and payments by average earnings: the first day of
// illness, the pay code's name, the main position row's position name,
// calendar and its name, the periods grid; the average daily earnings and
// the amount of both forms, the months grid (IDC_PAY_GRID); the start date
// and days of a payment by average earnings; print and print at once.
#define IDC_BOL_START                   1003
#define IDC_BOL_VOU_NAME                1006
#define IDC_BOL_DOL_NAME                1008
#define IDC_BOL_KL                      1009
#define IDC_BOL_KL_NAME                 1010
#define IDC_BOL_PERIODS                 1013
#define IDC_AVG_DAILY                   1014
#define IDC_AVG_TOTAL                   1015
#define IDC_SRED_DATE                   1090
#define IDC_SRED_DAYS                   1145
#define IDC_PAY_PRINT                   32792
#define IDC_PAY_PRINT_DIRECT            1026
// The report selection forms: the months (also of the year's form), the pay
// sheets, the departments and the categories with their buttons to tick or
// clear every row, the hidden "one report" box and the print button; the
// transfer's operation date.
#define IDC_SELECT_MONTHS               10051
#define IDC_SELECT_SHEETS_LIST          1032
#define IDC_SELECT_DEPARTMENTS          1030
#define IDC_SELECT_CATEGORIES           1031
#define IDC_MONTHS_ALL                  1137
#define IDC_MONTHS_CLEAR                1138
#define IDC_CATEGORIES_ALL              1139
#define IDC_CATEGORIES_CLEAR            1140
#define IDC_SHEETS_ALL                  1141
#define IDC_SHEETS_CLEAR                1142
#define IDC_ONE_REPORT                  1168
#define IDC_SELECT_PRINT                32792
#define IDC_OPER_DATE                   1010
// The tax cards' own list of employees (dialog 367) and its buttons.
#define IDC_NALOG_KART_LIST             1020
#define IDC_NALOG_KART_ALL              1129
#define IDC_NALOG_KART_CLEAR            1130
#define IDC_NALOG_KART_OK               32777
#define IDC_NALOG_KART_CANCEL           1144

// The time-based pay (PovrView, PovrView0): the copy of last month's records,
// and the two-tariff form's tariff coefficients with their labels.
#define IDC_POVR_COPY                   5000
#define IDC_POVR_TAR1_LABEL             5015
#define IDC_POVR_TAR1                   5016
#define IDC_POVR_TAR2_LABEL             5017
#define IDC_POVR_TAR2                   5018
// Vacation records: the order's number and date, the type, the grounds, "За
// период:", the indexation check box; the additional part's code with its
// chooser and name; each part's days and pay sheets; the tab of the parts'
// averages over their two grids; the calculation note. The main part's code
// is IDC_VOU, the vacation's dates IDC_PAY_D1/D2.
#define IDC_OTP_NUMBER                  1141
#define IDC_OTP_DATE                    1142
#define IDC_OTP_TYPE                    1103
#define IDC_OTP_OSN                     1122
#define IDC_OTP_PERIOD                  1146
#define IDC_OTP_CALC                    1168
#define IDC_OTP_KOU2                    1006
#define IDC_OTP_KOU2_BTN                1007
#define IDC_OTP_KOU2_NAME               1022
#define IDC_OTP_DAYS                    1145
#define IDC_OTP_DAYS2                   1147
#define IDC_OTP_SHEETS                  1013
#define IDC_OTP_SHEETS2                 1076
#define IDC_OTP_TABS                    1180
#define IDC_OTP_RESULT                  10051
#define IDC_OTP_RESULT2                 10052
#define IDC_OTP_NOTE                    5005
