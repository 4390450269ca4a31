#include "SoakChecker.h"

#include "SoakKinds.h"

#include <gridbase.h>
#include <ndbcore.h>

#include <QStringList>
#include <set>

namespace soak_invariant {
const char* const kSaved = "saved documents are stored whole";
const char* const kResaved = "re-saved documents hold their last version";
const char* const kDeleted = "deleted documents left nothing";
const char* const kRefused = "refused saves and deletes changed nothing";
const char* const kInterrupted = "saves cut by the server's death left the whole document or nothing";
const char* const kUncommitted = "no document that no client committed, none twice";
const char* const kHeaderPostings = "no header without its postings";
const char* const kPostingHeader = "no postings without their header";
const char* const kNumbers = "no number twice in a kind and year (numbers typed on purpose aside)";
const char* const kIds = "document ids unique";
const char* const kCounter = "the document counter above the highest id";
} // namespace soak_invariant

namespace {

using namespace soak_invariant;

CString ColumnText(_RecordsetPtr& row, const char* name)
{
    return SafeArayToString(row->GetCollect(name));
}

// One stored header row of a kind.
struct Header {
    const SoakKind* kind = nullptr;
    long realId = 0, id = 0;
    CString number, date, sum, tag;
    int branch = 0;
};

// A state a document may be in: absent, or stored as one version.
struct Version {
    bool present = false;
    CString number, date, sum, postings;
    int branch = 0;
    long docId = 0;  // 0 while unknown
};

enum class Category { Saved, Resaved, Deleted, Refused, Interrupted };

struct Expectation {
    const SoakKind* kind = nullptr;
    std::vector<Version> allowed{Version()};
    Category category = Category::Refused;
    std::set<long> docIds;  // every id the document ever carried
    bool typed = false;
};

Version VersionOf(const SoakEvent& e)
{
    Version v;
    v.present = true;
    v.number = e.number;
    v.date = e.date;
    v.sum = e.sum;
    v.postings = e.postings;
    v.branch = e.branch;
    v.docId = e.docId;
    return v;
}

std::map<CString, Expectation> Expectations(const std::vector<SoakEvent>& events)
{
    std::map<CString, Expectation> byTag;
    for (const SoakEvent& e : events) {
        Expectation& x = byTag[e.tag];
        x.kind = FindSoakKind(e.kind);
        x.typed = x.typed || e.typed;
        if (e.docId > 0)
            x.docIds.insert(e.docId);
        const bool saving = e.op != SoakOp::Delete;
        switch (e.outcome) {
        case SoakOutcome::Committed:
            x.allowed = {saving ? VersionOf(e) : Version()};
            x.category = e.op == SoakOp::New ? Category::Saved
                         : e.op == SoakOp::Resave ? Category::Resaved
                                                  : Category::Deleted;
            break;
        case SoakOutcome::Refused:
            x.category = Category::Refused;
            break;
        case SoakOutcome::Uncertain:
            x.allowed.push_back(saving ? VersionOf(e) : Version());
            x.category = Category::Interrupted;
            break;
        }
    }
    return byTag;
}

// A save cut by the server's death may have committed under the next free number when the
// proposed one was taken meanwhile, and its client never heard which: the number is then not
// compared (no number twice is checked on its own).
bool Matches(const Version& v, const Header* row, const std::map<long, CString>& postings, bool anyNumber = false)
{
    if (!v.present || !row)
        return !v.present && !row;
    const auto found = postings.find(row->id);
    const CString stored = found == postings.end() ? CString() : found->second;
    return (v.docId == 0 || v.docId == row->id) && (anyNumber || v.number == row->number) && v.date == row->date
           && v.sum == SoakDecimal(row->sum, 2) && v.branch == row->branch && v.postings == stored;
}

CString Describe(const Header* row, const std::map<long, CString>& postings)
{
    if (!row)
        return "absent";
    const auto found = postings.find(row->id);
    return FormatText("row %ld id %ld number %s date %s sum %s branch %d postings [%s]", row->realId, row->id,
                      row->number, row->date, row->sum, row->branch,
                      found == postings.end() ? CString() : found->second);
}

bool ReadHeaders(const SoakKind& kind, const CString& where, std::vector<Header>& rows)
{
    return ForEachRow(FormatText("select %s from %s %s", kind.headerColumns, kind.table, where),
                      [&](_RecordsetPtr& r) {
                          Header h;
                          h.kind = &kind;
                          h.realId = ColumnText(r, "real_id").ToQString().toLong();
                          h.id = ColumnText(r, "id").ToQString().toLong();
                          h.number = ColumnText(r, "number");
                          h.date = ColumnText(r, "d");
                          h.sum = ColumnText(r, "s");
                          h.branch = ColumnText(r, "fil_id").ToQString().toInt();
                          h.tag = ColumnText(r, "tag");
                          rows.push_back(h);
                      })
           >= 0;
}

// The postings of the documents the run numbered, as one text per id.
bool ReadPostings(long afterId, std::map<long, CString>& texts)
{
    std::map<long, QStringList> lines;
    const long read = ForEachRow(
        FormatText("select id,npp,concat(ifnull(deb0,''),ifnull(deb1,''),ifnull(deb2,''),ifnull(deb3,'')) as debit,"
                   "ifnull(deb_sb1,'') as d1,ifnull(deb_sb2,'') as d2,ifnull(deb_sb3,'') as d3,"
                   "concat(ifnull(kred0,''),ifnull(kred1,''),ifnull(kred2,''),ifnull(kred3,'')) as credit,"
                   "ifnull(kred_sb1,'') as k1,ifnull(kred_sb2,'') as k2,ifnull(kred_sb3,'') as k3,"
                   "ifnull(cast(kol as char),'') as kol,cast(s as char) as s,ifnull(prim,'') as note,"
                   "date_format(d,'%%d.%%m.%%Y') as d,fil_id from ledmark_provodki where id>%ld order by id,npp",
                   afterId),
        [&](_RecordsetPtr& r) {
            const CString debit[3] = {ColumnText(r, "d1"), ColumnText(r, "d2"), ColumnText(r, "d3")};
            const CString credit[3] = {ColumnText(r, "k1"), ColumnText(r, "k2"), ColumnText(r, "k3")};
            lines[ColumnText(r, "id").ToQString().toLong()]
                << SoakPostingText(ColumnText(r, "npp").ToQString().toInt(), ColumnText(r, "debit"), debit,
                                   ColumnText(r, "credit"), credit, ColumnText(r, "kol"), ColumnText(r, "s"), ColumnText(r, "note"),
                                   ColumnText(r, "d"), ColumnText(r, "fil_id").ToQString().toInt())
                       .ToQString();
        });
    for (const auto& [id, list] : lines)
        texts[id] = CString(list.join(';'));
    return read >= 0;
}

void Fail(SoakVerdict& v, const CString& detail)
{
    if (v.held)
        v.detail = detail;
    v.held = false;
}

} // namespace

bool ReadSoakBaseline(SoakBaseline& baseline)
{
    baseline = SoakBaseline();
    const CString counter = ExecuteString("select last_id from system_doc_counter where id=1");
    if (counter.IsEmpty())
        return false;
    baseline.counter = counter.ToQString().toLong();
    for (const SoakKind& kind : SoakKinds())
        baseline.lastRealId[kind.table] =
            (long)ExecuteCount(FormatText("select coalesce(max(real_id),0) from %s", kind.table));
    return true;
}

std::vector<SoakVerdict> CheckSoakRun(const std::vector<SoakEvent>& events, const SoakBaseline& baseline, int year)
{
    std::vector<SoakVerdict> verdicts;
    for (const char* name : {kSaved, kResaved, kDeleted, kRefused, kInterrupted, kUncommitted, kHeaderPostings,
                             kPostingHeader, kNumbers, kIds, kCounter})
    {
        SoakVerdict v;
        v.name = name;
        verdicts.push_back(v);
    }
    auto verdict = [&](const char* name) -> SoakVerdict& {
        for (SoakVerdict& v : verdicts)
            if (v.name == name)
                return v;
        return verdicts.front();
    };

    std::vector<Header> runRows, yearRows, allRows;
    std::map<long, CString> postings;
    bool read = ReadPostings(baseline.counter, postings);
    const CString inYear = FormatText("where d>='%d-01-01' and d<='%d-12-31'", year, year);
    for (const SoakKind& kind : SoakKinds()) {
        const auto base = baseline.lastRealId.find(kind.table);
        const long after = base == baseline.lastRealId.end() ? 0 : base->second;
        read = read && ReadHeaders(kind, FormatText("where real_id>%ld", after), runRows)
               && ReadHeaders(kind, inYear, yearRows) && ReadHeaders(kind, CString(), allRows);
    }
    if (!read) {
        for (SoakVerdict& v : verdicts)
            Fail(v, "the database could not be read");
        return verdicts;
    }

    // The documents of the clients, each against the states it may be in.
    const std::map<CString, Expectation> expected = Expectations(events);
    std::map<CString, std::vector<const Header*>> rowsByTag;
    for (const Header& h : runRows)
        rowsByTag[h.tag].push_back(&h);
    const std::map<Category, const char*> names = {{Category::Saved, kSaved},
                                                   {Category::Resaved, kResaved},
                                                   {Category::Deleted, kDeleted},
                                                   {Category::Refused, kRefused},
                                                   {Category::Interrupted, kInterrupted}};
    for (const auto& [tag, x] : expected) {
        SoakVerdict& v = verdict(names.at(x.category));
        ++v.checked;
        const auto found = rowsByTag.find(tag);
        const std::vector<const Header*> rows = found == rowsByTag.end() ? std::vector<const Header*>() : found->second;
        if (rows.size() > 1)
            continue;  // a document stored twice is the next invariant's
        const Header* row = rows.empty() ? nullptr : rows.front();
        bool whole = false;
        for (const Version& allowed : x.allowed)
            whole = whole || Matches(allowed, row, postings, x.category == Category::Interrupted);
        if (!whole) {
            const Version& last = x.allowed.back();
            Fail(v, FormatText("%s: stored %s, logged %s", tag, Describe(row, postings),
                               last.present ? FormatText("number %s date %s sum %s postings [%s]", last.number,
                                                         last.date, last.sum, last.postings)
                                            : CString("absent")));
        }
        // A document that is gone leaves no postings under any id it had.
        if (!row)
            for (long id : x.docIds)
                if (postings.count(id))
                    Fail(v, FormatText("%s: absent, yet postings of its id %ld remain", tag, id));
    }

    SoakVerdict& uncommitted = verdict(kUncommitted);
    for (const auto& [tag, rows] : rowsByTag) {
        ++uncommitted.checked;
        if (!expected.count(tag))
            Fail(uncommitted, FormatText("%s: row %ld, which no client logged", tag, rows.front()->realId));
        else if (rows.size() > 1)
            Fail(uncommitted, FormatText("%s: stored %d times", tag, (int)rows.size()));
    }

    SoakVerdict& headers = verdict(kHeaderPostings);
    for (const Header& h : runRows) {
        ++headers.checked;
        if (h.id <= 0 || !postings.count(h.id))
            Fail(headers, FormatText("%s: row %ld with id %ld has no postings", h.tag, h.realId, h.id));
    }

    SoakVerdict& orphans = verdict(kPostingHeader);
    std::set<long> headerIds;
    for (const Header& h : allRows)
        headerIds.insert(h.id);
    for (const auto& [id, text] : postings) {
        ++orphans.checked;
        if (!headerIds.count(id))
            Fail(orphans, FormatText("postings of id %ld have no header: %s", id, text));
    }

    SoakVerdict& numbers = verdict(kNumbers);
    std::map<std::pair<const SoakKind*, CString>, std::vector<const Header*>> byNumber;
    for (const Header& h : yearRows) {
        const auto x = expected.find(h.tag);
        if (x == expected.end() || !x->second.typed)
            byNumber[{h.kind, h.number}].push_back(&h);
    }
    for (const auto& [key, rows] : byNumber) {
        ++numbers.checked;
        if (rows.size() > 1)
            Fail(numbers, FormatText("%s number %s: %s and %s", key.first->name, key.second, rows[0]->tag,
                                     rows[1]->tag));
    }

    SoakVerdict& ids = verdict(kIds);
    std::map<long, const Header*> byId;
    long highest = postings.empty() ? 0 : postings.rbegin()->first;
    for (const Header& h : allRows) {
        if (h.id <= 0)
            continue;
        ++ids.checked;
        highest = std::max(highest, h.id);
        const auto [at, fresh] = byId.emplace(h.id, &h);
        if (!fresh)
            Fail(ids, FormatText("id %ld: %s and %s", h.id, at->second->tag, h.tag));
    }

    SoakVerdict& counter = verdict(kCounter);
    counter.checked = 1;
    const long last = ExecuteString("select last_id from system_doc_counter where id=1").ToQString().toLong();
    if (last < highest)
        Fail(counter, FormatText("the counter stands at %ld, the highest id is %ld", last, highest));
    return verdicts;
}

int PrintSoakVerdicts(const std::vector<SoakVerdict>& verdicts, std::FILE* out)
{
    int failed = 0;
    for (const SoakVerdict& v : verdicts) {
        failed += v.held ? 0 : 1;
        std::fprintf(out, "%-6s %s (%d checked)%s%s\n", v.held ? "held" : "FAILED", (LPCTSTR)v.name, v.checked,
                     v.held ? "" : ": ", (LPCTSTR)v.detail);
    }
    std::fprintf(out, "%d passed, %d failed\n", int(verdicts.size()) - failed, failed);
    return failed;
}
