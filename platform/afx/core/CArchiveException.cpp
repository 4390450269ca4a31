#include "CArchiveException.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCTSTR archiveName)
    : m_cause(cause), m_strFileName(archiveName)
{
}

CString CArchiveException::ErrorText() const
{
    const char* format = nullptr;
    switch (m_cause) {
    case none: return CString();
    case readOnly: format = "Архив %s открыт только для чтения."; break;
    case endOfFile: format = "Неожиданный конец архива %s."; break;
    case writeOnly: format = "Архив %s открыт только для записи."; break;
    case badIndex: format = "Архив %s повреждён."; break;
    case badClass: format = "Архив %s содержит объект неизвестного класса."; break;
    case badSchema: format = "Архив %s записан другой версией программы."; break;
    default: format = "Ошибка чтения или записи архива %s."; break;
    }
    return FormatText(format, m_strFileName);
}

void AfxThrowArchiveException(int cause, LPCTSTR archiveName)
{
    throw new CArchiveException(cause, archiveName);
}
