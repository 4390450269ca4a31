#include "res/RcTokenizer.h"

#include <iterator>

RcTokenizer::RcTokenizer(FileReader reader, QHash<QString, std::vector<RcToken>>* defines)
    : m_reader(std::move(reader)), m_defines(defines)
{
}

std::vector<RcToken> RcTokenizer::run(const QString& file, const QString& text)
{
    m_out.clear();
    m_conds.clear();
    processFile(file, text, 0);
    if (!m_conds.empty())
        error(file, 0, QStringLiteral("#if without #endif"));
    RcToken end;
    end.file = file;
    m_out.push_back(end);
    return std::move(m_out);
}

bool RcTokenizer::active() const
{
    for (const auto& c : m_conds) {
        if (!c.first)
            return false;
    }
    return true;
}

void RcTokenizer::error(const QString& file, int line, const QString& text)
{
    m_errors << QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(text);
}

void RcTokenizer::processFile(const QString& file, const QString& text, int depth)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool inComment = false;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        // A line continued with a backslash.
        while (line.endsWith(QLatin1Char('\\')) && i + 1 < lines.size()) {
            line.chop(1);
            line += lines[++i];
        }
        QString trimmed = line.trimmed();
        if (!inComment && trimmed.startsWith(QLatin1Char('#'))) {
            directive(file, i + 1, trimmed.mid(1).trimmed(), depth);
            continue;
        }
        std::vector<RcToken> toks = lex(file, i + 1, line, &inComment);
        if (active())
            m_out.insert(m_out.end(), std::make_move_iterator(toks.begin()), std::make_move_iterator(toks.end()));
    }
}

void RcTokenizer::directive(const QString& file, int line, const QString& text, int depth)
{
    int sp = 0;
    while (sp < text.size() && text[sp].isLetter())
        ++sp;
    QString word = text.left(sp);
    QString rest = text.mid(sp).trimmed();
    int comment = rest.indexOf(QLatin1String("//"));
    if (comment >= 0)
        rest = rest.left(comment).trimmed();
    if (word == QLatin1String("ifdef") || word == QLatin1String("ifndef")) {
        bool def = m_defines->contains(rest);
        bool on = word == QLatin1String("ifdef") ? def : !def;
        m_conds.emplace_back(on, on);
    } else if (word == QLatin1String("if")) {
        bool dummy = false;
        std::vector<RcToken> t = lex(file, line, rest, &dummy);
        bool on = false;
        if (!t.empty() && t[0].type == RcToken::Number)
            on = t[0].value != 0;
        else if (!t.empty() && t[0].type == RcToken::Ident)
            on = m_defines->contains(t[0].text);
        m_conds.emplace_back(on, on);
    } else if (word == QLatin1String("elif")) {
        if (!m_conds.empty())
            m_conds.back().first = false;
    } else if (word == QLatin1String("else")) {
        if (m_conds.empty())
            error(file, line, QStringLiteral("#else without #if"));
        else
            m_conds.back().first = !m_conds.back().second;
    } else if (word == QLatin1String("endif")) {
        if (m_conds.empty())
            error(file, line, QStringLiteral("#endif without #if"));
        else
            m_conds.pop_back();
    } else if (!active()) {
        return;
    } else if (word == QLatin1String("include")) {
        QString name = rest;
        name.remove(QLatin1Char('"')).remove(QLatin1Char('<')).remove(QLatin1Char('>'));
        QString body;
        if (depth > 8)
            error(file, line, QStringLiteral("#include nested too deep"));
        else if (m_reader(name, &body))
            processFile(name, body, depth + 1);
        // System headers (windows.h, afxres.h) are not needed: their names are known.
    } else if (word == QLatin1String("define")) {
        int end = 0;
        while (end < rest.size() && (rest[end].isLetterOrNumber() || rest[end] == QLatin1Char('_')))
            ++end;
        QString name = rest.left(end);
        bool dummy = false;
        (*m_defines)[name] = lex(file, line, rest.mid(end), &dummy);
    } else if (word == QLatin1String("undef")) {
        m_defines->remove(rest);
    }
}

// A string from the quote at *pos: "" is a quote, \n \t \r \0 and \x escapes.
RcToken RcTokenizer::lexString(const QString& file, int line, const QString& text, int* pos)
{
    RcToken t;
    t.type = RcToken::String;
    t.file = file;
    t.line = line;
    int i = *pos + 1;
    const int n = text.size();
    bool closed = false;
    while (i < n) {
        QChar d = text[i++];
        if (d == QLatin1Char('"')) {
            if (i < n && text[i] == QLatin1Char('"')) {
                t.text += QLatin1Char('"');
                ++i;
                continue;
            }
            closed = true;
            break;
        }
        if (d == QLatin1Char('\\') && i < n) {
            QChar e = text[i++];
            if (e == QLatin1Char('n')) t.text += QLatin1Char('\n');
            else if (e == QLatin1Char('t')) t.text += QLatin1Char('\t');
            else if (e == QLatin1Char('r')) t.text += QLatin1Char('\r');
            else if (e == QLatin1Char('0')) t.text += QChar(0);
            else t.text += e;
            continue;
        }
        t.text += d;
    }
    if (!closed)
        error(file, line, QStringLiteral("unterminated string"));
    *pos = i;
    return t;
}

std::vector<RcToken> RcTokenizer::lex(const QString& file, int line, const QString& text, bool* inComment)
{
    std::vector<RcToken> out;
    int i = 0;
    const int n = text.size();
    auto make = [&](RcToken::Type type) {
        RcToken t;
        t.type = type;
        t.file = file;
        t.line = line;
        return t;
    };
    while (i < n) {
        if (*inComment) {
            int end = text.indexOf(QLatin1String("*/"), i);
            if (end < 0)
                return out;
            *inComment = false;
            i = end + 2;
            continue;
        }
        QChar c = text[i];
        if (c.isSpace()) {
            ++i;
        } else if (text.mid(i, 2) == QLatin1String("//")) {
            break;
        } else if (text.mid(i, 2) == QLatin1String("/*")) {
            *inComment = true;
            i += 2;
        } else if (c == QLatin1Char('"')) {
            out.push_back(lexString(file, line, text, &i));
        } else if (c.isDigit()) {
            int start = i;
            while (i < n && (text[i].isLetterOrNumber()))
                ++i;
            QString num = text.mid(start, i - start);
            while (num.endsWith(QLatin1Char('L'), Qt::CaseInsensitive) || num.endsWith(QLatin1Char('U'), Qt::CaseInsensitive))
                num.chop(1);
            bool ok = false;
            RcToken t = make(RcToken::Number);
            t.value = (long)num.toLongLong(&ok, 0);
            if (!ok)
                t.value = (long)num.toULongLong(&ok, 0);
            if (!ok)
                error(file, line, QStringLiteral("bad number %1").arg(num));
            t.text = num;
            out.push_back(t);
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            int start = i;
            while (i < n && (text[i].isLetterOrNumber() || text[i] == QLatin1Char('_')))
                ++i;
            RcToken t = make(RcToken::Ident);
            t.text = text.mid(start, i - start);
            out.push_back(t);
        } else {
            RcToken t = make(RcToken::Punct);
            t.text = c;
            out.push_back(t);
            ++i;
        }
    }
    return out;
}
