#include "core/app/Startup.h"

#include "core/config/Options.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"

#include <QFileInfo>

namespace velbrisk {

QString missingDataFileMessage()
{
    return QStringLiteral("数据库文件找不到，请联系澄岳软件有限公司 技术支持电话：0571-8896-2026");
}

DataFileLocation locateDataFile(const Globals& g, const Options& options)
{
    DataFileLocation loc;
    if (g.NetworkMode) {
        loc.path = options.read(opt::Address);
        loc.result = !loc.path.isEmpty() && QFileInfo(loc.path).isFile() ? DataFileLocation::Found
                                                                          : DataFileLocation::AskAddress;
        return loc;
    }
    loc.path = g.dataFilePath();
    loc.result = QFileInfo(loc.path).isFile() ? DataFileLocation::Found : DataFileLocation::Missing;
    return loc;
}

SaveResult connectDataFile(TShareDataModule& dm, const QString& path, bool network)
{
    // Workstations sharing a file over the network share no memory: the
    // engine keeps a rollback journal there.
    dm.setJournal(network ? Connection::Journal::Rollback : Connection::Journal::Auto);
    dm.setConnectionString(BuildConnectionString(path, QString::fromLatin1(Connection::kPassword)));
    try {
        dm.connect();
    } catch (const DbError& e) {
        return SaveResult::refused(e.message());
    }
    return SaveResult::done();
}

}  // namespace velbrisk
