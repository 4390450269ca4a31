// The content of a Cellwork grid: its columns with their properties, its rows
// with cells, attached values, check marks, colours and icons. Everything the
// grid shows lives here, with the view, so whichever wrapper object reaches the
// window (the template's or a DDX member) sees the same grid.
#pragma once
#include "afx.h"
#include "ado.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QPixmap>
#include <QStringList>
#include <vector>

namespace gridbase {

// Cell kinds (SetColType): what a cell accepts when typed into.
enum CellKind {
    CellText = 0,    // anything
    CellDate = 2,    // dd.mm.yyyy
    CellAmount = 5,  // signed amount, two decimals at most
    CellNumber = 6,  // signed decimal number
    CellCode = 7,    // letters and digits, no blanks
    CellCount = 9,   // unsigned decimal number (days, hours, quantities)
};

// Alignment codes (SetColAlign, SetCellAlign).
enum CellAlign { AlignLeft = 0, AlignCenter = 1, AlignRight = 2 };

// No colour set: the grid's own.
constexpr COLORREF kNoColor = 0xFFFFFFFFu;

struct CellworkColumn {
    QString caption;
    int width = 64;          // as designed or set; KeepRatio scales what is shown
    int align = AlignLeft;
    int kind = CellText;
    bool button = false;     // a chooser button (event 5)
    bool locked = false;     // grey, never edited, passed over by ShowFirstUnLockedCol0
    bool editable = true;
    bool hidden = false;
    bool noFocus = false;    // the current cell never stands in it
    QStringList items;       // a list column offers these
    _variant_t data;
};

struct CellAttr {
    signed char editable = -1;  // -1: as the column says
    signed char align = -1;
    bool bold = false;
    COLORREF fg = kNoColor;
    COLORREF bk = kNoColor;
};

struct CellworkRow {
    std::vector<QString> cells;   // may be shorter than the column count
    std::vector<CellAttr> attrs;  // empty until a cell of the row gets a property
    _variant_t data;
    bool checked = false;
    COLORREF fg = kNoColor;
    QPixmap icon;
};

class CellworkModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role { ButtonRole = Qt::UserRole + 1, KindRole };

    explicit CellworkModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    bool validCell(int col, int row) const;
    bool validRow(int row) const { return row >= 0 && row < rows(); }
    bool validCol(int col) const { return col >= 0 && col < cols(); }
    int rows() const { return static_cast<int>(m_rows.size()); }
    int cols() const { return static_cast<int>(m_cols.size()); }

    void setRowCount(int n);
    // Puts `rows` in place of all rows: the old rows go and the new ones come
    // in one change each (the columns and their widths stay as they are).
    void replaceRows(std::vector<CellworkRow> rows);
    void setColCount(int n);
    void insertRowAt(int row);
    void removeRowAt(int row);
    void moveRow(int from, int to);
    // Empties every cell and forgets the rows' values, marks, colours and icons.
    void clearContent();

    QString text(int col, int row) const;
    void setText(int col, int row, const QString& text);

    const CellworkColumn& column(int col) const { return m_cols[static_cast<std::size_t>(col)]; }
    // Changes a column's properties and tells the view.
    template <class F> void changeColumn(int col, F&& change)
    {
        change(m_cols[static_cast<std::size_t>(col)]);
        columnChanged(col);
    }
    const CellworkRow& row(int r) const { return m_rows[static_cast<std::size_t>(r)]; }
    template <class F> void changeRow(int r, F&& change)
    {
        change(m_rows[static_cast<std::size_t>(r)]);
        rowChanged(r);
    }
    CellAttr cellAttr(int col, int row) const;
    template <class F> void changeCell(int col, int row, F&& change)
    {
        change(attrOf(col, row));
        const QModelIndex i = index(row, col);
        emit dataChanged(i, i);
    }

    // Whether the cell may be edited (report display edits nothing).
    bool editable(int col, int row) const;
    void setReadOnly(bool on);
    bool readOnly() const { return m_readOnly; }
    void setBoldFont(const QFont& font) { m_bold = font; m_bold.setBold(true); }

private:
    void columnChanged(int col);
    void rowChanged(int r);
    CellAttr& attrOf(int col, int row);

    std::vector<CellworkColumn> m_cols;
    std::vector<CellworkRow> m_rows;
    bool m_readOnly = false;
    QFont m_bold;
};

} // namespace gridbase
