// The `app` table of the scripts: messages and questions, report pages, the
// log, the current workplace, opening a form by its document name or a stored
// document by its key, saving a text into a file the user chooses, amounts
// in words.
#include "ScriptApi.h"

#include "CHelpers.h"
#include "ConfigGlobals.h"
#include "ModuleCalls.h"
#include "ScriptHooks.h"
#include "ScriptLuaCall.h"
#include "TextFileSave.h"
#include "ndbcore.h"

namespace appcore {

namespace {

int ShowBox(lua_State* L, unsigned type, const char* function)
{
    std::string text = ScriptArgText(L, 1, function);
    std::string caption = ScriptOptText(L, 2, "");
    int answer = ScriptMessageBox(text, caption, type);
    if ((type & kMbTypeMask) == kMbYesNo) {
        lua_pushboolean(L, answer == kIdYes);
        return 1;
    }
    return 0;
}

int Message(lua_State* L) { return ShowBox(L, kMbOk | kMbIconInformation, "app.message"); }
int Warning(lua_State* L) { return ShowBox(L, kMbOk | kMbIconExclamation, "app.warning"); }
int Error(lua_State* L) { return ShowBox(L, kMbOk | kMbIconStop, "app.error"); }
int Question(lua_State* L) { return ShowBox(L, kMbYesNo | kMbIconQuestion, "app.question"); }

int Report(lua_State* L)
{
    std::string html = ScriptArgText(L, 1, "app.report");
    std::string title = ScriptOptText(L, 2, "");
    ScriptShowReport(html, title);
    return 0;
}

int Log(lua_State* L)
{
    std::string line;
    int count = lua_gettop(L);
    for (int i = 1; i <= count; ++i) {
        if (i > 1)
            line += '\t';
        // No __tostring here: a metamethod could raise a Lua error past C++ objects.
        int type = lua_type(L, i);
        if (type == LUA_TSTRING || type == LUA_TNUMBER) {
            size_t length = 0;
            const char* text = lua_tolstring(L, i, &length);
            line.append(text, length);
        } else if (type == LUA_TBOOLEAN) {
            line += lua_toboolean(L, i) ? "true" : "false";
        } else {
            line += lua_typename(L, type);
        }
    }
    ScriptLog(line);
    return 0;
}

int Arm(lua_State* L)
{
    ScriptPushText(L, CurrentArmId());
    return 1;
}

// The reference-book class of a number: {table, key, name, picker, caption},
// or nil for a number the configuration does not know.
int Book(lua_State* L)
{
    int book = int(ScriptArgInteger(L, 1, "app.book"));
    std::string table = I_GetSprTableName(book).ToStdString();
    if (table.empty()) {
        lua_pushnil(L);
        return 1;
    }
    const std::pair<const char*, std::string> fields[] = {
        {"table", table},
        {"key", I_GetSprFieldId(book).ToStdString()},
        {"name", I_GetSprFieldName(book).ToStdString()},
        {"picker", I_GetSprSU_Id(book).ToStdString()},
        {"caption", I_GetSprName(book).ToStdString()},
    };
    lua_createtable(L, 0, 5);
    for (const auto& [field, value] : fields) {
        ScriptPushText(L, value);
        lua_setfield(L, -2, field);
    }
    return 1;
}

// Opens a form by its document name, as a menu command of the workplace does:
// app.open(name [, kind [, parameter]]); true when the form is open (an
// unknown name has been reported to the user).
int Open(lua_State* L)
{
    std::string name = ScriptArgText(L, 1, "app.open");
    int kind = lua_isnoneornil(L, 2) ? 0 : int(ScriptArgInteger(L, 2, "app.open"));
    const bool withParameter = !lua_isnoneornil(L, 3);
    std::string parameter = ScriptOptText(L, 3, "");
    lua_pushboolean(L, CHelpers::FN_OpenDocument0(name.c_str(), kind, withParameter ? parameter.c_str() : nullptr) == 1);
    return 1;
}

// Runs a module's named call once the script has returned:
// app.call(name [, n]); a name no module of the workplace registered is an
// error that names it.
int Call(lua_State* L)
{
    std::string name = ScriptArgText(L, 1, "app.call");
    const int argument = lua_isnoneornil(L, 2) ? 0 : int(ScriptArgInteger(L, 2, "app.call"));
    if (!QueueModuleCall(name, argument))
        throw ScriptError("app.call: в рабочем месте нет вызова «" + name + "»");
    return 0;
}

// Opens a stored document in its form: app.open_document(name, real_id [, kind]),
// `name` a document name or the name of a document kind; a form already
// showing that row is brought forward. true when open.
int OpenDocument(lua_State* L)
{
    std::string name = ScriptArgText(L, 1, "app.open_document");
    long realId = long(ScriptArgInteger(L, 2, "app.open_document"));
    int kind = lua_isnoneornil(L, 3) ? 0 : int(ScriptArgInteger(L, 3, "app.open_document"));
    lua_pushboolean(L, CHelpers::I_OpenDocument(realId, nullptr, name.c_str(), kind) == 1);
    return 1;
}

// Saves a text as UTF-8 into a file the user chooses: app.save_text(name, text),
// `name` the file name offered. false when cancelled or not written.
int SaveText(lua_State* L)
{
    std::string name = ScriptArgText(L, 1, "app.save_text");
    std::string text = ScriptArgText(L, 2, "app.save_text");
    lua_pushboolean(L, SaveTextFile(CString(name.c_str()), CString(text.c_str())) != FALSE);
    return 1;
}

// An amount in words, as the printed forms write it:
// app.in_words(amount [, count_only]); amount a number or its text ("," read
// as the decimal point). Money ("Двадцать один рубль 05 копеек"), or with
// count_only true a whole number alone in small letters ("два").
int InWords(lua_State* L)
{
    std::string text = ScriptArgText(L, 1, "app.in_words");
    for (char& c : text)
        if (c == ',')
            c = '.';
    bool ok = false;
    const double amount = QString::fromStdString(text).trimmed().toDouble(&ok);
    if (!ok)
        throw ScriptError("app.in_words: аргумент 1 должен быть числом, а передано \"" + text + "\"");
    const int countOnly = lua_toboolean(L, 2) ? 1 : 0;
    ScriptPushText(L, CHelpers::GetWrittenRubles(amount, countOnly).ToStdString());
    return 1;
}

// An amount as the program writes amounts: app.money(amount [, decimals]),
// amount a number or its text ("," read as the decimal point), nil as 0,
// decimals 0 to 6 (2, kopecks, when not given). Rounded half away from zero
// on its decimal text (2.675 gives "2.68", where "%.2f" would give its binary
// neighbour's "2.67"), "." and no grouping, "0.00" rather than "-0.00".
int Money(lua_State* L)
{
    const lua_Integer places = lua_isnoneornil(L, 2) ? 2 : ScriptArgInteger(L, 2, "app.money");
    if (places < 0 || places > 6)
        throw ScriptError("app.money: число знаков после запятой должно быть от 0 до 6, а передано " +
                          std::to_string(places));
    QString written = QStringLiteral("0");
    std::string text;
    if (lua_type(L, 1) == LUA_TNUMBER) {
        written = ShortestNumberText(lua_tonumber(L, 1));
    } else if (!lua_isnoneornil(L, 1)) {
        text = ScriptArgText(L, 1, "app.money");
        written = QString::fromStdString(text).trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    }
    const QString rounded = RoundDecimalText(written, int(places));
    if (rounded.isEmpty())
        throw ScriptError("app.money: аргумент 1 должен быть числом, а передано \"" + text + "\"");
    ScriptPushText(L, rounded.toStdString());
    return 1;
}

} // namespace

void RegisterScriptAppApi(lua_State* L)
{
    static const luaL_Reg functions[] = {
        {"message", ScriptHostFunction<Message>},
        {"warning", ScriptHostFunction<Warning>},
        {"error", ScriptHostFunction<Error>},
        {"question", ScriptHostFunction<Question>},
        {"report", ScriptHostFunction<Report>},
        {"log", ScriptHostFunction<Log>},
        {"arm", ScriptHostFunction<Arm>},
        {"book", ScriptHostFunction<Book>},
        {"open", ScriptHostFunction<Open>},
        {"call", ScriptHostFunction<Call>},
        {"open_document", ScriptHostFunction<OpenDocument>},
        {"save_text", ScriptHostFunction<SaveText>},
        {"in_words", ScriptHostFunction<InWords>},
        {"money", ScriptHostFunction<Money>},
        {nullptr, nullptr},
    };
    luaL_newlib(L, functions);
    lua_setglobal(L, "app");
    // print() writes to the program's log like app.log.
    lua_pushcfunction(L, ScriptHostFunction<Log>);
    lua_setglobal(L, "print");
}

void RegisterScriptApi(lua_State* L)
{
    RegisterScriptAppApi(L);
    RegisterScriptDbApi(L);
}

} // namespace appcore
