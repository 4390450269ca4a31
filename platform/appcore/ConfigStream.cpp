#include "ConfigStream.h"

#include "CConfigReader.h"
#include "afx.h"

namespace appcore {

void ConfigArchiveSink::Write(const void* data, size_t size)
{
    m_archive.Write(data, UINT(size));
}

size_t ConfigArchiveSource::Read(void* data, size_t size)
{
    try {
        return m_archive.Read(data, UINT(size));
    } catch (CException* e) {
        char reason[256] = "";
        e->GetErrorMessage(reason, sizeof reason);
        e->Delete();
        throw ConfigFormatError(std::string("файл не читается: ") + reason);
    }
}

} // namespace appcore
