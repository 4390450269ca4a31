// The parents' fee receipts as a bookkeeper enters them: one posting a row,
// or two through 201.03 with the test of the two that are written, the fee
// column locked, and the child found by a fragment of the name (F7) or in the
// children book (F3).
#include "CRodPostView.h"
#include "ChooserForm.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/DlgkitIds.h"
#include "res/resource.h"

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

const QString kSaveQuestion = QStringLiteral("Записать изменения ? ");

class RodPost : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        Run("delete from ledmark_provodki where id in (select id from ledmark_rod_post)\n"
            "delete from ledmark_rod_post\n"
            "delete from spr_contr where tip=3\n"
            "delete from spr_deti\n"
            "insert into spr_deti (id,name,s,tnp,dt_del) values (1,'Абрамов Артем',2500,2,null),"
            "(2,'Абрамова Алла',2600,3,null),(3,'Д''Артаньян Шарль',2700,4,null)\n"
            "insert into spr_contr (name,tip,id_tip) select name,3,id from spr_deti");
        CWinApp* app = AfxGetApp();
        for (const char* key : {"rod__post_kred", "rod__post_deb", "bank_postup_210_rp"})
            app->WriteProfileString("constants", key, nullptr);
        app->WriteProfileInt("constants", "select_fil", 1);
    }
    CRodPostView* Open()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("пост.род.платы", 0, nullptr), 1);
        Settle();
        return Active<CRodPostView>();
    }
    bool SaveYes(CRodPostView* view)
    {
        afxtest::InteractionScript script;
        script.message(kSaveQuestion, IDYES);
        afxtest::click(view, IDOK);
        script.verify();
        Settle();
        return ChildCount() == 0;
    }
    // "npp|debit|deb_sb1|credit|kred_sb1|kred_sb2|s".
    CString Postings()
    {
        return Text("select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),"
                    "coalesce(p.deb_sb1,'-'),concat(p.kred0,p.kred1,p.kred2,p.kred3),coalesce(p.kred_sb1,'-'),"
                    "coalesce(p.kred_sb2,'-'),p.s) order by p.id,p.npp separator ' / ') as str "
                    "from ledmark_provodki p join ledmark_rod_post d on d.id=p.id");
    }
    CString Contr(int child) { return Text(FormatText("select id as str from spr_contr where tip=3 and id_tip=%d", child)); }
    // The search dialog answered with `fragment`.
    static void Searched(afxtest::InteractionScript& script, const QString& fragment)
    {
        script.dialog(IDD_DLGKIT_SIRCH, [fragment](afxtest::DialogStep& d) {
            d.setText(IDC_SIRCH_TEXT, fragment);
            d.click(IDOK);
        });
    }
    // F7 in the first row of the grid.
    static void PressF7(CRodPostView* view)
    {
        view->m_grid.SetFocus0();
        view->m_grid.SetCurCell(ROD_CODE, 0);
        afxtest::pressKey(view->m_grid.GetQWidget(), Qt::Key_F7);
    }
};

TEST_F(RodPost, ARowPostsDirectlyOrTwiceThrough20103)
{
    struct Case {
        bool through;
        const char* postings;  // %s: the counterparties of children 1 and 2
    } cases[] = {
        {false, "1|220104510|-|220503660|%s|2|2500.00 / 2|220104510|-|220503660|%s|3|100.00"},
        {true, "1|220103510|-|220503660|%s|2|2500.00 / 2|220104510|-|220103610|-|-|2500.00 / "
               "3|220103510|-|220503660|%s|3|100.00 / 4|220104510|-|220103610|-|-|100.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.through);
        Run("delete from ledmark_provodki where id in (select id from ledmark_rod_post)\n"
            "delete from ledmark_rod_post");
        CRodPostView* view = Open();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->m_strDebit, CString("220104510"));
        EXPECT_EQ(view->m_strCredit, CString("220503660"));
        EXPECT_TRUE(view->m_grid.GetColLocked(ROD_FEE));
        afxtest::setChecked(view, IDC_ROD_THROUGH, c.through);
        view->m_grid.SetCellValue(ROD_CODE, 0, "1");
        view->m_grid.SetCellValue(ROD_TEACHER, 0, "2");
        view->m_grid.SetNRows(3);
        view->m_grid.SetCellValue(ROD_CODE, 1, "2");
        view->m_grid.SetCellValue(ROD_SUM, 1, "100");
        view->m_grid.SetCellValue(ROD_TEACHER, 1, "3");
        view->m_grid.SetCellValue(ROD_CODE, 2, "3");  // no amount: not posted
        view->m_grid.SetCellValue(ROD_SUM, 2, "");
        EXPECT_EQ(view->m_grid.GetCellValue(ROD_SUM, 0), CString("2500.00")) << "the fee as the amount";
        ASSERT_TRUE(SaveYes(view));
        EXPECT_EQ(Postings(), FormatText(c.postings, Contr(1), Contr(2)));
        EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "bank_postup_210_rp", -1), c.through ? 1 : 0);
        EXPECT_EQ(Count("select b210 as cnt from ledmark_rod_post"), c.through ? 1 : 0);
    }
}

TEST_F(RodPost, TheTestChecksTheTransitPostingsThatAreWritten)
{
    // The debit's transit account is missing from the chart: the direct pair
    // would pass, the posting through 201.03 does not.
    Run("delete from spr_plan_sch where col0=2 and col1='201' and col2='03' and col3='510'");
    CRodPostView* view = Open();
    ASSERT_NE(view, nullptr);
    afxtest::setChecked(view, IDC_ROD_THROUGH, true);
    view->m_grid.SetCellValue(ROD_CODE, 0, "1");
    view->m_grid.SetCellValue(ROD_TEACHER, 0, "2");
    scripts.messages.clear();
    afxtest::click(view, IDOK);
    ASSERT_FALSE(scripts.messages.empty()) << "the posting script says why";
    EXPECT_NE(scripts.messages.back().find("220103"), std::string::npos) << scripts.messages.back();
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_rod_post"), 0);
}

TEST_F(RodPost, F7FindsTheChildByAFragmentOfTheName)
{
    CRodPostView* view = Open();
    ASSERT_NE(view, nullptr);
    {
        afxtest::InteractionScript script;
        Searched(script, QStringLiteral("Петров"));
        script.message(QStringLiteral("По запросу ничего нет: Петров"), IDOK);
        PressF7(view);
        script.verify();
        EXPECT_EQ(view->m_grid.GetCellValue(ROD_CODE, 0), CString());
    }
    {
        // A fragment holding a quote is a fragment, never SQL: one match.
        afxtest::InteractionScript script;
        Searched(script, QStringLiteral("Д'Артаньян"));
        PressF7(view);
        script.verify();
        Settle();
        EXPECT_EQ(view->m_grid.GetCellValue(ROD_CODE, 0), CString("3"));
        EXPECT_EQ(view->m_grid.GetCellValue(ROD_NAME, 0), CString("Д'Артаньян Шарль"));
    }
    {
        // Several: the children chooser opens on the fragment.
        QStringList listed;
        afxtest::InteractionScript script;
        Searched(script, QStringLiteral("Абрамов"));
        script.dialog(IDD_SPR_PICKER, [&listed](afxtest::DialogStep& d) {
            listed = pickertest::Rows(d);
            pickertest::DoubleClickRow(d, QStringLiteral("2 "));
        });
        PressF7(view);
        script.verify();
        Settle();
        EXPECT_EQ(listed.size(), 2) << listed.join(" / ").toStdString();
        EXPECT_EQ(view->m_grid.GetCellValue(ROD_CODE, 0), CString("2"));
        EXPECT_EQ(view->m_grid.GetCellValue(ROD_TEACHER, 0), CString("3"));
    }
}

} // namespace
