// Opening the data file, its refusals, and all-or-nothing writes.
#include "core/data/Database.h"
#include "core/data/Query.h"
#include "core/data/Schema.h"
#include "tests/support/TestData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

// Opens `path` expecting a refusal; the file must come out of it unchanged,
// byte for byte, with no side file left beside it.
DbError::Kind openKind(const QString& path, const QString& password = QString::fromLatin1(Connection::kPassword),
                       QString* message = nullptr)
{
    const QByteArray before = test::readFile(path);
    const bool existed = QFile::exists(path);
    Connection c;
    try {
        c.open(path, password);
    } catch (const DbError& e) {
        EXPECT_FALSE(c.isOpen());
        EXPECT_FALSE(e.message().isEmpty());
        EXPECT_EQ(QFile::exists(path), existed);
        EXPECT_EQ(test::readFile(path), before) << "a refused file is never changed: " << path.toStdString();
        for (const char* side : {"-wal", "-shm", "-journal"})
            EXPECT_FALSE(QFile::exists(path + QLatin1String(side))) << path.toStdString() << side;
        if (message)
            *message = e.message();
        return e.kind();
    }
    ADD_FAILURE() << "opened " << path.toStdString();
    return DbError::Kind::Generic;
}

TEST(DataFile, TemplateHoldsEveryTableAndTheReservedRows)
{
    TestVenue v;
    EXPECT_EQ(missingTable(v.db()), QString());
    for (const char* t : {"Room", "Bill", "Book", "Account", "GetPay"})
        EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From %1 Where %1Index = 1").arg(QLatin1String(t))),
                  QStringLiteral("1")) << t;
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From PrintTable")), QString::number(kPrintTableRows));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Room Where RoomIndex > 1")), QStringLiteral("0"));
    // Checkout's default account 2 is a bank account (the default book).
    EXPECT_EQ(v.scalar(QStringLiteral("Select AccountType From Account Where AccountIndex = 2")), QStringLiteral("1"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select GetPaySum3 From GetPay Where GetPayIndex = 1")), QStringLiteral("0"));
    // The next room gets key 2.
    v.exec(QStringLiteral("Insert Into Room (RoomName) Values ('A')"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomIndex From Room Where RoomName = 'A'")), QStringLiteral("2"));
}

TEST(DataFile, RefusesWhatIsNotOurs)
{
    TestVenue v(false);
    EXPECT_EQ(openKind(v.dataFile(), QStringLiteral("WrongPwd")), DbError::Kind::NotADatabase);
    EXPECT_EQ(openKind(v.dir() + QStringLiteral("nothing.mdb")), DbError::Kind::Missing);

    const QString text = v.dir() + QStringLiteral("notes.mdb");
    test::writeFile(text, QByteArray("这不是数据库，只是一段文字。\n").repeated(200));
    EXPECT_EQ(openKind(text), DbError::Kind::NotADatabase);

    const QString empty = v.dir() + QStringLiteral("empty.mdb");
    test::writeFile(empty, QByteArray());
    EXPECT_EQ(openKind(empty), DbError::Kind::Foreign);

    // Our own data file with its first bytes scrambled.
    QFile f(v.dataFile());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll();
    f.close();
    for (int i = 0; i < 64; ++i)
        bytes[i] = char(bytes[i] ^ 0x5a);
    const QString torn = v.dir() + QStringLiteral("torn.mdb");
    test::writeFile(torn, bytes);
    EXPECT_EQ(openKind(torn), DbError::Kind::NotADatabase);

    // Keyed with our password but holding other tables.
    const QString foreign = v.dir() + QStringLiteral("foreign.mdb");
    {
        Connection c;
        c.create(foreign);
        c.execEngine(QStringLiteral("CREATE TABLE Room (RoomIndex INTEGER PRIMARY KEY)"));
    }
    EXPECT_EQ(openKind(foreign), DbError::Kind::Foreign);
}

TEST(DataFile, ReadOnlyFilesAndFoldersAreNamedAndLeftAlone)
{
    TestVenue v(false);
    QString message;
    QFile::setPermissions(v.dataFile(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_EQ(openKind(v.dataFile(), QString::fromLatin1(Connection::kPassword), &message), DbError::Kind::ReadOnly);
    EXPECT_TRUE(message.startsWith(QStringLiteral("数据文件是只读的"))) << message.toStdString();
    QFile::setPermissions(v.dataFile(), QFile::ReadOwner | QFile::WriteOwner);

    QTemporaryDir outer;
    const QString folder = outer.path() + QStringLiteral("/只读");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/Velbrisk.mdb");
    ASSERT_TRUE(QFile::copy(v.dataFile(), file));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(openKind(file, QString::fromLatin1(Connection::kPassword), &message), DbError::Kind::ReadOnly);
    EXPECT_TRUE(message.startsWith(QStringLiteral("数据文件所在的文件夹是只读的"))) << message.toStdString();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Connection c;
    EXPECT_NO_THROW(c.open(file)) << "once writable again it opens";
}

TEST(DataFile, ANetworkFolderKeepsARollbackJournal)
{
    TestVenue v(false);
    Connection local;
    local.open(v.dataFile());
    EXPECT_EQ(local.journalMode(), QStringLiteral("wal"));
    EXPECT_FALSE(local.rollbackJournal());
    local.close();
    Connection shared;
    shared.open(v.dataFile(), QString::fromLatin1(Connection::kPassword), true, false, Connection::Journal::Rollback);
    EXPECT_EQ(shared.journalMode(), QStringLiteral("delete"));
    EXPECT_TRUE(shared.rollbackJournal());
    shared.exec(QStringLiteral("Insert Into Room (RoomName) Values ('A')"));
    shared.close();
    EXPECT_FALSE(QFile::exists(v.dataFile() + QStringLiteral("-wal")));
    EXPECT_FALSE(Connection::onNetworkFileSystem(v.dataFile())) << "a temporary folder is local";
}

TEST(DataFile, CreateNeverOverwrites)
{
    TestVenue v(false);
    Connection c;
    EXPECT_THROW(c.create(v.dataFile()), DbError);
    Connection again;
    EXPECT_NO_THROW(again.open(v.dataFile()));
}

TEST(DataFile, TheEnginesFailuresAreSaidInChinese)
{
    TestVenue v;
    v.exec(QStringLiteral("Insert Into MoneyTable (MoneyAccount, MoneyCreateTime, MoneySum) Values (2, #2026-01-05#, 1)"));
    const struct {
        const char* sql;
        const char* says;
    } cases[] = {
        {"Select * From Nowhere", "数据文件缺少数据表 Nowhere"},
        {"Select Nothing From Room", "数据文件缺少字段 Nothing"},
        {"Update MoneyDayTotal Set TotalSum = Null", "写入的数据不符合数据文件的要求"},
    };
    for (const auto& c : cases) {
        try {
            const QString sql = QString::fromUtf8(c.sql);
            if (sql.startsWith(QLatin1String("Select"))) {
                Query q(v.db());
                q.setSql(sql);
                q.open();
            } else {
                v.db().exec(sql);
            }
            ADD_FAILURE() << c.sql << " ran";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.says))) << e.message().toStdString();
        }
    }
}

TEST(Transactions, AFailureInsideRollsEverythingBack)
{
    TestVenue v;
    int writes = 0;
    v.db().setWriteHook([&](const QString&) {
        if (++writes == 3)
            throw DbError(QStringLiteral("磁盘写入失败"));
    });
    try {
        Transaction tx(v.db());
        v.exec(QStringLiteral("Insert Into Room (RoomName) Values ('A')"));
        v.exec(QStringLiteral("Insert Into Room (RoomName) Values ('B')"));
        Query q(v.db());
        q.setSql(QStringLiteral("Select * From Bill"));
        q.open();
        q.insert();
        q.setValue(QStringLiteral("BillSerial"), QStringLiteral("1"));
        q.post();  // write 3 fails
        tx.commit();
        FAIL() << "the third write should fail";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("磁盘写入失败"));
    }
    v.db().setWriteHook({});
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Room")), QStringLiteral("1"));
    EXPECT_EQ(v.db().transactionDepth(), 0);
}

TEST(Transactions, NestedScopesCommitWithTheOutermost)
{
    TestVenue v;
    {
        Transaction outer(v.db());
        v.exec(QStringLiteral("Insert Into Room (RoomName) Values ('A')"));
        {
            Transaction inner(v.db());
            v.exec(QStringLiteral("Insert Into Room (RoomName) Values ('B')"));
        }  // inner rolled back alone
        {
            Transaction inner(v.db());
            v.exec(QStringLiteral("Insert Into Room (RoomName) Values ('C')"));
            inner.commit();
        }
        outer.commit();
    }
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Room Where RoomIndex > 1")), QStringLiteral("2"));
    {
        Transaction outer(v.db());
        v.exec(QStringLiteral("Insert Into Room (RoomName) Values ('D')"));
        Transaction inner(v.db());
        inner.commit();
    }  // outer rolled back: D is gone
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Room Where RoomName = 'D'")), QStringLiteral("0"));
}

}  // namespace
