// The scripts' `db` table on the real database: scalar reads, a batch, rows
// as tables, literals that keep hostile text out of the SQL, constants and the
// user's globals; a failed query fails the evaluation after the database
// layer's own message, a failed write answers false.
#include "CInterpriter.h"
#include "DbReportRecorder.h"
#include "FreshDatabase.h"
#include "HookRecorder.h"
#include "MakeParam.h"
#include "ScriptReadCache.h"
#include "ndbcore.h"

#include <gtest/gtest.h>

namespace {

const char kScript[] = R"lua(
function Setup()
  return db.execute("drop table if exists script_api\n" ..
    "create table script_api (id int auto_increment primary key, name varchar(200), s decimal(12,2), d date)\n" ..
    "insert into script_api (name, s, d) values ('первая', 10.5, '2024-03-01')\n" ..
    "insert into script_api (name, s, d) values ('вторая', 0.25, null)")
end

function Add(name, s, d)
  local ok = db.execute("insert into script_api (name, s, d) values (" ..
    db.str(name) .. "," .. db.int(s) .. "," .. db.date(d) .. ")")
  if not ok then return 0 end
  return db.last_insert_id()
end

function NameOf(id) return db.string("select name from script_api where id=" .. db.int(id)) end

function Listing()
  local parts = {}
  for row in db.rows("select id, name, s, d from script_api order by id") do
    parts[#parts + 1] = row.id .. ":" .. row.name .. ":" .. row.s .. ":" .. (row.d or "нет")
  end
  return table.concat(parts, ";")
end

function Total() return db.money("select sum(s) from script_api") end
function Count() return db.count("select count(*) from script_api") end
function Broken() return db.string("select nothing from no_such_table") + 1 end
function BrokenWrite() if db.execute("insert into no_such_table values (1)") then return 1 end return 2 end
function Constant(v) db.set_constant("script_api_test", v) return db.constant("script_api_test") end
function User() local u = db.user() return u.tn .. "/" .. u.year .. "/" .. u.month end
)lua";

class ScriptDbApi : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::UseFreshDatabase());
        ASSERT_TRUE(interpriter.LoadScript(nullptr, "db.lua", kScript));
        ASSERT_EQ(Eval("Setup()"), "1");
    }

    std::string Eval(const CString& call)
    {
        std::string answer;
        EXPECT_TRUE(interpriter.Evaluate(call, nullptr, answer)) << call.GetString();
        return answer;
    }

    HookRecorder hooks;
    CInterpriter interpriter;
};

} // namespace

TEST_F(ScriptDbApi, ReadsWritesAndRowsThroughTheDatabaseLayer)
{
    EXPECT_EQ(Eval("Count()"), "2");
    EXPECT_EQ(Eval("Total()"), "10.75");
    EXPECT_EQ(Eval("Listing()"), "1:первая:10.50:01.03.2024;2:вторая:0.25:нет");
    EXPECT_EQ(Eval("Add(\"третья\",\"1,5\",\"02.04.2024\")"), "3"); // a typed "," reaches SQL as "."
    EXPECT_EQ(Eval("Total()"), "12.25");
    EXPECT_EQ(Eval("Constant(\"42\")"), "42");
    g_lTN = 1;
    g_lYear = 2024;
    g_lMonth = 3;
    EXPECT_EQ(Eval("User()"), "1/2024/3");
    EXPECT_TRUE(hooks.errors.empty());
}

TEST_F(ScriptDbApi, HostileTextStaysAValue)
{
    const CString names[] = {"O'Brien", "a\\'; drop table script_api; --", "кавычки \" и \\ обратная черта",
                             "строка\nперевод"};
    for (const CString& name : names) {
        SCOPED_TRACE(name.GetString());
        CString call;
        call.Format("Add(\"%s\",\"1\",\"\")", MakeParam(name));
        std::string id = Eval(call);
        ASSERT_NE(id, "0");
        CString read;
        read.Format("NameOf(%s)", id.c_str());
        std::string answer;
        ASSERT_TRUE(interpriter.Evaluate(read, nullptr, answer));
        EXPECT_EQ(CString(answer), name);
    }
    EXPECT_EQ(Eval("Count()"), "6");
}

TEST_F(ScriptDbApi, AFailedQueryFailsTheEvaluationWithOneMessage)
{
    vornal::testing::DbReportRecorder database;
    std::string answer = "0";
    EXPECT_FALSE(interpriter.Evaluate("Broken()", nullptr, answer));
    EXPECT_EQ(answer, "");
    EXPECT_EQ(database.reports().size(), 1u); // the database layer's message
    EXPECT_TRUE(hooks.errors.empty());         // and no second one from the interpreter
    database.clear(1);
    EXPECT_EQ(Eval("BrokenWrite()"), "2");     // a failed write is the script's to handle
    EXPECT_EQ(database.reports().size(), 1u);
}

TEST_F(ScriptDbApi, AReadCacheAnswersRepeatedReadsUntilAWrite)
{
    const char* change = "update script_api set s=s+1";
    {
        appcore::CScriptReadCache reads;
        EXPECT_EQ(Eval("Total()"), "10.75");
        EXPECT_EQ(Eval("Listing()"), "1:первая:10.50:01.03.2024;2:вторая:0.25:нет");
        ASSERT_TRUE(ExecuteSql(change)); // behind the scripts' back: the scope is for work that only reads
        EXPECT_EQ(Eval("Total()"), "10.75");
        EXPECT_EQ(Eval("Listing()"), "1:первая:10.50:01.03.2024;2:вторая:0.25:нет");
        EXPECT_EQ(Eval("Add(\"третья\",\"1\",\"\")"), "3"); // a script's write forgets what was read
        EXPECT_EQ(Eval("Total()"), "13.75");
        {
            appcore::CScriptReadCache nested;
            EXPECT_EQ(Eval("Count()"), "3");
        }
        ASSERT_TRUE(ExecuteSql(change));
        EXPECT_EQ(Eval("Total()"), "13.75") << "an inner scope's end keeps the outer one's answers";
    }
    EXPECT_EQ(Eval("Total()"), "16.75") << "out of the scope every read asks the server";
    EXPECT_EQ(Eval("Constant(\"2\")"), "2");
}

// What a script derives from its reads may be kept while the generation stays:
// it changes with a write and with every new scope, and is 0 outside one.
TEST_F(ScriptDbApi, TheReadGenerationChangesWithAWriteAndWithEachScope)
{
    EXPECT_EQ(Eval("db.read_generation()"), "0");
    std::string first, second;
    {
        appcore::CScriptReadCache reads;
        first = Eval("db.read_generation()");
        EXPECT_NE(first, "0");
        {
            appcore::CScriptReadCache nested;
            EXPECT_EQ(Eval("db.read_generation()"), first) << "a nested scope shares the outer one's reads";
        }
        EXPECT_EQ(Eval("db.read_generation()"), first);
        EXPECT_EQ(Eval("Add(\"четвертая\",\"1\",\"\")"), "3");
        second = Eval("db.read_generation()");
        EXPECT_NE(second, first) << "a write forgets what was derived";
    }
    EXPECT_EQ(Eval("db.read_generation()"), "0");
    appcore::CScriptReadCache again;
    const std::string third = Eval("db.read_generation()");
    EXPECT_NE(third, first);
    EXPECT_NE(third, second);
}
