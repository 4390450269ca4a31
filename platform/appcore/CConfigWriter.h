// Writes the values of a configuration archive: little-endian integers and
// length-prefixed UTF-8 texts, with a CRC-32 of everything written kept as it goes.
#pragma once

#include "ConfigStream.h"

#include <cstdint>
#include <string>

class CString;

namespace appcore {

uint32_t Crc32Update(uint32_t crc, const void* data, size_t size);

class CConfigWriter {
public:
    explicit CConfigWriter(ConfigByteSink& sink) : m_sink(sink) {}

    void Bytes(const void* data, size_t size);
    void Word(uint16_t value);
    void Dword(uint32_t value);
    void Int(int32_t value);
    void Bool(bool value) { Int(value ? 1 : 0); }
    void Text(const std::string& utf8);
    void Text(const CString& text);
    // Writes the CRC of everything so far (the last field of an archive).
    void Checksum();

private:
    ConfigByteSink& m_sink;
    uint32_t m_crc = 0;
};

} // namespace appcore
