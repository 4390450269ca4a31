// Employee checks and texts on the real database: personnel numbers given as
// numbers and as texts (junk text must not reach SQL), columns in the layer's
// text forms, the short-name expression with missing parts, the form-code block.
#include "DbReportRecorder.h"
#include "FreshDatabase.h"
#include "ncalcset.h"
#include "ndbcore.h"

#include <gtest/gtest.h>

namespace {

class EmployeeData : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::UseFreshDatabase());
        ASSERT_TRUE(ExecuteSql("delete from tn where tn in (71,72)\n"
                               "insert into tn (tn,f,i,o,dpv1) values (71,'Иванов','Пётр',null,'2024-03-05')\n"
                               "insert into tn (tn,f,i,o) values (72,'Сидорова',null,null)"));
    }
};

TEST_F(EmployeeData, TnOkAcceptsOnlyExistingNumbers)
{
    EXPECT_NE(TnOk(71), 0);
    EXPECT_NE(TnOk(71L), 0);
    EXPECT_NE(TnOk(" 71 "), 0);
    EXPECT_EQ(TnOk(7100), 0);
    vornal::testing::DbReportRecorder reports;
    for (const char* junk : {"", "71 or 1=1", "7x", "abc"})
        EXPECT_EQ(TnOk(junk), 0) << junk;
    EXPECT_EQ(TnOk(static_cast<const char*>(nullptr)), 0);
    EXPECT_TRUE(reports.reports().empty());
}

TEST_F(EmployeeData, GetTNGivesColumnsInTextForms)
{
    EXPECT_EQ(GetTN(71, "f"), CString("Иванов"));
    EXPECT_EQ(GetTN("71", "dpv1"), CString("05.03.2024"));
    EXPECT_EQ(GetTN(71, "o"), CString(""));
    EXPECT_EQ(GetTN(9999, "f"), CString(""));
    vornal::testing::DbReportRecorder reports;
    EXPECT_EQ(GetTN(71, "f from tn; drop table tn; --"), CString(""));
    EXPECT_EQ(reports.reports().size(), 1u);
    EXPECT_EQ(GetTN(71, "f"), CString("Иванов"));
}

TEST_F(EmployeeData, DemoEmployeeHasThePositionDepartmentAndPassportTheFormsRead)
{
    const std::pair<const char*, const char*> columns[] = {
        {"dol", "1"}, {"prd", "1"}, {"serp", "4509"}, {"nop", "123456"},
        {"kv1", "Отделом УФМС России по г. Ольмарску"}, {"kv2", "в Центральном районе"},
        {"dvpus", "15.06.2012"}, {"DVpus", "15.06.2012"}};
    for (const auto& [column, value] : columns)
        EXPECT_EQ(GetTN(1, column), CString(value)) << column;
}

TEST_F(EmployeeData, ShortNameLeavesOutMissingInitials)
{
    CString sql = "select " + GL_SqlFioShort() + " as str from tn where tn=%d";
    CString one, two, three;
    one.Format(sql, 71);
    two.Format(sql, 72);
    three.Format(sql, 1);
    EXPECT_EQ(ExecuteString(one), CString("Иванов П."));
    EXPECT_EQ(ExecuteString(two), CString("Сидорова"));
    EXPECT_EQ(ExecuteString(three), CString("Петрова А.С."));
}

TEST(FormPieces, OkudBlockLeavesOutEmptyParts)
{
    EXPECT_EQ(GetOKUD("", nullptr, nullptr), CString(""));
    EXPECT_EQ(GetOKUD(nullptr, nullptr, nullptr), CString(""));
    CString both = GetOKUD("434", nullptr, "0504234");
    EXPECT_NE(both.Find("Форма № 434"), -1);
    EXPECT_NE(both.Find("0504234"), -1);
    CString codeOnly = GetOKUD("", nullptr, "0510031");
    EXPECT_EQ(codeOnly.Find("Форма №"), -1);
    EXPECT_NE(codeOnly.Find("0510031"), -1);
    EXPECT_EQ(GetOKUD("389", nullptr, nullptr).Find("Коды"), -1);
    EXPECT_NE(GetOKUD("<b>", nullptr, nullptr).Find("&lt;b&gt;"), -1);
}

} // namespace
