// Column widths of the grid controls. A grid keeps the widths it was given
// (in pixels); with KeepRatio on, the shown columns share the grid's width in
// the ratio of those widths, so a resized form needs no horizontal scrolling.
#pragma once
#include <vector>

class QTableView;

namespace gridbase {

// The widths that fill `available` pixels in the ratio of `given`; hidden
// columns get 0, and the last shown column takes what rounding leaves over.
std::vector<int> RatioWidths(const std::vector<int>& given, const std::vector<bool>& hidden, int available);

// Sets the header sections of the view: the given widths, or their ratio of
// the viewport's width, and the hidden columns hidden.
void ApplyColumnWidths(QTableView* view, const std::vector<int>& given, const std::vector<bool>& hidden,
                       bool keepRatio);

} // namespace gridbase
