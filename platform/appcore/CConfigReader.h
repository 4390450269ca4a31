// Reads the values that CConfigWriter wrote. A short read, an absurd length or
// a checksum that does not match throws ConfigFormatError: a damaged archive
// is refused as a whole, never half read.
#pragma once

#include "ConfigStream.h"

#include <cstdint>
#include <stdexcept>
#include <string>

class CString;

namespace appcore {

class ConfigFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CConfigReader {
public:
    explicit CConfigReader(ConfigByteSource& source) : m_source(source) {}

    void Bytes(void* data, size_t size);
    uint16_t Word();
    uint32_t Dword();
    int32_t Int() { return static_cast<int32_t>(Dword()); }
    bool Bool() { return Int() != 0; }
    std::string Text();
    CString CText();
    // A count of records that follow, refused above `limit`.
    uint32_t Count(uint32_t limit);
    // Reads the stored CRC and compares it with the CRC of everything read before it.
    void Checksum();

private:
    ConfigByteSource& m_source;
    uint32_t m_crc = 0;
};

} // namespace appcore
