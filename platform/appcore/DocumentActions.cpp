#include "DocumentActions.h"
#include "DocumentVersions.h"

#include "CDataArchive.h"
#include "CDocumentView.h"
#include "CHelpers.h"
#include "ConfigGlobals.h"
#include "DocumentOpener.h"
#include "MakeParam.h"
#include "ndbcore.h"

#include <cstdlib>

namespace appcore {

namespace {

// The document id stored in the row (0 when none or when it could not be read).
long StoredId(const CString& table, long realId)
{
    CString sql;
    sql.Format("select %s.id as cnt from %s where %s.real_id=%ld", (LPCTSTR)table, (LPCTSTR)table,
               (LPCTSTR)table, realId);
    return long(ExecuteCount(sql));
}

bool PeriodOpen(const CString& loadedDate)
{
    if (loadedDate.IsEmpty())
        return true;
    CString call, answer;
    call.Format("GL_Verify_Date0(\"%s\")", (LPCTSTR)MakeParam(loadedDate));
    return CHelpers::EXEC_GetFunctionValue(call, answer, nullptr) && std::atol(answer) != 0;
}

} // namespace

CString DocumentTable(const CString& documentName)
{
    for (const CDocKindRecord& kind : GetDataArchive()->GetDocKinds())
        if (kind.m_strDocument == documentName && IsSqlIdentifier(kind.m_strTable.ToQString()))
            return kind.m_strTable;
    return CString();
}

BOOL ConfirmDocumentDelete(const CString& table, long realId, const CString& loadedDate)
{
    if (realId < 0) {
        AfxMessageBox("Документ еще не записан", MB_OK | MB_ICONINFORMATION);
        return FALSE;
    }
    if (!IsSqlIdentifier(table.ToQString())) {
        AfxMessageBox("Удаление этого документа не предусмотрено", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (AfxMessageBox("Удалить этот документ ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    return PeriodOpen(loadedDate);
}

int LockStoredRow(const CString& table, long realId)
{
    CString where;
    where.Format("real_id=%ld", realId);
    CDbTransaction scope;  // joins the caller's transaction; tells a failed query from a missing row
    const long long locked = ExecuteCount(SqlLockRow("real_id", table, where));
    if (!scope.IsUsable())
        return -1;
    if (locked != realId) {
        AfxMessageBox("Документ не найден в базе данных: его удалил другой пользователь.", MB_OK | MB_ICONSTOP);
        return 0;
    }
    scope.Commit();
    return 1;
}

// A row another user moved into the closed period since the form loaded it
// is refused too: its date is read again under the lock.
BOOL DeleteDocumentRow(const CString& table, long realId, const CString& lineTablesSql)
{
    CDbTask task("Не удалось удалить документ");
    CDbTransaction removal;
    if (!removal.IsUsable() || LockStoredRow(table, realId) != 1)
        return FALSE;
    // The date as stored, read under the lock: another user may have moved
    // the document into a closed period since this form loaded it.
    if (TableHasColumn(table, "d")) {
        CString sql;
        sql.Format("select d as str from %s where real_id=%ld", (LPCTSTR)table, realId);
        const CString stored = ExecuteString(sql);
        if (!removal.IsUsable() || !PeriodOpen(stored))
            return FALSE;
    }
    // The stored id, whatever the form shows now: a document whose "do not
    // post" box was ticked after its last save still has its postings.
    const long id = StoredId(table, realId);
    CString sql;
    if (id > 0) {
        sql.Format("delete from ledmark_provodki where id=%ld", id);
        if (!ExecuteSql(sql))
            return FALSE;
    }
    if (!lineTablesSql.IsEmpty() && !ExecuteSql(lineTablesSql))
        return FALSE;
    sql.Format("delete from %s where real_id=%ld", (LPCTSTR)table, realId);
    return ExecuteSql(ForgetVersionSql(table, realId) + "\n" + sql) && removal.Commit();
}

void ShowDocumentPostings(const CString& table, long realId)
{
    long id = realId >= 0 && IsSqlIdentifier(table.ToQString()) ? StoredId(table, realId) : 0;
    if (id <= 0) {
        AfxMessageBox("У документа нет проводок", MB_OK | MB_ICONINFORMATION);
        return;
    }
    OpenRequest request;
    request.title = "Бухгалтерская справка";
    request.paramText.Format("%ld", id);
    request.param = int(id);
    OpenForm("doc_prov", request, ReusePolicy::SameParam);
}

void NotifyDocumentSaved(CView* sender, long realId)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    POSITION tp = app->GetFirstDocTemplatePosition();
    while (tp) {
        CDocTemplate* t = app->GetNextDocTemplate(tp);
        POSITION dp = t->GetFirstDocPosition();
        while (dp) {
            CDocument* document = t->GetNextDoc(dp);
            POSITION vp = document->GetFirstViewPosition();
            while (vp) {
                CView* view = document->GetNextView(vp);
                if (view != sender && view->GetSafeHwnd())
                    view->SendMessage(WM_DOCUMENT_SAVED, WPARAM(realId), 0);
            }
        }
    }
}

} // namespace appcore
