#pragma once
// Test support: a fresh venue folder with a new data file for each test.
#include "core/data/Database.h"
#include "core/data/Query.h"
#include "tests/support/Doubles.h"
#include "tests/support/QtPrinters.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace velbrisk::test {

// Path of an empty data file built once per test program and copied for
// every venue (building one costs a key derivation and the schema).
QString templateDataFile();

class TestVenue {
public:
    // A temporary folder holding Velbrisk.mdb; the connection is opened on it
    // unless `open` is false.
    explicit TestVenue(bool open = true);
    ~TestVenue();

    QString dir() const;  // with trailing separator
    QString dataFile() const { return dir() + QStringLiteral("Velbrisk.mdb"); }
    QString iniFile() const { return dir() + QStringLiteral("Velbrisk.ini"); }
    Connection& db() { return m_db; }

    // Runs Jet SQL; fails the test on error.
    int exec(const QString& jetSql);
    // The first column of the first row of a Jet query, as text.
    QString scalar(const QString& jetSql) { return firstRow(jetSql, false); }
    // Every column of the first row, joined by '/'.
    QString row(const QString& jetSql) { return firstRow(jetSql, true); }

    ScriptedPrompter prompt;

private:
    QString firstRow(const QString& jetSql, bool allColumns);
    QTemporaryDir m_dir;
    Connection m_db;
};

// Writes a file with the given bytes.
void writeFile(const QString& path, const QByteArray& bytes);
// A whole file's bytes (empty when it cannot be read).
QByteArray readFile(const QString& path);

}  // namespace velbrisk::test
