#include "GridEnvironment.h"

#include <QDebug>

#include <string>

BOOL m_bRegOCXs = FALSE;
BOOL m_bPlayWavFiles = FALSE;

CString GetAppPath()
{
    return AfxGetProgramFolder();
}

CString GetProductVersion()
{
    return CString(VORNAL_PRODUCT_VERSION);
}

LONG RegCopyKey(HKEY source, HKEY destinationParent, LPCTSTR name)
{
    HKEY target = nullptr;
    DWORD disposition = 0;
    LONG result = RegCreateKeyEx(destinationParent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                 nullptr, &target, &disposition);
    if (result != ERROR_SUCCESS)
        return result;
    result = RegCopyTree(source, nullptr, target);
    RegCloseKey(target);
    if (result != ERROR_SUCCESS && disposition == REG_CREATED_NEW_KEY)
        RegDeleteTree(destinationParent, name);
    return result;
}

int WriteToFile(HANDLE file, const CString& text, LPCTSTR fileName, int codePage)
{
    const std::string bytes = codePage == 1 ? AfxToCodePage(text, "CP1251") : text.ToStdString();
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<size_t>(bytes.size() - done, 1u << 30));
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            qWarning("WriteToFile: writing %s failed (error %u)", fileName ? fileName : "",
                     unsigned(GetLastError()));
            return 0;
        }
        done += written;
    }
    return 1;
}
