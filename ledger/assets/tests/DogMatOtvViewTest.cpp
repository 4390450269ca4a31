// The agreement of full material liability: a new one with its next number,
// today and the standard text; the checks of a save in their order; texts
// with quotes, backslashes and line feeds stored and shown back; a re-save
// in place; a closed period; the print of an unsaved one; the list of the
// working year that opens a stored one.
#include "CFormGridView.h"
#include "CPrnDogMatOtv.h"
#include "SettlementsProgram.h"
#include "res/resource.h"

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const char* const kTable = "ledmark_dog_mat_otv";

class DogMatOtvView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_dog_mat_otv");
    }
    CPrnDogMatOtv* OpenNew() { return Open<CPrnDogMatOtv>("дог.мат.отв."); }
    static void Fill(CPrnDogMatOtv* view)
    {
        view->SetDlgItemText(IDC_NUMBER, "7");
        view->SetDlgItemText(IDC_DMO_DATE, DMGtoStr(COleDateTime::GetCurrentTime()));
        view->SetDlgItemText(IDC_SET_TN, "4");
    }
};

TEST_F(DogMatOtvView, WhatASaveRefusesInItsOrder)
{
    CPrnDogMatOtv* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_NUMBER), QStringLiteral("1"));
    EXPECT_EQ(afxtest::text(view, IDC_DMO_DATE), DMGtoStr(COleDateTime::GetCurrentTime()).ToQString());
    EXPECT_EQ(afxtest::text(view, IDC_DMO_TXT), QString::fromUtf8(CDogMatOtvRecord::kStandardText));
    EXPECT_FALSE(view->GetDlgItem(IDC_SET_NEW)->IsWindowVisible());
    EXPECT_FALSE(view->GetDlgItem(IDC_SET_DELETE)->IsWindowVisible());
    // Each refusal with everything before it in order, everything after it wrong too.
    struct Case {
        const char* number;
        const char* date;
        const char* tn;
        const char* message;  // null: the date is refused without a message of its own
        UINT focus;
    } cases[] = {
        {"", "", "", "Укажите № документа", IDC_NUMBER},
        {"7", "", "", "Укажите дату документа", IDC_DMO_DATE},
        {"7", "31.02", "", nullptr, IDC_DMO_DATE},
        {"7", "today", "", "Укажите Табельный №", IDC_SET_TN},
        {"7", "today", "999", "Нет такого работника", IDC_SET_TN},
        {"7", "today", "4 or 1=1", "Нет такого работника", IDC_SET_TN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message ? c.message : c.date);
        view->SetDlgItemText(IDC_NUMBER, c.number);
        view->SetDlgItemText(IDC_DMO_DATE,
                             CString(c.date) == "today" ? DMGtoStr(COleDateTime::GetCurrentTime()) : CString(c.date));
        view->SetDlgItemText(IDC_SET_TN, c.tn);
        if (c.message) {
            Refused(view, c.message, c.focus);
        } else {
            afxtest::click(view, IDOK);
            CWnd* focused = CWnd::GetFocus();
            EXPECT_TRUE(focused && focused->GetDlgCtrlID() == int(c.focus));
        }
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_dog_mat_otv"), 0);
}

TEST_F(DogMatOtvView, StoredAsTypedReSavedInPlaceListedAndPrinted)
{
    CPrnDogMatOtv* view = OpenNew();
    ASSERT_NE(view, nullptr);
    // An agreement not saved yet prints the page that says so.
    scripts.calls.clear();
    afxtest::click(view, IDC_SET_PRINT);
    Settle();
    bool printed = false;
    for (const auto& call : scripts.calls)
        printed = printed || call.call == "prn(-1)";
    EXPECT_TRUE(printed);
    EXPECT_TRUE(ReportPage().contains(QStringLiteral("не записан"))) << "the page says it is not stored";

    Fill(view);
    EXPECT_EQ(afxtest::text(view, IDC_SET_FIO).isEmpty(), false);
    const QString fio = afxtest::text(view, IDC_SET_FIO);
    const char* const job = "Кладовщик \"склада\" № 2\\запасной";
    const char* const txt = "с хранением 'ценностей'\r\nи их отпуском";
    const char* const prim = "O'Brien; drop table tn; --";
    view->SetDlgItemText(IDC_DMO_JOB, job);
    view->SetDlgItemText(IDC_DMO_TXT, txt);
    view->SetDlgItemText(IDC_DMO_NOTE, prim);
    SaveYes(view);
    Settle();
    EXPECT_EQ(Active<CPrnDogMatOtv>(), nullptr) << "the agreement closes itself";
    const long realId = (long)Count("select max(real_id) as cnt from ledmark_dog_mat_otv");
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Stored(kTable, realId, "concat_ws('|',number,tn,icn,id,fil_id)"),
              CString("7|4|") + CString(fio.toUtf8().constData()) + "|0|1");

    // Opened from the list of the working year: the texts as typed; a re-save updates the same row.
    ASSERT_EQ(CHelpers::FN_OpenDocument0("СписокДогМатОтв", 0, nullptr), 1);
    auto* list = Active<CFormGridView>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->m_grid.GetNRows(), 1);
    EXPECT_EQ(list->m_grid.GetCellValue(0, 0), utoa(realId));
    list->m_grid.SetCurCell(0, 0);
    afxtest::click(list, IDOK);
    view = Active<CPrnDogMatOtv>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetRealId(), realId);
    EXPECT_EQ(afxtest::text(view, IDC_DMO_JOB), QString::fromUtf8(job));
    EXPECT_EQ(afxtest::text(view, IDC_DMO_TXT), QString::fromUtf8(txt));
    EXPECT_EQ(afxtest::text(view, IDC_DMO_NOTE), QString::fromUtf8(prim));
    EXPECT_EQ(afxtest::text(view, IDC_SET_FIO), fio);
    view->SetDlgItemText(IDC_SET_TN, "3");
    SaveYes(view);
    Settle();
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_dog_mat_otv"), 1);
    EXPECT_EQ(Stored(kTable, realId, "tn"), CString("3"));
    EXPECT_EQ(Stored(kTable, realId, "job"), CString(job));

    // Its print names the employee and the work.
    view = OpenStored<CPrnDogMatOtv>("дог.мат.отв.", realId);
    ASSERT_NE(view, nullptr);
    afxtest::click(view, IDC_SET_PRINT);
    Settle();
    const QString page = ReportPage();
    EXPECT_TRUE(page.contains(QString::fromUtf8(job))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("ДОГОВОР № 7"))) << page.toStdString();

    // An agreement of a closed period is not changed.
    Run(FormatText("update ledmark_dog_mat_otv set d=makedate(year(curdate())-1,100) where real_id=%d\n"
                   "insert into system_const (name, val) values ('system_actual_date', '31.12.%d')",
                   realId, COleDateTime::GetCurrentTime().GetYear() - 1));
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    view = OpenStored<CPrnDogMatOtv>("дог.мат.отв.", realId);
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_DMO_JOB, "Изменено");
    scripts.Clear();
    afxtest::click(view, IDOK);
    Settle();
    EXPECT_EQ(Stored(kTable, realId, "job"), CString(job));
}

} // namespace
