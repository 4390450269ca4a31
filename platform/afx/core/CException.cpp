#include "CException.h"

#include <cstdio>
#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)

namespace {

CException::Reporter& reporter()
{
    static CException::Reporter r;
    return r;
}

} // namespace

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR buffer, UINT maxBytes, UINT* helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    const CString text = ErrorText();
    AfxCopyText(buffer, maxBytes, text);
    return text.IsEmpty() ? FALSE : TRUE;
}

int CException::ReportError(UINT type, UINT messageId) const
{
    CString text = ErrorText();
    if (text.IsEmpty() && !(messageId && text.LoadString(messageId)))
        text = "Произошла непредвиденная ошибка.";
    if (reporter())
        return reporter()(text, type);
    std::fprintf(stderr, "%s\n", text.GetString());
    return 1; // IDOK
}

void CException::SetReporter(Reporter r)
{
    reporter() = std::move(r);
}
