#include "CderivedTabCtrl.h"

IMPLEMENT_DYNAMIC(CderivedTabCtrl, CTabCtrl)
