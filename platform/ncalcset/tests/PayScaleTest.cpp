// The salary of one rate from the tariff scale at a date, and the seniority
// texts less the card's interruption days.
#include "FreshDatabase.h"
#include "ncalcset.h"
#include "ndbcore.h"

#include <gtest/gtest.h>

namespace {

TEST(PayScale, SeniorityIsYearsMonthsDaysLessTheInterruption)
{
    struct Case {
        const char* end;
        const char* start;
        long days;
        const char* text;
    };
    const Case cases[] = {
        {"10.12.2026", "", 0, ""},
        {"10.12.2026", "x", 0, ""},
        {"10.12.2026", "10.12.2020", 0, "6-0-0"},
        {"10.12.2026", "29.09.2020", 0, "6-2-11"},
        {"28.02.2021", "29.02.2020", 0, "1-0-0"},
        {"01.03.2021", "29.02.2020", 0, "1-0-1"},
        {"10.12.2026", "10.12.2020", 31, "5-11-0"},
        {"10.12.2026", "10.12.2020", 32, "5-10-29"},
        {"10.12.2026", "11.12.2026", 0, "0-0-0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MedStajText(c.end, c.start, c.days), CString(c.text)) << c.start << " " << c.days;
}

TEST(PayScale, TheOwnSalaryOrGradeOneTimesTheGradesCoefficientAtTheDate)
{
    ASSERT_TRUE(vornal::testing::UseFreshDatabase());
    ASSERT_TRUE(ExecuteSql("delete from spr_venz_okl where d='2031-07-01'\n"
                           "delete from spr_venz_kof where d='2031-07-01'\n"
                           "delete from perso_tn_nip where tn=1 and npp in (8, 9)\n"
                           "insert into spr_venz_okl (d, okl1, digits) values ('2031-07-01', 5000.00, 2)\n"
                           "insert into spr_venz_kof (raz, d, kof) values (12, '2031-07-01', 2.5)\n"
                           "insert into perso_tn_nip (tn, npp, st, d1, okl) values (1, 8, 1, '2031-01-01', 12000),"
                           " (1, 9, 1, '2031-01-01', NULL)"));
    const PayScale before = ReadPayScale("30.06.2031"), after = ReadPayScale("01.07.2031");
    EXPECT_DOUBLE_EQ(before.okl1, 4330);
    EXPECT_DOUBLE_EQ(after.okl1, 5000);
    struct Case {
        int grade;
        const char* date;
        long npp;
        double okl;
    };
    const Case cases[] = {
        {1, "30.06.2031", 9, 4330},        {12, "30.06.2031", 9, 4330 * 2.423},
        {1, "01.07.2031", 9, 5000},        {12, "01.07.2031", 9, 5000 * 2.5},
        {12, "01.07.2031", 8, 12000},      {1, "30.06.2031", 8, 12000},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(atof(GetOKL(c.grade, c.date, 1, c.npp)), c.okl, 0.005) << c.grade << " " << c.date << " " << c.npp;
    EXPECT_DOUBLE_EQ(GetOKL(40, 0, after), 0) << "a grade without a coefficient";
    ASSERT_TRUE(ExecuteSql("delete from perso_tn_nip where tn=1 and npp in (8, 9)\n"
                           "delete from spr_venz_okl where d='2031-07-01'\n"
                           "delete from spr_venz_kof where d='2031-07-01'"));
}

} // namespace
