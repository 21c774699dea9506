// The search windows' condition fragments, character for character as the
// searches write them, with typed texts quoted.
#include "core/data/ConditionBuilder.h"
#include "core/data/Query.h"
#include "tests/support/TestData.h"

#include <functional>
#include <gtest/gtest.h>

using namespace velbrisk;

namespace {

const QDate kFrom(2026, 3, 1);
const QDate kTo(2026, 3, 31);

struct Case {
    const char* name;
    std::function<void(ConditionBuilder&)> build;
    const char* expected;
};

const Case kCases[] = {
    {"bill number", [](ConditionBuilder& c) { c.contains(QStringLiteral("BillSerial"), QStringLiteral("2603")); },
     " And (InStr(BillSerial,'2603'))"},
    {"a quote is doubled", [](ConditionBuilder& c) { c.contains(QStringLiteral("BillRoomUser"), QStringLiteral("O'Brien")); },
     " And (InStr(BillRoomUser,'O''Brien'))"},
    {"an empty text adds nothing", [](ConditionBuilder& c) { c.contains(QStringLiteral("BillRemark"), QString()); }, ""},
    {"bill span", [](ConditionBuilder& c) { c.dateSpan(QStringLiteral("BillBeginTime"), kFrom, kTo); },
     " And (BillBeginTime Between #2026-03-01# And #2026-03-31#)"},
    {"whole days", [](ConditionBuilder& c) { c.days(QStringLiteral("BillBeginTime"), kFrom, kTo); },
     " And (BillBeginTime >= #2026-03-01# And BillBeginTime < #2026-04-01#)"},
    {"room type", [](ConditionBuilder& c) { c.equals(QStringLiteral("BillRoomType"), QStringLiteral("计时收费")); },
     " And (BillRoomType = '计时收费')"},
    {"amount bounds as typed",
     [](ConditionBuilder& c) { c.above(QStringLiteral("ABS(MoneySum)"), QStringLiteral("-5")).below(QStringLiteral("ABS(MoneySum)"), QStringLiteral("100.5")); },
     " And (ABS(MoneySum) > -5) And (ABS(MoneySum) < 100.5)"},
    {"an amount that is no number stays a text",
     [](ConditionBuilder& c) { c.above(QStringLiteral("ABS(MoneySum)"), QStringLiteral("1) Or (1=1")); },
     " And (ABS(MoneySum) > '1) Or (1=1')"},
    {"accounts", [](ConditionBuilder& c) { c.in(QStringLiteral("AccountName"), {QStringLiteral("现金"), QStringLiteral("Li's 卡")}); },
     " And AccountName In ('现金','Li''s 卡')"},
    {"no accounts chosen", [](ConditionBuilder& c) { c.in(QStringLiteral("AccountName"), {}); }, ""},
    {"transfers left out", [](ConditionBuilder& c) { c.lacks(QStringLiteral("MoneyReason"), QStringLiteral("平调")); },
     " And (Not InStr(MoneyReason,'平调'))"},
    {"expense vouchers", [](ConditionBuilder& c) { c.fixed(QStringLiteral(" And (MoneySum < 0)")); }, " And (MoneySum < 0)"},
    {"the money search's example, in order",
     [](ConditionBuilder& c) {
         c.dateSpan(QStringLiteral("MoneyCreateTime"), kFrom, kTo)
             .fixed(QStringLiteral(" And (MoneySum < 0)"))
             .lacks(QStringLiteral("MoneyReason"), QStringLiteral("平调"));
     },
     " And (MoneyCreateTime Between #2026-03-01# And #2026-03-31#) And (MoneySum < 0) And (Not InStr(MoneyReason,'平调'))"},
    {"room search", [](ConditionBuilder& c) { c.contains(QStringLiteral("RoomName"), QStringLiteral("羽")).contains(QStringLiteral("RoomUser"), QStringLiteral("张")); },
     " And (InStr(RoomName,'羽')) And (InStr(RoomUser,'张'))"},
};

TEST(ConditionBuilder, WritesTheSearchFragments)
{
    for (const Case& c : kCases) {
        ConditionBuilder b;
        c.build(b);
        EXPECT_EQ(b.text(), QString::fromUtf8(c.expected)) << c.name;
    }
}

TEST(ConditionBuilder, ItsTextsRunAndFindWhatWasTyped)
{
    test::TestVenue v;
    v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillRoomUser, BillBeginTime) Values ('1', 'O''Brien', #2026-03-31#)"));
    v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillRoomUser, BillBeginTime) Values ('2', 'Brien', #2026-03-31 15:00:00#)"));
    const QString where = ConditionBuilder()
                              .contains(QStringLiteral("BillRoomUser"), QStringLiteral("o'b"))
                              .dateSpan(QStringLiteral("BillBeginTime"), kFrom, kTo)
                              .text();
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Bill Where (BillIndex > 1)") + where), QStringLiteral("1"));
    const QString injected = ConditionBuilder().contains(QStringLiteral("BillRoomUser"), QStringLiteral("') Or ('1'='1")).text();
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Bill Where (BillIndex > 1)") + injected), QStringLiteral("0"));
}

}  // namespace
