#include "AccrualRun.h"

#include "CPaymar.h"
#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"

#include <QDate>

#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

namespace npaymar {

namespace {

const char* const kLock = "paymar_pereschet";

// The lock of the server that shows whether the run that set
// "paymar_pereschet" is alive: it is held by the running worker's connection
// and goes with it when the program dies, so a "true" left behind by a dead
// program is taken over instead of blocking every later run.
CString TakeLiveLockSql()
{
    switch (CurrentDialect()) {
    case SqlDialect::SqlServer:
        return "declare @r int; exec @r=sp_getapplock @Resource='paymar_pereschet',@LockMode='Exclusive',"
               "@LockOwner='Session',@LockTimeout=0; select case when @r>=0 then 1 else 0 end as str";
    case SqlDialect::PostgreSql:
        return "select case when pg_try_advisory_lock(hashtext('paymar_pereschet')) then 1 else 0 end as str";
    default:
        // Named locks are the server's: the database's name keeps each database's run apart.
        return "select get_lock(concat(database(),'.paymar_pereschet'),0) as str";
    }
}

CString FreeLiveLockSql()
{
    switch (CurrentDialect()) {
    case SqlDialect::SqlServer:
        return "exec sp_releaseapplock @Resource='paymar_pereschet',@LockOwner='Session'";
    case SqlDialect::PostgreSql:
        return "select pg_advisory_unlock(hashtext('paymar_pereschet'))";
    default:
        return "select release_lock(concat(database(),'.paymar_pereschet'))";
    }
}

double Kopecks(double value)
{
    return atof(FormatNumber(value, "", 2));
}

QDate QDateOf(const CString& text)
{
    return QDate::fromString(text.ToQString().trimmed(), QStringLiteral("dd.MM.yyyy"));
}

// One child due the allowance as the selection gives it.
struct Child {
    CString tn, dr, nv, npp, lastEnd;
    long openRows = 0;
    long children = 0;
};

using RowKey = std::tuple<long, long, long>;  // tn, npp, nv

void Post(const AccrualRun& run, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    if (run.window)
        ::PostMessage(run.window, message, wParam, lParam);
}

// The month's work inside the run's transaction; false when a step failed
// or the user cancelled.
bool CalculateMonth(AccrualRun& run)
{
    if (run.cancelled)
        return false;
    Post(run, WM_ACCRUAL_STATUS, 0);
    if (GetDriverId(-1) == 0)
        return ExecuteSql(AccrualProcedureCall(run.year, run.month, run.projectType)) != 0;
    CString answer;
    if (!CHelpers::EXEC_GetFunctionValue(FormatText("r_nach(%ld,%ld)", run.year, run.month), answer, nullptr)
        || atol(answer) == 0)
        return false;
    if (run.cancelled || !AddChildCareAllowance(run.year, run.month) || run.cancelled)
        return false;
    Post(run, WM_ACCRUAL_STATUS, 1);
    return ExecuteSql(DeductionsCall(run.year, run.month, run.projectType)) != 0 && !run.cancelled;
}

} // namespace

CString AccrualStatusText(int stage, long year, long month)
{
    if (stage == 2)
        return "Кто-то уже считает";
    return FormatText(stage == 0 ? "\r\nЖ Д И Т Е\r\n Производится расчет начислений\r\nза %s %ldг."
                                 : "\r\nЖ Д И Т Е\r\n Производится расчет удержаний\r\nза %s %ldг.",
                      GetMonthName(month), year);
}

bool TakeAccrualLock()
{
    if (atol(ExecuteString(TakeLiveLockSql())) != 1)
        return false;  // a live run holds it
    const CString was = GetConstant(kLock);
    // "true" without a live holder: the program that set it has died.
    if (was == CString("true") || SetConstantIf(kLock, was, "true"))
        return true;
    ExecuteString(FreeLiveLockSql());
    return false;
}

void ReleaseAccrualLock()
{
    SetConstantIf(kLock, "true", "null");
    ExecuteString(FreeLiveLockSql());
}

CString ChildCareChildrenSql(long year, long month)
{
    const QDate first{int(year), int(month), 1};
    const QDate since = first.addMonths(-19);
    const CString from = SqlDateLiteral(first.year(), first.month(), 1, CurrentDialect());
    const CString born = SqlDateLiteral(since.year(), since.month(), since.day(), CurrentDialect());
    return FormatText(
        "select iz.tn,iz.dr,tn.nv,b.npp,"
        "(select count(o.npp) from paymar_bux o where o.tn=iz.tn and o.d2 is null) as open_rows,"
        "(select max(e.d2) from paymar_bux e where e.tn=iz.tn and e.d2 is not null) as last_end,"
        "(select count(*) from paymar_iz c where c.tn=iz.tn) as children "
        "from paymar_iz iz left join tn on tn.tn=iz.tn left join paymar_bux b on b.tn=iz.tn and b.osn=1 "
        "where iz.b15=1 and (iz.du is null or iz.du>=%s) and iz.dr>%s order by iz.tn,iz.npp",
        from, born);
}

ChildCareLimits ChildCareLimitsOf(long year, long month)
{
    if (year < 2008 || (year == 2008 && month <= 6))
        return {6510.0, 1627.5, 3255.0};
    if (year == 2008)
        return {6630.43, 1657.6, 3315.21};
    return {7194.03, 1798.51, 3597.01};
}

double ChildCareAmount(double average, long dueDays, long days, long children, const ChildCareLimits& limits)
{
    if (days <= 0 || dueDays <= 0)
        return 0;
    double amount = Kopecks(average * days * 0.4);
    if (amount > limits.maximum)
        amount = limits.maximum;
    if (children == 1 && amount < limits.oneChild)
        amount = limits.oneChild;
    if (children >= 2 && amount < limits.twoChildren)
        amount = limits.twoChildren;
    return Kopecks(amount * (dueDays > days ? days : dueDays) / days);
}

bool AddChildCareAllowance(long year, long month)
{
    CDbTransaction allowance;
    if (!allowance.IsUsable())
        return false;
    const long days = atol(GetDaysPerMonth(month, year));
    const QDate first{int(year), int(month), 1};
    const QDate last{int(year), int(month), int(days)};
    const ChildCareLimits limits = ChildCareLimitsOf(year, month);

    std::vector<Child> children;
    if (ForEachRow(ChildCareChildrenSql(year, month), [&](_RecordsetPtr& row) {
            Child c;
            c.tn = SafeArayToString(row->GetCollect("tn"));
            c.dr = SafeArayToString(row->GetCollect("dr"));
            c.nv = SafeArayToString(row->GetCollect("nv"));
            c.npp = SafeArayToString(row->GetCollect("npp"));
            c.lastEnd = SafeArayToString(row->GetCollect("last_end"));
            c.openRows = atol(SafeArayToString(row->GetCollect("open_rows")));
            c.children = atol(SafeArayToString(row->GetCollect("children")));
            children.push_back(c);
        }) < 0)
        return false;

    std::map<RowKey, double> amounts;
    for (const Child& c : children) {
        // A parent without a main row or a main sheet has nowhere to be paid.
        if (c.nv.IsEmpty() || c.npp.IsEmpty())
            continue;
        // Only a parent on leave: no row open, and the last one ended by the month's end.
        if (c.openRows != 0 || c.lastEnd.IsEmpty())
            continue;
        const QDate lastEnd = QDateOf(c.lastEnd);
        const QDate oneAndAHalf = QDateOf(c.dr).addYears(1).addMonths(6);
        if (!lastEnd.isValid() || lastEnd > last || !oneAndAHalf.isValid() || oneAndAHalf <= first)
            continue;
        long due = long(first.daysTo(oneAndAHalf)) + 1;
        // From the day after the last row ended; never past the child's one and a half years.
        if (lastEnd > first) {
            const long fromLeave = long(lastEnd.daysTo(last)) + 1;
            if (fromLeave < due)
                due = fromLeave;
        }
        if (due > days)
            due = days;
        CString filter;
        const CString average = CPaymar::BOL_SRED_DAY(c.tn, c.lastEnd, "21", nullptr, filter, 12);
        if (!allowance.IsUsable())
            return false;
        const double amount = ChildCareAmount(atof(average), due, days, c.children, limits);
        if (amount != 0)
            amounts[{atol(c.tn), atol(c.npp), atol(c.nv)}] += amount;
    }
    if (amounts.empty())
        return allowance.Commit() != FALSE;

    // The month's rows of code 21 already there (another code's run may have
    // written one): the allowance adds to them.
    std::set<RowKey> stored;
    if (ForEachRow(FormatText("select tn,npp,nv from paymar_nu where g=%ld and ms=%ld and kou=21", year, month),
                   [&](_RecordsetPtr& row) {
                       stored.insert({atol(SafeArayToString(row->GetCollect("tn"))),
                                      atol(SafeArayToString(row->GetCollect("npp"))),
                                      atol(SafeArayToString(row->GetCollect("nv")))});
                   }) < 0)
        return false;
    CString batch;
    for (const auto& [key, amount] : amounts) {
        const auto [tn, npp, nv] = key;
        const CString s = DB_Digit(FormatNumber(amount, "", 2));
        if (stored.count(key))
            batch += FormatText("update paymar_nu set s=s+%s where g=%ld and ms=%ld and nv=%ld and kou=21 and tn=%ld "
                                "and npp=%ld;\n",
                                s, year, month, nv, tn, npp);
        else
            batch += FormatText("insert into paymar_nu (g,ms,nv,kou,tn,npp,s) values (%ld,%ld,%ld,21,%ld,%ld,%s);\n", year,
                                month, nv, tn, npp, s);
    }
    return ExecuteSql(batch) != 0 && allowance.Commit() != FALSE;
}

CString AccrualProcedureCall(long year, long month, long projectType)
{
    return FormatText("sp_paymar_rn_sd_yet %ld,%ld,%ld", year, month, projectType);
}

CString DeductionsCall(long year, long month, long projectType)
{
    return FormatText("call sp_paymar_ru(%ld,%ld,%ld)", year, month, projectType);
}

bool RunAccrualOnThisThread(AccrualRun& run)
{
    bool written = false;
    // A run whose window went while the worker was starting opens nothing.
    if (!run.cancelled) {
        CDbThreadSession session;
        // The program waits for its workers before it unloads its
        // configuration, so the scripts stay while this run loads them.
        std::optional<CThreadInterpriter> scripts;
        if (session.IsOpen())
            scripts.emplace();
        if (scripts && scripts->IsReady() && !run.cancelled) {
            if (!TakeAccrualLock()) {
                run.refused = true;
                Post(run, WM_ACCRUAL_STATUS, 2);
            } else {
                {
                    CDbTransaction month;
                    if (month.IsUsable() && CalculateMonth(run) && !run.cancelled)
                        written = month.Commit() != FALSE;
                }
                // After the transaction, committed or rolled back.
                ReleaseAccrualLock();
            }
        }
    }
    run.succeeded = written;
    run.finished = true;
    return written;
}

UINT AccrualWorker(LPVOID param)
{
    if (!param)
        return 1;
    auto* handed = static_cast<std::shared_ptr<AccrualRun>*>(param);
    const std::shared_ptr<AccrualRun> run = *handed;
    delete handed;
    const bool written = RunAccrualOnThisThread(*run);
    if (run->cancelled)
        return written ? 0 : UINT(-1);
    if (!written) {
        // A run refused by the lock leaves its window open with the message.
        if (!run->refused)
            Post(*run, WM_CLOSE);
        return UINT(-1);
    }
    Post(*run, WM_COMMAND, IDOK);
    return 0;
}

} // namespace npaymar
