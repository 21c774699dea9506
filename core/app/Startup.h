#pragma once
// Finding and opening the data file at start-up.
#include "core/data/SaveResult.h"
#include "core/app/Globals.h"

#include <QString>

namespace velbrisk {

class Options;
class TShareDataModule;

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
