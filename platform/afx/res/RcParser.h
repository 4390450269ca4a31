// The parser of the resource script subset: DIALOG/DIALOGEX with their
// options and control statements, STRINGTABLE, MENU/MENUEX, TOOLBAR,
// BITMAP/ICON/PNG/CURSOR files, blocks of other types kept as custom
// resources, and ACCELERATORS/VERSIONINFO/TEXTINCLUDE/DESIGNINFO skipped.
// Styles are expressions of names and numbers joined by "|" and "+", with
// "NOT x" clearing a bit of the statement's default style, as rc.exe does.
#pragma once
#include "res/RcScript.h"

class RcParser {
public:
    explicit RcParser(RcScript& script) : m_s(script) {}
    // tokens come from RcTokenizer (with the script's defines filled).
    void parse(const std::vector<RcToken>& tokens);
    const QStringList& errors() const { return m_errors; }

private:
    struct Fail {};
    const RcToken& peek(int ahead = 0) const;
    const RcToken& next();
    bool isWord(const char* w, int ahead = 0) const;
    bool isPunct(const char* p, int ahead = 0) const;
    void expectPunct(const char* p);
    bool acceptComma();
    [[noreturn]] void fail(const QString& text);

    QString key(const RcToken& t);
    QString resourceKey();
    long number();
    long term();
    long style(long base);
    CString text();
    bool resolve(const QString& name, long* value, int depth = 0) const;
    bool isBegin() const;
    bool isEnd() const;
    void skipMemoryFlags();
    void skipBlock();
    void skipLine();
    bool startsStatement() const;
    void recover(size_t start);

    void statement();
    void stringTable();
    void dialog(const QString& name, bool ex);
    void dialogOption(AfxDlgTemplate& d);
    void control(AfxDlgTemplate& d);
    AfxDlgItemTemplate genericControl();
    void menu(const QString& name);
    void menuItems(std::vector<AfxMenuTemplateItem>& items);
    void toolbar(const QString& name);
    void fileResource(const QString& type, const QString& name);

    RcScript& m_s;
    const std::vector<RcToken>* m_toks = nullptr;
    size_t m_pos = 0;
    QStringList m_errors;
};
