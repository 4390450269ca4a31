// The query of the postings journal: the postings of a period with their
// documents, under the where clauses the journal and the registers build.
#include "LedgerDatabase.h"
#include "ledmark.h"

#include <ndbcore.h>

namespace {

class JournalQuery : public ledmark_test::LedgerDatabase {
protected:
    void SetUp() override
    {
        LedgerDatabase::SetUp();
        // A document table as the manual operations keep it.
        Run("create table if not exists ledmark_oper_by_hand (real_id int auto_increment primary key, id int, "
            "d date, number varchar(20), s decimal(18,2), prim varchar(250), fil_id int, m0 int, d0 datetime, "
            "m1 int, d1 datetime)\n"
            "delete from ledmark_oper_by_hand\n"
            "insert into ledmark_oper_by_hand (real_id, id, d, number, prim, fil_id, d0, d1) values "
            "(31, 501, '2024-03-05', '12', 'Справка', 1, '2024-03-05 10:00:00', null), "
            "(32, 502, '2024-04-01', '13', 'Закрытие', 1, '2024-04-01 09:00:00', '2024-04-20 12:00:00')");
        ASSERT_EQ(GL_InsertProvodka(501, 1, "05.03.2024", "120134510", "", "", "", "120111610", "1", "", "", "100",
                                    "", "Первая", "", "", 1, 0), 1);
        ASSERT_EQ(GL_InsertProvodka(501, 2, "05.03.2024", "120812560", "1", "226000", "", "120134610", "", "", "",
                                    "-40", "", "Сторно", "", "", 1, 0), 1);
        ASSERT_EQ(GL_InsertProvodka(502, 1, "01.04.2024", "140102226", "", "", "", "120812660", "1", "226000", "",
                                    "60", "", "", "", "", 2, 0), 1);
        ASSERT_EQ(GL_InsertProvodka(503, 1, "02.04.2024", "120134510", "", "", "", "120111610", "1", "", "", "5", "",
                                    "Без документа", "", "", 1, 0), 1);
    }

    // The listed rows, one text per row: the columns the journal binds.
    std::vector<std::string> List(const char* from, const char* to, const char* where)
    {
        CString sql = GL_SqlProvodki(from, to, where, 1);
        EXPECT_FALSE(sql.IsEmpty());
        std::vector<std::string> rows;
        _RecordsetPtr rs;
        rs.CreateInstance(__uuidof(Recordset));
        rs->Open((const char*)sql, GetConnection().GetInterfacePtr(), adOpenForwardOnly, adLockReadOnly, adCmdText);
        for (; !rs->adoEOF; rs->MoveNext()) {
            std::string row;
            for (const char* name : {"fil_id", "d", "doc_name", "number", "npp", "dbt", "deb_sb1", "krdt",
                                     "kred_sb1", "kol", "s", "so", "real_id", "docId", "DocType", "doc_id", "icn"}) {
                _variant_t value = rs->GetCollect(name);
                row += (value.vt == VT_NULL ? std::string("-") : std::string((const char*)_bstr_t(value))) + "|";
            }
            rows.push_back(row);
        }
        rs->Close();
        return rows;
    }
};

TEST_F(JournalQuery, PostingsOfThePeriodWithTheirDocuments)
{
    auto rows = List("'2024-03-01'", "'2024-04-30'", "where ledmark_provodki.d is not null");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], "1|05.03.2024|Справка|12|1|120134510|-|120111610|1|-|100.00|Первая|31|<вручную>|0|1|Справка|");
    EXPECT_EQ(rows[1], "1|05.03.2024|Справка|12|2|120812560|1|120134610|-|-|-40.00|Сторно|31|<вручную>|0|1|Справка|");
    EXPECT_EQ(rows[2], "2|01.04.2024|Закрытие|13|1|140102226|-|120812660|1|-|60.00|-|32|<вручную>|0|1|Закрытие|");
    EXPECT_EQ(rows[3], "1|02.04.2024|-|-|1|120134510|-|120111610|1|-|5.00|Без документа|-|-|-|-|-|");
    EXPECT_EQ(List("'2024-03-01'", "'2024-03-31'", "").size(), 2u);
}

TEST_F(JournalQuery, TheClausesOfTheJournalAndTheRegistersAreAccepted)
{
    struct Case {
        const char* where;
        size_t rows;
    } cases[] = {
        // the journal's filters: an account, and rows recorded after a date
        {"where concat(ledmark_provodki.deb0,ledmark_provodki.deb1,ledmark_provodki.deb2,ledmark_provodki.deb3)="
         "'120134510' and ledmark_provodki.d is not null",
         2},
        {"where ledmark_provodki.d is not null and (d0>'2024-03-31' or d1>'2024-03-31')", 1},
        // a register's clause naming the posting columns without their table
        {"where (kred1='208' and kred2<>'01') and kred_sb1='1' and (-2=-2 or fil_id=1)", 1},
        {"WHERE deb1='201' or kred1='201'", 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(List("'2024-01-01'", "'2024-12-31'", c.where).size(), c.rows) << c.where;
    // A clause of its own "or" terms still keeps to the period.
    EXPECT_EQ(List("'2024-03-01'", "'2024-03-31'", "where deb1='201' or kred1='201'").size(), 2u);
}

// A document keeping its counterpart in a TEXT column (the invoices received)
// must not make the journal's column unbounded: the print reads its postings
// in blocks only while every text column has a width.
TEST_F(JournalQuery, EveryTextColumnHasAWidth)
{
    ASSERT_EQ(Text("select data_type from information_schema.columns where table_schema=database() "
                   "and table_name='ledmark_sch_fak_poluch' and column_name='icn'"),
              CString("text"));
    _RecordsetPtr rs;
    rs.CreateInstance(__uuidof(Recordset));
    rs->Open((const char*)GL_SqlProvodki("'2024-03-01'", "'2024-04-30'", "", 1), GetConnection().GetInterfacePtr(),
             adOpenForwardOnly, adLockReadOnly, adCmdText);
    for (long i = 0; i < rs->Fields->GetCount(); ++i) {
        FieldPtr field = rs->Fields->GetItem(i);
        if (field->Type == adVarWChar || field->Type == adLongVarWChar) {
            EXPECT_GT(field->DefinedSize, 0) << (const char*)field->Name;
            EXPECT_LE(field->DefinedSize, 4000) << (const char*)field->Name;
        }
    }
    rs->Close();
}

TEST_F(JournalQuery, OnlyDatesAndAWhereClauseAreAccepted)
{
    EXPECT_EQ(GL_SqlProvodki("'2024-01-01' or 1=1", "'2024-12-31'", "", 1), CString());
    EXPECT_EQ(GL_SqlProvodki("'2024-01-01'", "'2024-12-31'", "deb1='201'", 1), CString());
    EXPECT_EQ(scripts.errors.size(), 2u);
    scripts.errors.clear();
}

} // namespace
