#pragma once
// The twelve tables of the data file, their indexes and the rows a new venue
// starts with.
#include <QString>
#include <QStringList>

namespace velbrisk {

class Connection;

enum class ColumnType { Integer, Number, Text, DateTime, YesNo };

struct ColumnDef {
    const char* name;
    ColumnType type;
};

struct TableDef {
    const char* name;
    const char* key;  // auto-numbered key column
    QList<ColumnDef> columns;  // key excluded
};

const QList<TableDef>& schemaTables();
const TableDef* findTable(const QString& name);  // case-insensitive
// Key column of a table ("RoomIndex" for Room), empty for an unknown table.
QString keyColumnOf(const QString& table);

// Creates every table and index in an empty, open data file and writes the
// reserved and starting rows. One transaction.
void createSchema(Connection& c);

// Adds the indexes of this version that an older data file lacks (the first
// start after an update may take a few seconds on a large file).
void ensureIndexes(Connection& c);

// Name of the first of our tables that the open file lacks, or empty.
QString missingTable(Connection& c);

// How many scratch rows a new data file ships (the monthly statement adds
// rows as it needs them).
constexpr int kPrintTableRows = 200;

// Gives the connection its own PrintTable and PrintDay: temporary tables of
// the same names, which its statements find before the file's own, so that
// workstations printing at once never write into each other's lines.
void useOwnScratchTables(Connection& c);

}  // namespace velbrisk
