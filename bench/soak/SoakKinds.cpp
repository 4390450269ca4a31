#include "SoakKinds.h"

#include "COperByHandRecord.h"

#include <ledmark.h>
#include <ndbcore.h>

#include <QDate>

using namespace nledmark;

namespace {

CString RandomDayOfYear(SoakRandom& random)
{
    const QDate first(int(g_lYear), 1, 1);
    return CString(first.addDays(random.Below(first.daysInYear())).toString(QStringLiteral("dd.MM.yyyy")));
}

// Kopecks of an amount of whole kopecks ("12.05").
long long Kopecks(const CString& amount)
{
    return (long long)(amount.ToQString().toDouble() * 100 + 0.5);
}

CString ProposeOperation()
{
    return GL_NextNumber(COperByHandRecord::kTable, 1);
}

// A manual operation of 1-20 lines, as the form fills its record.
SoakDraft MakeOperation(SoakRandom& random, const SoakChart& chart, const SoakRequest& request)
{
    auto op = std::make_unique<COperByHandRecord>();
    op->date = RandomDayOfYear(random);
    op->branch = chart.Branch(random);
    op->number = request.number;
    op->proposedNumber = request.proposed ? request.number : CString();
    op->prim = request.tag;
    const int count = random.Between(1, 20);
    for (int n = 1; n <= count; ++n)
        op->lines.push_back(chart.Line(random, n));
    if (request.refused)
        op->lines.insert(op->lines.begin() + random.Below(count + 1), chart.RefusedLine(random));
    long long total = 0;
    for (const COperLine& l : op->lines)
        total += Kopecks(l[OPER_SUM]);
    op->sum = FormatText("%lld.%02lld", total / 100, total % 100);

    SoakDraft draft;
    draft.date = op->date;
    draft.branch = op->branch;
    draft.sum = op->sum;
    COperByHandRecord* record = op.get();
    draft.check = [record](CString& reason) {
        COperLineFault fault;
        const bool passed = CheckOperLines(record->lines, record->date, record->branch, fault) != FALSE;
        if (!passed)
            reason = FormatText("строка %d: %s", fault.row + 1, fault.message);
        return passed;
    };
    draft.postings = [record] { return PostingsOfOperLines(record->lines); };
    draft.record = std::move(op);
    return draft;
}

const std::vector<SoakKind> kKinds = {
    {"oper", "ledmark_oper_by_hand",
     "real_id,id,cast(number as char) as number,date_format(d,'%d.%m.%Y') as d,cast(s as char) as s,fil_id,"
     "prim as tag",
     ProposeOperation, MakeOperation},
};

} // namespace

const std::vector<SoakKind>& SoakKinds()
{
    return kKinds;
}

const SoakKind* FindSoakKind(const CString& name)
{
    for (const SoakKind& kind : kKinds)
        if (name == kind.name)
            return &kind;
    return nullptr;
}
