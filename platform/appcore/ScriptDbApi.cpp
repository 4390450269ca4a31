// The `db` table of the scripts: the database through nDbcore. A database
// failure is shown by the database layer and fails the script's evaluation
// (a balance must not read as 0 because its query failed); db.execute answers
// false instead, so that a script can decide what a failed write means.
#include "ScriptApi.h"

#include "ScriptLuaCall.h"
#include "ScriptReadCache.h"
#include "ndbcore.h"

#include <string>
#include <vector>

namespace appcore {

namespace {

// Runs a query on the thread's session (a broken connection is opened again);
// a failure is reported by nDbcore and thrown on as already reported.
_RecordsetPtr Query(const std::string& sql)
{
    _RecordsetPtr rows = ExecuteRows(sql.c_str());
    if (!rows)
        throw ScriptReportedError("ошибка базы данных");
    return rows;
}

// The answer kept for `key` in an open read cache, else the one `read` gives
// (kept when a cache is open).
template <class T, class Read>
T CachedRead(const std::string& key, Read read)
{
    if (const std::any* kept = CScriptReadCache::Find(key))
        return std::any_cast<T>(*kept);
    T answer = read();
    CScriptReadCache::Keep(key, answer);
    return answer;
}

// The first column of the first row; VT_EMPTY when there is no row.
_variant_t ReadFirstValue(const std::string& sql)
{
    _RecordsetPtr rows = Query(sql);
    try {
        if (rows->GetadoEOF())
            return _variant_t();
        return rows->GetCollect(0);
    } catch (const _com_error& e) {
        ReportDBError(e);
        throw ScriptReportedError("ошибка базы данных");
    }
}

_variant_t FirstValue(const std::string& sql)
{
    return CachedRead<_variant_t>(CScriptReadCache::ScalarKey(sql), [&] { return ReadFirstValue(sql); });
}

std::string VariantText(const _variant_t& value)
{
    if (value.isNull() || value.isEmpty())
        return std::string();
    return value.text().toStdString();
}

int String(lua_State* L)
{
    ScriptPushText(L, VariantText(FirstValue(ScriptArgText(L, 1, "db.string"))));
    return 1;
}

int Count(lua_State* L)
{
    _variant_t value = FirstValue(ScriptArgText(L, 1, "db.count"));
    lua_pushinteger(L, value.isNull() || value.isEmpty() ? 0 : static_cast<long long>(value));
    return 1;
}

int Money(lua_State* L)
{
    _variant_t value = FirstValue(ScriptArgText(L, 1, "db.money"));
    std::string text = value.isNull() || value.isEmpty() ? std::string() : ftoa0(double(value)).ToStdString();
    ScriptPushText(L, text);
    return 1;
}

int Execute(lua_State* L)
{
    CScriptReadCache::Forget();
    lua_pushboolean(L, ExecuteSql(ScriptArgText(L, 1, "db.execute").c_str()) != 0);
    return 1;
}

// The iterator of db.rows: upvalue 1 the rows read, upvalue 2 the last index handed out.
int NextRow(lua_State* L)
{
    lua_Integer index = lua_tointeger(L, lua_upvalueindex(2)) + 1;
    lua_pushinteger(L, index);
    lua_replace(L, lua_upvalueindex(2));
    lua_rawgeti(L, lua_upvalueindex(1), index);
    return 1;
}

struct Column {
    std::string name;
    bool null = false;
    std::string text;
};

std::vector<std::vector<Column>> QueryRows(const std::string& sql)
{
    _RecordsetPtr rows = Query(sql);
    std::vector<std::vector<Column>> result;
    try {
        FieldsPtr fields = rows->GetFields();
        long count = fields->GetCount();
        for (; !rows->GetadoEOF(); rows->MoveNext()) {
            std::vector<Column> row;
            for (long i = 0; i < count; ++i) {
                FieldPtr field = fields->GetItem(i);
                _variant_t value = field->GetValue();
                row.push_back({std::string(field->GetName()), value.isNull(), VariantText(value)});
            }
            result.push_back(std::move(row));
        }
    } catch (const _com_error& e) {
        ReportDBError(e);
        throw ScriptReportedError("ошибка базы данных");
    }
    return result;
}

using RowList = std::vector<std::vector<Column>>;

// The rows of a query; from an open read cache without copying them.
const RowList& ReadRows(const std::string& sql, RowList& local)
{
    const std::string key = "n:" + sql;
    if (const std::any* kept = CScriptReadCache::Find(key))
        return *std::any_cast<RowList>(kept);
    local = QueryRows(sql);
    if (!CScriptReadCache::Active())
        return local;
    CScriptReadCache::Keep(key, std::move(local));
    return *std::any_cast<RowList>(CScriptReadCache::Find(key));
}

int Rows(lua_State* L)
{
    RowList local;
    const RowList& rows = ReadRows(ScriptArgText(L, 1, "db.rows"), local);
    lua_createtable(L, int(rows.size()), 0);
    for (size_t r = 0; r < rows.size(); ++r) {
        lua_createtable(L, 0, int(rows[r].size()));
        for (const Column& column : rows[r]) {
            if (column.null)
                continue; // a NULL is an absent key: row.x == nil
            ScriptPushText(L, column.text);
            lua_setfield(L, -2, column.name.c_str());
        }
        lua_rawseti(L, -2, lua_Integer(r + 1));
    }
    lua_pushinteger(L, 0);
    lua_pushcclosure(L, NextRow, 2);
    return 1;
}

int LastInsert(lua_State* L)
{
    lua_pushinteger(L, LastInsertId());
    return 1;
}

// The next document id of the database's counter, taken at once for good (0
// after a failure, which has been reported).
int NextDocumentId(lua_State* L)
{
    lua_pushinteger(L, GetNextDocId());
    return 1;
}

template <CString (*Literal)(LPCTSTR)>
int LiteralOf(lua_State* L)
{
    ScriptPushText(L, Literal(ScriptOptText(L, 1, "").c_str()).ToStdString());
    return 1;
}

CString QuotedText(LPCTSTR text)
{
    return CString("'") + MakeSqlStr(text) + CString("'");
}

CString DateLiteral(LPCTSTR text)
{
    return ChangeDateUS0(text, 0);
}

int Today(lua_State* L)
{
    ScriptPushText(L, GetCurDateUS0().ToStdString());
    return 1;
}

int Constant(lua_State* L)
{
    const std::string name = ScriptArgText(L, 1, "db.constant");
    ScriptPushText(L, CachedRead<std::string>("c:" + name, [&] { return GetConstant(name.c_str()).ToStdString(); }));
    return 1;
}

int SetConstantOf(lua_State* L)
{
    std::string name = ScriptArgText(L, 1, "db.set_constant");
    std::string value = ScriptArgText(L, 2, "db.set_constant");
    CScriptReadCache::Forget();
    lua_pushboolean(L, SetConstant(name.c_str(), value.c_str()) != 0);
    return 1;
}

int User(lua_State* L)
{
    std::string dpv1 = GetDPV1().ToStdString();
    std::string dpv2 = GetDPV2().ToStdString();
    lua_createtable(L, 0, 7);
    const std::pair<const char*, long> numbers[] = {{"tn", g_lTN}, {"year", g_lYear}, {"month", g_lMonth},
                                                    {"project_type", g_lProjectType}, {"otp_id", g_lOtpId}};
    for (const auto& [name, value] : numbers) {
        lua_pushinteger(L, value);
        lua_setfield(L, -2, name);
    }
    ScriptPushText(L, dpv1);
    lua_setfield(L, -2, "dpv1");
    ScriptPushText(L, dpv2);
    lua_setfield(L, -2, "dpv2");
    return 1;
}

int Driver(lua_State* L)
{
    lua_pushinteger(L, GetDriverId());
    return 1;
}

int ReadGeneration(lua_State* L)
{
    lua_pushinteger(L, lua_Integer(CScriptReadCache::Generation()));
    return 1;
}

} // namespace

void RegisterScriptDbApi(lua_State* L)
{
    static const luaL_Reg functions[] = {
        {"string", ScriptHostFunction<String>},
        {"count", ScriptHostFunction<Count>},
        {"money", ScriptHostFunction<Money>},
        {"execute", ScriptHostFunction<Execute>},
        {"rows", ScriptHostFunction<Rows>},
        {"last_insert_id", ScriptHostFunction<LastInsert>},
        {"next_document_id", ScriptHostFunction<NextDocumentId>},
        {"str", ScriptHostFunction<LiteralOf<QuotedText>>},
        {"null_str", ScriptHostFunction<LiteralOf<NullStr>>},
        {"int", ScriptHostFunction<LiteralOf<NullInt0>>},
        {"digit", ScriptHostFunction<LiteralOf<DB_Digit>>},
        {"date", ScriptHostFunction<LiteralOf<DateLiteral>>},
        {"today", ScriptHostFunction<Today>},
        {"constant", ScriptHostFunction<Constant>},
        {"set_constant", ScriptHostFunction<SetConstantOf>},
        {"user", ScriptHostFunction<User>},
        {"driver", ScriptHostFunction<Driver>},
        {"read_generation", ScriptHostFunction<ReadGeneration>},
        {nullptr, nullptr},
    };
    luaL_newlib(L, functions);
    lua_setglobal(L, "db");
}

} // namespace appcore
