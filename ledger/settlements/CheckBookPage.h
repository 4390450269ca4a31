// The printed cheque-book application (form 0510031) as an HTML page.
#pragma once
#include "CCheckBookRecord.h"

namespace nledmark {

// The page of the application from its fields. The employee's position and
// passport, the branch's name and head and the chief accountant are read
// from the database; every text is escaped, so it prints as typed.
CString CheckBookPage(const CCheckBookRecord& record);

// A text made safe inside an HTML page.
CString HtmlText(const CString& text);

} // namespace nledmark
