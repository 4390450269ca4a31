#include "CArchive.h"

#include "CArchiveException.h"
#include "CFile.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {
constexpr WORD kNullObject = 0;
constexpr WORD kNewObject = 1;
constexpr UINT kMaxStringBytes = 256u << 20; // a larger length means a damaged archive
}

CArchive::CArchive(CFile* file, UINT mode, int bufferSize, void*)
    : m_file(file), m_loading((mode & load) != 0), m_buffer(size_t(std::max(bufferSize, 512)))
{
}

CArchive::~CArchive()
{
    if (m_closed || m_loading || !m_file)
        return;
    try {
        Flush();
    } catch (CException* e) {
        e->Delete();
    }
}

CString CArchive::name() const
{
    return m_file ? m_file->GetFilePath() : CString();
}

void CArchive::needLoading() const
{
    if (!m_loading)
        AfxThrowArchiveException(CArchiveException::writeOnly, name());
}

void CArchive::needStoring() const
{
    if (m_loading)
        AfxThrowArchiveException(CArchiveException::readOnly, name());
}

void CArchive::fillBuffer()
{
    m_used = m_file->Read(m_buffer.data(), UINT(m_buffer.size()));
    m_next = 0;
}

UINT CArchive::Read(void* buffer, UINT count)
{
    needLoading();
    auto* out = static_cast<unsigned char*>(buffer);
    UINT done = 0;
    while (done < count) {
        if (m_next == m_used) {
            fillBuffer();
            if (m_used == 0)
                break;
        }
        const size_t n = std::min<size_t>(count - done, m_used - m_next);
        std::memcpy(out + done, m_buffer.data() + m_next, n);
        m_next += n;
        done += UINT(n);
    }
    return done;
}

void CArchive::Write(const void* buffer, UINT count)
{
    needStoring();
    const auto* in = static_cast<const unsigned char*>(buffer);
    while (count > 0) {
        if (m_used == m_buffer.size())
            Flush();
        const size_t n = std::min<size_t>(count, m_buffer.size() - m_used);
        std::memcpy(m_buffer.data() + m_used, in, n);
        m_used += n;
        in += n;
        count -= UINT(n);
    }
}

void CArchive::Flush()
{
    if (m_loading || m_used == 0)
        return;
    const size_t n = m_used;
    m_used = 0;
    m_file->Write(m_buffer.data(), UINT(n));
    m_file->Flush();
}

void CArchive::Close()
{
    if (!m_closed && !m_loading)
        Flush();
    m_closed = true;
}

void CArchive::Abort()
{
    m_used = 0;
    m_closed = true;
}

template <class T>
void CArchive::put(T value)
{
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    if constexpr (std::endian::native == std::endian::big)
        std::reverse(bytes, bytes + sizeof(T));
    Write(bytes, sizeof(T));
}

template <class T>
T CArchive::get()
{
    unsigned char bytes[sizeof(T)];
    if (Read(bytes, sizeof(T)) != sizeof(T))
        AfxThrowArchiveException(CArchiveException::endOfFile, name());
    if constexpr (std::endian::native == std::endian::big)
        std::reverse(bytes, bytes + sizeof(T));
    T value;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
}

void CArchive::WriteCount(DWORD_PTR count)
{
    if (count < 0xFFFF) {
        put<WORD>(WORD(count));
    } else {
        put<WORD>(0xFFFF);
        put<DWORD>(DWORD(count));
    }
}

DWORD_PTR CArchive::ReadCount()
{
    const WORD small = get<WORD>();
    return small != 0xFFFF ? small : get<DWORD>();
}

void CArchive::WriteString(const CString& text)
{
    const std::string utf8 = text.ToStdString();
    put<DWORD>(DWORD(utf8.size()));
    Write(utf8.data(), UINT(utf8.size()));
}

CString CArchive::ReadCString()
{
    const DWORD bytes = get<DWORD>();
    if (bytes > kMaxStringBytes)
        AfxThrowArchiveException(CArchiveException::badIndex, name());
    std::string utf8(bytes, '\0');
    if (Read(utf8.data(), bytes) != bytes)
        AfxThrowArchiveException(CArchiveException::endOfFile, name());
    return CString(utf8);
}

void CArchive::WriteObject(const CObject* object)
{
    if (!object) {
        put<WORD>(kNullObject);
        return;
    }
    const CRuntimeClass* c = object->GetRuntimeClass();
    put<WORD>(kNewObject);
    WriteString(c->m_lpszClassName);
    put<DWORD>(c->m_wSchema & ~UINT(VERSIONABLE_SCHEMA));
    const_cast<CObject*>(object)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* required)
{
    const WORD tag = get<WORD>();
    if (tag == kNullObject)
        return nullptr;
    if (tag != kNewObject)
        AfxThrowArchiveException(CArchiveException::badIndex, name());
    const CString className = ReadCString();
    const UINT schema = get<DWORD>();
    // Modules may define classes of the same name: the reader names its class
    // (`required`, of its own module when it reads its own objects), so the
    // class of that name in the reader's module is made.
    const CRuntimeClass* c = CRuntimeClass::FromName(className, required);
    if (!c || !c->m_pfnCreateObject || (required && !c->IsDerivedFrom(required)))
        AfxThrowArchiveException(CArchiveException::badClass, name());
    if (schema != (c->m_wSchema & ~UINT(VERSIONABLE_SCHEMA)) && !(c->m_wSchema & VERSIONABLE_SCHEMA))
        AfxThrowArchiveException(CArchiveException::badSchema, name());
    CObject* object = c->CreateObject();
    const UINT outerSchema = m_schema;
    m_schema = schema;
    try {
        object->Serialize(*this);
    } catch (...) {
        delete object;
        m_schema = outerSchema;
        throw;
    }
    m_schema = outerSchema;
    return object;
}

CArchive& CArchive::operator<<(bool v) { put<BYTE>(v ? 1 : 0); return *this; }
CArchive& CArchive::operator<<(char v) { put(v); return *this; }
CArchive& CArchive::operator<<(signed char v) { put(v); return *this; }
CArchive& CArchive::operator<<(unsigned char v) { put(v); return *this; }
CArchive& CArchive::operator<<(short v) { put(v); return *this; }
CArchive& CArchive::operator<<(unsigned short v) { put(v); return *this; }
CArchive& CArchive::operator<<(int v) { put(v); return *this; }
CArchive& CArchive::operator<<(unsigned int v) { put(v); return *this; }
CArchive& CArchive::operator<<(long v) { put<std::int64_t>(v); return *this; }
CArchive& CArchive::operator<<(unsigned long v) { put<std::uint64_t>(v); return *this; }
CArchive& CArchive::operator<<(long long v) { put<std::int64_t>(v); return *this; }
CArchive& CArchive::operator<<(unsigned long long v) { put<std::uint64_t>(v); return *this; }
CArchive& CArchive::operator<<(float v) { put(v); return *this; }
CArchive& CArchive::operator<<(double v) { put(v); return *this; }
CArchive& CArchive::operator<<(const CString& v) { WriteString(v); return *this; }
CArchive& CArchive::operator<<(const char* v) { WriteString(CString(v)); return *this; }
CArchive& CArchive::operator<<(const CObject* v) { WriteObject(v); return *this; }

CArchive& CArchive::operator>>(bool& v) { v = get<BYTE>() != 0; return *this; }
CArchive& CArchive::operator>>(char& v) { v = get<char>(); return *this; }
CArchive& CArchive::operator>>(signed char& v) { v = get<signed char>(); return *this; }
CArchive& CArchive::operator>>(unsigned char& v) { v = get<unsigned char>(); return *this; }
CArchive& CArchive::operator>>(short& v) { v = get<short>(); return *this; }
CArchive& CArchive::operator>>(unsigned short& v) { v = get<unsigned short>(); return *this; }
CArchive& CArchive::operator>>(int& v) { v = get<int>(); return *this; }
CArchive& CArchive::operator>>(unsigned int& v) { v = get<unsigned int>(); return *this; }
CArchive& CArchive::operator>>(long& v) { v = long(get<std::int64_t>()); return *this; }
CArchive& CArchive::operator>>(unsigned long& v) { v = (unsigned long)(get<std::uint64_t>()); return *this; }
CArchive& CArchive::operator>>(long long& v) { v = get<std::int64_t>(); return *this; }
CArchive& CArchive::operator>>(unsigned long long& v) { v = get<std::uint64_t>(); return *this; }
CArchive& CArchive::operator>>(float& v) { v = get<float>(); return *this; }
CArchive& CArchive::operator>>(double& v) { v = get<double>(); return *this; }
CArchive& CArchive::operator>>(CString& v) { v = ReadCString(); return *this; }
CArchive& CArchive::operator>>(CObject*& v) { v = ReadObject(nullptr); return *this; }
