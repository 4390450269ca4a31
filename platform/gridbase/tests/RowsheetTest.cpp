// The journal's data-bound grid over a real table of postings: the last
// screen shown without reading the records before it, rows coloured through
// event 12, a record kept on its visible row across a refresh, and the double
// click and Enter that open a document.
#include "DbReportRecorder.h"
#include "FreshDatabase.h"
#include "GuiDriver.h"
#include "RowsheetModel.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const int kPostings = 100000;
const char* const kJournalSql =
    "select fil_id, d, concat('Справка ', id) as doc_name, id as number, npp, kol, s, prim as so "
    "from ledmark_provodki order by id, npp";
// The same list with the columns of its key, read by that key.
const char* const kKeyedJournalSql =
    "select fil_id, d, concat('Справка ', id) as doc_name, id as number, npp, kol, s, prim as so, id "
    "from ledmark_provodki order by id, npp";

class JournalForm : public CDialog {
public:
    JournalForm() : CDialog(IDD_JOURNAL) {}
    ~JournalForm() override
    {
        DestroyWindow();
        afxtest::flushDeletes();
    }
    CRowsheet m_grid;
    QStringList log;

    void open()
    {
        ASSERT_TRUE(Create(IDD_JOURNAL));
        m_grid.SetNCols(5);
        const char* fields[] = { "d", "number", "kol", "s", "so" };
        for (int c = 0; c < 5; ++c)
            m_grid.SetColField(c, fields[c]);
        m_grid.SetColCaption(3, "Сумма");
        m_grid.SetColAlign(3, 2);
        m_grid.SetRowHeight(16);
        m_grid.SetBShowFullRow(1);
        m_grid.KeepRatio();
        afxtest::showActive(this);
    }
    void connect(const char* sql = kJournalSql)
    {
        vornal::testing::TestServer server;
        ASSERT_TRUE(vornal::testing::CreateFreshDatabase(&server));
        m_grid.Connect(GetODBCDriverName(1), CString(QStringLiteral("127.0.0.1:%1").arg(server.port)),
                       CString(server.database), sql, "root", "");
    }
    // What the journal does after a refresh: back to the kept position on the
    // remembered row, or the last record on the last row.
    void position(long keptPosition, long rememberedRow, long column)
    {
        _RecordsetPtr rs = m_grid.GetRecordSet();
        const long n = rs->RecordCount;
        long target = rememberedRow;
        long position = keptPosition;
        if (position <= 0) {
            position = n;
            target = std::min(m_grid.GetNRows(), n) - 1;
        }
        position = std::min(position, n);
        rs->Bookmark = _variant_t(position - target);
        m_grid.SetCurCell(column, target);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_ROWSHEET, m_grid);
    }

private:
    void OnRowValueChanged(short row)
    {
        _RecordsetPtr clone = m_grid.GetRecordSet()->Clone();
        clone->Bookmark = m_grid.GetRowBookMark(row);
        const bool red = double(clone->GetCollect("kol")) < 0 || double(clone->GetCollect("s")) < 0;
        if (m_grid.GetRowFgClr(row) != (red ? 255u : 0u))
            m_grid.SetRowFgClr(row, red ? 255 : 0);
    }
    void OnDblClick() { log << QStringLiteral("dbl %1").arg(m_grid.GetRecordSet()->GetCollect("number").text()); }
    void OnKeyDown(short* key, short) { log << QStringLiteral("key %1").arg(*key); }
    DECLARE_EVENTSINK_MAP()
};

BEGIN_EVENTSINK_MAP(JournalForm, CDialog)
    ON_EVENT(JournalForm, IDC_ROWSHEET, 12, OnRowValueChanged, VTS_I2)
    ON_EVENT(JournalForm, IDC_ROWSHEET, DISPID_DBLCLICK, OnDblClick, VTS_NONE)
    ON_EVENT(JournalForm, IDC_ROWSHEET, DISPID_KEYDOWN, OnKeyDown, VTS_PI2 VTS_I2)
END_EVENTSINK_MAP()

class RowsheetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(vornal::testing::CreateFreshDatabase());
        _ConnectionPtr conn = vornal::testing::OpenRawConnection();
        conn->Execute("delete from ledmark_provodki", nullptr, adExecuteNoRecords);
        conn->Execute(_bstr_t(QStringLiteral(
                          "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,kol,s,prim,fil_id) "
                          "select seq, 1, '2025-01-01' + interval (seq mod 365) day, '2','302','11','000', "
                          "if(seq mod 10 = 0, -1, 1), if(seq mod 7 = 0, -100, 100), concat('Проводка ', seq), 1 "
                          "from seq_1_to_%1").arg(kPostings)),
                      nullptr, adExecuteNoRecords);
    }
};

TEST_F(RowsheetTest, ShowsTheLastScreenWithoutReadingTheRecordsBeforeIt)
{
    JournalForm form;
    form.open();
    form.connect();
    _RecordsetPtr rs = form.m_grid.GetRecordSet();
    ASSERT_EQ(rs->RecordCount, kPostings);
    form.position(0, 0, 3);
    const long rows = form.m_grid.GetNRows();
    ASSERT_GT(rows, 3);
    EXPECT_EQ(form.m_grid.GetCurRow(), rows - 1) << "the last record on the last visible row";
    EXPECT_EQ(rs->GetCollect("number").text(), QString::number(kPostings));
    EXPECT_EQ(form.m_grid.GetRowBookMark(0).lVal, kPostings - rows + 1);
    EXPECT_LT(rs->GetRowsRead(), 4 * rows) << "only the screens shown were read";
    for (long row = 0; row < rows; ++row) {
        const long id = form.m_grid.GetRowBookMark(row).lVal;
        const bool red = id % 7 == 0 || id % 10 == 0;
        EXPECT_EQ(form.m_grid.GetRowFgClr(row), red ? 255u : 0u) << "record " << id;
    }
    auto* view = qobject_cast<QTableView*>(form.m_grid.GetQWidget());
    EXPECT_EQ(view->model()->index(kPostings - 1, 4).data().toString(), QStringLiteral("Проводка %1").arg(kPostings));
}

TEST_F(RowsheetTest, ARefreshKeepsTheRecordOnItsVisibleRow)
{
    JournalForm form;
    form.open();
    form.connect();
    _RecordsetPtr rs = form.m_grid.GetRecordSet();
    rs->Bookmark = _variant_t(1497L);
    form.m_grid.SetCurCell(1, 3);
    ASSERT_EQ(rs->GetCollect("number").text(), QStringLiteral("1500"));
    const long row = form.m_grid.GetCurRow();
    const long kept = rs->AbsolutePosition;
    EXPECT_EQ(row, 3);

    form.connect();
    form.position(kept, row, form.m_grid.GetCurCol() < 0 ? 1 : form.m_grid.GetCurCol());
    rs = form.m_grid.GetRecordSet();
    EXPECT_EQ(form.m_grid.GetCurRow(), 3);
    EXPECT_EQ(rs->GetCollect("number").text(), QStringLiteral("1500"));
    EXPECT_EQ(form.m_grid.GetRowBookMark(3).lVal, 1500);
}

TEST_F(RowsheetTest, AListReadByItsKeyOpensOnItsLastScreenAndCountsBesideIt)
{
    JournalForm form;
    form.open();
    form.m_grid.SetOrderKey("id,npp");
    form.connect(kJournalSql);
    EXPECT_TRUE(form.m_grid.GetRecordSet()->IsCounted()) << "a query without the key's fields is read whole";
    form.connect(kKeyedJournalSql);
    _RecordsetPtr rs = form.m_grid.GetRecordSet();
    form.position(0, 0, 3);
    const long rows = form.m_grid.GetNRows();
    auto* view = qobject_cast<QTableView*>(form.m_grid.GetQWidget());
    EXPECT_EQ(form.m_grid.GetCurRow(), rows - 1);
    EXPECT_EQ(rs->GetCollect("number").text(), QString::number(kPostings));
    EXPECT_LT(rs->GetRowsRead(), 4 * std::max(rows, 64L)) << "only the last screens were read";
    // The count comes: the records stay on their rows and the list has them all.
    form.m_grid.CountRecords();
    EXPECT_EQ(rs->RecordCount, kPostings);
    EXPECT_EQ(view->model()->rowCount(), kPostings);
    EXPECT_EQ(form.m_grid.GetCurRow(), rows - 1);
    EXPECT_EQ(form.m_grid.GetRowBookMark(rows - 1).lVal, kPostings);
    EXPECT_EQ(rs->GetCollect("number").text(), QString::number(kPostings));
    for (long row = 0; row < rows; ++row) {
        const long record = form.m_grid.GetRowBookMark(row).lVal;
        EXPECT_EQ(form.m_grid.GetRowFgClr(row), record % 7 == 0 || record % 10 == 0 ? 255u : 0u) << record;
    }
    // To the top and back.
    view->scrollToTop();
    EXPECT_EQ(view->model()->index(0, 1).data().toString(), QStringLiteral("1"));
    view->scrollToBottom();
    EXPECT_EQ(view->model()->index(kPostings - 1, 1).data().toString(), QString::number(kPostings));

    // A refresh with a kept position counts first, and keeps the record on its row.
    rs->Bookmark = _variant_t(1497L);
    form.m_grid.SetCurCell(1, 3);
    ASSERT_EQ(rs->GetCollect("number").text(), QStringLiteral("1500"));
    const long kept = rs->AbsolutePosition;
    form.connect(kKeyedJournalSql);
    form.m_grid.CountRecords();
    form.position(kept, 3, 1);
    rs = form.m_grid.GetRecordSet();
    EXPECT_EQ(form.m_grid.GetCurRow(), 3);
    EXPECT_EQ(rs->GetCollect("number").text(), QStringLiteral("1500"));
}

TEST_F(RowsheetTest, DoubleClickAndEnterReachTheForm)
{
    JournalForm form;
    form.open();
    form.connect();
    form.position(0, 0, 1);
    auto* view = qobject_cast<QTableView*>(form.m_grid.GetQWidget());
    const QModelIndex second = view->model()->index(form.m_grid.GetRowBookMark(1).lVal - 1, 1);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(second).center());
    form.m_grid.SetFocus0();
    afxtest::pressKey(view, Qt::Key_Return);
    const QString number = QString::number(form.m_grid.GetRowBookMark(1).lVal);
    EXPECT_EQ(form.log, QStringList({ "dbl " + number, "key 13" }));
    EXPECT_TRUE(form.IsWindowVisible()) << "Enter is the journal's, not the default button's";
    EXPECT_EQ(form.m_grid.GetCurRow(), 1);
}

// Records that cannot be read (the table went while the list was open) are
// marked as unread, never shown as blank rows, and the failure is shown once.
TEST_F(RowsheetTest, RecordsThatCannotBeReadAreMarkedAndReportedOnce)
{
    JournalForm form;
    form.open();
    form.m_grid.SetOrderKey("id,npp");
    form.connect(kKeyedJournalSql);
    form.m_grid.CountRecords();
    auto* view = qobject_cast<QTableView*>(form.m_grid.GetQWidget());
    auto* records = qobject_cast<gridbase::RowsheetModel*>(view->model());
    ASSERT_NE(records, nullptr);
    EXPECT_FALSE(records->incomplete());
    _ConnectionPtr other = vornal::testing::OpenRawConnection();
    other->Execute("rename table ledmark_provodki to ledmark_provodki_away", nullptr, adExecuteNoRecords);
    vornal::testing::DbReportRecorder reports;
    const QString first = view->model()->index(0, 0).data().toString();
    const QString second = view->model()->index(5000, 0).data().toString();
    other->Execute("rename table ledmark_provodki_away to ledmark_provodki", nullptr, adExecuteNoRecords);
    QCoreApplication::processEvents();
    EXPECT_EQ(first, gridbase::RowsheetModel::kUnreadRow);
    EXPECT_EQ(second, gridbase::RowsheetModel::kUnreadRow);
    EXPECT_TRUE(records->incomplete());
    ASSERT_EQ(reports.reports().size(), 1u) << "one report for the list, not one per row";
    EXPECT_NE(reports.reports()[0].details.Find("не полностью"), -1);
}

} // namespace
