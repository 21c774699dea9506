#pragma once
// Backups of the data file, restoring one, and clearing bookings or open
// consumption.
#include "core/data/SaveResult.h"

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
// `target` (replacing an older backup there). Refused with the reason.
SaveResult backupDataFile(Connection& live, const QString& target);

// Checks that `file` is one of our data files: it opens with the password,
// holds every table and passes the engine's check. Refused with the reason.
SaveResult checkDataFile(const QString& file);

// Replaces the data file at `dataPath` with `candidate` after checking it.
// The replaced file is kept in the backup folder first (`keptCopy` gets its
// path); on any failure the venue keeps its working data file and the
// connection is reopened on it.
SaveResult restoreDataFile(TShareDataModule& dm, const QString& dataPath, const QString& candidate, const QString& keepFolder,
                           QString* keptCopy = nullptr);

// "清空预订" and "清空消费", each one transaction.
SaveResult clearBookings(Connection& c);
SaveResult clearConsumption(Connection& c);

}  // namespace velbrisk
