// The one public header of the shared views library: the choosers of
// employees, accounts, reference books and documents that the modules open,
// the fragment searches of the form bases, the selection forms of
// employees, departments and pay sheets, and the inventory cards of fixed
// assets.
#pragma once

#include "CExtFuncs.h"
#include "CPrnOsInvKart.h"
#include "CSelectPRDDoc.h"
#include "CSelectPRDFrame.h"
#include "CSelectPRDView.h"
#include "CSelectPrdNvView.h"
#include "CSelectTN.h"
#include "CSelectionView.h"
#include "FragmentSearch.h"
