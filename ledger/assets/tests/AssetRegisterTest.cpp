// The fixed-asset register kept in the core's book editor: every card column
// edited, a card added with its responsible person, department, accounts and
// dates and found again, a text that is no account refused by the table and
// nothing written (the editor says so in words before it writes), and a
// picture of the editor with the demo cards.
#include "CSprEditView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"

#include <QCoreApplication>

namespace {

class AssetRegister : public ledgertest::LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        g_bAllowSprAdd = TRUE;
    }
    CSprEditView* Open()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("spr_osn_sr", 0, ""), 1);
        return Active<CSprEditView>();
    }
    static CCellwork& Grid(CSprEditView* view)
    {
        return *static_cast<CCellwork*>(view->GetDlgItem(IDC_SPR_EDIT_GRID));
    }
    // The grid column of a card column, by its caption.
    static long Column(CCellwork& grid, const char* caption)
    {
        for (long col = 0; col < grid.GetNCols(); ++col)
            if (grid.GetColCaption(col) == CString(caption))
                return col;
        ADD_FAILURE() << "no column " << caption;
        return 0;
    }
    static void Fill(CCellwork& grid, long row, std::initializer_list<std::pair<const char*, const char*>> cells)
    {
        for (const auto& [caption, value] : cells)
            grid.SetCellValue(Column(grid, caption), row, value);
    }
};

TEST_F(AssetRegister, ACardAddedWithItsAccountsAndFoundAgain)
{
    CSprEditView* view = Open();
    ASSERT_NE(view, nullptr);
    CCellwork& grid = Grid(view);
    EXPECT_EQ(grid.GetNCols(), 23) << "the key and every card column";
    const long demo = grid.GetNRows();
    ASSERT_GE(demo, 3);

    afxtest::click(view, IDC_SPR_EDIT_ADD);
    const long row = grid.GetNRows() - 1;
    Fill(grid, row, {{"Наименование", "Мясорубка электрическая"}, {"Инв. номер", "101340077"}, {"Кол-во", "1"},
                     {"Стоимость", "38500,50"}, {"Счет", "10134"}, {"Счет амортизации", "110434410"},
                     {"МОЛ (таб. №)", "4"}, {"Подразделение (код)", "2"}, {"Начислять амортизацию (1/0)", "1"},
                     {"Дата принятия", "15.01.2024"}, {"Срок полезного использования, мес.", "84"}});
    // What the table would refuse is said in words before anything is sent.
    const struct {
        const char* caption;
        const char* value;
        const char* message;
    } refused[] = {
        {"Счет", "10134", "«Счет»: значение «10134» не подходит: нужен код счета из 9 цифр (забалансового - из 2 или 3 "
                          "цифр)"},
        {"Счет амортизации", "21", "«Счет амортизации»: значение «21» не подходит: нужен код счета из 9 цифр"},
        {"Счет", "1101343100", "«Счет»: не длиннее 9 знаков, введено «1101343100»\nнужен код счета из 9 цифр "
                               "(забалансового - из 2 или 3 цифр)"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.value);
        Fill(grid, row, {{"Счет", "110134310"}, {"Счет амортизации", "110434410"}});
        Fill(grid, row, {{c.caption, c.value}});
        vornal::testing::DbReportRecorder reports;
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8(c.message), IDOK);
        afxtest::command(view, IDOK);
        script.verify();
        EXPECT_TRUE(reports.reports().empty()) << "the server was not asked to write";
        EXPECT_EQ(grid.GetCurRow(), row);
        EXPECT_EQ(grid.GetCurCol(), Column(grid, c.caption)) << "the cell at fault is current";
        EXPECT_EQ(Count("select count(*) as cnt from spr_osn_sr"), demo) << "nothing written";
        EXPECT_TRUE(view->IsEdited());
    }

    Fill(grid, row, {{"Счет", "110134310"}});
    afxtest::command(view, IDOK);
    EXPECT_FALSE(view->IsEdited());
    EXPECT_EQ(Text("select concat_ws('|',name,fil_id,mol,prd,sch,sch_iz,first_price,date_format(d_post,'%d.%m.%Y')) "
                   "as str from spr_osn_sr where code='101340077'"),
              CString("Мясорубка электрическая|1|4|2|110134310|110434410|38500.50|15.01.2024"))
        << "an empty branch takes the table's default";

    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    view = Open();
    ASSERT_NE(view, nullptr);
    CCellwork& again = Grid(view);
    bool found = false;
    for (long r = 0; r < again.GetNRows(); ++r)
        found = found || again.GetCellValue(Column(again, "Наименование"), r) == CString("Мясорубка электрическая");
    EXPECT_TRUE(found);
}

TEST_F(AssetRegister, TheTableRefusesTextsThatAreNoAccounts)
{
    struct Case {
        const char* column;
        const char* value;
        bool stored;
    } cases[] = {
        {"sch", "'110134310'", true},
        {"sch", "'102100000'", true},   // an off-balance account
        {"sch", "'21'", true},          // the code of an off-balance account
        {"sch", "'10134'", false},
        {"sch", "'1101343100'", false},
        {"sch", "'11013431x'", false},
        {"sch_iz", "'110434410'", true},
        {"sch_iz", "'21'", false},
        {"sch_old", "'1101'", false},
        {"sch", "null", true},
    };
    Run("insert into spr_osn_sr (id,name) values (900,'Карточка для проверки')");
    for (const Case& c : cases) {
        vornal::testing::DbReportRecorder reports;
        const bool stored = ExecuteSql(FormatText("update spr_osn_sr set %s=%s where id=900", c.column, c.value)) != 0;
        EXPECT_EQ(stored, c.stored) << c.column << "=" << c.value;
        EXPECT_EQ(reports.reports().size(), c.stored ? 0u : 1u) << c.column << "=" << c.value;
    }
    Run("delete from spr_osn_sr where id=900");
}

TEST_F(AssetRegister, PictureOfTheCardEditor)
{
    CSprEditView* view = Open();
    ASSERT_NE(view, nullptr);
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/asset_register.png"));
}

} // namespace
