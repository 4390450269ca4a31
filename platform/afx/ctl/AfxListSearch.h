// The search of list and combo boxes: a case-insensitive prefix or whole-text
// match after a start index, wrapping round, as Windows does.
#pragma once
#include <QString>
#include <functional>

// -1 when no item matches; start < 0 searches from the first item.
int AfxFindListItem(int count, const std::function<QString(int)>& textAt, int start, const QString& text, bool exact);
