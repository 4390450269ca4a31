// The byte streams a configuration archive is written to and read from.
//
// The archive's values go through CConfigWriter/CConfigReader onto one of
// these streams; the adapters put them on a file or on an MFC CArchive.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

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

// A file opened by path; failure to open or to write throws std::runtime_error.
class ConfigFileSink : public ConfigByteSink {
public:
    explicit ConfigFileSink(const std::string& path);
    ~ConfigFileSink() override;
    void Write(const void* data, size_t size) override;
    void Close();

private:
    std::FILE* m_file = nullptr;
    std::string m_path;
};

class ConfigFileSource : public ConfigByteSource {
public:
    explicit ConfigFileSource(std::FILE* file) : m_file(file) {}
    size_t Read(void* data, size_t size) override;

private:
    std::FILE* m_file;
};

} // namespace appcore
