// The view bases in a small program: forms opened by document name with the
// document, frame and view classes of their templates and the opener's
// values before the initial update; an open form brought forward; stored
// documents by id and by kind name; OnCancel that lets its handler go on; the
// base commands; a configuration grid form filled by its callback answering a
// control and a message; a list of stored documents opening the chosen row
// through its script; a form in two kinds; a text saved into a chosen file;
// the form's report and an external report file in the report window, saved
// as PDF.
#include "ChooserForm.h"
#include "CoreProgram.h"
#include "FreshDatabase.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/TestResource.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

using coretest::CTestDocView;
using coretest::CTestFormView;
using coretest::log;

namespace {

void OnCreate(CDocument* document, const char* text)
{
    log() << QStringLiteral("create %1 %2").arg(QString::fromUtf8(text)).arg(document->GetTitle().ToQString());
}

void OnActivate(CDocument*, CView* view, const char* text)
{
    log() << QStringLiteral("activate %1 %2").arg(QString::fromUtf8(text)).arg(view != nullptr);
}

void Settle()
{
    afxtest::deliverPosted();
    afxtest::flushDeletes();
}

class Views : public ::testing::Test {
protected:
    coretest::Program program;
};

TEST_F(Views, FormsByDocumentNameGetTheirClassesAndTheOpenersValues)
{
    ASSERT_EQ(CHelpers::FN_OpenDocument0("Тест.док", 3, "параметр"), 1);
    auto* doc = coretest::ActiveView<CTestDocView>(program);
    ASSERT_NE(doc, nullptr);
    EXPECT_NE(dynamic_cast<CconfigDocument*>(doc->GetDocument()), nullptr);
    EXPECT_NE(dynamic_cast<CDocumentFrame*>(doc->GetParentFrame()), nullptr);
    EXPECT_EQ(doc->seenParam, 3);
    EXPECT_EQ(doc->seenRealId, -1);
    EXPECT_EQ(doc->GetDocument()->m_strParam, CString("параметр"));

    ASSERT_EQ(CHelpers::FN_OpenDocument("Тест.форма", "Выбор периода", 10, 0, 500, 300, "x", OnCreate, nullptr,
                                        "42", OnActivate, nullptr),
              1);
    auto* form = coretest::ActiveView<CTestFormView>(program);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(dynamic_cast<CconfigDocument*>(form->GetDocument()), nullptr);
    EXPECT_NE(dynamic_cast<CderivedFrame*>(form->GetParentFrame()), nullptr);
    EXPECT_EQ(dynamic_cast<CDocumentFrame*>(form->GetParentFrame()), nullptr);
    EXPECT_EQ(form->seenParamText, CString("x"));
    EXPECT_EQ(form->GetDocument()->GetTitle(), CString("Выбор периода"));
    EXPECT_EQ(form->GetDocumentName(), CString("Тест.форма"));
    CRect rect;
    form->GetParentFrame()->GetWindowRect(&rect);
    EXPECT_EQ(rect.Width(), 500);

    // The same name again brings the open form forward.
    EXPECT_EQ(CHelpers::FN_OpenDocument("Тест.форма", "", -1, -1, -1, -1, "y", OnCreate, nullptr, "43", OnActivate,
                                        nullptr),
              1);
    EXPECT_EQ(program.ChildCount(), 2);
    EXPECT_EQ(coretest::ActiveView<CTestFormView>(program), form);
    EXPECT_EQ(log().filter("create"), QStringList({"create 42 Выбор периода"}));
    EXPECT_EQ(log().filter("activate"), QStringList({"activate 43 1"}));

    afxtest::InteractionScript script;
    script.message(QStringLiteral("Форма «Нет такой» не найдена в конфигурации"), IDOK);
    EXPECT_EQ(CHelpers::FN_OpenDocument0("Нет такой", 0, nullptr), 0);
    script.verify();
}

TEST_F(Views, StoredDocumentsOpenOncePerRow)
{
    ASSERT_EQ(CHelpers::I_OpenDocument(12, nullptr, "ТестДок", 0), 1);
    auto* first = coretest::ActiveView<CTestDocView>(program);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->seenRealId, 12);
    ASSERT_EQ(CHelpers::I_OpenDocument(13, nullptr, "Тест.док", 7), 1);
    auto* second = coretest::ActiveView<CTestDocView>(program);
    ASSERT_NE(second, first);
    EXPECT_EQ(second->seenRealId, 13);
    EXPECT_EQ(second->seenParam, 7);
    ASSERT_EQ(CHelpers::I_OpenDocument(12, nullptr, "ТестДок", 0), 1);
    EXPECT_EQ(coretest::ActiveView<CTestDocView>(program), first);
    EXPECT_EQ(program.ChildCount(), 2);
}

TEST_F(Views, CancelClosesAfterTheHandlerReturns)
{
    ASSERT_EQ(CHelpers::I_OpenDocument(5, nullptr, "Тест.док", 0), 1);
    auto* view = coretest::ActiveView<CTestDocView>(program);
    ASSERT_NE(view, nullptr);
    log().clear();
    afxtest::command(view, ID_TEST_SAVE_AND_CLOSE);
    EXPECT_EQ(log(), QStringList({"load -1"}));
    EXPECT_EQ(program.ChildCount(), 1);
    Settle();
    EXPECT_EQ(program.ChildCount(), 0);
}

TEST_F(Views, BaseCommandsOfTheDocumentForms)
{
    ASSERT_EQ(CHelpers::I_OpenDocument(8, nullptr, "Тест.док", 0), 1);
    auto* view = coretest::ActiveView<CTestDocView>(program);
    ASSERT_NE(view, nullptr);
    log().clear();
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Ввести новый документ ? "), IDNO)
        .message(QStringLiteral("Ввести новый документ ? "), IDYES);
    afxtest::click(view, IDOK);
    afxtest::click(view, ID_DOCUMENT_NEW);
    EXPECT_EQ(view->GetRealId(), 8);
    afxtest::click(view, ID_DOCUMENT_NEW);
    script.verify();
    EXPECT_EQ(log(), QStringList({"write 1", "load -1"}));
    EXPECT_EQ(view->GetRealId(), -1);
    afxtest::click(view, IDCANCEL);
    Settle();
    EXPECT_EQ(program.ChildCount(), 0);
}

TEST_F(Views, DeleteRemovesTheRowAndItsPostings)
{
    ASSERT_TRUE(vornal::testing::UseFreshDatabase());
    ASSERT_TRUE(ExecuteSql("drop table if exists appcore_test_doc\n"
                           "create table appcore_test_doc (real_id int auto_increment primary key, id int, d date)\n"
                           "insert into appcore_test_doc (id, d) values (9001, '2024-02-01'), (9002, '2024-02-02')\n"
                           "delete from ledmark_provodki where id in (9001, 9002)\n"
                           "insert into ledmark_provodki (id, npp, d, s) values (9001, 1, '2024-02-01', 10), "
                           "(9001, 2, '2024-02-01', 20), (9002, 1, '2024-02-02', 30)"));
    long realId = long(ExecuteCount("select real_id as cnt from appcore_test_doc where id=9001"));
    ASSERT_EQ(CHelpers::I_OpenDocument(realId, nullptr, "Тест.док", 0), 1);
    auto* view = coretest::ActiveView<CTestDocView>(program);
    ASSERT_NE(view, nullptr);
    view->SetLoadedDate("01.02.2024");

    // "Бух.Справка": the document's postings; the storno shows them reversed.
    afxtest::command(view, ID_DOCUMENT_POSTINGS);
    auto* postings = coretest::ActiveView<CDocProvView>(program);
    ASSERT_NE(postings, nullptr);
    ASSERT_EQ(postings->m_grid.GetNRows(), 2);
    EXPECT_EQ(postings->m_grid.GetCellValue(11, 1), CString("20.00"));
    ASSERT_EQ(CHelpers::FN_OpenDocument0("Тест.сторно", 0, "9001"), 1);
    auto* storno = coretest::ActiveView<CStornoView>(program);
    ASSERT_NE(storno, nullptr);
    EXPECT_EQ(storno->m_grid.GetCellValue(11, 0), CString("-10.00"));
    storno->OnCancel();
    postings->OnCancel();
    Settle();
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Удалить этот документ ? "), IDNO)
        .message(QStringLiteral("Удалить этот документ ? "), IDYES);
    afxtest::click(view, ID_DOCUMENT_DELETE);
    EXPECT_EQ(ExecuteCount("select count(*) from ledmark_provodki where id=9001"), 2);
    afxtest::click(view, ID_DOCUMENT_DELETE);
    script.verify();
    EXPECT_EQ(ExecuteCount("select count(*) from ledmark_provodki where id=9001"), 0);
    EXPECT_EQ(ExecuteCount("select count(*) from appcore_test_doc where id=9001"), 0);
    EXPECT_EQ(ExecuteCount("select count(*) from ledmark_provodki where id=9002"), 1);
    Settle();
    EXPECT_EQ(program.ChildCount(), 0);
}

// The fill callback of a selection form: "<window>:<control>:<message>".
void __stdcall FillCodes(CderivedDocument* document, CFormView* view, const char* text)
{
    QStringList parts = QString::fromUtf8(text).split(u':');
    document->SetAnswer(CWnd::FromHandle(HWND(intptr_t(parts.value(0).toLong()))), parts.value(1).toInt(),
                        parts.value(2).toInt());
    CCellwork& grid = static_cast<CFormGridView*>(view)->m_grid;
    grid.SetNCols(2);
    grid.SetNRows(3);
    const char* rows[][2] = {{"201", "Денежные средства"}, {"206", "Авансы"}, {"208", "Подотчетные лица"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c)
            grid.SetCellValue(c, r, rows[r][c]);
    log() << QStringLiteral("fill %1").arg(QString::fromUtf8(text));
}

TEST_F(Views, ConfigurationGridFormAnswersItsCaller)
{
    CChooserForm caller;
    caller.textAnswers = true;
    QString target = QStringLiteral("%1:%2:-1").arg(intptr_t(caller.GetSafeHwnd())).arg(IDC_TEST_CODE);
    ASSERT_EQ(CHelpers::FN_OpenDocument0("ТестВыбор", 0, target.toUtf8().constData(), nullptr, nullptr, nullptr,
                                         FillCodes),
              1);
    auto* form = coretest::ActiveView<CFormGridView>(program);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetDocument()->GetTitle(), CString("Выбор кода"));
    EXPECT_EQ(form->m_grid.GetNRows(), 3);
    form->m_grid.SetCurCell(0, 1);
    afxtest::click(form, IDOK);
    EXPECT_EQ(caller.Text(IDC_TEST_CODE), QStringLiteral("206"));
    EXPECT_EQ(caller.changes, QStringList({"code:206"}));
    Settle();
    EXPECT_EQ(program.ChildCount(), 0);

    // Asked again by message: the answer is the code as text in both parameters.
    QString byMessage = QStringLiteral("%1:-1:%2").arg(intptr_t(caller.GetSafeHwnd())).arg(0x402);
    CHelpers::FN_OpenDocument0("ТестВыбор", 0, byMessage.toUtf8().constData(), nullptr, nullptr, nullptr, FillCodes);
    form = coretest::ActiveView<CFormGridView>(program);
    ASSERT_NE(form, nullptr);
    form->m_grid.SetCurCell(1, 2);
    afxtest::click(form, IDOK);
    ASSERT_EQ(caller.answers.size(), 1u);
    EXPECT_EQ(caller.answers[0].msg, 0x402u);
    EXPECT_EQ(caller.answers[0].text, QStringLiteral("208"));
    EXPECT_EQ(caller.answers[0].wParam, WPARAM(caller.answers[0].lParam));
}

TEST_F(Views, GridFormWithoutCallbackIsFilledByItsScript)
{
    ASSERT_TRUE(vornal::testing::UseFreshDatabase());
    ASSERT_EQ(CHelpers::FN_OpenDocument0("ТестСписок", 7, "семь"), 1);
    auto* form = coretest::ActiveView<CFormGridView>(program);
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->m_grid.GetNRows(), 1);
    EXPECT_EQ(form->m_grid.GetCellValue(0, 0), CString("7"));
    EXPECT_EQ(form->m_grid.GetCellValue(1, 0), CString("семь"));
    // Nobody to answer: choosing does nothing and the list stays.
    afxtest::click(form, IDOK);
    Settle();
    EXPECT_EQ(program.ChildCount(), 1);
}

TEST_F(Views, DocumentListOpensTheChosenRowThroughItsScript)
{
    ASSERT_TRUE(vornal::testing::UseFreshDatabase());
    ASSERT_EQ(CHelpers::FN_OpenDocument0("ТестДокументы", 4, nullptr), 1);
    auto* list = coretest::ActiveView<CFormGridView>(program);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->m_grid.GetNRows(), 2);
    list->m_grid.SetCurCell(1, 1);
    afxtest::click(list, IDOK);
    auto* document = coretest::ActiveView<CTestDocView>(program);
    ASSERT_NE(document, nullptr) << "Choose(\"13\") opens the row's document";
    EXPECT_EQ(document->seenRealId, 13);
    EXPECT_EQ(document->seenParam, 4);
    Settle();
    EXPECT_EQ(program.ChildCount(), 2) << "the list stays open";

    // The same row again brings its form forward; another row opens its own.
    list->m_grid.SetCurCell(0, 1);
    EXPECT_TRUE(list->Choose());
    EXPECT_EQ(program.ChildCount(), 2);
    list->m_grid.SetCurCell(0, 0);
    EXPECT_TRUE(list->Choose());
    auto* saved = coretest::ActiveView<CTestDocView>(program);
    EXPECT_EQ(saved->seenRealId, 12);
    EXPECT_EQ(program.ChildCount(), 3);

    // A document saved elsewhere shows in the list at once.
    ASSERT_TRUE(CInterpriter::GetMain()->LoadScript("Form.ТестДокументы", "later.lua",
                                                    "later = \" union all select 14, '7'\""));
    saved->PostOK(1, 1);
    EXPECT_EQ(list->m_grid.GetNRows(), 3);
    EXPECT_EQ(list->m_grid.GetCellValue(1, 2), CString("7"));
}

TEST_F(Views, FormOpenedInTwoKindsIsTwoForms)
{
    ASSERT_EQ(CHelpers::FN_OpenDocument0("Тест.форма", 1, nullptr), 1);
    auto* first = coretest::ActiveView<CTestFormView>(program);
    ASSERT_EQ(CHelpers::FN_OpenDocument0("Тест.форма", 1, nullptr), 1);
    EXPECT_EQ(program.ChildCount(), 1);
    ASSERT_EQ(CHelpers::FN_OpenDocument0("Тест.форма", 2, nullptr), 1);
    auto* second = coretest::ActiveView<CTestFormView>(program);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->GetDocument()->GetParam(), 2);
    EXPECT_EQ(program.ChildCount(), 2);

    // A script's app.open brings forward the form of its own kind.
    CString answer;
    ASSERT_EQ(CHelpers::EXEC_GetFunctionValue("app.open(\"Тест.форма\", 1)", answer, nullptr), 1);
    EXPECT_EQ(answer, CString("1"));
    EXPECT_EQ(coretest::ActiveView<CTestFormView>(program), first);
    EXPECT_EQ(program.ChildCount(), 2);
}

TEST_F(Views, ScriptSavesATextIntoTheFileTheUserChooses)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("заявка.txt"));
    afxtest::InteractionScript script;
    script.chooser(QStringLiteral("savefile"), [&](afxtest::DialogStep& d) {
        EXPECT_EQ(d.request().caption, CString("заявка.txt")) << "the name offered";
        d.request().answer = CString(path);
        d.request().result = 1;
    });
    script.chooser(QStringLiteral("savefile"), [](afxtest::DialogStep& d) { d.request().result = 0; });
    CString answer;
    ASSERT_EQ(CHelpers::EXEC_GetFunctionValue("app.save_text(\"заявка.txt\", \"ФКР;ЭКР\\n1;2\\n\")", answer, nullptr), 1);
    EXPECT_EQ(answer, CString("1"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), QStringLiteral("ФКР;ЭКР\n1;2\n"));
    file.close();
    ASSERT_EQ(CHelpers::EXEC_GetFunctionValue("app.save_text(\"заявка.txt\", \"другое\")", answer, nullptr), 1);
    EXPECT_EQ(answer, CString("0")) << "cancelled";
    script.verify();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), QStringLiteral("ФКР;ЭКР\n1;2\n")) << "nothing written when cancelled";
}

TEST_F(Views, ExternalReportFileOfTheProgramFolderShowsItsPage)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath("_sys/_ExtReports"));
    QFile report(folder.filePath(QStringLiteral("_sys/_ExtReports/Тест.extr")));
    ASSERT_TRUE(report.open(QIODevice::WriteOnly));
    report.write("function Prn(id, mode) return '<p>Заявка ' .. id .. ', вид ' .. mode .. '</p>' end\n");
    report.close();
    qputenv("VORNAL_PROGRAM_DIR", folder.path().toUtf8());
    const CString path = GetAppPath() + "\\_sys\\_ExtReports\\Тест.extr";
    const int shown = CHelpers::EXEC_ShowExternalReport(path, "Prn(7,0)");
    afxtest::InteractionScript script;
    script.messageContaining(QStringLiteral("Не найден файл отчета"), IDOK);
    const int missing = CHelpers::EXEC_ShowExternalReport(GetAppPath() + "\\_sys\\_ExtReports\\Нет.extr", "Prn(7,0)");
    script.verify();
    qunsetenv("VORNAL_PROGRAM_DIR");
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(missing, 0);
    auto* page = coretest::ActiveView<CReportView>(program);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetPage()->Browser()->toPlainText(), QStringLiteral("Заявка 7, вид 0"));
}

TEST_F(Views, FormReportOpensTheReportWindowAndSavesPdf)
{
    ASSERT_EQ(CHelpers::I_OpenDocument(5, nullptr, "Тест.док", 0), 1);
    auto* view = coretest::ActiveView<CTestDocView>(program);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->EXEC_ShowFormReport("prn(5)", 0, 1), 1);
    auto* report = coretest::ActiveView<CReportView>(program);
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->GetPage()->Browser()->toPlainText().contains(QStringLiteral("Документ 5")));
    EXPECT_EQ(program.ChildCount(), 2);
    // The page fills its window.
    QWidget* frameWidget = report->GetParentFrame()->GetQWidget();
    Settle();
    EXPECT_GE(report->GetPage()->width(), frameWidget->width() * 9 / 10);
    EXPECT_GE(report->GetPage()->height(), frameWidget->height() * 8 / 10);

    QTemporaryDir dir;
    QString path = dir.filePath("отчет.pdf");
    afxtest::InteractionScript script;
    script.chooser(QStringLiteral("savefile"), [&](afxtest::DialogStep& d) {
        d.request().answer = CString(path);
        d.request().result = 1;
    });
    report->GetPage()->findChild<QAction*>(QStringLiteral("pdf"))->trigger();
    script.verify();
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    // A page of many columns asks in its head to go across the sheet; the
    // PDF saved from its window is then wider than tall, any other page not.
    const struct {
        const char* html;
        bool across;
    } pages[] = {
        {"<html><head><meta name=\"orientation\" content=\"landscape\"></head><body>Опись</body></html>", true},
        {"<HTML><HEAD><META NAME=\"orientation\" CONTENT=\"landscape\" /></HEAD><BODY>Опись</BODY></HTML>", true},
        {"<html><body>Карточка: orientation landscape</body></html>", false},
    };
    for (const auto& p : pages) {
        SCOPED_TRACE(p.html);
        ASSERT_EQ(CHelpers::DisplayMessage(p.html, "Страница", 0, 9, "", -1, -1), 1);
        auto* shown = coretest::ActiveView<CReportView>(program);
        ASSERT_NE(shown, nullptr);
        const QString sheet = dir.filePath("лист.pdf");
        QFile::remove(sheet);
        afxtest::InteractionScript save;
        save.chooser(QStringLiteral("savefile"), [&](afxtest::DialogStep& d) {
            d.request().answer = CString(sheet);
            d.request().result = 1;
        });
        shown->GetPage()->findChild<QAction*>(QStringLiteral("pdf"))->trigger();
        save.verify();
        QFile file(sheet);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(QString::fromLatin1(file.readAll()));
        ASSERT_TRUE(box.hasMatch());
        EXPECT_EQ(box.captured(1).toDouble() > box.captured(2).toDouble(), p.across);
        shown->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }

    afxtest::InteractionScript failing;
    failing.messageContaining(QStringLiteral("нет такого отчета"), IDOK);
    EXPECT_EQ(view->EXEC_ShowFormReport("Broken()", 0, 1), 0);
    failing.verify();
    EXPECT_EQ(program.ChildCount(), 2);
}

} // namespace
