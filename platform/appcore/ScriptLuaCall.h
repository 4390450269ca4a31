// Host functions for the scripts, written in C++ without longjmp hazards.
//
// Lua raises errors with longjmp, which would skip the destructors of C++
// objects alive in a host function. A host function is therefore written as a
// body that throws ScriptError (or any std::exception) and never raises a Lua
// error itself; ScriptHostFunction<Body> runs the body, and only after every
// C++ object of it is gone turns a caught exception into a Lua error.
#pragma once

#include <lua.hpp>

#include <cstring>
#include <stdexcept>
#include <string>

namespace appcore {

class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure the host has already shown the user (a database error): the
// evaluation still fails, but is not reported a second time.
class ScriptReportedError : public ScriptError {
public:
    using ScriptError::ScriptError;
};

// The first character of the Lua error text of a ScriptReportedError.
constexpr char kScriptReportedMark = '\x01';
bool IsReportedScriptFailure(const std::string& message);

// Argument readers that throw ScriptError instead of raising a Lua error.
std::string ScriptArgText(lua_State* L, int index, const char* function);
std::string ScriptOptText(lua_State* L, int index, const char* fallback);
long long ScriptArgInteger(lua_State* L, int index, const char* function);
void ScriptPushText(lua_State* L, const std::string& text);

template <int (*Body)(lua_State*)>
int ScriptHostFunction(lua_State* L)
{
    char message[1024];
    {
        try {
            return Body(L);
        } catch (const ScriptReportedError& e) {
            message[0] = kScriptReportedMark;
            std::strncpy(message + 1, e.what(), sizeof message - 2);
            message[sizeof message - 1] = '\0';
        } catch (const std::exception& e) {
            std::strncpy(message, e.what(), sizeof message - 1);
            message[sizeof message - 1] = '\0';
        } catch (...) {
            std::strcpy(message, "непредвиденная ошибка");
        }
    }
    return luaL_error(L, "%s", message);
}

} // namespace appcore
