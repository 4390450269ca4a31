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

// The calendar list's grid of days.
#define IDC_SPR_SUB_GRID                10051

// The day time sheet: the day and its weekday, the department, the grid of
// marks and the hidden edit the chooser of the marks answers into. The
// position time sheet shows its assignment in the form base's fields and has
// the same grid and hidden edit.
#define IDC_TRV_DAY                     1066
#define IDC_TRV_WEEKDAY                 1005
#define IDC_TRV_PRD                     1086
#define IDC_TRV_GRID                    10051
#define IDC_TRV_CODE                    1009

// The time sheet print: its dates, departments and the two tick buttons.
#define IDC_PRN_TRV_D1                  1010
#define IDC_PRN_TRV_D2                  1011
#define IDC_PRN_TRV_GRID                10052
#define IDC_PRN_TRV_ALL                 1129
#define IDC_PRN_TRV_CLEAR               1130

// The string of the tariffication module's position list, kept here.
#define IDS_NIP_LIST                    303

// The personal card: its fields beside those of the form base (StaffFormIds.h),
// named after the columns of tn they hold, the names of its codes, the
// buttons of its choosers and the photo.
#define IDC_LK_MROSN                    1218
#define IDC_LK_POL                      1020
#define IDC_LK_F                        1101
#define IDC_LK_I                        1172
#define IDC_LK_O                        1173
#define IDC_LK_DR                       1090
#define IDC_LK_MR1                      1219
#define IDC_LK_DA1                      1202
#define IDC_LK_DAD                      1013
#define IDC_LK_DAKOR                    1216
#define IDC_LK_DAKV                     1217
#define IDC_LK_DAYL                     1214
#define IDC_LK_KV1                      1201
#define IDC_LK_NSR                      1135
#define IDC_LK_NSR_U                    1137
#define IDC_LK_NOP                      1199
#define IDC_LK_SERP                     1198
#define IDC_LK_TEL                      1220
#define IDC_LK_UZ1                      1158
#define IDC_LK_FAK                      1180
#define IDC_LK_GO                       1221
#define IDC_LK_SP                       1222
#define IDC_LK_KV                       1181
#define IDC_LK_NO                       1182
#define IDC_LK_OT                       1183
#define IDC_LK_OPR                      1184
#define IDC_LK_OS                       1136
#define IDC_LK_PENS                     1223
#define IDC_LK_NS                       1188
#define IDC_LK_SRPS                     1190
#define IDC_LK_SRPD                     1189
#define IDC_LK_PMR1                     1159
#define IDC_LK_DRB                      1191
#define IDC_LK_PU                       1094
#define IDC_LK_INV                      1032
#define IDC_LK_DVPUS                    1200
#define IDC_LK_DU                       1113
#define IDC_LK_INN                      1147
#define IDC_LK_SNO                      1120
#define IDC_LK_DNBS                     2000
#define IDC_LK_DNBS_U                   2003
#define IDC_LK_DOL_BTN                  1186
#define IDC_LK_NN_NAME                  1176
#define IDC_LK_OB_NAME                  1179
#define IDC_LK_SPL_NAME                 1194
#define IDC_LK_DAREG_NAME               1204
#define IDC_LK_DARAYON_NAME             1207
#define IDC_LK_DA2_NAME                 1210
#define IDC_LK_DANP_NAME                1213
#define IDC_LK_ELEM_BTN                 1215
#define IDC_LK_PHOTO                    1117
#define IDC_LK_PHOTO_SELECT             2001
#define IDC_LK_PHOTO_CLEAR              2002
// The address element a chooser answers, as the element's id text.
#define WM_LK_ELEM_PICKED               0x46F
