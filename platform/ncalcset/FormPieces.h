// Small HTML pieces that printed forms place unchanged into their pages.
#pragma once

#include "afx.h"

// The form-code block printed in the top right corner of a page: `form` is the
// form number ("434" prints "Форма № 434"), `code` the OKUD code ("0504234"
// prints a "Коды" box with "Форма по ОКУД"); `unused` is not read. Empty or
// null parts are left out; with neither the text is empty.
CString GetOKUD(const char* form, const char* unused, const char* code);
