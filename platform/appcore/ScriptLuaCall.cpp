#include "ScriptLuaCall.h"

namespace appcore {

std::string ScriptArgText(lua_State* L, int index, const char* function)
{
    int type = lua_type(L, index);
    if (type != LUA_TSTRING && type != LUA_TNUMBER)
        throw ScriptError(std::string(function) + ": аргумент " + std::to_string(index)
                          + " должен быть текстом, а передано " + lua_typename(L, type));
    size_t length = 0;
    const char* text = lua_tolstring(L, index, &length);
    return std::string(text, length);
}

std::string ScriptOptText(lua_State* L, int index, const char* fallback)
{
    if (lua_isnoneornil(L, index))
        return fallback;
    return ScriptArgText(L, index, "аргумент");
}

long long ScriptArgInteger(lua_State* L, int index, const char* function)
{
    int isNumber = 0;
    lua_Integer value = lua_tointegerx(L, index, &isNumber);
    if (!isNumber)
        throw ScriptError(std::string(function) + ": аргумент " + std::to_string(index)
                          + " должен быть целым числом");
    return value;
}

bool IsReportedScriptFailure(const std::string& message)
{
    // Lua puts the place of the error ("вызов:1: ") before the text.
    return message.find(kScriptReportedMark) != std::string::npos;
}

void ScriptPushText(lua_State* L, const std::string& text)
{
    lua_pushlstring(L, text.data(), text.size());
}

} // namespace appcore
