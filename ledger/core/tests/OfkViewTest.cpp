// The treasury cash request as a bookkeeper writes it: a new request with its
// amounts from the choosers and typed, the total shown and stored and kept on
// a second save, printed and exported through its report file, reopened from
// the list of requests; the checks in their order with nothing written; an
// unsaved request's export refused and its print a blank form; and a picture
// of the form with three rows.
#include "CFormGridView.h"
#include "COfkView.h"
#include "CReportView.h"
#include "ChooserForm.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "SharedCommands.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <cstdlib>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

const QString kSaveQuestion = QStringLiteral("Записать изменения ? ");

class OfkView : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        // The report file is beside the program.
        qputenv("VORNAL_PROGRAM_DIR", std::getenv("VORNAL_BIN"));
        Run("delete from ledmark_dov_pol_den");
    }
    void TearDown() override
    {
        qunsetenv("VORNAL_PROGRAM_DIR");
        LedgerProgram::TearDown();
    }
    COfkView* OpenNew()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("заявка на пол.ден.", 0, nullptr), 1);
        return Active<COfkView>();
    }
    // Types into a cell as the user does: the keys, then Enter.
    static void Key(COfkView* view, short col, short row, const char* text)
    {
        view->m_grid.SetCurCell(col, row);
        view->m_grid.SetFocus();
        afxtest::typeKeys(view->m_grid.GetQWidget(), QString::fromUtf8(text));
        afxtest::pressKey(view->m_grid.GetQWidget(), Qt::Key_Return);
    }
    static void Choose(COfkView* view, short col, short row)
    {
        view->m_grid.SetCurCell(col, row);
        AfxFireEvent(&view->m_grid, 5, {AfxEventArg(col), AfxEventArg(row)});
    }
    // The header fields a valid request has.
    static void FillHeader(COfkView* view)
    {
        view->SetDlgItemText(kTnEditId, "1");
        view->SetDlgItemText(IDC_OFK_LS, "1");
        view->SetDlgItemText(IDC_OFK_SER, "АБ");
        view->SetDlgItemText(IDC_OFK_N, "123456");
        view->SetDlgItemText(IDC_OFK_DATE_POL, ThisYear("20.01"));
        view->SetDlgItemText(IDC_OFK_CPEC, "на хозяйственные нужды");
    }
    long Requests() { return (long)Count("select count(*) as cnt from ledmark_dov_pol_den"); }
    CString Stored(long realId, const char* column)
    {
        return Text(FormatText("select %s as str from ledmark_dov_pol_den where real_id=%d", column, realId));
    }
    static QString Page(CReportView* report) { return report->GetPage()->Browser()->toPlainText(); }
};

TEST_F(OfkView, RequestWrittenPrintedExportedAndReopenedFromItsList)
{
    COfkView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_NUMBER), QStringLiteral("1"));
    EXPECT_EQ(afxtest::text(view, IDC_OFK_DATE), DMGtoStr(COleDateTime::GetCurrentTime()).ToQString());
    EXPECT_EQ(view->m_grid.GetNRows(), 30);
    FillHeader(view);
    EXPECT_EQ(afxtest::text(view, IDC_OFK_FIO), QStringLiteral("Петрова Анна Сергеевна"));
    EXPECT_EQ(afxtest::text(view, IDC_OFK_LS_NAME), QStringLiteral("Лицевой счет получателя бюджетных средств"));

    afxtest::InteractionScript choosers;
    choosers.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"2   "}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"226000   "}); });
    Choose(view, OFK_FKR, 0);
    Choose(view, OFK_EKR, 0);
    choosers.verify();
    EXPECT_EQ(view->m_grid.GetCellValue(OFK_FKR, 0), CString("07507010100000590244"));
    EXPECT_EQ(view->m_grid.GetCellValue(OFK_EKR, 0), CString("226000"));
    Key(view, OFK_SUM, 0, "100");
    view->m_grid.SetCellValue(OFK_FKR, 1, "07507010100000590111");
    view->m_grid.SetCellValue(OFK_EKR, 1, "211000");
    Key(view, OFK_SUM, 1, "250,5");
    EXPECT_EQ(afxtest::text(view, IDC_SUM), QStringLiteral("350.50"));

    afxtest::InteractionScript save;
    save.message(kSaveQuestion, IDYES);
    afxtest::click(view, IDOK);
    save.verify();
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Stored(realId, "s"), CString("350.50"));
    EXPECT_EQ(Stored(realId, "icn"), CString("Петрова Анна Сергеевна"));
    EXPECT_EQ(Stored(realId, "id"), CString("0"));
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), 0) << "a request makes no postings";

    // Printed and exported through the report file.
    afxtest::click(view, ID_DOCUMENT_PRINT);
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    const QString page = Page(report);
    for (const char* part : {"ЗАЯВКА НА ПОЛУЧЕНИЕ НАЛИЧНЫХ ДЕНЕГ № 1", "0531802", "Петрова Анна Сергеевна",
                             "паспорт серии 4509 № 123456", "03234012345", "07507010100000590244", "350.50",
                             "Триста пятьдесят рублей 50 копеек",
                             "на хозяйственные нужды"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
    report->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    QTemporaryDir dir;
    const QString path = dir.filePath("заявка.txt");
    afxtest::InteractionScript exported;
    exported.chooser(QStringLiteral("savefile"), [&](afxtest::DialogStep& d) {
        EXPECT_EQ(d.request().caption, CString("Заявка_1.txt"));
        d.request().answer = CString(path);
        d.request().result = 1;
    });
    afxtest::click(view, IDC_OFK_EXPORT);
    exported.verify();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()).toStdString(),
              QStringLiteral("Заявка;1;%1;03234012345;1;Петрова Анна Сергеевна;АБ;123456;%2;350.50\n"
                             "07507010100000590244;226000;100.00\n07507010100000590111;211000;250.50\n")
                  .arg(DMGtoStr(COleDateTime::GetCurrentTime()).ToQString(), ThisYear("20.01").ToQString())
                  .toStdString());

    // Closed and reopened from the list: the total follows from the table, so
    // a second save keeps it.
    view->OnCancel();
    Settle();
    ASSERT_EQ(CHelpers::FN_OpenDocument0("ЗаявкиОФК", 20, nullptr), 1);
    auto* list = Active<CFormGridView>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->m_grid.GetNRows(), 1);
    EXPECT_EQ(list->m_grid.GetCellValue(1, 0), CString("1"));
    list->m_grid.SetCurCell(0, 0);
    afxtest::click(list, IDOK);
    view = Active<COfkView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetRealId(), realId);
    EXPECT_EQ(afxtest::text(view, IDC_SUM), QStringLiteral("350.50"));
    EXPECT_EQ(afxtest::text(view, IDC_OFK_FIO), QStringLiteral("Петрова Анна Сергеевна"));
    afxtest::InteractionScript again;
    again.message(kSaveQuestion, IDYES);
    afxtest::click(view, IDOK);
    again.verify();
    EXPECT_EQ(Requests(), 1);
    EXPECT_EQ(Stored(realId, "s"), CString("350.50"));
}

TEST_F(OfkView, ChecksInTheirOrderWriteNothing)
{
    COfkView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    struct Case {
        UINT field;
        const char* text;
        const char* message;
        UINT focus;
    } cases[] = {
        {IDC_OFK_DATE, "", "Укажите Дату", IDC_OFK_DATE},
        {IDC_NUMBER, "", "Укажите № документа", IDC_NUMBER},
        {kTnEditId, "", "Укажите Кому выдана доверенность", kTnEditId},
        {kTnEditId, "999", "Нет такого Работника", kTnEditId},  // before the empty account
        {IDC_OFK_LS, "", "Укажите лиц.счет", IDC_OFK_LS},
        {IDC_OFK_LS, "99", "Нет такого лиц.счета", IDC_OFK_LS},
        {IDC_OFK_LS, "1 or 1=1", "Нет такого лиц.счета", IDC_OFK_LS},
        {IDC_OFK_N, "12a", "Номер чека должен быть числом", IDC_OFK_N},
        {IDC_OFK_DATE_POL, "31.02.2024", "Неверная дата получения", IDC_OFK_DATE_POL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        FillHeader(view);
        view->SetDlgItemText(IDC_NUMBER, "5");
        view->SetDlgItemText(IDC_OFK_DATE, ThisYear("15.01"));
        if (c.field == kTnEditId && *c.text)
            view->SetDlgItemText(IDC_OFK_LS, "");
        view->SetDlgItemText(c.field, c.text);
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8(c.message), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(CWnd::GetFocus(), view->GetDlgItem(c.focus));
        EXPECT_EQ(Requests(), 0);
    }
    FillHeader(view);
    view->SetDlgItemText(IDC_NUMBER, "5");
    afxtest::InteractionScript no;
    no.message(kSaveQuestion, IDNO);
    afxtest::click(view, IDOK);
    no.verify();
    EXPECT_EQ(Requests(), 0);
    EXPECT_EQ(view->GetRealId(), -1);
}

TEST_F(OfkView, UnsavedRequestIsNotExportedAndPrintsABlankForm)
{
    COfkView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    FillHeader(view);
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Документ надо записать"), IDOK);
    afxtest::click(view, IDC_OFK_EXPORT);
    script.verify();
    EXPECT_EQ(CWnd::GetFocus(), view->GetDlgItem(IDC_NUMBER));
    scripts.calls.clear();
    afxtest::click(view, ID_DOCUMENT_PRINT);
    ASSERT_FALSE(scripts.calls.empty());
    EXPECT_EQ(scripts.calls.back().call, "Prn(-1,0)");
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    EXPECT_FALSE(Page(report).contains(QStringLiteral("Петрова Анна"))) << "nothing of an unsaved request";
}

TEST_F(OfkView, PictureOfTheRequestWithThreeRows)
{
    COfkView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    FillHeader(view);
    const char* rows[][3] = {{"07507010100000590244", "226000", "1500.00"},
                             {"07507010100000590111", "211000", "25000.50"},
                             {"07507010100000590244", "340000", "320.00"}};
    for (long r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            view->m_grid.SetCellValue(c, r, rows[r][c]);
    Settle();
    QCoreApplication::processEvents();
    EXPECT_EQ(afxtest::text(view, IDC_SUM), QStringLiteral("26820.50"));
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/ofk_request.png"));
}

} // namespace
