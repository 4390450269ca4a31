// The controls of the act of reconciliation (dialog 594), the statement of
// off-balance accounts (dialog 563) and the summary of postings (dialog 646)
// beside the branch list IDC_FILS and the dates IDC_DATE1 and IDC_DATE2 of
// res/resource.h; the resource script names them with the same numbers
// before the dialogs.
#pragma once

// The act of reconciliation.
#define IDC_AS_KBK 1143
#define IDC_AS_KBK_PICK 1161
#define IDC_AS_KBK_LABEL 1162
#define IDC_AS_CONTR 1033
#define IDC_AS_CONTR_PICK 1052
#define IDC_AS_CONTR_NAME 1031
#define IDC_AS_PRD 1028
#define IDC_AS_PRD_LABEL 1147
#define IDC_AS_PRD_PICK 117
#define IDC_AS_PRD_NAME 115
#define IDC_AS_EXPAND 1079

// The statement of off-balance accounts.
#define IDC_ZS_FIL 1115
#define IDC_ZS_ACCOUNTS 10051

// The summary of postings by account.
#define IDC_SP_ACCOUNT 1020
#define IDC_SP_ACCOUNT_PICK 1018
#define IDC_SP_KBK 1143
#define IDC_SP_KBK_PICK 1161
#define IDC_SP_DIMENSION 1021
#define IDC_SP_SPLIT 1079
