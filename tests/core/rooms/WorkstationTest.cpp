// Several workstations on one data file: an old read never refuses a write,
// a busy file is waited for, and a wait that runs out writes nothing.
#include "core/bookings/Consumption.h"
#include "core/config/Options.h"
#include "core/data/Numbering.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "core/finance/Vouchers.h"
#include "core/rooms/Board.h"
#include "core/rooms/Countdown.h"
#include "core/rooms/RoomTask.h"
#include "tests/support/TestData.h"

#include <QElapsedTimer>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <future>
#include <thread>
#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

// Another workstation holding the write lock for `ms` milliseconds, on its
// own thread; the constructor returns once the lock is held.
class LockHolder {
public:
    LockHolder(const QString& file, int ms)
    {
        std::promise<void> held;
        auto heldNow = held.get_future();
        m_thread = std::thread([file, ms, held = std::move(held)]() mutable {
            Connection other;
            other.open(file);
            Transaction tx(other);
            other.exec(QStringLiteral("Update Room Set RoomNote = '另一台' Where RoomIndex = 1"));
            held.set_value();
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            tx.commit();
        });
        heldNow.wait();
    }
    ~LockHolder() { m_thread.join(); }

private:
    std::thread m_thread;
};

class Desks : public ::testing::Test {
protected:
    TestVenue v;  // v.db(): the other workstation
    ScriptedPrompter prompt;
    TShareDataModule dm{&prompt};  // this workstation
    Options options{v.iniFile(), v.dir()};

    void SetUp() override
    {
        v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomPrice, RoomState, RoomUser, RoomBeginTime, RoomEndTime) "
                              "Values ('一号场', '计时收费', 20, '占用', '张三', #2026-3-15 16:00:00#, #2026-3-15 18:00:00#)"));
        v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomPrice, RoomState) Values ('二号场', '计时收费', 20, '预订')"));
        {
            Transaction tx(v.db());
            for (int i = 0; i < 300; ++i)
                v.exec(QStringLiteral("Insert Into Book (BookRoom, BookRemark) Values ('二号场', '顾客%1')").arg(i));
            tx.commit();
        }
        dm.setConnectionString(BuildConnectionString(v.dataFile(), QStringLiteral("DrunoMel")));
        dm.connect();
    }
    CheckoutInput settle() const
    {
        return {2, QStringLiteral("40.00"), QStringLiteral("0.00"), QStringLiteral("40.00"),
                QDateTime(QDate(2026, 3, 15), QTime(18, 30))};
    }
    QString bills() { return v.scalar(QStringLiteral("Select Count(*) From Bill Where BillIndex > 1")); }
};

TEST_F(Desks, AWriteAfterAnotherDesksCommitWaitsItsTurnInsteadOfFailing)
{
    // The room's row is read; meanwhile the other desk writes.
    Query& q = dm.ADOQueryTemp;
    q.setSql(QStringLiteral("Select * From Room Where RoomIndex > 1"));
    q.open();
    ASSERT_EQ(q.str(QStringLiteral("RoomName")), QStringLiteral("一号场"));
    v.exec(QStringLiteral("Update Room Set RoomUser = '李四' Where RoomName = '二号场'"));
    q.edit();
    q.setValue(QStringLiteral("RoomNote"), QStringLiteral("续时"));
    EXPECT_NO_THROW(q.post());
    q.close();
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomNote From Room Where RoomIndex = 2")), QStringLiteral("续时"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomUser From Room Where RoomIndex = 3")), QStringLiteral("李四"));

    // The same through the room rules and a consumption entry.
    q.setSql(QStringLiteral("Select * From Cost"));
    q.open();
    v.exec(QStringLiteral("Update Room Set RoomUser = '王五' Where RoomName = '二号场'"));
    CostEntryInput entry;
    entry.room = QStringLiteral("一号场");
    entry.reason = QStringLiteral("矿泉水");
    entry.amountText = QStringLiteral("3");
    EXPECT_TRUE(saveCostEntry(q, entry).saved);
    RoomTasks tasks(dm, options);
    v.exec(QStringLiteral("Update Room Set RoomUser = '赵六' Where RoomName = '二号场'"));
    TaskTimes t{QStringLiteral("张三"), QDateTime(QDate(2026, 3, 15), QTime(16, 0)), QDateTime(QDate(2026, 3, 15), QTime(19, 0))};
    const SaveResult started = tasks.startOrAdjust(2, t);
    EXPECT_TRUE(started.saved) << started.message.toStdString();
}

TEST_F(Desks, AnOpenLongListDoesNotBlockCheckout)
{
    Query list(dm.ADOConnection1);
    list.setSql(QStringLiteral("Select * From Book Where BookRoom = '二号场'"));
    list.open();
    list.fetchMore(255);
    ASSERT_EQ(list.fetchedCount(), 256);
    ASSERT_TRUE(list.canFetchMore());
    v.exec(QStringLiteral("Update Room Set RoomUser = '李四' Where RoomName = '二号场'"));  // the other desk commits
    RoomTasks tasks(dm, options);
    const SaveResult r = tasks.checkout(settle());
    EXPECT_TRUE(r.saved) << r.message.toStdString();
    EXPECT_EQ(bills(), QStringLiteral("1"));
    // The list goes on where it was, to its last row.
    list.fetchAll();
    EXPECT_EQ(list.fetchedCount(), 300);
    EXPECT_EQ(list.recordCount(), 300);
}

TEST_F(Desks, ABusyFileIsWaitedForAndTheWaitIsShown)
{
    QList<qint64> told;
    dm.ADOConnection1.setWaitHook([&](qint64 waited) { told << waited; });
    QElapsedTimer clock;
    {
        LockHolder other(v.dataFile(), 1500);
        clock.start();
        RoomTasks tasks(dm, options);
        const SaveResult r = tasks.checkout(settle());
        EXPECT_TRUE(r.saved) << r.message.toStdString();
    }
    EXPECT_GE(clock.elapsed(), 1000) << "it waited for the other desk";
    EXPECT_EQ(bills(), QStringLiteral("1"));
    ASSERT_GE(told.size(), 2);
    EXPECT_GE(told.first(), 500) << "the progress window shows from half a second on";
    EXPECT_EQ(told.last(), -1) << "and goes when the wait is over";
    EXPECT_FALSE(dm.ADOConnection1.waiting());
}

TEST_F(Desks, AWaitThatRunsOutSaysSoAndWritesNothing)
{
    dm.ADOConnection1.setBusyTimeout(700);
    SaveResult refused;
    {
        LockHolder other(v.dataFile(), 2000);
        RoomTasks tasks(dm, options);
        refused = tasks.checkout(settle());
    }
    EXPECT_FALSE(refused.saved);
    EXPECT_TRUE(refused.message.contains(QStringLiteral("数据文件正被其他工作站或程序占用"))) << refused.message.toStdString();
    EXPECT_EQ(bills(), QStringLiteral("0"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomState From Room Where RoomIndex = 2")), QStringLiteral("占用"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From MoneyTable")), QStringLiteral("0"));
}

TEST_F(Desks, TheCountdownRetriesABusyTickQuietly)
{
    TileSlots tiles;
    Query board(dm.ADOConnection1);
    BoardPage page;
    refreshBoard(board, tiles, QStringLiteral("所有房间"), QStringLiteral("按编号排"), 0, 18, &page);
    Countdown c(dm.ADOConnection1, options, nullptr);
    const QDateTime late(QDate(2026, 3, 15), QTime(18, 0, 5));
    {
        LockHolder other(v.dataFile(), 1200);
        QElapsedTimer clock;
        clock.start();
        c.tick(tiles, late);
        EXPECT_LT(clock.elapsed(), 1000) << "a tick never waits long";
        EXPECT_EQ(tiles[0].state, QStringLiteral("占用")) << "kept, to be tried again";
        // Meanwhile the tile shows what an overtime tile shows.
        EXPECT_EQ(tiles[0].timeText, QStringLiteral("+ 00:00:05"));
        EXPECT_EQ(tiles[0].progress, 100);
        EXPECT_EQ(tiles[0].picture, QStringLiteral("Res/Ring64.jpg")) << "the alarm";
        c.tick(tiles, late.addSecs(1));
        EXPECT_EQ(tiles[0].progress, 100) << "a full bar, not one that falls as the overtime grows";
        EXPECT_EQ(tiles[0].picture, QStringLiteral("Res/Ring64.jpg")) << "still flashing";
        c.tick(tiles, late.addSecs(2));
        EXPECT_EQ(tiles[0].picture, QStringLiteral("Res/Red64.jpg"));
        EXPECT_EQ(tiles[0].state, QStringLiteral("占用"));
    }
    EXPECT_TRUE(prompt.messages.isEmpty()) << "no message box from the countdown";
    EXPECT_EQ(dm.ADOConnection1.busyTimeout(), Connection::kBusyTimeoutMs);
    c.tick(tiles, late.addSecs(3));
    EXPECT_EQ(tiles[0].state, QStringLiteral("超时"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomState From Room Where RoomIndex = 2")), QStringLiteral("超时"));
}

// Two copies of the program on one file start tasks, add consumption and
// check out rooms in a loop; no write is refused. Each desk is a process of
// its own. VELBRISK_SOAK_SECONDS makes the run longer (a minute: 60).
TEST(TwoDesks, WorkSideBySideWithoutARefusedWrite)
{
    TestVenue v;
    {
        Transaction tx(v.db());
        for (int i = 0; i < 8; ++i)
            v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomPrice, RoomState) Values ('场%1', '计次收费', 15, '空闲')").arg(i));
        for (int i = 0; i < 400; ++i)
            v.exec(QStringLiteral("Insert Into Book (BookRoom, BookRemark) Values ('场9', '顾客%1')").arg(i));
        tx.commit();
    }
    v.db().close();  // nothing of the engine's crosses a fork
    const int seconds = qEnvironmentVariableIsSet("VELBRISK_SOAK_SECONDS") ? qEnvironmentVariableIntValue("VELBRISK_SOAK_SECONDS") : 3;
    // One desk's day: returns the number of checkouts, or -1 after a refusal.
    auto desk = [&](int first) {
        ScriptedPrompter prompt;
        TShareDataModule dm(&prompt);
        dm.setConnectionString(BuildConnectionString(v.dataFile(), QStringLiteral("DrunoMel")));
        dm.connect();
        Options options(v.iniFile(), v.dir());
        RoomTasks tasks(dm, options);
        Query list(dm.ADOConnection1);  // a long list left open on this desk
        list.setSql(QStringLiteral("Select * From Book"));
        list.open();
        list.fetchMore(255);
        Query costs(dm.ADOConnection1);
        int settled = 0;
        int vouchers = 0;
        QElapsedTimer clock;
        clock.start();
        for (int n = 0; clock.elapsed() < seconds * 1000; ++n) {
            const int room = 2 + first + n % 4;
            const QDateTime now = QDateTime::currentDateTime();
            TaskTimes t{QStringLiteral("顾客"), now, now.addSecs(3600)};
            if (const SaveResult r = tasks.startOrAdjust(room, t); !r.saved) {
                prompt.inform(r.message);
                break;
            }
            costs.setSql(QStringLiteral("Select * From Cost"));
            costs.open();
            CostEntryInput e;
            e.room = QStringLiteral("场%1").arg(room - 2);
            e.reason = QStringLiteral("矿泉水");
            e.amountText = QStringLiteral("3");
            if (const SaveResult r = saveCostEntry(costs, e); !r.saved)
                prompt.inform(r.message);
            costs.close();
            // A voucher window opened before the checkout proposes a number
            // that the checkout (or the other desk) may take first.
            const ProposedSerial proposed{MakeMoneySerial(costs, words::moneyIn(), now.date(), options.read(opt::MoneyIndex)),
                                          now.date(), options.read(opt::MoneyIndex)};
            if (const SaveResult r = tasks.checkout({room, QStringLiteral("15.00"), QStringLiteral("3.00"), QStringLiteral("18.00"), now});
                r.saved)
                ++settled;
            else
                prompt.inform(r.message);
            VoucherInput voucher{proposed.serial, QStringLiteral("银行存款"), QStringLiteral("顾客"), now.date(), QStringLiteral("5"),
                                 QStringLiteral("销售收入"), QString(), QStringLiteral("现金"), QStringLiteral("收据"), QString(),
                                 proposed};
            int index = 0;
            if (const SaveResult r = insertVoucher(costs, words::moneyIn(), 0, voucher, 2, now.date(), &index); !r.saved)
                prompt.inform(r.message);
            else
                ++vouchers;
            list.fetchMore(1);
            if (!prompt.messages.isEmpty())
                break;
        }
        for (const QString& m : prompt.messages)
            std::fprintf(stderr, "desk %d refused: %s\n", first, qPrintable(m));
        // Each checkout comes with one voucher.
        return prompt.messages.isEmpty() && vouchers == settled ? settled : -1;
    };
    int pipes[2][2];
    pid_t pids[2];
    for (int d = 0; d < 2; ++d) {
        ASSERT_EQ(pipe(pipes[d]), 0);
        pids[d] = fork();
        ASSERT_GE(pids[d], 0);
        if (pids[d] == 0) {
            const int settled = desk(d * 4);
            const ssize_t w = write(pipes[d][1], &settled, sizeof settled);
            _exit(w == sizeof settled ? 0 : 1);
        }
        close(pipes[d][1]);
    }
    int total = 0;
    for (int d = 0; d < 2; ++d) {
        int settled = -2;
        EXPECT_EQ(read(pipes[d][0], &settled, sizeof settled), ssize_t(sizeof settled));
        close(pipes[d][0]);
        int status = 0;
        waitpid(pids[d], &status, 0);
        EXPECT_GE(settled, 5) << "desk " << d << " (-1: a write was refused)";
        total += std::max(0, settled);
    }
    v.db().open(v.dataFile());
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Bill Where BillIndex > 1")), QString::number(total));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From (Select BillSerial From Bill Group By BillSerial Having Count(*) > 1)")),
              QStringLiteral("0")) << "no bill number twice";
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Cost Where CostBill = 0")), QStringLiteral("0"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From MoneyTable")), QString::number(2 * total));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From (Select MoneySerial From MoneyTable Group By MoneySerial Having Count(*) > 1)")),
              QStringLiteral("0")) << "no money number twice, between desks nor between a voucher and a checkout";
}

}  // namespace
