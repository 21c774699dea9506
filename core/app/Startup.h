#pragma once
// Finding and opening the data file at start-up.
#include "core/data/SaveResult.h"
#include "core/app/Globals.h"

#include <QString>

namespace velbrisk {

class Options;
class TShareDataModule;

// ---- the installed program

// Where an installed program keeps its pictures, templates and the empty
// data file: <prefix>/share/velbrisk beside <prefix>/bin. Empty when the
// program runs from a folder of its own (dist/, a build), which holds them.
QString installedResourceDir(const QString& programDir);
// The venue folder of an installed program: $XDG_DATA_HOME/velbrisk
// (~/.local/share/velbrisk by default).
QString userVenueDir();
// The empty data file an installation ships.
QString installedTemplate(const QString& resourceDir);
// Makes the venue folder and, when it has no data file and a `templateFile`
// is given, copies that empty data file there (writable by its owner). Refused with the message to
// show when the folder cannot be made or the copy fails; a data file
// already there is never touched.
SaveResult prepareVenueFolder(const QString& venueDir, const QString& templateFile);

// The message for a missing data file, with our support telephone number.
QString missingDataFileMessage();

struct DataFileLocation {
    enum Result { Found, Missing, AskAddress } result = Missing;
    QString path;
};

// Where the data file is: beside the program, or (network mode) the path of
// "数据库内容"/"Address" when a file is there.
DataFileLocation locateDataFile(const Globals& g, const Options& options);

// Opens the data module's connection on `path` with the fixed password.
// Refused with the message to show.
SaveResult connectDataFile(TShareDataModule& dm, const QString& path, bool network = false);

}  // namespace velbrisk
