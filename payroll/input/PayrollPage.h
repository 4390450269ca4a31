// A payroll page written into a new file of the user's temporary folder (its
// name begins with "0") and shown from there in the report window. The head
// carries the page's style, the body the payroll pages' background. A page
// that could not be started says why and shows nothing; a page that a
// database error cut short says so on itself.
#pragma once
#include "afx.h"

namespace npaymar {

class PayrollPage {
public:
    PayrollPage() = default;
    // A page whose head carries the style of that size and the title.
    PayrollPage(unsigned styleSize, const CString& title) : m_styleSize(styleSize), m_title(title) {}
    ~PayrollPage();
    PayrollPage(const PayrollPage&) = delete;
    PayrollPage& operator=(const PayrollPage&) = delete;

    // Starts the page in a new temporary file of `folder` (the user's
    // temporary folder when empty). FALSE, told "Ошибка создания временного
    // файла" or "Ошибка создания файла " and the name, when it cannot.
    BOOL Start(const CString& folder = CString());
    // Starts the page in that file.
    BOOL StartIn(const CString& file);
    BOOL IsStarted() const;
    // Appends a piece of the page; FALSE when it could not be written.
    BOOL Write(const CString& html);
    // Appends a piece that is a format text: "%%" in it prints as "%".
    BOOL WritePiece(const CString& piece);
    // The page was cut short by a database error (or, with `why`, by what
    // `why` says: "сценарий завершился с ошибкой"): says so where it stands.
    void MarkCut(const char* why = nullptr);
    BOOL IsCut() const { return m_cut; }
    // Ends the page and shows it (`mode` -2 prints it at once, `landscape` 1
    // across the sheet); nothing for a page that was not started.
    int Show(const char* title, int mode = -1, int landscape = 0);
    const CString& FileName() const { return m_file; }

private:
    void Close();

    unsigned m_styleSize = 10;
    CString m_title;
    HANDLE m_handle = nullptr;
    CString m_file;
    bool m_cut = false;
};

// A text of the database or the user as it stands on a page: "&", "<", ">"
// and quotes written as their entities.
CString HtmlText(const CString& text);

} // namespace npaymar
