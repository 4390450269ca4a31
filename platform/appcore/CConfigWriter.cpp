#include "CConfigWriter.h"

#include "afx.h"

#include <array>

namespace appcore {

namespace {

std::array<uint32_t, 256> MakeCrcTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

} // namespace

uint32_t Crc32Update(uint32_t crc, const void* data, size_t size)
{
    static const std::array<uint32_t, 256> table = MakeCrcTable();
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    crc = ~crc;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void CConfigWriter::Bytes(const void* data, size_t size)
{
    m_crc = Crc32Update(m_crc, data, size);
    m_sink.Write(data, size);
}

void CConfigWriter::Word(uint16_t value)
{
    unsigned char bytes[2] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8)};
    Bytes(bytes, sizeof bytes);
}

void CConfigWriter::Dword(uint32_t value)
{
    unsigned char bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    Bytes(bytes, sizeof bytes);
}

void CConfigWriter::Int(int32_t value)
{
    Dword(static_cast<uint32_t>(value));
}

void CConfigWriter::Text(const std::string& utf8)
{
    Dword(static_cast<uint32_t>(utf8.size()));
    Bytes(utf8.data(), utf8.size());
}

void CConfigWriter::Text(const CString& text)
{
    Text(text.ToStdString());
}

void CConfigWriter::Checksum()
{
    uint32_t crc = m_crc;
    unsigned char bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(crc >> (8 * i));
    m_sink.Write(bytes, sizeof bytes);
}

} // namespace appcore
