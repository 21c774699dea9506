#pragma once
// The data module: the one connection to the data file and the three scratch
// queries that windows borrow for short reads and writes.
#include "core/data/Database.h"
#include "core/data/Query.h"

#include <QObject>

namespace velbrisk {

class Reporter;

// Tells the lists that show what a rule has just changed, so that each list
// refreshes itself instead of windows wiring each other together.
class ChangeNotifier : public QObject {
    Q_OBJECT
signals:
    void roomsChanged();  // rooms, their states, bookings
    void billsChanged();  // bills and their consumption
    void moneyChanged();  // money records, accounts, receivables and payables
};

class TShareDataModule {
public:
    explicit TShareDataModule(Reporter* reporter = nullptr);
    TShareDataModule(const TShareDataModule&) = delete;
    TShareDataModule& operator=(const TShareDataModule&) = delete;

    // The connection text as BuildConnectionString makes it.
    void setConnectionString(const QString& text) { m_connectionString = text; }
    QString connectionString() const { return m_connectionString; }
    // Opens the connection on the data file of the connection text. Throws
    // DbError with a clear message; the connection then stays closed.
    void connect();
    // How the next connect() keeps the engine's journal (a network folder
    // wants the rollback journal).
    void setJournal(Connection::Journal journal) { m_journal = journal; }
    void disconnect();
    bool connected() const { return ADOConnection1.isOpen(); }

    void setReporter(Reporter* reporter) { ADOConnection1.setReporter(reporter); }

    ChangeNotifier changes;
    Connection ADOConnection1;
    Query ADOQueryTemp;
    Query ADOQueryTemp2;
    Query ADOQueryTemp3;

private:
    QString m_connectionString;
    Connection::Journal m_journal = Connection::Journal::Auto;
};

}  // namespace velbrisk
