// The checker of a save soak run: after the clients have ended, the database
// is compared with what they logged. Each invariant gets one verdict; a
// document whose save was in flight when the server died may be stored whole
// or not at all, never in part.
#pragma once
#include "SoakLog.h"

#include <cstdio>
#include <map>
#include <vector>

// What the database held before the first client saved.
struct SoakBaseline {
    long counter = 0;                     // the document counter's last id
    std::map<CString, long> lastRealId;   // the highest key of each kind's header table
};

// Reads the baseline through the database layer; false when a read failed.
bool ReadSoakBaseline(SoakBaseline& baseline);

struct SoakVerdict {
    CString name;
    bool held = true;
    int checked = 0;  // documents, rows or numbers looked at
    CString detail;   // the first offender when it failed
};

// The invariants, in a fixed order; `year` is the working year of the run.
std::vector<SoakVerdict> CheckSoakRun(const std::vector<SoakEvent>& events, const SoakBaseline& baseline, int year);

// One line per verdict and the closing "N passed, M failed"; answers M.
int PrintSoakVerdicts(const std::vector<SoakVerdict>& verdicts, std::FILE* out);

// The names of the invariants, as the verdicts carry them.
namespace soak_invariant {
extern const char* const kSaved;
extern const char* const kResaved;
extern const char* const kDeleted;
extern const char* const kRefused;
extern const char* const kInterrupted;
extern const char* const kUncommitted;
extern const char* const kHeaderPostings;
extern const char* const kPostingHeader;
extern const char* const kNumbers;
extern const char* const kIds;
extern const char* const kCounter;
} // namespace soak_invariant
