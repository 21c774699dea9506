#include "tests/support/TestData.h"

#include "core/data/Schema.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace velbrisk::test {

QString templateDataFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.path() + QStringLiteral("/template.mdb");
        Connection c;
        c.create(p);
        createSchema(c);
        c.close();
        return p;
    }();
    return path;
}

TestVenue::TestVenue(bool open)
{
    const QString file = dataFile();
    if (!QFile::copy(templateDataFile(), file))
        throw DbError(QStringLiteral("cannot copy template"));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    m_db.setReporter(&prompt);
    if (open)
        m_db.open(file);
}

TestVenue::~TestVenue() { m_db.close(); }

QString TestVenue::dir() const { return m_dir.path() + QLatin1Char('/'); }

int TestVenue::exec(const QString& jetSql)
{
    try {
        return m_db.exec(jetSql);
    } catch (const Failure& e) {
        ADD_FAILURE() << "exec failed: " << jetSql.toStdString() << ": " << e.message().toStdString();
        return -1;
    }
}

QString TestVenue::firstRow(const QString& jetSql, bool allColumns)
{
    Query q(m_db);
    q.setSql(jetSql);
    try {
        q.open();
        if (q.eof())
            return QString();
        QStringList cols;
        for (int i = 0; i < (allColumns ? q.fieldCount() : 1); ++i)
            cols << q.str(q.fieldName(i));
        return cols.join(QLatin1Char('/'));
    } catch (const Failure& e) {
        ADD_FAILURE() << "query failed: " << jetSql.toStdString() << ": " << e.message().toStdString();
        return QString();
    }
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace velbrisk::test
