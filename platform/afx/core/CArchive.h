// CArchive: typed binary reading and writing over a CFile, with a buffer.
//
// The format is this system's own, little-endian:
//   bool, char, BYTE: 1 byte; short, WORD: 2; int, UINT, LONG, DWORD, float: 4;
//   long, unsigned long, LONGLONG, ULONGLONG, double: 8;
//   CString: its UTF-8 length in bytes (4 bytes) and the UTF-8 bytes;
//   a count (WriteCount): 2 bytes, or 0xFFFF and 4 bytes when larger;
//   a CObject*: a 2-byte tag (0 null, 1 object), the class name as a CString,
//   the schema (4 bytes) and what the object's Serialize writes. Objects shared
//   by several pointers are written once per pointer.
// Reading past the end, reading a store archive or writing a load archive
// throws CArchiveException*.
#pragma once

#include "CObject.h"
#include "CString.h"

#include <vector>

class CFile;
class CDocument;

class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

    CArchive(CFile* file, UINT mode, int bufferSize = 4096, void* buffer = nullptr);
    // A store archive not yet closed writes its buffer (errors are dropped here:
    // call Close to see them).
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return m_loading; }
    BOOL IsStoring() const { return !m_loading; }
    CFile* GetFile() const { return m_file; }
    UINT GetObjectSchema() const { return m_schema; }

    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);
    void Flush();
    void Close();
    void Abort();

    void WriteCount(DWORD_PTR count);
    DWORD_PTR ReadCount();
    void WriteString(const CString& text);
    CString ReadCString();
    void WriteObject(const CObject* object);
    // The next object; when `required` is given it must be of that class.
    CObject* ReadObject(const CRuntimeClass* required);

    CArchive& operator<<(bool v);
    CArchive& operator<<(char v);
    CArchive& operator<<(signed char v);
    CArchive& operator<<(unsigned char v);
    CArchive& operator<<(short v);
    CArchive& operator<<(unsigned short v);
    CArchive& operator<<(int v);
    CArchive& operator<<(unsigned int v);
    CArchive& operator<<(long v);
    CArchive& operator<<(unsigned long v);
    CArchive& operator<<(long long v);
    CArchive& operator<<(unsigned long long v);
    CArchive& operator<<(float v);
    CArchive& operator<<(double v);
    CArchive& operator<<(const CString& v);
    CArchive& operator<<(const char* v);
    CArchive& operator<<(const CObject* v);

    CArchive& operator>>(bool& v);
    CArchive& operator>>(char& v);
    CArchive& operator>>(signed char& v);
    CArchive& operator>>(unsigned char& v);
    CArchive& operator>>(short& v);
    CArchive& operator>>(unsigned short& v);
    CArchive& operator>>(int& v);
    CArchive& operator>>(unsigned int& v);
    CArchive& operator>>(long& v);
    CArchive& operator>>(unsigned long& v);
    CArchive& operator>>(long long& v);
    CArchive& operator>>(unsigned long long& v);
    CArchive& operator>>(float& v);
    CArchive& operator>>(double& v);
    CArchive& operator>>(CString& v);
    CArchive& operator>>(CObject*& v);

    CDocument* m_pDocument = nullptr;

private:
    template <class T>
    void put(T value);
    template <class T>
    T get();
    void needLoading() const;
    void needStoring() const;
    void fillBuffer();
    CString name() const;

    CFile* m_file;
    bool m_loading;
    bool m_closed = false;
    std::vector<unsigned char> m_buffer;
    size_t m_used = 0; // store: bytes waiting; load: bytes read from the file into the buffer
    size_t m_next = 0; // load: next byte to hand out
    UINT m_schema = UINT(-1);
};
