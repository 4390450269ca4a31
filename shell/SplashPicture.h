// Which picture the splash window shows on a day.
#pragma once
#include "afx.h"

// The winter picture (1011) from 2 December to 14 January, the usual one
// (102) on every other day.
UINT SplashPictureId(int month, int day);
