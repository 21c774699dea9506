#pragma once
// Our thin layer over the encrypted data engine (SQLCipher through the sqlite3
// C API). One Connection per data file; Query objects run Jet SQL on it.
#include "core/data/Failure.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QLoggingCategory>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace velbrisk {

// The engine's own error texts, for whoever looks into a failure; off unless
// asked for (QT_LOGGING_RULES="velbrisk.engine.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcEngine)

class Reporter;  // data/Platform.h
class Query;     // data/Query.h

// Compiled statements of a connection that are not in use, by their text:
// preparing costs more than running most of our statements.
struct StatementCache {
    sqlite3* db = nullptr;  // null once the connection closed
    QHash<QByteArray, sqlite3_stmt*> idle;
    static constexpr int kMaxIdle = 200;
};

// A compiled statement; finalised when it goes out of scope, or kept for the
// next use of the same text when the connection prepared it.
class Statement {
public:
    Statement() = default;
    // Prepares afresh, kept by no cache.
    Statement(sqlite3* db, const QString& engineSql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* handle() const { return m_stmt; }
    bool valid() const { return m_stmt != nullptr; }
    // One step: true for a row, false when done. Throws on failure.
    bool step();
    void reset();
    void bind(int index, const QVariant& value);  // 1-based
    int columnCount() const;
    QString columnName(int i) const;
    QString columnDeclType(int i) const;
    QVariant column(int i) const;  // raw value by storage class

private:
    friend class Connection;
    void release();
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
    std::shared_ptr<StatementCache> m_cache;
    QByteArray m_key;
};

class Connection {
public:
    static constexpr const char* kPassword = "DrunoMel";

    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // How the engine keeps its log of a write in progress.
    enum class Journal {
        Auto,      // write-ahead log, unless the file lies on a network file system
        WriteAhead,
        Rollback,  // a journal file beside the data: what a shared network folder needs
    };

    // Opens an existing data file keyed with the password. Throws DbError with
    // a clear message for a missing, damaged, foreign, locked, read-only or
    // wrongly keyed file; the connection then stays closed and the file
    // unchanged. `checkTables` also refuses a valid file that lacks one of our
    // tables.
    void open(const QString& path, const QString& password = QString::fromLatin1(kPassword),
              bool checkTables = true, bool readOnly = false, Journal journal = Journal::Auto);
    // Creates a new, empty encrypted data file (for the template tool and tests).
    void create(const QString& path, const QString& password = QString::fromLatin1(kPassword));
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }
    sqlite3* handle() const { return m_db; }
    // The engine's journal mode in force ("wal", "delete"...).
    QString journalMode();

    // True when `path` lies on a network file system (NFS, SMB/CIFS...).
    static bool onNetworkFileSystem(const QString& path);

    // ---- several workstations on one file
    // A write that meets another workstation's lock waits up to this long
    // (milliseconds) before it fails with a clear message.
    static constexpr int kBusyTimeoutMs = 5000;
    void setBusyTimeout(int ms) { m_busyTimeoutMs = ms; }
    int busyTimeout() const { return m_busyTimeoutMs; }
    // Called while a write waits for another workstation: with the time
    // waited so far (from half a second on), and with -1 when the wait is
    // over. The program shows its progress window meanwhile.
    using WaitHook = std::function<void(qint64 waitedMs)>;
    void setWaitHook(WaitHook hook) { m_waitHook = std::move(hook); }
    bool waiting() const { return m_waitShown; }
    // Ends a wait the hook was told of (each write calls it when done).
    void endWait();

    // Lists read their rows lazily, holding a read of the file open. Before
    // this connection writes outside a transaction, or closes, those reads
    // are let go (parked): each list takes up where it was at its next fetch.
    // So an open list never blocks a write, not even after another
    // workstation wrote meanwhile.
    void parkReaders();

    // Copies this open data file page by page into `target` (an empty file
    // made with create()), while others may go on writing: the copy is never
    // torn. Throws DbError.
    void copyInto(Connection& target);

    // Runs engine SQL directly (schema work and benchmarks only).
    void execEngine(const QString& engineSql);
    // Runs Jet SQL without a result set; returns the rows affected.
    int exec(const QString& jetSql);
    // Prepared engine statement, cached by text.
    Statement prepareEngine(const QString& engineSql);
    void clearStatementCache();

    qint64 lastInsertId() const;
    int changes() const;

    // Where the routines of the whole program report a failure (message box
    // in the program, a recorder in tests). May be null: then nothing shows.
    void setReporter(Reporter* reporter) { m_reporter = reporter; }
    Reporter* reporter() const { return m_reporter; }

    // Transactions nest: the outermost is BEGIN/COMMIT, inner ones savepoints.
    void begin();
    void commit();
    void rollback();
    int transactionDepth() const { return m_depth; }
    // Rollback-journal mode: lists let go of their reads between fetches, as
    // a reader there holds every other workstation's writes up.
    bool rollbackJournal() const { return m_rollback; }

    // Kept by the running totals of the money records (data/MoneyTotals.h):
    // whether they can be read, and when they were last tried.
    struct TotalsState {
        bool ready = false;
        QElapsedTimer lastTry;
    };
    TotalsState& moneyTotals() { return m_moneyTotals; }

    // Test seam: called before every data write the layer sends (not for
    // transaction control); may throw DbError to simulate a failing disk.
    using WriteHook = std::function<void(const QString& engineSql)>;
    void setWriteHook(WriteHook hook) { m_writeHook = std::move(hook); }
    void beforeWrite(const QString& engineSql) const
    {
        if (m_writeHook)
            m_writeHook(engineSql);
    }

private:
    friend class Query;
    void execControl(const QString& sql);  // transaction control, never hooked
    static int busyHandler(void* self, int count);
    sqlite3* m_db = nullptr;
    std::shared_ptr<std::vector<Query*>> m_queries = std::make_shared<std::vector<Query*>>();
    std::shared_ptr<StatementCache> m_statements = std::make_shared<StatementCache>();
    int m_busyTimeoutMs = kBusyTimeoutMs;
    QElapsedTimer m_busyClock;
    WaitHook m_waitHook;
    bool m_waitShown = false;
    bool m_rollback = false;
    QString m_path;
    Reporter* m_reporter = nullptr;
    int m_depth = 0;
    TotalsState m_moneyTotals;
    WriteHook m_writeHook;
};

// Around one write of the connection: lets go of the lists' reads first
// (outside a transaction) and, when done, ends any wait the program showed.
class WriteScope {
public:
    explicit WriteScope(Connection& c) : m_c(c)
    {
        if (m_c.transactionDepth() == 0)
            m_c.parkReaders();
    }
    ~WriteScope() { m_c.endWait(); }
    WriteScope(const WriteScope&) = delete;
    WriteScope& operator=(const WriteScope&) = delete;

private:
    Connection& m_c;
};

// All or nothing: commits when commit() is called, otherwise rolls back when
// it leaves scope (also through an exception).
class Transaction {
public:
    explicit Transaction(Connection& c);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& m_c;
    bool m_done = false;
};

// The engine's error text of the last failure, translated where it matters.
QString engineErrorText(sqlite3* db, int rc);


}  // namespace velbrisk
