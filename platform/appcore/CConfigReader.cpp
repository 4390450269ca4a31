#include "CConfigReader.h"

#include "CConfigWriter.h"
#include "afx.h"

namespace appcore {

namespace {
// No text of a configuration comes near this; a larger length is damage.
constexpr uint32_t kTextLimit = 64u * 1024 * 1024;
} // namespace

void CConfigReader::Bytes(void* data, size_t size)
{
    if (size && m_source.Read(data, size) != size)
        throw ConfigFormatError("файл обрывается раньше времени");
    m_crc = Crc32Update(m_crc, data, size);
}

uint16_t CConfigReader::Word()
{
    unsigned char bytes[2];
    Bytes(bytes, sizeof bytes);
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

uint32_t CConfigReader::Dword()
{
    unsigned char bytes[4];
    Bytes(bytes, sizeof bytes);
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

std::string CConfigReader::Text()
{
    uint32_t size = Dword();
    if (size > kTextLimit)
        throw ConfigFormatError("неверная длина текста");
    std::string text(size, '\0');
    Bytes(text.data(), size);
    return text;
}

CString CConfigReader::CText()
{
    std::string text = Text();
    return CString(text.data(), static_cast<int>(text.size()));
}

uint32_t CConfigReader::Count(uint32_t limit)
{
    uint32_t count = Dword();
    if (count > limit)
        throw ConfigFormatError("неверное число записей");
    return count;
}

void CConfigReader::Checksum()
{
    uint32_t expected = m_crc;
    unsigned char bytes[4];
    if (m_source.Read(bytes, sizeof bytes) != sizeof bytes)
        throw ConfigFormatError("файл обрывается раньше времени");
    uint32_t stored = 0;
    for (int i = 3; i >= 0; --i)
        stored = (stored << 8) | bytes[i];
    if (stored != expected)
        throw ConfigFormatError("контрольная сумма не сходится");
    unsigned char extra;
    if (m_source.Read(&extra, 1) != 0)
        throw ConfigFormatError("лишние данные в конце файла");
}

} // namespace appcore
