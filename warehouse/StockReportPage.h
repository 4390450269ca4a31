// The page of a stock report: one outer table whose first row holds the
// header and whose second the data table, a head row "#CCCCFF" and rows
// painted alternately from "#eeeeee". A page whose rows could not all be read
// says so under the table. Shown in the report window with the background
// "#f5f5FF".
#pragma once
#include "afx.h"
#include "ado.h"

#include <functional>

namespace nstovan {

// Text made safe inside the page.
CString HtmlText(const CString& text);

class StockReportPage {
public:
    // `header` is the outer table's start with its header lines, ending with
    // "</td></tr><tr><td>"; `head` the data table's start with its head row.
    StockReportPage(const CString& header, const CString& head);

    // One row per record of the query: `cells` gives the cells of the row, or
    // "" for a record the report leaves out.
    // FALSE when the query or a row failed (reported): the page is then
    // marked incomplete.
    BOOL AddRows(const CString& sql, const std::function<CString(_RecordsetPtr& row)>& cells);
    // One row of the report's own (a total row), painted as the next row.
    void AddRow(const CString& cells);
    // What follows the data table (an end line).
    void SetFooter(const CString& html) { m_footer = html; }
    // The finished page.
    CString Html() const;

private:
    CString m_html;
    CString m_footer;
    CString m_colour = "#dddddd";
    bool m_incomplete = false;
};

// The data table's start of a report by materials: its head row with "н/п",
// "Наименование" and "Ед.изм." followed by the report's own head cells.
CString MaterialHead(const CString& cells);
// The first cells of a material's row: its code, name and unit, read from the
// record's fields "id", "name" and "iei".
CString MaterialCells(_RecordsetPtr& row);

// Shows a finished page in the report window, on the background "#f5f5FF":
// `landscape` and the font size as the report needs them.
void ShowStockReport(const CString& html, const char* title, int landscape, int fontSize);

} // namespace nstovan
