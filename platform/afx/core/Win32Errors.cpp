#include "Win32Errors.h"

#include "CException.h"
#include "CString.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {
thread_local DWORD lastError = ERROR_SUCCESS;

const char* messageOf(DWORD code)
{
    switch (code) {
    case ERROR_SUCCESS: return "Операция успешно завершена.";
    case ERROR_FILE_NOT_FOUND: return "Не удается найти указанный файл.";
    case ERROR_PATH_NOT_FOUND: return "Не удается найти указанный путь.";
    case ERROR_TOO_MANY_OPEN_FILES: return "Открыто слишком много файлов.";
    case ERROR_ACCESS_DENIED: return "Отказано в доступе.";
    case ERROR_INVALID_HANDLE: return "Неверный дескриптор.";
    case ERROR_NOT_SAME_DEVICE: return "Файл нельзя переместить на другой диск.";
    case ERROR_NO_MORE_FILES: return "Больше файлов нет.";
    case ERROR_SHARING_VIOLATION: return "Файл занят другим процессом.";
    case ERROR_FILE_EXISTS: return "Файл существует.";
    case ERROR_INVALID_PARAMETER: return "Параметр задан неверно.";
    case ERROR_DISK_FULL: return "Недостаточно места на диске.";
    case ERROR_INSUFFICIENT_BUFFER: return "Буфер слишком мал.";
    case ERROR_INVALID_NAME: return "Неверное имя файла, папки или метки тома.";
    case ERROR_DIR_NOT_EMPTY: return "Папка не пуста.";
    case ERROR_ALREADY_EXISTS: return "Невозможно создать файл, так как он уже существует.";
    case ERROR_FILENAME_EXCED_RANGE: return "Слишком длинное имя файла.";
    default: return nullptr;
    }
}
} // namespace

DWORD GetLastError()
{
    return lastError;
}

void SetLastError(DWORD error)
{
    lastError = error;
}

DWORD AfxErrnoToWin32(int error)
{
    switch (error) {
    case 0: return ERROR_SUCCESS;
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES: case EPERM: case EROFS: case EISDIR: return ERROR_ACCESS_DENIED;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case ENOSPC: case EDQUOT: return ERROR_DISK_FULL;
    case EMFILE: case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case EBADF: return ERROR_INVALID_HANDLE;
    case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
    case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
    case EINVAL: return ERROR_INVALID_PARAMETER;
    case EBUSY: case ETXTBSY: return ERROR_SHARING_VIOLATION;
    case EXDEV: return ERROR_NOT_SAME_DEVICE;
    default: return ERROR_GEN_FAILURE;
    }
}

BOOL AfxFailWithErrno()
{
    SetLastError(AfxErrnoToWin32(errno));
    return FALSE;
}

DWORD FormatMessage(DWORD flags, const void*, DWORD messageId, DWORD, LPTSTR buffer, DWORD size, void*)
{
    if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM) || !buffer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const char* known = messageOf(messageId);
    const CString text = (known ? CString(known) : FormatText("Ошибка %u.", messageId)) + "\r\n";
    if (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
        const size_t n = std::strlen(text);
        char* copy = static_cast<char*>(std::malloc(n + 1));
        if (!copy) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return 0;
        }
        std::memcpy(copy, text.GetString(), n + 1);
        *reinterpret_cast<char**>(buffer) = copy;
        return DWORD(n);
    }
    if (std::strlen(text) + 1 > size) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    return AfxCopyText(buffer, size, text);
}

HLOCAL LocalFree(HLOCAL memory)
{
    std::free(memory);
    return nullptr;
}
