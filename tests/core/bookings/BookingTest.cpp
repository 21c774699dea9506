// Bookings across the room's states, the room catalogue's renames and the
// item catalogue.
#include "core/bookings/Booking.h"
#include "core/bookings/Consumption.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/rooms/RoomCatalogue.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

QString quotedForTest(const QString& s)
{
    return QLatin1Char('\'') + QString(s).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

class WithRooms : public ::testing::Test {
protected:
    TestVenue v;
    TShareDataModule dm{&v.prompt};
    void SetUp() override
    {
        dm.setConnectionString(BuildConnectionString(v.dataFile(), QStringLiteral("DrunoMel")));
        dm.connect();
        ASSERT_TRUE(saveRoom(dm, 0, {QStringLiteral("羽毛球1号"), QStringLiteral("计时收费"), QStringLiteral("20"), QString()}).saved);
        ASSERT_TRUE(saveRoom(dm, 0, {QStringLiteral("乒乓球'A'"), QStringLiteral("计次收费"), QStringLiteral("12.5"), QString()}).saved);
    }
    QString state(int room) { return v.scalar(QStringLiteral("Select RoomState From Room Where RoomIndex = %1").arg(room)); }
    BookingInput booking(int room, const QString& name, int hours = 1)
    {
        const QDateTime b(QDate(2026, 12, 20), QTime(9, 0));
        return {true, 0, room, name, b, b.addSecs(hours * 3600), QStringLiteral("张先生")};
    }
};

TEST_F(WithRooms, BookingAFreeRoomMakesItBookedUntilItsLastBookingGoes)
{
    ASSERT_TRUE(saveBooking(dm, booking(2, QStringLiteral("羽毛球1号"))).saved);
    EXPECT_EQ(state(2), QStringLiteral("预订"));
    ASSERT_TRUE(saveBooking(dm, booking(2, QStringLiteral("羽毛球1号"), 26)).saved) << "overlaps are accepted";
    EXPECT_EQ(v.scalar(QStringLiteral("Select BookUseTime From Book Where BookIndex = 3")), QStringLiteral("26:00:00"));
    ASSERT_TRUE(deleteBooking(dm, 2, 2, QStringLiteral("羽毛球1号")).saved);
    EXPECT_EQ(state(2), QStringLiteral("预订")) << "one booking remains";
    ASSERT_TRUE(deleteBooking(dm, 3, 2, QStringLiteral("羽毛球1号")).saved);
    EXPECT_EQ(state(2), QStringLiteral("空闲"));
}

TEST_F(WithRooms, AnOccupiedRoomStaysOccupiedWhenBooked)
{
    v.exec(QStringLiteral("Update Room Set RoomState = '占用' Where RoomIndex = 3"));
    ASSERT_TRUE(saveBooking(dm, booking(3, QStringLiteral("乒乓球'A'"))).saved);
    EXPECT_EQ(state(3), QStringLiteral("占用"));
    ASSERT_TRUE(deleteBooking(dm, 2, 3, QStringLiteral("乒乓球'A'")).saved);
    EXPECT_EQ(state(3), QStringLiteral("占用"));
}

TEST_F(WithRooms, AnEndBeforeTheBeginIsRefused)
{
    BookingInput b = booking(2, QStringLiteral("羽毛球1号"));
    b.end = b.begin.addSecs(-1);
    EXPECT_EQ(saveBooking(dm, b).message, QStringLiteral("结束时间 不得小于 开始时间"));
    b.end = b.begin;
    EXPECT_TRUE(saveBooking(dm, b).saved);
    EXPECT_EQ(v.scalar(QStringLiteral("Select BookUseTime From Book Where BookIndex = 2")), QStringLiteral("0:00:00"));
    EXPECT_EQ(bookingLength(b.begin, b.begin.addSecs(-900)), QStringLiteral("- 0:15:00"));
    EXPECT_EQ(bookingLength(b.begin, b.begin.addSecs(93784)), QStringLiteral("26:03:04"));
}

struct RenameCase {
    const char* name;
    const char* newName;
    bool saved;
    const char* message;
};

class Renames : public WithRooms, public ::testing::WithParamInterface<RenameCase> {};

TEST_P(Renames, CarryTheNameIntoBillsBookingsAndConsumptionOrWriteNothing)
{
    const RenameCase& c = GetParam();
    v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillRoomName) Values ('261210001', '羽毛球1号')"));
    v.exec(QStringLiteral("Insert Into Book (BookRoom) Values ('羽毛球1号')"));
    v.exec(QStringLiteral("Insert Into Cost (CostRoom, CostBill) Values ('羽毛球1号', 0)"));
    v.exec(QStringLiteral("Insert Into Cost (CostRoom, CostBill) Values ('羽毛球1号', 2)"));
    const QString newName = QString::fromUtf8(c.newName);
    const SaveResult r = saveRoom(dm, 2, {newName, QStringLiteral("计时收费"), QStringLiteral("25"), QStringLiteral("新场地")});
    EXPECT_EQ(r.saved, c.saved);
    EXPECT_EQ(r.message, QString::fromUtf8(c.message));
    const QString expected = c.saved ? newName : QStringLiteral("羽毛球1号");
    const QString q = quotedForTest(expected);
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Bill Where BillRoomName = ") + q), QStringLiteral("1"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Book Where BookRoom = ") + q), QStringLiteral("1"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Cost Where CostRoom = ") + q), QStringLiteral("2"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomName From Room Where RoomIndex = 2")), expected);
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomPrice From Room Where RoomIndex = 2")), c.saved ? QStringLiteral("25") : QStringLiteral("20"));
}

const RenameCase kRenames[] = {
    {"plain", "羽毛球A馆", true, "记录修改成功"},
    {"with_a_quote", "O'Brien's court", true, "记录修改成功"},
    {"same_name", "羽毛球1号", true, "记录修改成功"},
    {"duplicate", "乒乓球'A'", false, "该房间名称已经存在，请重新操作"},
    {"empty", "", false, "房间名称不能为空"},
};

INSTANTIATE_TEST_SUITE_P(Rooms, Renames, ::testing::ValuesIn(kRenames),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WithRooms, ARenameThatFailsHalfwayChangesNothing)
{
    v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillRoomName) Values ('261210001', '羽毛球1号')"));
    int writes = 0;
    dm.ADOConnection1.setWriteHook([&](const QString&) {
        if (++writes == 3)
            throw DbError(QStringLiteral("磁盘写入失败"));
    });
    EXPECT_FALSE(saveRoom(dm, 2, {QStringLiteral("新名"), QStringLiteral("计时收费"), QStringLiteral("20"), QString()}).saved);
    dm.ADOConnection1.setWriteHook({});
    EXPECT_EQ(v.scalar(QStringLiteral("Select BillRoomName From Bill Where BillIndex = 2")), QStringLiteral("羽毛球1号"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomName From Room Where RoomIndex = 2")), QStringLiteral("羽毛球1号"));
}

TEST_F(WithRooms, NewRoomsAreCheckedAndStartFree)
{
    EXPECT_EQ(saveRoom(dm, 0, {QStringLiteral("羽毛球1号"), QStringLiteral("计时收费"), QStringLiteral("20"), QString()}).message,
              QStringLiteral("该房间名称已经存在，请重新操作"));
    EXPECT_EQ(saveRoom(dm, 0, {QStringLiteral("新"), QStringLiteral("计时收费"), QStringLiteral("2a"), QString()}).message,
              QStringLiteral("金额格式有误，请重新输入"));
    EXPECT_EQ(saveRoom(dm, 0, {QStringLiteral("新"), QStringLiteral("计时收费"), QString(), QString()}).message,
              QStringLiteral("金额格式有误，请重新输入"));
    EXPECT_EQ(v.row(QStringLiteral("Select RoomState, RoomPrice From Room Where RoomIndex = 3")), QStringLiteral("空闲/12.5"));
    EXPECT_EQ(roomSearchCondition(QStringLiteral("羽'毛"), QString(), QStringLiteral("张"), QString()),
              QStringLiteral(" And (InStr(RoomName,'羽''毛')) And (InStr(RoomUser,'张'))"));
    EXPECT_TRUE(deleteRoom(dm, 3).saved);
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Room Where RoomIndex > 1")), QStringLiteral("1"));
}

TEST(ItemCatalogue, NamesAreUniqueAndBadPricesAreZero)
{
    TestVenue v;
    Query q(v.db());
    EXPECT_EQ(saveCatalogueItem(q, 0, QStringLiteral("矿泉水"), QStringLiteral("3")).message,
              QStringLiteral("该项目名称已经存在，请重新操作"));
    SaveResult r = saveCatalogueItem(q, 0, QStringLiteral("球拍租用"), QStringLiteral("1O"));
    EXPECT_EQ(r.message, QStringLiteral("项目　球拍租用　新增成功"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select CostReasonPrice From CostReason Where CostReasonName = '球拍租用'")), QStringLiteral("0"));
    const int item = v.scalar(QStringLiteral("Select CostReasonIndex From CostReason Where CostReasonName = '球拍租用'")).toInt();
    EXPECT_EQ(saveCatalogueItem(q, item, QStringLiteral("毛巾"), QStringLiteral("5")).message,
              QStringLiteral("该项目名称已经存在，请重新操作"));
    EXPECT_EQ(saveCatalogueItem(q, item, QStringLiteral("球拍租用"), QStringLiteral("10")).message, QStringLiteral("项目修改成功"));
    EXPECT_EQ(saveCatalogueItem(q, 0, QString(), QStringLiteral("1")).message, QStringLiteral("项目名称不能为空"));
}

}  // namespace
