// The layout of a Cellwork grid written in its dialog template control's text
// (the syntax is in CCellwork.h): the grid's options and its columns.
#pragma once
#include <QString>

namespace gridbase {

class CellworkView;

// Lays the grid out from the text; an item it does not know is reported with
// the control's id and passed over.
void ApplyCellworkLayout(CellworkView* view, const QString& text, int controlId);

} // namespace gridbase
