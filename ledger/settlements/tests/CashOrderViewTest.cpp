// The receipt and expense cash orders as a cashier enters them: the main
// account, the lines and their analytic values from the choosers, short
// accounts completed for their side, typed amounts with "," or ".", one
// posting per line that holds anything; the checks in their order; the
// saves of a stored order (a fresh document id, postings replaced, "No", a
// refused posting, a closed stored date, "&Новый"); an order stored before
// orders had lines; the print that saves an unsaved order first; the
// expense order's passport line in every dialect; hostile texts kept as
// typed; and a picture of a receipt order with three lines.
#include "CPrnPkoView.h"
#include "CPrnRkoView.h"
#include "ChooserForm.h"
#include "DbDialect.h"
#include "FreshDatabase.h"
#include "SettlementsProgram.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const QString kSave = QStringLiteral("Записать изменения ? ");

class CashOrderView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_pko\ndelete from ledmark_rko");
        AfxGetApp()->WriteProfileString("constants", "pko_sch0", "220104510");
        AfxGetApp()->WriteProfileString("constants", "rko_sch0", "220104610");
    }
    CPrnPkoView* NewReceipt() { return Open<CPrnPkoView>("Прих.орд."); }
    CPrnRkoView* NewExpense() { return Open<CPrnRkoView>("Расх.орд"); }
    void Close(CWnd* view)
    {
        view->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
    // A line's cells as the program sets them.
    static void Line(CCashOrderView* view, long row, const char* kbk, const char* account, const char* v1,
                     const char* v2, const char* amount)
    {
        if (row >= view->m_grid.GetNRows())
            view->m_grid.SetNRows(row + 1);
        const char* cells[] = {kbk, account, v1, v2, "", amount};
        for (int col = 0; col < CO_COLUMNS; ++col)
            view->m_grid.SetCellValue(col, row, cells[col]);
    }
    // The grid's chooser button of a cell, as the user presses it.
    static void Choose(CCashOrderView* view, short col, short row)
    {
        view->m_grid.SetCurCell(col, row);
        AfxFireEvent(&view->m_grid, 5, {AfxEventArg(col), AfxEventArg(row)});
    }
    // Types into a cell as the user does: the keys, then Enter.
    static void Key(CCashOrderView* view, short col, short row, const char* text)
    {
        view->m_grid.SetCurCell(col, row);
        view->m_grid.SetFocus();
        afxtest::typeKeys(view->m_grid.GetQWidget(), QString::fromUtf8(text));
        afxtest::pressKey(view->m_grid.GetQWidget(), Qt::Key_Return);
    }
    // "npp|debit|values|credit|values|debit KBK|credit KBK|s|note" of the order's postings.
    CString Postings(const char* table, long realId)
    {
        return Text(FormatText(
            "select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),coalesce(p.deb_sb1,''),"
            "coalesce(p.deb_sb2,''),concat(p.kred0,p.kred1,p.kred2,p.kred3),coalesce(p.kred_sb1,''),"
            "coalesce(p.kred_sb2,''),coalesce(p.kbk_deb,''),coalesce(p.kbk_kred,''),p.s,coalesce(p.prim,'')) "
            "order by p.npp separator ' / ') as str from ledmark_provodki p join %s o on o.id=p.id "
            "where o.real_id=%d",
            table, realId));
    }
    // A receipt order with its header filled and one line.
    CPrnPkoView* FilledReceipt(const char* amount = "10")
    {
        CPrnPkoView* view = NewReceipt();
        if (!view)
            return nullptr;
        view->SetDlgItemText(IDC_CO_KBK_DEBIT, "3");
        view->SetDlgItemText(IDC_SET_SOURCE, "1");
        view->SetDlgItemText(IDC_CO_PRIM, "Кружок");
        Line(view, 0, "4", "240101130", "", "", amount);
        return view;
    }
    void SetDate(CCashOrderView* view, const CString& date)
    {
        view->m_date = qwDMG(date, 1);
        view->UpdateData(FALSE);
    }
};

TEST_F(CashOrderView, AReceiptFromTheChoosersIsPostedLineByLineAndOpensAgain)
{
    AfxGetApp()->WriteProfileString("constants", "pko_sch0", "");
    CPrnPkoView* view = NewReceipt();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_NUMBER), QStringLiteral("1"));
    EXPECT_EQ(afxtest::text(view, IDC_CO_MAIN), QString());
    EXPECT_EQ(view->m_grid.GetNRows(), 1) << "a new order opens with one empty line";

    afxtest::InteractionScript choosers;
    choosers.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"220104510"}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"220826660"}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"1   Петрова"}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"226000   "}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"4   "}); });
    afxtest::click(view, IDC_CO_MAIN_PICK);
    Choose(view, CO_ACCOUNT, 0);
    Choose(view, CO_SB1, 0);
    Choose(view, CO_SB2, 0);
    Choose(view, CO_KBK, 0);
    choosers.verify();
    EXPECT_EQ(afxtest::text(view, IDC_CO_MAIN), QStringLiteral("220104510"));
    Key(view, CO_SUM, 0, "1234,56");
    Key(view, CO_ACCOUNT, 1, "240101");  // a short credit account, completed for its side
    Key(view, CO_SUM, 1, "100.44");
    EXPECT_EQ(view->m_grid.GetCellValue(CO_ACCOUNT, 1), CString("240101130"));
    EXPECT_EQ(view->m_grid.GetCellValue(CO_SUM, 0), CString("1234.56"));
    EXPECT_EQ(afxtest::text(view, IDC_SUM), QStringLiteral("1335.00"));
    EXPECT_EQ(view->m_grid.GetNRows(), 3) << "an empty line stays at the end";

    view->SetDlgItemText(IDC_CO_KBK_DEBIT, "3");
    view->SetDlgItemText(IDC_CO_PRD0, "2");
    view->SetDlgItemText(IDC_SET_SOURCE, "1");
    view->SetDlgItemText(IDC_SET_TN, "1");
    view->SetDlgItemText(IDC_CO_PRIM, "Кружок");
    EXPECT_EQ(afxtest::text(view, IDC_CO_PRD0_NAME), QStringLiteral("Пищеблок"));
    EXPECT_EQ(afxtest::text(view, IDC_SET_SOURCE_NAME), QStringLiteral("Выручка от оказания платных услуг"));
    EXPECT_EQ(afxtest::text(view, IDC_SET_FIO), QStringLiteral("Петрова Анна Сергеевна"));
    SaveYes(view);
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Postings("ledmark_pko", realId),
              CString("1|220104510|||220826660|1|226000|3|4|1234.56|Выручка от оказания платных услуг Кружок / "
                      "2|220104510|||240101130|||3||100.44|Выручка от оказания платных услуг Кружок"));
    EXPECT_EQ(Stored("ledmark_pko", realId, "concat_ws('|',number,sch0,prd0,cn,icn,tn,fio,s,kbk_deb,fil_id)"),
              CString("1|220104510|2|1|Выручка от оказания платных услуг|1|Петрова Анна Сергеевна|1335.00|3|1"));
    EXPECT_EQ(AfxGetApp()->GetProfileString("constants", "pko_sch0", ""), CString("220104510"));

    Close(view);
    view = OpenStored<CPrnPkoView>("Прих.орд.", realId);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_SUM), QStringLiteral("1335.00"));
    EXPECT_EQ(afxtest::text(view, IDC_CO_PRD0_NAME), QStringLiteral("Пищеблок"));
    EXPECT_EQ(view->m_grid.GetCellValue(CO_SB2, 0), CString("226000"));
    EXPECT_EQ(view->m_grid.GetCellValue(CO_ACCOUNT, 1), CString("240101130"));
    EXPECT_EQ(view->m_grid.GetNRows(), 3);
}

TEST_F(CashOrderView, AnExpenseOrderDebitsItsLinesAndNamesTheRecipientsPassport)
{
    AfxGetApp()->WriteProfileString("constants", "rko_sch0", "");
    CPrnRkoView* view = NewExpense();
    ASSERT_NE(view, nullptr);
    afxtest::showActive(view->GetParentFrame());
    // The main account is credited: a short one is completed for the credit side.
    afxtest::typeInto(view, IDC_CO_MAIN, "220104");
    view->GetDlgItem(IDC_NUMBER)->SetFocus();
    EXPECT_EQ(afxtest::text(view, IDC_CO_MAIN), QStringLiteral("220104610"));

    // The passports of the fixture: one whole, one without its second line, one empty.
    Run("update tn set serp='4508',nop='112233',kv1='ОВД Центрального района г. Ольмарска',kv2=NULL where tn=3\n"
        "update tn set serp=NULL,nop=NULL,kv1=NULL,kv2=NULL where tn=4");
    struct Person {
        const char* tn;
        const char* fio;
        const char* document;
    } people[] = {
        {"1", "Петрова Анна Сергеевна",
         "паспорт серии 4509 № 123456, выдан Отделом УФМС России по г. Ольмарску в Центральном районе"},
        {"3", "Смирнова Елена Викторовна", "паспорт серии 4508 № 112233, выдан ОВД Центрального района г. Ольмарска "},
        {"4", "Кузнецова Ольга Ивановна", "паспорт серии  № , выдан  "},
        {"999", "", ""},
        {"", "", ""},  // no number: the document is left as it was
    };
    for (const Person& p : people) {
        SCOPED_TRACE(p.tn);
        view->SetDlgItemText(IDC_SET_TN, p.tn);
        EXPECT_EQ(afxtest::text(view, IDC_SET_FIO), QString::fromUtf8(p.fio));
        EXPECT_EQ(afxtest::text(view, IDC_CO_DOC), QString::fromUtf8(p.document));
    }
    view->SetDlgItemText(IDC_CO_DOC, "паспорт 1");
    view->SetDlgItemText(IDC_SET_TN, "");
    EXPECT_EQ(afxtest::text(view, IDC_CO_DOC), QStringLiteral("паспорт 1"));

    view->SetDlgItemText(IDC_SET_TN, "1");
    view->SetDlgItemText(IDC_CO_KBK_CREDIT, "3");
    view->SetDlgItemText(IDC_SET_SOURCE, "20003");
    view->SetDlgItemText(IDC_CO_OSN, "Заявление");
    view->SetDlgItemText(IDC_CO_PRIM, "не в проводку");
    Key(view, CO_ACCOUNT, 0, "220826");  // a short debit account
    EXPECT_EQ(view->m_grid.GetCellValue(CO_ACCOUNT, 0), CString("220826560"));
    Line(view, 0, "4", "220826560", "1", "226000", "3000");
    SaveYes(view);
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Postings("ledmark_rko", realId),
              CString("1|220826560|1|226000|220104610|||4|3|3000.00|Выдача под отчет Заявление"));
    EXPECT_EQ(Stored("ledmark_rko", realId, "concat_ws('|',sch0,kbk_kred,cn,tn,doc,osn)"),
              CString("220104610|3|20003|1|паспорт серии 4509 № 123456, выдан Отделом УФМС России по г. Ольмарску в "
                      "Центральном районе|Заявление"));
    EXPECT_EQ(AfxGetApp()->GetProfileString("constants", "rko_sch0", ""), CString("220104610"));

    // Opened again, the stored name and document stand, not the employee's.
    Run(FormatText("update ledmark_rko set fio='Петрова А. С.', doc='паспорт 2' where real_id=%d", realId));
    Close(view);
    view = OpenStored<CPrnRkoView>("Расх.орд", realId);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_SET_FIO), QStringLiteral("Петрова А. С."));
    EXPECT_EQ(afxtest::text(view, IDC_CO_DOC), QStringLiteral("паспорт 2"));
}

TEST_F(CashOrderView, EachOrderOffersItsOwnTargetPurposes)
{
    Run("insert into spr_cn (id, name) values (20000, 'Граница')");
    for (int expense = 0; expense < 2; ++expense) {
        SCOPED_TRACE(expense);
        CCashOrderView* view = expense ? static_cast<CCashOrderView*>(NewExpense()) : NewReceipt();
        ASSERT_NE(view, nullptr);
        QStringList rows;
        afxtest::InteractionScript script;
        script.dialog(IDD_SPR_PICKER, [&](afxtest::DialogStep& d) {
            rows = pickertest::Rows(d);
            pickertest::ClickRows(d, {rows.value(0)});
        });
        afxtest::click(view, IDC_SET_SOURCE_PICK);
        script.verify();
        ASSERT_FALSE(rows.isEmpty());
        for (const QString& row : rows) {
            const long id = row.section(' ', 0, 0).toLong();
            EXPECT_TRUE(expense ? id > 20000 : id < 20000) << row.toStdString();
        }
        EXPECT_EQ(afxtest::text(view, IDC_SET_SOURCE), rows.value(0).section(' ', 0, 0));
        Close(view);
    }
}

TEST_F(CashOrderView, WhatASaveRefusesInItsOrder)
{
    CPrnPkoView* view = FilledReceipt();
    ASSERT_NE(view, nullptr);
    ExpectRefusals(view, {
        {IDC_NUMBER, "", "Укажите № документа"},
        {IDC_CO_MAIN, "", "Укажите основной счет"},
        {IDC_CO_MAIN, "999999999", "Нет такого счета"},
        {IDC_CO_PRD0, "1 or 1=1", "Нет такого подразделения"},
        {IDC_CO_PRD1, "77", "Нет такого подразделения"},
        {IDC_SET_SOURCE, "99", "Нет такого целевого назначения"},
        {IDC_SET_TN, "1'", "Нет такого работника"},
        {IDC_SET_TN, "999", "Нет такого работника"},
    }, [&] {
        view->SetDlgItemText(IDC_NUMBER, "1");
        view->SetDlgItemText(IDC_CO_MAIN, "220104510");
        view->SetDlgItemText(IDC_CO_PRD0, "");
        view->SetDlgItemText(IDC_CO_PRD1, "");
        view->SetDlgItemText(IDC_SET_SOURCE, "");
        view->SetDlgItemText(IDC_SET_TN, "");
    });
    // A sum of 0 comes before the main account; a line the posting test
    // refuses before the codes of the header, its line current.
    view->SetDlgItemText(IDC_SET_TN, "");
    Line(view, 0, "4", "240101130", "", "", "0");
    view->SetDlgItemText(IDC_CO_MAIN, "");
    Refused(view, "Укажите сумму", IDC_SUM);
    view->SetDlgItemText(IDC_CO_MAIN, "220104510");
    Line(view, 0, "4", "240101130", "", "", "10");
    Line(view, 2, "4", "220826660", "", "", "5");
    view->SetDlgItemText(IDC_CO_PRD0, "77");
    scripts.Clear();
    afxtest::click(view, IDOK);
    EXPECT_FALSE(scripts.messages.empty()) << "the posting script says why";
    EXPECT_EQ(view->m_grid.GetCurRow(), 2);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_pko"), 0);
}

// Each case starts from a new order or a stored one, saves answering as
// given, and leaves the order's postings as stated.
TEST_F(CashOrderView, SavesOfNewAndStoredOrders)
{
    const CString jan10 = ThisYear("10.01");
    struct Case {
        const char* what;
        std::function<CPrnPkoView*()> arrange;
        std::vector<std::pair<const char*, int>> answers;
        const char* postings;  // of the form's order afterwards; "" none
        std::function<void(CPrnPkoView*)> after;
    };
    auto stored = [&](const char* amount2) {
        CPrnPkoView* view = FilledReceipt();
        Line(view, 1, "4", "220826660", "1", "226000", amount2);
        SaveYes(view);
        return view;
    };
    const char* twoLines = "1|220104510|||240101130|||3|4|10.00|Выручка от оказания платных услуг Кружок / "
                           "2|220104510|||220826660|1|226000|3|4|5.00|Выручка от оказания платных услуг Кружок";
    const Case cases[] = {
        {"lines with all six cells empty take no line number",
         [&] {
             CPrnPkoView* view = FilledReceipt();
             Line(view, 2, "4", "220826660", "1", "226000", "5");
             return view;
         },
         {{"Записать изменения ? ", IDYES}}, twoLines, nullptr},
        {"a sum of 0 is refused", [&] { return FilledReceipt("0"); }, {{"Укажите сумму", IDOK}}, "", nullptr},
        {"a stored order with id 0 gets a new id; another document's postings with id 0 stay",
         [&] {
             Run(FormatText("insert into ledmark_pko (id, number, d, sch0, s, kbk_deb, grid, fil_id) values (0, '7', %s, "
                            "'220104510', 10, 3, '%s', 1)",
                            ChangeDateUS0(ThisYear("15.03")),
                            MakeSqlStr(CString("4") + GetDelimiter0() + "240101130" + GetDelimiter0() + GetDelimiter0()
                                       + GetDelimiter0() + GetDelimiter0() + "10")));
             Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, kred0, kred1, kred2, "
                            "kred3, s, fil_id) values (0, 1, %s, '2', '201', '04', '510', '2', '401', '01', '130', 99, 1)",
                            ChangeDateUS0(ThisYear("15.03"))));
             return OpenStored<CPrnPkoView>("Прих.орд.", (long)Count("select max(real_id) as cnt from ledmark_pko"));
         },
         {{"Записать изменения ? ", IDYES}}, "1|220104510|||240101130|||3|4|10.00|",
         [&](CPrnPkoView* view) {
             EXPECT_GT(atol(Stored("ledmark_pko", view->GetRealId(), "id")), 0);
             EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki where id=0 and s=99"), 1);
         }},
        {"a save of a stored order replaces its postings",
         [&] {
             CPrnPkoView* view = stored("5");
             Line(view, 1, "", "", "", "", "");
             Line(view, 0, "4", "240101130", "", "", "12");
             return view;
         },
         {{"Записать изменения ? ", IDYES}}, "1|220104510|||240101130|||3|4|12.00|Выручка от оказания платных услуг Кружок",
         nullptr},
        {"No changes nothing",
         [&] {
             CPrnPkoView* view = stored("5");
             Line(view, 0, "4", "240101130", "", "", "12");
             return view;
         },
         {{"Записать изменения ? ", IDNO}}, twoLines,
         [&](CPrnPkoView* view) {
             EXPECT_EQ(Stored("ledmark_pko", view->GetRealId(), "s"), CString("15.00"));
             CWnd* focused = CWnd::GetFocus();
             EXPECT_TRUE(focused && focused->GetDlgCtrlID() == IDC_NUMBER);
         }},
        {"a posting refused on line 2 leaves the order and its postings",
         [&] {
             CPrnPkoView* view = stored("5");
             Line(view, 0, "4", "240101130", "", "", "12");
             EXPECT_TRUE(scripts.Define("local insert = GL_InsertProvodka\n"
                                        "function GL_InsertProvodka(id, npp, ...)\n"
                                        "  if tonumber(npp) == 2 then return 0 end\n"
                                        "  return insert(id, npp, ...)\n"
                                        "end\n"
                                        "function RestoreInsert() GL_InsertProvodka = insert end"));
             return view;
         },
         {{"Записать изменения ? ", IDYES}}, twoLines,
         [&](CPrnPkoView* view) {
             EXPECT_TRUE(scripts.Define("RestoreInsert()"));
             EXPECT_EQ(Stored("ledmark_pko", view->GetRealId(), "s"), CString("15.00"));
             EXPECT_EQ(view->m_grid.GetCurRow(), 1) << "the refused line is current";
         }},
        {"a stored date in a closed period is refused",
         [&] {
             CPrnPkoView* view = FilledReceipt();
             SetDate(view, jan10);
             Line(view, 1, "4", "220826660", "1", "226000", "5");
             SaveYes(view);
             Run(FormatText("insert into system_const (name,val) values ('system_actual_date','%s')", ThisYear("31.01")));
             SetDate(view, ThisYear("15.03"));
             Line(view, 0, "4", "240101130", "", "", "12");
             return view;
         },
         {}, "1|220104510|||240101130|||3|4|10.00|Выручка от оказания платных услуг Кружок / "
             "2|220104510|||220826660|1|226000|3|4|5.00|Выручка от оказания платных услуг Кружок",
         [&](CPrnPkoView* view) {
             EXPECT_FALSE(scripts.messages.empty()) << "the period script says why";
             EXPECT_EQ(Stored("ledmark_pko", view->GetRealId(), "d"), jan10);
         }},
        {"\"&Новый\" after an order of a closed period saves a new one",
         [&] {
             CPrnPkoView* view = stored("5");
             Run(FormatText("update ledmark_pko set d=%s where real_id=%d", ChangeDateUS0(jan10), view->GetRealId()));
             Run(FormatText("insert into system_const (name,val) values ('system_actual_date','%s')", ThisYear("31.01")));
             const long old = view->GetRealId();
             Close(view);
             view = OpenStored<CPrnPkoView>("Прих.орд.", old);
             afxtest::InteractionScript ask;
             ask.message(QStringLiteral("Ввести новый приходный к/о ? "), IDYES);
             afxtest::click(view, IDC_SET_NEW);
             ask.verify();
             EXPECT_EQ(view->GetRealId(), -1);
             EXPECT_EQ(afxtest::text(view, IDC_NUMBER), QStringLiteral("2"));
             view->SetDlgItemText(IDC_CO_KBK_DEBIT, "3");
             view->SetDlgItemText(IDC_SET_SOURCE, "1");
             Line(view, 0, "4", "240101130", "", "", "7");
             return view;
         },
         {{"Записать изменения ? ", IDYES}}, "1|220104510|||240101130|||3|4|7.00|Выручка от оказания платных услуг",
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Run("delete from system_const where name='system_actual_date'\ndelete from ledmark_pko");
        CPrnPkoView* view = c.arrange();
        ASSERT_NE(view, nullptr);
        scripts.Clear();
        afxtest::InteractionScript script;
        for (const auto& [text, answer] : c.answers)
            script.message(QString::fromUtf8(text), answer);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(view->GetRealId() > 0 ? Postings("ledmark_pko", view->GetRealId()) : CString(), CString(c.postings));
        if (c.after)
            c.after(view);
        Close(view);
    }
}

TEST_F(CashOrderView, AnOrderStoredWithoutLinesOpensWithOneAndPrintsOnlyOnceStored)
{
    Run(FormatText("insert into ledmark_pko (id, number, d, sch0, sch1, s, kbk_deb, kbk_kred, fio, icn, fil_id) values "
                   "(950, '4', %s, '220104510', '220826660', 500, 3, 4, 'Петрова Анна Сергеевна', "
                   "'Возврат подотчетных сумм', 1)",
                   ChangeDateUS0(ThisYear("15.03"))));
    Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, kred0, kred1, kred2, kred3, kred_sb1, "
                   "kred_sb2, s, fil_id) values (950, 1, %s, '2', '201', '04', '510', '2', '208', '26', '660', '1', "
                   "'226000', 500, 1)",
                   ChangeDateUS0(ThisYear("15.03"))));
    const long realId = (long)Count("select real_id as cnt from ledmark_pko where id=950");
    CPrnPkoView* view = OpenStored<CPrnPkoView>("Прих.орд.", realId);
    ASSERT_NE(view, nullptr);
    const char* line[] = {"4", "220826660", "1", "226000", "", "500.00"};
    for (int col = 0; col < CO_COLUMNS; ++col)
        EXPECT_EQ(view->m_grid.GetCellValue(col, 0), CString(line[col])) << col;
    EXPECT_EQ(afxtest::text(view, IDC_SUM), QStringLiteral("500.00"));
    SaveYes(view);
    EXPECT_EQ(Stored("ledmark_pko", realId, "grid"),
              CString("4") + GetDelimiter0() + "220826660" + GetDelimiter0() + "1" + GetDelimiter0() + "226000"
                  + GetDelimiter0() + GetDelimiter0() + "500.00");
    EXPECT_EQ(Postings("ledmark_pko", realId),
              CString("1|220104510|||220826660|1|226000|3|4|500.00|Возврат подотчетных сумм"));
    Close(view);

    // A new order is saved by its first print, and printed by the second.
    view = FilledReceipt("25");
    ASSERT_NE(view, nullptr);
    afxtest::InteractionScript save;
    save.message(kSave, IDYES);
    afxtest::click(view, IDC_SET_PRINT);
    Settle();
    save.verify();
    const long printed = view->GetRealId();
    ASSERT_GT(printed, 0);
    EXPECT_EQ(Active<CPrnPkoView>(), view) << "nothing printed yet";
    scripts.calls.clear();
    afxtest::click(view, IDC_SET_PRINT);
    bool called = false;
    for (const auto& call : scripts.calls)
        called = called
            || (call.call == FormatText("PrepareTheReport(\"%d\")", printed).ToStdString()
                && call.context == "Form.Прих.орд.");
    EXPECT_TRUE(called);
    const QString page = ReportPage();
    for (const char* part : {"ПРИХОДНЫЙ КАССОВЫЙ ОРДЕР", "0310001", "КВИТАНЦИЯ", "Двадцать пять рублей 00 копеек",
                             "2 401 01 130", "Выручка от оказания платных услуг", "Иванова Мария Петровна"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
}

TEST_F(CashOrderView, TextsWithQuotesBackslashesAndLineFeedsAreKeptAsTyped)
{
    CPrnRkoView* view = NewExpense();
    ASSERT_NE(view, nullptr);
    const CString hostile = "O'Brien \"Ко\" \\ ';drop table tn;--\nвторая строка";
    const UINT fields[] = {IDC_NUMBER, IDC_SET_FIO, IDC_CO_DOC, IDC_CO_OSN, IDC_CO_PRIL, IDC_CO_PRIM, IDC_SET_SOURCE_NAME};
    for (UINT field : fields)
        view->SetDlgItemText(field, field == IDC_NUMBER ? CString("7'\\\"") : hostile);
    CString shown[std::size(fields)];
    for (size_t i = 0; i < std::size(fields); ++i)
        view->GetDlgItemText(fields[i], shown[i]);
    view->SetDlgItemText(IDC_CO_KBK_CREDIT, "3");
    Line(view, 0, "4", "220826560", "1", "226000", "1234,56");
    SaveYes(view);
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Stored("ledmark_rko", realId, "s"), CString("1234.56"));
    EXPECT_EQ(Stored("ledmark_rko", realId, "fio"), shown[1]);
    EXPECT_EQ(Count("select count(*) as cnt from tn"), Count("select count(*) as cnt from tn where tn>0"));
    Close(view);
    view = OpenStored<CPrnRkoView>("Расх.орд", realId);
    ASSERT_NE(view, nullptr);
    for (size_t i = 0; i < std::size(fields); ++i)
        EXPECT_EQ(afxtest::text(view, fields[i]), shown[i].ToQString()) << fields[i];
}

TEST_F(CashOrderView, ThePassportQueryOfEachDialectLeavesMissingPartsEmpty)
{
    const struct {
        long driver;
        const char* sql;
    } cases[] = {
        {1, "select concat('паспорт серии ',ifnull(serp,''),' № ',ifnull(nop,''),', выдан ',ifnull(kv1,''),' ',"
            "ifnull(kv2,'')) as str from tn where tn=7"},
        {2, "select concat('паспорт серии ',coalesce(serp,''),' № ',coalesce(nop,''),', выдан ',coalesce(kv1,''),' ',"
            "coalesce(kv2,'')) as str from tn where tn=7"},
        {0, "select 'паспорт серии '+isnull(serp,'')+' № '+isnull(nop,'')+', выдан '+isnull(kv1,'')+' '+"
            "isnull(kv2,'') as str from tn where tn=7"},
    };
    for (const auto& c : cases) {
        SetDriverId(c.driver);
        EXPECT_EQ(PassportQuery("7"), CString(c.sql)) << c.driver;
        EXPECT_EQ(PassportQuery("7 or 1=1"), CString()) << c.driver;
    }
    SetDriverId(1);
}

// The server gone while a receipt is saved: the first check that reads tells
// the lost connection once; no check calls a value it could not read wrong
// ("Нет такого счета"), nothing is asked and nothing written. With the
// server back the same order saves.
TEST_F(CashOrderView, ASaveWithTheServerGoneIsOneMessage)
{
    CPrnPkoView* view = FilledReceipt();
    ASSERT_NE(view, nullptr);
    const CString server = GetServerName();
    _ConnectionPtr administrator = vornal::testing::OpenRawConnection();
    const long id = GetServerId();
    administrator->Execute(FormatText("kill %ld", id).GetString(), nullptr, adExecuteNoRecords);
    vornal::testing::WaitForCount(
        administrator, QStringLiteral("select count(*) from information_schema.processlist where id=%1").arg(id),
        [](long long alive) { return alive == 0; }, 2000);
    SetServerName("127.0.0.1:1");  // nothing answers there: every reconnect fails
    {
        afxtest::InteractionScript nothingShown;
        afxtest::click(view, IDOK);
        nothingShown.verify();
    }
    SetServerName(server);
    ASSERT_EQ(dbReports.reports().size(), 1u);
    EXPECT_EQ(dbReports.reports()[0].kind, DbErrorKind::ConnectionLost);
    EXPECT_EQ(dbReports.reports()[0].headline, CString("Нет связи с сервером базы данных."));
    EXPECT_EQ(view->GetRealId(), -1);
    SaveYes(view);
    EXPECT_GT(view->GetRealId(), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_pko"), 1);
}

TEST_F(CashOrderView, PictureOfAReceiptOrderWithThreeLines)
{
    CPrnPkoView* view = FilledReceipt("1200");
    ASSERT_NE(view, nullptr);
    Line(view, 1, "4", "220826660", "1", "226000", "500");
    Line(view, 2, "4", "220531660", "4", "", "300.50");
    view->SetDlgItemText(IDC_CO_PRD0, "3");
    view->SetDlgItemText(IDC_SET_TN, "1");
    view->SetDlgItemText(IDC_CO_PRIL, "Договор 3-Р");
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/cash_receipt_order.png"));
}

} // namespace
