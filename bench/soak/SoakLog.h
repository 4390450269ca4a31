// What a save soak client believes it did, one line per save or delete, and
// the canonical text of a document's postings that the client writes and the
// checker reads back from the database.
#pragma once
#include "PostingLines.h"

#include <cstdio>
#include <string>
#include <vector>

enum class SoakOp { New, Resave, Delete };
// Committed: the call answered success. Refused: it answered failure without
// the connection breaking (a posting rule, a check of the form, a database
// refusal), so nothing of it may be stored. Uncertain: the connection broke
// during the call, so the server may or may not have committed it.
enum class SoakOutcome { Committed, Refused, Uncertain };

struct SoakEvent {
    int client = 0;
    SoakOp op = SoakOp::New;
    SoakOutcome outcome = SoakOutcome::Committed;
    CString kind;      // the kind's name in the table of kinds
    CString tag;       // the document's own text, unique in the run
    long realId = 0;   // the stored row (0 while unknown)
    long docId = 0;    // the document id of its postings (0 while unknown)
    // The version saved (nothing for a delete).
    CString number;
    bool typed = false;  // a number typed on purpose, not the proposed one
    CString date;        // dd.mm.yyyy
    int branch = 0;
    CString sum;         // the header's sum, two decimals
    CString postings;    // SoakPostingsText
    CString reason;      // why a save was refused or cut, as the user was told
};

// "1:120134510|1|||120111610||||5.000|12.50|Строка 1|15.03.2026|1;2:..."
// (line number, debit with its values, credit with its values, quantity,
// amount, note, date, branch), in line order.
CString SoakPostingText(int npp, const CString& debit, const CString values[3], const CString& credit,
                        const CString creditValues[3], const CString& quantity, const CString& amount,
                        const CString& note, const CString& date, int branch);
CString SoakPostingsText(const std::vector<nledmark::CPostingLine>& lines, const CString& date, int branch);
// A decimal as stored with `places` decimals ("" stays "").
CString SoakDecimal(const CString& text, int places);

std::string SoakEventLine(const SoakEvent& event);
bool ParseSoakEvent(const std::string& line, SoakEvent& event);

// A client's log: each event written and flushed as it happens, so a killed
// client leaves every line it wrote.
class SoakLogFile {
public:
    explicit SoakLogFile(const std::string& path);
    ~SoakLogFile();
    bool IsOpen() const { return file_ != nullptr; }
    void Write(const SoakEvent& event);
    // The closing line of a client: when its saves began and ended
    // (milliseconds since the epoch) and how many documents it saved.
    void WriteEnd(long long startMs, long long endMs, int saved);

private:
    std::FILE* file_ = nullptr;
};

struct SoakClientEnd {
    long long startMs = 0, endMs = 0;
    int saved = 0;
    bool present = false;
};

// Reads a log; false when the file cannot be read or holds a line that is no event.
bool ReadSoakLog(const std::string& path, std::vector<SoakEvent>& events, SoakClientEnd* end = nullptr);
