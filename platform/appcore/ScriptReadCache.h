// A scope in which the scripts' reads answer from memory a query they have
// already run: db.string, db.count, db.money, db.rows and db.constant with the
// same text give the same answer without asking the server again. A form takes
// one around work that reads the same reference data over and over and writes
// nothing in between (the checks of a document's lines, the statements of its
// postings), so a hundred lines that name the same accounts read the chart
// once. A write through db.execute or db.set_constant forgets everything read
// so far; the end of the outermost scope forgets it too. Scopes nest and
// belong to the thread that made them.
//
// Each outermost scope, and each forgetting inside one, has a generation
// number of its own (db.read_generation() in the scripts), so a script may
// keep what it made of its reads for as long as that number stays the same.
#pragma once

#include <any>
#include <string>

namespace appcore {

class CScriptReadCache {
public:
    CScriptReadCache();
    ~CScriptReadCache();
    CScriptReadCache(const CScriptReadCache&) = delete;
    CScriptReadCache& operator=(const CScriptReadCache&) = delete;

    // For the script host: whether a scope is open on this thread, the
    // answer kept under a key (null when none), keeping one, forgetting all.
    static bool Active();
    static const std::any* Find(const std::string& key);
    static void Keep(const std::string& key, std::any value);
    static void Forget();
    // The generation of the open scope: never the same twice in a process;
    // 0 when no scope is open on this thread.
    static unsigned long long Generation();

    // The scripts' scalar reads (db.string, db.count, db.money) keep the first
    // value of a query's text; code of the program that runs the same text
    // shares their answer through these. FindCount: false when none is kept.
    static bool FindCount(const std::string& sql, long long& count);
    static void KeepCount(const std::string& sql, long long count);
    static std::string ScalarKey(const std::string& sql) { return "1:" + sql; }
};

} // namespace appcore
