// The report window in the ledger's tests: the page shown there read back,
// saved as PDF through the page's "pdf" action as the user saves it, and
// pictured.
#pragma once
#include "MdiProgram.h"

#include <QString>
#include <QStringList>

#include <vector>

class CString;

namespace ledgertest {

// A page of the report window as the user gets it on paper.
struct SavedReport {
    QString text;        // the page's plain text
    int pages = 0;       // printed pages of the PDF
    bool across = false; // the PDF's sheets wider than tall
    bool saved = false;  // the PDF was written through the "savefile" chooser
    int colours = 0;     // distinct colours of the window's picture
};

// The report window in front of `program` saved as PDF through the
// "savefile" chooser and the page's "pdf" action, and pictured into
// `picture` (a PNG beside the test program; "" for none); the window stays.
SavedReport SaveShownReport(afxtest::MdiProgram& program, const QString& picture = QString());
// The text of the report window in front, which is then closed.
QString ShownReportText(afxtest::MdiProgram& program);

// The cells of a page's rows, each cell's text without tags and blanks.
std::vector<QStringList> PageRows(const CString& html);
// The row whose first cell is `first`, and the row after it.
std::pair<QStringList, QStringList> PageRowPair(const CString& html, const QString& first);

} // namespace ledgertest
