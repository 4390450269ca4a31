// The byte streams a configuration archive is written to and read from.
//
// The archive's values go through CConfigWriter/CConfigReader onto one of
// these streams; the adapters put them on an MFC CArchive (over a CFile).
#pragma once

#include <cstddef>

class CArchive;

namespace appcore {

class ConfigByteSink {
public:
    virtual ~ConfigByteSink() = default;
    virtual void Write(const void* data, size_t size) = 0;
};

class ConfigByteSource {
public:
    virtual ~ConfigByteSource() = default;
    // Reads up to `size` bytes; fewer only at the end of the data.
    virtual size_t Read(void* data, size_t size) = 0;
};

// A storing CArchive. Its file errors arrive as CException* (the caller's to handle).
class ConfigArchiveSink : public ConfigByteSink {
public:
    explicit ConfigArchiveSink(CArchive& archive) : m_archive(archive) {}
    void Write(const void* data, size_t size) override;

private:
    CArchive& m_archive;
};

// A loading CArchive; a read error of its file becomes ConfigFormatError.
class ConfigArchiveSource : public ConfigByteSource {
public:
    explicit ConfigArchiveSource(CArchive& archive) : m_archive(archive) {}
    size_t Read(void* data, size_t size) override;

private:
    CArchive& m_archive;
};

} // namespace appcore
