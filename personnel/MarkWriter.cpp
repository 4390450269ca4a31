#include "MarkWriter.h"

#include "gridbase.h"
#include "ndbcore.h"

#include <set>
#include <string>

namespace nperso {

namespace {

// A mark's key as the stored rows give it: numbers as whole numbers, the day
// as dd.mm.yyyy.
std::string KeyOf(const CString& tn, const CString& npp, const CString& day)
{
    return FormatText("%ld/%ld/%s", atol(tn), atol(npp), DMG(day)).ToStdString();
}

// The (tn, npp, d) of the stored rows among the marks, read under their
// update lock: one query over the marks' days and personnel numbers (a
// sheet's marks are of one day or of one assignment). FALSE when it failed.
bool ReadStoredKeys(const std::vector<nvenzol::TrvMark>& marks, std::set<std::string>& stored)
{
    std::set<std::string> days, numbers;
    for (const nvenzol::TrvMark& mark : marks) {
        days.insert(ChangeDateUS0(mark.d, 0).ToStdString());
        numbers.insert(FormatText("%ld", atol(mark.tn)).ToStdString());
    }
    std::string dayList, numberList;
    for (const std::string& day : days)
        dayList += (dayList.empty() ? "" : ",") + day;
    for (const std::string& number : numbers)
        numberList += (numberList.empty() ? "" : ",") + number;
    const CString where = FormatText("d in (%s) and tn in (%s)", dayList.c_str(), numberList.c_str());
    return ForEachRow(SqlLockRow("tn,npp,d", "perso_trv", where), [&](_RecordsetPtr& row) {
               stored.insert(KeyOf(SafeArayToString(row->GetCollect(0L)), SafeArayToString(row->GetCollect(1L)),
                                   SafeArayToString(row->GetCollect(2L))));
           })
        >= 0;
}

} // namespace

BOOL WriteMarks(const std::vector<nvenzol::TrvMark>& marks)
{
    // Every key checked before anything runs.
    for (const nvenzol::TrvMark& mark : marks) {
        if (nvenzol::MarkDeleteSql(mark).IsEmpty() || DMG(mark.d).IsEmpty()) {
            ReportDBProblem(DbErrorKind::Other,
                            FormatText("Отметка табеля не записана: нет назначения %s/%s", mark.tn, mark.npp));
            return FALSE;
        }
    }
    if (marks.empty())
        return TRUE;
    CDbTransaction save;
    std::set<std::string> stored;
    if (!ReadStoredKeys(marks, stored))
        return FALSE;
    // One batch: an update of a stored day, an insert of a new one, a delete
    // of a cleared stored one.
    CString batch;
    for (const nvenzol::TrvMark& mark : marks) {
        const bool isStored = stored.count(KeyOf(mark.tn, mark.npp, mark.d)) > 0;
        CString sql;
        if (mark.t.ToQString().trimmed().isEmpty())
            sql = isStored ? nvenzol::MarkDeleteSql(mark) : CString();
        else
            sql = isStored ? nvenzol::MarkUpdateSql(mark) : nvenzol::MarkInsertSql(mark);
        if (!sql.IsEmpty())
            batch += sql + ";\n";
    }
    if (!batch.IsEmpty() && !ExecuteSql(batch))
        return FALSE;
    return save.Commit();
}

} // namespace nperso
