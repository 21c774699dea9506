#pragma once
// A query on the connection in the manner the windows use it: give it Jet SQL,
// open it, walk its rows, edit the current row and post it, or insert a row
// into a whole-table query and read the new key back. Rows are fetched lazily:
// opening a query on a large table reads one row at most.
#include "core/data/Database.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

namespace velbrisk {

enum class FieldType { Integer, Number, Text, DateTime, YesNo, Unknown };

class Query {
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit Query(Connection& c);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Connection& connection() const { return m_c; }

    // ---- running SQL
    void close();
    void setSql(const QString& jetSql);
    QString sql() const { return m_jet; }
    void open();     // throws DbError
    int execSql();   // throws DbError; rows affected
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    // ---- walking rows
    bool isEmpty();
    bool eof();
    bool bof() const { return m_cur <= 0; }
    void first();
    void next();
    void prior();
    void last();
    void moveBy(int n);
    void moveTo(int row);  // 0-based
    int recNo() const { return m_cur; }
    int recordCount();
    // The sum of a numeric field over every row of the query: the rows in
    // hand when all are read, else one aggregate statement over the query
    // (a footer over a million records reads none of them).
    double sum(const QString& field);
    // Counts the rows and sums these fields in one statement over the query,
    // for the footers that follow (a grid's count and sums cost one pass).
    void prepareTotals(const QStringList& fields);

    // ---- fields of the current row
    int fieldCount() const { return int(m_names.size()); }
    QString fieldName(int i) const { return m_names.at(i); }
    FieldType fieldType(int i) const { return m_types.at(i); }
    int fieldIndex(const QString& name) const;  // -1 when absent
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    QVariant value(const QString& field);
    QString str(const QString& field);
    double num(const QString& field);
    qint64 integer(const QString& field);
    QDateTime dateTime(const QString& field);
    bool boolean(const QString& field);
    bool isNull(const QString& field);

    // ---- changing rows (single-table "Select * From T ..." queries only)
    bool editable() const { return !m_table.isEmpty(); }
    void edit();
    void insert();
    void setValue(const QString& field, const QVariant& value);
    void post();
    void cancel();
    void deleteRecord();

    // ---- lazy access for grids
    int fetchedCount() const { return int(m_rows.size()); }
    bool canFetchMore() const { return more(); }
    void fetchMore(int n);
    void fetchAll();
    QVariant valueAt(int row, int col);
    QString textAt(int row, int col);
    double numberAt(int row, int col);

    // Display text of a stored value of the given field type.
    static QString displayText(const QVariant& raw, FieldType type);

    // Lets go of the read this query holds open; the next fetch takes up
    // where it was. The connection does this before it writes.
    void park();

private:
    bool more() const { return m_stmt.valid() || m_parked; }
    void settle();
    const std::vector<QVariant>& currentRow();
    int checkedField(const QString& field) const;
    void ensureRow(int row);
    bool fetchOne();
    // Runs the statement again from the first row not yet read (after a
    // rollback aborted it, or after it was parked).
    void resumeAtRow();
    QVariant toStored(int col, const QVariant& v) const;
    void requireBrowse(const char* what) const;

    Connection& m_c;
    std::shared_ptr<std::vector<Query*>> m_registry;  // the connection's list of queries
    bool m_parked = false;  // rows remain, their statement let go
    QString m_jet;
    QString m_engineSql;
    State m_state = State::Inactive;
    Statement m_stmt;  // valid while rows remain to fetch
    std::vector<QString> m_names;
    std::vector<FieldType> m_types;
    QHash<QString, int> m_index;  // lower-case name -> column
    std::vector<std::vector<QVariant>> m_rows;
    std::vector<std::vector<QVariant>> m_appended;  // inserted before the end was fetched
    int m_cur = 0;
    std::optional<int> m_count;  // counted without fetching
    QHash<int, double> m_totals;  // column -> sum over the statement's rows, by prepareTotals
    QString m_table;             // set for editable queries
    int m_keyCol = -1;
    std::vector<QVariant> m_buffer;  // edit or insert buffer
    std::vector<bool> m_dirty;
    bool m_onAppended = false;  // current row is the last row inserted while lazy
};

// A query borrowed for a block (most often a scratch query of the data
// module): it is closed when the lease ends, however the block is left, with
// a result, a refusal or a failure.
class QueryLease {
public:
    explicit QueryLease(Query& q) : m_q(q) {}
    ~QueryLease() { m_q.close(); }
    QueryLease(const QueryLease&) = delete;
    QueryLease& operator=(const QueryLease&) = delete;

    // Opens the query on Jet text; throws DbError.
    Query& open(const QString& jetSql)
    {
        m_q.setSql(jetSql);
        m_q.open();
        return m_q;
    }
    Query& operator*() const { return m_q; }
    Query* operator->() const { return &m_q; }

private:
    Query& m_q;
};

}  // namespace velbrisk
