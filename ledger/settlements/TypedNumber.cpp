#include "TypedNumber.h"

#include "gridbase.h"
#include "ndbcore.h"

namespace nledmark {

CString TypedNumber(CString text)
{
    text.Replace(GetNumberDelimiter(), ".");
    text.Replace(",", ".");
    QString number;
    return NormalizeNumberText(text.ToQString(), number) ? CString(number) : CString();
}

} // namespace nledmark
