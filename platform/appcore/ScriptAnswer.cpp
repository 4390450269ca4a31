#include "ScriptAnswer.h"

#include <lua.hpp>

#include <charconv>
#include <cmath>
#include <cstdio>

namespace appcore {

namespace {

std::string FixedText(double value, int decimals)
{
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

} // namespace

std::string ScriptNumberText(double value)
{
    if (std::isnan(value) || std::isinf(value))
        return std::string();
    if (value == std::floor(value) && std::fabs(value) < 1e18)
        return FixedText(value, 0);
    // 15 significant digits hide the binary noise of sums such as 0.1 + 0.2;
    // written in fixed notation so that no exponent reaches atof callers.
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    int decimals = 14 - exponent;
    if (decimals < 0)
        decimals = 0;
    if (decimals > 340)
        decimals = 340;
    return FixedText(value, decimals);
}

bool ScriptValueText(lua_State* L, int index, std::string& answer)
{
    switch (lua_type(L, index)) {
    case LUA_TNONE:
    case LUA_TNIL:
        answer.clear();
        return true;
    case LUA_TBOOLEAN:
        answer = lua_toboolean(L, index) ? "1" : "0";
        return true;
    case LUA_TNUMBER:
        if (lua_isinteger(L, index))
            answer = std::to_string(static_cast<long long>(lua_tointeger(L, index)));
        else
            answer = ScriptNumberText(lua_tonumber(L, index));
        return true;
    case LUA_TSTRING: {
        size_t length = 0;
        const char* text = lua_tolstring(L, index, &length);
        answer.assign(text, length);
        return true;
    }
    default:
        return false;
    }
}

} // namespace appcore
