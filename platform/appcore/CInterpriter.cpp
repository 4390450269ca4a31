#include "CInterpriter.h"

#include "ScriptAnswer.h"
#include "ScriptCallText.h"
#include "ScriptApi.h"
#include "ScriptHooks.h"
#include "ScriptLimits.h"
#include "ScriptLuaCall.h"

#include <lua.hpp>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The registry key of the table of contexts: name -> environment table.
const char kContextsKey[] = "appcore.contexts";
const char kCallChunk[] = "=вызов";

bool IsGlobal(const char* context)
{
    return context == nullptr || *context == '\0';
}

// Turns any error object into its text; runs inside the protected call.
int MessageHandler(lua_State* L)
{
    if (lua_type(L, 1) == LUA_TSTRING)
        return 1;
    if (luaL_callmeta(L, 1, "__tostring") && lua_type(L, -1) == LUA_TSTRING)
        return 1;
    lua_pushfstring(L, "(ошибка: значение типа %s)", luaL_typename(L, 1));
    return 1;
}

// Pushes the environment of the Lua function that called the running C
// function: its _ENV upvalue (a workplace's or form's context), else the globals.
void PushCallerEnvironment(lua_State* L)
{
    lua_Debug ar;
    if (lua_getstack(L, 1, &ar) && lua_getinfo(L, "f", &ar)) {
        for (int i = 1;; ++i) {
            const char* name = lua_getupvalue(L, -1, i);
            if (!name)
                break;
            if (std::strcmp(name, "_ENV") == 0) {
                lua_remove(L, -2);
                return;
            }
            lua_pop(L, 1);
        }
        lua_pop(L, 1);
    }
    lua_rawgeti(L, LUA_REGISTRYINDEX, LUA_RIDX_GLOBALS);
}

// load(chunk [, name [, mode [, env]]]) of the scripts: text chunks only,
// whatever mode is asked (a compiled chunk can corrupt the interpreter), and
// without `env` in the calling function's context. Upvalue 1: Lua's own load.
int TextOnlyLoad(lua_State* L)
{
    const bool withEnvironment = lua_gettop(L) >= 4;
    lua_settop(L, 4);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_pushvalue(L, 1);
    lua_pushvalue(L, 2);
    lua_pushliteral(L, "t");
    if (withEnvironment)
        lua_pushvalue(L, 4);
    else
        PushCallerEnvironment(L);
    lua_call(L, 4, LUA_MULTRET);
    return lua_gettop(L) - 4;
}

// The steps a call text (or a script chunk) may take before it is stopped: a
// runaway loop must not hang the program. Counted per thread from the
// outermost evaluation; nested evaluations share their caller's budget.
constexpr int kStepsPerCount = 10000;
std::atomic<long long> stepLimit{2'000'000'000};
thread_local long long stepsLeft = 0;
thread_local int evaluationDepth = 0;

constexpr long long kDefaultMemoryLimit = 512LL * 1024 * 1024;
constexpr int kDefaultTimeLimit = 300;
std::atomic<long long> memoryLimit{kDefaultMemoryLimit};
std::atomic<int> timeLimit{kDefaultTimeLimit};
thread_local std::chrono::steady_clock::time_point deadline;

void CountSteps(lua_State* L, lua_Debug*)
{
    stepsLeft -= kStepsPerCount;
    if (stepsLeft < 0)
        luaL_error(L, "сценарий остановлен: он выполнил больше %I шагов и, вероятно, зациклился",
                   static_cast<lua_Integer>(stepLimit.load()));
    if (std::chrono::steady_clock::now() > deadline)
        luaL_error(L, "сценарий остановлен: он выполнялся дольше %d с", timeLimit.load());
}

// The memory of one interpreter: Lua's allocator with a count of what it
// holds. An allocation beyond the limit fails as Lua's own out-of-memory
// error, which the evaluation reports in words of its own.
struct MemoryCount {
    std::atomic<long long> held{0};
};

void* CountedAlloc(void* ud, void* block, size_t oldSize, size_t newSize)
{
    auto* count = static_cast<MemoryCount*>(ud);
    const long long before = block ? static_cast<long long>(oldSize) : 0;
    if (newSize == 0) {
        std::free(block);
        count->held -= before;
        return nullptr;
    }
    const long long grows = static_cast<long long>(newSize) - before;
    if (grows > 0 && count->held + grows > memoryLimit.load())
        return nullptr;
    void* moved = std::realloc(block, newSize);
    if (moved)
        count->held += grows;
    return moved;
}

// The text of a failed protected call: Lua's out-of-memory error carries no
// words of ours.
std::string FailureText(lua_State* L, int status)
{
    if (status == LUA_ERRMEM)
        return "сценарий остановлен: он занял больше " + std::to_string(memoryLimit.load() / (1024 * 1024))
               + " МБ памяти";
    return lua_tostring(L, -1) ? lua_tostring(L, -1) : "";
}

class StepBudget {
public:
    StepBudget()
    {
        if (evaluationDepth++ == 0) {
            stepsLeft = stepLimit.load();
            deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeLimit.load());
        }
    }
    ~StepBudget() { --evaluationDepth; }
    StepBudget(const StepBudget&) = delete;
    StepBudget& operator=(const StepBudget&) = delete;
};

void OpenLibraries(lua_State* L)
{
    static const luaL_Reg libraries[] = {
        {LUA_GNAME, luaopen_base},         {LUA_TABLIBNAME, luaopen_table},
        {LUA_STRLIBNAME, luaopen_string},  {LUA_MATHLIBNAME, luaopen_math},
        {LUA_UTF8LIBNAME, luaopen_utf8},   {LUA_COLIBNAME, luaopen_coroutine},
        {LUA_OSLIBNAME, luaopen_os},
    };
    for (const luaL_Reg& library : libraries) {
        luaL_requiref(L, library.name, library.func, 1);
        lua_pop(L, 1);
    }
    // The configuration's scripts reach files, programs and the process only
    // through the host API.
    for (const char* name : {"dofile", "loadfile"}) {
        lua_pushnil(L);
        lua_setglobal(L, name);
    }
    lua_getglobal(L, LUA_OSLIBNAME);
    for (const char* name : {"execute", "exit", "remove", "rename", "tmpname", "getenv", "setlocale"}) {
        lua_pushnil(L);
        lua_setfield(L, -2, name);
    }
    lua_pop(L, 1);
    lua_getglobal(L, "load");
    lua_pushcclosure(L, TextOnlyLoad, 1);
    lua_setglobal(L, "load");
    lua_sethook(L, CountSteps, LUA_MASKCOUNT, kStepsPerCount);
}

std::string ContextTitle(const char* context)
{
    return IsGlobal(context) ? std::string("глобальный") : std::string(context);
}

} // namespace

CInterpriter::CInterpriter()
{
    m_state = lua_newstate(CountedAlloc, new MemoryCount);
    lua_atpanic(m_state, [](lua_State* L) {
        std::fprintf(stderr, "Lua: %s\n", lua_tostring(L, -1) ? lua_tostring(L, -1) : "?");
        return 0;
    });
    OpenLibraries(m_state);
    lua_newtable(m_state);
    lua_setfield(m_state, LUA_REGISTRYINDEX, kContextsKey);
    appcore::RegisterScriptApi(m_state);
}

CInterpriter::~CInterpriter()
{
    void* memory = nullptr;
    lua_getallocf(m_state, &memory);
    lua_close(m_state);
    delete static_cast<MemoryCount*>(memory);
}

void CInterpriter::AddContext(const char* context)
{
    if (IsGlobal(context) || HasContext(context))
        return;
    lua_State* L = m_state;
    lua_getfield(L, LUA_REGISTRYINDEX, kContextsKey);
    lua_newtable(L);                 // the context's environment
    lua_newtable(L);                 // its metatable: missing names come from the globals
    lua_rawgeti(L, LUA_REGISTRYINDEX, LUA_RIDX_GLOBALS);
    lua_setfield(L, -2, "__index");
    lua_setmetatable(L, -2);
    lua_setfield(L, -2, context);
    lua_pop(L, 1);
}

bool CInterpriter::HasContext(const char* context) const
{
    if (IsGlobal(context))
        return true;
    lua_getfield(m_state, LUA_REGISTRYINDEX, kContextsKey);
    bool found = lua_getfield(m_state, -1, context) == LUA_TTABLE;
    lua_pop(m_state, 2);
    return found;
}

// Pushes the environment table of a context; false (nothing pushed) when unknown.
bool CInterpriter::PushContext(const char* context) const
{
    lua_State* L = m_state;
    if (IsGlobal(context)) {
        lua_rawgeti(L, LUA_REGISTRYINDEX, LUA_RIDX_GLOBALS);
        return true;
    }
    lua_getfield(L, LUA_REGISTRYINDEX, kContextsKey);
    if (lua_getfield(L, -1, context) != LUA_TTABLE) {
        lua_pop(L, 2);
        return false;
    }
    lua_remove(L, -2);
    return true;
}

void CInterpriter::SetStepLimit(long long steps)
{
    stepLimit = steps > 0 ? steps : 2'000'000'000;
}

void appcore::SetScriptMemoryLimit(long long bytes)
{
    memoryLimit = bytes > 0 ? bytes : kDefaultMemoryLimit;
}

void appcore::SetScriptTimeLimit(int seconds)
{
    timeLimit = seconds > 0 ? seconds : kDefaultTimeLimit;
}

bool CInterpriter::LoadScript(const char* context, const char* chunkName, const std::string& text)
{
    StepBudget budget;
    lua_State* L = m_state;
    int top = lua_gettop(L);
    AddContext(context);
    lua_pushcfunction(L, MessageHandler);
    std::string name = std::string("@") + (chunkName ? chunkName : "?");
    int status = luaL_loadbufferx(L, text.data(), text.size(), name.c_str(), "t");
    if (status == LUA_OK) {
        PushContext(context);
        lua_setupvalue(L, -2, 1); // the chunk's _ENV
        status = lua_pcall(L, 0, 0, top + 1);
    }
    if (status != LUA_OK) {
        std::string message = FailureText(L, status);
        lua_settop(L, top);
        appcore::ScriptReportError("Ошибка в сценарии конфигурации " + std::string(chunkName ? chunkName : "")
                                   + " (контекст " + ContextTitle(context) + "):\n" + message);
        return false;
    }
    lua_settop(L, top);
    return true;
}

bool CInterpriter::PushParsedCall(const char* call, const char* context, int& arguments)
{
    appcore::ScriptCallText parsed;
    if (!appcore::ParseScriptCallText(call, parsed) || !PushContext(context))
        return false;
    lua_State* L = m_state;
    // The name as the compiled call would find it: the context, then the globals.
    lua_getfield(L, -1, parsed.function.c_str());
    lua_remove(L, -2);
    if (!lua_isfunction(L, -1)) {
        lua_pop(L, 1);
        return false;  // compiled, the call reports what the name is
    }
    luaL_checkstack(L, static_cast<int>(parsed.arguments.size()) + 1, "аргументы вызова");
    for (const appcore::ScriptCallArgument& argument : parsed.arguments) {
        if (argument.isText)
            lua_pushlstring(L, argument.text.data(), argument.text.size());
        else
            lua_pushinteger(L, static_cast<lua_Integer>(argument.integer));
    }
    arguments = static_cast<int>(parsed.arguments.size());
    return true;
}

// Compiles a call text as an expression ("return <call>"), or, when it is not
// one, as statements. Leaves the chunk on the stack.
bool CInterpriter::Compile(const char* call, std::string& failure)
{
    lua_State* L = m_state;
    std::string expression = std::string("return ") + call;
    if (luaL_loadbufferx(L, expression.data(), expression.size(), kCallChunk, "t") == LUA_OK)
        return true;
    failure = lua_tostring(L, -1) ? lua_tostring(L, -1) : "";
    lua_pop(L, 1);
    std::string statements(call);
    if (luaL_loadbufferx(L, statements.data(), statements.size(), kCallChunk, "t") == LUA_OK)
        return true;
    lua_pop(L, 1);
    return false;
}

bool CInterpriter::Evaluate(const char* call, const char* context, std::string& answer)
{
    answer.clear();
    if (call == nullptr)
        call = "";
    StepBudget budget;
    if (const auto& observer = appcore::GetScriptHooks().evaluating)
        observer(call, context ? context : "");
    lua_State* L = m_state;
    int top = lua_gettop(L);
    std::string failure;
    bool ok = false;
    lua_pushcfunction(L, MessageHandler);
    int arguments = 0;
    if (PushParsedCall(call, context, arguments)) {
        if (const int status = lua_pcall(L, arguments, 1, top + 1); status != LUA_OK)
            failure = FailureText(L, status);
        else if (!appcore::ScriptValueText(L, -1, answer))
            failure = std::string("функция вернула значение типа ") + luaL_typename(L, -1)
                      + ", а ожидался текст или число";
        else
            ok = true;
    } else if (!Compile(call, failure)) {
        failure = "синтаксическая ошибка: " + failure;
    } else if (!PushContext(context)) {
        failure = "контекст сценария не найден";
    } else {
        lua_setupvalue(L, -2, 1);
        if (const int status = lua_pcall(L, 0, 1, top + 1); status != LUA_OK)
            failure = FailureText(L, status);
        else if (!appcore::ScriptValueText(L, -1, answer))
            failure = std::string("функция вернула значение типа ") + luaL_typename(L, -1)
                      + ", а ожидался текст или число";
        else
            ok = true;
    }
    lua_settop(L, top);
    if (ok)
        return true;
    answer.clear();
    if (appcore::IsReportedScriptFailure(failure))
        return false;
    appcore::ScriptReportError("Ошибка сценария (контекст " + ContextTitle(context) + ")\n" + call + "\n"
                               + failure);
    return false;
}
