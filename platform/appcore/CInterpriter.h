// The script interpreter of the configuration (Lua 5.4).
//
// One interpreter state holds the contexts in which call texts are evaluated:
// the global context (the Lua globals), a workplace context "Arm.<id>" per
// workplace and a form context "Form.<name>" per configuration form with a
// script. A context other than the global one is a table of its own whose
// missing names fall back to the globals, so workplace and form scripts see
// every global function while their own functions stay theirs.
//
// The application keeps one interpreter for the user-interface thread (the
// static mcc_dll_* members); a worker thread takes one of its own with a
// CThreadInterpriter. A Lua state is never shared between threads: every
// script call evaluates in the calling thread's current interpreter
// (GetCurrent).
#pragma once

#include <string>
#include <vector>

struct lua_State;
class CString;
class CDataArchive;

class CInterpriter {
public:
    CInterpriter();
    ~CInterpriter();
    CInterpriter(const CInterpriter&) = delete;
    CInterpriter& operator=(const CInterpriter&) = delete;

    // Loads one script chunk into a context (null or "" = global), creating the
    // context when it is new. A syntax or run error is reported; returns false.
    bool LoadScript(const char* context, const char* chunkName, const std::string& text);
    // Makes an (empty) context exist, so calls into it fall back to the globals.
    void AddContext(const char* context);
    bool HasContext(const char* context) const;

    // Evaluates a call text such as GL_Get_SB("230405000",2) in a context and
    // gives the first value as text. Any failure (unknown context, syntax,
    // run-time error, a value without a text form) is reported to the user,
    // leaves `answer` empty and returns false: a failure never reads as an answer.
    bool Evaluate(const char* call, const char* context, std::string& answer);
    bool Evaluate(const char* call, const char* context, CString& answer);

    lua_State* State() const { return m_state; }

    // The scripts' sandbox: no files, processes or libraries of the machine
    // (io, package, debug, loadfile, dofile and the process calls of os are
    // absent), `load` takes text chunks only, and an evaluation that runs
    // more than a generous number of steps (2 000 000 000 by default) is
    // stopped with an error instead of hanging the program.
    static void SetStepLimit(long long steps);

    // The application's interpreter (user-interface thread).
    static int mcc_dll_Global_init0();
    static int mcc_dll_Global_init_HashKey(CString& key);
    template <size_t N>
    static int mcc_dll_Global_init_HashKey(char (&key)[N]) { return CopyHashKey(key, N); }
    static int mcc_dll_Global_init();
    static void mcc_dll_Global_uninit();
    static int mcc_dll_execute_Command(const char* name);
    // The application's interpreter; null before mcc_dll_Global_init0 and after uninit.
    static CInterpriter* GetMain();
    // The interpreter of the calling thread: the one a CThreadInterpriter made
    // current on it; else, on the thread that started the application's
    // interpreter, that one; null on any other thread.
    static CInterpriter* GetCurrent();

    // Loads every script of a configuration into this interpreter (global
    // scripts first); false when one fails (reported).
    bool LoadConfiguration(const CDataArchive& archive);

private:
    bool PushContext(const char* context) const;
    bool Compile(const char* call, std::string& failure);
    // Pushes the function and the arguments of a call of the bridges' simple
    // form whose name is a function in the context; false (nothing pushed)
    // for any other call. Gives the number of arguments.
    bool PushParsedCall(const char* call, const char* context, int& arguments);
    static int CopyHashKey(char* key, size_t size);

    lua_State* m_state = nullptr;
};
