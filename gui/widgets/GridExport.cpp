#include "gui/widgets/GridExport.h"

#include "core/data/Clock.h"
#include "core/data/Platform.h"
#include "core/data/Query.h"
#include "core/data/SheetExport.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/ProgressForm.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace velbrisk {

QString exportFolder(const QString& venueFolder)
{
    const QString dir = venueFolder + QStringLiteral("导出/");
    QDir().mkpath(dir);
    return dir;
}

QString ExportGridToExcel(DataGrid& grid, const QString& venueFolder, const Platform& platform, TFormProgress* progress)
{
    Query* q = grid.query();
    if (!q || !q->isOpen())
        return QString();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QList<SheetColumn> columns;
    for (const GridColumn& c : grid.visibleColumns())
        columns << SheetColumn{c.title, c.field};
    const QString base = exportFolder(venueFolder) + QStringLiteral("导出_")
                         + Clock::now().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString path = base + QStringLiteral(".xlsx");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + QStringLiteral("_%1.xlsx").arg(n);
    if (progress)
        progress->begin();
    QString error;
    const bool ok = writeQuerySheet(path, Clock::today(), columns, *q, &error,
                                    [progress](int p) {
                                        if (progress)
                                            progress->setPosition(p);
                                    });
    if (progress)
        progress->end();
    QApplication::restoreOverrideCursor();
    if (!ok) {
        if (platform.prompt)
            platform.prompt->inform(QStringLiteral("导出表格失败：") + error);
        return QString();
    }
    if (!platform.opener || !platform.opener->open(path)) {
        if (platform.prompt)
            platform.prompt->inform(QStringLiteral("表格已保存到：%1\n本机没有可以打开表格文件的程序，请安装表格软件后再打开。")
                                        .arg(QDir::toNativeSeparators(path)));
    }
    return path;
}

}  // namespace velbrisk
