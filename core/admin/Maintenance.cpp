#include "core/admin/Maintenance.h"

#include "core/data/Clock.h"
#include "core/data/Database.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <filesystem>

namespace velbrisk {

QString backupFolder(const QString& appDir)
{
    const QString dir = appDir + QStringLiteral("数据库备份");
    if (!QDir().mkpath(dir))
        return QString();
    return dir + QLatin1Char('/');
}

QString defaultBackupName(const QDate& today)
{
    return QStringLiteral("澄岳青檀阁") + today.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".mdb");
}

namespace {

// A file name beside `path` that is not taken.
QString sibling(const QString& path, const QString& tag)
{
    const QString base = path + QLatin1Char('.') + tag;
    QString p = base;
    for (int n = 2; QFileInfo::exists(p); ++n)
        p = base + QString::number(n);
    return p;
}

bool replaceFile(const QString& from, const QString& to)
{
    // rename() replaces the target in one step on the same file system.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// True when `a` and `b` name the same file: through links, "..", another
// spelling or a second hard link. A path that does not exist yet is judged
// by its folder and name.
bool sameFile(const QString& a, const QString& b)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path pa(QFile::encodeName(a).toStdString()), pb(QFile::encodeName(b).toStdString());
    if (fs::exists(pa, ec) && fs::exists(pb, ec))
        return fs::equivalent(pa, pb, ec);
    const fs::path ca = fs::weakly_canonical(pa, ec), cb = fs::weakly_canonical(pb, ec);
    return !ec && ca == cb;
}

// Removes the side files the engine may have left beside `path`.
void removeSideFiles(const QString& path)
{
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    QFile::remove(path + QStringLiteral("-journal"));
}

QString quickCheck(Connection& c)
{
    Statement st = c.prepareEngine(QStringLiteral("PRAGMA quick_check"));
    if (st.step() && st.column(0).toString() == QLatin1String("ok"))
        return QString();
    return QStringLiteral("数据文件检查没有通过");
}

}  // namespace

SaveResult checkDataFile(const QString& file)
{
    try {
        Connection c;
        c.open(file, QString::fromLatin1(Connection::kPassword), true, true);
        const QString bad = quickCheck(c);
        return bad.isEmpty() ? SaveResult::done() : SaveResult::refused(bad);
    } catch (const DbError& e) {
        return SaveResult::refused(e.message());
    }
}

SaveResult backupDataFile(Connection& live, const QString& target)
{
    if (!live.isOpen())
        return SaveResult::refused(QStringLiteral("数据库尚未打开"));
    if (sameFile(target, live.path()))
        return SaveResult::refused(QStringLiteral("不能备份到正在使用的数据库文件上，请另选一个文件名"));
    const QString temp = sibling(target, QStringLiteral("part"));
    QString error;
    try {
        Connection copy;
        copy.create(temp);
        live.copyInto(copy);
    } catch (const DbError& e) {
        error = e.message();
    }
    if (error.isEmpty())
        error = checkDataFile(temp).message;
    if (error.isEmpty() && !replaceFile(temp, target))
        error = QStringLiteral("无法写入备份文件：%1").arg(target);
    if (!error.isEmpty())
        QFile::remove(temp);
    removeSideFiles(temp);
    return error.isEmpty() ? SaveResult::done() : SaveResult::refused(error);
}

SaveResult restoreDataFile(TShareDataModule& dm, const QString& dataPath, const QString& candidate, const QString& keepFolder,
                           QString* keptCopy)
{
    QString kept;
    if (sameFile(candidate, dataPath))
        return SaveResult::refused(QStringLiteral("所选文件就是正在使用的数据库，不需要恢复"));
    if (const SaveResult bad = checkDataFile(candidate); !bad.saved)
        return SaveResult::refused(QStringLiteral("所选文件不是本软件的数据库备份，没有进行恢复：\n") + bad.message);
    const QString connection = dm.connectionString();
    dm.disconnect();
    auto reopen = [&] {
        dm.setConnectionString(connection);
        try {
            dm.connect();
        } catch (const DbError&) {
        }
    };
    // With the program's own connection closed, a write-ahead log that is
    // still there belongs to another program holding the file open.
    auto refuse = [&](const QString& message) {
        reopen();
        return SaveResult::refused(message);
    };
    if (QFileInfo(dataPath + QStringLiteral("-wal")).size() > 0)
        return refuse(QStringLiteral("数据库正被其他程序使用，请先关闭所有的客户端，然后再进行数据恢复"));
    // Keep what is replaced.
    kept = keepFolder + QStringLiteral("恢复前的数据库") + Clock::now().toString(QStringLiteral("yyyyMMdd_HHmmss"))
           + QStringLiteral(".mdb");
    if (QFileInfo::exists(dataPath) && !QFile::copy(dataPath, kept))
        return refuse(QStringLiteral("无法保存当前数据库的副本，没有进行恢复：%1").arg(kept));
    const QString temp = sibling(dataPath, QStringLiteral("restore"));
    if (!QFile::copy(candidate, temp) || !replaceFile(temp, dataPath)) {
        QFile::remove(temp);
        return refuse(QStringLiteral("复制备份文件失败，当前数据库没有改变"));
    }
    if (const SaveResult bad = checkDataFile(dataPath); !bad.saved) {
        // Should the copy not open after all, the venue gets its own file back.
        const QString back = sibling(dataPath, QStringLiteral("back"));
        if (QFile::copy(kept, back))
            replaceFile(back, dataPath);
        return refuse(QStringLiteral("恢复后的数据库无法打开，已换回原来的数据库：") + bad.message);
    }
    if (keptCopy)
        *keptCopy = kept;
    return SaveResult::done();
}

static SaveResult runCleared(Connection& c, const QString& first, const QString& second)
{
    try {
        Transaction tx(c);
        c.exec(first);
        c.exec(second);
        tx.commit();
    } catch (const Failure& e) {
        return SaveResult::refused(QStringLiteral("SQL命令执行出错：") + e.message());
    }
    return SaveResult::done();
}

SaveResult clearBookings(Connection& c)
{
    return runCleared(c, QStringLiteral("Delete * From Book Where BookIndex > 1"),
                      QStringLiteral("Update Room Set RoomState = '空闲' Where RoomState = '预订'"));
}

SaveResult clearConsumption(Connection& c)
{
    return runCleared(c, QStringLiteral("Delete * From Cost Where CostBill = 0"),
                      QStringLiteral("Update Room Set RoomOtherCost = 0"));
}

}  // namespace velbrisk
