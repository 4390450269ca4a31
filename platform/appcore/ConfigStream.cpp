#include "ConfigStream.h"

#include <stdexcept>

namespace appcore {

ConfigFileSink::ConfigFileSink(const std::string& path) : m_path(path)
{
    m_file = std::fopen(path.c_str(), "wb");
    if (!m_file)
        throw std::runtime_error("не удалось создать файл " + path);
}

ConfigFileSink::~ConfigFileSink()
{
    if (m_file)
        std::fclose(m_file);
}

void ConfigFileSink::Write(const void* data, size_t size)
{
    if (size && std::fwrite(data, 1, size, m_file) != size)
        throw std::runtime_error("не удалось записать файл " + m_path);
}

void ConfigFileSink::Close()
{
    std::FILE* file = m_file;
    m_file = nullptr;
    if (file && std::fclose(file) != 0)
        throw std::runtime_error("не удалось записать файл " + m_path);
}

size_t ConfigFileSource::Read(void* data, size_t size)
{
    return std::fread(data, 1, size, m_file);
}

} // namespace appcore
