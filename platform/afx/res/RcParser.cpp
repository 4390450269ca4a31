#include "res/RcParser.h"
#include "res/RcControlKinds.h"
#include "res/RcSymbols.h"
#include "wnd/AfxMessages.h"
#include "wnd/AfxStyles.h"

namespace {

const char* const kSkippedTypes[] = { "ACCELERATORS", "VERSIONINFO", "TEXTINCLUDE", "DESIGNINFO", "DLGINIT",
                                      "AFX_DIALOG_LAYOUT" };
const char* const kPictureTypes[] = { "BITMAP", "ICON", "PNG", "CURSOR" };
const char* const kMemoryFlags[] = { "DISCARDABLE", "MOVEABLE", "FIXED", "PURE", "IMPURE", "PRELOAD", "LOADONCALL" };

bool isOneOf(const QString& w, const char* const* list, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        if (w == QLatin1String(list[i]))
            return true;
    }
    return false;
}

} // namespace

void RcParser::parse(const std::vector<RcToken>& tokens)
{
    m_toks = &tokens;
    m_pos = 0;
    while (peek().type != RcToken::End) {
        size_t start = m_pos;
        try {
            statement();
        } catch (Fail&) {
            recover(start);
        }
    }
}

bool RcParser::startsStatement() const
{
    static const char* const kTypes[] = { "DIALOG", "DIALOGEX", "MENU", "MENUEX", "TOOLBAR", "BITMAP", "ICON",
                                          "PNG", "CURSOR", "ACCELERATORS", "VERSIONINFO", "TEXTINCLUDE" };
    if (isWord("STRINGTABLE") || isWord("LANGUAGE"))
        return true;
    if (peek().type != RcToken::Number && peek().type != RcToken::Ident)
        return false;
    return peek(1).type == RcToken::Ident && isOneOf(peek(1).text.toUpper(), kTypes, std::size(kTypes));
}

// After an error: skip the rest of the broken resource, up to the END that
// closes its block or the next statement, so one mistake gives one message.
void RcParser::recover(size_t start)
{
    int depth = 0;
    if (m_pos == start)
        ++m_pos;
    for (size_t i = start; i < m_pos; ++i) {
        const RcToken& t = (*m_toks)[i];
        bool begin = (t.type == RcToken::Ident && t.text.compare(QLatin1String("BEGIN"), Qt::CaseInsensitive) == 0)
            || (t.type == RcToken::Punct && t.text == QLatin1String("{"));
        bool end = (t.type == RcToken::Ident && t.text.compare(QLatin1String("END"), Qt::CaseInsensitive) == 0)
            || (t.type == RcToken::Punct && t.text == QLatin1String("}"));
        depth += begin ? 1 : (end ? -1 : 0);
    }
    while (peek().type != RcToken::End) {
        if (depth <= 0 && startsStatement())
            return;
        if (isBegin())
            ++depth;
        else if (isEnd() && --depth <= 0) {
            next();
            return;
        }
        next();
    }
}

const RcToken& RcParser::peek(int ahead) const
{
    size_t at = qMin(m_pos + ahead, m_toks->size() - 1);
    return (*m_toks)[at];
}

const RcToken& RcParser::next()
{
    const RcToken& t = peek();
    if (m_pos + 1 < m_toks->size())
        ++m_pos;
    return t;
}

bool RcParser::isWord(const char* w, int ahead) const
{
    return peek(ahead).type == RcToken::Ident && peek(ahead).text.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
}

bool RcParser::isPunct(const char* p, int ahead) const
{
    return peek(ahead).type == RcToken::Punct && peek(ahead).text == QLatin1String(p);
}

void RcParser::expectPunct(const char* p)
{
    if (!isPunct(p))
        fail(QStringLiteral("expected \"%1\"").arg(QLatin1String(p)));
    next();
}

bool RcParser::acceptComma()
{
    if (!isPunct(","))
        return false;
    next();
    return true;
}

void RcParser::fail(const QString& text)
{
    const RcToken& t = peek();
    m_errors << QStringLiteral("%1:%2: %3 (at \"%4\")").arg(t.file).arg(t.line).arg(text, t.text);
    throw Fail();
}

bool RcParser::resolve(const QString& name, long* value, int depth) const
{
    auto it = m_s.defines.constFind(name);
    if (it != m_s.defines.constEnd() && depth < 16) {
        // A define is a number, a name, or a simple sum in parentheses.
        long sum = 0;
        int sign = 1;
        bool any = false;
        for (const RcToken& t : *it) {
            if (t.type == RcToken::Number) {
                sum += sign * t.value;
                any = true;
            } else if (t.type == RcToken::Ident) {
                long v = 0;
                if (!resolve(t.text, &v, depth + 1))
                    return false;
                sum += sign * v;
                any = true;
            } else if (t.text == QLatin1String("-")) {
                sign = -1;
                continue;
            } else if (t.text == QLatin1String("|")) {
                continue;
            }
            sign = 1;
        }
        *value = sum;
        return any;
    }
    const auto& builtin = RcBuiltinSymbols();
    auto b = builtin.constFind(name);
    if (b == builtin.constEnd())
        return false;
    *value = *b;
    return true;
}

QString RcParser::key(const RcToken& t)
{
    if (t.type == RcToken::Number)
        return QString::number((UINT)(WORD)t.value);
    long v = 0;
    if (t.type == RcToken::Ident && resolve(t.text, &v))
        return QString::number((UINT)(WORD)v);
    return t.text.toUpper();
}

QString RcParser::resourceKey()
{
    const RcToken& t = next();
    if (t.type != RcToken::Number && t.type != RcToken::Ident && t.type != RcToken::String)
        fail(QStringLiteral("expected a resource id"));
    return key(t);
}

long RcParser::term()
{
    if (isPunct("(")) {
        next();
        long v = number();
        expectPunct(")");
        return v;
    }
    if (isPunct("-")) {
        next();
        return -term();
    }
    if (isPunct("~")) {
        next();
        return ~term();
    }
    const RcToken& t = next();
    if (t.type == RcToken::Number)
        return t.value;
    long v = 0;
    if (t.type == RcToken::Ident && resolve(t.text, &v))
        return v;
    --m_pos;
    fail(QStringLiteral("unknown name or number"));
}

long RcParser::number()
{
    long v = term();
    while (isPunct("|") || isPunct("+") || isPunct("-")) {
        QString op = next().text;
        long r = term();
        v = op == QLatin1String("|") ? (v | r) : (op == QLatin1String("+") ? v + r : v - r);
    }
    return v;
}

long RcParser::style(long base)
{
    long v = base;
    do {
        if (isWord("NOT")) {
            next();
            v &= ~term();
        } else {
            v |= term();
        }
    } while ((isPunct("|") || isPunct("+")) && (next(), true));
    return v;
}

CString RcParser::text()
{
    const RcToken& t = next();
    if (t.type == RcToken::String)
        return CString(t.text.toUtf8().constData());
    if (t.type == RcToken::Number)
        return CString(QString::number(t.value).toUtf8().constData());
    if (t.type == RcToken::Ident)
        return CString(key(t).toUtf8().constData());
    --m_pos;
    fail(QStringLiteral("expected a text"));
}

// LANGUAGE names its language with words of the Windows headers; the
// resources are taken whatever the language.
void RcParser::skipLine()
{
    int line = peek().line;
    QString file = peek().file;
    while (peek().type != RcToken::End && peek().line == line && peek().file == file)
        next();
}

bool RcParser::isBegin() const { return isWord("BEGIN") || isPunct("{"); }
bool RcParser::isEnd() const { return isWord("END") || isPunct("}"); }

void RcParser::skipMemoryFlags()
{
    while (peek().type == RcToken::Ident && isOneOf(peek().text.toUpper(), kMemoryFlags, std::size(kMemoryFlags)))
        next();
}

void RcParser::skipBlock()
{
    while (!isBegin()) {
        if (peek().type == RcToken::End)
            fail(QStringLiteral("expected BEGIN"));
        next();
    }
    int depth = 0;
    do {
        if (isBegin())
            ++depth;
        else if (isEnd())
            --depth;
        if (peek().type == RcToken::End)
            fail(QStringLiteral("missing END"));
        next();
    } while (depth > 0);
}

void RcParser::statement()
{
    if (isWord("STRINGTABLE")) {
        next();
        stringTable();
        return;
    }
    if (isWord("LANGUAGE")) {
        skipLine();
        return;
    }
    const RcToken& nameTok = next();
    if (nameTok.type != RcToken::Number && nameTok.type != RcToken::Ident)
        fail(QStringLiteral("expected a resource id"));
    QString name = key(nameTok);
    if (peek().type != RcToken::Ident)
        fail(QStringLiteral("expected a resource type"));
    QString type = next().text.toUpper();
    if (type == QLatin1String("DIALOG") || type == QLatin1String("DIALOGEX"))
        dialog(name, type == QLatin1String("DIALOGEX"));
    else if (type == QLatin1String("MENU") || type == QLatin1String("MENUEX"))
        menu(name);
    else if (type == QLatin1String("TOOLBAR"))
        toolbar(name);
    else if (isOneOf(type, kSkippedTypes, std::size(kSkippedTypes)))
        skipBlock();
    else
        fileResource(type, name);
}

void RcParser::stringTable()
{
    skipMemoryFlags();
    while (!isBegin()) {
        if (peek().type == RcToken::End)
            fail(QStringLiteral("expected BEGIN"));
        next();  // LANGUAGE and other options
    }
    next();
    while (!isEnd()) {
        long id = number();
        acceptComma();
        if (peek().type != RcToken::String)
            fail(QStringLiteral("expected the string of id %1").arg(id));
        QString value = next().text;
        while (peek().type == RcToken::String)  // adjacent strings join
            value += next().text;
        m_s.strings[(UINT)(WORD)id] = CString(value.toUtf8().constData());
    }
    next();
}

void RcParser::dialog(const QString& name, bool ex)
{
    AfxDlgTemplate d;
    d.name = name;
    skipMemoryFlags();
    d.x = (int)number();
    expectPunct(",");
    d.y = (int)number();
    expectPunct(",");
    d.cx = (int)number();
    expectPunct(",");
    d.cy = (int)number();
    if (ex && acceptComma())
        number();  // help id
    d.style = WS_POPUP | WS_BORDER | WS_SYSMENU;
    while (!isBegin())
        dialogOption(d);
    next();
    while (!isEnd())
        control(d);
    next();
    m_s.dialogs[name] = d;
}

void RcParser::dialogOption(AfxDlgTemplate& d)
{
    if (peek().type != RcToken::Ident)
        fail(QStringLiteral("expected a dialog option or BEGIN"));
    QString word = next().text.toUpper();
    if (word == QLatin1String("STYLE")) {
        d.style = (DWORD)style(0);
    } else if (word == QLatin1String("EXSTYLE")) {
        d.exStyle = (DWORD)style(0);
    } else if (word == QLatin1String("CAPTION")) {
        d.caption = text();
    } else if (word == QLatin1String("FONT")) {
        d.fontSize = (int)number();
        expectPunct(",");
        d.fontFace = text();
        if (acceptComma()) {
            d.fontWeight = (int)number();
            if (acceptComma()) {
                d.fontItalic = number() != 0;
                if (acceptComma())
                    number();
            }
        }
    } else if (word == QLatin1String("MENU")) {
        d.menu = text();
    } else if (word == QLatin1String("CLASS")) {
        text();
    } else if (word == QLatin1String("LANGUAGE")) {
        --m_pos;
        skipLine();
    } else if (word == QLatin1String("CHARACTERISTICS") || word == QLatin1String("VERSION")) {
        number();
    } else {
        --m_pos;
        fail(QStringLiteral("unknown dialog option"));
    }
}

void RcParser::control(AfxDlgTemplate& d)
{
    if (peek().type != RcToken::Ident)
        fail(QStringLiteral("expected a control statement"));
    QString word = next().text.toUpper();
    AfxDlgItemTemplate item;
    const long visible = WS_CHILD | WS_VISIBLE;
    if (word == QLatin1String("CONTROL")) {
        d.items.push_back(genericControl());
        return;
    }
    const RcControlKind* kind = RcFindControlKind(word);
    if (!kind) {
        --m_pos;
        fail(QStringLiteral("unknown control statement"));
    }
    item.className = kind->className;
    if (kind->hasText) {
        item.text = text();
        expectPunct(",");
    }
    item.id = (int)number();
    expectPunct(",");
    item.x = (int)number();
    expectPunct(",");
    item.y = (int)number();
    bool isIcon = word == QLatin1String("ICON");
    item.style = (DWORD)(kind->style | visible);
    if (!isIcon || isPunct(",")) {
        expectPunct(",");
        item.cx = (int)number();
        expectPunct(",");
        item.cy = (int)number();
        if (acceptComma()) {
            item.style = (DWORD)RcWithDefaultKind(*kind, style(RcWrittenStyleBase(*kind) | visible));
            if (acceptComma())
                item.exStyle = (DWORD)style(0);
        }
    }
    d.items.push_back(item);
}

// CONTROL text, id, class, style, x, y, cx, cy [, exstyle [, helpid]]
AfxDlgItemTemplate RcParser::genericControl()
{
    AfxDlgItemTemplate item;
    item.text = text();
    expectPunct(",");
    item.id = (int)number();
    expectPunct(",");
    item.className = text();
    expectPunct(",");
    item.style = (DWORD)style(WS_CHILD | WS_VISIBLE);
    expectPunct(",");
    item.x = (int)number();
    expectPunct(",");
    item.y = (int)number();
    expectPunct(",");
    item.cx = (int)number();
    expectPunct(",");
    item.cy = (int)number();
    if (acceptComma()) {
        item.exStyle = (DWORD)style(0);
        if (acceptComma())
            number();
    }
    return item;
}

void RcParser::menu(const QString& name)
{
    skipMemoryFlags();
    AfxMenuTemplate m;
    if (!isBegin())
        fail(QStringLiteral("expected BEGIN"));
    next();
    menuItems(m.items);
    m_s.menus[name] = m;
}

void RcParser::menuItems(std::vector<AfxMenuTemplateItem>& items)
{
    while (!isEnd()) {
        AfxMenuTemplateItem item;
        if (isWord("POPUP")) {
            next();
            item.text = text();
            item.flags = MF_POPUP;
            while (acceptComma())
                item.flags |= (UINT)term();
            if (!isBegin())
                fail(QStringLiteral("expected BEGIN"));
            next();
            menuItems(item.items);
        } else if (isWord("MENUITEM")) {
            next();
            if (isWord("SEPARATOR")) {
                next();
                item.flags = MF_SEPARATOR;
            } else {
                item.text = text();
                if (acceptComma())
                    item.id = (UINT)number();
                while (acceptComma() || (peek().type == RcToken::Ident && !isWord("MENUITEM") && !isWord("POPUP")
                                         && !isEnd())) {
                    QString flag = next().text.toUpper();
                    if (flag == QLatin1String("GRAYED")) item.flags |= MF_GRAYED;
                    else if (flag == QLatin1String("INACTIVE")) item.flags |= MF_DISABLED;
                    else if (flag == QLatin1String("CHECKED")) item.flags |= MF_CHECKED;
                    else if (flag == QLatin1String("MENUBREAK")) item.flags |= MF_MENUBREAK;
                    else if (flag == QLatin1String("HELP")) item.flags |= MF_HELP;
                }
            }
        } else {
            fail(QStringLiteral("expected MENUITEM or POPUP"));
        }
        items.push_back(item);
    }
    next();
}

void RcParser::toolbar(const QString& name)
{
    skipMemoryFlags();
    AfxToolbarTemplate t;
    t.cx = (int)number();
    expectPunct(",");
    t.cy = (int)number();
    if (!isBegin())
        fail(QStringLiteral("expected BEGIN"));
    next();
    while (!isEnd()) {
        if (isWord("SEPARATOR")) {
            next();
            t.buttons.push_back(0);
        } else if (isWord("BUTTON")) {
            next();
            t.buttons.push_back((UINT)number());
        } else {
            fail(QStringLiteral("expected BUTTON or SEPARATOR"));
        }
    }
    next();
    m_s.toolbars[name] = t;
}

void RcParser::fileResource(const QString& type, const QString& name)
{
    skipMemoryFlags();
    if (peek().type == RcToken::String) {
        QString path = next().text;
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (isOneOf(type, kPictureTypes, std::size(kPictureTypes)))
            m_s.pictures[name] = path;
        else
            m_s.customFiles[type + QLatin1Char('/') + name] = path;
        return;
    }
    if (!isBegin())
        fail(QStringLiteral("expected a file name or BEGIN"));
    next();
    AfxCustomResource res;
    while (!isEnd()) {
        const RcToken& t = next();
        if (t.type == RcToken::End)
            fail(QStringLiteral("missing END"));
        if (t.type == RcToken::Punct && t.text == QLatin1String(","))
            continue;
        long v = 0;
        if (t.type == RcToken::Number)
            res.items << QString::number(t.value);
        else if (t.type == RcToken::Ident && resolve(t.text, &v))
            res.items << QString::number(v);
        else
            res.items << t.text;
    }
    next();
    m_s.custom[type + QLatin1Char('/') + name] = res;
}
