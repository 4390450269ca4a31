#include "ShellTestKit.h"

#include "appcore.h"

#include <QByteArray>
#include <cstdlib>

namespace shelltest {

bool LoadDefaultConfiguration()
{
    const char* bin = std::getenv("VORNAL_BIN");
    if (!bin)
        return false;
    const QByteArray path = QByteArray(bin) + "/vornal.cfa";
    setenv("VORNAL_CONFIG_ARCHIVE", path.constData(), 1);
    return GetDataArchive()->LoadFile(path.constData());
}

} // namespace shelltest
