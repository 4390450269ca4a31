// The row headers of a Cellwork grid: a narrow strip left of the rows that
// shows each row's icon and, when the grid has them, its check mark. A click
// on a row's header, or Space in the grid, ticks the row (event 17).
#pragma once
#include <QHeaderView>

namespace gridbase {

class CellworkView;

// Named in a public header (a friend or a pointer there), which would export it;
// it stays inside the library.
class __attribute__((visibility("hidden"))) CellworkRowHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit CellworkRowHeader(CellworkView* view);

    void setChecks(bool on);
    bool checks() const { return m_checks; }
    // The strip's width in pixels; 0 hides it.
    void setWidth(int width);
    int width0() const { return m_width; }
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CellworkView* m_view;
    bool m_checks = false;
    int m_width = 20;
};

} // namespace gridbase
