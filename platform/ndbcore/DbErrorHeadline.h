// The one line a database error report opens with, Russian only: what failed
// and, where the kind of failure tells it, why ("Не удалось записать
// документ: данные нарушают правила базы данных."). The server's and the
// driver's own words, the diagnostics and the statement go to the report's
// details, behind "Подробнее...".
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

CString DbErrorHeadline(const _com_error& error);
