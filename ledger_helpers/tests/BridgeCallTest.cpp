// What each bridge hands to the interpreter (the exact call text and context)
// and how it reads the answer: a number, an empty answer, a failed script.
#include "LedgerScripts.h"
#include "ledmark.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using ledmark_test::LedgerScripts;

const char kStubs[] = R"lua(
ANSWER = ""
FAIL = false
for _, name in ipairs({"GL_Should_Have_Kol", "GL_IsZab", "GL_Get_SB", "GetSchName", "GL_Valid_Sch0", "GL_Get_AP",
    "GL_Printable", "GL_Printable0", "GL_Printable1", "GL_Get_SCH", "GL_Get_EI", "GetWhere", "GL_SB_Name",
    "GL_GetFullSchDeb", "GL_GetFullSchKred", "GL_Verify_Date0", "GL_Verify_Date", "GL_NextNumber",
    "GL_HighestNumberQuery", "GL_TestSch", "GL_TestProvodka", "GL_InsertProvodka", "GL_InsertProvodka0", "GL_GetOst0", "GL_GetOst", "GL_GetOborot",
    "GL_GetDefKBK", "GetFilRukDol", "GetDefSO", "GetFilsSql", "GetFilRuk", "GetFilRuk0", "GetFilName0",
    "GL_JRN_GetNumber", "GetFilName", "GetFilAdres", "GetZaklSch", "GL_SqlProvodki", "local_get_filter"}) do
  _G[name] = function(...)
    if FAIL then error("сбой сценария") end
    return ANSWER
  end
end
function Echo(text) return text end
)lua";

class BridgeCall : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(scripts.Define(kStubs)); }

    void Answer(const char* lua) { ASSERT_TRUE(scripts.Define(lua)); }

    LedgerScripts scripts{false};
};

struct CallCase {
    const char* expected;
    bool workplace;
    std::function<void()> call;
};

TEST_F(BridgeCall, EveryBridgeSendsItsCallTextToItsContext)
{
    CString s1("1"), s2("304"), s3("05"), s4("");
    const CallCase cases[] = {
        {R"(GL_Should_Have_Kol("110536340"))", false, [] { GL_Should_Have_Kol("110536340"); }},
        {R"(GL_IsZab("201700000"))", false, [] { GL_IsZab("201700000"); }},
        {R"(GL_Get_SB("230405000",2))", false, [] { GL_Get_SB("230405000", 2); }},
        {R"(GetSchName("230405000"))", false, [] { GetSchName("230405000"); }},
        {R"(GL_Valid_Sch0("230405000",0,-1))", false, [] { GL_Valid_Sch("230405000", 0, -1); }},
        {R"(GL_Get_AP("230405000"))", false, [] { GL_Get_AP("230405000"); }},
        {R"(GL_Printable("230405000"))", false, [] { GL_Printable("230405000"); }},
        {R"(GL_Printable0("230405000","3",1))", false, [] { GL_Printable0("230405000", "3", 1); }},
        {R"(GL_Printable1("230405000","",0))", false, [] { GL_Printable1("230405000", nullptr, 0); }},
        {R"(GL_Get_SCH("1","304","05",""))", false, [&] { GL_Get_SCH(s1, s2, s3, s4); }},
        {R"(GL_Get_EI("spr_stovan_mat","5"))", false, [] { GL_GetMatEI("5"); }},
        {R"(GetWhere("x"))", false, [] { GetWhere("x"); }},
        {R"(GL_Verify_Date0("31.12.2024"))", false, [] { GL_Verify_Date0("31.12.2024"); }},
        {R"(GL_Verify_Date("31.12.2024",1))", false, [] { GL_Verify_Date("31.12.2024", 1); }},
        {R"(GL_NextNumber("ledmark_oper_by_hand",1))", false, [] { GL_NextNumber("ledmark_oper_by_hand", 1); }},
        {R"(GL_HighestNumberQuery("ledmark_oper_by_hand"))", false, [] { GL_HighestNumberQuery("ledmark_oper_by_hand"); }},
        {R"(GL_TestSch("230221730","4","","",1,-1))", false, [] { GL_TestSch("230221730", "4", nullptr, "", 1, -1); }},
        {R"(GL_TestProvodka("01.02.2024","120134510","","","","","","","","10.50","","1","","",3))", false,
         [] { GL_TestProvodka("01.02.2024", "120134510", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              "10.50", nullptr, 1, nullptr, nullptr, 3); }},
        {R"(GL_InsertProvodka(7,2,"01.02.2024","120134510","","","","120111610","1","","","10.50","","Выдано","1","2",1,0))",
         false, [] { GL_InsertProvodka(7, 2, "01.02.2024", "120134510", "", nullptr, nullptr, "120111610", "1", nullptr,
                                       nullptr, "10.50", nullptr, "Выдано", "1", "2", 1, 0); }},
        {R"(GL_InsertProvodka0(4294967295,1,"01.02.2024","","","","","","","","","0","5","","","",-2,0))", false,
         [] { GL_InsertProvodka0(4294967295u, 1, "01.02.2024", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, "0", "5", nullptr, nullptr, nullptr, -2, 0); }},
        {R"(GL_GetOst0("02.02.2024","020800000","11","","","","",""))", false,
         [] { GL_GetOst0("02.02.2024", "020800000", "11", nullptr, nullptr, -2, nullptr, nullptr); }},
        {R"(GL_GetOst0("02.02.2024","020800000","","","","3","",""))", false,
         [] { GL_GetOst0("02.02.2024", "020800000", nullptr, nullptr, nullptr, 3, nullptr, nullptr); }},
        {R"(GL_GetOst0("02.02.2024","020800000","","","","1,2","5","9"))", false,
         [] { GL_GetOstEx0("02.02.2024", "020800000", nullptr, nullptr, nullptr, "1,2", "5", "9"); }},
        {R"(GL_GetOst("02.02.2024","120134000","","","","","",""))", false,
         [] { GL_GetOst("02.02.2024", "120134000", nullptr, nullptr, nullptr, -2, nullptr, nullptr); }},
        {R"(GL_GetOst("02.02.2024","120134000","","","","1","",""))", false,
         [] { GL_GetOstEx("02.02.2024", "120134000", nullptr, nullptr, nullptr, "1", nullptr, nullptr); }},
        {R"(GL_GetOborot("01.01.2024","31.01.2024","050201000","226000","2","","","","","");)", false,
         [] { GL_GetOborot("01.01.2024", "31.01.2024", "050201000", "226000", "2", nullptr, nullptr, -2, nullptr,
                           nullptr); }},
        {R"(GL_GetOborot("01.01.2024","31.01.2024","120134000","","","","120111000","2","3","");)", false,
         [] { GL_GetOborotEx("01.01.2024", "31.01.2024", "120134000", nullptr, nullptr, nullptr, "120111000", "2", "3",
                             nullptr); }},
        {R"(GL_GetDefKBK("130405000",2,"",1))", false, [] { GL_GetDefKBK("130405000", 2, nullptr, 1); }},
        {R"(GetFilRukDol(2))", false, [] { GetFilRukDol(2); }},
        {R"(GetDefSO("120134510","120111610"))", false, [] { GetDefSO("120134510", "120111610"); }},
        {R"(GetFilsSql("1,3"))", false, [] { GetFilsSql("1,3"); }},
        {R"(GetFilRuk(2,1))", false, [] { GetFilRuk(2, 1); }},
        {R"(GetFilRuk0("2"))", false, [] { GetFilRuk0("2", 5); }},
        {R"(GetFilName0("1,2"))", false, [] { GetFilName0("1,2"); }},
        {R"(GL_JRN_GetNumber("230221830","120111610",""))", false,
         [] { GL_JRN_GetNumber("230221830", "120111610", nullptr); }},
        {R"(GL_SB_Name("230221730",1,"4"))", true, [] { GL_SB_Name("230221730", 1, "4"); }},
        {R"(GL_GetFullSchDeb("120134"))", true, [] { GL_GetFullSchDeb("120134"); }},
        {R"(GL_GetFullSchKred(""))", true, [] { GL_GetFullSchKred(""); }},
        {R"(GL_SqlProvodki("'2024-01-01'","'2024-01-31'","where deb1='201'",1))", true,
         [] { GL_SqlProvodki("'2024-01-01'", "'2024-01-31'", "where deb1='201'", 1); }},
        {R"(GetZaklSch())", true, [] { GetZaklSch(); }},
        {R"(GetFilName(2))", true, [] { GetFilName(2); }},
        {R"(GetFilAdres(2))", true, [] { GetFilAdres(2); }},
    };
    for (const CallCase& c : cases) {
        scripts.Clear();
        c.call();
        ASSERT_EQ(scripts.calls.size(), 1u) << c.expected;
        EXPECT_EQ(scripts.calls[0].call, c.expected);
        EXPECT_EQ(scripts.calls[0].context, c.workplace ? scripts.Workplace() : "") << c.expected;
        EXPECT_TRUE(scripts.errors.empty()) << c.expected;
    }
    EXPECT_EQ(GetShould_Have_KBK(), 1);
}

TEST_F(BridgeCall, HostileTextReachesTheScriptUnchangedInEveryTextArgument)
{
    ASSERT_TRUE(scripts.Define("function GetDefSO(a, b) return a .. '|' .. b end\n"
                               "function GL_SqlProvodki(a, b, c, d) return c end"));
    const char* hostile[] = {"a\"b", "a\\\"),os.exit(1),(\"", "строка 1\nстрока 2\r\tконец", "]] ..", "\\"};
    for (const char* text : hostile) {
        EXPECT_EQ(GetDefSO(text, "x"), CString(text) + "|x");
        EXPECT_EQ(GL_SqlProvodki("", "", text, 1), CString(text));
    }
    EXPECT_TRUE(scripts.errors.empty());
}

TEST_F(BridgeCall, IntegerAnswersAreReadAsNumbersAndFailuresAsZero)
{
    struct Case {
        const char* lua;
        int expected;
    } cases[] = {
        {"ANSWER = 7", 7}, {"ANSWER = '12'", 12}, {"ANSWER = ''", 0}, {"ANSWER = 'нет'", 0}, {"FAIL = true", 0},
    };
    for (const Case& c : cases) {
        Answer("ANSWER = ''; FAIL = false");
        Answer(c.lua);
        EXPECT_EQ(GL_Get_SB("230221730", 1), c.expected) << c.lua;
        EXPECT_EQ(GL_Valid_Sch("230221730", 0, -1), c.expected) << c.lua;
        EXPECT_EQ(GL_InsertProvodka(1, 1, "", "", "", "", "", "", "", "", "", "", "", "", "", "", 1, 0), c.expected)
            << c.lua;
    }
}

TEST_F(BridgeCall, ChecksThatAnswerZeroForGoodRefuseWhenTheScriptFails)
{
    struct Case {
        const char* lua;
        int expected;
    } cases[] = {
        {"ANSWER = 0", 0},   {"ANSWER = '0'", 0},   {"ANSWER = 3", 3},  {"ANSWER = ' 11 '", 11},
        {"ANSWER = ''", -1}, {"ANSWER = 'x'", -1},  {"ANSWER = '0x'", -1}, {"FAIL = true", -1},
        {"GL_TestSch = nil; GL_TestProvodka = nil", -1}, // no such function
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(scripts.Define(kStubs));
        Answer(c.lua);
        scripts.Clear();
        EXPECT_EQ(GL_TestSch("230221730", "", "", "", 1, -1), c.expected) << c.lua;
        EXPECT_EQ(GL_TestProvodka("01.02.2024", "", "", "", "", "", "", "", "", "", "", 1, "", "", 1), c.expected)
            << c.lua;
        // A failing script is shown to the user by the interpreter, never silently accepted.
        EXPECT_EQ(scripts.errors.size(), std::string(c.lua).find("ANSWER") == 0 ? 0u : 2u) << c.lua;
    }
}

TEST_F(BridgeCall, TextAndNumberAnswers)
{
    Answer("ANSWER = '1200.50@0.00@3@0'");
    EXPECT_EQ(GL_GetOst0("01.01.2024", "120134000", "", "", "", -2, "", ""), CString("1200.50@0.00@3@0"));
    Answer("ANSWER = '-15.25'");
    EXPECT_DOUBLE_EQ(GL_GetOst("01.01.2024", "120134000", "", "", "", -2, "", ""), -15.25);
    Answer("ANSWER = 42");
    EXPECT_EQ(GL_NextNumber("ledmark_avans_otch", 0), CString("42"));
    Answer("FAIL = true");
    EXPECT_EQ(GL_GetOst0("01.01.2024", "120134000", "", "", "", -2, "", ""), CString());
    EXPECT_EQ(GL_GetOborot("01.01.2024", "31.01.2024", "120134000", "", "", "", "", -2, "", ""), CString());
    EXPECT_DOUBLE_EQ(GL_GetOstEx("01.01.2024", "120134000", "", "", "", "", "", ""), 0.0);
    EXPECT_EQ(GL_InsertProvodka0(1, 1, "", "", "", "", "", "", "", "", "", "", "", "", "", "", 1, 0), CString());
    EXPECT_EQ(scripts.errors.size(), 4u);
}

} // namespace
