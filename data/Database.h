#pragma once
// Our thin layer over the encrypted data engine (SQLCipher through the sqlite3
// C API). One Connection per data file; Query objects run Jet SQL on it.
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace velbrisk {

class Reporter;  // data/Platform.h

// A failure that ends the action in progress; `message()` is the text shown
// to the person.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// Every failure of the data layer.
class DbError : public Failure {
public:
    enum class Kind { Generic, NotADatabase, Locked, Missing, Foreign, Syntax };
    DbError(Kind kind, const QString& message);
    explicit DbError(const QString& message) : DbError(Kind::Generic, message) {}
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// A compiled statement; finalised when it goes out of scope.
class Statement {
public:
    Statement() = default;
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
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};

class Connection {
public:
    static constexpr const char* kPassword = "DrunoMel";

    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens an existing data file keyed with the password. Throws DbError with
    // a clear message for a missing, damaged, foreign, locked or wrongly keyed
    // file; the connection then stays closed. `checkTables` also refuses a
    // valid file that lacks one of our tables.
    void open(const QString& path, const QString& password = QString::fromLatin1(kPassword),
              bool checkTables = true, bool readOnly = false);
    // Creates a new, empty encrypted data file (for the template tool and tests).
    void create(const QString& path, const QString& password = QString::fromLatin1(kPassword));
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }
    sqlite3* handle() const { return m_db; }

    // Runs engine SQL directly (schema work and benchmarks only).
    void execEngine(const QString& engineSql);
    // Runs Jet SQL without a result set; returns the rows affected.
    int exec(const QString& jetSql);
    // Prepared engine statement, cached by text.
    Statement prepareEngine(const QString& engineSql);

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
    void registerFunctions();
    void execControl(const QString& sql);  // transaction control, never hooked
    sqlite3* m_db = nullptr;
    QString m_path;
    Reporter* m_reporter = nullptr;
    int m_depth = 0;
    WriteHook m_writeHook;
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

// Jet's Round: half to even on the scaled binary value.
double jetRound(double x, int digits);

}  // namespace velbrisk
