// Users and passwords, word lists, backups, restores and clearing.
#include "core/admin/Maintenance.h"
#include "core/admin/Users.h"
#include "core/admin/Vocabulary.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "tests/support/TestData.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

TEST(Passwords, AreKeptSaltedAndCheckedExactly)
{
    const QString h = hashPassword(QStringLiteral("Abc123"));
    EXPECT_FALSE(h.contains(QStringLiteral("Abc123")));
    EXPECT_NE(h, hashPassword(QStringLiteral("Abc123"))) << "each hash has its own salt";
    EXPECT_TRUE(passwordMatches(h, QStringLiteral("Abc123")));
    EXPECT_FALSE(passwordMatches(h, QStringLiteral("abc123")));
    EXPECT_FALSE(passwordMatches(h, QString()));
    EXPECT_EQ(hashPassword(QString()), QString());
    EXPECT_TRUE(passwordMatches(QString(), QString()));
    EXPECT_FALSE(passwordMatches(QString(), QStringLiteral("x")));
    EXPECT_TRUE(passwordMatches(QStringLiteral("plain"), QStringLiteral("plain"))) << "a file kept elsewhere";
    EXPECT_EQ(rightsText(true, true, true), QStringLiteral("经营报表，财务管理，参数设置"));
    EXPECT_EQ(rightsText(false, true, false), QStringLiteral("财务管理"));
    EXPECT_EQ(rightsText(false, false, false), QString());
}

class UserRules : public ::testing::Test {
protected:
    TestVenue v;
    Query q{v.db()};
    SaveResult add(const QString& name, const QString& pw, const QString& rights)
    {
        return saveUser(q, {true, 0, name, pw, false, rights});
    }
};

TEST_F(UserRules, NewUsersLogInWithTheirOwnPassword)
{
    SaveResult r = add(QStringLiteral("O'Neil 收银"), QStringLiteral("pw1"), QStringLiteral("财务管理"));
    ASSERT_TRUE(r.saved);
    EXPECT_EQ(r.message, QStringLiteral("用户　O'Neil 收银　新增成功"));
    EXPECT_NE(v.scalar(QStringLiteral("Select PowerKey From Power Where PowerName = 'O''Neil 收银'")), QStringLiteral("pw1"));
    LoginCheck c = checkLogin(q, QStringLiteral("O'Neil 收银"), QStringLiteral("pw1"));
    EXPECT_TRUE(c.found && c.matches);
    EXPECT_EQ(c.rights, QStringLiteral("财务管理"));
    EXPECT_FALSE(checkLogin(q, QStringLiteral("O'Neil 收银"), QStringLiteral("PW1")).matches);
    EXPECT_FALSE(checkLogin(q, QStringLiteral("nobody' Or '1'='1"), QString()).found);
    EXPECT_EQ(add(QStringLiteral("O'Neil 收银"), QString(), QString()).message, QStringLiteral("该用户名称已经存在，请重新操作"));
    EXPECT_EQ(add(QString(), QString(), QString()).message, QStringLiteral("用户名称不能为空"));
    // The manager logs in with the empty password of a new venue.
    c = checkLogin(q, QStringLiteral("经营主管"), QString());
    EXPECT_TRUE(c.matches && c.emptyPassword);
}

TEST_F(UserRules, TheManagerKeepsItsNameAndRights)
{
    const int manager = v.scalar(QStringLiteral("Select PowerIndex From Power Where PowerName = '经营主管'")).toInt();
    SaveResult r = saveUser(q, {false, manager, QStringLiteral("店长"), QString(), true, QString()});
    EXPECT_EQ(r.message, QStringLiteral("经营主管帐号不能修改"));
    r = saveUser(q, {false, manager, QStringLiteral("经营主管"), QStringLiteral("new"), false, QString()});
    EXPECT_EQ(r.message, QStringLiteral("用户权限修改成功"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select PowerRange From Power Where PowerIndex = %1").arg(manager)),
              QStringLiteral("经营报表，财务管理，参数设置"));
    EXPECT_TRUE(checkLogin(q, QStringLiteral("经营主管"), QStringLiteral("new")).matches);
    // Another user cannot take the manager's name while it exists.
    ASSERT_TRUE(add(QStringLiteral("小王"), QString(), QString()).saved);
    const int wang = v.scalar(QStringLiteral("Select PowerIndex From Power Where PowerName = '小王'")).toInt();
    EXPECT_EQ(saveUser(q, {false, wang, QStringLiteral("经营主管"), QString(), true, QString()}).message,
              QStringLiteral("该用户名称已经存在，请重新操作"));
    // An edit that leaves the password box empty keeps the password.
    ASSERT_TRUE(saveUser(q, {false, manager, QStringLiteral("经营主管"), QString(), true, QString()}).saved);
    EXPECT_TRUE(checkLogin(q, QStringLiteral("经营主管"), QStringLiteral("new")).matches);
}

TEST(WordLists, AddChangeAndDeleteWithTheirMessages)
{
    TestVenue v;
    Query q(v.db());
    // The message of a refusal, empty for a save.
    auto said = [](const SaveResult& r) { return r.saved ? QString() : r.message; };
    const WordList men = WordList::Salesmen;
    EXPECT_EQ(said(addWord(q, WordList::PaymentTypes, QStringLiteral("现金"))), QStringLiteral("存在同名的类别，请改名"))
        << "the template has it";
    EXPECT_EQ(said(addWord(q, men, QString())), QStringLiteral("业务员名不能为空"));
    EXPECT_EQ(said(addWord(q, men, QStringLiteral("O'Hara"))), QString());
    EXPECT_EQ(said(addWord(q, WordList::Customers, QStringLiteral("O'Hara"))), QString()) << "the same word in another list";
    EXPECT_EQ(said(addWord(q, men, QStringLiteral("O'Hara "))), QString()) << "a trailing blank makes another word";
    EXPECT_EQ(said(changeWord(q, men, QStringLiteral("O'Hara"), QString())), QStringLiteral("业务员名称不能为空"));
    EXPECT_EQ(said(changeWord(q, men, QStringLiteral("O'Hara"), QStringLiteral("O'Hara"))), QString());
    EXPECT_EQ(said(changeWord(q, men, QStringLiteral("O'Hara"), QStringLiteral("O'Hara "))), QStringLiteral("该业务员名称已经存在，请改名"));
    EXPECT_EQ(said(changeWord(q, men, QStringLiteral("O'Hara"), QStringLiteral("李经理"))), QString());
    EXPECT_EQ(said(changeWord(q, men, QStringLiteral("不存在"), QStringLiteral("新"))), QStringLiteral("该参数已经被删除"));
    QStringList words;
    ASSERT_TRUE(loadWords(q, men, &words).saved);
    EXPECT_EQ(words, (QStringList{QStringLiteral("李经理"), QStringLiteral("O'Hara ")}));
    EXPECT_EQ(said(findWordForDelete(q, men, QStringLiteral("没有"))), QStringLiteral("该记录已不存在"));
    EXPECT_EQ(said(deleteWord(q, men, QStringLiteral("李经理"))), QString());
    ASSERT_TRUE(loadWords(q, men, &words).saved);
    EXPECT_EQ(words, QStringList{QStringLiteral("O'Hara ")});
    ASSERT_TRUE(loadWords(q, WordList::Customers, &words).saved);
    EXPECT_EQ(words, QStringList{QStringLiteral("O'Hara")});
}

class Maintenance : public ::testing::Test {
protected:
    TestVenue v{false};
    TShareDataModule dm{&v.prompt};
    void SetUp() override
    {
        dm.setConnectionString(BuildConnectionString(v.dataFile(), QStringLiteral("DrunoMel")));
        dm.connect();
        for (int i = 0; i < 300; ++i)
            dm.ADOConnection1.exec(QStringLiteral("Insert Into Cost (CostRoom, CostReason, CostMoney, CostBill) Values ('A', '水', %1, %2)")
                                       .arg(i)
                                       .arg(i % 3));
        dm.ADOConnection1.exec(QStringLiteral("Insert Into Room (RoomName, RoomState, RoomOtherCost) Values ('A', '预订', 9)"));
        dm.ADOConnection1.exec(QStringLiteral("Insert Into Room (RoomName, RoomState, RoomOtherCost) Values ('B', '占用', 9)"));
        dm.ADOConnection1.exec(QStringLiteral("Insert Into Book (BookRoom) Values ('A')"));
    }
    QString count(const QString& sql)
    {
        Query q(dm.ADOConnection1);
        q.setSql(sql);
        q.open();
        return q.str(q.fieldName(0));
    }
};

TEST_F(Maintenance, ABackupOfTheOpenFileRestoresToTheSameData)
{
    const QString folder = backupFolder(v.dir());
    ASSERT_FALSE(folder.isEmpty());
    const QString backup = folder + defaultBackupName(QDate(2026, 12, 10));
    EXPECT_TRUE(backup.endsWith(QStringLiteral("数据库备份/澄岳青檀阁2026-12-10.mdb")));
    // A query holds the file open while the backup runs.
    Query open(dm.ADOConnection1);
    open.setSql(QStringLiteral("Select * From Cost"));
    open.open();
    ASSERT_TRUE(backupDataFile(dm.ADOConnection1, backup).saved);
    ASSERT_TRUE(backupDataFile(dm.ADOConnection1, backup).saved) << "a second backup replaces the first";
    EXPECT_TRUE(checkDataFile(backup).saved);
    const QString before = count(QStringLiteral("Select Sum(CostMoney) From Cost"));

    dm.ADOConnection1.exec(QStringLiteral("Delete * From Cost"));
    open.close();
    QString kept;
    const SaveResult r = restoreDataFile(dm, v.dataFile(), backup, folder, &kept);
    ASSERT_TRUE(r.saved) << r.message.toStdString();
    EXPECT_TRUE(QFile::exists(kept)) << "the replaced file is kept";
    EXPECT_TRUE(checkDataFile(kept).saved);
    dm.connect();
    EXPECT_EQ(count(QStringLiteral("Select Sum(CostMoney) From Cost")), before);
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From Cost")), QStringLiteral("300"));
}

TEST_F(Maintenance, RestoreGoesAheadWhileAListOfTheProgramIsHalfRead)
{
    const QString folder = backupFolder(v.dir());
    const QString backup = folder + QStringLiteral("a.mdb");
    ASSERT_TRUE(backupDataFile(dm.ADOConnection1, backup).saved);
    dm.ADOConnection1.exec(QStringLiteral("Delete * From Cost Where CostBill = 0"));
    // A list of 200 rows, its first screen read, its statement still open.
    Query list(dm.ADOConnection1);
    list.setSql(QStringLiteral("Select * From Cost"));
    list.open();
    list.fetchMore(100);
    ASSERT_TRUE(list.canFetchMore());
    const SaveResult r = restoreDataFile(dm, v.dataFile(), backup, folder);
    ASSERT_TRUE(r.saved) << r.message.toStdString();
    dm.connect();
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From Cost")), QStringLiteral("300"));
}

TEST_F(Maintenance, RestoreIsRefusedWhileAnotherProgramHoldsTheFile)
{
    const QString folder = backupFolder(v.dir());
    const QString backup = folder + QStringLiteral("b.mdb");
    ASSERT_TRUE(backupDataFile(dm.ADOConnection1, backup).saved);
    Connection other;  // another workstation with the file open
    other.open(v.dataFile());
    other.exec(QStringLiteral("Update Room Set RoomOtherCost = 1"));
    const SaveResult r = restoreDataFile(dm, v.dataFile(), backup, folder);
    EXPECT_FALSE(r.saved);
    EXPECT_EQ(r.message, QStringLiteral("数据库正被其他程序使用，请先关闭所有的客户端，然后再进行数据恢复"));
    EXPECT_TRUE(dm.connected());
}

TEST_F(Maintenance, RestoreRefusesWhatIsNotOurDataFile)
{
    const QString folder = backupFolder(v.dir());
    const QString text = folder + QStringLiteral("notes.mdb");
    test::writeFile(text, QByteArray("hello").repeated(1000));
    const QString otherKey = folder + QStringLiteral("other.mdb");
    {
        Connection c;
        c.create(otherKey, QStringLiteral("Another1"));
        c.execEngine(QStringLiteral("CREATE TABLE Room (RoomIndex INTEGER)"));
    }
    QFile f(v.dataFile());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray original = f.readAll();
    f.close();
    for (const QString& bad : QStringList{text, otherKey, folder + QStringLiteral("missing.mdb")}) {
        const SaveResult r = restoreDataFile(dm, v.dataFile(), bad, folder);
        EXPECT_FALSE(r.saved);
        EXPECT_TRUE(r.message.startsWith(QStringLiteral("所选文件不是本软件的数据库备份"))) << r.message.toStdString();
        EXPECT_TRUE(dm.connected()) << "the venue keeps working";
        QFile g(v.dataFile());
        ASSERT_TRUE(g.open(QIODevice::ReadOnly));
        EXPECT_EQ(g.readAll(), original);
    }
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From Cost")), QStringLiteral("300"));
}

TEST_F(Maintenance, ClearingBookingsAndConsumption)
{
    ASSERT_TRUE(clearBookings(dm.ADOConnection1).saved);
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From Book")), QStringLiteral("1")) << "the reserved row stays";
    EXPECT_EQ(count(QStringLiteral("Select RoomState From Room Where RoomName = 'A'")), QStringLiteral("空闲"));
    EXPECT_EQ(count(QStringLiteral("Select RoomState From Room Where RoomName = 'B'")), QStringLiteral("占用"));
    ASSERT_TRUE(clearConsumption(dm.ADOConnection1).saved);
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From Cost Where CostBill = 0")), QStringLiteral("0"));
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From Cost")), QStringLiteral("200")) << "billed entries stay";
    EXPECT_EQ(count(QStringLiteral("Select Sum(RoomOtherCost) From Room")), QStringLiteral("0"));
    // A failure in the second statement undoes the first.
    int writes = 0;
    dm.ADOConnection1.exec(QStringLiteral("Insert Into Cost (CostRoom, CostBill) Values ('A', 0)"));
    dm.ADOConnection1.setWriteHook([&](const QString&) {
        if (++writes == 2)
            throw DbError(QStringLiteral("磁盘写入失败"));
    });
    EXPECT_FALSE(clearConsumption(dm.ADOConnection1).saved);
    dm.ADOConnection1.setWriteHook({});
    EXPECT_EQ(count(QStringLiteral("Select Count(*) From Cost Where CostBill = 0")), QStringLiteral("1"));
}

}  // namespace
