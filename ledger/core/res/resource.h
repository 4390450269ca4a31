// Ids of the resources of the general-ledger module nLedmark: the templates of
// its views (each template's string has the view's document name as its second
// field; most views are built on the dialog of the same id) and the controls of
// its forms.
#pragma once

// Templates and dialogs of the ledger core.
#define IDD_OPER_BY_HAND                514
#define IDD_PROVODKI                    502
// The form of the reports by sources of financing (CSelectIFView), also of
// "hlam0" and of reports that bring no dialog of their own.
#define IDD_SELECT_IF                   572
// The actuality date (392).
#define IDD_AKTUAL_DATE                 392

// Templates of the other views of the module and of the application core's
// views that the module registers; their strings are in the string table.
#define IDR_SMENA_IF                    661
#define IDR_PRN_0504051                 659
#define IDR_SVOD_OTCH                   658
#define IDR_ZAKR_GODA                   656
#define IDR_SMENA_KBK                   655
#define IDR_PRN_SLICH_VED               653
#define IDR_SPR_NORM_PIT                652
#define IDR_MENU_TREB                   651
#define IDR_DOC_OBYAVL                  649
#define IDR_PRN_PP_PRIX                 647
#define IDR_PRN_SVOD_PROVODKI           646
#define IDR_BUDG_ZAYAV                  645
#define IDR_SPR_FILS                    643
#define IDR_PRN_LBO_MES0                635
#define IDR_SPR_JRN_OPER                634
#define IDR_MAT_INVENT                  629
#define IDR_STORNO                      626
#define IDR_OS_SPIS                     628
#define IDR_OS_NAKL                     607
#define IDR_MZ_NAKL                     641
#define IDR_DOC_PROV                    606
#define IDR_DOV_POLUCH_CHECKA           605
#define IDR_MAT_MOL_TO_MOL              604
#define IDR_OS_MOL_TO_MOL               603
#define IDR_OFK                         602
#define IDR_CHECK_BOOK                  600
#define IDR_PRN_0503130_SB              570
#define IDR_HLAM0                       601
#define IDR_PRN_LBO_MES_FAKT            599
#define IDR_PRN_LBO_MES                 598
#define IDR_PRN_LBO_KART                596
#define IDR_PRN_LBO_ISP                 595
#define IDR_PRN_AKT_SVERK               594
#define IDR_PRN_OS_OPIS_INV_KART        591
#define IDR_PRN_OS_INVENT_KART          585
#define IDR_PRN_OST_DOGOVORA            583
#define IDR_ZAKLUCH                     495
#define IDC_CHANGE_TO_PICK              1160
#define IDC_CHANGE_FROM_PICK            1161
#define IDC_CHANGE_FROM                 1165
#define IDC_CHANGE_TO                   1166
#define IDR_BANK_SPIS                   576
#define IDR_BANK_POSTUP                 577
#define IDR_BANK_FINANS                 642
#define IDR_BUDG_ASEG                   578
#define IDR_BUDG_RASSH                  582
#define IDR_BUDG_OBYAZ                  581
#define IDR_PRN_0503121                 574
#define IDR_PRN_0503130                 575
#define IDR_PRN_0503160                 573
#define IDR_PRN_0503168                 631
#define IDR_PRN_0503169                 630
#define IDR_PRN_0503125_08              662
#define IDR_PRN_0503125                 568
#define IDR_PRN_0503127                 572
#define IDR_PRN_0503129                 569
#define IDR_REGL_MES_BANK               567
#define IDR_PRN_KNIGA_POK               438
#define IDR_PRN_KNIGA_PROD              494
#define IDR_PRN_SCH_FAK_POLUCH          441
#define IDR_DOVERENNOST                 464
#define IDR_PRN_DOG_MAT_OTV             500
#define IDR_ROD_NUCH                    566
#define IDR_ROD_POST                    565
#define IDR_OS_POKUP                    501
#define IDR_KNIGA_POK                   448
#define IDR_KNIGA_PROD                  449
#define IDR_SCH_FAK_POLUCH              440
#define IDR_MAT_PRIX                    564
#define IDR_MZ_NACH_OST                 640
#define IDR_PRN_JRN_ZAB_SCH             563
#define IDR_AKTUAL_DATE                 392
#define IDR_MATERIALS_SPIS              373
#define IDR_ROD_NUCH_OST                560
#define IDR_PRN_SCH_FAK_VYD             509
#define IDR_PRN_OBOROT_SCH              522
#define IDR_OS_NACH_OST                 521
#define IDR_PRN_KASSA_BOOK              520
#define IDR_PRN_KASSA_KO_3              519
#define IDR_PRN_GLAVN_KNIGA             510
#define IDR_PRN_RKO                     503
#define IDR_PRN_PKO                     504
#define IDR_PRN_OSV                     516
#define IDR_PRN_GL_KNIGA                587
#define IDR_AVANS_OTCH                  511
#define IDR_PRN_JRN_KASSA               517
#define IDR_OS_INVENT                   506
#define IDR_OS_IZNOS                    507
#define IDR_MAT_KU                      508
#define IDR_PRN_SCH_FAK                 482

// Manual operation form (514).
#define IDC_DOC_NAME                    1001
#define IDC_DATE                        1010
#define IDC_SUM                         1015
#define IDC_NUMBER                      1102
#define IDC_FIL                         1115
#define IDC_LINES                       10051
#define ID_DELETE_LINE                  32860
#define ID_BUH_SPRAVKA                  32861

// Postings journal (502).
#define IDC_DATE_AFTER                  1043
#define IDC_DATE_AFTER_LABEL            1064
#define IDC_DEB_LABEL                   1093
#define IDC_DEB_FILTER                  1094
#define IDC_KRED_LABEL                  1095
#define IDC_KRED_FILTER                 1096
#define IDC_OPEN_DOC                    1108
#define IDC_PROVODKI                    10004
#define ID_REFRESH                      40021

// Budget documents: assignments and limits (578), obligation (581), contract
// breakdown (582), budget request (645).
#define IDC_BUDG_NOTE                   1001
#define IDC_BUDG_DATE                   1010
#define IDC_BUDG_SOURCE                 1016
#define IDC_BUDG_DEBIT_PICK             1018
#define IDC_BUDG_CREDIT_PICK            1019
#define IDC_BUDG_EKR_PICK               1020
#define IDC_BUDG_CONTRACT_PICK          1021
#define IDC_BUDG_PRD                    1028
#define IDC_BUDG_DATE_TEXT              1043
#define IDC_BUDG_BASE_DOC               1059
#define IDC_BUDG_NOTE_LABEL             1077
#define IDC_BUDG_EKR_NAME               1078
#define IDC_BUDG_CONTRACT_NAME          1079
#define IDC_BUDG_KIND                   1080
#define IDC_BUDG_DEBIT                  1094
#define IDC_BUDG_EKR                    1095
#define IDC_BUDG_CREDIT                 1096
#define IDC_BUDG_CONTRACT               1097
#define IDC_BUDG_PRD_LABEL              1147
#define IDC_BUDG_KBK_DEBIT_PICK         1160
#define IDC_BUDG_KBK_CREDIT_PICK        1161
#define IDC_BUDG_KBK_CREDIT_LABEL       1162
#define IDC_BUDG_KBK_DEBIT_LABEL        1163
#define IDC_BUDG_KBK_DEBIT              1164
#define IDC_BUDG_KBK_CREDIT             1165
#define IDC_BUDG_PRD_NAME               115
#define IDC_BUDG_PRD_PICK               117
#define IDC_BUDG_DELETE                 32790
#define IDC_BUDG_SUPPLIER_NAME          1031
#define IDC_BUDG_SUPPLIER               1033
#define IDC_BUDG_CONTRACT_SUM           1015
#define IDC_REQ_DEBIT                   1158
#define IDC_REQ_DEBIT_PICK              1019
#define IDC_REQ_CREDIT                  1015
#define IDC_REQ_CREDIT_PICK             1018
#define IDC_REQ_NOTE_LABEL              1149
#define IDC_REQ_DEB_SB1                 1021
#define IDC_REQ_DEB_SB1_PICK            1022
#define IDC_REQ_DEB_SB1_LABEL           1076
#define IDC_REQ_DEB_SB1_NAME            1073
#define IDC_REQ_DEB_SB2                 1024
#define IDC_REQ_DEB_SB2_PICK            1025
#define IDC_REQ_DEB_SB2_LABEL           1023
#define IDC_REQ_DEB_SB2_NAME            1074
#define IDC_REQ_DEB_SB3                 1027
#define IDC_REQ_DEB_SB3_PICK            1028
#define IDC_REQ_DEB_SB3_LABEL           1026
#define IDC_REQ_DEB_SB3_NAME            1075
#define IDC_REQ_KRED_SB1                1029
#define IDC_REQ_KRED_SB1_PICK           1030
#define IDC_REQ_KRED_SB1_LABEL          1077
#define IDC_REQ_KRED_SB1_NAME           2002
#define IDC_REQ_KRED_SB2                1032
#define IDC_REQ_KRED_SB2_PICK           1033
#define IDC_REQ_KRED_SB2_LABEL          1031
#define IDC_REQ_KRED_SB2_NAME           1198
#define IDC_REQ_KRED_SB3                1035
#define IDC_REQ_KRED_SB3_PICK           1036
#define IDC_REQ_KRED_SB3_LABEL          1034
#define IDC_REQ_KRED_SB3_NAME           2001
#define IDC_BUDG_PRINT                  32792

// Reports on limits of budget obligations: the monthly reports on dialog 598,
// the execution report and the limits card on dialog 596.
#define IDC_LBO_PRD_NAME                115
#define IDC_LBO_PRD_PICK                117
#define IDC_LBO_FROM                    1010
#define IDC_LBO_TO                      1011
#define IDC_LBO_SOURCE                  1016
#define IDC_LBO_PRD                     1028
#define IDC_LBO_SOURCE_NAME             1050
#define IDC_LBO_BRANCH                  1115
#define IDC_LBO_KBK                     1143
#define IDC_LBO_PRD_LABEL               1147
#define IDC_LBO_KBK_PICK                1161
#define IDC_LBO_KBK_LABEL               1162

// Budget obligations and balances by contract (583), beside the branch and the
// source of the reports on limits.
#define IDC_OST_SELECT_ALL              1014
#define IDC_OST_CLEAR_ALL               1017
#define IDC_OST_EKR_PICK                1020
#define IDC_OST_EKR_NAME                1078
#define IDC_OST_EKR                     1095
#define IDC_OST_GRID                    10051

// Bank statements: receipts (577), payments (576), financing received (642).
#define IDC_BANK_NOTE                   1001
#define IDC_BANK_MAIN_PICK              1018
#define IDC_BANK_LS                     1022
#define IDC_BANK_CONTR                  1023
#define IDC_BANK_LS_PICK                1041
#define IDC_BANK_CONTR_PICK             1042
#define IDC_BANK_BASE_DOC               1059
#define IDC_BANK_THROUGH                1068
#define IDC_BANK_NOTE_LABEL             1077
#define IDC_BANK_LS_LABEL               1086
#define IDC_BANK_CONTR_LABEL            1087
#define IDC_BANK_DEBIT                  1094
#define IDC_BANK_CREDIT                 1096
#define IDC_BANK_LS_NAME                1119
#define IDC_BANK_CONTR_NAME             1120
#define IDC_BANK_KBK_DEBIT_PICK         1160
#define IDC_BANK_KBK_CREDIT_PICK        1161
#define IDC_BANK_KBK_DEBIT              1164
#define IDC_BANK_KBK_CREDIT             1165
#define IDC_BANK_SOURCE                 1167
#define IDC_BANK_DELETE                 32790
// Financing received keeps its counterparty where the statements keep the
// personal account.
#define IDC_FINANS_CONTR                1022
#define IDC_FINANS_CONTR_PICK           1041
#define IDC_FINANS_CONTR_LABEL          1086
#define IDC_FINANS_CONTR_NAME           1119

// Reports by sources of financing (572).
#define IDC_DATE1                       1010
#define IDC_DATE2                       1011
#define IDC_SELECT_ALL                  1135
#define IDC_CLEAR_ALL                   1136
#define IDC_FILS                        1144
#define IDC_FILS_LABEL                  1150
#define IDC_DATE1_LABEL                 1152
#define IDC_DATE2_LABEL                 1153
#define IDC_FILS_BUTTON                 1164
#define IDC_IF_GRID                     10051

// Actuality date (392).
#define IDC_ACTUAL_DATE                 1043
#define IDC_ACTUAL_DATE_TEXT            1044

// Treasury cash request (602); the number, date, sum, branch and table are
// the document forms' common ids above.
#define IDC_OFK_PRIM                    1001
#define IDC_OFK_CPEC                    1002
#define IDC_OFK_LS                      1031
#define IDC_OFK_DATE                    1043
#define IDC_OFK_LS_BUTTON               1054
#define IDC_OFK_SER                     1085
#define IDC_OFK_DATE_POL                1087
#define IDC_OFK_N                       1088
#define IDC_OFK_EXPORT                  1126
#define IDC_OFK_LS_NAME                 1134
#define IDC_OFK_FIO                     10101

// Branches (643).
#define IDC_FIL_RUKDOL                  1026
#define IDC_FIL_ADRES                   1027
#define IDC_FIL_NAME                    1034
#define IDC_FIL_CODE                    1144
#define IDC_FIL_CHOOSE                  1145
#define IDC_FIL_KOD_BP                  1177
#define IDC_FIL_RUK                     1228
#define IDC_FIL_RUK_S                   1229

// Journals of operations (634); the number, the grid and the line command
// are the common ids above.
#define IDC_JRN_NAME                    1067
#define IDC_JRN_CHOOSE                  1138
#define IDC_JRN_SB                      1139

// Food norms (652); the grid is the common one above.
#define IDC_NORM_DATE                   1010
#define IDC_NORM_GROUP                  1160

// Settlements: the fields the document forms share (powers of attorney,
// cheque-book application, cash deposit, purchase book, advance report).
#define IDC_SET_NOTE                    1001
#define IDC_SET_SOURCE                  1021
#define IDC_SET_SOURCE_PICK             1022
#define IDC_SET_SOURCE_NAME             1023
#define IDC_SET_ACCOUNT                 1028
#define IDC_SET_ORG_NAME                1031
#define IDC_SET_ACCOUNT_NUMBER          1032
#define IDC_SET_ORG                     1033
#define IDC_SET_DATE_TEXT               1043
#define IDC_SET_NOTE_LABEL              1077
#define IDC_SET_TN                      112
#define IDC_SET_TN_PICK                 1065
#define IDC_SET_FIO                     10101
#define IDC_SET_DELETE                  32790
#define IDC_SET_PRINT                   32792
#define IDC_SET_NEW                     40020

// Cash orders: receipt (504) and expense (503). The branch, number, date,
// sum and lines, the target purpose and the employee are the common ids above.
#define IDC_CO_MAIN_PICK                1018
#define IDC_CO_MAIN                     1020
#define IDC_CO_DOC                      1024
#define IDC_CO_OSN                      1025
#define IDC_CO_PRIL                     1026
#define IDC_CO_PRD0                     1028
#define IDC_CO_PRD0_PICK                1029
#define IDC_CO_PRD0_NAME                1030
#define IDC_CO_PRD1                     1031
#define IDC_CO_PRD1_PICK                1032
#define IDC_CO_PRD1_NAME                1033
#define IDC_CO_PRIM                     1133
#define IDC_CO_KBK_DEBIT_PICK           1160
#define IDC_CO_KBK_CREDIT_PICK          1161
#define IDC_CO_KBK_DEBIT                1164
#define IDC_CO_KBK_CREDIT               1165
#define IDC_CO_OSN_LABEL                1241

// Cash book sheet (template 520 on dialog 450) and the journal of cash
// documents (519); the branch list, its label and button and the dates are
// the report forms' ids above.
#define IDD_PRN_KASSA_BOOK              450
#define IDC_KB_TITLE                    1044
#define IDC_KB_SHEET                    1047
#define IDC_KB_LAST_DAY                 1048
#define IDC_KB_MONTH_COUNT              1049
#define IDC_KB_MONTH_LABEL              1050
#define IDC_KB_YEAR_COUNT               1051
#define IDC_KB_YEAR_LABEL               1052
#define IDC_KB_KBK                      1143
#define IDC_KB_KBK_PICK                 1161

// Advance report (511).
#define IDC_AV_ACCOUNT_PICK             1019
#define IDC_AV_PRD                      1028
#define IDC_AV_TN_PRD                   1030
#define IDC_AV_ICN                      1041
#define IDC_AV_TABS                     1046
#define IDC_AV_PREVIOUS                 1053
#define IDC_AV_SUM                      1054
#define IDC_AV_TN_DOL                   1057
#define IDC_AV_EARLIER_DATE             1058
#define IDC_AV_EARLIER_NUMBER           1059
#define IDC_AV_TOTAL                    1061
#define IDC_AV_B501                     1079
#define IDC_AV_LINES                    1091
#define IDC_AV_ACCOUNT                  1158
#define IDC_AV_KBK_DEBIT_PICK           1160
#define IDC_AV_KBK_CREDIT_PICK          1161
#define IDC_AV_KBK_DEBIT                1164
#define IDC_AV_KBK_CREDIT               1165
#define IDC_AV_DATE                     1010
#define IDC_AV_PRD_NAME                 115
#define IDC_AV_PRD_PICK                 117
#define IDC_AV_RECEIVED                 10051
#define IDC_AV_LBL_TN                   1201
#define IDC_AV_LBL_PRD                  1202
#define IDC_AV_LBL_ICN                  1203
#define IDC_AV_LBL_PREVIOUS             1204
#define IDC_AV_LBL_SUM                  1205
#define IDC_AV_LBL_RECEIVED             1206
#define IDC_AV_LBL_TOTAL                1207
#define IDC_AV_LBL_TN_PRD               1208
#define IDC_AV_LBL_TN_DOL               1209
#define IDC_AV_GRP_EARLIER              1210
#define IDC_AV_LBL_EARLIER_NUMBER       1211
#define IDC_AV_LBL_EARLIER_DATE         1212
#define IDC_AV_LBL_NOTE                 1213

// Power of attorney to receive a cheque (605).
#define IDC_DOVCH_TOTAL                 1015
#define IDC_DOVCH_SERIES                1085
#define IDC_DOVCH_RECEIVE               1087
#define IDC_DOVCH_CHEQUE                1088
#define IDC_DOVCH_CHEQUE_DATE           1089
#define IDC_DOVCH_ACCRUED               1090
#define IDC_DOVCH_LINES                 10051

// Cheque-book application (600).
#define IDC_CB_FIRST                    1081
#define IDC_CB_LAST                     1082
#define IDC_CB_BOOKS                    1083
#define IDC_CB_LEAVES                   1084
#define IDC_CB_SERIES                   1085

// Power of attorney for goods (464).
#define IDC_DOV_VALID                   1041
#define IDC_DOV_DOC_NAME                1042
#define IDC_DOV_DOC_NUMBER              1044
#define IDC_DOV_DOC_DATE                1045
#define IDC_DOV_ORG_PICK                1053
#define IDC_DOV_WORDS                   1079
#define IDC_DOV_GOODS                   10051

// Cash deposit announcement (649).
#define IDC_OB_SUM                      1015
#define IDC_OB_ACCOUNT_PICK             1051
#define IDC_OB_ORG_PICK                 1052

// Purchase book entry (448).
#define IDC_KP_PAID                     1010
#define IDC_KP_ENTRY                    1014
#define IDC_KP_TOTAL                    1015
#define IDC_KP_SOURCE                   1016
#define IDC_KP_INVOICE_DATE             1029
#define IDC_KP_NUMBER                   1030
#define IDC_KP_GTD                      1032
#define IDC_KP_S18                      1034
#define IDC_KP_NOS18                    1035
#define IDC_KP_NOS10                    1036
#define IDC_KP_S10                      1037
#define IDC_KP_NOS20                    1038
#define IDC_KP_S20                      1039
#define IDC_KP_S0                       1040
#define IDC_KP_ACCEPTED                 1046
#define IDC_KP_S00                      1047
#define IDC_KP_SOURCE_NAME              1050
#define IDC_KP_ORG_PICK                 1052

// Sales book entry (449): the purchase book entry's ids but for the date of
// the entry.
#define IDC_KPR_DATE                    1043

// Received invoice (440). The grid is the common lines grid (10051).
#define IDC_SFP_NO_POSTING              1009
#define IDC_SFP_SUPPLIER                1016
#define IDC_SFP_SB1_LABEL               1017
#define IDC_SFP_SB2_LABEL               1018
#define IDC_SFP_SB3_LABEL               1019
#define IDC_SFP_SB1_PICK                1021
#define IDC_SFP_SB2_PICK                1023
#define IDC_SFP_SB3_PICK                1024
#define IDC_SFP_INVOICE_DATE            1029
#define IDC_SFP_NUMBER                  1030
#define IDC_SFP_DATE                    1043
#define IDC_SFP_SUPPLIER_LABEL          1048
#define IDC_SFP_SB1                     1056
#define IDC_SFP_SB2                     1057
#define IDC_SFP_SB3                     1058
#define IDC_SFP_B501                    1069
#define IDC_SFP_TEXT                    1133
#define IDC_SFP_KBK_PICK                1160
#define IDC_SFP_KBK_LABEL               1163
#define IDC_SFP_KBK                     1164
#define IDC_SFP_SUPPLIER_PICK           1196
#define IDC_SFP_SB2_NAME                1198
#define IDC_SFP_SB3_NAME                2001
#define IDC_SFP_SB1_NAME                2002
#define IDC_SFP_NEW                     40022

// Parents' fee accruals (566), receipts (565) and opening balances (560).
#define IDC_ROD_DATE                    1043
#define IDC_ROD_DEBIT                   1061
#define IDC_ROD_DEBIT_PICK              1062
#define IDC_ROD_DEBIT_LABEL             1060
#define IDC_ROD_KBK_DEBIT               1164
#define IDC_ROD_KBK_DEBIT_PICK          1160
#define IDC_ROD_KBK_DEBIT_LABEL         1163
#define IDC_ROD_CREDIT                  1015
#define IDC_ROD_CREDIT_PICK             1018
#define IDC_ROD_KBK_CREDIT              1165
#define IDC_ROD_KBK_CREDIT_PICK         1161
#define IDC_ROD_KBK_CREDIT_LABEL        1162
#define IDC_ROD_SB1                     1021
#define IDC_ROD_SB2                     1022
#define IDC_ROD_SB3                     1023
#define IDC_ROD_SB1_PICK                1063
#define IDC_ROD_SB2_PICK                1041
#define IDC_ROD_SB3_PICK                1042
#define IDC_ROD_SB1_NAME                1064
#define IDC_ROD_SB2_NAME                1065
#define IDC_ROD_SB3_NAME                1066
#define IDC_ROD_SB1_LABEL               1085
#define IDC_ROD_SB2_LABEL               1086
#define IDC_ROD_SB3_LABEL               1087
#define IDC_ROD_CONTENT                 1059
#define IDC_ROD_NOTE                    1001
#define IDC_ROD_NOTE_LABEL              1077
#define IDC_ROD_THROUGH                 1068
#define IDC_ROD_FILL                    1106
#define IDC_ROD_RELOAD                  1108
#define IDC_ROD_DELETE                  32790
#define IDC_ROD_MAIN                    1020
#define IDC_ROD_MAIN_PICK               1018
#define IDC_ROD_OST_RELOAD              1106

// Materials receipt and opening balances of materials (564).
#define IDC_MP_NOTE                     1001
#define IDC_MP_DATE                     1010
#define IDC_MP_DEBIT_PICK               1014
#define IDC_MP_CREDIT                   1015
#define IDC_MP_CREDIT_PICK              1016
#define IDC_MP_SB1_LABEL                1017
#define IDC_MP_SB2_LABEL                1018
#define IDC_MP_SB3_LABEL                1019
#define IDC_MP_SB1                      1020
#define IDC_MP_SB1_PICK                 1021
#define IDC_MP_SB2                      1022
#define IDC_MP_SB2_PICK                 1023
#define IDC_MP_SB3_PICK                 1024
#define IDC_MP_SB3                      1025
#define IDC_MP_SB1_NAME                 1029
#define IDC_MP_SB2_NAME                 1030
#define IDC_MP_SB3_NAME                 1031
#define IDC_MP_CREDIT_LABEL             1048
#define IDC_MP_B501                     1069
#define IDC_MP_VAT_SUM                  1095
#define IDC_MP_VAT                      1096
#define IDC_MP_VAT_SUM_LABEL            1097
#define IDC_MP_VAT_RATE                 1098
#define IDC_MP_VAT_RATE_LABEL           1099
#define IDC_MP_B106                     1151
#define IDC_MP_NO_RECALC                1152
#define IDC_MP_DEBIT                    1158
#define IDC_MP_KBK_DEBIT_PICK           1160
#define IDC_MP_KBK_CREDIT_PICK          1161
#define IDC_MP_KBK_CREDIT_LABEL         1162
#define IDC_MP_KBK_DEBIT                1164
#define IDC_MP_KBK_CREDIT               1165
#define IDC_MP_DELETE                   32790

// Fixed-asset purchase (501): the supplier's account with its analytic
// values and KBK, the correspondence boxes, the VAT and the three acceptance
// forms; the branch is IDC_FIL, the number IDC_NUMBER, the grid IDC_LINES.
#define IDC_OP_NOTE                     1001
#define IDC_OP_DATE                     1010
#define IDC_OP_CREDIT                   1015
#define IDC_OP_CREDIT_PICK              1016
#define IDC_OP_SB1_LABEL                1017
#define IDC_OP_SB2_LABEL                1018
#define IDC_OP_SB3_LABEL                1019
#define IDC_OP_SB1_PICK                 1021
#define IDC_OP_SB2_PICK                 1023
#define IDC_OP_SB3_PICK                 1024
#define IDC_OP_SB1_NAME                 1029
#define IDC_OP_SB2_NAME                 1030
#define IDC_OP_SB3_NAME                 1031
#define IDC_OP_SB1                      1056
#define IDC_OP_SB2                      1057
#define IDC_OP_SB3                      1058
#define IDC_OP_TEXT                     1059
#define IDC_OP_B106                     1068
#define IDC_OP_B501                     1069
#define IDC_OP_VAT_SUM                  1095
#define IDC_OP_VAT                      1096
#define IDC_OP_VAT_SUM_LABEL            1097
#define IDC_OP_VAT_RATE                 1098
#define IDC_OP_VAT_RATE_LABEL           1099
#define IDC_OP_KBK_PICK                 1160
#define IDC_OP_KBK                      1164
#define IDC_OP_PRINT_OS1                32792
#define IDC_OP_PRINT_OS1B               32826
#define IDC_OP_PRINT_OS1A               32828

// Agreement of full material liability (500): the employee is IDC_SET_TN
// with its chooser and name, the branch IDC_FIL, the number IDC_NUMBER.
#define IDC_DMO_NOTE                    1001
#define IDC_DMO_DATE                    1043
#define IDC_DMO_JOB                     1055
#define IDC_DMO_TXT                     1133

// Materials write-off (373).
#define IDC_MS_NOTE                     1001
#define IDC_MS_DATE                     1010
#define IDC_MS_ZAB_PICK                 1015
#define IDC_MS_CREDIT_PICK              1018
#define IDC_MS_DEBIT_PICK               1019
#define IDC_MS_CREDIT                   1020
#define IDC_MS_SB1                      1021
#define IDC_MS_SB1_PICK                 1022
#define IDC_MS_SB2_LABEL                1023
#define IDC_MS_SB2                      1024
#define IDC_MS_SB2_PICK                 1025
#define IDC_MS_SB3_LABEL                1026
#define IDC_MS_SB3                      1027
#define IDC_MS_SB3_PICK                 1028
#define IDC_MS_SB1_NAME                 1073
#define IDC_MS_SB2_NAME                 1074
#define IDC_MS_SB3_NAME                 1075
#define IDC_MS_SB1_LABEL                1076
#define IDC_MS_ZAB                      1137
#define IDC_MS_NO_RECALC                1152
#define IDC_MS_WHOM                     1153
#define IDC_MS_WHOM_PICK                1154
#define IDC_MS_WHOM_NAME                1155
#define IDC_MS_DEBIT                    1158
#define IDC_MS_KBK_DEBIT_PICK           1160
#define IDC_MS_KBK_CREDIT_PICK          1161
#define IDC_MS_KBK_DEBIT                1164
#define IDC_MS_KBK_CREDIT               1165
#define IDC_MS_PRINT_230                32792
#define IDC_MS_PRINT_210                32826
#define IDC_MS_PRINT_143                32828
#define IDC_MS_DELETE                   32790

// Issued invoice (482). The branch, date, number and sum, the buyer and its
// name, and the lines are the common ids above.
#define IDC_SF_NOTE                     1001
#define IDC_SF_PAYDOC_NUMBER            1006
#define IDC_SF_NO_POSTING               1009
#define IDC_SF_PAYDOC_DATE              1013
#define IDC_SF_REAL_ID                  1014
#define IDC_SF_PAID                     1016
#define IDC_SF_DEBIT_PICK               1018
#define IDC_SF_CREDIT_PICK              1019
#define IDC_SF_DEBIT                    1020
#define IDC_SF_LS                       1028
#define IDC_SF_ACTIVITY                 1029
#define IDC_SF_LS_NAME                  1032
#define IDC_SF_SB1_LABEL                1034
#define IDC_SF_SB1                      1035
#define IDC_SF_SB2_LABEL                1036
#define IDC_SF_SB2                      1037
#define IDC_SF_SB3_LABEL                1038
#define IDC_SF_SB3                      1039
#define IDC_SF_SB1_PICK                 1040
#define IDC_SF_SB2_PICK                 1041
#define IDC_SF_SB3_PICK                 1042
#define IDC_SF_CONSIGNEE                1044
#define IDC_SF_CONSIGNEE_NAME           1045
#define IDC_SF_LIST                     1050
#define IDC_SF_LS_PICK                  1051
#define IDC_SF_BUYER_PICK               1052
#define IDC_SF_CONSIGNEE_PICK           1053
#define IDC_SF_NEXT_NUMBER              1063
#define IDC_SF_SAMPLE_SHOWN             1092
#define IDC_SF_SAMPLE                   1093
#define IDC_SF_SAMPLE_LABEL             1094
#define IDC_SF_ACTIVITY_LABEL           1156
#define IDC_SF_ACTIVITY_PICK            1157
#define IDC_SF_CREDIT                   1158
#define IDC_SF_ACTIVITY_NAME            1159
#define IDC_SF_KBK_DEBIT_PICK           1160
#define IDC_SF_KBK_CREDIT_PICK          1161
#define IDC_SF_KBK_CREDIT_LABEL         1162
#define IDC_SF_KBK_DEBIT_LABEL          1163
#define IDC_SF_KBK_DEBIT                1164
#define IDC_SF_KBK_CREDIT               1165
#define IDC_SF_DELETE                   32790
#define IDC_SF_PRINT_INVOICE            32792
#define IDC_SF_PRINT_BILL               32826
#define IDC_SF_PRINT_CERTIFICATE        32828
#define IDC_SF_COPY                     40018

// The parameter form of the registers and books of invoices (494): the
// branch, the period (the report forms' dates above) and the source of
// financing with its name.
#define IDC_PRN_SOURCE                  1016
#define IDC_PRN_SOURCE_NAME             1050

// The catering menu requirement (651): header, the categories of people fed
// (10051) and the products (10052).
#define IDC_MT_NOTE                     1001
#define IDC_MT_DATE                     1010
#define IDC_MT_CREDIT_PICK              1018
#define IDC_MT_DEBIT_PICK               1019
#define IDC_MT_CREDIT                   1020
#define IDC_MT_SB1                      1021
#define IDC_MT_SB1_PICK                 1022
#define IDC_MT_ICN                      1023
#define IDC_MT_SB2_LABEL                1024
#define IDC_MT_SB2                      1025
#define IDC_MT_SB2_PICK                 1026
#define IDC_MT_SB3_LABEL                1027
#define IDC_MT_SB3                      1028
#define IDC_MT_SB3_PICK                 1029
#define IDC_MT_SB1_NAME                 1073
#define IDC_MT_SB2_NAME                 1074
#define IDC_MT_SB3_NAME                 1075
#define IDC_MT_SB1_LABEL                1076
#define IDC_MT_NOTE_LABEL               1077
#define IDC_MT_MEAL                     1116
#define IDC_MT_DEBIT                    1158
#define IDC_MT_KBK_DEBIT_PICK           1160
#define IDC_MT_KBK_CREDIT_PICK          1161
#define IDC_MT_KBK_DEBIT                1164
#define IDC_MT_KBK_CREDIT               1165
#define IDC_MT_CATEGORIES               10051
#define IDC_MT_PRODUCTS                 10052
#define IDC_MT_PRINT                    32792

// The inventory list of materials (629) and the accounting cards of material
// values (508): the source of financing, the grid and the three card forms;
// the branch is IDC_FIL, the responsible person IDC_SET_TN with its chooser
// and name.
#define IDC_MK_SOURCE                   1016
#define IDC_MK_GRID                     10051
#define IDC_MK_PRINT_041                32792
#define IDC_MK_PRINT_042                32826
#define IDC_MK_PRINT_043                32828

// Transfers between responsible persons (604 materials, 603 fixed assets):
// the sender is IDC_FIL, IDC_SET_TN with its chooser and name, the number
// IDC_NUMBER.
#define IDC_MTM_NOTE                    1001
#define IDC_MTM_DATE                    1043
#define IDC_MTM_ICN                     1059
#define IDC_MTM_TN2                     113
#define IDC_MTM_TN2_PICK                1066
#define IDC_MTM_FIO2                    10102
#define IDC_MTM_FIL2                    1116
#define IDC_MTM_KBK1                    1166
#define IDC_MTM_KBK1_PICK               1161
#define IDC_MTM_KBK2                    1164
#define IDC_MTM_KBK2_PICK               1160
#define IDC_MTM_LIST                    1168
#define IDC_MTM_LIST_PICK               1162
#define IDC_MTM_MODE0                   1174
#define IDC_MTM_MODE1                   1175
#define IDC_MTM_DELETE                  32790
// The write-off of fixed assets (628): the header's fields, the grid of
// assets and quantities and the four acts; the branch is IDC_FIL, the number
// IDC_NUMBER, the grid IDC_LINES.
#define IDC_OSS_NOTE                    1001
#define IDC_OSS_DATE                    1010
#define IDC_OSS_DEBIT_PICK              1014
#define IDC_OSS_ZAB_PICK                1015
#define IDC_OSS_EKR_PICK                1020
#define IDC_OSS_PRIM                    1059
#define IDC_OSS_PRICH                   1060
#define IDC_OSS_PRIK                    1061
#define IDC_OSS_NOTE_LABEL              1077
#define IDC_OSS_PRINT_4B                1086
#define IDC_OSS_EKR                     1095
#define IDC_OSS_DEBIT                   1136
#define IDC_OSS_ZAB                     1137
#define IDC_OSS_KBK_PICK                1160
#define IDC_OSS_KBK                     1164
#define IDC_OSS_PRINT_4                 32792
#define IDC_OSS_PRINT_4A                32793
#define IDC_OSS_PRINT_143               32826

// The inventory cards of fixed assets (585) and their list (591): the source
// of financing, the grid, the department and the value bounds; the branch is
// IDC_FIL, the responsible person IDC_SET_TN with its chooser and name.
#define IDC_OSK_SOURCE                  1016
#define IDC_OSK_PRD                     1028
#define IDC_OSK_PRD_PICK                1029
#define IDC_OSK_PRD_NAME                1030
#define IDC_OSK_FROM                    1170
#define IDC_OSK_TO                      1171
#define IDC_OSK_GRID                    10051
#define IDC_OSK_PRINT                   32792

// The waybill of fixed assets and materials (607, also template 641): the
// box "do not post", the basis, the recipient's and the sender's account with
// their KBK and three analytic values each, the items grid and the note.
#define IDC_ON_NOTE                     1001
#define IDC_ON_NO_POSTING               1009
#define IDC_ON_DATE                     1010
#define IDC_ON_DEBIT_PICK               1014
#define IDC_ON_CREDIT_PICK              1015
#define IDC_ON_DEBIT_SB1                1021
#define IDC_ON_CREDIT_SB1               1022
#define IDC_ON_DEBIT_SB2_LABEL          1023
#define IDC_ON_DEBIT_SB2                1024
#define IDC_ON_DEBIT_SB2_PICK           1025
#define IDC_ON_DEBIT_SB3_LABEL          1026
#define IDC_ON_DEBIT_SB3                1027
#define IDC_ON_DEBIT_SB3_PICK           1028
#define IDC_ON_CREDIT_SB2_LABEL         1029
#define IDC_ON_CREDIT_SB2               1030
#define IDC_ON_CREDIT_SB2_PICK          1031
#define IDC_ON_CREDIT_SB3_LABEL         1032
#define IDC_ON_CREDIT_SB3               1033
#define IDC_ON_CREDIT_SB3_PICK          1034
#define IDC_ON_ICN                      1059
#define IDC_ON_DEBIT_SB1_LABEL          1076
#define IDC_ON_NOTE_LABEL               1077
#define IDC_ON_CREDIT_SB1_LABEL         1078
#define IDC_ON_DEBIT_SB1_PICK           1101
#define IDC_ON_CREDIT_SB1_PICK          1103
#define IDC_ON_SENDER_LABEL             1104
#define IDC_ON_RECIPIENT_LABEL          1105
#define IDC_ON_DEBIT                    1158
#define IDC_ON_CREDIT                   1159
#define IDC_ON_KBK_DEBIT_PICK           1160
#define IDC_ON_KBK_CREDIT_PICK          1161
#define IDC_ON_KBK_DEBIT_LABEL          1163
#define IDC_ON_KBK_DEBIT                1164
#define IDC_ON_KBK_CREDIT_LABEL         1165
#define IDC_ON_KBK_CREDIT               1166
#define IDC_ON_DELETE                   32790
#define IDC_ON_PRINT                    32792

// The depreciation run (507): the operation date is IDC_DATE; the debit
// accounts of other sources and of source 2 with their choosers; the date
// a card's depreciation starts from.
#define IDC_IZ_DEBIT                    1158
#define IDC_IZ_DEBIT_PICK               1019
#define IDC_IZ_DEBIT2                   1071
#define IDC_IZ_DEBIT2_PICK              1072
#define IDC_IZ_TYPE_POST                1174
#define IDC_IZ_TYPE_EKSPL               1175

// The opening balances of fixed assets: template 521 on dialog 505, the
// branch IDC_FIL and the date IDC_DATE_AFTER.
#define IDD_OS_NACH_OST                 505

// The inventory list of fixed assets (506): the branch is IDC_FIL, the
// responsible person IDC_SET_TN with its chooser and name; the department
// with its chooser and name, the source of financing, the accounts, "Все
// сразу" and the three value bands.
#define IDC_OI_SOURCE                   1016
#define IDC_OI_PRD                      1028
#define IDC_OI_PRD_PICK                 1029
#define IDC_OI_PRD_NAME                 1030
#define IDC_OI_GRID                     10051
#define IDC_OI_ALL                      1079
#define IDC_OI_BAND_LOW                 1000
#define IDC_OI_BAND_MID                 1001
#define IDC_OI_BAND_HIGH                1002

// The journal of operations (template 517 on dialog 446): the journal's code,
// number and name with its chooser, the branches, the period, the source of
// financing with its name, the KBK list, the accounts grid and its clearing,
// the breakdown ("Раскрывать субконто") with the three analytic filters (a
// caption, the codes and a chooser each), "раскрывать КБК".
#define IDD_PRN_JRN_KASSA               446
#define IDC_JO_FROM                     1010
#define IDC_JO_TO                       1011
#define IDC_JO_SOURCE                   1016
#define IDC_JO_EXPAND                   1021
#define IDC_JO_SB1_LABEL                1034
#define IDC_JO_SB1                      1035
#define IDC_JO_SB2_LABEL                1036
#define IDC_JO_SB2                      1037
#define IDC_JO_SB3_LABEL                1038
#define IDC_JO_SB3                      1039
#define IDC_JO_SB1_PICK                 1040
#define IDC_JO_SB2_PICK                 1041
#define IDC_JO_SB3_PICK                 1042
#define IDC_JO_JOURNAL_PICK             1046
#define IDC_JO_SOURCE_NAME              1050
#define IDC_JO_FILTER_FRAME             1054
#define IDC_JO_NAME                     1067
#define IDC_JO_KBK_SHOW                 1079
#define IDC_JO_EXPAND_LABEL             1085
#define IDC_JO_NUMBER                   1102
#define IDC_JO_CODE                     1140
#define IDC_JO_KBK                      1143
#define IDC_JO_KBK_PICK                 1161
#define IDC_JO_CLEAR                    1163
#define IDC_JO_ACCOUNTS                 10051

// Official reporting forms on dialogs of their own: the accounts of 0503125
// (662), the options of 0503127 (663) with its second KBK's answer, the
// closing reference 0503110 (654) and 0503168 (660).
#define IDD_PRN_0503125_08              662
#define IDD_PRN_0503127                 663
#define IDD_PRN_0503130_SB              654
#define IDD_PRN_0503168                 660
#define IDC_OF_ACCOUNTS_LABEL           1090
#define IDC_OF_ACCOUNTS                 1091
#define IDC_OF_EXPAND                   1079
#define IDC_OF_304_05                   1176
#define IDC_OF_SHOW_FRAME               1177
#define IDC_OF_PPP                      1178
#define IDC_OF_SECTION                  1179
#define IDC_OF_TARGET                   1180
#define IDC_OF_KIND                     1181
