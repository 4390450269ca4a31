// The interpreter: call texts evaluated in the global, workplace and form
// contexts, answers as text, failures reported and never read as answers,
// user text made safe by MakeParam, and the configuration's own scripts.
#include "ScriptLimits.h"
#include "CDataArchive.h"
#include "CHelpers.h"
#include "CInterpriter.h"
#include "CModuleLoader.h"
#include "ConfigGlobals.h"
#include "HookRecorder.h"
#include "MakeParam.h"
#include "ScriptCallText.h"
#include "ScriptLuaCall.h"

#include <gtest/gtest.h>


#include <cstdlib>

namespace {

const char kGlobalScript[] = R"(
function Int() return 42 end
function Float() return 2.5 end
function Whole() return 3.0 end
function Big() return 1e15 end
function Sum() return 0.1 + 0.2 end
function Small() return 0.00001 end
function Negative() return -1.25 end
function Yes() return true end
function No() return false end
function Nothing() end
function Text() return "Счёт 230405000" end
function Table() return {} end
function Fails() error("нет такого счёта") end
function FailsEmpty() error("") end
function GL_GetOborot(a) return "10@20" end
function Shared() return "общая" end
function Echo(note, flag) return note .. "|" .. flag end
function Kinds(...)
    local parts = {}
    for _, v in ipairs({...}) do parts[#parts + 1] = math.type(v) or type(v) end
    return select("#", ...) .. ":" .. table.concat(parts, ",")
end
NotAFunction = 5
)";

const char kWorkplaceScript[] = R"(
function Own() return "своя " .. Shared() end
function Shared() return "переопределена" end
)";

class InterpriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(interpriter.LoadScript(nullptr, "global.lua", kGlobalScript));
        ASSERT_TRUE(interpriter.LoadScript("Arm.А", "a.lua", kWorkplaceScript));
        ASSERT_TRUE(interpriter.LoadScript("Form.Печать", "f.lua", "function prn(id) return id * 2 end"));
        interpriter.AddContext("Arm.Б");
    }

    std::string Eval(const char* call, const char* context = nullptr)
    {
        std::string answer = "stale";
        EXPECT_TRUE(interpriter.Evaluate(call, context, answer)) << call;
        return answer;
    }

    HookRecorder hooks;
    CInterpriter interpriter;
};

} // namespace

TEST_F(InterpriterTest, AnswersAreTextThatCallersReadWithAtolAndAtof)
{
    struct Case { const char* call; const char* answer; };
    const Case cases[] = {
        {"Int()", "42"},          {"Float()", "2.5"},         {"Whole()", "3"},
        {"Big()", "1000000000000000"}, {"Sum()", "0.3"},     {"Small()", "0.00001"},
        {"Negative()", "-1.25"},  {"Yes()", "1"},             {"No()", "0"},
        {"Nothing()", ""},        {"Text()", "Счёт 230405000"},
        {"GL_GetOborot(\"1\");", "10@20"}, // the turnover bridges end their call with ";"
        {"x = 5", ""},            // a statement runs too
    };
    for (const Case& c : cases)
        EXPECT_EQ(Eval(c.call), c.answer) << c.call;
    EXPECT_TRUE(hooks.errors.empty());
}

TEST_F(InterpriterTest, PrintedFormsWriteAmountsAndCountsInWords)
{
    EXPECT_EQ(Eval("app.in_words(\"1500,75\")"), "Одна тысяча пятьсот рублей 75 копеек");
    EXPECT_EQ(Eval("app.in_words(21, true)"), "двадцать один");
    std::string answer;
    EXPECT_FALSE(interpriter.Evaluate("app.in_words(\"двадцать\")", nullptr, answer));
    EXPECT_EQ(hooks.errors.size(), 1u);
}

TEST_F(InterpriterTest, AmountsRoundToKopecksAsTheProgramRoundsThem)
{
    struct Case { const char* call; const char* answer; };
    const Case cases[] = {
        {"app.money(2.675)", "2.68"},     {"app.money(\"2,675\")", "2.68"}, {"app.money(-2.675)", "-2.68"},
        {"app.money(1.005)", "1.01"},     {"app.money(-0.001)", "0.00"},     {"app.money(nil)", "0.00"},
        {"app.money(1234567.895)", "1234567.90"}, {"app.money(\"7\")", "7.00"},
        // a number of decimals of its own: whole roubles, tens of kopecks, more
        {"app.money(\"2.5\", 0)", "3"},  {"app.money(-2.5, 0)", "-3"},     {"app.money(\"2.65\", 1)", "2.7"},
        {"app.money(\"2.675\", 2)", "2.68"}, {"app.money(\"1.23456\", 4)", "1.2346"}, {"app.money(nil, 1)", "0.0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Eval(c.call), c.answer) << c.call;
    std::string answer;
    EXPECT_FALSE(interpriter.Evaluate("app.money(\"два\")", nullptr, answer));
    EXPECT_FALSE(interpriter.Evaluate("app.money(1, 7)", nullptr, answer));
    EXPECT_EQ(hooks.errors.size(), 2u);
}

// The scripts reach nothing of the machine but the host API; `load` takes
// text alone, in the caller's context; a runaway loop is stopped.
TEST_F(InterpriterTest, TheSandboxKeepsScriptsToTheHostApi)
{
    struct Case { const char* call; const char* answer; };
    const Case absent[] = {
        {"type(io)", "nil"},          {"type(package)", "nil"},     {"type(debug)", "nil"},
        {"type(require)", "nil"},     {"type(loadfile)", "nil"},    {"type(dofile)", "nil"},
        {"type(os.execute)", "nil"},  {"type(os.exit)", "nil"},     {"type(os.remove)", "nil"},
        {"type(os.rename)", "nil"},   {"type(os.getenv)", "nil"},   {"type(os.tmpname)", "nil"},
        {"type(collectgarbage)", "function"},  // what stays works
        {"load(\"return 1 + 1\")()", "2"},
        {"select(2, load(string.dump(function() return 1 end)))", "attempt to load a binary chunk (mode is 't')"},
        {"select(2, load(string.dump(function() return 1 end), \"x\", \"b\"))",
         "attempt to load a binary chunk (mode is 't')"},
    };
    for (const Case& c : absent)
        EXPECT_EQ(Eval(c.call), c.answer) << c.call;
    ASSERT_TRUE(interpriter.LoadScript("Arm.Б", "b.lua", "Mine = \"своё\"\nfunction Loaded() return load(\"return Mine\")() end"));
    EXPECT_EQ(Eval("Loaded()", "Arm.Б"), "своё") << "a loaded chunk sees the context it was loaded from";

    CInterpriter::SetStepLimit(5'000'000);
    std::string answer;
    EXPECT_FALSE(interpriter.Evaluate("(function() while true do end end)()", nullptr, answer));
    CInterpriter::SetStepLimit(0);
    ASSERT_EQ(hooks.errors.size(), 1u);
    EXPECT_NE(hooks.errors[0].find("зациклился"), std::string::npos) << hooks.errors[0];
    EXPECT_EQ(Eval("Int()"), "42") << "the interpreter goes on after a stopped script";
}

// What the library does in C takes few steps: a script that asks for
// gigabytes in one string.rep, or loops over slow C calls, is stopped by the
// memory and time limits, each with its own words and the call named.
TEST_F(InterpriterTest, MemoryAndTimeOfAScriptAreBoundedBeyondItsSteps)
{
    struct Case {
        const char* call;
        const char* stopped;
    };
    appcore::SetScriptMemoryLimit(64LL * 1024 * 1024);
    appcore::SetScriptTimeLimit(1);
    const Case cases[] = {
        {"#string.rep(\"x\", 1 << 30)", "он занял больше 64 МБ памяти"},
        {"#table.concat({string.rep(\"ab\", 1 << 24), string.rep(\"cd\", 1 << 24)})", "он занял больше 64 МБ памяти"},
        {"(function() while true do local s = string.rep(\"ab\", 100000) end end)()", "он выполнялся дольше 1 с"},
    };
    for (const Case& c : cases) {
        hooks.errors.clear();
        std::string answer;
        EXPECT_FALSE(interpriter.Evaluate(c.call, nullptr, answer)) << c.call;
        ASSERT_EQ(hooks.errors.size(), 1u) << c.call;
        EXPECT_NE(hooks.errors[0].find(c.stopped), std::string::npos) << hooks.errors[0];
        EXPECT_NE(hooks.errors[0].find(c.call), std::string::npos) << "the call is named: " << hooks.errors[0];
    }
    appcore::SetScriptMemoryLimit(0);
    appcore::SetScriptTimeLimit(0);
    EXPECT_EQ(Eval("#string.rep(\"x\", 100 << 20)"), "104857600") << "within the limits a large string is made";
}

TEST_F(InterpriterTest, WorkplaceAndFormContextsSeeTheGlobalsButKeepTheirOwn)
{
    EXPECT_EQ(Eval("Own()", "Arm.А"), "своя переопределена");
    EXPECT_EQ(Eval("Shared()", "Arm.А"), "переопределена");
    EXPECT_EQ(Eval("Shared()", "Arm.Б"), "общая");
    EXPECT_EQ(Eval("Shared()"), "общая");
    EXPECT_EQ(Eval("prn(21)", "Form.Печать"), "42");
    EXPECT_EQ(Eval("Int()", "Form.Печать"), "42");
    std::string answer;
    EXPECT_FALSE(interpriter.Evaluate("Own()", nullptr, answer)); // the workplace's own is not global
    EXPECT_FALSE(interpriter.Evaluate("Own()", "Arm.Б", answer));
}

TEST_F(InterpriterTest, FailuresAreReportedAndNeverAnswered)
{
    struct Case { const char* call; const char* context; const char* reported; };
    const Case cases[] = {
        {"Fails()", nullptr, "нет такого счёта"},
        {"FailsEmpty()", nullptr, "FailsEmpty()"},
        {"NoSuchFunction(1)", nullptr, "NoSuchFunction"},
        {"Int(", nullptr, "синтаксическая ошибка"},
        {"Table()", nullptr, "table"},
        {"Int()", "Arm.НЕТ", "контекст сценария не найден"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        HookRecorder local;
        std::string answer = "0";
        EXPECT_FALSE(interpriter.Evaluate(c.call, c.context, answer));
        EXPECT_EQ(answer, ""); // not "0": a failed check never reads as "all is well"
        ASSERT_EQ(local.errors.size(), 1u);
        EXPECT_NE(local.errors[0].find(c.reported), std::string::npos) << local.errors[0];
        EXPECT_NE(local.errors[0].find("Ошибка сценария"), std::string::npos);
    }
    EXPECT_EQ(Eval("Int()"), "42"); // the state is sound after the failures
}

// A bridge's call of literal arguments reaches its function without being
// compiled; it answers as the compiled text does (the same text in
// parentheses is compiled), and any other text is compiled as before.
TEST_F(InterpriterTest, LiteralCallsAnswerAsCompiledOnes)
{
    struct Case {
        const char* call;
        bool parsed;
    } const cases[] = {
        {R"(Kinds("a",1,-2,"",007))", true},
        {R"(Echo("\\\"\n\r\t\065\0931\'",7))", true},
        {"Kinds()", true},
        {R"(Kinds("x");)", true},
        {"Kinds(123456789012345678)", true},
        {"Kinds(1234567890123456789)", false},  // Lua reads it as a float
        {"Kinds(1.5,0x10,1e3)", false},
        {"Kinds(x)", false},
        {R"(Kinds("a", 1))", false},             // blanks are the compiler's
        {R"(Kinds("\x41\u{42}"))", false},
        {"not(1)", false},
        {"Kinds(1) .. Kinds(2)", false},
        {"Own()", true},                          // found through the workplace's context
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        appcore::ScriptCallText parsed;
        EXPECT_EQ(appcore::ParseScriptCallText(c.call, parsed), c.parsed);
        const std::string compiled = std::string("(") + c.call + ")";
        if (std::string(c.call).back() != ';')
            EXPECT_EQ(Eval(c.call, "Arm.А"), Eval(compiled.c_str(), "Arm.А"));
    }
    EXPECT_EQ(Eval(R"(Kinds("a",1,-2,"",007))"), "5:string,integer,integer,string,integer");
    // A name that is no function is compiled, so the failure reads as before.
    HookRecorder local;
    std::string answer;
    EXPECT_FALSE(interpriter.Evaluate("NotAFunction(1)", nullptr, answer));
    ASSERT_EQ(local.errors.size(), 1u);
    EXPECT_NE(local.errors[0].find("global 'NotAFunction'"), std::string::npos) << local.errors[0];
    EXPECT_TRUE(hooks.errors.empty());
}

TEST_F(InterpriterTest, MakeParamCarriesHostileTextThroughARealCallUnchanged)
{
    const CString notes[] = {
        "оплата по счёту \"5\"",
        "C:\\путь\\",
        "\\\"",
        "первая строка\nвторая\r\nтретья",
        "\"); os.exit(1) --",
        "\",1) .. Fails() .. (\"",
        "]] .. Fails() .. [[",
        "\\0\\x41\\u{41}\\z",
        CString(QString::fromUtf8("нуль\0внутри", 21)),
        "\t\x01\x1f\x7f",
        "",
    };
    for (const CString& note : notes) {
        SCOPED_TRACE(note.GetString());
        CString call;
        call.Format("Echo(\"%s\",%d)", MakeParam(note), 7);
        CString answer;
        ASSERT_TRUE(interpriter.Evaluate(call, nullptr, answer)) << call.GetString();
        EXPECT_EQ(answer, note + CString("|7"));
    }
    EXPECT_TRUE(hooks.errors.empty());
}

TEST_F(InterpriterTest, ScriptsReachTheUserThroughTheHooks)
{
    ASSERT_TRUE(interpriter.LoadScript(nullptr, "ui.lua", R"(
        function Ask() if app.question("Удалить?") then return 1 end return 2 end
        function Show() app.report("<html>отчёт</html>", "Оборотка") app.warning("Внимание") return 1 end
    )"));
    hooks.boxAnswer = 6; // IDYES
    EXPECT_EQ(Eval("Ask()"), "1");
    hooks.boxAnswer = 7; // IDNO
    EXPECT_EQ(Eval("Ask()"), "2");
    EXPECT_EQ(Eval("Show()"), "1");
    ASSERT_EQ(hooks.reports.size(), 1u);
    EXPECT_EQ(hooks.reports[0], "Оборотка|<html>отчёт</html>");
    EXPECT_EQ(hooks.boxes.back(), "Внимание");
    std::string answer;
    EXPECT_FALSE(interpriter.Evaluate("app.message({})", nullptr, answer)); // a wrong argument is an error
    EXPECT_FALSE(interpriter.Evaluate("os.execute('true')", nullptr, answer));
}

namespace {

// A host function whose failure the host has shown already (as the database
// layer shows its errors).
int ShownFailure(lua_State*)
{
    throw appcore::ScriptReportedError("ошибка базы данных");
}

} // namespace

TEST_F(InterpriterTest, AFailureTheHostHasShownFailsWithoutASecondReport)
{
    lua_register(interpriter.State(), "Shown", appcore::ScriptHostFunction<ShownFailure>);
    ASSERT_TRUE(interpriter.LoadScript(nullptr, "s.lua", "function Balance() return Shown() + 1 end"));
    HookRecorder local;
    std::string answer = "0";
    EXPECT_FALSE(interpriter.Evaluate("Balance()", nullptr, answer));
    EXPECT_EQ(answer, "");
    EXPECT_TRUE(local.errors.empty());
    // Caught inside the script, the failure is the script's to handle.
    EXPECT_EQ(Eval("pcall(Shown) and 1 or 2"), "2");
}

TEST(ApplicationInterpriter, DefaultConfigurationLoadsAndAnswersLoadInEveryContext)
{
    HookRecorder hooks;
    ASSERT_TRUE(GetDataArchive()->LoadFile((std::string(std::getenv("VORNAL_BIN")) + "/vornal.cfa").c_str()));
    // The modules the configuration names, from the program folder of the build.
    CModuleLoader::SetFolder(std::getenv("VORNAL_BIN"));
    ASSERT_EQ(CInterpriter::mcc_dll_Global_init0(), 1);
    char hashKey[64];
    ASSERT_EQ(CInterpriter::mcc_dll_Global_init_HashKey(hashKey), 1);
    EXPECT_EQ(CString(hashKey), GetDataArchive()->GetHashKey());
    char tooShort[4];
    EXPECT_EQ(CInterpriter::mcc_dll_Global_init_HashKey(tooShort), 0);
    ASSERT_EQ(CInterpriter::mcc_dll_Global_init(), 1);
    EXPECT_EQ(hooks.errors.size(), 1u); // only the short buffer above
    EXPECT_GE(hooks.logs.size(), 5u);    // each of the five modules, loaded or absent, is named in the log

    // As start-up and the main frame's closing call them.
    for (int i = 0; i < GetDataArchive()->GetArmCount(); ++i) {
        g_lARM = i;
        CString context = "Arm." + I_GetArmId();
        SCOPED_TRACE(context.GetString());
        for (const char* call : {"Load()", "UnLoad()"}) {
            CString global, workplace;
            EXPECT_NE(CHelpers::EXEC_GetFunctionValue(call, global, nullptr), 0);
            EXPECT_NE(CHelpers::EXEC_GetFunctionValue(call, workplace, context), 0);
            EXPECT_EQ(atol(global), 1);
            EXPECT_EQ(atol(workplace), 1);
        }
    }
    g_lARM = 0;
    CInterpriter::mcc_dll_Global_uninit();
    EXPECT_EQ(CInterpriter::GetMain(), nullptr);
    CString result = "stale";
    EXPECT_EQ(CHelpers::EXEC_GetFunctionValue("Load()", result, nullptr), 0);
    EXPECT_EQ(result, CString());
    EXPECT_NE(hooks.errors.back().find("интерпретатор не запущен"), std::string::npos);
    CModuleLoader::SetFolder("");
}

TEST(ApplicationInterpriter, ConfigurationCommandsRunInTheWorkplaceContext)
{
    CConfigContents c;
    c.m_strHashKey = "K";
    c.m_commands = {{20001, "Run", "", 0, "Ran(\"команда\")", ""},
                    {20002, "Broken", "", 0, "Fails()", ""},
                    {20003, "About", "", 57664, "", ""}};
    CArmRecord arm;
    arm.m_strId = "W";
    c.m_arms = {arm};
    c.m_scripts = {{"", "g.lua", "ran = nil\nfunction Fails() error('сбой') end"},
                   {"Arm.W", "w.lua", "function Ran(what) ran = what return 1 end"}};
    GetDataArchive()->SetContents(c);
    g_lARM = 0;
    HookRecorder hooks;
    CModuleLoader::SetFolder("/nonexistent");
    ASSERT_EQ(CInterpriter::mcc_dll_Global_init0(), 1);
    ASSERT_EQ(CInterpriter::mcc_dll_Global_init(), 1);

    EXPECT_EQ(CInterpriter::mcc_dll_execute_Command("Run"), 1);
    std::string ran;
    EXPECT_TRUE(CInterpriter::GetMain()->Evaluate("ran", "Arm.W", ran));
    EXPECT_EQ(ran, "команда");
    EXPECT_TRUE(hooks.errors.empty());
    struct Case { const char* name; const char* reported; };
    for (const Case& bad : {Case{"Broken", "сбой"}, Case{"NoSuch", "не описана"}, Case{"About", "нет сценария"}}) {
        HookRecorder local;
        EXPECT_EQ(CInterpriter::mcc_dll_execute_Command(bad.name), 0) << bad.name;
        ASSERT_EQ(local.errors.size(), 1u);
        EXPECT_NE(local.errors[0].find(bad.reported), std::string::npos) << local.errors[0];
    }
    // EXEC_Execute: a command's number, 1 when it answers no number, 0 on failure.
    struct Run { const char* text; int result; };
    for (const Run& run : {Run{"Ran(0)", 1}, Run{"7", 7}, Run{"0", 0}, Run{"nil", 1}, Run{"'текст'", 1},
                           Run{"Fails()", 0}}) {
        HookRecorder local;
        EXPECT_EQ(CHelpers::EXEC_Execute(run.text, "Arm.W"), run.result) << run.text;
        EXPECT_EQ(local.errors.size(), std::string(run.text) == "Fails()" ? 1u : 0u);
    }
    CInterpriter::mcc_dll_Global_uninit();
    CModuleLoader::SetFolder("");
    GetDataArchive()->DeleteArchives();
}
