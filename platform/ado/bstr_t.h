// _bstr_t: a text value of the ADO subset. Unicode inside (a QString), so
// Cyrillic keeps its characters; it hands out UTF-8 where a const char* is taken.
#pragma once
#include <QByteArray>
#include <QString>
#include <string>

class _variant_t;

class _bstr_t {
public:
    _bstr_t() = default;
    _bstr_t(const char* utf8);
    _bstr_t(const std::string& utf8);
    _bstr_t(const char16_t* text);
    _bstr_t(const wchar_t* text);
    _bstr_t(const QString& text);
    _bstr_t(const _variant_t& value);   // the value's text form

    // UTF-8, valid while this object lives and is not changed.
    operator const char*() const;
    const char* c_str() const { return *this; }
    const QString& qstring() const { return text_; }
    std::u16string u16string() const;

    unsigned int length() const { return static_cast<unsigned int>(text_.size()); }
    bool operator!() const { return text_.isEmpty(); }

    _bstr_t& operator+=(const _bstr_t& other);
    friend _bstr_t operator+(const _bstr_t& a, const _bstr_t& b);
    friend bool operator==(const _bstr_t& a, const _bstr_t& b) { return a.text_ == b.text_; }
    friend bool operator<(const _bstr_t& a, const _bstr_t& b) { return a.text_ < b.text_; }

private:
    QString text_;
    mutable QByteArray utf8_;
};
