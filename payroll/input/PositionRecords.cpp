#include "PositionRecords.h"

#include "MonthlyGrid.h"
#include "gridbase.h"
#include "ndbcore.h"

#include <set>
#include <string>

namespace npaymar {

namespace {

std::string Key(const CString& tn, const CString& npp)
{
    return FormatText("%ld.%ld", atol(tn), atol(npp)).ToStdString();
}

} // namespace

RecordScope MonthScope(const char* table, std::vector<std::pair<const char*, CString>> keys)
{
    RecordScope scope{table, FormatText("g=%ld and ms=%ld", g_lYear, g_lMonth), "g,ms",
                      FormatText("%ld,%ld", g_lYear, g_lMonth)};
    for (const auto& [column, value] : keys) {
        scope.condition += FormatText(" and %s=%s", column, value);
        scope.columns += CString(",") + column;
        scope.values += "," + value;
    }
    return scope;
}

bool ReadPositionFigures(CCellwork& grid, long keyCol, const std::vector<FigureColumn>& figures,
                         std::vector<PositionRecord>& records, GridRefusal& refusal)
{
    records.clear();
    for (long row = 0; row < grid.GetNRows(); ++row) {
        PositionRecord record;
        const CString key = grid.GetCellValue(keyCol, row);
        if (!SplitPositionKey(key, record.tn, record.npp)) {
            refusal = {row, keyCol, PositionKeyRefusal(row, key)};
            return false;
        }
        for (const FigureColumn& figure : figures) {
            const CString text = grid.GetCellValue(figure.col, row);
            CString sql;
            if (!CellFigure(text, sql)) {
                refusal = {row, figure.col, FigureRefusal(row, record.tn, figure.caption, text)};
                return false;
            }
            record.values.push_back(sql);
        }
        records.push_back(std::move(record));
    }
    return true;
}

bool NoFigure(const CString& sql)
{
    return sql == "NULL" || atof(sql) == 0;
}

BOOL WritePositionRecords(const RecordScope& scope, const std::vector<const char*>& columns,
                          const std::vector<PositionRecord>& records)
{
    if (records.empty())
        return TRUE;
    std::vector<CString> numbers;
    for (const PositionRecord& record : records)
        numbers.push_back(record.tn);
    CDbTransaction save;
    // The stored records of the rows' employees, under their update lock.
    std::set<std::string> stored;
    const long read = ForEachRow(
        SqlLockRow("tn,npp", scope.table, scope.condition + " and tn in (" + NumberList(numbers) + ")"),
        [&](_RecordsetPtr& row) {
            stored.insert(Key(SafeArayToString(row->GetCollect(0L)), SafeArayToString(row->GetCollect(1L))));
        });
    if (read < 0)
        return FALSE;
    CString batch;
    for (const PositionRecord& record : records) {
        const bool isStored = stored.count(Key(record.tn, record.npp)) > 0;
        const CString where = FormatText("%s and tn=%s and npp=%s", scope.condition, record.tn, record.npp);
        if (record.remove) {
            if (isStored)
                batch += FormatText("delete from %s where %s;\n", scope.table, where);
            continue;
        }
        CString set, names, values;
        for (size_t i = 0; i < columns.size(); ++i) {
            set += FormatText("%s%s=%s", i ? "," : "", columns[i], record.values[i]);
            names += CString(",") + columns[i];
            values += "," + record.values[i];
        }
        if (isStored)
            batch += FormatText("update %s set %s where %s;\n", scope.table, set, where);
        else
            batch += FormatText("insert into %s (tn,npp,%s%s) values (%s,%s,%s%s);\n", scope.table, scope.columns,
                                names, record.tn, record.npp, scope.values, values);
    }
    if (!batch.IsEmpty() && !ExecuteSql(batch))
        return FALSE;
    return save.Commit();
}

} // namespace npaymar
