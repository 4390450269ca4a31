// Saving a posting document as the protocol does, on the real database with
// the configuration's posting rules: a new document twice, a stored row whose
// id is 0, postings replaced with npp from 1, and a refused posting or failed
// statement in the middle leaving everything as it was. Rows of a document's
// own line table written with the header's key; a row saved without postings
// losing those it had; and the form's delete and "Бух.Справка" working on the
// form's own table. Two users at once: a row deleted under a save, a refusal's
// message while the save's transaction holds locks, two new documents with
// one proposed number.
#include "CDocProvView.h"
#include "COperByHandRecord.h"
#include "CPostingDocView.h"
#include "CconfigDocument.h"
#include "DocumentVersions.h"
#include "SaveChecks.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "PostingLines.h"
#include "res/resource.h"
#include "tests/LedgerDatabase.h"

#include <CuttingProxy.h>
#include <FreshDatabase.h>
#include <appcore.h>
#include <ledmark.h>
#include <ndbcore.h>

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

namespace {

using namespace nledmark;
using ledmark_test::LedgerDatabase;

COperLine Line(const char* debit, const char* credit, const char* amount, const char* note = "")
{
    COperLine l;
    l[OPER_DEBIT] = debit;
    l[OPER_CREDIT] = credit;
    l[OPER_SUM] = amount;
    l[OPER_PRIM] = note;
    return l;
}

// Cash from the personal account (analytic 1 of 201.11 is the account "1").
COperLine CashLine(const char* amount)
{
    COperLine l = Line("120134510", "120111610", amount, "Получено в кассу");
    l[OPER_KRED_SB1] = "1";
    return l;
}

COperByHandRecord Operation(std::vector<COperLine> lines)
{
    COperByHandRecord r;
    r.date = "15.03.2024";
    r.number = "7";
    r.sum = "100";
    r.prim = "Справка";
    r.lines = std::move(lines);
    return r;
}

class StoredDocument : public LedgerDatabase {
protected:
    void SetUp() override
    {
        LedgerDatabase::SetUp();
        Run("delete from ledmark_oper_by_hand");
        g_lTN = 1;
    }
    // "id|npp|debit|credit|s" of every posting, in order.
    CString Postings() { return Text("select group_concat(concat_ws('|',id,npp,concat(deb0,deb1,deb2,deb3),"
                                     "concat(kred0,kred1,kred2,kred3),s) order by id,npp separator ' ') as str "
                                     "from ledmark_provodki"); }
    CString Header(long realId)
    {
        return Text(FormatText("select concat_ws('|',id,d,number,s,prim,fil_id,coalesce(m0,'-'),coalesce(m1,'-')) "
                               "as str from ledmark_oper_by_hand where real_id=%d", realId));
    }
};

TEST_F(StoredDocument, ANewDocumentSavedTwiceIsInsertedOnceThenUpdated)
{
    COperByHandRecord op = Operation({CashLine("100"), CashLine("50")});
    long realId = -1, id = 0;
    ASSERT_TRUE(SaveStoredDocument(op, realId, &id));
    ASSERT_GT(realId, 0);
    ASSERT_GT(id, 0);
    EXPECT_EQ(Header(realId), FormatText("%d|2024-03-15|7|100.00|Справка|1|1|-", id));

    op.number = "7а";
    op.lines = {CashLine("30")};
    long again = realId, id2 = 0;
    ASSERT_TRUE(SaveStoredDocument(op, again, &id2));
    EXPECT_EQ(again, realId);
    EXPECT_EQ(id2, id);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_oper_by_hand"), 1);
    EXPECT_EQ(Header(realId), FormatText("%d|2024-03-15|7а|100.00|Справка|1|1|1", id));
    EXPECT_EQ(Postings(), FormatText("%d|1|120134510|120111610|30.00", id));
}

TEST_F(StoredDocument, ReSavingReplacesThePostingsNumberedFromOneSkippingEmptyLines)
{
    COperByHandRecord op = Operation({CashLine("1"), CashLine("2"), CashLine("3")});
    long realId = -1, id = 0;
    ASSERT_TRUE(SaveStoredDocument(op, realId, &id));
    op.lines = {CashLine("20"), COperLine(), CashLine("40")};
    ASSERT_TRUE(SaveStoredDocument(op, realId));
    EXPECT_EQ(Postings(),
              FormatText("%d|1|120134510|120111610|20.00 %d|2|120134510|120111610|40.00", id, id));
}

TEST_F(StoredDocument, AStoredRowWithIdZeroGetsAFreshIdAndLeavesOtherPostingsAlone)
{
    Run("insert into ledmark_oper_by_hand (id,d,number,s,prim,fil_id) values (0,'2024-03-15','5',null,'Справка',1)\n"
        "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,s,fil_id) "
        "values (0,1,'2024-03-01','1','201','34','510',999,1)");
    const long realId = (long)Count("select max(real_id) as cnt from ledmark_oper_by_hand");

    COperByHandRecord loaded;
    ASSERT_TRUE(loaded.Load(realId));
    EXPECT_EQ(loaded.id, 0);
    EXPECT_TRUE(loaded.lines.empty()) << "the stray posting of id 0 is nobody's line";

    loaded.lines = {CashLine("10")};
    long key = realId, id = 0;
    ASSERT_TRUE(SaveStoredDocument(loaded, key, &id));
    EXPECT_GT(id, 0);
    EXPECT_EQ(Count(FormatText("select id as cnt from ledmark_oper_by_hand where real_id=%d", realId)), id);
    EXPECT_EQ(Postings(), FormatText("0|1|120134510|999.00 %d|1|120134510|120111610|10.00", id));
}

TEST_F(StoredDocument, ARefusedPostingInTheMiddleLeavesTheStoredDocumentAsItWas)
{
    COperByHandRecord op = Operation({CashLine("1"), CashLine("2")});
    long realId = -1, id = 0;
    ASSERT_TRUE(SaveStoredDocument(op, realId, &id));
    const CString header = Header(realId), postings = Postings();

    op.number = "8";
    op.lines = {CashLine("5"), Line("199999999", "120111610", "6"), CashLine("7")};
    long key = realId;
    EXPECT_FALSE(SaveStoredDocument(op, key));
    EXPECT_EQ(key, realId);
    EXPECT_EQ(Header(realId), header);
    EXPECT_EQ(Postings(), postings);
    EXPECT_FALSE(scripts.messages.empty()) << "the posting script says why it refuses";
    scripts.Clear();
}

TEST_F(StoredDocument, ARefusedPostingOfANewDocumentWritesNothingAndKeepsItNew)
{
    const long counter = (long)Count("select last_id as cnt from system_doc_counter");
    COperByHandRecord op = Operation({CashLine("5"), Line("120134510", "199999999", "6")});
    long realId = -1;
    EXPECT_FALSE(SaveStoredDocument(op, realId));
    EXPECT_EQ(realId, -1);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_oper_by_hand"), 0);
    EXPECT_EQ(Postings(), CString());
    EXPECT_EQ(Count("select last_id as cnt from system_doc_counter"), counter) << "the number is given back";
    scripts.Clear();
}

// Every column of every posting, in order, the document id written as "ID"
// when it is `id`.
CString PostingRows(long id)
{
    return ExecuteString(FormatText(
        "select group_concat(concat_ws('|',if(id=%d,'ID',id),npp,d,deb0,deb1,deb2,deb3,coalesce(deb_sb1,'-'),"
        "coalesce(deb_sb2,'-'),coalesce(deb_sb3,'-'),coalesce(kbk_deb,'-'),coalesce(kred0,'-'),coalesce(kred1,'-'),"
        "coalesce(kred2,'-'),coalesce(kred3,'-'),coalesce(kred_sb1,'-'),coalesce(kred_sb2,'-'),"
        "coalesce(kred_sb3,'-'),coalesce(kbk_kred,'-'),coalesce(kol,'-'),s,coalesce(prim,'-'),fil_id) "
        "order by id,npp separator '\n') as str from ledmark_provodki",
        id));
}

// A new document's postings are made before its save and given its id when
// written: the same rows as when the save makes them (a re-save does), the
// id in its place whatever the notes hold.
TEST_F(StoredDocument, ANewDocumentsPostingsMadeBeforeItsSaveAreThoseTheSaveWouldWrite)
{
    COperLine quantity = Line("210536340", "220134610", "5", "в количестве");
    quantity[OPER_DEB_SB1] = "1";
    quantity[OPER_DEB_SB1 + 1] = "1";
    quantity[OPER_KOL] = "5";
    COperLine offBalance = Line("201700000", "", "7");
    offBalance[OPER_DEB_SB1] = "226000";
    COperByHandRecord op = Operation({CashLine("100"), quantity, offBalance,
                                      Line("120134510", "120134610", "1", "1) values (1,1,'x');\n\\ О'Нил"),
                                      Line("120134510", "120134610", "2", "values (1,")});
    long realId = -1, id = 0;
    ASSERT_TRUE(SaveStoredDocument(op, realId, &id)) << (scripts.messages.empty() ? "" : scripts.messages.front());
    const CString made = PostingRows(id);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), 5);
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_provodki where id=%d", id)), 5);
    EXPECT_TRUE(made.Find("1) values (1,1,'x');\n\\ О'Нил") > 0) << made.GetString();

    ASSERT_TRUE(SaveStoredDocument(op, realId));  // the stored row: the save makes the statements
    EXPECT_EQ(PostingRows(id), made);
}

// A posting script whose statements begin otherwise leaves no place for the
// id: the save then makes the postings itself, under the document's id.
TEST_F(StoredDocument, StatementsOfAnotherShapeAreMadeInTheSave)
{
    ASSERT_TRUE(scripts.Define("made_statement = GL_InsertProvodka0\n"
                               "function GL_InsertProvodka0(...)\n"
                               "  return (made_statement(...):gsub('^insert into ', 'insert  into ', 1))\n"
                               "end"));
    COperByHandRecord op = Operation({CashLine("5"), CashLine("6")});
    long realId = -1, id = 0;
    ASSERT_TRUE(SaveStoredDocument(op, realId, &id));
    EXPECT_EQ(Postings(), FormatText("%d|1|120134510|120111610|5.00 %d|2|120134510|120111610|6.00", id, id));
}

// While a new document's posting statements are made, another user's save
// may take the document counter: the statements are made before the row is
// taken.
TEST_F(StoredDocument, TheCounterIsFreeWhileANewDocumentsPostingsAreMade)
{
    _ConnectionPtr other = vornal::testing::OpenRawConnection();
    other->Execute("set session innodb_lock_wait_timeout=1", nullptr, adExecuteNoRecords);
    int otherSaved = 0, made = 0;
    appcore::ScriptHooks& hooks = appcore::GetScriptHooks();
    const auto recording = hooks.evaluating;
    hooks.evaluating = [&](const std::string& call, const std::string& context) {
        if (recording)
            recording(call, context);
        if (call.rfind("GL_InsertProvodka0(", 0) != 0)
            return;
        ++made;
        try {
            other->Execute("update system_doc_counter set last_id=last_id+1 where id=1", nullptr, adExecuteNoRecords);
            ++otherSaved;
        } catch (const _com_error&) {
            // A lock-wait timeout: the save holds the counter while it makes the statements.
        }
    };
    COperByHandRecord op = Operation({CashLine("5"), CashLine("6")});
    op.proposedNumber = op.number;
    long realId = -1, id = 0;
    const BOOL saved = SaveStoredDocument(op, realId, &id);
    hooks.evaluating = recording;
    ASSERT_TRUE(saved);
    EXPECT_EQ(made, 2);
    EXPECT_EQ(otherSaved, 2);
    EXPECT_EQ(Postings(), FormatText("%d|1|120134510|120111610|5.00 %d|2|120134510|120111610|6.00", id, id));
    EXPECT_EQ(Count("select last_id as cnt from system_doc_counter"), id) << "the save's id is the counter's last";
}

// A document that writes each posting itself (GL_InsertProvodka), as most views do.
class DirectDocument : public IStoredDocument {
public:
    std::vector<CPostingLine> lines;
    CString number = "1";
    CString HeaderTable() const override { return "ledmark_oper_by_hand"; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override
    {
        return FormatText("insert into ledmark_oper_by_hand (id,d,number,fil_id) values (%d,'2024-03-15','%s',1)", id,
                          MakeSqlStr(number));
    }
    CString HeaderUpdateSql(long id, long realId) override
    {
        return FormatText("update ledmark_oper_by_hand set id=%d,number='%s' where real_id=%d", id, MakeSqlStr(number),
                          realId);
    }
    BOOL WritePostings(long id) override { return InsertPostings(id, "15.03.2024", 1, lines); }
};

TEST_F(StoredDocument, PostingsWrittenOneByOneAreTakenBackWhenALaterOneIsRefused)
{
    DirectDocument doc;
    doc.lines = {PostingOfOperLine(CashLine("1"))};
    long realId = -1, id = 0;
    ASSERT_TRUE(SaveStoredDocument(doc, realId, &id));

    doc.number = "it's 2";
    doc.lines = {PostingOfOperLine(CashLine("3")), PostingOfOperLine(Line("", "", "4")),
                 PostingOfOperLine(CashLine("5"))};
    long key = realId;
    EXPECT_FALSE(SaveStoredDocument(doc, key));
    EXPECT_EQ(Postings(), FormatText("%d|1|120134510|120111610|1.00", id));
    EXPECT_EQ(Text("select number as str from ledmark_oper_by_hand"), CString("1"));
    scripts.Clear();

    doc.lines = {PostingOfOperLine(CashLine("3"))};
    ASSERT_TRUE(SaveStoredDocument(doc, key));
    EXPECT_EQ(Text("select number as str from ledmark_oper_by_hand"), CString("it's 2"));
}

TEST_F(StoredDocument, AFailedHeaderStatementWritesNothing)
{
    COperByHandRecord op = Operation({CashLine("5")});
    op.number = CString("1234567890123456789012345678901"); // longer than the column
    long realId = -1;
    EXPECT_FALSE(SaveStoredDocument(op, realId));
    EXPECT_EQ(realId, -1);
    EXPECT_EQ(dbReports.reports().size(), 1u);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_oper_by_hand"), 0);
    EXPECT_EQ(Postings(), CString());
}

TEST_F(StoredDocument, TextsWithQuotesAreStoredAsTyped)
{
    COperByHandRecord op = Operation({CashLine("5")});
    op.number = "5'а";
    op.prim = "Справка \"О'Нил\" \\ №2";
    long realId = -1;
    ASSERT_TRUE(SaveStoredDocument(op, realId));
    COperByHandRecord loaded;
    ASSERT_TRUE(loaded.Load(realId));
    EXPECT_EQ(loaded.number, op.number);
    EXPECT_EQ(loaded.prim, op.prim);
    EXPECT_EQ(loaded.date, CString("15.03.2024"));
    EXPECT_EQ(loaded.sum, CString("100.00"));
    ASSERT_EQ(loaded.lines.size(), 1u);
    EXPECT_EQ(loaded.lines[0][OPER_CREDIT], CString("120111610"));
    EXPECT_EQ(loaded.lines[0][OPER_KRED_SB1], CString("1"));
    EXPECT_EQ(loaded.lines[0][OPER_SUM], CString("5.00"));
    EXPECT_EQ(loaded.lines[0][OPER_PRIM], CString("Получено в кассу"));
}

TEST_F(StoredDocument, DeletingRemovesTheRowAndItsPostings)
{
    COperByHandRecord op = Operation({CashLine("5")});
    long realId = -1;
    ASSERT_TRUE(SaveStoredDocument(op, realId));
    ASSERT_TRUE(DeleteStoredDocument(op, realId));
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_oper_by_hand"), 0);
    EXPECT_EQ(Postings(), CString());
}

// A document with a line table of its own (its rows carry the header's key)
// and a "do not post" box.
// Two clerks open one stored operation and both change it. The first save
// goes through; the second, on its own connection, is over a version it did
// not load: refused with its message, and nothing of it is written. A clerk
// who opens it again saves over the version she loaded.
TEST_F(StoredDocument, ASaveOverAnotherUsersChangesIsRefused)
{
    COperByHandRecord op = Operation({CashLine("5")});
    long realId = -1, id = 0;
    ASSERT_TRUE(SaveStoredDocument(op, realId, &id));
    const long loaded = appcore::StoredVersion(COperByHandRecord::kTable, realId);
    EXPECT_EQ(loaded, 0);

    long firstVersion = loaded;
    BOOL firstSaved = FALSE;
    std::thread first([&] {  // the first clerk, on a connection of her own
        CDbThreadSession session;
        CThreadInterpriter scripts;
        COperByHandRecord mine = Operation({CashLine("6")});
        long key = realId;
        firstSaved = SaveStoredDocumentOfVersion(mine, key, firstVersion);
    });
    first.join();
    ASSERT_TRUE(firstSaved);
    EXPECT_EQ(firstVersion, 1);

    afxtest::InteractionScript script;
    script.message(QStringLiteral("Документ изменен другим пользователем. Откройте его заново."), IDOK);
    COperByHandRecord theirs = Operation({CashLine("7"), CashLine("8")});
    theirs.number = "8";
    long version = loaded, key = realId;
    const BOOL secondSaved = SaveStoredDocumentOfVersion(theirs, key, version);
    script.verify();
    EXPECT_FALSE(secondSaved);
    EXPECT_EQ(Postings(), FormatText("%d|1|120134510|120111610|6.00", id)) << "the first clerk's lines stay";
    EXPECT_EQ(Text(FormatText("select number as str from ledmark_oper_by_hand where real_id=%d", realId)),
              CString("7"));
    EXPECT_EQ(appcore::StoredVersion(COperByHandRecord::kTable, realId), 1);

    COperByHandRecord reopened = Operation({CashLine("9")});
    version = appcore::StoredVersion(COperByHandRecord::kTable, realId);
    ASSERT_TRUE(SaveStoredDocumentOfVersion(reopened, key, version));
    EXPECT_EQ(version, 2);
}

// Another user moved the document into the closed period after this form
// loaded it: the delete reads the stored date under its lock and refuses, as
// the period check does for the loaded one.
TEST_F(StoredDocument, DeletingChecksTheStoredDateNotTheLoadedOne)
{
    COperByHandRecord op = Operation({CashLine("5")});
    long realId = -1, id = 0;
    ASSERT_TRUE(SaveStoredDocument(op, realId, &id));
    Run("insert into system_const (name,val) values ('system_actual_date','29.02.2024')");
    EXPECT_NE(GL_Verify_Date0("15.03.2024"), 0) << "the date the form loaded is open";
    Run(FormatText("update ledmark_oper_by_hand set d='2024-02-10' where real_id=%d", realId));
    EXPECT_FALSE(DeleteStoredDocument(op, realId));
    EXPECT_FALSE(scripts.messages.empty()) << "the period script says why";
    scripts.Clear();
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_oper_by_hand"), 1);
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_provodki where id=%d", id)), 1);
    Run("delete from system_const where name='system_actual_date'");
}

class LinedDocument : public DirectDocument {
public:
    std::vector<CString> amounts;  // one line-table row each
    bool posts = true;
    CString linesTable = "ledmark_test_lines";
    BOOL HasPostings() const override { return posts; }
    CString LineTablesDeleteSql(long realId) override
    {
        return FormatText("delete from %s where doc=%d", linesTable, realId);
    }
    CString LineTablesInsertSql(long realId) override
    {
        CString sql;
        for (const CString& amount : amounts)
            sql += FormatText("insert into ledmark_test_lines (doc,s) values (%d,%s)\n", realId, DB_Digit(amount));
        return sql;
    }
};

class LineTables : public StoredDocument {
protected:
    void SetUp() override
    {
        StoredDocument::SetUp();
        Run("create table if not exists ledmark_test_lines (real_id int auto_increment primary key, "
            "doc int not null, s decimal(18,2)) engine=InnoDB\n"
            "delete from ledmark_test_lines");
    }
    // "doc|s" of the line-table rows, in order.
    CString Lines()
    {
        return Text("select group_concat(concat_ws('|',doc,s) order by real_id separator ' ') as str "
                    "from ledmark_test_lines");
    }
};

TEST_F(LineTables, RowsCarryTheHeadersKeyAndAreReplacedOnAReSave)
{
    LinedDocument doc;
    doc.lines = {PostingOfOperLine(CashLine("1"))};
    doc.amounts = {"10", "20"};
    long realId = -1;
    ASSERT_TRUE(SaveStoredDocument(doc, realId));
    EXPECT_EQ(Lines(), FormatText("%d|10.00 %d|20.00", realId, realId)) << "a new row's key";

    doc.amounts = {"30"};
    long key = realId;
    ASSERT_TRUE(SaveStoredDocument(doc, key));
    EXPECT_EQ(Lines(), FormatText("%d|30.00", realId));

    // A refused posting after the line rows: they stay as they were.
    doc.amounts = {"40", "50"};
    doc.lines = {PostingOfOperLine(Line("199999999", "120111610", "6"))};
    EXPECT_FALSE(SaveStoredDocument(doc, key));
    EXPECT_EQ(Lines(), FormatText("%d|30.00", realId));
    scripts.Clear();

    // A new document refused the same way leaves no rows behind.
    LinedDocument refused = doc;
    long none = -1;
    EXPECT_FALSE(SaveStoredDocument(refused, none));
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_test_lines"), 1);
    scripts.Clear();
}

TEST_F(LineTables, ARowSavedWithoutPostingsLosesThoseItHad)
{
    LinedDocument doc;
    doc.lines = {PostingOfOperLine(CashLine("1")), PostingOfOperLine(CashLine("2"))};
    long realId = -1, id = 0;
    ASSERT_TRUE(SaveStoredDocument(doc, realId, &id));
    ASSERT_EQ(Count(FormatText("select count(*) as cnt from ledmark_provodki where id=%d", id)), 2);

    // The box ticked, but the update fails: the postings stay.
    doc.posts = false;
    doc.number = CString("1234567890123456789012345678901");
    long key = realId;
    EXPECT_FALSE(SaveStoredDocument(doc, key));
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_provodki where id=%d", id)), 2);
    dbReports.clear(1);

    doc.number = "2";
    ASSERT_TRUE(SaveStoredDocument(doc, key));
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_provodki where id=%d", id)), 0);
    EXPECT_EQ(Text("select number as str from ledmark_oper_by_hand"), CString("2"));
}

TEST_F(LineTables, DeletingTakesTheLineRowsTooOrNothingAtAll)
{
    LinedDocument doc;
    doc.lines = {PostingOfOperLine(CashLine("1"))};
    doc.amounts = {"10"};
    long realId = -1;
    ASSERT_TRUE(SaveStoredDocument(doc, realId));

    // A later statement that fails: nothing is removed.
    doc.linesTable = "ledmark_no_such_lines";
    EXPECT_FALSE(DeleteStoredDocument(doc, realId));
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_oper_by_hand"), 1);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), 1);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_test_lines"), 1);
    dbReports.clear(1);

    // Ticked "do not post" since its save, it still loses its postings.
    doc.linesTable = "ledmark_test_lines";
    doc.posts = false;
    ASSERT_TRUE(DeleteStoredDocument(doc, realId));
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_oper_by_hand"), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_test_lines"), 0);
}

// Another user deletes the row while it is being saved: the save holds the
// row's lock from its start, so the other user waits, and no posting is ever
// written without its header.
class DeletedMidSave : public DirectDocument {
public:
    std::function<void()> midSave;
    CString HeaderUpdateSql(long id, long realId) override
    {
        if (midSave)
            midSave();
        return DirectDocument::HeaderUpdateSql(id, realId);
    }
};

TEST_F(StoredDocument, AnotherUserDeletingTheRowDuringASaveWaitsForIt)
{
    DeletedMidSave doc;
    doc.lines = {PostingOfOperLine(CashLine("1"))};
    long realId = -1, id = 0;
    ASSERT_TRUE(SaveStoredDocument(doc, realId, &id));
    _ConnectionPtr other = vornal::testing::OpenRawConnection();
    other->Execute("set session innodb_lock_wait_timeout=1", nullptr, adExecuteNoRecords);
    bool otherDeleted = false;
    doc.midSave = [&] {
        try {
            other->Execute(_bstr_t(FormatText("delete from ledmark_oper_by_hand where real_id=%d", realId)), nullptr,
                           adExecuteNoRecords);
            otherDeleted = true;
        } catch (const _com_error&) {
            // A lock-wait timeout: the row is the save's until it ends.
        }
    };
    doc.lines = {PostingOfOperLine(CashLine("2"))};
    long key = realId;
    EXPECT_TRUE(SaveStoredDocument(doc, key));
    EXPECT_FALSE(otherDeleted);
    EXPECT_EQ(Postings(), FormatText("%d|1|120134510|120111610|2.00", id));
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki p where not exists "
                    "(select 1 from ledmark_oper_by_hand o where o.id=p.id)"),
              0)
        << "no posting without its header";
}

// A document whose header lives in a table the server does not have.
class UnreadableDocument : public DirectDocument {
public:
    CString HeaderTable() const override { return "ledmark_no_such_table"; }
};

TEST_F(StoredDocument, ARowGoneIsRefusedAndAFailedReadIsReportedAsTheFailureItIs)
{
    DirectDocument doc;
    doc.lines = {PostingOfOperLine(CashLine("1"))};
    long realId = -1;
    ASSERT_TRUE(SaveStoredDocument(doc, realId));
    const CString postings = Postings();
    Run("delete from ledmark_oper_by_hand");
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Документ не найден в базе данных: его удалил другой пользователь."), IDOK);
    doc.lines = {PostingOfOperLine(CashLine("2"))};
    long key = realId;
    EXPECT_FALSE(SaveStoredDocument(doc, key));
    script.verify();
    EXPECT_EQ(Postings(), postings);
    EXPECT_TRUE(dbReports.reports().empty());

    UnreadableDocument unreadable;
    key = realId;
    EXPECT_FALSE(SaveStoredDocument(unreadable, key));
    ASSERT_EQ(dbReports.reports().size(), 1u) << "the failed read is reported, and no deletion is claimed";
    EXPECT_NE(dbReports.reports()[0].details.Find("ledmark_no_such_table"), -1);
    dbReports.clear(1);
}

// The posting script refuses a line inside the save's transaction while the
// user is slow to answer its message: the message is shown only after the
// transaction has ended, so another user is not kept waiting on what the
// refused save had locked. (A new document's postings are made before its
// transaction; a stored one's are written in it, under its row's lock.)
TEST_F(StoredDocument, ARefusalsMessageWaitsForTheEndOfTheTransaction)
{
    COperByHandRecord op = Operation({CashLine("5")});
    long realId = -1;
    ASSERT_TRUE(SaveStoredDocument(op, realId));
    const CString before = Postings();
    appcore::RouteScriptMessagesToUser();
    _ConnectionPtr other = vornal::testing::OpenRawConnection();
    other->Execute("set session innodb_lock_wait_timeout=1", nullptr, adExecuteNoRecords);
    bool otherSaved = false;
    afxtest::InteractionScript script;
    script.messageContaining(QStringLiteral("Нет такого счета"), IDOK, [&] {
        try {
            other->Execute(_bstr_t(FormatText("update ledmark_oper_by_hand set prim='Акт' where real_id=%d", realId)),
                           nullptr, adExecuteNoRecords);
            otherSaved = true;
        } catch (const _com_error&) {
            // A lock-wait timeout: the refused save still holds the row.
        }
    });
    op.lines.push_back(Line("199999999", "120111610", "6"));
    long key = realId;
    EXPECT_FALSE(SaveStoredDocument(op, key));
    script.verify();
    EXPECT_TRUE(otherSaved) << "the other user's update went through while the message was open";
    EXPECT_EQ(Postings(), before);
}

// Two manual operations opened at once propose the same number; saved at
// the same moment on two connections, they are stored under two numbers. A
// number the user typed is kept as typed.
TEST_F(StoredDocument, TwoOperationsOpenedAtOnceSaveUnderDifferentNumbers)
{
    appcore::GetScriptHooks().evaluating = nullptr;  // the recorder is not made for two threads
    const CString proposed = GL_NextNumber(COperByHandRecord::kTable, 1);
    ASSERT_EQ(proposed, CString("1"));
    auto opened = [&] {
        COperByHandRecord op = Operation({CashLine("5")});
        op.number = proposed;
        op.proposedNumber = proposed;
        return op;
    };
    COperByHandRecord mine = opened(), theirs = opened();
    std::atomic<int> ready{0};
    BOOL theirsSaved = FALSE;
    CString theirsTaken, mineTaken;
    std::thread other([&] {
        CDbThreadSession session;
        CThreadInterpriter scripts;
        ++ready;
        while (ready < 2)
            std::this_thread::yield();
        long key = -1;
        theirsSaved = SaveStoredDocument(theirs, key, nullptr, &theirsTaken);
    });
    ++ready;
    while (ready < 2)
        std::this_thread::yield();
    long key = -1;
    const BOOL mineSaved = SaveStoredDocument(mine, key, nullptr, &mineTaken);
    other.join();
    ASSERT_TRUE(mineSaved);
    ASSERT_TRUE(theirsSaved);
    EXPECT_EQ(Text("select group_concat(number order by number separator ',') as str from ledmark_oper_by_hand"),
              CString("1,2"));
    EXPECT_EQ((mineTaken + "|" + theirsTaken) == CString("2|") || (mineTaken + "|" + theirsTaken) == CString("|2"), true)
        << (LPCTSTR)mineTaken << "|" << (LPCTSTR)theirsTaken;

    COperByHandRecord typed = Operation({CashLine("5")});
    typed.number = "1";
    long typedKey = -1;
    CString taken = "?";
    ASSERT_TRUE(SaveStoredDocument(typed, typedKey, nullptr, &taken));
    EXPECT_EQ(taken, CString());
    EXPECT_EQ(Text(FormatText("select number as str from ledmark_oper_by_hand where real_id=%d", typedKey)),
              CString("1"));
}

// A new manual operation goes to the server in one call that ends its own
// transaction. Another user's save holding the document counter with the
// proposed number written and not yet committed: the call waits for the
// counter and only then finds the number taken, so it takes the next free
// number as GL_NextNumber counts it (leading digits, this working year only).
TEST_F(StoredDocument, ASaveInOneCallChecksItsNumberOnlyOnceTheCounterIsItsOwn)
{
    appcore::GetScriptHooks().evaluating = nullptr;  // the recorder is not made for two threads
    const long year = g_lYear;
    g_lYear = 2024;
    Run("insert into ledmark_oper_by_hand (id,d,number,fil_id) values (0,'2024-02-01','7б',1),"
        "(0,'2023-05-01','40',1)");
    const CString proposed = GL_NextNumber(COperByHandRecord::kTable, 1);
    ASSERT_EQ(proposed, CString("8"));
    _ConnectionPtr other = vornal::testing::OpenRawConnection();
    other->BeginTrans();
    other->Execute("update system_doc_counter set last_id=last_id+1 where id=1", nullptr, adExecuteNoRecords);
    other->Execute("insert into ledmark_oper_by_hand (id,d,number,fil_id) values (0,'2024-03-01','8',1)", nullptr,
                   adExecuteNoRecords);
    COperByHandRecord op = Operation({CashLine("5")});
    op.number = op.proposedNumber = proposed;
    BOOL saved = FALSE;
    long realId = -1, id = 0;
    CString taken;
    std::atomic<bool> done{false};
    std::thread save([&] {
        CDbThreadSession session;
        CThreadInterpriter scripts;
        saved = SaveStoredDocument(op, realId, &id, &taken);
        done = true;
    });
    // Committed once the save waits for the counter.
    const bool waited =
        vornal::testing::WaitForCount(vornal::testing::OpenRawConnection(),
                                      QStringLiteral("select count(*) from information_schema.processlist "
                                                     "where info like 'insert into system_doc_counter%'"),
                                      [&](long long waiting) { return waiting > 0 || done; })
        && !done;
    other->CommitTrans();
    save.join();
    g_lYear = year;
    ASSERT_TRUE(saved);
    EXPECT_TRUE(waited) << "the save waited for the counter";
    EXPECT_EQ(taken, CString("9"));
    EXPECT_EQ(op.number, CString("9"));
    EXPECT_EQ(Header(realId), FormatText("%d|2024-03-15|9|100.00|Справка|1|1|-", id));
    EXPECT_EQ(Count("select last_id as cnt from system_doc_counter"), id);
    EXPECT_EQ(Postings(), FormatText("%d|1|120134510|120111610|5.00", id));
}

// An operation dated in the year before the working year checks its
// proposed number among that year's operations, in one call and inside a
// larger transaction alike: a number that year took is not repeated, and a
// number only the working year took is kept.
TEST_F(StoredDocument, AProposedNumberIsCheckedInTheYearOfTheDocumentsDate)
{
    const long year = g_lYear;
    g_lYear = 2026;
    for (const bool outer : {false, true}) {
        SCOPED_TRACE(outer ? "inside a larger transaction" : "in one call");
        Run("delete from ledmark_oper_by_hand");
        Run("insert into ledmark_oper_by_hand (id,d,number,fil_id) values (0,'2025-06-01','5',1),"
            "(0,'2026-02-01','9',1)");
        struct Case {
            const char* date;
            const char* proposed;
            const char* stored;
        };
        for (const Case& c : {Case{"15.03.2025", "5", "6"}, Case{"16.03.2025", "9", "9"}}) {
            std::optional<CDbTransaction> transaction;
            if (outer)
                transaction.emplace();
            COperByHandRecord op = Operation({CashLine("5")});
            op.date = c.date;
            op.number = op.proposedNumber = c.proposed;
            long realId = -1;
            ASSERT_TRUE(SaveStoredDocument(op, realId));
            if (transaction)
                ASSERT_TRUE(transaction->Commit());
            EXPECT_EQ(Text(FormatText("select number as str from ledmark_oper_by_hand where real_id=%d", realId)),
                      CString(c.stored))
                << c.date << " " << c.proposed;
        }
    }
    g_lYear = year;
}

// The number check of the one call reads the year's operations without
// locking them: while the save is between its check and its commit (a
// second's sleep in its header's insert), another user re-saves an
// operation of the same year at once.
TEST_F(StoredDocument, TheNumberCheckLocksNoneOfTheYearsOperations)
{
    Run("insert into ledmark_oper_by_hand (id,d,number,fil_id) values (0,'2024-02-01','3',1)");
    const long other = (long)Count("select max(real_id) as cnt from ledmark_oper_by_hand");
    Run("create trigger x_slow_header before insert on ledmark_oper_by_hand for each row "
        "set @x_slept=if(new.prim='Справка ждет',sleep(1),0)");
    struct DropTrigger {
        ~DropTrigger() { ExecuteSql("drop trigger if exists x_slow_header"); }
    } dropTrigger;
    const long saver = GetServerId();
    QString resaved;
    std::thread resave([&] {
        try {
            _ConnectionPtr connection = vornal::testing::OpenRawConnection();
            connection->Execute("set session innodb_lock_wait_timeout=1", nullptr, adExecuteNoRecords);
            vornal::testing::WaitForCount(connection,
                                          QStringLiteral("select count(*) from information_schema.processlist "
                                                         "where id=%1 and state='User sleep'")
                                              .arg(saver),
                                          [](long long sleeping) { return sleeping > 0; });
            connection->Execute(_bstr_t(FormatText("update ledmark_oper_by_hand set prim='Акт' where real_id=%d",
                                                   other)),
                                nullptr, adExecuteNoRecords);
            resaved = QStringLiteral("at once");
        } catch (const _com_error& e) {
            resaved = e.Description().qstring();
        }
    });
    COperByHandRecord op = Operation({CashLine("5")});
    op.prim = "Справка ждет";
    op.number = op.proposedNumber = "4";
    long realId = -1;
    const BOOL saved = SaveStoredDocument(op, realId);
    resave.join();
    ASSERT_TRUE(saved);
    EXPECT_EQ(resaved, QStringLiteral("at once"));
}

// The one call commits: a save that is part of a larger transaction must
// not, or the larger one could no longer take its work back. And the first
// document of a database creates the counter's row.
TEST_F(StoredDocument, ASaveInsideALargerTransactionIsTakenBackWithIt)
{
    Run("delete from system_doc_counter");
    {
        CDbTransaction outer;
        COperByHandRecord op = Operation({CashLine("5")});
        long realId = -1, id = 0;
        ASSERT_TRUE(SaveStoredDocument(op, realId, &id));
        EXPECT_EQ(id, 1);
        outer.Rollback();
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_oper_by_hand"), 0);
    EXPECT_EQ(Postings(), CString());
    EXPECT_EQ(Count("select count(*) as cnt from system_doc_counter"), 0);

    COperByHandRecord op = Operation({CashLine("6")});
    long realId = -1, id = 0;
    ASSERT_TRUE(SaveStoredDocument(op, realId, &id));
    EXPECT_EQ(id, 1);
    EXPECT_EQ(Count("select last_id as cnt from system_doc_counter where id=1"), 1);
    EXPECT_EQ(Postings(), CString("1|1|120134510|120111610|6.00"));
}

// The network fails during a new operation's one call. Cut after the
// server got it whole, the save finds the document on a new connection and
// takes its key and number: a second save re-saves that row. Cut before,
// nothing is stored, the operation stays new and its second save stores one.
// When the server does not come back, the save cannot tell and says so.
class BrokenSave : public StoredDocument {
protected:
    // Saves `op` with the relay cutting its call; the user is told `told`.
    BOOL SaveCut(COperByHandRecord& op, vornal::testing::CuttingProxy::Cut how, long& realId, const QString& told,
                 bool refuse = false)
    {
        vornal::testing::CuttingProxy relay;
        EXPECT_TRUE(relay.Use());
        relay.CutAt(QByteArray("Справка разрыва"), how);
        if (refuse)
            relay.Refuse();
        afxtest::InteractionScript script;
        script.messageContaining(QStringLiteral("Связь с сервером базы данных прервалась во время записи. ") + told,
                                 IDOK);
        const BOOL saved = SaveStoredDocument(op, realId);
        script.verify();
        EXPECT_TRUE(relay.HasCut());
        return saved;
    }
    COperByHandRecord Cut()
    {
        COperByHandRecord op = Operation({CashLine("5")});
        op.prim = "Справка разрыва";
        op.number = op.proposedNumber = "7";
        return op;
    }
    long Documents() { return (long)Count("select count(*) as cnt from ledmark_oper_by_hand"); }
};

TEST_F(BrokenSave, CutAfterTheCommitTheDocumentIsFoundAndTheFormHasIt)
{
    COperByHandRecord op = Cut();
    long realId = -1;
    EXPECT_TRUE(SaveCut(op, vornal::testing::CuttingProxy::Cut::After, realId, QStringLiteral("Документ записан.")));
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Documents(), 1);
    const long id = StoredDocumentId(COperByHandRecord::kTable, realId);
    EXPECT_EQ(Header(realId), FormatText("%d|2024-03-15|7|100.00|Справка разрыва|1|1|-", id));
    long again = realId;
    ASSERT_TRUE(SaveStoredDocument(op, again));
    EXPECT_EQ(again, realId);
    EXPECT_EQ(Documents(), 1);
    EXPECT_EQ(Postings(), FormatText("%d|1|120134510|120111610|5.00", id));
}

TEST_F(BrokenSave, CutBeforeTheCommitNothingIsStoredAndTheSecondSaveStoresOne)
{
    COperByHandRecord op = Cut();
    long realId = -1;
    EXPECT_FALSE(SaveCut(op, vornal::testing::CuttingProxy::Cut::Before, realId,
                         QStringLiteral("Документ не записан. Повторите запись.")));
    EXPECT_EQ(realId, -1);
    EXPECT_EQ(Documents(), 0);
    EXPECT_EQ(Postings(), CString());
    ASSERT_TRUE(SaveStoredDocument(op, realId));
    EXPECT_EQ(Documents(), 1);
}

TEST_F(BrokenSave, AServerThatDoesNotComeBackLeavesItUnknown)
{
    COperByHandRecord op = Cut();
    long realId = -1;
    EXPECT_FALSE(SaveCut(op, vornal::testing::CuttingProxy::Cut::After, realId,
                         QStringLiteral("Подключиться к серверу заново не удалось: неизвестно, записан ли документ. "
                                        "Прежде чем записывать его снова, найдите его в журнале."),
                         true));
    EXPECT_EQ(realId, -1);
}

} // namespace

namespace nledmark {

// A form whose documents live in a table other than its kind's (the kind of
// "<вручную>" keeps ledmark_oper_by_hand), as a form whose mode names its table.
class COwnTableView : public CPostingDocView {
    DECLARE_DYNCREATE(COwnTableView)
public:
    COwnTableView() : CPostingDocView(IDD_OPER_BY_HAND) {}
    CString HeaderTable() const override { return "ledmark_test_statement"; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long) override { return CString(); }
    CString HeaderUpdateSql(long, long) override { return CString(); }
    BOOL WritePostings(long) override { return TRUE; }
    CString LineTablesDeleteSql(long realId) override
    {
        return FormatText("delete from ledmark_test_lines where doc=%d", realId);
    }

    BOOL keepFields = FALSE;
    int loads = 0;

protected:
    BOOL ValidateDocument() override { return FALSE; }
    CString DocumentDate() const override { return CString(); }
    UINT NumberFieldId() const override { return IDC_NUMBER; }
    BOOL NewKeepsFields() const override { return keepFields; }
    void SetSql() override
    {
        ++loads;
        SetDlgItemText(IDC_NUMBER, "1");
        SetDlgItemText(IDC_DOC_NAME, "Справка");
    }
};

IMPLEMENT_DYNCREATE(COwnTableView, CPostingDocView)

} // namespace nledmark

namespace {

class OwnTableCommands : public ledgertest::LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        Run("create table if not exists ledmark_test_statement (real_id int auto_increment primary key, id int, "
            "d date) engine=InnoDB\n"
            "create table if not exists ledmark_test_lines (real_id int auto_increment primary key, "
            "doc int not null, s decimal(18,2)) engine=InnoDB\n"
            "delete from ledmark_oper_by_hand\n"
            "delete from ledmark_provodki where id in (9101,9102)");
        // One key in both tables: the form's statement and an operation of its kind.
        Run(FormatText("insert into ledmark_test_statement (real_id,id,d) values (41,9101,%s)\n"
                       "insert into ledmark_test_lines (doc,s) values (41,5),(41,6)\n"
                       "insert into ledmark_oper_by_hand (real_id,id,d,number,fil_id) values (41,9102,%s,'1',1)\n"
                       "insert into ledmark_provodki (id,npp,d,s) values (9101,1,%s,5),(9101,2,%s,6),(9102,1,%s,7)",
                       ChangeDateUS0(ThisYear("01.02"), 0), ChangeDateUS0(ThisYear("01.02"), 0),
                       ChangeDateUS0(ThisYear("01.02"), 0), ChangeDateUS0(ThisYear("01.02"), 0),
                       ChangeDateUS0(ThisYear("01.02"), 0)));
    }
    COwnTableView* Open()
    {
        auto* form = new CMultiDocTemplate(IDD_OPER_BY_HAND, RUNTIME_CLASS(CconfigDocument),
                                           RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(COwnTableView));
        app->AddDocTemplate(form);
        form->OpenDocumentFile(nullptr);
        Settle();
        auto* view = Active<COwnTableView>();
        if (view) {
            view->SetRealId(41);
            view->SetLoadedDate(ThisYear("01.02"));
        }
        return view;
    }
};

TEST_F(OwnTableCommands, DeleteAndPostingsUseTheFormsOwnTable)
{
    COwnTableView* view = Open();
    ASSERT_NE(view, nullptr);
    afxtest::command(view, ID_BUH_SPRAVKA);
    auto* postings = Active<CDocProvView>();
    ASSERT_NE(postings, nullptr);
    EXPECT_EQ(postings->m_grid.GetNRows(), 2) << "the postings of the form's own row";
    postings->OnCancel();
    Settle();

    afxtest::InteractionScript script;
    script.message(QStringLiteral("Удалить этот документ ? "), IDYES);
    afxtest::command(view, 32790);
    script.verify();
    Settle();
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_test_statement"), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_test_lines where doc=41"), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki where id=9101"), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_oper_by_hand where real_id=41"), 1)
        << "the kind's table is not the form's";
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki where id=9102"), 1);
    EXPECT_EQ(ChildCount(), 0) << "the form closes";
}

// "&Новый" in both its ways: a blank new document, or the current fields kept
// as the start of a new one; "No" changes nothing. Either way the number field
// takes the focus.
TEST_F(OwnTableCommands, NewStartsBlankOrFromTheCurrentDocument)
{
    COwnTableView* view = Open();
    ASSERT_NE(view, nullptr);
    for (BOOL keep : {FALSE, TRUE}) {
        SCOPED_TRACE(keep ? "kept" : "blank");
        view->keepFields = keep;
        view->SetRealId(41);
        view->SetLoadedDate(ThisYear("01.02"));
        view->SetDlgItemText(IDC_NUMBER, "17");
        view->SetDlgItemText(IDC_DOC_NAME, "Счет 5");
        view->GetDlgItem(IDC_DOC_NAME)->SetFocus();
        const int loads = view->loads;
        {
            afxtest::InteractionScript script;
            script.message(QStringLiteral("Ввести новый документ ? "), IDNO);
            afxtest::command(view, ID_DOCUMENT_NEW);
            script.verify();
        }
        EXPECT_EQ(view->GetRealId(), 41);
        EXPECT_EQ(view->GetLoadedDate(), ThisYear("01.02"));
        {
            afxtest::InteractionScript script;
            script.message(QStringLiteral("Ввести новый документ ? "), IDYES);
            afxtest::command(view, ID_DOCUMENT_NEW);
            script.verify();
        }
        EXPECT_EQ(view->GetRealId(), -1);
        EXPECT_EQ(view->GetLoadedDate(), CString());
        EXPECT_EQ(view->loads, keep ? loads : loads + 1);
        CString number, name;
        view->GetDlgItemText(IDC_NUMBER, number);
        view->GetDlgItemText(IDC_DOC_NAME, name);
        EXPECT_EQ(number, CString(keep ? "17" : "1"));
        EXPECT_EQ(name, CString(keep ? "Счет 5" : "Справка"));
        EXPECT_EQ(CWnd::GetFocus(), view->GetDlgItem(IDC_NUMBER));
    }
}

} // namespace
