// The one-second countdown over tile slots, with a clock of our own.
#include "core/config/Options.h"
#include "core/data/Query.h"
#include "core/rooms/Board.h"
#include "core/rooms/Countdown.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

const QDate kDay(2026, 3, 1);
QDateTime at(int h, int m, int s) { return QDateTime(kDay, QTime(h, m, s)); }

class CountdownTest : public ::testing::Test {
protected:
    TestVenue v;
    RecordingSound sound;
    Options options{v.iniFile(), v.dir()};
    TileSlots tiles;

    // One occupied room charged by the hour, loaded as the board loads it.
    void SetUp() override
    {
        addRoom(QStringLiteral("A"), QStringLiteral("计时收费"), QStringLiteral("占用"), at(8, 0, 0), at(10, 0, 0));
        load();
    }
    void addRoom(const QString& name, const QString& type, const QString& state, const QDateTime& b, const QDateTime& e)
    {
        v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomPrice, RoomState, RoomBeginTime, RoomEndTime) "
                              "Values ('%1', '%2', 20, '%3', #%4#, #%5#)")
                   .arg(name, type, state, b.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                        e.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
    }
    void load()
    {
        Query q(v.db());
        BoardPage page;
        refreshBoard(q, tiles, QStringLiteral("所有房间"), QStringLiteral("按编号排"), 0, 18, &page);
    }
    QString stateOf(const QString& name)
    {
        return v.scalar(QStringLiteral("Select RoomState From Room Where RoomName = '%1'").arg(name));
    }
};

TEST_F(CountdownTest, CountsDownThenTurnsOvertimeAndRingsOnce)
{
    Countdown c(v.db(), options, &sound);
    c.tick(tiles, at(9, 58, 30));
    EXPECT_EQ(tiles[0].caption, QStringLiteral("剩余："));
    EXPECT_EQ(tiles[0].timeText, QStringLiteral("00:01:30"));
    EXPECT_EQ(tiles[0].progress, 98);
    EXPECT_EQ(c.writes(), 0) << "no write while nothing changes";

    c.tick(tiles, at(10, 0, 5));
    EXPECT_EQ(tiles[0].timeText, QStringLiteral("+ 00:00:05"));
    EXPECT_EQ(stateOf(QStringLiteral("A")), QStringLiteral("超时"));
    EXPECT_EQ(sound.played, QStringList{v.dir() + QStringLiteral("ShortRing.wav")});
    EXPECT_EQ(tiles[0].picture, QStringLiteral("Res/Ring64.jpg"));
    EXPECT_EQ(tiles[0].progress, 100);
    c.tick(tiles, at(10, 0, 6));
    EXPECT_EQ(tiles[0].picture, QStringLiteral("Res/Ring64.jpg")) << "the alarm shows for two ticks";
    c.tick(tiles, at(10, 0, 7));
    EXPECT_EQ(tiles[0].picture, QStringLiteral("Res/Red64.jpg"));
    for (int s = 8; s < 60; ++s)
        c.tick(tiles, at(10, 0, s));
    EXPECT_EQ(sound.played.size(), 1);
    EXPECT_EQ(c.writes(), 1) << "the overtime write happens once";
    c.tick(tiles, at(11, 0, 0));
    c.tick(tiles, at(11, 0, 1));
    EXPECT_EQ(sound.played.size(), 1) << "one ring in 一次响铃 mode";
}

TEST_F(CountdownTest, RingsAgainEveryFullHourInRepeatMode)
{
    ASSERT_TRUE(options.write(opt::RingMode, QStringLiteral("多次响铃")));
    ASSERT_TRUE(options.write(opt::RingFile, QStringLiteral("/sounds/bell.wav")));
    Countdown c(v.db(), options, &sound);
    c.tick(tiles, at(10, 20, 0));
    ASSERT_EQ(sound.played.size(), 1);
    EXPECT_EQ(sound.played[0], QStringLiteral("/sounds/bell.wav")) << "the ring file is read when it rings";
    c.tick(tiles, at(10, 59, 59));
    c.tick(tiles, at(11, 0, 0));
    EXPECT_EQ(sound.played.size(), 1);
    c.tick(tiles, at(11, 0, 1));
    EXPECT_EQ(sound.played.size(), 2);
    // A tick that skips the full-hour second still arms the alarm.
    c.tick(tiles, at(11, 59, 59));
    c.tick(tiles, at(12, 0, 1));
    c.tick(tiles, at(12, 0, 2));
    EXPECT_EQ(sound.played.size(), 3);
}

TEST_F(CountdownTest, ProgressOfPlannedTime)
{
    Countdown c(v.db(), options, &sound);
    tiles[0].begin = at(8, 0, 0);
    tiles[0].end = at(10, 0, 0);
    c.tick(tiles, at(9, 30, 0));
    EXPECT_EQ(tiles[0].progress, 75);
    tiles[0].begin = at(12, 0, 0);
    tiles[0].end = at(14, 0, 0);
    c.tick(tiles, at(9, 0, 0));
    EXPECT_EQ(tiles[0].progress, 0) << "a task that has not begun shows an empty bar";
    tiles[0].begin = tiles[0].end = at(12, 0, 0);
    c.tick(tiles, at(9, 0, 0));
    EXPECT_EQ(tiles[0].progress, 0) << "a task of no length does not divide by zero";
}

TEST_F(CountdownTest, PerUseAndFreeRoomsAreLeftAlone)
{
    addRoom(QStringLiteral("B"), QStringLiteral("计次收费"), QStringLiteral("占用"), at(8, 0, 0), at(9, 0, 0));
    addRoom(QStringLiteral("C"), QStringLiteral("计时收费"), QStringLiteral("预订"), at(8, 0, 0), at(9, 0, 0));
    load();
    Countdown c(v.db(), options, &sound);
    c.tick(tiles, at(10, 0, 0));
    EXPECT_EQ(tiles[1].timeText, QStringLiteral("占用"));
    EXPECT_EQ(tiles[1].progress, 0);
    EXPECT_EQ(tiles[2].caption, QStringLiteral("状态："));
    EXPECT_EQ(tiles[2].timeText, QStringLiteral("空闲"));
    EXPECT_EQ(tiles[2].picture, QStringLiteral("Res/Blue64.jpg"));
    EXPECT_EQ(stateOf(QStringLiteral("B")), QStringLiteral("占用"));
    EXPECT_EQ(stateOf(QStringLiteral("C")), QStringLiteral("预订"));
}

TEST_F(CountdownTest, NeverOverwritesARoomSettledMeanwhile)
{
    // The room was settled in its window while the board still shows it occupied.
    v.exec(QStringLiteral("Update Room Set RoomState = '空闲' Where RoomName = 'A'"));
    Countdown c(v.db(), options, &sound);
    c.tick(tiles, at(10, 0, 5));
    EXPECT_EQ(stateOf(QStringLiteral("A")), QStringLiteral("空闲"));
}

TEST_F(CountdownTest, AlreadyOvertimeAtStartRingsAtTheFirstTick)
{
    v.exec(QStringLiteral("Update Room Set RoomState = '超时' Where RoomName = 'A'"));
    load();
    Countdown c(v.db(), options, &sound);
    c.tick(tiles, at(10, 30, 0));
    EXPECT_EQ(sound.played.size(), 1);
    EXPECT_EQ(c.writes(), 0);
}

}  // namespace
