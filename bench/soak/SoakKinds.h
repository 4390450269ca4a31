// The kinds of document a save soak client saves: one row per kind, each with
// a function that builds a random document of that kind through its own
// record class. A document kind that joins the run adds its row here and a
// function that builds it; the client, the conductor and the checker take
// every kind from this table.
#pragma once
#include "SoakChart.h"
#include "StoredDocument.h"

#include <functional>
#include <memory>

// What a client asks of a kind for one save.
struct SoakRequest {
    CString tag;            // the header text that names the document in the run
    CString number;         // the number to save under
    bool proposed = false;  // the number is the one the form proposed
    bool refused = false;   // one line that the posting rules refuse
};

// A document ready to save through SaveStoredDocument.
struct SoakDraft {
    std::unique_ptr<nledmark::IStoredDocument> record;
    CString date;  // dd.mm.yyyy
    int branch = 1;
    CString sum;   // the header's sum
    // The checks the form makes before its save; false: refused, nothing
    // sent, with the form's message in `reason` ("" when a script told it).
    std::function<bool(CString& reason)> check;
    // The postings a whole save writes, in their order (after the check).
    std::function<std::vector<nledmark::CPostingLine>()> postings;
};

struct SoakKind {
    const char* name;
    const char* table;  // the header table
    // The header row as the checker compares it: real_id, id, number, d
    // (dd.mm.yyyy), s, fil_id and tag, each under that name.
    const char* headerColumns;
    // The number the form proposes for a new document.
    CString (*propose)();
    // A random document of the kind in the working year.
    SoakDraft (*make)(SoakRandom& random, const SoakChart& chart, const SoakRequest& request);
};

const std::vector<SoakKind>& SoakKinds();
const SoakKind* FindSoakKind(const CString& name);
