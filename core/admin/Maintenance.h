#pragma once
// Backups of the data file, restoring one, and clearing bookings or open
// consumption.
#include <QDate>
#include <QString>

namespace velbrisk {

class Connection;
class TShareDataModule;

// "数据库备份" beside the data: created when missing; empty on failure.
QString backupFolder(const QString& appDir);
// "澄岳青檀阁2026-12-10.mdb"
QString defaultBackupName(const QDate& today);

// Copies the open data file page by page through the engine (never a torn
// copy), checks that the copy opens and is sound, and only then puts it at
// `target` (replacing an older backup there). Empty text on success.
QString backupDataFile(Connection& live, const QString& target);

// Checks that `file` is one of our data files: it opens with the password,
// holds every table and passes the engine's check. Empty text when it is.
QString checkDataFile(const QString& file);

struct RestoreResult {
    bool done = false;
    QString message;   // why it was refused, when not done
    QString keptCopy;  // where the replaced data file was kept
};

// Replaces the data file at `dataPath` with `candidate` after checking it.
// The replaced file is kept in the backup folder first; on any failure the
// venue keeps its working data file and the connection is reopened on it.
RestoreResult restoreDataFile(TShareDataModule& dm, const QString& dataPath, const QString& candidate,
                              const QString& keepFolder);

// "清空预订" and "清空消费", each one transaction. Empty text on success.
QString clearBookings(Connection& c);
QString clearConsumption(Connection& c);

}  // namespace velbrisk
