// The stock receipt: its record's saves (numbering, replacing, lines left
// out, NULL price and sum, a failing line, two users at once), and its form
// (the checks in order, price and sum, the choosers of the day, unsafe
// texts, the look of a filled receipt).
#include "CFormGridView.h"
#include "CPrixodView.h"
#include "ChooserForm.h"
#include "FreshDatabase.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "StockProgram.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/DlgkitIds.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QDate>
#include <QLineEdit>

#include <chrono>
#include <thread>

namespace {

using nstovan::CPrixodRecord;
using nstovan::CPrixodView;

const char* const kSaveQuestion = "Записать изменения ? ";

class Prixod : public stovantest::StockProgram {
protected:
    void SetUp() override
    {
        StockProgram::SetUp();
        day = ThisMonth(20);
        literal = ChangeDateUS0(day, 0);
        Reset();
    }
    // Receipts 1 and 2 of department 3 and statement 5 on the day, and no other of theirs.
    void Reset()
    {
        Run(FormatText("delete from stovan_prx0 where prd=3 and nv=5\n"
                       "delete from stovan_prx1 where prd=3 and nv=5\n"
                       "insert into stovan_prx0 (d,prd,nv,npp,ndoc,org,tn) values (%s,3,5,1,'А-1',1,NULL),"
                       " (%s,3,5,2,'А-2',4,NULL)\n"
                       "insert into stovan_prx1 (d,prd,nv,npp,id,price,kol,s) values (%s,3,5,1,1,10,2,20),"
                       " (%s,3,5,2,2,5,3,15), (%s,3,5,2,4,7,1,7)",
                       literal, literal, literal, literal, literal));
    }
    CPrixodRecord Receipt(const char* npp, const CString& date) const
    {
        CPrixodRecord r;
        r.date = date;
        r.prd = "3";
        r.nv = "5";
        r.npp = npp;
        r.ndoc = "Б-7";
        r.org = "1";
        return r;
    }
    long long Lines(const CString& date, const char* npp)
    {
        return Count(FormatText("select count(*) as cnt from stovan_prx1 where d=%s and prd=3 and nv=5 and npp=%s",
                                ChangeDateUS0(date, 0), npp));
    }
    CPrixodView* OpenReceipt()
    {
        auto* view = OpenForm<CPrixodView>();
        Settle();
        return view;
    }
    static void Key(CPrixodView* view, const CString& date, const char* prd, const char* nv, const char* npp)
    {
        view->SetDlgItemText(IDC_DATE, date);
        view->SetDlgItemText(IDC_PRD, prd);
        view->SetDlgItemText(IDC_NV, nv);
        view->SetDlgItemText(IDC_NPP, npp);
    }
    static void TypeCell(CPrixodView* view, int col, long row, const char* text)
    {
        view->m_grid.SetFocus0();
        view->m_grid.SetCurCell(col, row);
        afxtest::typeKeys(view->m_grid.GetQWidget(), QString::fromUtf8(text));
        afxtest::pressKey(view->m_grid.GetQWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    static QString Cell(CPrixodView* view, int col, long row) { return view->m_grid.GetCellValue(col, row).ToQString(); }

    CString day;
    CString literal;
};

TEST_F(Prixod, SavesNumberReplaceAndLeaveOutLines)
{
    struct Case {
        const char* what;
        const char* typed;
        int otherDay;       // 0 the fixture's day
        const char* npp;    // the number written
        long long receipts; // on that day, department and statement afterwards
    };
    const Case cases[] = {
        {"new beside 1 and 2", "", 0, "3", 3},
        {"new on another day", "", 21, "1", 1},
        {"a typed number that does not exist", "7", 0, "3", 3},
        {"a typed number that exists", "2", 0, "2", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        const CString date = c.otherDay ? ThisMonth(c.otherDay) : day;
        CPrixodRecord r = Receipt(c.typed, date);
        r.lines = {{"3", "", "", "", "4", "10"},     {"", "", "", "5", "5", "25"},
                   {"4", "", "", "1", "0", "0"},     {"5", "", "", "2,5", "1,5", ""},
                   {" ", "", "", "", "3", ""}};
        ASSERT_TRUE(r.Save());
        EXPECT_EQ(r.npp, CString(c.npp));
        EXPECT_EQ(Count(FormatText("select count(*) as cnt from stovan_prx0 where d=%s and prd=3 and nv=5",
                                   ChangeDateUS0(date, 0))),
                  c.receipts);
        EXPECT_EQ(Lines(date, c.npp), 2);
        EXPECT_EQ(Text(FormatText("select concat_ws('|',ndoc,org,ifnull(tn,'-')) as str from stovan_prx0 where "
                                  "d=%s and prd=3 and nv=5 and npp=%s",
                                  ChangeDateUS0(date, 0), c.npp)),
                  CString("Б-7|1|-"));
        EXPECT_EQ(Text(FormatText("select group_concat(concat_ws('|',id,ifnull(price,'-'),kol,ifnull(s,'-')) order by id)"
                                  " as str from stovan_prx1 where d=%s and prd=3 and nv=5 and npp=%s",
                                  ChangeDateUS0(date, 0), c.npp)),
                  CString("3|-|4.000000|10.00,5|2.50|1.500000|-"));
        CPrixodRecord back = Receipt(c.npp, date);
        ASSERT_TRUE(back.Load());
        ASSERT_EQ(back.lines.size(), 2u);
        EXPECT_EQ(back.lines[0].name, CString("Картофель"));
        EXPECT_EQ(back.lines[0].unit, CString("кг"));
        EXPECT_EQ(back.lines[1].price, CString("2.5"));
        EXPECT_TRUE(back.lines[0].price.IsEmpty());
    }
    EXPECT_TRUE(dbReports.reports().empty());
}

TEST_F(Prixod, AFailingLineLeavesThePreviousReceipt)
{
    CPrixodRecord r = Receipt("2", day);
    r.ndoc = "новый";
    r.lines = {{"1", "", "", "", "1", ""}, {"99999999999", "", "", "", "1", ""}};
    EXPECT_FALSE(r.Save());
    EXPECT_EQ(dbReports.reports().size(), 1u);
    EXPECT_EQ(Lines(day, "2"), 2);
    EXPECT_EQ(Text(FormatText("select ndoc as str from stovan_prx0 where d=%s and prd=3 and nv=5 and npp=2", literal)),
              CString("А-2"));
    dbReports.clear(1);
}

// The server dropped the connection (a restart): a stored receipt is read on
// a new one, as every read of the layer is, and nothing is reported.
TEST_F(Prixod, AReceiptIsReadAfterTheServerDroppedTheConnection)
{
    ASSERT_TRUE(vornal::testing::DropTheLayersConnection());
    CPrixodRecord back = Receipt("2", day);
    ASSERT_TRUE(back.Load());
    EXPECT_EQ(back.ndoc, CString("А-2"));
    EXPECT_EQ(back.org, CString("4"));
    ASSERT_EQ(back.lines.size(), 2u);
    EXPECT_EQ(back.lines[1].id, CString("4"));
    EXPECT_TRUE(dbReports.reports().empty());
}

TEST_F(Prixod, TwoUsersSavingNewReceiptsGetTwoNumbers)
{
    // The other user's save holds its new receipt 3 uncommitted while ours runs.
    _ConnectionPtr other = vornal::testing::OpenRawConnection();
    other->BeginTrans();
    other->Execute((const char*)FormatText("insert into stovan_prx0 (d,prd,nv,npp,ndoc,org) values (%s,3,5,3,'В',1)",
                                           literal),
                   nullptr, adExecuteNoRecords);
    std::thread commit([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        other->CommitTrans();
    });
    CPrixodRecord r = Receipt("", day);
    r.lines = {{"1", "", "", "", "1", ""}};
    const bool saved = r.Save();
    commit.join();
    EXPECT_TRUE(saved);
    EXPECT_EQ(r.npp, CString("4"));
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from stovan_prx0 where d=%s and prd=3 and nv=5", literal)), 4);
    EXPECT_EQ(Lines(day, "4"), 1);
    EXPECT_TRUE(dbReports.reports().empty());
}

TEST_F(Prixod, OpensByItsNameAndLoadsAsTheKeyIsTyped)
{
    ASSERT_EQ(CHelpers::FN_OpenDocument0("Stovan", 0, nullptr), 1);
    auto* view = Active<CPrixodView>();
    ASSERT_NE(view, nullptr);
    EXPECT_NE(dynamic_cast<CderivedFrame*>(view->GetParentFrame()), nullptr);
    EXPECT_NE(dynamic_cast<CderivedDocument*>(view->GetDocument()), nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_DATE), QDate::currentDate().toString("dd.MM.yyyy"));
    Key(view, day, "3", "5", "2");
    Settle();
    EXPECT_EQ(afxtest::text(view, IDC_ORG), QString("4"));
    EXPECT_EQ(afxtest::text(view, IDC_NDOC), QString("А-2"));
    ASSERT_EQ(view->m_grid.GetNRows(), 3) << "two lines and an empty one to add to";
    EXPECT_EQ(Cell(view, 2, 0), QString("Моющее средство"));
    EXPECT_EQ(Cell(view, 5, 0), QString("3.0000"));
    EXPECT_EQ(Cell(view, 4, 1), QString("7"));
    // Half-typed keys read nothing and show an empty receipt.
    for (const char* prd : {"3 or 1=1", "3'", "3,"}) {
        view->SetDlgItemText(IDC_PRD, prd);
        EXPECT_EQ(view->m_grid.GetNRows(), 0) << prd;
        EXPECT_TRUE(afxtest::text(view, IDC_NDOC).isEmpty());
    }
    view->SetDlgItemText(IDC_PRD, "3");
    view->SetDlgItemText(IDC_DATE, "31.02.2025");
    EXPECT_EQ(view->m_grid.GetNRows(), 0);
    EXPECT_TRUE(dbReports.reports().empty());
}

TEST_F(Prixod, ChecksInOrderWithMessageAndFocus)
{
    auto* view = OpenReceipt();
    ASSERT_NE(view, nullptr);
    struct Case {
        const char* date;
        const char* prd;
        const char* nv;
        const char* org;
        const char* tn;
        const char* ndoc;
        const char* message;  // "" for none
        int focus;
        bool selected;
    };
    const CString other = LastMonth(3);
    const std::string otherDay = other.ToStdString();
    const std::string today = day.ToStdString();
    const Case cases[] = {
        {"", "3", "5", "1", "", "Д", "Укажите дату оприходования", IDC_DATE, false},
        {"32.13.2024", "3", "5", "1", "", "Д", "", IDC_DATE, true},
        {today.c_str(), "", "5", "1", "", "Д", "Укажите подразделение", IDC_PRD, false},
        {today.c_str(), "77", "5", "1", "", "Д", "Нет такого подразделения", IDC_PRD, true},
        {today.c_str(), "3", "", "1", "", "Д", "Укажите Ведомость", IDC_NV, false},
        {today.c_str(), "3", "99", "1", "", "Д", "Нет такой ведомости", IDC_NV, true},
        {today.c_str(), "3", "5", "", "", "Д", "Укажите организацию или табельный №", IDC_ORG, false},
        {today.c_str(), "3", "5", "1", "51", "Д", "Только организацию или табельный №", IDC_ORG, true},
        {today.c_str(), "3", "5", "9999", "", "Д", "Нет такой организации", IDC_ORG, true},
        {today.c_str(), "3", "5", "", "9999", "Д", "Нет такого работника", IDC_TN, true},
        {today.c_str(), "3", "5", "", "51", "", "Укажите № документа", IDC_NDOC, false},
        {otherDay.c_str(), "3", "5", "1", "", "Д", "Дата не вашего отчетного периода", IDC_DATE, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Key(view, c.date, c.prd, c.nv, "");
        view->SetDlgItemText(IDC_ORG, c.org);
        view->SetDlgItemText(IDC_TN, c.tn);
        view->SetDlgItemText(IDC_NDOC, c.ndoc);
        afxtest::InteractionScript script;
        if (*c.message)
            script.message(c.message, IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        CWnd* focus = CWnd::GetFocus();
        EXPECT_EQ(focus ? focus->GetDlgCtrlID() : 0, c.focus);
        auto* edit = qobject_cast<QLineEdit*>(view->GetDlgItem(c.focus)->GetQWidget());
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->hasSelectedText() && edit->selectedText() == edit->text(), c.selected);
    }
    EXPECT_EQ(Count("select count(*) as cnt from stovan_prx0 where prd=3 and nv=5"), 2) << "nothing was written";
}

TEST_F(Prixod, PriceAndSumFollowEachOther)
{
    auto* view = OpenReceipt();
    ASSERT_NE(view, nullptr);
    Key(view, day, "3", "5", "");
    Settle();
    ASSERT_EQ(view->m_grid.GetNRows(), 1);
    struct Case {
        const char* what;
        const char* price;  // typed, after quantity and sum
        const char* kol;
        const char* s;
        const char* shownPrice, *shownKol, *shownSum;
    };
    const Case cases[] = {
        {"sum then quantity", nullptr, "4", "10", "2.5", "4.0000", "10"},
        {"price with the sum empty", "2,5", "1234,5", nullptr, "2.5", "1234.5000", "3086.25"},
        {"price with a sum present", "3", "1234.5", "10", "3", "1234.5000", "10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int col : {4, 5, 6})
            view->m_grid.SetCellValue(col, 0, "");
        if (c.s)
            TypeCell(view, 6, 0, c.s);
        TypeCell(view, 5, 0, c.kol);
        if (c.price)
            TypeCell(view, 4, 0, c.price);
        EXPECT_EQ(Cell(view, 4, 0), QString(c.shownPrice));
        EXPECT_EQ(Cell(view, 5, 0), QString(c.shownKol));
        EXPECT_EQ(Cell(view, 6, 0), QString(c.shownSum));
    }
}

// A price typed before the quantity is kept and gives the sum, also when the
// quantity changes later; a sum typed afterwards gives the price again.
TEST_F(Prixod, ATypedPriceIsKeptWhenTheQuantityComes)
{
    auto* view = OpenReceipt();
    ASSERT_NE(view, nullptr);
    Key(view, day, "3", "5", "");
    Settle();
    ASSERT_EQ(view->m_grid.GetNRows(), 1);
    struct Step {
        int col;
        const char* typed;
        const char* price, *kol, *sum;
    };
    const struct Case {
        const char* what;
        std::vector<Step> steps;
    } cases[] = {
        {"a comma price, grouped quantity",
         {{4, "2,5", "2.5", "", ""}, {5, "1 234,5", "2.5", "1234.5000", "3086.25"}}},
        {"a point price, then the quantity changed",
         {{4, "120.5", "120.5", "", ""}, {5, "4", "120.5", "4.0000", "482"}, {5, "2", "120.5", "2.0000", "241"}}},
        {"a sum typed after the price gives the price",
         {{4, "3", "3", "", ""}, {5, "2", "3", "2.0000", "6"}, {6, "10", "5", "2.0000", "10"},
          {5, "4", "2.5", "4.0000", "10"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int col : {4, 5, 6})
            view->m_grid.SetCellValue(col, 0, "");
        for (const Step& s : c.steps) {
            SCOPED_TRACE(s.typed);
            TypeCell(view, s.col, 0, s.typed);
            EXPECT_EQ(Cell(view, 4, 0), QString(s.price));
            EXPECT_EQ(Cell(view, 5, 0), QString(s.kol));
            EXPECT_EQ(Cell(view, 6, 0), QString(s.sum));
        }
    }
}

TEST_F(Prixod, SavedFromTheFormWithTextsKeptAsTyped)
{
    auto* view = OpenReceipt();
    ASSERT_NE(view, nullptr);
    Key(view, day, "3", "5", "");
    Settle();
    view->SetDlgItemText(IDC_TN, "51");
    view->SetDlgItemText(IDC_NDOC, "О'Нил \\ №5");
    TypeCell(view, 1, 0, "3");
    TypeCell(view, 5, 0, "2");
    TypeCell(view, 6, 0, "100");
    Settle();
    ASSERT_EQ(view->m_grid.GetNRows(), 2) << "an empty line once the first is complete";
    afxtest::InteractionScript script;
    script.message(kSaveQuestion, IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    Settle();
    EXPECT_EQ(afxtest::text(view, IDC_NPP), QString("3"));
    EXPECT_EQ(afxtest::text(view, IDC_NDOC), QString("О'Нил \\ №5"));
    EXPECT_EQ(afxtest::text(view, IDC_FIO), QString("Иванов Пётр Сергеевич"));
    EXPECT_EQ(Cell(view, 4, 0), QString("50"));
    EXPECT_EQ(Text(FormatText("select ndoc as str from stovan_prx0 where d=%s and prd=3 and nv=5 and npp=3", literal)),
              CString("О'Нил \\ №5"));

    script.message("Удалить эту запись ? ", IDYES);
    afxtest::click(view, ID_DELETE_RECEIPT);
    script.verify();
    EXPECT_TRUE(afxtest::text(view, IDC_NPP).isEmpty());
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from stovan_prx0 where d=%s and prd=3 and nv=5", literal)), 2);
    EXPECT_EQ(Lines(day, "3"), 0);
}

TEST_F(Prixod, ChoosersOfTheDay)
{
    auto* view = OpenReceipt();
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_DATE, day);
    view->SetDlgItemText(IDC_ORG, "1");
    view->SetDlgItemText(IDC_NDOC, "X");
    // The day's departments and statements, answered together.
    afxtest::click(view, IDC_DAY_PRD_NV_BTN);
    Settle();
    auto* chooser = Active<CFormGridView>();
    ASSERT_NE(chooser, nullptr);
    ASSERT_EQ(chooser->m_grid.GetNRows(), 1);
    EXPECT_EQ(chooser->m_grid.GetCellValue(1, 0), CString("Медицинский кабинет"));
    EXPECT_EQ(chooser->m_grid.GetCellValue(3, 0), Text("select name as str from nv where id=5"));
    ASSERT_TRUE(chooser->Choose());
    Settle();
    EXPECT_EQ(afxtest::text(view, IDC_PRD), QString("3"));
    EXPECT_EQ(afxtest::text(view, IDC_NV), QString("5"));
    EXPECT_TRUE(afxtest::text(view, IDC_ORG).isEmpty());
    EXPECT_TRUE(afxtest::text(view, IDC_NDOC).isEmpty());

    // The day's receipts: their н/п.
    afxtest::click(view, IDC_NPP_BTN);
    Settle();
    chooser = Active<CFormGridView>();
    ASSERT_NE(chooser, nullptr);
    ASSERT_EQ(chooser->m_grid.GetNRows(), 2);
    EXPECT_EQ(chooser->m_grid.GetCellValue(5, 1), CString("А-2"));
    chooser->m_grid.SetCurRow(1);
    ASSERT_TRUE(chooser->Choose());
    Settle();
    EXPECT_EQ(afxtest::text(view, IDC_NPP), QString("2"));
    EXPECT_EQ(afxtest::text(view, IDC_NDOC), QString("А-2"));

    // The days of the month: the last one current.
    afxtest::click(view, IDC_DAY_BTN);
    Settle();
    chooser = Active<CFormGridView>();
    ASSERT_NE(chooser, nullptr);
    ASSERT_GT(chooser->m_grid.GetNRows(), 0);
    EXPECT_EQ(chooser->m_grid.GetCurRow(), chooser->m_grid.GetNRows() - 1);
    ASSERT_TRUE(chooser->Choose());
    Settle();
    EXPECT_EQ(afxtest::text(view, IDC_DATE), day.ToQString()) << "the latest day with receipts";

    // The day's departments and its statements of a department, in their books' choosers.
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        EXPECT_EQ(pickertest::Rows(d).size(), 1);
        d.click(IDCANCEL);
    });
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        EXPECT_EQ(pickertest::Rows(d).size(), 1);
        d.click(IDCANCEL);
    });
    afxtest::click(view, IDC_DAY_PRD_BTN);
    afxtest::click(view, IDC_DAY_NV_BTN);
    script.verify();
}

TEST_F(Prixod, AFilledReceiptAsTheStorekeeperSeesIt)
{
    auto* view = OpenReceipt();
    ASSERT_NE(view, nullptr);
    Run(FormatText("insert into stovan_prx1 (d,prd,nv,npp,id,price,kol,s) select %s,3,5,2,id,120.5,2,241 from "
                   "spr_stovan_mat where name='Спирт этиловый'",
                   literal));
    Key(view, day, "3", "5", "2");
    Settle();
    EXPECT_EQ(view->m_grid.GetNRows(), 4);
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/stock_receipt.png"));
}

} // namespace

// A receipt whose lines could not be read is shown empty and cannot be saved
// or deleted: a save would replace the stored lines with none. Typed again
// once it can be read, it loads and saves as ever.
TEST_F(Prixod, AReceiptThatCouldNotBeReadIsNeitherSavedNorDeleted)
{
    auto* view = OpenReceipt();
    ASSERT_NE(view, nullptr);
    const char* const refusal =
        "Документ не удалось прочитать из базы данных, поэтому записать или удалить его нельзя. Выберите его снова.";
    Run("rename table stovan_prx1 to stovan_prx1_away");
    Key(view, day, "3", "5", "2");
    Settle();
    dbReports.clear(1);
    EXPECT_FALSE(view->m_grid.IsWindowEnabled());
    view->SetDlgItemText(IDC_NDOC, "А-2");
    view->SetDlgItemText(IDC_ORG, "4");
    for (const int button : {IDOK, ID_DELETE_RECEIPT}) {
        afxtest::InteractionScript script;
        script.message(refusal, IDOK);
        afxtest::click(view, button);
        script.verify();
    }
    Run("rename table stovan_prx1_away to stovan_prx1");
    EXPECT_EQ(Lines(day, "2"), 2) << "the stored lines are kept";
    EXPECT_EQ(Count("select count(*) as cnt from stovan_prx0 where prd=3 and nv=5 and npp=2"), 1);
    view->SetDlgItemText(IDC_NPP, "");
    Key(view, day, "3", "5", "2");
    Settle();
    EXPECT_TRUE(view->m_grid.IsWindowEnabled());
    EXPECT_EQ(view->m_grid.GetNRows(), 3);
    afxtest::InteractionScript script;
    script.message(kSaveQuestion, IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    EXPECT_EQ(Lines(day, "2"), 2);
    EXPECT_TRUE(dbReports.reports().empty());
}
