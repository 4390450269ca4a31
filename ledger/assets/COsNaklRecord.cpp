#include "COsNaklRecord.h"

#include "AccountDimensionRows.h"
#include "LineCells.h"
#include "StoredHeader.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <QStringList>

namespace nledmark {

namespace {

const OsNaklKind kAssets{"ledmark_os_nakl", "spr_osn_sr", "ledmark_os_nakl_deb", "ledmark_os_nakl_kred", false};
const OsNaklKind kMaterials{"ledmark_mat_nakl", "spr_stovan_mat", "ledmark_mat_nakl_deb", "ledmark_mat_nakl_kred",
                            true};

// The id a waybill without postings keeps in `id`.
constexpr long kUnposted = -1;

CString Negated(const CString& number)
{
    const double value = atof(number);
    if (value == 0)
        return CString("0");
    return value < 0 ? number.Mid(1) : CString("-") + number;
}

} // namespace

const OsNaklKind& OsNaklKindOf(int mode)
{
    return mode == 0 ? kAssets : kMaterials;
}

int ItemDimension(const CString& account, const char* items)
{
    for (int k = 1; k <= 3; ++k) {
        const int book = ChartDimensionBook(account, k);
        if (book != 0 && I_GetSprTableName(book) == items)
            return k;
    }
    return 0;
}

void PlaceItem(const CString& account, const char* items, const CString values[3], const CString& item,
               CString placed[3])
{
    const int k = ItemDimension(account, items);
    for (int i = 0; i < 3; ++i)
        placed[i] = i + 1 == k ? item : values[i];
}

std::vector<OsNaklLine> OsNaklLines(const CString& grid)
{
    std::vector<OsNaklLine> lines;
    const QString all = grid.ToQString();
    if (all.isEmpty())
        return lines;
    for (const QString& row : all.split(GetDelimiter().ToQString())) {
        const QStringList cells = row.split(GetDelimiter0().ToQString());
        auto cell = [&](int c) { return CString(cells.value(c)).Trim(); };
        OsNaklLine line;
        line.item = cell(ON_ITEM);
        line.name = cell(ON_NAME);
        line.asked = CellDecimal(cell(ON_ASKED));
        line.released = CellDecimal(cell(ON_RELEASED));
        line.price = CellDecimal(cell(ON_PRICE));
        line.sum = CellDecimal(cell(ON_SUM));
        lines.push_back(line);
    }
    return lines;
}

BOOL COsNaklRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "fil_id,id,d,kbk_deb,kbk_kred," + SqlAsText("number")
        + " as number,prim,grid,icn,deb,sb1_deb,sb2_deb,sb3_deb,kred,sb1_kred,sb2_kred,sb3_kred";
    if (!row.Read(HeaderTable(), realId, columns))
        return FALSE;
    branch = row.Int("fil_id", 1);
    storedId = row.Int("id", kUnposted);
    posted = storedId != kUnposted;
    date = row["d"];
    kbkDebit = row["kbk_deb"];
    kbkCredit = row["kbk_kred"];
    number = row["number"];
    prim = row["prim"];
    grid = row["grid"];
    icn = row["icn"];
    debit = row["deb"];
    credit = row["kred"];
    for (int k = 0; k < 3; ++k) {
        debitSb[k] = row[FormatText("sb%d_deb", k + 1)];
        creditSb[k] = row[FormatText("sb%d_kred", k + 1)];
    }
    return TRUE;
}

// The recipient's account takes each line on against the technical account
// of its source; the sender's account gives it up with the same amounts
// negated, each side with its own analytic values and KBK, so the sender's
// stock falls as the recipient's grows.
void COsNaklRecord::MakePostings()
{
    postings.clear();
    total = 0;
    const CString counter = debit.Left(1) + "00000000";
    const char* items = Kind().items;
    for (const OsNaklLine& line : lines) {
        total += atof(line.sum);
        const double quantity = atof(line.released), sum = atof(line.sum);
        if (line.item.IsEmpty() || (quantity == 0 && sum == 0))
            continue;
        CPostingLine in;
        CString placed[3];
        PlaceItem(debit, items, debitSb, line.item, placed);
        in.debit = debit;
        in.debit1 = placed[0];
        in.debit2 = placed[1];
        in.debit3 = placed[2];
        in.credit = counter;
        in.amount = FormatNumber(sum, "", 2);
        in.quantity = ::Number(quantity, 0);
        in.kbkDebit = kbkDebit;
        in.kbkCredit = kbkCredit;
        postings.push_back(in);

        CPostingLine out = in;
        PlaceItem(credit, items, creditSb, line.item, placed);
        out.debit = credit;
        out.debit1 = placed[0];
        out.debit2 = placed[1];
        out.debit3 = placed[2];
        out.amount = Negated(in.amount);
        out.quantity = Negated(in.quantity);
        out.kbkDebit = kbkCredit;
        out.kbkCredit = kbkDebit;
        postings.push_back(out);
    }
}

CString COsNaklRecord::HeaderInsertSql(long id)
{
    return FormatText("insert into %s (kbk_deb,kbk_kred,id,number,d,prim,icn,s,deb,kred,grid,sb1_deb,sb2_deb,sb3_deb,"
                      "sb1_kred,sb2_kred,sb3_kred,m0,d0,fil_id) values \t\t\t(%s,%s,%d,'%s',%s,%s,%s,%s,%s,%s,%s,%s,%s,"
                      "%s,%s,%s,%s,%d,%s,%d)",
                      HeaderTable(), NullInt0(kbkDebit), NullInt0(kbkCredit), id > 0 ? id : kUnposted,
                      MakeSqlStr(number), ChangeDateUS0(date, 0), NullStr(prim), NullStr(icn),
                      DB_Digit(FormatNumber(total, "", 2)), NullStr(debit), NullStr(credit), NullStr(grid),
                      NullStr(debitSb[0]), NullStr(debitSb[1]), NullStr(debitSb[2]), NullStr(creditSb[0]),
                      NullStr(creditSb[1]), NullStr(creditSb[2]), g_lTN, GetCurDateUS0(1), branch);
}

CString COsNaklRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText("update %s set kbk_deb=%s,kbk_kred=%s,id=%d,number='%s',d=%s,prim=%s,icn=%s,grid=%s,s=%s,"
                      "deb=%s,kred=%s,sb1_deb=%s,sb2_deb=%s,sb3_deb=%s,sb1_kred=%s,sb2_kred=%s,sb3_kred=%s,m1=%d,"
                      "d1=%s,fil_id=%d where real_id=%d",
                      HeaderTable(), NullInt0(kbkDebit), NullInt0(kbkCredit), id > 0 ? id : kUnposted,
                      MakeSqlStr(number), ChangeDateUS0(date, 0), NullStr(prim), NullStr(icn), NullStr(grid),
                      DB_Digit(FormatNumber(total, "", 2)), NullStr(debit), NullStr(credit), NullStr(debitSb[0]),
                      NullStr(debitSb[1]), NullStr(debitSb[2]), NullStr(creditSb[0]), NullStr(creditSb[1]),
                      NullStr(creditSb[2]), g_lTN, GetCurDateUS0(1), branch, realId);
}

// One batch of the lines' postings.
BOOL COsNaklRecord::WritePostings(long id)
{
    CString batch;
    if (!AppendPostingStatements(id, date, branch, postings, batch))
        return FALSE;
    return batch.IsEmpty() || ExecuteSql(batch);
}

} // namespace nledmark
