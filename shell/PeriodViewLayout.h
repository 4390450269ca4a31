// What the two period views share: the value they leave in their document,
// and the layout that keeps the grid between the year above it and the
// buttons below, whatever the frame's size.
#pragma once
#include "afx.h"

class CCellwork;

// Set in the views' document before their initial update.
constexpr int kPeriodViewFlag = 514;

// The grid fills the view from `top` pixels below its top to 80 pixels above
// its bottom, keeping its left margin on both sides; the buttons below it
// keep their places counted from the view's bottom.
void LayOutPeriodView(CWnd* view, CCellwork& grid, int top);
