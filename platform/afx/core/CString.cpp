#include "CString.h"

#include <QHash>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <ostream>
#include <stdexcept>

namespace {

QString fromByte(char c)
{
    // A lone byte is a character only below 0x80; above it is taken as Latin-1
    // rather than dropped, so nothing is lost silently.
    return QString(QChar(static_cast<unsigned char>(c)));
}

QString utf8(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}

bool isCSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || (u >= '\t' && u <= '\r');
}

CString::ResourceLoader& resourceLoader()
{
    static CString::ResourceLoader loader;
    return loader;
}

} // namespace

CString::CString(const char* text) : m_text(utf8(text)) {}

CString::CString(const char* text, int bytes)
    : m_text(text ? QString::fromUtf8(text, std::max(bytes, 0)) : QString())
{
}

CString::CString(char c) : m_text(fromByte(c)) {}

CString::CString(char c, int count) : m_text(fromByte(c).repeated(std::max(count, 0))) {}

CString::CString(XCHAR c) : m_text(QChar(c)) {}

CString::CString(XCHAR c, int count) : m_text(std::max(count, 0), QChar(c)) {}

CString::CString(const QString& text) : m_text(text) {}

CString::CString(const std::string& text)
    : m_text(QString::fromUtf8(text.data(), qsizetype(text.size())))
{
}

CString::CString(const CString& other) : m_text(other.m_text)
{
    if (other.utf8Fresh()) {
        m_utf8 = other.m_utf8;
        m_utf8Fresh.store(true, std::memory_order_relaxed);
    }
}

CString::CString(CString&& other) noexcept
    : m_text(std::move(other.m_text)), m_utf8(std::move(other.m_utf8)),
      m_utf8Fresh(other.m_utf8Fresh.load(std::memory_order_relaxed))
{
    other.m_text.clear();
    other.changed();
}

CString& CString::operator=(const CString& other)
{
    if (this != &other) {
        m_text = other.m_text;
        const bool fresh = other.utf8Fresh();
        if (fresh)
            m_utf8 = other.m_utf8;
        m_utf8Fresh.store(fresh, std::memory_order_relaxed);
    }
    return *this;
}

CString& CString::operator=(CString&& other) noexcept
{
    if (this != &other) {
        m_text = std::move(other.m_text);
        m_utf8 = std::move(other.m_utf8);
        m_utf8Fresh.store(other.m_utf8Fresh.load(std::memory_order_relaxed), std::memory_order_relaxed);
        other.m_text.clear();
        other.changed();
    }
    return *this;
}

namespace {

// The locks under which the UTF-8 forms are built: a few shared by all
// strings, chosen by the string's address.
std::mutex& Utf8Lock(const void* text)
{
    static std::mutex locks[64];
    return locks[(reinterpret_cast<std::uintptr_t>(text) >> 4) % 64];
}

} // namespace

const char* CString::GetString() const
{
    if (!utf8Fresh()) {
        std::lock_guard lock(Utf8Lock(this));
        if (!m_utf8Fresh.load(std::memory_order_relaxed)) {
            m_utf8 = m_text.toUtf8();
            m_utf8Fresh.store(true, std::memory_order_release);
        }
    }
    return m_utf8.constData();
}

std::string CString::ToStdString() const
{
    GetString();
    return std::string(m_utf8.constData(), size_t(m_utf8.size()));
}

void CString::Empty()
{
    m_text.clear();
    changed();
}

CString::XCHAR CString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength())
        throw std::out_of_range("CString: character " + std::to_string(index) + " of "
                                + std::to_string(GetLength()));
    return m_text.at(index).unicode();
}

void CString::SetAt(int index, XCHAR c)
{
    GetAt(index); // range check
    m_text[index] = QChar(c);
    changed();
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_text.mid(first, count));
}

CString CString::Left(int count) const
{
    return CString(m_text.left(std::max(count, 0)));
}

CString CString::Right(int count) const
{
    return CString(m_text.right(std::max(count, 0)));
}

CString CString::SpanIncluding(const char* chars) const
{
    const QString set = utf8(chars);
    int n = 0;
    while (n < GetLength() && set.contains(m_text.at(n)))
        ++n;
    return Left(n);
}

CString CString::SpanExcluding(const char* chars) const
{
    const QString set = utf8(chars);
    int n = 0;
    while (n < GetLength() && !set.contains(m_text.at(n)))
        ++n;
    return Left(n);
}

CString CString::Tokenize(const char* delimiters, int& start) const
{
    const QString set = utf8(delimiters);
    if (start >= 0) {
        int from = start;
        while (from < GetLength() && set.contains(m_text.at(from)))
            ++from;
        if (from < GetLength()) {
            int end = from;
            while (end < GetLength() && !set.contains(m_text.at(end)))
                ++end;
            start = end + 1;
            return Mid(from, end - from);
        }
    }
    start = -1;
    return CString();
}

int CString::Find(char c, int start) const
{
    return Find(XCHAR(static_cast<unsigned char>(c)), start);
}

int CString::Find(XCHAR c, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    return int(m_text.indexOf(QChar(c), start));
}

int CString::Find(const char* text, int start) const
{
    if (start < 0 || start > GetLength() || !text)
        return -1;
    return int(m_text.indexOf(QString::fromUtf8(text), start));
}

int CString::ReverseFind(char c) const
{
    return ReverseFind(XCHAR(static_cast<unsigned char>(c)));
}

int CString::ReverseFind(XCHAR c) const
{
    return int(m_text.lastIndexOf(QChar(c)));
}

int CString::FindOneOf(const char* chars) const
{
    const QString set = utf8(chars);
    for (int i = 0; i < GetLength(); ++i)
        if (set.contains(m_text.at(i)))
            return i;
    return -1;
}

int CString::Replace(char from, char to)
{
    return Replace(XCHAR(static_cast<unsigned char>(from)), XCHAR(static_cast<unsigned char>(to)));
}

int CString::Replace(XCHAR from, XCHAR to)
{
    const int count = int(m_text.count(QChar(from)));
    if (count) {
        m_text.replace(QChar(from), QChar(to));
        changed();
    }
    return count;
}

int CString::Replace(const char* from, const char* to)
{
    const QString what = utf8(from);
    if (what.isEmpty())
        return 0;
    const int count = int(m_text.count(what));
    if (count) {
        m_text.replace(what, utf8(to));
        changed();
    }
    return count;
}

int CString::Remove(char c)
{
    return Remove(XCHAR(static_cast<unsigned char>(c)));
}

int CString::Remove(XCHAR c)
{
    const int before = GetLength();
    m_text.remove(QChar(c));
    changed();
    return before - GetLength();
}

int CString::Insert(int index, char c)
{
    return Insert(index, XCHAR(static_cast<unsigned char>(c)));
}

int CString::Insert(int index, XCHAR c)
{
    m_text.insert(std::clamp(index, 0, GetLength()), QChar(c));
    changed();
    return GetLength();
}

int CString::Insert(int index, const char* text)
{
    m_text.insert(std::clamp(index, 0, GetLength()), utf8(text));
    changed();
    return GetLength();
}

int CString::Delete(int index, int count)
{
    index = std::max(index, 0);
    if (count > 0 && index < GetLength()) {
        m_text.remove(index, count);
        changed();
    }
    return GetLength();
}

void CString::Truncate(int length)
{
    m_text.truncate(std::max(length, 0));
    changed();
}

CString& CString::MakeUpper()
{
    m_text = m_text.toUpper();
    changed();
    return *this;
}

CString& CString::MakeLower()
{
    m_text = m_text.toLower();
    changed();
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_text.begin(), m_text.end());
    changed();
    return *this;
}

CString& CString::trim(const QString& chars, bool left, bool right, bool whitespace)
{
    auto strip = [&](QChar c) { return whitespace ? isCSpace(c) : chars.contains(c); };
    int begin = 0;
    int end = GetLength();
    if (left)
        while (begin < end && strip(m_text.at(begin)))
            ++begin;
    if (right)
        while (end > begin && strip(m_text.at(end - 1)))
            --end;
    if (begin > 0 || end < GetLength()) {
        m_text = m_text.mid(begin, end - begin);
        changed();
    }
    return *this;
}

CString& CString::Trim() { return trim({}, true, true, true); }
CString& CString::Trim(char c) { return trim(fromByte(c), true, true, false); }
CString& CString::Trim(const char* chars) { return trim(utf8(chars), true, true, false); }
CString& CString::TrimLeft() { return trim({}, true, false, true); }
CString& CString::TrimLeft(char c) { return trim(fromByte(c), true, false, false); }
CString& CString::TrimLeft(const char* chars) { return trim(utf8(chars), true, false, false); }
CString& CString::TrimRight() { return trim({}, false, true, true); }
CString& CString::TrimRight(char c) { return trim(fromByte(c), false, true, false); }
CString& CString::TrimRight(const char* chars) { return trim(utf8(chars), false, true, false); }

CString& CString::operator+=(const CString& text)
{
    appendText(text.m_text);
    return *this;
}

CString& CString::operator+=(const char* text)
{
    appendText(utf8(text));
    return *this;
}

CString& CString::operator+=(char c)
{
    appendText(fromByte(c));
    return *this;
}

CString& CString::operator+=(XCHAR c)
{
    appendText(QString(QChar(c)));
    return *this;
}

int CString::Compare(const char* other) const
{
    return sign(m_text.compare(utf8(other), Qt::CaseSensitive));
}

int CString::Compare(const CString& other) const
{
    return sign(m_text.compare(other.m_text, Qt::CaseSensitive));
}

int CString::CompareNoCase(const char* other) const
{
    return sign(m_text.compare(utf8(other), Qt::CaseInsensitive));
}

int CString::CompareNoCase(const CString& other) const
{
    return sign(m_text.compare(other.m_text, Qt::CaseInsensitive));
}

int CString::Collate(const char* other) const
{
    return sign(QString::localeAwareCompare(m_text, utf8(other)));
}

int CString::CollateNoCase(const char* other) const
{
    return sign(QString::localeAwareCompare(m_text.toLower(), utf8(other).toLower()));
}

char* CString::GetBuffer(int minBytes)
{
    m_buffer = m_text.toUtf8();
    if (m_buffer.size() < minBytes)
        m_buffer.append(minBytes - m_buffer.size(), '\0');
    return m_buffer.data(); // QByteArray keeps a zero after its last byte
}

char* CString::GetBufferSetLength(int bytes)
{
    GetBuffer(bytes);
    m_buffer.resize(std::max(bytes, 0));
    return m_buffer.data();
}

void CString::ReleaseBuffer(int bytes)
{
    const char* data = m_buffer.constData();
    const qsizetype size = m_buffer.size();
    const qsizetype used = bytes < 0 ? qsizetype(strnlen(data, size_t(size))) : std::min<qsizetype>(bytes, size);
    m_text = QString::fromUtf8(data, used);
    m_buffer = QByteArray();
    changed();
}

BOOL CString::LoadString(UINT id)
{
    QString text;
    if (!resourceLoader() || !resourceLoader()(id, text))
        return FALSE;
    assignText(text);
    return TRUE;
}

void CString::SetResourceLoader(ResourceLoader loader)
{
    resourceLoader() = std::move(loader);
}

void CString::assignText(const QString& text)
{
    m_text = text;
    changed();
}

void CString::appendText(const QString& text)
{
    m_text += text;
    changed();
}

CString operator+(const CString& a, const CString& b)
{
    return CString(a.ToQString() + b.ToQString());
}

CString operator+(const CString& a, const char* b)
{
    CString r(a);
    return r += b;
}

CString operator+(const char* a, const CString& b)
{
    CString r(a);
    return r += b;
}

CString operator+(const CString& a, char b)
{
    CString r(a);
    return r += b;
}

CString operator+(char a, const CString& b)
{
    CString r(a);
    return r += b;
}

CString operator+(const CString& a, CString::XCHAR b)
{
    CString r(a);
    return r += b;
}

CString operator+(CString::XCHAR a, const CString& b)
{
    CString r(a);
    return r += b;
}

bool operator==(const CString& a, const CString& b)
{
    return a.ToQString() == b.ToQString();
}

bool operator==(const CString& a, const char* b)
{
    return a.Compare(b) == 0;
}

std::strong_ordering operator<=>(const CString& a, const CString& b)
{
    return a.Compare(b) <=> 0;
}

std::strong_ordering operator<=>(const CString& a, const char* b)
{
    return a.Compare(b) <=> 0;
}

std::ostream& operator<<(std::ostream& out, const CString& text)
{
    return out << text.GetString();
}

size_t std::hash<CString>::operator()(const CString& text) const noexcept
{
    return qHash(text.ToQString());
}

UINT AfxCopyText(LPTSTR buffer, UINT size, const CString& text)
{
    if (!buffer || size == 0)
        return 0;
    const char* utf8 = text.GetString();
    UINT n = UINT(std::strlen(utf8));
    if (n >= size) {
        n = size - 1;
        while (n > 0 && (static_cast<unsigned char>(utf8[n]) & 0xC0) == 0x80)
            --n; // do not split a character
    }
    std::memcpy(buffer, utf8, n);
    buffer[n] = '\0';
    return n;
}
