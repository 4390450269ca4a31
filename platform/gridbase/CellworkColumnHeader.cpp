#include "CellworkColumnHeader.h"

#include <QStyle>

namespace gridbase {

CellworkColumnHeader::CellworkColumnHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    // As the table's own header: a click on a caption selects its column.
    setSectionsClickable(true);
}

QSize CellworkColumnHeader::sizeHint() const
{
    // Qt measures every caption again after any column's width changes, and
    // a grid whose columns share its width resizes them whenever the vertical
    // scroll bar comes or goes: each refill of such a grid paid for measuring
    // its captions, which the widths do not change.
    const QString captions = captionsKey();
    if (!m_hint.isValid() || captions != m_hintCaptions || style() != m_hintStyle || font() != m_hintFont) {
        m_hint = QHeaderView::sizeHint();
        m_hintCaptions = captions;
        m_hintStyle = style();
        m_hintFont = font();
    }
    return m_hint;
}

QString CellworkColumnHeader::captionsKey() const
{
    QString key;
    for (int section = 0; section < count(); ++section) {
        key += isSectionHidden(section) ? QStringLiteral("\n-") : QStringLiteral("\n+");
        if (model())
            key += model()->headerData(section, orientation(), Qt::DisplayRole).toString();
    }
    return key;
}

} // namespace gridbase
