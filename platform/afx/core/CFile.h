// CFile: an unbuffered binary file. Names may be written the Windows way
// (AfxNativePath). Failures throw CFileException* (Open reports them instead).
// Sharing modes are accepted and not enforced: a file another process writes is
// replaced atomically by its writer where that matters (the profile store).
#pragma once

#include "CObject.h"
#include "CString.h"

class CFileException;

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    CFile(LPCTSTR fileName, UINT openFlags); // throws CFileException*
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE on failure, with the cause in `error` when given.
    virtual BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* error = nullptr);
    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    virtual ULONGLONG Seek(LONGLONG offset, UINT from);
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    void SeekToBegin() { Seek(0, begin); }
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG length);
    virtual ULONGLONG GetPosition() const;
    // Hands what was written to the system (the file keeps no buffer of its own).
    virtual void Flush();
    virtual void Close();
    // Closes without throwing.
    virtual void Abort();
    BOOL IsOpen() const { return m_fd >= 0; }

    CString GetFileName() const;  // "report.html"
    CString GetFileTitle() const; // "report"
    CString GetFilePath() const { return m_path; }

    static void Rename(LPCTSTR oldName, LPCTSTR newName);
    static void Remove(LPCTSTR fileName);

private:
    [[noreturn]] void fail(int error) const;

    int m_fd = -1;
    CString m_path;
};
