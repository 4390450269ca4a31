#include "CellworkRowHeader.h"

#include "CellworkModel.h"
#include "CellworkView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace gridbase {

namespace {

const int kCheckBox = 13;

} // namespace

CellworkRowHeader::CellworkRowHeader(CellworkView* view) : QHeaderView(Qt::Vertical, view), m_view(view)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(true);
    setHighlightSections(false);
}

void CellworkRowHeader::setChecks(bool on)
{
    m_checks = on;
    if (on && m_width < kCheckBox + 6)
        setWidth(20);
    viewport()->update();
}

void CellworkRowHeader::setWidth(int width)
{
    m_width = std::max(0, width);
    setVisible(m_width > 0);
    updateGeometry();
    if (auto* table = qobject_cast<QTableView*>(parentWidget()))
        table->updateGeometry();
    m_view->refreshGeometries();
}

QSize CellworkRowHeader::sizeHint() const
{
    // The table takes only the width of its row header's hint. Qt's own hint
    // measures the headers of up to 200 rows from their contents after every
    // change of the rows, which each refill of the grid paid for.
    return QSize(m_width, defaultSectionSize());
}

void CellworkRowHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    // The style's header drawing leaves the painter clipped to nothing.
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    const CellworkModel* cells = m_view->cells();
    if (!cells->validRow(logicalIndex))
        return;
    const CellworkRow& row = cells->row(logicalIndex);
    int x = rect.left() + 3;
    if (m_checks) {
        QStyleOptionButton box;
        box.initFrom(this);
        box.rect = QRect(x, rect.top() + (rect.height() - kCheckBox) / 2, kCheckBox, kCheckBox);
        box.state = QStyle::State_Enabled | (row.checked ? QStyle::State_On : QStyle::State_Off);
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, this);
        x += kCheckBox + 2;
    }
    if (!row.icon.isNull() && x < rect.right()) {
        const int side = std::min(rect.height() - 2, 16);
        const QRect target(x, rect.top() + (rect.height() - side) / 2, side, side);
        painter->drawPixmap(target.intersected(rect), row.icon.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

void CellworkRowHeader::mousePressEvent(QMouseEvent* event)
{
    const int row = logicalIndexAt(event->position().toPoint());
    if (m_checks && event->button() == Qt::LeftButton && m_view->cells()->validRow(row)) {
        m_view->toggleCheckByUser(row);
        event->accept();
        return;
    }
    QHeaderView::mousePressEvent(event);
}

} // namespace gridbase
