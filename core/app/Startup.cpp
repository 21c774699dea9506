#include "core/app/Startup.h"

#include "core/config/Options.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace velbrisk {

QString installedResourceDir(const QString& programDir)
{
    if (QFileInfo(QDir(programDir).filePath(QStringLiteral("Frf"))).isDir())
        return QString();
    const QString share = QDir::cleanPath(programDir + QStringLiteral("/../share/velbrisk"));
    return QFileInfo(share + QStringLiteral("/Frf")).isDir() ? share : QString();
}

QString userVenueDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/velbrisk");
}

QString installedTemplate(const QString& resourceDir)
{
    return resourceDir + QStringLiteral("/template/Velbrisk.mdb");
}

SaveResult prepareVenueFolder(const QString& venueDir, const QString& templateFile)
{
    if (!QDir().mkpath(venueDir))
        return SaveResult::refused(QStringLiteral("无法建立数据文件夹：%1").arg(QDir::toNativeSeparators(venueDir)));
    const QString data = QDir(venueDir).filePath(QStringLiteral("Velbrisk.mdb"));
    if (templateFile.isEmpty() || QFileInfo::exists(data))
        return SaveResult::done();
    // Copied under another name first, so that an interrupted copy never
    // passes for a data file.
    const QString part = data + QStringLiteral(".part");
    QFile::remove(part);
    if (!QFile::copy(templateFile, part)
        || !QFile::setPermissions(part, QFile::permissions(part) | QFileDevice::WriteOwner | QFileDevice::ReadOwner)
        || !QFile::rename(part, data)) {
        QFile::remove(part);
        return SaveResult::refused(QStringLiteral("无法在 %1 建立新的数据文件，请检查该文件夹的权限").arg(QDir::toNativeSeparators(venueDir)));
    }
    return SaveResult::done();
}

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
