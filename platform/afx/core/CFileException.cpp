#include "CFileException.h"

#include <cerrno>

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG osError, LPCTSTR fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName)
{
}

int CFileException::ErrnoToException(int error)
{
    switch (error) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR: case ENAMETOOLONG: case ELOOP: case EINVAL: return badPath;
    case EMFILE: case ENFILE: return tooManyOpenFiles;
    case EACCES: case EPERM: case EROFS: case EISDIR: return accessDenied;
    case EBADF: return invalidFile;
    case EBUSY: case ETXTBSY: return sharingViolation;
    case ENOSPC: case EDQUOT: case EFBIG: return diskFull;
    case ESPIPE: case EOVERFLOW: return badSeek;
    case EIO: return hardIO;
    default: return genericException;
    }
}

void CFileException::ThrowErrno(int error, LPCTSTR fileName)
{
    throw new CFileException(ErrnoToException(error), error, fileName);
}

CString CFileException::ErrorText() const
{
    const char* format = nullptr;
    switch (m_cause) {
    case none: return CString();
    case fileNotFound: format = "Файл %s не найден."; break;
    case badPath: format = "Неверный путь к файлу %s."; break;
    case tooManyOpenFiles: format = "Открыто слишком много файлов (%s)."; break;
    case accessDenied: format = "Нет доступа к файлу %s."; break;
    case invalidFile: format = "Файл %s не открыт."; break;
    case removeCurrentDir: format = "Нельзя удалить текущую папку %s."; break;
    case directoryFull: format = "Папка переполнена (%s)."; break;
    case badSeek: format = "Ошибка позиционирования в файле %s."; break;
    case hardIO: format = "Ошибка ввода-вывода при работе с файлом %s."; break;
    case sharingViolation: format = "Файл %s занят другой программой."; break;
    case lockViolation: format = "Файл %s заблокирован."; break;
    case diskFull: format = "Недостаточно места на диске для файла %s."; break;
    case endOfFile: format = "Неожиданный конец файла %s."; break;
    default: format = "Ошибка при работе с файлом %s."; break;
    }
    return FormatText(format, m_strFileName);
}

void AfxThrowFileException(int cause, LONG osError, LPCTSTR fileName)
{
    throw new CFileException(cause, osError, fileName);
}
