// CderivedDTimeCtrl: the forms' date field (the date-time picker), bound with
// DDX_DateTimeCtrl into a COleDateTime. With DTS_SHOWNONE in its template it
// may be empty: the value read is then an invalid COleDateTime, and setting
// an invalid one empties it.
#pragma once
#include "afx.h"

class CderivedDTimeCtrl : public CDateTimeCtrl {
    DECLARE_DYNAMIC(CderivedDTimeCtrl)
};
