#include "ShellTestKit.h"

#include "CCellwork.h"
#include "appcore.h"

#include <QTableView>
#include <QTest>
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
    CModuleLoader::SetFolder(bin);
    return GetDataArchive()->LoadFile(path.constData());
}

void doubleClickCell(CCellwork& grid, int col, int row)
{
    auto* table = qobject_cast<QTableView*>(grid.GetQWidget());
    if (!table)
        return;
    const QPoint centre = table->visualRect(table->model()->index(row, col)).center();
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace shelltest
