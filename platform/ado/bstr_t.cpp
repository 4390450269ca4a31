#include "bstr_t.h"

#include "variant_t.h"

_bstr_t::_bstr_t(const char* utf8) : text_(QString::fromUtf8(utf8 ? utf8 : "")) {}

_bstr_t::_bstr_t(const std::string& utf8)
    : text_(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())))
{
}

_bstr_t::_bstr_t(const char16_t* text) : text_(text ? QString::fromUtf16(text) : QString()) {}

_bstr_t::_bstr_t(const wchar_t* text) : text_(text ? QString::fromWCharArray(text) : QString()) {}

_bstr_t::_bstr_t(const QString& text) : text_(text) {}

_bstr_t::_bstr_t(const _variant_t& value) : text_(value.text()) {}

_bstr_t::operator const char*() const
{
    utf8_ = text_.toUtf8();
    return utf8_.constData();
}

std::u16string _bstr_t::u16string() const
{
    return std::u16string(reinterpret_cast<const char16_t*>(text_.utf16()),
                          static_cast<std::size_t>(text_.size()));
}

_bstr_t& _bstr_t::operator+=(const _bstr_t& other)
{
    text_ += other.text_;
    return *this;
}

// Declared only as the class's friend, so the header's default visibility does not
// reach it: it is named here as exported, or no deliverable could call it.
__attribute__((visibility("default"))) _bstr_t operator+(const _bstr_t& a, const _bstr_t& b)
{
    return _bstr_t(a.text_ + b.text_);
}
