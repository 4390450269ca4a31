// CHelpers: amounts in words and the SQL expressions of a posting's accounts.
#include "CHelpers.h"

#include "AmountInWords.h"
#include "ndbcore.h"

#include <cmath>

CString CHelpers::GetWrittenRubles(double amount, int countOnly)
{
    if (countOnly)
        return appcore::NumberInWords(std::llround(amount));
    return appcore::RublesInWords(amount);
}

CString CHelpers::GL_SqlDeb()
{
    return SqlConcat({"ledmark_provodki.deb0", "ledmark_provodki.deb1", "ledmark_provodki.deb2",
                      "ledmark_provodki.deb3"});
}

CString CHelpers::GL_SqlKred()
{
    return SqlConcat({"ledmark_provodki.kred0", "ledmark_provodki.kred1", "ledmark_provodki.kred2",
                      "ledmark_provodki.kred3"});
}
