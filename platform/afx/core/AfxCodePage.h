// Text in a Windows code page, for the files that leave or enter the system in
// one (bank files in CP1251, DOS texts in CP866). Inside, text is Unicode.
#pragma once

#include "CString.h"

#include <string>

// `text` in the code page (e.g. "CP1251", "CP866"); a character the code page
// lacks becomes "?". Throws std::invalid_argument for an unknown code page.
std::string AfxToCodePage(const CString& text, const char* codePage = "CP1251");
// Bytes in the code page as text; bytes that do not decode become U+FFFD.
CString AfxFromCodePage(const std::string& bytes, const char* codePage = "CP1251");
