#include "core/data/Database.h"

#include "core/data/Clock.h"
#include "core/data/DateText.h"
#include "core/data/JetFunctions.h"
#include "core/data/JetSql.h"
#include "core/data/MoneyTotals.h"
#include "core/data/Query.h"
#include "core/data/Schema.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <string>
#include <cmath>
#include <sqlite3.h>
#include <sys/vfs.h>

namespace velbrisk {

Q_LOGGING_CATEGORY(lcEngine, "velbrisk.engine", QtWarningMsg)

QString engineErrorText(sqlite3* db, int rc)
{
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
        return QStringLiteral("数据文件已损坏，或不是用本软件密码保护的数据库");
    case SQLITE_CORRUPT:
        return QStringLiteral("数据文件已损坏");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("数据文件正被其他工作站或程序占用，等待后仍无法写入，本次操作没有保存，请稍后再试");
    case SQLITE_READONLY:
        return QStringLiteral("数据文件是只读的，无法写入");
    case SQLITE_FULL:
        return QStringLiteral("磁盘已满，无法写入数据文件");
    case SQLITE_CANTOPEN:
        return QStringLiteral("无法打开数据文件");
    case SQLITE_IOERR:
        return QStringLiteral("读写数据文件时出错");
    default:
        break;
    }
    // The engine's own words are English: they go to the log, and the
    // person reads what they mean.
    const char* raw = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    const QString text = QString::fromUtf8(raw ? raw : "");
    qCDebug(lcEngine) << "engine error" << rc << text;
    static const QRegularExpression table(QStringLiteral("no such table: (?:\\w+\\.)?(\\w+)"));
    static const QRegularExpression column(QStringLiteral("no such column: (\\S+)"));
    if (const auto m = table.match(text); m.hasMatch())
        return QStringLiteral("数据文件缺少数据表 %1，请恢复备份或与技术支持联系").arg(m.captured(1));
    if (const auto m = column.match(text); m.hasMatch())
        return QStringLiteral("数据文件缺少字段 %1，请恢复备份或与技术支持联系").arg(m.captured(1));
    switch (rc & 0xff) {
    case SQLITE_CONSTRAINT:
        return QStringLiteral("写入的数据不符合数据文件的要求");
    case SQLITE_TOOBIG:
        return QStringLiteral("写入的内容太长");
    case SQLITE_NOMEM:
        return QStringLiteral("内存不足");
    case SQLITE_ERROR:
        if (text.contains(QLatin1String("syntax error")))
            return QStringLiteral("查询语句有误");
        break;
    default:
        break;
    }
    return QStringLiteral("数据文件操作出错（错误号 %1）").arg(rc);
}

static DbError::Kind kindOf(int rc)
{
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return DbError::Kind::NotADatabase;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DbError::Kind::Locked;
    default:
        return DbError::Kind::Generic;
    }
}

// ---------------------------------------------------------------- Statement

Statement::Statement(sqlite3* db, const QString& engineSql) : m_db(db)
{
    const QByteArray utf8 = engineSql.toUtf8();
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, &tail);
    if (rc != SQLITE_OK) {
        const QString err = engineErrorText(db, rc);
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw DbError(kindOf(rc), err);
    }
    if (!m_stmt)
        throw DbError(QStringLiteral("SQL语句为空"));
}

Statement::~Statement() { release(); }

void Statement::release()
{
    if (!m_stmt)
        return;
    StatementCache* cache = m_cache.get();
    if (cache && cache->db == m_db && cache->idle.size() < StatementCache::kMaxIdle && !cache->idle.contains(m_key)) {
        sqlite3_reset(m_stmt);  // also lets go of any read it held
        sqlite3_clear_bindings(m_stmt);
        cache->idle.insert(m_key, m_stmt);
    } else {
        sqlite3_finalize(m_stmt);
    }
    m_stmt = nullptr;
}

Statement::Statement(Statement&& other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt), m_cache(std::move(other.m_cache)), m_key(std::move(other.m_key))
{
    other.m_stmt = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept
{
    if (this != &other) {
        release();
        m_db = other.m_db;
        m_stmt = other.m_stmt;
        m_cache = std::move(other.m_cache);
        m_key = std::move(other.m_key);
        other.m_stmt = nullptr;
    }
    return *this;
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString err = engineErrorText(m_db, rc);
    sqlite3_reset(m_stmt);
    throw DbError(kindOf(rc), err);
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

void Statement::bind(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(m_stmt, index, value.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Long:
        case QMetaType::ULong:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QDateTime: {
            const QByteArray t = toStoredDate(value.toDateTime()).toUtf8();
            rc = sqlite3_bind_text(m_stmt, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QDate: {
            const QByteArray t = toStoredDate(value.toDate()).toUtf8();
            rc = sqlite3_bind_text(m_stmt, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray t = value.toString().toUtf8();
            rc = sqlite3_bind_text(m_stmt, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        throw DbError(engineErrorText(m_db, rc));
}

int Statement::columnCount() const { return sqlite3_column_count(m_stmt); }

QString Statement::columnName(int i) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, i));
}

QString Statement::columnDeclType(int i) const
{
    const char* t = sqlite3_column_decltype(m_stmt, i);
    return t ? QString::fromLatin1(t).toUpper() : QString();
}

QVariant Statement::column(int i) const
{
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, i));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i)),
                                          sqlite3_column_bytes(m_stmt, i)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(m_stmt, i)),
                                   sqlite3_column_bytes(m_stmt, i)));
    default:
        return QVariant();
    }
}

// ---------------------------------------------------------------- Connection

Connection::Connection() = default;

Connection::~Connection() { close(); }

static void applyKey(sqlite3* db, const QString& password)
{
    const QByteArray key = password.toUtf8();
    sqlite3_key(db, key.constData(), int(key.size()));
}

namespace {

// A file or folder the person has marked read-only (no write permission bit
// at all), or one this process may not write.
bool readOnlyEntry(const QFileInfo& fi)
{
    // The mode bits, not the current user's access: the administrator may write
    // anything, yet a file marked read-only is meant to stay as it is.
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !fi.isWritable() || !(fi.permissions() & anyWrite);
}

}  // namespace

bool Connection::onNetworkFileSystem(const QString& path)
{
    struct statfs st {};
    const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
    if (statfs(dir.constData(), &st) != 0)
        return false;
    switch (static_cast<unsigned long>(st.f_type)) {
    case 0x6969UL:      // NFS
    case 0x517BUL:      // SMB
    case 0xFF534D42UL:  // CIFS
    case 0xFE534D42UL:  // SMB2
    case 0x564CUL:      // NCP
    case 0x5346414FUL:  // AFS
    case 0x73757245UL:  // Coda
    case 0x01021997UL:  // 9P
    case 0x65735546UL:  // FUSE (sshfs and the like)
        return true;
    default:
        return false;
    }
}

void Connection::open(const QString& path, const QString& password, bool checkTables, bool readOnly, Journal journal)
{
    close();
    const QFileInfo fi(path);
    if (!fi.isFile())
        throw DbError(DbError::Kind::Missing, QStringLiteral("数据文件不存在：%1").arg(path));
    if (!readOnly) {
        // Refused before the engine touches anything: a read-only file would
        // otherwise open for reading only and fail at the first checkout.
        if (readOnlyEntry(fi))
            throw DbError(DbError::Kind::ReadOnly,
                          QStringLiteral("数据文件是只读的，程序无法在其中保存结帐等记录：%1\n请取消该文件的只读属性后再启动")
                              .arg(path));
        if (readOnlyEntry(QFileInfo(fi.absolutePath())))
            throw DbError(DbError::Kind::ReadOnly,
                          QStringLiteral("数据文件所在的文件夹是只读的，程序无法在其中保存记录：%1\n请取消该文件夹的只读属性后再启动")
                              .arg(fi.absolutePath()));
    }
    sqlite3* db = nullptr;
    const QByteArray p = QFile::encodeName(path);
    int rc = sqlite3_open_v2(p.constData(), &db, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const QString err = engineErrorText(db, rc);
        sqlite3_close(db);
        throw DbError(kindOf(rc), QStringLiteral("数据库打开失败：%1\n%2").arg(err, path));
    }
    applyKey(db, password);
    sqlite3_busy_handler(db, &Connection::busyHandler, this);
    // The first read tells whether the key fits and the file is sound; it
    // writes nothing, whatever the file holds.
    char* msg = nullptr;
    rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &msg);
    sqlite3_free(msg);
    endWait();
    if (rc != SQLITE_OK) {
        const QString err = engineErrorText(db, rc);
        sqlite3_close(db);
        throw DbError(kindOf(rc), QStringLiteral("数据库打开失败：%1\n%2").arg(err, path));
    }
    m_db = db;
    m_statements->db = db;
    m_path = path;
    registerJetFunctions(m_db);
    // Reports group hundreds of thousands of records: a page cache of 16 MB
    // keeps them from decrypting the same pages over and over.
    sqlite3_exec(db, "PRAGMA cache_size = -16384", nullptr, nullptr, nullptr);
    if (checkTables) {
        // Still nothing written: a foreign file is refused as it was found.
        const QString missing = missingTable(*this);
        if (!missing.isEmpty()) {
            close();
            throw DbError(DbError::Kind::Foreign,
                          QStringLiteral("数据库打开失败：该文件不是本软件的数据库（缺少数据表 %1）\n%2")
                              .arg(missing, path));
        }
    }
    if (!readOnly) {
        // On one machine the write-ahead log lets readers and writers work
        // side by side; it needs memory shared between the workstations, so a
        // file in a network folder keeps a rollback journal instead.
        const bool rollback = journal == Journal::Rollback || (journal == Journal::Auto && onNetworkFileSystem(path));
        sqlite3_exec(db, rollback ? "PRAGMA journal_mode=DELETE" : "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
        endWait();
        // What the file really runs in (another workstation may keep it in its mode).
        m_rollback = journalMode() != QLatin1String("wal");
        if (checkTables) {
            try {
                ensureIndexes(*this);
            } catch (const DbError&) {
                // Busy with another workstation: the indexes come at a later start.
            }
            try {
                ensureMoneyTotals(*this);
            } catch (const DbError&) {
                // Likewise the running totals of the money records.
            }
        }
    }
}

QString Connection::journalMode()
{
    if (!m_db)
        return QString();
    Statement st(m_db, QStringLiteral("PRAGMA journal_mode"));
    return st.step() ? st.column(0).toString().toLower() : QString();
}

int Connection::busyHandler(void* self, int count)
{
    auto* c = static_cast<Connection*>(self);
    if (count == 0 || !c->m_busyClock.isValid())
        c->m_busyClock.start();
    const qint64 waited = c->m_busyClock.elapsed();
    if (waited >= c->m_busyTimeoutMs)
        return 0;  // give up: the write fails with its message, nothing written
    if (waited >= 500 && c->m_waitHook) {
        c->m_waitShown = true;
        c->m_waitHook(waited);
    }
    sqlite3_sleep(waited < 100 ? 5 : 25);
    return 1;
}

void Connection::endWait()
{
    m_busyClock.invalidate();
    if (!m_waitShown)
        return;
    m_waitShown = false;
    if (m_waitHook)
        m_waitHook(-1);
}

void Connection::create(const QString& path, const QString& password)
{
    close();
    if (QFileInfo::exists(path))
        throw DbError(QStringLiteral("文件已经存在，不能覆盖：%1").arg(path));
    sqlite3* db = nullptr;
    const QByteArray p = QFile::encodeName(path);
    const int rc = sqlite3_open_v2(p.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        const QString err = engineErrorText(db, rc);
        sqlite3_close(db);
        throw DbError(QStringLiteral("无法建立数据文件：%1\n%2").arg(err, path));
    }
    applyKey(db, password);
    sqlite3_busy_handler(db, &Connection::busyHandler, this);
    m_db = db;
    m_statements->db = db;
    m_path = path;
    registerJetFunctions(m_db);
}

void Connection::close()
{
    // The lists let go of their reads, so the file is really closed.
    parkReaders();
    clearStatementCache();
    m_statements->db = nullptr;  // statements still out are finalised when done
    m_statements = std::make_shared<StatementCache>();
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    m_depth = 0;
    m_rollback = false;
    m_moneyTotals = {};
    m_path.clear();
}

void Connection::copyInto(Connection& target)
{
    if (!m_db || !target.m_db)
        throw DbError(QStringLiteral("数据库尚未打开"));
    sqlite3_backup* b = sqlite3_backup_init(target.m_db, "main", m_db, "main");
    if (!b)
        throw DbError(engineErrorText(target.m_db, sqlite3_errcode(target.m_db)));
    int rc;
    do {
        rc = sqlite3_backup_step(b, 256);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            sqlite3_sleep(20);
    } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
    sqlite3_backup_finish(b);
    if (rc != SQLITE_DONE)
        throw DbError(kindOf(rc), engineErrorText(target.m_db, rc));
    // The copy is one self-contained file: no log beside it.
    sqlite3_exec(target.m_db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
}

void Connection::execEngine(const QString& engineSql)
{
    if (!m_db)
        throw DbError(QStringLiteral("数据库尚未打开"));
    beforeWrite(engineSql);
    WriteScope scope(*this);
    char* msg = nullptr;
    const QByteArray sql = engineSql.toUtf8();
    const int rc = sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, &msg);
    if (rc != SQLITE_OK) {
        const QString err = msg ? QString::fromUtf8(msg) : engineErrorText(m_db, rc);
        sqlite3_free(msg);
        throw DbError(kindOf(rc), err);
    }
}

int Connection::exec(const QString& jetSql)
{
    if (!m_db)
        throw DbError(QStringLiteral("数据库尚未打开"));
    QString engineSql;
    try {
        engineSql = translateJet(jetSql);
    } catch (const JetSyntaxError& e) {
        throw DbError(DbError::Kind::Syntax, e.message());
    }
    Statement st = prepareEngine(engineSql);
    if (sqlite3_stmt_readonly(st.handle())) {
        while (st.step()) {
        }
        return sqlite3_changes(m_db);
    }
    beforeWrite(engineSql);
    WriteScope scope(*this);
    while (st.step()) {
    }
    return sqlite3_changes(m_db);
}

Statement Connection::prepareEngine(const QString& engineSql)
{
    if (!m_db)
        throw DbError(QStringLiteral("数据库尚未打开"));
    QByteArray key = engineSql.toUtf8();
    Statement st;
    if (sqlite3_stmt* idle = m_statements->idle.take(key)) {
        st.m_db = m_db;
        st.m_stmt = idle;
    } else {
        st = Statement(m_db, engineSql);
    }
    st.m_cache = m_statements;
    st.m_key = std::move(key);
    return st;
}

void Connection::clearStatementCache()
{
    for (sqlite3_stmt* s : std::as_const(m_statements->idle))
        sqlite3_finalize(s);
    m_statements->idle.clear();
}

qint64 Connection::lastInsertId() const { return sqlite3_last_insert_rowid(m_db); }

int Connection::changes() const { return sqlite3_changes(m_db); }

void Connection::execControl(const QString& sql)
{
    if (!m_db)
        throw DbError(QStringLiteral("数据库尚未打开"));
    char* msg = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_exec(m_db, utf8.constData(), nullptr, nullptr, &msg);
    endWait();
    if (rc != SQLITE_OK) {
        const QString err = engineErrorText(m_db, rc);
        sqlite3_free(msg);
        throw DbError(kindOf(rc), err);
    }
}

void Connection::begin()
{
    if (m_depth == 0) {
        // The transaction reads afresh: no list's old read stands in its way.
        parkReaders();
        execControl(QStringLiteral("BEGIN IMMEDIATE"));
    } else {
        execControl(QStringLiteral("SAVEPOINT sp%1").arg(m_depth));
    }
    ++m_depth;
}

void Connection::commit()
{
    if (m_depth <= 0)
        return;
    --m_depth;
    try {
        if (m_depth == 0)
            execControl(QStringLiteral("COMMIT"));
        else
            execControl(QStringLiteral("RELEASE sp%1").arg(m_depth));
    } catch (...) {
        ++m_depth;
        throw;
    }
}

void Connection::rollback()
{
    if (m_depth <= 0 || !m_db)
        return;
    --m_depth;
    // Rolling back must not be stopped by the write hook of a test.
    const QByteArray sql = m_depth == 0 ? QByteArray("ROLLBACK")
                                        : QStringLiteral("ROLLBACK TO sp%1; RELEASE sp%1").arg(m_depth).toUtf8();
    sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr);
}

void Connection::parkReaders()
{
    for (Query* q : *m_queries)
        q->park();
}

Transaction::Transaction(Connection& c) : m_c(c) { m_c.begin(); }

Transaction::~Transaction()
{
    if (!m_done)
        m_c.rollback();
}

void Transaction::commit()
{
    m_c.commit();
    m_done = true;
}

}  // namespace velbrisk
