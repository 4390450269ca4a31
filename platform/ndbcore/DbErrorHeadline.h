// The one line a database error report opens with: what failed, in Russian,
// and the server's own words ("Не удалось записать документ: Duplicate entry
// '7' for key 'PRIMARY'"). The driver's diagnostics and the statement go to
// the report's details.
//
// What failed is the innermost task a caller has named for the time of its
// work (CDbTask: a document's save names "Не удалось записать документ"),
// else it follows from the failure: no connection, a statement that writes,
// or one that reads.
#pragma once
#include "afx.h"
#include "ado.h"

class CDbTask {
public:
    explicit CDbTask(LPCTSTR whatFails);
    ~CDbTask();
    CDbTask(const CDbTask&) = delete;
    CDbTask& operator=(const CDbTask&) = delete;

private:
    CString m_what;
    const CDbTask* m_outer;
    friend CString DbErrorHeadline(const _com_error& error);
};

// The server's own text of a driver's message: the driver's bracketed
// prefixes ("[ma-3.1.20][10.11.6-MariaDB]") taken off.
QString DbServerText(const QString& driverText);
CString DbErrorHeadline(const _com_error& error);
