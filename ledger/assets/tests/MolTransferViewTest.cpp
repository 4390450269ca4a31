// The transfers between responsible persons as a bookkeeper enters them: the
// defaults of a new transfer; the save posting the sender's decrease and the
// receiver's increase of each balance the lists leave, in both modes, for
// materials and fixed assets, with the accounts kept by item moved on their
// own full account; the cards whose balances moved passing to the receiver; a
// re-save moving what one save would; a refused posting and a database error
// leaving the stored transfer as it was; the checks in order; the pickers of
// each side; a picture.
#include "CMolTransferView.h"
#include "ChooserForm.h"
#include "SettlementsProgram.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const char* const kNothingMoved = "У отправителя нет остатков на дату документа: ничего не перемещено";

// A balance at the start of the year: the account (9 digits), item or card,
// responsible person, third value, quantity, sum, KBK, branch; kept off
// balance (one-sided) or against the technical account.
struct Holding {
    const char* account;
    const char* item;
    const char* tn;
    const char* third;
    const char* kol;
    const char* s;
    int kbk;
    int branch;
    bool oneSided;
};

// What the caretaker (3) holds in materials, what the storekeeper (4) holds in
// assets: two sources, two KBKs, an item whose balance comes to nothing, an
// item and a card on the accounts kept by item (card) off balance.
const Holding kHoldings[] = {
    {"110536340", "2", "3", "", "12", "540", 2, 1, false},
    {"110536340", "5", "3", "", "20", "600", 2, 1, false},
    {"210536340", "1", "3", "", "10", "3500", 4, 1, false},
    {"110536340", "11", "3", "", "5", "50", 2, 1, false},
    {"110536440", "11", "3", "", "-5", "-50", 2, 1, false},
    {"102700000", "10", "3", "1", "2.5", "20", 2, 1, true},
    {"110536340", "2", "3", "", "7", "350", 2, 2, false},  // the same person in the other branch
    {"110134310", "2", "4", "3", "1", "56000", 2, 1, false},
    {"110136310", "1", "4", "1", "1", "6800", 2, 1, false},
    {"102100000", "5", "4", "1", "24", "21600", 2, 1, true},
};

class MolTransfer : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_mat_mol_to_mol\n"
            "delete from ledmark_os_mol_to_mol\n"
            "delete from ledmark_provodki\n"
            "update spr_osn_sr set mol=4 where id in (1,2,3,5)");
        for (const Holding& h : kHoldings)
            Hold(h);
        AfxGetApp()->WriteProfileInt("constants", "select_fil2", 1);
    }
    void Hold(const Holding& h)
    {
        const CString a(h.account);
        const CString credit = h.oneSided ? CString("null,null,null,null")
                                          : FormatText("'%s','000','00','000'", (LPCTSTR)a.Left(1));
        Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, "
                       "kbk_deb, kred0, kred1, kred2, kred3, kbk_kred, kol, s, fil_id) values (900, 1, "
                       "makedate(year(curdate()), 1), '%s', '%s', '%s', '%s', '%s', '%s', nullif('%s',''), %d, %s, "
                       "%d, %s, %s, %d)",
                       (LPCTSTR)a.Left(1), (LPCTSTR)a.Mid(1, 3), (LPCTSTR)a.Mid(4, 2), (LPCTSTR)a.Mid(6, 3), h.item,
                       h.tn, h.third, h.kbk, (LPCTSTR)credit, h.kbk, h.kol, h.s, h.branch));
    }
    template <class T>
    T* OpenNew(const char* document)
    {
        T* view = Open<T>(document);
        Settle();
        return view;
    }
    struct Fill {
        const char* sender;
        const char* receiver = "11";
        int mode = 0;
        const char* items = "";
        const char* kbk1 = "";
        const char* kbk2 = "";
        int receiverBranch = 1;
    };
    static int SelectedItem(CComboBox& combo)
    {
        const int index = combo.GetCurSel();
        return index < 0 ? 0 : (int)(LONG_PTR)combo.GetItemData(index);
    }
    static void SelectBranch(CComboBox& combo, int branch)
    {
        for (int i = 0; i < combo.GetCount(); ++i)
            if ((int)(LONG_PTR)combo.GetItemData(i) == branch)
                combo.SetCurSel(i);
    }
    static void FillForm(CMolTransferView* view, const Fill& f)
    {
        view->SetDlgItemText(IDC_SET_TN, f.sender);
        view->SetDlgItemText(IDC_MTM_TN2, f.receiver);
        view->SetDlgItemText(IDC_MTM_LIST, f.items);
        view->SetDlgItemText(IDC_MTM_KBK1, f.kbk1);
        view->SetDlgItemText(IDC_MTM_KBK2, f.kbk2);
        SelectBranch(view->m_comboFil2, f.receiverBranch);
        view->CheckDlgButton(IDC_MTM_MODE0, f.mode == 0 ? BST_CHECKED : BST_UNCHECKED);
        view->CheckDlgButton(IDC_MTM_MODE1, f.mode == 1 ? BST_CHECKED : BST_UNCHECKED);
    }
    // Yes to the question and OK to the messages after it; true when the form closed.
    bool Save(CWnd* view, const QStringList& after = {})
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES);
        for (const QString& text : after)
            script.message(text, IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        Settle();
        return ChildCount() == 0;
    }
    // "npp|debit|values|credit|values|s|kol|kbk debit|kbk credit|branch" of the transfer's postings.
    CString Postings(const char* table)
    {
        return Text(FormatText(
            "select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),coalesce(p.deb_sb1,''),"
            "coalesce(p.deb_sb2,''),coalesce(p.deb_sb3,''),coalesce(concat(p.kred0,p.kred1,p.kred2,p.kred3),''),"
            "coalesce(p.kred_sb1,''),coalesce(p.kred_sb2,''),coalesce(p.kred_sb3,''),p.s,coalesce(p.kol,''),"
            "coalesce(p.kbk_deb,''),coalesce(p.kbk_kred,''),p.fil_id) order by p.npp separator ' / ') as str "
            "from ledmark_provodki p join %s a on a.id=p.id",
            table));
    }
    CString Cards()
    {
        return Text("select group_concat(concat(id,':',mol) order by id) as str from spr_osn_sr where id<=5");
    }
};

TEST_F(MolTransfer, ANewTransferShowsItsDefaultsAndAStoredOneItsRow)
{
    struct Case {
        const char* document;
        const char* basis;
        int branchEntries;  // "Все" and the two branches, or the branches alone
    };
    const Case cases[] = {{"Внтр.пер.МЗ", "Внутреннее перемещение МЗ", 3}, {"Внтр.пер.ОС", "Внутреннее перемещение ОС", 2}};
    AfxGetApp()->WriteProfileInt("constants", "select_fil2", 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.document);
        auto* view = OpenNew<CMolTransferView>(c.document);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(afxtest::text(view, IDC_NUMBER), QStringLiteral("1"));
        EXPECT_EQ(CString(afxtest::text(view, IDC_MTM_DATE)), DMGtoStr(COleDateTime::GetCurrentTime()));
        EXPECT_EQ(afxtest::text(view, IDC_MTM_ICN), QString::fromUtf8(c.basis));
        EXPECT_EQ(view->IsDlgButtonChecked(IDC_MTM_MODE0), BST_CHECKED);
        EXPECT_EQ(view->m_comboFil.GetCount(), c.branchEntries);
        EXPECT_EQ(view->m_comboFil2.GetCount(), c.branchEntries);
        EXPECT_EQ(SelectedItem(view->m_comboFil), 1);
        EXPECT_EQ(SelectedItem(view->m_comboFil2), 2);
        view->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }

    Run("insert into ledmark_os_mol_to_mol (id, bVspom, number, d, prim, icn, tn, tn2, fil_id, fil_id2, os, kbk1, kbk2) "
        "values (950, 1, '7', makedate(year(curdate()), 3), 'Смена МОЛ', 'Передача', 4, 12, 1, 2, '1,2', '2', '5')");
    const long realId = Count("select max(real_id) as cnt from ledmark_os_mol_to_mol");
    auto* view = OpenStored<CMolTransferView>("Внтр.пер.ОС", realId);
    ASSERT_NE(view, nullptr);
    Settle();
    const std::pair<UINT, const char*> fields[] = {
        {IDC_NUMBER, "7"}, {IDC_MTM_NOTE, "Смена МОЛ"}, {IDC_MTM_ICN, "Передача"}, {IDC_SET_TN, "4"},
        {IDC_SET_FIO, "Кузнецова Ольга Ивановна"}, {IDC_MTM_TN2, "12"}, {IDC_MTM_FIO2, "Волкова Юлия Олеговна"},
        {IDC_MTM_LIST, "1,2"}, {IDC_MTM_KBK1, "2"}, {IDC_MTM_KBK2, "5"}};
    for (const auto& [id, text] : fields)
        EXPECT_EQ(afxtest::text(view, id), QString::fromUtf8(text)) << id;
    EXPECT_EQ(view->IsDlgButtonChecked(IDC_MTM_MODE1), BST_CHECKED);
    EXPECT_EQ(SelectedItem(view->m_comboFil2), 2);
}

TEST_F(MolTransfer, SaveCases)
{
    struct Case {
        const char* name;
        const char* document;
        const char* table;
        Fill fill;
        const char* postings;
        const char* cards = "1:4,2:4,3:4,4:2,5:4";
    };
    const Case cases[] = {
        {"materials, empty lists, against the empty account", "Внтр.пер.МЗ", "ledmark_mat_mol_to_mol", {"3"},
         "1|110536340|2|3||100000000||||-540.00|-12.000|2|2|1 / 2|110536340|2|11||100000000||||540.00|12.000|2|2|1 / "
         "3|110536340|5|3||100000000||||-600.00|-20.000|2|2|1 / 4|110536340|5|11||100000000||||600.00|20.000|2|2|1 / "
         "5|210536340|1|3||200000000||||-3500.00|-10.000|4|4|1 / 6|210536340|1|11||200000000||||3500.00|10.000|4|4|1 / "
         "7|102700000|10|3|1|||||-20.00|-2.500|2|2|1 / 8|102700000|10|11|1|||||20.00|2.500|2|2|1"},
        {"materials, an item list, through 401.01, the receiver's KBK", "Внтр.пер.МЗ", "ledmark_mat_mol_to_mol",
         {"3", "11", 1, "5, 11", "", "1"},
         "1|140101241||||110536440|5|3||600.00|20.000|2|2|1 / 2|110536340|5|11||140101180||||600.00|20.000|1|1|1"},
        {"materials, a KBK list, the receiver in the other branch", "Внтр.пер.МЗ", "ledmark_mat_mol_to_mol",
         {"3", "11", 0, "", "4", "", 2},
         "1|210536340|1|3||200000000||||-3500.00|-10.000|4|4|1 / 2|210536340|1|11||200000000||||3500.00|10.000|4|4|2"},
        {"materials, only the item kept off balance", "Внтр.пер.МЗ", "ledmark_mat_mol_to_mol", {"3", "11", 1, "10"},
         "1|102700000|10|3|1|||||-20.00|-2.500|2|2|1 / 2|102700000|10|11|1|||||20.00|2.500|2|2|1"},
        {"assets, empty lists, against the empty account", "Внтр.пер.ОС", "ledmark_os_mol_to_mol", {"4"},
         "1|110134310|2|4|3|100000000||||-56000.00|-1.000|2|2|1 / 2|110134410|2|11|3|100000000||||56000.00|1.000|2|2|1 / "
         "3|110136310|1|4|1|100000000||||-6800.00|-1.000|2|2|1 / 4|110136410|1|11|1|100000000||||6800.00|1.000|2|2|1 / "
         "5|102100000|5|4|1|||||-21600.00|-24.000|2|2|1 / 6|102100000|5|11|1|||||21600.00|24.000|2|2|1",
         "1:11,2:11,3:4,4:2,5:11"},
        {"assets, a card list, through 401.01", "Внтр.пер.ОС", "ledmark_os_mol_to_mol", {"4", "12", 1, "1"},
         "1|140101241||||110136410|1|4|1|6800.00|1.000|2|2|1 / 2|110136310|1|12|1|140101180||||6800.00|1.000|2|2|1",
         "1:12,2:4,3:4,4:2,5:4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Run("delete from ledmark_mat_mol_to_mol\ndelete from ledmark_os_mol_to_mol\n"
            "delete from ledmark_provodki where id<>900\nupdate spr_osn_sr set mol=4 where id in (1,2,3,5)");
        auto* view = OpenNew<CMolTransferView>(c.document);
        ASSERT_NE(view, nullptr);
        FillForm(view, c.fill);
        EXPECT_TRUE(Save(view)) << "the form closes";
        EXPECT_EQ(Postings(c.table), CString(c.postings));
        EXPECT_EQ(Cards(), CString(c.cards));
        EXPECT_EQ(Text(FormatText("select concat_ws('|',bVspom,tn,tn2,fil_id,fil_id2,coalesce(kbk2,'-')) as str "
                                  "from %s",
                                  c.table)),
                  FormatText("%d|%s|%s|1|%d|%s", c.fill.mode, c.fill.sender, c.fill.receiver, c.fill.receiverBranch,
                             *c.fill.kbk2 ? c.fill.kbk2 : "-"));
        if (ChildCount())
            Active<CMolTransferView>()->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
}

TEST_F(MolTransfer, ASenderWithoutBalancesIsToldThatNothingMoved)
{
    for (const char* document : {"Внтр.пер.МЗ", "Внтр.пер.ОС"}) {
        SCOPED_TRACE(document);
        auto* view = OpenNew<CMolTransferView>(document);
        ASSERT_NE(view, nullptr);
        FillForm(view, {"12"});
        EXPECT_TRUE(Save(view, {QString::fromUtf8(kNothingMoved)}));
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_mat_mol_to_mol"), 1);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_os_mol_to_mol"), 1);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki where id<>900"), 0);
    EXPECT_EQ(Cards(), CString("1:4,2:4,3:4,4:2,5:4"));
}

// A re-save moves what one save would; one with another receiver moves the
// same cards to the new one; a refused posting and a failed batch keep it all.
TEST_F(MolTransfer, AReSaveMovesWhatOneSaveWould)
{
    auto* view = OpenNew<CMolTransferView>("Внтр.пер.ОС");
    ASSERT_NE(view, nullptr);
    FillForm(view, {"4", "11", 1, "1,2"});
    ASSERT_TRUE(Save(view));
    const long realId = Count("select max(real_id) as cnt from ledmark_os_mol_to_mol");
    const CString first = Postings("ledmark_os_mol_to_mol");
    EXPECT_EQ(first.Left(2), CString("1|"));
    EXPECT_EQ(Cards(), CString("1:11,2:11,3:4,4:2,5:4"));

    view = OpenStored<CMolTransferView>("Внтр.пер.ОС", realId);
    ASSERT_NE(view, nullptr);
    Settle();
    ASSERT_TRUE(Save(view));
    EXPECT_EQ(Postings("ledmark_os_mol_to_mol"), first) << "the same postings, numbered from 1";

    view = OpenStored<CMolTransferView>("Внтр.пер.ОС", realId);
    ASSERT_NE(view, nullptr);
    Settle();
    view->SetDlgItemText(IDC_MTM_TN2, "12");
    ASSERT_TRUE(Save(view));
    CString second = first;
    second.Replace("|11|", "|12|");
    EXPECT_EQ(Postings("ledmark_os_mol_to_mol"), second);
    EXPECT_EQ(Cards(), CString("1:12,2:12,3:4,4:2,5:4")) << "the moved cards, no other card of the sender";

    // The third posting refused, then the batch failing: nothing changes and the form stays open.
    ASSERT_TRUE(scripts.Define("posting_statement = GL_InsertProvodka0\n"
                               "function GL_InsertProvodka0(id, npp, ...)\n"
                               "  if tonumber(npp) == 3 then return '' end\n"
                               "  return posting_statement(id, npp, ...)\n"
                               "end"));
    view = OpenStored<CMolTransferView>("Внтр.пер.ОС", realId);
    ASSERT_NE(view, nullptr);
    Settle();
    view->SetDlgItemText(IDC_MTM_TN2, "11");
    EXPECT_FALSE(Save(view));
    EXPECT_EQ(Postings("ledmark_os_mol_to_mol"), second);
    EXPECT_EQ(Cards(), CString("1:12,2:12,3:4,4:2,5:4"));
    EXPECT_EQ(Count("select tn2 as cnt from ledmark_os_mol_to_mol"), 12);

    ASSERT_TRUE(scripts.Define("function GL_InsertProvodka0(id, npp, ...)\n"
                               "  if tonumber(npp) == 3 then return 'insert into no_such_table values (1)' end\n"
                               "  return posting_statement(id, npp, ...)\n"
                               "end"));
    {
        vornal::testing::DbReportRecorder reports;
        EXPECT_FALSE(Save(view));
        EXPECT_EQ(reports.reports().size(), 1u);
    }
    EXPECT_EQ(Postings("ledmark_os_mol_to_mol"), second);
    EXPECT_EQ(Cards(), CString("1:12,2:12,3:4,4:2,5:4"));
    EXPECT_EQ(Count("select tn2 as cnt from ledmark_os_mol_to_mol"), 12);
    EXPECT_EQ(Active<CMolTransferView>(), view);
}

TEST_F(MolTransfer, TheChecksComeInOrderBeforeAnythingIsWritten)
{
    auto* view = OpenNew<CMolTransferView>("Внтр.пер.МЗ");
    ASSERT_NE(view, nullptr);
    const auto fill = [view]() {
        view->SetDlgItemText(IDC_MTM_DATE, DMGtoStr(COleDateTime::GetCurrentTime()));
        view->SetDlgItemText(IDC_NUMBER, "5");
        view->SetDlgItemText(IDC_MTM_ICN, "Внутреннее перемещение МЗ");
        FillForm(view, {"3", "11", 0, "2,5", "2", "1"});
        SelectBranch(view->m_comboFil, 1);
    };
    ExpectRefusals(view,
                   {{IDC_MTM_DATE, "", "Укажите Дату"},
                    {IDC_NUMBER, "", "Укажите № документа"},
                    {IDC_MTM_ICN, "", "Укажите наименование документа"},
                    {IDC_SET_TN, "", "Укажите Отправителя"},
                    {IDC_MTM_TN2, "", "Укажите Получателя"},
                    {IDC_SET_TN, "999", "Нет такого МОЛ"},
                    {IDC_SET_TN, "1) or (1=1", "Нет такого МОЛ"},
                    {IDC_MTM_TN2, "3x", "Нет такого МОЛ"},
                    {IDC_MTM_LIST, "1) or (1=1", "Укажите коды материалов через запятую"},
                    {IDC_MTM_LIST, "2,,5", "Укажите коды материалов через запятую"},
                    {IDC_MTM_KBK1, "2 or 1=1", "Укажите КБК отправителя через запятую"},
                    {IDC_MTM_KBK2, "1,2", "Укажите один КБК получателя"}},
                   fill);
    // A date that is no date stops the save with its text selected, without a word of the form.
    fill();
    view->SetDlgItemText(IDC_MTM_DATE, "31.02.2020");
    {
        afxtest::InteractionScript script;
        afxtest::click(view, IDOK);
        script.verify();
    }
    // "Все" on either side names no branch.
    for (CComboBox* combo : {&view->m_comboFil, &view->m_comboFil2}) {
        fill();
        SelectBranch(*combo, -2);
        Refused(view, "Выберите один филиал", combo->GetDlgCtrlID());
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_mat_mol_to_mol"), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki where id<>900"), 0);
}

TEST_F(MolTransfer, EachSidesPickersOfferItsOwnBranch)
{
    auto* view = OpenNew<CMolTransferView>("Внтр.пер.ОС");
    ASSERT_NE(view, nullptr);
    SelectBranch(view->m_comboFil2, 2);
    {
        afxtest::InteractionScript script;
        script.dialog(IDD_SPR_PICKER_MULTI, [](afxtest::DialogStep& d) {
            const QStringList rows = pickertest::Rows(d);
            EXPECT_TRUE(rows.join('\n').contains(QStringLiteral("Стол письменный")));
            EXPECT_FALSE(rows.join('\n').contains(QStringLiteral("Холодильник"))) << "a card of branch 2";
            pickertest::ClickRows(d, {"1 ", "2 "});
        });
        afxtest::click(view, IDC_MTM_LIST_PICK);
        script.verify();
    }
    EXPECT_EQ(afxtest::text(view, IDC_MTM_LIST), QStringLiteral("1,2"));

    // The sender's KBKs from branch 1, the receiver's from branch 2.
    struct Picker {
        UINT button;
        UINT field;
        UINT dialog;
        const char* shown;    // a code of its branch
        const char* foreign;  // a code of the other branch only
    };
    const Picker pickers[] = {{IDC_MTM_KBK1_PICK, IDC_MTM_KBK1, IDD_SPR_PICKER_MULTI, "3 ", "5 "},
                              {IDC_MTM_KBK2_PICK, IDC_MTM_KBK2, IDD_SPR_PICKER, "5 ", "3 "}};
    for (const Picker& p : pickers) {
        SCOPED_TRACE(p.shown);
        afxtest::InteractionScript script;
        script.dialog(p.dialog, [&p](afxtest::DialogStep& d) {
            bool shown = false, foreign = false;
            for (const QString& row : pickertest::Rows(d)) {
                shown = shown || row.startsWith(QLatin1String(p.shown));
                foreign = foreign || row.startsWith(QLatin1String(p.foreign));
            }
            EXPECT_TRUE(shown);
            EXPECT_FALSE(foreign);
            pickertest::ClickRows(d, {QLatin1String(p.shown)});
        });
        afxtest::click(view, p.button);
        script.verify();
        EXPECT_EQ(afxtest::text(view, p.field), QString::fromLatin1(p.shown).trimmed());
    }
}

TEST_F(MolTransfer, PictureOfAMaterialsTransfer)
{
    auto* view = OpenNew<CMolTransferView>("Внтр.пер.МЗ");
    ASSERT_NE(view, nullptr);
    FillForm(view, {"3", "52", 1, "2,5", "2", "5", 2});
    view->SetDlgItemText(IDC_MTM_NOTE, "Передача при смене МОЛ");
    Settle();
    QCoreApplication::processEvents();
    EXPECT_EQ(afxtest::text(view, IDC_MTM_FIO2), QStringLiteral("Римская Корсакова Алла Борисовна"));
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/mat_mol_to_mol.png"));
}

} // namespace
