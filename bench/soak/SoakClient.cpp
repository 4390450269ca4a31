#include "SoakClient.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QDialog>

#include <atomic>
#include <chrono>
#include <thread>

using namespace nledmark;

namespace {

std::atomic<bool> g_connectionLost{false};
CString g_lastMessage;  // what the user was last told, for the log

void QuietReport(const DbErrorReport& report)
{
    if (report.kind == DbErrorKind::ConnectionLost)
        g_connectionLost = true;
    g_lastMessage = report.headline.IsEmpty() ? report.message : report.headline;
}

// The outcome of a call that answered `ok`, by what was reported meanwhile.
// A save whose connection broke where the server may have committed finds
// out on a new connection and says which; when the server did not come back
// it says that it is not known.
SoakOutcome OutcomeOf(bool ok)
{
    if (ok)
        return SoakOutcome::Committed;
    const bool unknown = g_lastMessage.Find("неизвестно") >= 0;
    return g_connectionLost || unknown ? SoakOutcome::Uncertain : SoakOutcome::Refused;
}

// The message boxes of a save, answered at once; the client logs their text.
class AnswerOk : public AfxModalDriver {
public:
    void run(AfxModalRequest& req) override
    {
        g_lastMessage = req.text;
        req.result = IDOK;
        if (req.widget)
            req.widget->done(IDOK);
    }
    void leftOpen(AfxModalRequest&) override {}
};

} // namespace

void InstallSoakReports()
{
    static AnswerOk answers;
    AfxSetModalDriver(&answers);
    SetDbErrorHook(QuietReport);
    appcore::ScriptHooks& hooks = appcore::GetScriptHooks();
    hooks.reportError = [](const std::string&) {};
    hooks.messageBox = [](const std::string& text, const std::string&, unsigned) {
        g_lastMessage = CString(QString::fromStdString(text));
        return appcore::kIdOk;
    };
    hooks.log = [](const std::string&) {};
}

SoakClient::SoakClient(const SoakChart& chart, SoakLogFile* log, int client, unsigned long long seed)
    : chart_(chart), log_(log), client_(client), seed_(seed)
{
}

bool SoakClient::WaitForServer(int seconds)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (ExecuteString("select 1") != "1") {
        if (std::chrono::steady_clock::now() > until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

void SoakClient::Log(const SoakEvent& event)
{
    events_.push_back(event);
    if (log_)
        log_->Write(event);
}

// As the form saves: one read cache for the checks and the statements, the
// checks, then the one transaction of the save.
SoakOutcome SoakClient::Save(const SoakKind& kind, SoakDraft& draft, bool checked, SoakEvent& event, long& realId)
{
    appcore::CScriptReadCache reads;
    g_connectionLost = false;
    g_lastMessage.Empty();
    CString reason;
    if (checked && !draft.check(reason)) {
        // Nothing was sent; a check that lost the connection sent nothing either.
        event.outcome = SoakOutcome::Refused;
    } else {
        long savedId = 0;
        CString taken;
        const BOOL saved = SaveStoredDocument(*draft.record, realId, &savedId, &taken);
        event.outcome = OutcomeOf(saved != FALSE);
        if (saved)
            event.docId = savedId;
    }
    CString* number = draft.record->Number();
    event.number = number ? *number : CString();
    event.date = draft.date;
    event.branch = draft.branch;
    event.sum = SoakDecimal(draft.sum, 2);
    event.postings = SoakPostingsText(draft.postings(), draft.date, draft.branch);
    event.realId = event.outcome == SoakOutcome::Committed ? realId : event.realId;
    if (event.outcome != SoakOutcome::Committed)
        event.reason = reason.IsEmpty() ? g_lastMessage : reason;
    return event.outcome;
}

SoakOutcome SoakClient::SaveNew(const SoakKind& kind, int seq, bool refused, bool checked, bool typed)
{
    SoakRandom random(seed_, client_, seq, 1);
    SoakRequest request;
    request.tag = FormatText("Справка %d-%d", client_, seq);
    request.refused = refused;
    // A number typed on purpose may be any number already in use.
    const CString proposal = kind.propose();
    if (typed)
        request.number = FormatText("%d", random.Between(1, std::max(1, proposal.ToQString().toInt())));
    else
        request.number = proposal;
    request.proposed = !typed;
    SoakDraft draft = kind.make(random, chart_, request);

    SoakEvent event;
    event.client = client_;
    event.op = SoakOp::New;
    event.kind = kind.name;
    event.tag = request.tag;
    event.typed = typed;
    long realId = -1;
    const SoakOutcome outcome = Save(kind, draft, checked, event, realId);
    Log(event);
    if (outcome == SoakOutcome::Committed)
        own_.push_back({&kind, event.tag, realId, event.docId, event.number, typed, true});
    return outcome;
}

SoakOutcome SoakClient::Resave(size_t index, int variant, bool refused)
{
    Own& doc = own_[index];
    SoakRandom random(seed_, client_, 1000000 + variant, 2);
    SoakRequest request;
    request.tag = doc.tag;
    request.number = doc.number;  // a stored document keeps its number
    request.refused = refused;
    SoakDraft draft = doc.kind->make(random, chart_, request);

    SoakEvent event;
    event.client = client_;
    event.op = SoakOp::Resave;
    event.kind = doc.kind->name;
    event.tag = doc.tag;
    event.realId = doc.realId;
    event.docId = doc.docId;
    event.typed = doc.typed;
    long realId = doc.realId;
    // A refused line reaches the save: the old postings are deleted and the
    // header updated before the refusal, which must take all of it back.
    const SoakOutcome outcome = Save(*doc.kind, draft, !refused, event, realId);
    event.realId = doc.realId;
    if (outcome == SoakOutcome::Committed)
        event.docId = event.docId ? event.docId : doc.docId;
    else
        event.docId = doc.docId;
    Log(event);
    if (outcome == SoakOutcome::Committed)
        doc.docId = event.docId;
    if (outcome == SoakOutcome::Uncertain)
        doc.live = false;
    return outcome;
}

SoakOutcome SoakClient::Delete(size_t index)
{
    Own& doc = own_[index];
    SoakRandom random(seed_, client_, 2000000, 3);
    SoakRequest request;
    request.tag = doc.tag;
    request.number = doc.number;
    SoakDraft draft = doc.kind->make(random, chart_, request);

    SoakEvent event;
    event.client = client_;
    event.op = SoakOp::Delete;
    event.kind = doc.kind->name;
    event.tag = doc.tag;
    event.realId = doc.realId;
    event.docId = doc.docId;
    event.number = doc.number;
    event.typed = doc.typed;
    g_connectionLost = false;
    g_lastMessage.Empty();
    event.outcome = OutcomeOf(DeleteStoredDocument(*draft.record, doc.realId) != FALSE);
    if (event.outcome != SoakOutcome::Committed)
        event.reason = g_lastMessage;
    Log(event);
    if (event.outcome != SoakOutcome::Refused)
        doc.live = false;
    return event.outcome;
}

size_t SoakClient::LiveCount() const
{
    size_t n = 0;
    for (const Own& doc : own_)
        n += doc.live ? 1 : 0;
    return n;
}

size_t SoakClient::LiveIndex(size_t n) const
{
    for (size_t i = 0; i < own_.size(); ++i)
        if (own_[i].live && n-- == 0)
            return i;
    return own_.size();
}

int SoakClient::Run(int docs, bool mixed)
{
    const std::vector<SoakKind>& kinds = SoakKinds();
    int saved = 0;
    for (int seq = 1; seq <= docs; ++seq) {
        // Only the mixed stream meets a killed server; the plain one of the
        // rates sends nothing but the saves.
        if (mixed && !WaitForServer(120))
            break;
        SoakRandom random(seed_, client_, seq, 0);
        const SoakKind& kind = kinds[random.Below((int)kinds.size())];
        const bool refused = mixed && random.Chance(0.1);
        const bool checked = !refused || random.Chance(0.5);
        const bool typed = mixed && random.Chance(0.1);
        saved += SaveNew(kind, seq, refused, checked, typed) == SoakOutcome::Committed ? 1 : 0;
        if (!mixed)
            continue;
        if (random.Chance(0.25) && LiveCount() > 0 && WaitForServer(120))
            Resave(LiveIndex(random.Below((int)LiveCount())), seq, random.Chance(0.1));
        if (random.Chance(0.06) && LiveCount() > 0 && WaitForServer(120))
            Delete(LiveIndex(random.Below((int)LiveCount())));
    }
    return saved;
}
