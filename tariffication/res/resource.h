// Ids of the resources of the tariffication module nVenzol: the templates of
// its views (the template's string has the view's document name as its second
// field; each view is built on the dialog of the same id) and the controls of
// its forms.
#pragma once

#include "StaffFormIds.h"

// Templates and dialogs, in the order the module registers them.
#define IDD_PRN_VENZOL_SVOD             571
#define IDD_VENZ_SPR_DOL                493
#define IDD_NIP_LIST                    303
#define IDD_NIP_VIEW_VENZ               561
#define IDD_PRN_VENZOL                  306

// The employee's position list.
#define IDC_NIP_LIST_GRID               10051

// The tariffication assignment form: its pay fields beside the appointment
// fields (StaffFormIds.h), named after the columns of perso_tn_nip they hold;
// the form type with its chooser and name, and the three check boxes.
#define IDC_VENZ_VF                     415
#define IDC_VENZ_VF_BTN                 111
#define IDC_VENZ_VF_NAME                116
#define IDC_VENZ_KOF                    2009
#define IDC_VENZ_OKL                    2016
#define IDC_VENZ_ZAS_RAB                2014
#define IDC_VENZ_ZAS_VR                 2015
#define IDC_VENZ_PREMIYA                2012
#define IDC_VENZ_RAZ1                   2005
#define IDC_VENZ_RAZ2                   2006
#define IDC_VENZ_RAZ3                   2007
#define IDC_VENZ_DATE_KAT               2002
#define IDC_VENZ_NO_KAT                 2013
#define IDC_VENZ_PR_RAB                 2003
#define IDC_VENZ_PR_ZV                  2004
#define IDC_VENZ_PLUS_KAT               2017
#define IDC_VENZ_PLUS_UCH_ST            2018
#define IDC_VENZ_PLUS_OPAS              2019
#define IDC_VENZ_PLUS_DOPL              2020
#define IDC_VENZ_PLUS_ZV                2021
#define IDC_VENZ_UCH                    2008
#define IDC_VENZ_UCH_VRED               2010
#define IDC_VENZ_UCH_STAJ               2011

// The staff position book: the position's code and name are the form base's
// position fields (IDC_DOL, IDC_DOL_BTN, IDC_DOL_NAME, editable here).
#define IDC_SPR_DOL_KAT                 1084
#define IDC_SPR_DOL_RAZ                 1085
#define IDC_SPR_DOL_VR                  1086
#define IDC_SPR_DOL_GR                  2018
#define IDC_SPR_DOL_GR_BTN              1082
#define IDC_SPR_DOL_GRID                10051
#define IDC_SPR_DOL_WHO                 1171

// The tariffication list's print form: the four members of the commission
// (personnel number, name, chooser), the dates, the statements and forms
// grids and the two options.
#define IDC_PRN_CHLEN1                  112
#define IDC_PRN_CHLEN2                  113
#define IDC_PRN_CHLEN3                  114
#define IDC_PRN_CHLEN4                  115
#define IDC_PRN_CHLEN1_NAME             10101
#define IDC_PRN_CHLEN2_NAME             10102
#define IDC_PRN_CHLEN3_NAME             10103
#define IDC_PRN_CHLEN4_NAME             10104
#define IDC_PRN_CHLEN1_BTN              1018
#define IDC_PRN_CHLEN2_BTN              1019
#define IDC_PRN_CHLEN3_BTN              1020
#define IDC_PRN_CHLEN4_BTN              1021
#define IDC_PRN_D1                      1010
#define IDC_PRN_D2                      1011
#define IDC_PRN_NV_GRID                 2001
#define IDC_PRN_VF_GRID                 2000
#define IDC_PRN_FIO_FULL                2014
#define IDC_PRN_VREDN                   2017
