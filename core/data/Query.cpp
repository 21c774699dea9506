#include "core/data/Query.h"

#include "core/data/DateText.h"
#include "core/data/JetFunctions.h"
#include "core/data/JetSql.h"
#include "core/data/Schema.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace velbrisk {

namespace {

FieldType typeFromDecl(const QString& decl)
{
    if (decl.isEmpty())
        return FieldType::Unknown;
    if (decl.startsWith(QLatin1String("DATETIME")))
        return FieldType::DateTime;
    if (decl.startsWith(QLatin1String("YESNO")))
        return FieldType::YesNo;
    if (decl.contains(QLatin1String("INT")))
        return FieldType::Integer;
    if (decl.contains(QLatin1String("DOUB")) || decl.contains(QLatin1String("REAL"))
        || decl.contains(QLatin1String("FLOA")))
        return FieldType::Number;
    return FieldType::Text;
}

QString numberText(double d)
{
    return QString::number(d, 'g', 15);
}

}  // namespace

Query::Query(Connection& c) : m_c(c), m_registry(c.m_queries)
{
    m_registry->push_back(this);
}

Query::~Query()
{
    std::erase(*m_registry, this);
}

void Query::park()
{
    if (!m_stmt.valid())
        return;
    m_stmt = Statement();
    m_parked = true;
}

// With a rollback journal an open read holds every other workstation's
// writes up: the query lets go of it after each batch of rows.
void Query::settle()
{
    if (m_c.rollbackJournal())
        park();
}

void Query::close()
{
    m_stmt = Statement();
    m_parked = false;
    m_state = State::Inactive;
    m_names.clear();
    m_types.clear();
    m_index.clear();
    m_rows.clear();
    m_appended.clear();
    m_cur = 0;
    m_count.reset();
    m_totals.clear();
    m_table.clear();
    m_keyCol = -1;
    m_buffer.clear();
    m_dirty.clear();
    m_onAppended = false;
}

void Query::setSql(const QString& jetSql)
{
    close();
    m_jet = jetSql;
}

static QString translateOrThrow(const QString& jet)
{
    try {
        return translateJet(jet);
    } catch (const JetSyntaxError& e) {
        throw DbError(DbError::Kind::Syntax, e.message());
    }
}

void Query::open()
{
    close();
    if (!m_c.isOpen())
        throw DbError(QStringLiteral("数据库尚未打开"));
    m_engineSql = translateOrThrow(m_jet);
    Statement st = m_c.prepareEngine(m_engineSql);
    if (!sqlite3_stmt_readonly(st.handle()))
        throw DbError(QStringLiteral("只能用查询语句打开数据集"));
    const int n = st.columnCount();
    for (int i = 0; i < n; ++i) {
        m_names.push_back(st.columnName(i));
        m_types.push_back(typeFromDecl(st.columnDeclType(i)));
        m_index.insert(m_names.back().toLower(), i);
    }
    m_stmt = std::move(st);
    m_state = State::Browse;

    // A plain "Select * From T [Where ...] [Order By ...]" can change its rows.
    static const QRegularExpression single(
        QStringLiteral(R"(^\s*select\s+\*\s+from\s+([A-Za-z_]\w*)\s*(?:(?:where|order)\b.*)?$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = single.match(m_jet);
    if (m.hasMatch()) {
        const QString key = keyColumnOf(m.captured(1));
        const int keyCol = key.isEmpty() ? -1 : fieldIndex(key);
        if (keyCol >= 0) {
            m_table = QString::fromLatin1(findTable(m.captured(1))->name);
            m_keyCol = keyCol;
        }
    }
    // Reading the first row shows at once whether the statement runs; it costs
    // one row, not the table.
    fetchOne();
    settle();
}

int Query::execSql()
{
    close();
    return m_c.exec(m_jet);
}

bool Query::fetchOne()
{
    if (!m_stmt.valid()) {
        if (!m_parked)
            return false;
        m_parked = false;
        resumeAtRow();
    }
    bool row = false;
    try {
        row = m_stmt.step();
    } catch (const DbError&) {
        // A rollback elsewhere on the connection aborts pending reads: run the
        // statement again from where we were.
        if ((sqlite3_errcode(m_c.handle()) & 0xff) != SQLITE_ABORT)
            throw;
        resumeAtRow();
        row = m_stmt.step();
    }
    if (!row) {
        m_stmt = Statement();
        for (auto& r : m_appended)
            m_rows.push_back(std::move(r));
        m_appended.clear();
        if (m_onAppended) {
            m_onAppended = false;
            m_cur = int(m_rows.size()) - 1;
        }
        return false;
    }
    std::vector<QVariant> values;
    values.reserve(m_names.size());
    for (int i = 0; i < int(m_names.size()); ++i)
        values.push_back(m_stmt.column(i));
    // A row this query inserted may turn up in the rest of the scan: keep it
    // there, once.
    if (m_keyCol >= 0 && !m_appended.empty()) {
        const qlonglong key = values[m_keyCol].toLongLong();
        for (auto it = m_appended.begin(); it != m_appended.end(); ++it)
            if ((*it)[m_keyCol].toLongLong() == key) {
                const bool wasCurrent = m_onAppended && it + 1 == m_appended.end();
                m_appended.erase(it);
                if (wasCurrent) {
                    m_onAppended = false;
                    m_cur = int(m_rows.size());
                }
                break;
            }
    }
    m_rows.push_back(std::move(values));
    return true;
}

void Query::resumeAtRow()
{
    m_stmt = m_c.prepareEngine(QStringLiteral("SELECT * FROM (%1) LIMIT -1 OFFSET %2")
                                   .arg(m_engineSql)
                                   .arg(m_rows.size()));
}

void Query::fetchMore(int n)
{
    for (int i = 0; i < n && fetchOne(); ++i) {
    }
    settle();
}

void Query::fetchAll()
{
    while (fetchOne()) {
    }
}

void Query::ensureRow(int row)
{
    if (int(m_rows.size()) > row)
        return;
    // A resumed read fetches a batch ahead before it lets go again.
    const int target = m_c.rollbackJournal() ? std::max(row, int(m_rows.size()) + 255) : row;
    while (int(m_rows.size()) <= target && fetchOne()) {
    }
    settle();
}

void Query::requireBrowse(const char* what) const
{
    if (m_state == State::Inactive)
        throw DbError(QStringLiteral("数据集没有打开，不能%1").arg(QString::fromUtf8(what)));
}

bool Query::isEmpty()
{
    requireBrowse("读取");
    ensureRow(0);
    return m_rows.empty() && m_appended.empty() && !m_onAppended;
}

bool Query::eof()
{
    requireBrowse("读取");
    if (m_onAppended)
        return false;
    ensureRow(m_cur);
    return m_cur >= int(m_rows.size());
}

void Query::first() { moveTo(0); }

void Query::next()
{
    if (m_onAppended) {
        // The newly inserted row is the last one.
        fetchAll();
        m_cur = int(m_rows.size());
        return;
    }
    ensureRow(m_cur + 1);
    if (m_cur < int(m_rows.size()))
        ++m_cur;
}

void Query::prior()
{
    m_onAppended = false;
    if (m_cur > 0)
        --m_cur;
}

void Query::last()
{
    fetchAll();
    m_onAppended = false;
    m_cur = std::max(0, int(m_rows.size()) - 1);
}

void Query::moveBy(int n)
{
    moveTo(std::max(0, m_cur + n));
}

void Query::moveTo(int row)
{
    requireBrowse("移动");
    m_onAppended = false;
    ensureRow(row);
    m_cur = std::min(std::max(0, row), int(m_rows.size()));
}

int Query::recordCount()
{
    requireBrowse("计数");
    if (!more())
        return int(m_rows.size());
    if (!m_count) {
        Statement st = m_c.prepareEngine(QStringLiteral("SELECT COUNT(*) FROM (%1)").arg(m_engineSql));
        st.step();
        m_count = int(st.column(0).toLongLong());
    }
    return *m_count + int(m_appended.size());
}

double Query::sum(const QString& field)
{
    requireBrowse("合计");
    const int f = checkedField(field);
    double total = 0;
    if (!more()) {
        for (const auto& row : m_rows)
            total += row[f].toDouble();
        return total;
    }
    if (m_totals.contains(f)) {
        total = m_totals.value(f);
    } else {
        Statement st = m_c.prepareEngine(QStringLiteral("SELECT TOTAL(\"%1\") FROM (%2)").arg(m_names[f], m_engineSql));
        st.step();
        total = st.column(0).toDouble();
    }
    for (const auto& row : m_appended)
        total += row[f].toDouble();
    return total;
}

void Query::prepareTotals(const QStringList& fields)
{
    requireBrowse("合计");
    if (!more())
        return;  // every row in hand: counts and sums need no statement
    QList<int> columns;
    QString sql = QStringLiteral("SELECT COUNT(*)");
    for (const QString& field : fields) {
        const int f = fieldIndex(field);
        if (f < 0)
            continue;
        columns << f;
        sql += QStringLiteral(", TOTAL(\"%1\")").arg(m_names[f]);
    }
    Statement st = m_c.prepareEngine(sql + QStringLiteral(" FROM (%1)").arg(m_engineSql));
    st.step();
    m_count = int(st.column(0).toLongLong());
    for (int i = 0; i < columns.size(); ++i)
        m_totals.insert(columns[i], st.column(i + 1).toDouble());
}

int Query::fieldIndex(const QString& name) const
{
    return m_index.value(name.toLower(), -1);
}

int Query::checkedField(const QString& field) const
{
    const int i = fieldIndex(field);
    if (i < 0)
        throw DbError(QStringLiteral("数据集中没有字段 %1").arg(field));
    return i;
}

const std::vector<QVariant>& Query::currentRow()
{
    requireBrowse("读取");
    if (m_state == State::Edit || m_state == State::Insert)
        return m_buffer;
    if (m_onAppended)
        return m_appended.back();
    ensureRow(m_cur);
    if (m_cur >= int(m_rows.size()))
        throw DbError(QStringLiteral("数据集中没有当前记录"));
    return m_rows[m_cur];
}

QVariant Query::value(const QString& field)
{
    const int i = checkedField(field);
    const QVariant& raw = currentRow()[i];
    if (raw.isNull())
        return QVariant();
    switch (m_types[i]) {
    case FieldType::DateTime: {
        if (raw.typeId() == QMetaType::QDateTime)
            return raw;
        const auto dt = fromStoredDate(raw.toString());
        return dt ? QVariant(*dt) : raw;
    }
    case FieldType::YesNo:
        return QVariant(raw.toLongLong() != 0);
    default:
        return raw;
    }
}

QString Query::displayText(const QVariant& raw, FieldType type)
{
    if (!raw.isValid() || raw.isNull())
        return QString();
    switch (type) {
    case FieldType::DateTime: {
        if (raw.typeId() == QMetaType::QDateTime)
            return dateDisplayText(raw.toDateTime());
        const auto dt = fromStoredDate(raw.toString());
        return dt ? dateDisplayText(*dt) : raw.toString();
    }
    case FieldType::YesNo:
        return raw.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    default:
        break;
    }
    if (raw.typeId() == QMetaType::Double)
        return numberText(raw.toDouble());
    return raw.toString();
}

QString Query::str(const QString& field)
{
    const int i = checkedField(field);
    return displayText(currentRow()[i], m_types[i]);
}

double Query::num(const QString& field)
{
    const QVariant v = currentRow()[checkedField(field)];
    if (v.isNull())
        return 0;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? d : 0;
}

qint64 Query::integer(const QString& field)
{
    const QVariant v = currentRow()[checkedField(field)];
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::Double)
        return qint64(jetRound(v.toDouble(), 0));
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    return ok ? n : 0;
}

QDateTime Query::dateTime(const QString& field)
{
    const QVariant v = value(field);
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.isNull())
        return {};
    const auto dt = fromStoredDate(v.toString());
    return dt ? *dt : QDateTime();
}

bool Query::boolean(const QString& field)
{
    const QVariant v = currentRow()[checkedField(field)];
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString();
        return s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || s.toLongLong() != 0;
    }
    return v.toLongLong() != 0;
}

bool Query::isNull(const QString& field)
{
    return currentRow()[checkedField(field)].isNull();
}

// ---------------------------------------------------------------- editing

void Query::edit()
{
    requireBrowse("修改");
    if (!editable())
        throw DbError(QStringLiteral("该数据集不能修改"));
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    m_buffer = currentRow();
    m_dirty.assign(m_names.size(), false);
    m_state = State::Edit;
}

void Query::insert()
{
    requireBrowse("新增");
    if (!editable())
        throw DbError(QStringLiteral("该数据集不能新增记录"));
    m_buffer.assign(m_names.size(), QVariant());
    m_dirty.assign(m_names.size(), false);
    m_state = State::Insert;
}

QVariant Query::toStored(int col, const QVariant& v) const
{
    if (!v.isValid() || v.isNull())
        return QVariant();
    switch (m_types[col]) {
    case FieldType::DateTime:
        if (v.typeId() == QMetaType::QDateTime)
            return toStoredDate(v.toDateTime());
        if (v.typeId() == QMetaType::QDate)
            return toStoredDate(v.toDate());
        if (v.toString().isEmpty())
            return QVariant();
        if (const auto dt = parseLooseDate(v.toString()))
            return toStoredDate(*dt);
        throw DbError(QStringLiteral("字段 %1 的日期格式有误：%2").arg(m_names[col], v.toString()));
    case FieldType::YesNo:
        if (v.typeId() == QMetaType::QString)
            return qlonglong(v.toString().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0
                             || v.toString().toLongLong() != 0);
        return qlonglong(v.toBool() ? 1 : 0);
    case FieldType::Integer: {
        bool ok = false;
        const qlonglong n = v.typeId() == QMetaType::Double ? qlonglong(jetRound(v.toDouble(), 0))
                                                             : v.toLongLong(&ok);
        if (v.typeId() != QMetaType::Double && !ok)
            throw DbError(QStringLiteral("字段 %1 需要整数：%2").arg(m_names[col], v.toString()));
        return n;
    }
    case FieldType::Number: {
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (!ok)
            throw DbError(QStringLiteral("字段 %1 需要数字：%2").arg(m_names[col], v.toString()));
        return d;
    }
    default:
        return v.toString();
    }
}

void Query::setValue(const QString& field, const QVariant& value)
{
    if (m_state != State::Edit && m_state != State::Insert)
        throw DbError(QStringLiteral("数据集不在编辑状态"));
    const int i = checkedField(field);
    if (i == m_keyCol)
        throw DbError(QStringLiteral("编号字段 %1 由数据库自动生成").arg(field));
    m_buffer[i] = toStored(i, value);
    m_dirty[i] = true;
}

void Query::cancel()
{
    if (m_state == State::Edit || m_state == State::Insert)
        m_state = State::Browse;
    m_buffer.clear();
    m_dirty.clear();
}

void Query::post()
{
    m_totals.clear();  // the sums change with the row
    if (m_state == State::Edit) {
        QStringList sets;
        std::vector<QVariant> values;
        for (int i = 0; i < int(m_names.size()); ++i)
            if (m_dirty[i]) {
                sets << m_names[i] + QStringLiteral(" = ?");
                values.push_back(m_buffer[i]);
            }
        if (!sets.isEmpty()) {
            const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                                    .arg(m_table, sets.join(QStringLiteral(", ")), m_names[m_keyCol]);
            m_c.beforeWrite(sql);
            WriteScope scope(m_c);
            Statement st = m_c.prepareEngine(sql);
            int b = 1;
            for (const QVariant& v : values)
                st.bind(b++, v);
            st.bind(b, m_buffer[m_keyCol]);
            st.step();
        }
        if (m_onAppended)
            m_appended.back() = m_buffer;
        else
            m_rows[m_cur] = m_buffer;
        m_state = State::Browse;
        m_buffer.clear();
        return;
    }
    if (m_state == State::Insert) {
        QStringList cols;
        std::vector<QVariant> values;
        for (int i = 0; i < int(m_names.size()); ++i)
            if (m_dirty[i]) {
                cols << m_names[i];
                values.push_back(m_buffer[i]);
            }
        QString sql;
        if (cols.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_table);
        } else {
            QStringList marks;
            for (int i = 0; i < cols.size(); ++i)
                marks << QStringLiteral("?");
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(m_table, cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
        }
        m_c.beforeWrite(sql);
        WriteScope scope(m_c);
        Statement st = m_c.prepareEngine(sql);
        int b = 1;
        for (const QVariant& v : values)
            st.bind(b++, v);
        st.step();
        m_buffer[m_keyCol] = qlonglong(m_c.lastInsertId());
        if (more()) {
            m_appended.push_back(std::move(m_buffer));
            m_onAppended = true;
        } else {
            m_rows.push_back(std::move(m_buffer));
            m_cur = int(m_rows.size()) - 1;
            m_onAppended = false;
        }
        m_state = State::Browse;
        m_buffer.clear();
        return;
    }
    throw DbError(QStringLiteral("数据集不在编辑状态"));
}

void Query::deleteRecord()
{
    requireBrowse("删除");
    if (!editable())
        throw DbError(QStringLiteral("该数据集不能删除记录"));
    cancel();
    const QVariant key = currentRow()[m_keyCol];
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(m_table, m_names[m_keyCol]);
    m_c.beforeWrite(sql);
    WriteScope scope(m_c);
    Statement st = m_c.prepareEngine(sql);
    st.bind(1, key);
    st.step();
    if (m_onAppended) {
        m_appended.pop_back();
        m_onAppended = false;
        m_cur = int(m_rows.size());
    } else {
        m_rows.erase(m_rows.begin() + m_cur);
        if (m_count)
            --*m_count;
    }
    m_totals.clear();
}

// ---------------------------------------------------------------- grids

QVariant Query::valueAt(int row, int col)
{
    ensureRow(row);
    if (row < 0 || row >= int(m_rows.size()) || col < 0 || col >= int(m_names.size()))
        return QVariant();
    return m_rows[row][col];
}

QString Query::textAt(int row, int col)
{
    const QVariant v = valueAt(row, col);
    return displayText(v, col >= 0 && col < int(m_types.size()) ? m_types[col] : FieldType::Unknown);
}

double Query::numberAt(int row, int col)
{
    const QVariant v = valueAt(row, col);
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? d : 0;
}

}  // namespace velbrisk
