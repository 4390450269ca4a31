// The column captions of a Cellwork grid: Qt's header, keeping its size hint
// while the captions, the font and the style stay the same.
#pragma once
#include <QHeaderView>

namespace gridbase {

// Named in a public header (a friend or a pointer there), which would export it;
// it stays inside the library.
class __attribute__((visibility("hidden"))) CellworkColumnHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit CellworkColumnHeader(QWidget* parent);

    QSize sizeHint() const override;

private:
    // What the hint is measured from besides the font and the style: each
    // column's caption and whether it is hidden.
    QString captionsKey() const;

    mutable QSize m_hint;
    mutable QFont m_hintFont;
    mutable const QStyle* m_hintStyle = nullptr;
    mutable QString m_hintCaptions;
};

} // namespace gridbase
