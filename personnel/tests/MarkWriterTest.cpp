// The writer of time-sheet marks: one save updates, inserts and deletes, and
// a save that fails in a later row leaves every mark as it was.
#include "MarkWriter.h"
#include "StaffDatabase.h"

#include <ndbcore.h>

#include <gtest/gtest.h>

namespace {

using nvenzol::TrvMark;

class MarkWriter : public stafftest::StaffDatabase {
protected:
    void SetUp() override
    {
        StaffDatabase::SetUp();
        Run("delete from perso_trv where tn=101\n"
            "insert into perso_trv (tn, npp, d, t) values (101, 1, '2024-03-04', '8.00'), (101, 1, '2024-03-05', '8.00'),"
            " (101, 2, '2024-03-04', '4.00')");
    }
    // The marks of employee 101 as "npp day mark" lines.
    QStringList Marks()
    {
        QStringList lines;
        _RecordsetPtr rows = GetConnection()->Execute(
            _bstr_t("select npp, d, t from perso_trv where tn=101 order by npp, d"), nullptr, adCmdText);
        for (; !rows->GetadoEOF(); rows->MoveNext())
            lines << QStringLiteral("%1 %2 %3").arg(rows->GetCollect("npp").text(), rows->GetCollect("d").text(),
                                                   rows->GetCollect("t").text());
        return lines;
    }
};

TEST_F(MarkWriter, OneSaveUpdatesInsertsAndDeletes)
{
    const std::vector<TrvMark> marks = {
        {"101", "1", "04.03.2024", "к"},
        {"101", "1", "05.03.2024", ""},
        {"101", "1", "06.03.2024", "7.50"},
        {"101", "2", "04.03.2024", "4.00"},
        {"101", "2", "09.03.2024", ""},
    };
    EXPECT_TRUE(nperso::WriteMarks(marks));
    EXPECT_EQ(Marks(), QStringList({"1 04.03.2024 к", "1 06.03.2024 7.50", "2 04.03.2024 4.00"}));
    EXPECT_TRUE(nperso::WriteMarks(marks)) << "the same marks again";
    EXPECT_EQ(Count("select count(*) from perso_trv where tn=101"), 3);
}

TEST_F(MarkWriter, AFailureInALaterRowLeavesEveryMarkAsItWas)
{
    const QStringList before = Marks();
    const std::vector<TrvMark> marks = {
        {"101", "1", "04.03.2024", "б"},
        {"101", "1", "05.03.2024", ""},
        {"101", "1", "06.03.2024", "слишком длинная отметка"},
        {"101", "2", "04.03.2024", "о"},
    };
    EXPECT_FALSE(nperso::WriteMarks(marks));
    EXPECT_EQ(Marks(), before);
    EXPECT_EQ(dbReports.reports().size(), 1u);
    dbReports.clear(1);

    EXPECT_FALSE(nperso::WriteMarks({{"101", "1", "04.03.2024", "б"}, {"101", "x", "05.03.2024", "8"}}));
    EXPECT_EQ(Marks(), before);
    ASSERT_EQ(dbReports.reports().size(), 1u);
    EXPECT_NE(dbReports.reports()[0].message.Find("нет назначения 101/x"), -1);
}

} // namespace
