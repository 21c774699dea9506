// Timing tasks through the data module: start, cancel and the all-or-nothing
// checkout.
#include "core/config/Options.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/rooms/Board.h"
#include "core/rooms/RoomTask.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

const QDateTime kNow(QDate(2026, 3, 15), QTime(18, 30, 0));

class Tasks : public ::testing::Test {
protected:
    TestVenue v;
    TShareDataModule dm{&v.prompt};
    Options options{v.iniFile(), v.dir()};

    void SetUp() override
    {
        dm.setConnectionString(BuildConnectionString(v.dataFile(), QStringLiteral("DrunoMel")));
        dm.connect();
        room(QStringLiteral("O'Brien 1号"), QStringLiteral("占用"));
        cost(QStringLiteral("O'Brien 1号"), QStringLiteral("矿泉水"), 3);
        cost(QStringLiteral("O'Brien 1号"), QStringLiteral("球拍"), 9.5);
        cost(QStringLiteral("另一间"), QStringLiteral("毛巾"), 5);
    }
    void room(const QString& name, const QString& state)
    {
        v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomPrice, RoomState, RoomUser, RoomBeginTime, "
                              "RoomEndTime, RoomNote, RoomOtherCost) Values (%1, '计时收费', 20, '%2', '张三', "
                              "#2026-3-15 16:00:00#, #2026-3-15 18:00:00#, '会员', 12.5)")
                   .arg(quotedName(name), state));
    }
    static QString quotedName(const QString& n) { return QLatin1Char('\'') + QString(n).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''); }
    void cost(const QString& room, const QString& item, double money)
    {
        v.exec(QStringLiteral("Insert Into Cost (CostRoom, CostReason, CostMoney, CostBill) Values (%1, '%2', %3, 0)")
                   .arg(quotedName(room), item)
                   .arg(money));
    }
    QString q(const QString& sql) { return v.scalar(sql); }
    QString row(const QString& sql) { return v.row(sql); }
    CheckoutInput settle() const { return {2, QStringLiteral("40.00"), QStringLiteral("12.50"), QStringLiteral("52.50"), kNow}; }
    // Everything checkout could touch, as one text.
    QString snapshot()
    {
        return q(QStringLiteral("Select Count(*) From Bill")) + QLatin1Char('|') + q(QStringLiteral("Select Count(*) From MoneyTable"))
               + QLatin1Char('|') + q(QStringLiteral("Select Count(*) From Cost Where CostBill = 0")) + QLatin1Char('|')
               + row(QStringLiteral("Select RoomState, RoomOtherCost From Room Where RoomIndex = 2"));
    }
};

TEST_F(Tasks, TheListsHearWhatARuleChanged)
{
    int rooms = 0, bills = 0, money = 0;
    QObject::connect(&dm.changes, &ChangeNotifier::roomsChanged, [&] { ++rooms; });
    QObject::connect(&dm.changes, &ChangeNotifier::billsChanged, [&] { ++bills; });
    QObject::connect(&dm.changes, &ChangeNotifier::moneyChanged, [&] { ++money; });
    RoomTasks tasks(dm, options);
    TaskTimes t{QStringLiteral("张三"), kNow, kNow.addSecs(3600)};
    ASSERT_TRUE(tasks.startOrAdjust(2, t).saved);
    EXPECT_EQ(rooms, 1);
    EXPECT_EQ(bills + money, 0);
    ASSERT_TRUE(tasks.checkout(settle()).saved);
    EXPECT_EQ(rooms, 2);
    EXPECT_EQ(bills, 1);
    EXPECT_EQ(money, 1);
    // A checkout that writes nothing tells nobody.
    EXPECT_FALSE(tasks.checkout(settle()).saved);
    EXPECT_EQ(rooms + bills + money, 4);
}

TEST_F(Tasks, CheckoutWritesTheBillTheIncomeTheLinksAndFreesTheRoom)
{
    RoomTasks tasks(dm, options);
    CheckoutResult r;
    const SaveResult saved = tasks.checkout(settle(), &r);
    ASSERT_TRUE(saved.saved) << saved.message.toStdString();
    EXPECT_EQ(r.billSerial, QStringLiteral("260315001"));
    EXPECT_EQ(r.billIndex, 2);
    const QString bill = QStringLiteral(" From Bill Where BillIndex = 2");
    EXPECT_EQ(row(QStringLiteral("Select BillRoomName") + bill), QStringLiteral("O'Brien 1号"));
    EXPECT_EQ(row(QStringLiteral("Select BillRoomUser, BillRemark, BillRoomType, BillRoomPrice") + bill),
              QStringLiteral("张三/会员/计时收费/20"));
    EXPECT_EQ(row(QStringLiteral("Select BillRoomCost, BillOtherCost, BillTotalCost") + bill),
              QStringLiteral("40/12.5/52.5"));
    EXPECT_EQ(row(QStringLiteral("Select BillEndTime") + bill), QStringLiteral("2026-03-15 18:00:00")) << "the planned end";
    EXPECT_EQ(row(QStringLiteral("Select BillCreateTime") + bill), QStringLiteral("2026-03-15 18:30:00"));

    const QString money = QStringLiteral(" From MoneyTable Where MoneyRemark = '对应单据：260315001'");
    EXPECT_EQ(row(QStringLiteral("Select Count(*)") + money), QStringLiteral("1"));
    EXPECT_EQ(row(QStringLiteral("Select MoneyKind, MoneySerial, MoneyAccount, MoneyUser") + money),
              QStringLiteral("财务收入/SR26031501/2/消费顾客"));
    EXPECT_EQ(row(QStringLiteral("Select MoneyIn, MoneyOut, MoneySum, MoneyGetPay") + money),
              QStringLiteral("52.5/0/52.5/0"));
    EXPECT_EQ(row(QStringLiteral("Select MoneyReason, MoneyType, MoneyToken, MoneyMan") + money),
              QStringLiteral("销售收入/现金/收据/"));
    EXPECT_EQ(row(QStringLiteral("Select Count(*)") + money + QStringLiteral(" And MoneyCreateTime = #2026-3-15#")),
              QStringLiteral("1"));

    EXPECT_EQ(row(QStringLiteral("Select Count(*) From Cost Where CostBill = 2")), QStringLiteral("2"));
    EXPECT_EQ(row(QStringLiteral("Select Count(*) From Cost Where CostBill = 0")), QStringLiteral("1")) << "another room's entry stays open";
    EXPECT_EQ(row(QStringLiteral("Select RoomState, RoomOtherCost, RoomUser From Room Where RoomIndex = 2")),
              QStringLiteral("空闲/0/张三"));

    // A second bill of the day counts on.
    v.exec(QStringLiteral("Update Room Set RoomState = '超时' Where RoomIndex = 2"));
    ASSERT_TRUE(tasks.checkout(settle(), &r).saved);
    EXPECT_EQ(r.billSerial, QStringLiteral("260315002"));
    EXPECT_EQ(row(QStringLiteral("Select MoneySerial From MoneyTable Where MoneyRemark = '对应单据：260315002'")),
              QStringLiteral("SR26031502"));
}

TEST_F(Tasks, ARoomWithABookingReturnsToBooked)
{
    v.exec(QStringLiteral("Insert Into Book (BookRoom, BookBeginTime, BookEndTime) Values ('O''Brien 1号', #2025-1-1 9:00#, #2025-1-1 10:00#)"));
    RoomTasks tasks(dm, options);
    ASSERT_TRUE(tasks.checkout(settle()).saved);
    EXPECT_EQ(row(QStringLiteral("Select RoomState From Room Where RoomIndex = 2")), QStringLiteral("预订"));
    v.exec(QStringLiteral("Update Room Set RoomState = '占用' Where RoomIndex = 2"));
    ASSERT_TRUE(tasks.cancel(2).saved);
    EXPECT_EQ(row(QStringLiteral("Select RoomState From Room Where RoomIndex = 2")), QStringLiteral("预订"));
}

TEST_F(Tasks, AZeroBillStillWritesItsIncome)
{
    RoomTasks tasks(dm, options);
    ASSERT_TRUE(tasks.checkout({2, QStringLiteral("0.00"), QStringLiteral("0.00"), QStringLiteral("0.00"), kNow}).saved);
    EXPECT_EQ(row(QStringLiteral("Select MoneySum From MoneyTable Where MoneyRemark = '对应单据：260315001'")), QStringLiteral("0"));
}

TEST_F(Tasks, AWrongIncomeAccountWritesNothing)
{
    RoomTasks tasks(dm, options);
    const QString before = snapshot();
    for (const char* value : {"abc", "2.5", "99", "1", "-2", ""}) {
        ASSERT_TRUE(options.write(opt::AccountForBill, QString::fromUtf8(value)));
        const SaveResult refused = tasks.checkout(settle());
        EXPECT_FALSE(refused.saved) << value;
        EXPECT_TRUE(refused.message.contains(QStringLiteral("结帐银行"))) << value;
        EXPECT_EQ(snapshot(), before) << value;
    }
    ASSERT_TRUE(options.write(opt::AccountForBill, QStringLiteral("3")));
    ASSERT_TRUE(tasks.checkout(settle()).saved);
    EXPECT_EQ(row(QStringLiteral("Select MoneyAccount From MoneyTable")), QStringLiteral("3"));
}

TEST_F(Tasks, AFailingWriteInTheMiddleLeavesTheDataFileUnchanged)
{
    const QString before = snapshot();
    for (int failing = 1; failing <= 4; ++failing) {
        int writes = 0;
        dm.ADOConnection1.setWriteHook([&](const QString&) {
            if (++writes == failing)
                throw DbError(QStringLiteral("磁盘写入失败"));
        });
        RoomTasks tasks(dm, options);
        const SaveResult refused = tasks.checkout(settle());
        EXPECT_FALSE(refused.saved) << "write " << failing;
        EXPECT_EQ(snapshot(), before) << "write " << failing;
        EXPECT_TRUE(refused.message.contains(QStringLiteral("磁盘写入失败"))) << refused.message.toStdString();
    }
    dm.ADOConnection1.setWriteHook({});
    RoomTasks tasks(dm, options);
    EXPECT_TRUE(tasks.checkout(settle()).saved) << "and afterwards the checkout goes through";
    EXPECT_EQ(row(QStringLiteral("Select BillSerial From Bill Where BillIndex > 1")), QStringLiteral("260315001"));
}

TEST_F(Tasks, AFreeRoomCannotBeSettledTwice)
{
    RoomTasks tasks(dm, options);
    ASSERT_TRUE(tasks.checkout(settle()).saved);
    EXPECT_FALSE(tasks.checkout(settle()).saved);
    EXPECT_EQ(row(QStringLiteral("Select Count(*) From Bill Where BillIndex > 1")), QStringLiteral("1"));
}

TEST_F(Tasks, StartRefusesAnEndBeforeTheBegin)
{
    v.exec(QStringLiteral("Update Room Set RoomState = '空闲' Where RoomIndex = 2"));
    RoomTasks tasks(dm, options);
    const QDateTime b(QDate(2026, 3, 15), QTime(10, 0));
    const SaveResult refused = tasks.startOrAdjust(2, {QStringLiteral("李四"), b, b.addSecs(-1800), 0, QString()});
    EXPECT_FALSE(refused.saved);
    EXPECT_EQ(refused.message, QStringLiteral("结束时间 不得小于 开始时间"));
    EXPECT_EQ(row(QStringLiteral("Select RoomState From Room Where RoomIndex = 2")), QStringLiteral("空闲"));
    ASSERT_TRUE(tasks.startOrAdjust(2, {QStringLiteral("李四"), b, b, 3, QStringLiteral("（备注信息）")}).saved);
    EXPECT_EQ(row(QStringLiteral("Select RoomState, RoomUser, RoomOtherCost, RoomNote From Room Where RoomIndex = 2")),
              QStringLiteral("占用/李四/3/"));
    EXPECT_EQ(row(QStringLiteral("Select RoomEndTime From Room Where RoomIndex = 2")), QStringLiteral("2026-03-15 10:00:00"));
}

class Board : public ::testing::Test {
protected:
    TestVenue v;
    TileSlots tiles;
    int made = 0;
    void rooms(int n, const QString& state = QStringLiteral("空闲"))
    {
        Transaction tx(v.db());
        for (int i = 0; i < n; ++i)
            v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState) Values ('R%1', '计时收费', '%2')")
                       .arg(++made, 2, 10, QLatin1Char('0'))
                       .arg(state));
        tx.commit();
    }
    BoardPage page(int p, int size, const QString& filter = QStringLiteral("所有房间"))
    {
        Query q(v.db());
        BoardPage out;
        EXPECT_TRUE(refreshBoard(q, tiles, filter, QStringLiteral("按编号排"), p, size, &out).saved);
        return out;
    }
};

TEST_F(Board, PagesOfEighteenAndThirtySix)
{
    rooms(18);
    EXPECT_FALSE(page(0, 18).nextEnabled);
    rooms(1);
    BoardPage p = page(0, 18);
    EXPECT_TRUE(p.nextEnabled);
    EXPECT_FALSE(p.priorEnabled);
    p = page(1, 18);
    EXPECT_TRUE(p.priorEnabled);
    EXPECT_TRUE(tiles[0].visible);
    EXPECT_EQ(tiles[0].name, QStringLiteral("R19"));
    EXPECT_FALSE(tiles[1].visible);
    rooms(17);  // 36 in all
    EXPECT_FALSE(page(0, 36).nextEnabled);
    EXPECT_EQ(page(1, 18).counts->total, 36);
    EXPECT_EQ(tiles[17].name, QStringLiteral("R36"));
}

TEST_F(Board, EmptyFilterShowsThePlaceholderButCountsEverything)
{
    rooms(3);
    rooms(2, QStringLiteral("预订"));
    const BoardPage p = page(0, 18, QStringLiteral("超时房间"));
    EXPECT_TRUE(p.empty);
    EXPECT_FALSE(tiles[0].visible);
    ASSERT_TRUE(p.counts);
    EXPECT_EQ(p.counts->free, 3);
    EXPECT_EQ(p.counts->booked, 2);
    EXPECT_EQ(p.counts->total, 5);
    page(0, 18, QStringLiteral("预订房间"));
    EXPECT_EQ(tiles[0].caption, QStringLiteral("状态："));
    EXPECT_EQ(tiles[0].timeText, QStringLiteral("空闲"));
    EXPECT_EQ(tiles[0].picture, QStringLiteral("Res/Blue64.jpg"));
}

TEST_F(Board, AnEmptyDataFileShowsAnEmptyBoard)
{
    const BoardPage p = page(0, 18);
    EXPECT_TRUE(p.empty);
    EXPECT_EQ(p.counts->total, 0);
}

}  // namespace
