// The controls of the main book's form (dialog 510) beside the branch list
// IDC_FILS and the dates IDC_DATE1 and IDC_DATE2 of res/resource.h; the
// resource script names them with the same numbers before the dialog.
#pragma once

#define IDC_GK_ACCOUNT 1020
#define IDC_GK_ACCOUNT_PICK 1018
#define IDC_GK_KBK 1143
#define IDC_GK_KBK_PICK 1161
#define IDC_GK_KBK_LABEL 1162
#define IDC_GK_ALL 1090
