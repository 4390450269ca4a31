#include "SqlBatch.h"

namespace {

class Splitter {
public:
    Splitter(const QString& text, SqlDialect dialect)
        : text_(text), data_(text.constData()), size_(text.size()), mysql_(dialect == SqlDialect::MySql)
    {
    }

    QStringList run()
    {
        for (i_ = 0; i_ < size_; ++i_) {
            const QChar c = data_[i_];
            if (c == QLatin1Char('\'') || c == QLatin1Char('"') || (mysql_ && c == QLatin1Char('`')))
                skipQuoted(c);
            else if (startsLineComment())
                skipTo(QLatin1Char('\n'));
            else if (c == QLatin1Char('/') && next() == QLatin1Char('*'))
                skipBlockComment();
            else if (c == QLatin1Char(';') || c == QLatin1Char('\n'))
                finish();
            else if (!c.isSpace())
                content_ = true;
        }
        finish();
        return statements_;
    }

private:
    QChar next() const { return i_ + 1 < size_ ? data_[i_ + 1] : QChar(); }

    bool startsLineComment() const
    {
        const QChar c = data_[i_];
        if (mysql_ && c == QLatin1Char('#'))
            return true;
        // MySQL wants a blank after "--"; elsewhere "--" alone starts a comment.
        if (c != QLatin1Char('-') || next() != QLatin1Char('-'))
            return false;
        const QChar after = i_ + 2 < size_ ? data_[i_ + 2] : QChar(QLatin1Char(' '));
        return !mysql_ || after.isSpace();
    }

    void skipQuoted(QChar quote)
    {
        content_ = true;
        const bool backslashEscapes = mysql_ && quote != QLatin1Char('`');
        for (++i_; i_ < size_; ++i_) {
            if (backslashEscapes && data_[i_] == QLatin1Char('\\'))
                ++i_;
            else if (data_[i_] == quote)
                return;  // a doubled quote reopens at once on the next character
        }
    }

    // Leaves i_ on the line feed, which then ends the statement as usual.
    void skipTo(QChar end)
    {
        while (i_ + 1 < size_ && data_[i_ + 1] != end)
            ++i_;
    }

    void skipBlockComment()
    {
        for (i_ += 2; i_ < size_; ++i_) {
            if (data_[i_] == QLatin1Char('*') && next() == QLatin1Char('/')) {
                ++i_;
                return;
            }
        }
    }

    void finish()
    {
        const qsizetype end = std::min(i_, size_);
        if (content_)
            statements_.append(text_.mid(start_, end - start_).trimmed());
        start_ = end + 1;
        content_ = false;
    }

    const QString& text_;
    const QChar* data_;
    const qsizetype size_;
    const bool mysql_;
    qsizetype i_ = 0;
    qsizetype start_ = 0;
    bool content_ = false;
    QStringList statements_;
};

}  // namespace

QStringList SplitSqlBatch(const QString& text, SqlDialect dialect)
{
    if (dialect == SqlDialect::SqlServer) {
        const QString whole = text.trimmed();
        return whole.isEmpty() ? QStringList() : QStringList{whole};
    }
    return Splitter(text, dialect).run();
}

int CountSqlStatements(const QString& text, SqlDialect dialect)
{
    return int(Splitter(text, dialect).run().size());
}

QStringList JoinForServer(const QStringList& statements, SqlDialect dialect)
{
    if (dialect != SqlDialect::MySql)
        return statements;
    // A line feed before the ";" ends a trailing "-- comment" of the statement.
    static const QString separator = QStringLiteral("\n;\n");
    const int maxStatements = 100;
    const qsizetype maxLength = 256 * 1024;
    QStringList texts;
    QString current;
    int count = 0;
    for (const QString& statement : statements) {
        if (count > 0 && (count == maxStatements || current.size() + statement.size() > maxLength)) {
            texts.append(current);
            current.clear();
            count = 0;
        }
        if (count > 0)
            current += separator;
        current += statement;
        ++count;
    }
    if (count > 0)
        texts.append(current);
    return texts;
}
