#include "GridColumnWidths.h"

#include <QHeaderView>
#include <QTableView>

namespace gridbase {

std::vector<int> RatioWidths(const std::vector<int>& given, const std::vector<bool>& hidden, int available)
{
    std::vector<int> widths(given.size(), 0);
    long long total = 0;
    int last = -1;
    for (std::size_t c = 0; c < given.size(); ++c) {
        if (!hidden[c]) {
            total += std::max(1, given[c]);
            last = static_cast<int>(c);
        }
    }
    if (total == 0 || available <= 0)
        return widths;
    int used = 0;
    for (std::size_t c = 0; c < given.size(); ++c) {
        if (hidden[c])
            continue;
        widths[c] = static_cast<int>(static_cast<long long>(std::max(1, given[c])) * available / total);
        used += widths[c];
    }
    widths[static_cast<std::size_t>(last)] += available - used;
    return widths;
}

void ApplyColumnWidths(QTableView* view, const std::vector<int>& given, const std::vector<bool>& hidden,
                       bool keepRatio)
{
    QHeaderView* header = view->horizontalHeader();
    const std::vector<int> widths = keepRatio ? RatioWidths(given, hidden, view->viewport()->width()) : given;
    for (std::size_t c = 0; c < given.size(); ++c) {
        const int column = static_cast<int>(c);
        view->setColumnHidden(column, hidden[c]);
        if (!hidden[c] && header->sectionSize(column) != widths[c])
            header->resizeSection(column, std::max(1, widths[c]));
    }
}

} // namespace gridbase
