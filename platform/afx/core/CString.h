// CString: the text value of the whole suite.
//
// The text is Unicode (a QString inside) and every position and length counts
// characters, not bytes: GetLength, Mid, Find and MakeUpper work on Cyrillic as
// on Latin. A CString converts implicitly to `const char*` as UTF-8, so it passes
// wherever an LPCTSTR is taken; that pointer stays valid while the CString lives
// and is not changed. `const char*` input is read as UTF-8. The UTF-8 form is
// built on first demand, once, under a lock: several threads may read one
// CString at once (a shared text of the program read by a worker and by the
// user-interface thread); changing it while another thread reads it is not safe.
//
// A character of the text is XCHAR (char16_t): it compares with plain literals
// such as '-' and also holds Cyrillic letters (u'я').
//
// Format and AppendFormat are printf-style with checked arguments (AfxFormat.h):
// a wrong or missing argument throws CFormatException instead of misbehaving.
#pragma once

#include "AfxFormat.h"
#include "afx_types.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <compare>
#include <concepts>
#include <functional>
#include <iosfwd>
#include <string>

class CString {
public:
    typedef char16_t XCHAR;

    CString() = default;
    CString(const char* utf8);
    CString(const char* utf8, int bytes);
    CString(char c);
    CString(char c, int count);
    CString(XCHAR c);
    CString(XCHAR c, int count);
    CString(const QString& text);
    CString(const std::string& utf8);
    CString(const CString& other);
    CString(CString&& other) noexcept;
    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;

    // --- the text as other types -----------------------------------------------
    operator const char*() const { return GetString(); }
    const char* GetString() const;
    const QString& ToQString() const { return m_text; }
    std::string ToStdString() const;

    // --- size and characters ---------------------------------------------------
    int GetLength() const { return int(m_text.size()); }
    BOOL IsEmpty() const { return m_text.isEmpty(); }
    void Empty();
    XCHAR GetAt(int index) const;
    void SetAt(int index, XCHAR c);
    template <std::integral I>
    XCHAR operator[](I index) const { return GetAt(int(index)); }

    // --- pieces ----------------------------------------------------------------
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString SpanIncluding(const char* chars) const;
    CString SpanExcluding(const char* chars) const;
    // Next token after `start` separated by any of `delimiters`; `start` moves past
    // it, and becomes -1 (with an empty result) when no token is left.
    CString Tokenize(const char* delimiters, int& start) const;

    // --- search ----------------------------------------------------------------
    int Find(char c, int start = 0) const;
    int Find(XCHAR c, int start = 0) const;
    int Find(const char* text, int start = 0) const;
    int ReverseFind(char c) const;
    int ReverseFind(XCHAR c) const;
    int FindOneOf(const char* chars) const;

    // --- changes ---------------------------------------------------------------
    int Replace(char from, char to);
    int Replace(XCHAR from, XCHAR to);
    int Replace(const char* from, const char* to);
    int Remove(char c);
    int Remove(XCHAR c);
    int Insert(int index, char c);
    int Insert(int index, XCHAR c);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);
    void Truncate(int length);
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    CString& Trim();
    CString& Trim(char c);
    CString& Trim(const char* chars);
    CString& TrimLeft();
    CString& TrimLeft(char c);
    CString& TrimLeft(const char* chars);
    CString& TrimRight();
    CString& TrimRight(char c);
    CString& TrimRight(const char* chars);
    void Append(const CString& text) { *this += text; }
    void AppendChar(XCHAR c) { *this += c; }

    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    CString& operator+=(char c);
    CString& operator+=(XCHAR c);
    template <std::integral I>
        requires(!std::same_as<I, char> && !std::same_as<I, XCHAR>)
    CString& operator+=(I) = delete; // a number is not a character: format it

    // --- comparison ------------------------------------------------------------
    // Compare orders by character codes (the byte order of the UTF-8 form);
    // results are -1, 0 or 1.
    int Compare(const char* other) const;
    int Compare(const CString& other) const;
    int CompareNoCase(const char* other) const;
    int CompareNoCase(const CString& other) const;
    int Collate(const char* other) const;
    int CollateNoCase(const char* other) const;

    // --- printf-style formatting ---------------------------------------------
    template <class... A>
    void Format(const char* format, const A&... args)
    {
        assignText(AfxFormatQString(format, args...));
    }
    template <class... A>
    void AppendFormat(const char* format, const A&... args)
    {
        appendText(AfxFormatQString(format, args...));
    }

    // --- a UTF-8 buffer for C-style writers ------------------------------------
    // GetBuffer hands out the text as UTF-8 in a buffer of at least minBytes bytes
    // plus the terminating zero; ReleaseBuffer takes the buffer back up to its
    // first zero (or `bytes` bytes). The buffer lives until ReleaseBuffer.
    char* GetBuffer(int minBytes = 0);
    char* GetBufferSetLength(int bytes);
    void ReleaseBuffer(int bytes = -1);

    // --- string resources --------------------------------------------------------
    // LoadString asks the loader that the windows half installs (string tables of
    // the loaded deliverables); without one, or for an unknown id, it gives FALSE.
    BOOL LoadString(UINT id);
    using ResourceLoader = std::function<bool(UINT id, QString& text)>;
    static void SetResourceLoader(ResourceLoader loader);

private:
    void assignText(const QString& text);
    void appendText(const QString& text);
    void changed() { m_utf8Fresh.store(false, std::memory_order_relaxed); }
    // The UTF-8 form is fresh: m_utf8 is read, never written, until the next change.
    bool utf8Fresh() const { return m_utf8Fresh.load(std::memory_order_acquire); }
    CString& trim(const QString& chars, bool left, bool right, bool whitespace);

    QString m_text;
    mutable QByteArray m_utf8;
    mutable std::atomic<bool> m_utf8Fresh{false};
    QByteArray m_buffer;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);
CString operator+(const CString& a, CString::XCHAR b);
CString operator+(CString::XCHAR a, const CString& b);
// Adding a number to a CString would otherwise move the UTF-8 pointer.
template <std::integral I>
    requires(!std::same_as<I, char> && !std::same_as<I, CString::XCHAR>)
CString operator+(const CString&, I) = delete;

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
std::strong_ordering operator<=>(const CString& a, const CString& b);
std::strong_ordering operator<=>(const CString& a, const char* b);

std::ostream& operator<<(std::ostream& out, const CString& text);

// printf-style text with checked arguments, as CString::Format.
template <class... A>
CString FormatText(const char* format, const A&... args)
{
    return CString(AfxFormatQString(format, args...));
}

// Copies `text` into a C buffer of `size` bytes as UTF-8, cut at a whole
// character and always terminated; answers the number of bytes written.
UINT AfxCopyText(LPTSTR buffer, UINT size, const CString& text);

template <>
struct std::hash<CString> {
    size_t operator()(const CString& text) const noexcept;
};
