// A finished HTML page as the report window shows it: a rich-text browser with
// the page's background and base font, and the commands to print it and to
// save it as a PDF file. Printing and choosing the PDF file go through the
// interaction point (choosers "print" and "savefile"), so tests answer them:
// "print" with an empty answer prints on the printer the dialog chose, with a
// file path into that PDF file; "savefile" answers the path.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QTextDocument;

namespace appcore {

struct ReportLook {
    bool landscape = false;
    int fontSize = 0;      // points; 0 the default
    QString background;    // "#f5f5FF"; empty white
};

class ReportPage : public QWidget {
    Q_OBJECT
public:
    explicit ReportPage(QWidget* parent = nullptr);

    void SetPage(const QString& html, const QString& title, const ReportLook& look);
    QString Html() const;
    QString Title() const { return m_title; }
    QTextBrowser* Browser() const { return m_browser; }

    // Prints through the print dialog (direct: on the default printer without it).
    bool Print(bool direct);
    // Asks for a file and saves the page there as PDF.
    bool SaveAsPdf();

signals:
    void closeRequested();

private:
    QTextBrowser* m_browser;
    QString m_title;
    ReportLook m_look;
};

// Whether a page asks to be printed across the sheet: a page with many columns
// carries <meta name="orientation" content="landscape"> in its head, which the
// page's own view does not show.
bool PageAsksLandscape(const QString& html);
// Prints a page with the look, through the interaction point.
bool PrintDocument(QTextDocument& document, const QString& title, bool landscape, bool direct);
// Writes a page as a PDF file.
bool WritePdf(QTextDocument& document, const QString& path, bool landscape);

} // namespace appcore
