// A headless save client: saves, re-saves and deletes documents of the kinds
// in the table of kinds through the code the forms use (the kind's record
// class, the form's checks, SaveStoredDocument, DeleteStoredDocument, the
// proposed number), on the database layer's one connection, and logs what it
// believes each call did. When the connection breaks it waits for the server
// as a user would, and goes on with its next document.
#pragma once
#include "SoakKinds.h"
#include "SoakLog.h"

class SoakClient {
public:
    // `log` may be null (the events are kept in memory either way).
    SoakClient(const SoakChart& chart, SoakLogFile* log, int client, unsigned long long seed);

    // The stream of a run: `docs` new documents, with re-saves and deletes
    // of the client's own earlier documents and refused saves among them
    // when `mixed`; only new valid documents otherwise. Documents saved.
    int Run(int docs, bool mixed);

    // One new document: number `seq` of the client; `refused` puts in a line
    // the posting rules refuse, `checked` runs the form's checks first (else
    // a refused line is refused inside the save), `typed` saves under a
    // number typed on purpose instead of the proposed one.
    SoakOutcome SaveNew(const SoakKind& kind, int seq, bool refused, bool checked, bool typed);
    // Saves the client's live document `index` again with other lines; a
    // `refused` one goes to the save without the form's checks and is
    // refused inside its transaction.
    SoakOutcome Resave(size_t index, int variant, bool refused);
    SoakOutcome Delete(size_t index);

    // The documents the client knows to be stored as it last saved them.
    size_t LiveCount() const;
    // The live document at position `n` among the live ones.
    size_t LiveIndex(size_t n) const;
    const std::vector<SoakEvent>& Events() const { return events_; }
    // Waits until the server answers; false after `seconds` without an answer.
    static bool WaitForServer(int seconds);

private:
    struct Own {
        const SoakKind* kind;
        CString tag;
        long realId;
        long docId;
        CString number;
        bool typed;
        bool live;  // stored as last logged; a doubtful or deleted one is never touched again
    };
    SoakOutcome Save(const SoakKind& kind, SoakDraft& draft, bool checked, SoakEvent& event, long& realId);
    void Log(const SoakEvent& event);

    const SoakChart& chart_;
    SoakLogFile* log_;
    int client_;
    unsigned long long seed_;
    std::vector<Own> own_;
    std::vector<SoakEvent> events_;
};

// Installs the client's quiet reports: script messages and database reports
// are counted, not shown; a broken connection is remembered for the call in
// progress.
void InstallSoakReports();
