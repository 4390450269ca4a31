#include "MarkWriter.h"

#include "ndbcore.h"

namespace nperso {

namespace {

// The one statement that writes the mark; "" when it names no assignment.
CString MarkStatement(const nvenzol::TrvMark& mark)
{
    if (mark.t.ToQString().trimmed().isEmpty())
        return nvenzol::MarkDeleteSql(mark);
    const CString count = nvenzol::MarkCountSql(mark);
    if (count.IsEmpty())
        return count;
    return ExecuteCount(count) > 0 ? nvenzol::MarkUpdateSql(mark) : nvenzol::MarkInsertSql(mark);
}

} // namespace

BOOL WriteMarks(const std::vector<nvenzol::TrvMark>& marks)
{
    CDbTransaction save;
    for (const nvenzol::TrvMark& mark : marks) {
        const CString sql = MarkStatement(mark);
        if (sql.IsEmpty()) {
            ReportDBProblem(DbErrorKind::Other,
                            FormatText("Отметка табеля не записана: нет назначения %s/%s", mark.tn, mark.npp));
            return FALSE;
        }
        if (!ExecuteSql(sql))
            return FALSE;
    }
    return save.Commit();
}

} // namespace nperso
