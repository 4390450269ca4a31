#include "DocumentVersions.h"

#include "ndbcore.h"

#include <map>
#include <mutex>

namespace appcore {

namespace {

// The versions the open forms loaded, by their document.
std::mutex versionsMutex;
std::map<const CDocument*, long>& Loaded()
{
    static std::map<const CDocument*, long> versions;
    return versions;
}

CString Where(const CString& table, long realId)
{
    return FormatText("tbl='%s' and real_id=%d", MakeSqlStr(table), realId);
}

} // namespace

long StoredVersion(const CString& table, long realId)
{
    CDbTransaction scope;  // joins the caller's transaction; tells a failed query from no row
    const long version =
        long(ExecuteCount(FormatText("select coalesce(max(ver),0) as cnt from system_doc_version where %s",
                                     Where(table, realId))));
    if (!scope.IsUsable())
        return -1;
    scope.Commit();
    return version;
}

CString RaiseVersionSql(const CString& table, long realId, long stored)
{
    if (stored > 0)
        return FormatText("update system_doc_version set ver=%d where %s", stored + 1, Where(table, realId));
    return FormatText("insert into system_doc_version (tbl,real_id,ver) values ('%s',%d,1)", MakeSqlStr(table),
                      realId);
}

CString ForgetVersionSql(const CString& table, long realId)
{
    return FormatText("delete from system_doc_version where %s", Where(table, realId));
}

long LoadedVersion(const CDocument* document)
{
    std::lock_guard lock(versionsMutex);
    const auto found = Loaded().find(document);
    return found == Loaded().end() ? 0 : found->second;
}

void KeepLoadedVersion(const CDocument* document, long version)
{
    std::lock_guard lock(versionsMutex);
    if (version == 0)
        Loaded().erase(document);
    else
        Loaded()[document] = version;
}

} // namespace appcore
