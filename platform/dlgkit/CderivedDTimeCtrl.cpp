#include "CderivedDTimeCtrl.h"

IMPLEMENT_DYNAMIC(CderivedDTimeCtrl, CDateTimeCtrl)
