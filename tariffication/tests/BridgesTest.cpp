// The two script bridges of the tariffication module: the exact call text
// each hands to the global context and how it reads the answer (a number, an
// empty answer, no number, a failed script), and the configuration's rules
// behind them over the demo tariff scale.
#include "CVenz.h"
#include "StaffDatabase.h"

#include <gtest/gtest.h>

namespace {

using nvenzol::CVenz;

const char kStubs[] = R"lua(
ANSWER = ""
FAIL = false
local function stub(...)
  if FAIL then error("сбой сценария") end
  return ANSWER
end
GetKof = stub
GetDigitFormatOkl = stub
)lua";

class VenzBridges : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(scripts.Define(kStubs)); }
    void Answer(const char* lua) { ASSERT_TRUE(scripts.Define(lua)); }

    ledmark_test::LedgerScripts scripts{false, "ВЕНЗОЛ"};
};

TEST_F(VenzBridges, CallTextsGoToTheGlobalContextWithTheTextEscaped)
{
    CVenz::GetKof(2, "01.09.2024");
    CVenz::GetKof(11, "кв.\"высшая\"");
    CVenz::GetDigitFormatOkl("01.01.2025");
    ASSERT_EQ(scripts.calls.size(), 3u);
    EXPECT_EQ(scripts.calls[0].call, R"(GetKof(2,"01.09.2024"))");
    EXPECT_EQ(scripts.calls[1].call, R"(GetKof(11,"кв.\"высшая\""))");
    EXPECT_EQ(scripts.calls[2].call, R"(GetDigitFormatOkl("01.01.2025"))");
    for (const auto& call : scripts.calls)
        EXPECT_EQ(call.context, "") << call.call;
}

TEST_F(VenzBridges, AnswersGiveValueAndTellWhetherTheScriptAnsweredANumber)
{
    struct Case {
        const char* lua;
        double kof;
        int digits;
        bool ok;
        size_t errors;  // of the three calls
    };
    const Case cases[] = {
        {"ANSWER = 1.25 FAIL = false", 1.25, 1, true, 0},
        {"ANSWER = 3 FAIL = false", 3, 3, true, 0},
        {"ANSWER = '' FAIL = false", 0, 0, false, 0},
        {"ANSWER = 'abc' FAIL = false", 0, 0, false, 0},
        {"FAIL = true", 0, 0, false, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lua);
        Answer(c.lua);
        scripts.Clear();
        bool kofOk = !c.ok, digitsOk = !c.ok;
        EXPECT_DOUBLE_EQ(CVenz::GetKof(1, "01.01.2025", kofOk), c.kof);
        EXPECT_EQ(kofOk, c.ok);
        EXPECT_DOUBLE_EQ(CVenz::GetKof(1, "01.01.2025"), c.kof);
        EXPECT_EQ(CVenz::GetDigitFormatOkl("01.01.2025", digitsOk), c.digits);
        EXPECT_EQ(digitsOk, c.ok);
        EXPECT_EQ(scripts.errors.size(), c.errors) << "a failed script is reported at each call";
    }
}

// The configuration's GetKof and GetDigitFormatOkl over the demo tariff scale:
// grade coefficients from the start of last year, revised this year; the
// salary's decimals from the start of this year.
class VenzRules : public stafftest::StaffDatabase {};

TEST_F(VenzRules, TheCoefficientAndDecimalsInForceAtADate)
{
    bool ok = false;
    EXPECT_DOUBLE_EQ(CVenz::GetKof(2, LastYear("15.06"), ok), 1.03);
    EXPECT_TRUE(ok);
    EXPECT_DOUBLE_EQ(CVenz::GetKof(2, ThisYear("01.01"), ok), 1.04);
    EXPECT_DOUBLE_EQ(CVenz::GetKof(18, ThisYear("31.12"), ok), 4.5);
    EXPECT_EQ(CVenz::GetDigitFormatOkl(ThisYear("02.02"), ok), 0);
    EXPECT_TRUE(ok);
    EXPECT_EQ(CVenz::GetDigitFormatOkl(LastYear("31.12"), ok), 2) << "no row in force: two decimals";
    EXPECT_TRUE(ok);
    EXPECT_TRUE(scripts.errors.empty());
}

TEST_F(VenzRules, AGradeWithoutACoefficientIsAnErrorNamingGradeAndDate)
{
    bool ok = true;
    EXPECT_DOUBLE_EQ(CVenz::GetKof(19, ThisYear("01.03"), ok), 0);
    EXPECT_FALSE(ok);
    ok = true;
    CVenz::GetKof(1, "31.12.1999", ok);
    EXPECT_FALSE(ok);
    CVenz::GetKof(1, "32.01.2024", ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(scripts.errors.size(), 3u);
    EXPECT_NE(scripts.errors[0].find("Нет коэффициента 19 разряда на " + ThisYear("01.03").ToStdString()),
              std::string::npos) << scripts.errors[0];
    EXPECT_NE(scripts.errors[1].find("1 разряда на 31.12.1999"), std::string::npos) << scripts.errors[1];
    EXPECT_NE(scripts.errors[2].find("неверная дата «32.01.2024»"), std::string::npos) << scripts.errors[2];
    scripts.Clear();
}

} // namespace
