// The save soak's checker on the real database: a client's documents saved,
// re-saved, refused and deleted through the forms' code hold every
// invariant; the same database made wrong on purpose, one fault at a time,
// fails the invariant that names the fault.
#include "SoakChecker.h"
#include "SoakClient.h"
#include "tests/LedgerDatabase.h"

#include <ndbcore.h>

#include <functional>

namespace {

using namespace soak_invariant;

class SoakCheckerTest : public ledmark_test::LedgerDatabase {
protected:
    void SetUp() override
    {
        LedgerDatabase::SetUp();
        g_lTN = 1;
        ASSERT_TRUE(chart.Read());
        ASSERT_TRUE(ReadSoakBaseline(baseline));
        client = std::make_unique<SoakClient>(chart, nullptr, 1, 32);
        const SoakKind& oper = SoakKinds().front();
        // 1, 2 saved with proposed numbers, 3 with a typed one; 4 refused
        // inside its save, 5 by the form's checks; 6 re-saved; 7 deleted; 1
        // re-saved with a refused line, which leaves it as it was.
        for (int seq : {1, 2, 6, 7})
            ASSERT_EQ(client->SaveNew(oper, seq, false, true, false), SoakOutcome::Committed) << seq;
        ASSERT_EQ(client->SaveNew(oper, 3, false, true, true), SoakOutcome::Committed);
        ASSERT_EQ(client->SaveNew(oper, 4, true, false, false), SoakOutcome::Refused);
        ASSERT_EQ(client->SaveNew(oper, 5, true, true, false), SoakOutcome::Refused);
        ASSERT_EQ(client->Resave(2, 1, false), SoakOutcome::Committed);
        ASSERT_EQ(client->Delete(3), SoakOutcome::Committed);
        ASSERT_EQ(client->Resave(0, 2, true), SoakOutcome::Refused);
        scripts.messages.clear();
    }

    // The committed event of a document's first save.
    const SoakEvent& First(int seq) const
    {
        const CString tag = FormatText("Справка 1-%d", seq);
        for (const SoakEvent& e : client->Events())
            if (e.tag == tag && e.op == SoakOp::New)
                return e;
        return client->Events().front();
    }

    std::vector<SoakVerdict> Check(const std::vector<SoakEvent>& events)
    {
        return CheckSoakRun(events, baseline, 2024);
    }

    SoakChart chart;
    SoakBaseline baseline;
    std::unique_ptr<SoakClient> client;
};

std::vector<CString> Failed(const std::vector<SoakVerdict>& verdicts)
{
    std::vector<CString> names;
    for (const SoakVerdict& v : verdicts)
        if (!v.held)
            names.push_back(v.name + ": " + v.detail);
    return names;
}

bool HasFailed(const std::vector<SoakVerdict>& verdicts, const char* name)
{
    for (const SoakVerdict& v : verdicts)
        if (v.name == name)
            return !v.held;
    return false;
}

TEST_F(SoakCheckerTest, TheDocumentsAsLoggedHoldEveryInvariant)
{
    const std::vector<SoakVerdict> verdicts = Check(client->Events());
    for (const CString& failure : Failed(verdicts))
        ADD_FAILURE() << failure;
    for (const SoakVerdict& v : verdicts)
        if (v.name != kInterrupted)  // no save was cut here; the next test cuts one
            EXPECT_GT(v.checked, 0) << v.name;
}

// A save the server's death cut off may have been committed or not: both are
// whole; the document stored in part is not.
TEST_F(SoakCheckerTest, ACutSaveIsWholeOrAbsentNeverPartial)
{
    std::vector<SoakEvent> events = client->Events();
    SoakEvent cut = First(1);
    cut.outcome = SoakOutcome::Uncertain;
    cut.tag = "Справка 1-50";
    cut.typed = true;  // its copy below repeats the number of document 1
    cut.realId = cut.docId = 0;
    events.push_back(cut);
    EXPECT_TRUE(Failed(Check(events)).empty()) << "absent";

    CDbTransaction scope;
    const long id = (long)ExecuteCount("select last_id+1 from system_doc_counter where id=1");
    ASSERT_TRUE(ExecuteSql(FormatText("update system_doc_counter set last_id=%ld where id=1\n"
                                      "insert into ledmark_oper_by_hand (id,d,number,s,prim,fil_id) "
                                      "select %ld,d,number,s,'Справка 1-50',fil_id from ledmark_oper_by_hand "
                                      "where real_id=%ld\n"
                                      "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,"
                                      "deb_sb3,kred0,kred1,kred2,kred3,kred_sb1,kred_sb2,kred_sb3,kol,s,prim,fil_id) "
                                      "select %ld,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,deb_sb3,kred0,kred1,kred2,"
                                      "kred3,kred_sb1,kred_sb2,kred_sb3,kol,s,prim,fil_id from ledmark_provodki "
                                      "where id=%ld",
                                      id, id, First(1).realId, id, First(1).docId)));
    for (const CString& failure : Failed(Check(events)))
        ADD_FAILURE() << "whole: " << failure;
    ASSERT_TRUE(ExecuteSql(FormatText("delete from ledmark_provodki where id=%ld and npp=1", id)));
    EXPECT_TRUE(HasFailed(Check(events), kInterrupted)) << "in part";
    scope.Rollback();
}

TEST_F(SoakCheckerTest, EachFaultFailsItsInvariant)
{
    const SoakEvent &a = First(1), &b = First(2), &typed = First(3), &resaved = First(6), &deleted = First(7);
    const long id = (long)ExecuteCount("select last_id from system_doc_counter where id=1");
    struct Case {
        const char* fault;
        CString sql;
        const char* invariant;
    };
    const Case cases[] = {
        {"a header without its postings", FormatText("delete from ledmark_provodki where id=%ld", a.docId),
         kHeaderPostings},
        {"an amount of a saved document changed",
         FormatText("update ledmark_provodki set s=s+1 where id=%ld and npp=1", b.docId), kSaved},
        {"a re-saved document back at its first version's sum",
         FormatText("update ledmark_oper_by_hand set s=%s where real_id=%ld", resaved.sum, resaved.realId), kResaved},
        {"a doubled number",
         FormatText("update ledmark_oper_by_hand set number='%s' where real_id=%ld", a.number, b.realId), kNumbers},
        {"a posting of a deleted document",
         FormatText("insert into ledmark_provodki (id,npp,d,s,fil_id) values (%ld,1,'2024-01-01',1,1)", deleted.docId),
         kDeleted},
        {"a posting without its header",
         FormatText("insert into ledmark_provodki (id,npp,d,s,fil_id) values (%ld,1,'2024-01-01',1,1)", deleted.docId),
         kPostingHeader},
        {"a refused document stored",
         FormatText("insert into ledmark_oper_by_hand (id,d,number,prim) values (%ld,'2024-02-01','9','Справка 1-4')",
                    id + 1),
         kRefused},
        {"a document no client saved",
         FormatText("insert into ledmark_oper_by_hand (id,d,number,prim) values (%ld,'2024-02-01','9','Справка 9-9')",
                    id + 1),
         kUncommitted},
        {"a document stored twice",
         FormatText("insert into ledmark_oper_by_hand (id,d,number,s,prim,fil_id) select id,d,number,s,prim,fil_id "
                    "from ledmark_oper_by_hand where real_id=%ld",
                    typed.realId),
         kUncommitted},
        {"a doubled document id",
         FormatText("update ledmark_oper_by_hand set id=%ld where real_id=%ld", a.docId, typed.realId), kIds},
        {"the counter below the highest id", FormatText("update system_doc_counter set last_id=%ld", id - 1),
         kCounter},
    };
    for (const Case& c : cases) {
        CDbTransaction scope;
        ASSERT_TRUE(ExecuteSql(c.sql)) << c.fault;
        const std::vector<SoakVerdict> verdicts = Check(client->Events());
        scope.Rollback();
        EXPECT_TRUE(HasFailed(verdicts, c.invariant)) << c.fault << " does not fail \"" << c.invariant << "\"";
    }
    EXPECT_TRUE(Failed(Check(client->Events())).empty()) << "every fault was rolled back";
}

} // namespace
