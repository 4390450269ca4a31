#include "AvansLookups.h"

#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"

namespace nledmark {

namespace {

// The account of settlements with accountable persons over all sources,
// analytic accounts and KOSGU codes.
const char* const kAdvanceAccount = "020800000";

} // namespace

CEarlierReport FindEarlierReport(const CString& tn, const CString& date, long realId, int branch, long documentId)
{
    CEarlierReport found;
    if (tn.IsEmpty() || !TnOk(tn))
        return found;
    CString day = DMG(date, 0, 0);
    if (day.IsEmpty())
        day = DMGtoStr(COleDateTime::GetCurrentTime());
    const CString where = FormatText("from ledmark_avans_otch where d<=%s and tn=%s and real_id<>%d "
                                     "order by d desc,real_id desc",
                                     ChangeDateUS0(day, 0), NullInt0(tn), realId);
    found.number = ExecuteString("select " + SqlAsText("number") + " as str " + where);
    found.date = ExecuteString("select d as str " + where);
    const CString document = documentId > 0 ? utoa(documentId) : CString();
    const CString balance =
        GL_GetOst0(AddDate(day, 0, 0, 1), kAdvanceAccount, tn, nullptr, nullptr, branch, nullptr, document);
    const double credit = atof(GetPart(balance, "@", 2));
    found.advance = ftoa(credit > 0 ? -credit : atof(GetPart(balance, "@", 1)));
    return found;
}

} // namespace nledmark
