#include "RegistryTree.h"

#include "AfxRegistry.h"

#include <QList>

RegNode* RegNode::child(const QString& childName) const
{
    const auto it = m_keys.find(fold(childName));
    return it == m_keys.end() ? nullptr : it->second.get();
}

RegNode* RegNode::addChild(const QString& childName)
{
    std::unique_ptr<RegNode>& slot = m_keys[fold(childName)];
    if (!slot) {
        slot = std::make_unique<RegNode>();
        slot->name = childName;
    }
    return slot.get();
}

bool RegNode::removeChild(const QString& childName)
{
    return m_keys.erase(fold(childName)) > 0;
}

RegNode* RegNode::find(const QStringList& path)
{
    RegNode* n = this;
    for (const QString& part : path)
        if (!(n = n->child(part)))
            return nullptr;
    return n;
}

RegNode* RegNode::make(const QStringList& path, bool* created)
{
    RegNode* n = this;
    bool any = false;
    for (const QString& part : path) {
        RegNode* next = n->child(part);
        if (!next) {
            next = n->addChild(part);
            any = true;
        }
        n = next;
    }
    if (created)
        *created = any;
    return n;
}

const RegNode* RegNode::childAt(size_t index) const
{
    if (index >= m_keys.size())
        return nullptr;
    return std::next(m_keys.begin(), std::ptrdiff_t(index))->second.get();
}

const RegValue* RegNode::valueAt(size_t index) const
{
    if (index >= m_values.size())
        return nullptr;
    return &std::next(m_values.begin(), std::ptrdiff_t(index))->second;
}

const RegValue* RegNode::value(const QString& valueName) const
{
    const auto it = m_values.find(fold(valueName));
    return it == m_values.end() ? nullptr : &it->second;
}

void RegNode::setValue(const RegValue& v)
{
    m_values[fold(v.name)] = v;
}

bool RegNode::removeValue(const QString& valueName)
{
    return m_values.erase(fold(valueName)) > 0;
}

void RegNode::clear()
{
    m_keys.clear();
    m_values.clear();
}

void RegNode::copyInto(RegNode& target) const
{
    for (const auto& [folded, v] : m_values)
        target.setValue(v);
    for (const auto& [folded, k] : m_keys)
        k->copyInto(*target.addChild(k->name));
}

QStringList RegSplitPath(const QString& path)
{
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

namespace {

QByteArray quoted(const QString& text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out + '"';
}

QByteArray valueText(const RegValue& v)
{
    QByteArray line = v.name.isEmpty() ? QByteArray("@") : quoted(v.name);
    line += '=';
    if (v.type == REG_SZ)
        return line + quoted(QString::fromUtf8(v.data));
    if (v.type == REG_DWORD && v.data.size() == 4) {
        const auto* b = reinterpret_cast<const unsigned char*>(v.data.constData());
        const DWORD d = b[0] | b[1] << 8 | b[2] << 16 | DWORD(b[3]) << 24;
        return line + "dword:" + QByteArray::number(d, 16).rightJustified(8, '0');
    }
    line += v.type == REG_BINARY ? QByteArray("hex:") : "hex(" + QByteArray::number(v.type, 16) + "):";
    return line + v.data.toHex(',');
}

void write(const RegNode& node, const QString& path, QByteArray& out)
{
    if (!path.isEmpty())
        out += "\n[" + path.toUtf8() + "]\n";
    for (size_t i = 0; const RegValue* v = node.valueAt(i); ++i)
        out += valueText(*v) + '\n';
    for (size_t i = 0; const RegNode* k = node.childAt(i); ++i)
        write(*k, path.isEmpty() ? k->name : path + QLatin1Char('\\') + k->name, out);
}

// Reads a quoted text at `pos` (just after the opening quote); `pos` ends past the closing one.
bool unquote(const QByteArray& line, qsizetype& pos, QString& text)
{
    QByteArray bytes;
    while (pos < line.size()) {
        char c = line[pos++];
        if (c == '"') {
            text = QString::fromUtf8(bytes);
            return true;
        }
        if (c == '\\' && pos < line.size()) {
            c = line[pos++];
            c = c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        }
        bytes += c;
    }
    return false;
}

bool parseData(const QByteArray& data, RegValue& v)
{
    if (data.startsWith('"')) {
        qsizetype pos = 1;
        QString text;
        if (!unquote(data, pos, text))
            return false;
        v.type = REG_SZ;
        v.data = text.toUtf8();
        return true;
    }
    bool ok = false;
    if (data.startsWith("dword:")) {
        const DWORD d = DWORD(data.mid(6).toULong(&ok, 16));
        const char bytes[4] = {char(d), char(d >> 8), char(d >> 16), char(d >> 24)};
        v.type = REG_DWORD;
        v.data = QByteArray(bytes, 4);
        return ok;
    }
    const qsizetype colon = data.indexOf(':');
    if (data.startsWith("hex:")) {
        v.type = REG_BINARY;
    } else if (data.startsWith("hex(") && colon > 5) {
        v.type = DWORD(data.mid(4, colon - 5).toULong(&ok, 16));
        if (!ok)
            return false;
    } else {
        return false;
    }
    v.data = QByteArray::fromHex(data.mid(colon + 1));
    return true;
}

bool parseValue(const QByteArray& line, RegValue& v)
{
    qsizetype pos = 1;
    if (line.startsWith('@'))
        v.name.clear();
    else if (!line.startsWith('"') || !unquote(line, pos, v.name))
        return false;
    if (pos >= line.size() || line[pos] != '=')
        return false;
    return parseData(line.mid(pos + 1), v);
}

} // namespace

QByteArray RegTreeToText(const RegNode& root)
{
    QByteArray out = "; Vornal profile store. Keys are [paths]; values are \"name\"=\"text\", "
                     "\"name\"=dword:hex or \"name\"=hex:bytes.\n";
    write(root, QString(), out);
    return out;
}

std::unique_ptr<RegNode> RegTreeFromText(const QByteArray& text)
{
    auto root = std::make_unique<RegNode>();
    RegNode* current = root.get();
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            current = root->make(RegSplitPath(QString::fromUtf8(line.mid(1, line.size() - 2))));
            continue;
        }
        RegValue v;
        if (parseValue(line, v))
            current->setValue(v);
    }
    return root;
}
