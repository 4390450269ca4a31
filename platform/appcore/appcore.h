// The one public header of the application core.
#pragma once

// The date field and the check list that the core's contracts name are the
// dialog kit's classes (CderivedDTimeCtrl, CderivedCheckListBox).
#include "dlgkit.h"

#include "CDataArchive.h"
#include "CDocProvView.h"
#include "CDocumentView.h"
#include "CFormGridView.h"
#include "CReportView.h"
#include "CconfigDocument.h"
#include "CderivedDocument.h"
#include "CderivedFormview.h"
#include "CderivedFrame.h"
#include "CHelpers.h"
#include "CInterpriter.h"
#include "CModuleLoader.h"
#include "CSprPickerDlg.h"
#include "ChoiceDelivery.h"
#include "ConfigGlobals.h"
#include "DocumentKinds.h"
#include "FormScript.h"
#include "MakeParam.h"
#include "ModuleEntry.h"
#include "ScriptHooks.h"
#include "ScriptReadCache.h"
#include "ScriptUserHooks.h"
#include "SingleInstance.h"
#include "StringCipher.h"
#include "UserSession.h"
