// Tokens of a resource script after its preprocessor lines: #include of the
// deliverable's own files, #define, #undef, #ifdef/#ifndef/#if/#else/#endif
// (a #if takes a number or a defined name); #pragma and other lines are
// skipped. Comments are // and /* */.
#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct RcToken {
    enum Type { Ident, Number, String, Punct, End };
    Type type = End;
    QString text;      // identifier, punctuation, or the string's value
    long value = 0;    // numbers
    QString file;
    int line = 0;
};

class RcTokenizer {
public:
    // Reads an included file by its name as written; false when missing.
    using FileReader = std::function<bool(const QString& name, QString* text)>;

    RcTokenizer(FileReader reader, QHash<QString, std::vector<RcToken>>* defines);
    std::vector<RcToken> run(const QString& file, const QString& text);
    const QStringList& errors() const { return m_errors; }

private:
    void processFile(const QString& file, const QString& text, int depth);
    void directive(const QString& file, int line, const QString& text, int depth);
    bool active() const;
    RcToken lexString(const QString& file, int line, const QString& text, int* pos);
    std::vector<RcToken> lex(const QString& file, int line, const QString& text, bool* inComment);
    void error(const QString& file, int line, const QString& text);

    FileReader m_reader;
    QHash<QString, std::vector<RcToken>>* m_defines;
    std::vector<RcToken> m_out;
    std::vector<std::pair<bool, bool>> m_conds;  // (this branch active, some branch taken)
    QStringList m_errors;
};
