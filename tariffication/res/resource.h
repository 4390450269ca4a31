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
