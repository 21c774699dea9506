#include "widgets/GridExport.h"

#include "app/Globals.h"
#include "data/Platform.h"
#include "data/Query.h"
#include "data/SheetExport.h"
#include "widgets/DataGrid.h"
#include "widgets/ProgressForm.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace velbrisk {

QString exportFolder(const Globals& g)
{
    const QString dir = g.AppDir + QStringLiteral("导出/");
    QDir().mkpath(dir);
    return dir;
}

QString ExportGridToExcel(DataGrid& grid, const Globals& g, const Platform& platform, TFormProgress* progress)
{
    Query* q = grid.query();
    if (!q || !q->isOpen())
        return QString();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QList<SheetColumn> columns;
    for (const GridColumn& c : grid.visibleColumns())
        columns << SheetColumn{c.title, c.field};
    const QString base = exportFolder(g) + QStringLiteral("导出_")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString path = base + QStringLiteral(".xlsx");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + QStringLiteral("_%1.xlsx").arg(n);
    if (progress)
        progress->begin();
    QString error;
    const bool ok = writeQuerySheet(path, QDate::currentDate(), columns, *q, &error,
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
