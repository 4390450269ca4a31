// The one public header of the grid and formatting library: the serialized
// grid and the text helpers, numbers and dates as the forms write them, the
// SQL dialect helpers and the program's surroundings; the grid controls.
#pragma once
#include "afx.h"

#include "GridText.h"
#include "MakeParam.h"
#include "GridNumbers.h"
#include "GridDates.h"
#include "GridSql.h"
#include "GridEnvironment.h"
#include "GridPictures.h"
#include "CCellwork.h"
#include "GridSerialize.h"
#include "CRowsheet.h"
