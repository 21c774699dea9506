#include "core/rooms/RoomFee.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace velbrisk;

namespace {

const QDateTime kBegin(QDate(2026, 3, 1), QTime(10, 0, 0));

struct FeeCase {
    const char* name;
    const char* type;
    double price;
    qint64 seconds;  // planned length
    const char* length;
    double fee;
};

class Fees : public ::testing::TestWithParam<FeeCase> {};

TEST_P(Fees, ChargeEveryBegunHour)
{
    const FeeCase& c = GetParam();
    const RoomFee f = computeRoomFee(QString::fromUtf8(c.type), c.price, kBegin, kBegin.addSecs(c.seconds));
    EXPECT_EQ(f.length.toStdString(), c.length);
    EXPECT_DOUBLE_EQ(f.fee, c.fee);
}

INSTANTIATE_TEST_SUITE_P(
    RoomFee, Fees,
    ::testing::Values(FeeCase{"one_hour", "计时收费", 20, 3600, "1:00:00", 20},
                      FeeCase{"one_second_over", "计时收费", 20, 3601, "1:00:01", 40},
                      FeeCase{"one_second_short", "计时收费", 20, 3599, "0:59:59", 20},
                      FeeCase{"zero_length", "计时收费", 20, 0, "0:00:00", 0},
                      FeeCase{"one_second", "计时收费", 20, 1, "0:00:01", 20},
                      FeeCase{"negative_counts_its_size", "计时收费", 20, -1800, "- 0:30:00", 20},
                      FeeCase{"long_negative", "计时收费", 20, -(2 * 3600 + 5 * 60 + 9), "- 2:05:09", 60},
                      FeeCase{"quarter_hour", "计时收费", 30, 900, "0:15:00", 30},
                      FeeCase{"a_day", "计时收费", 12.5, 24 * 3600, "24:00:00", 300},
                      FeeCase{"per_use_any_length", "计次收费", 15, 7 * 3600 + 5, "（计次收费）", 15},
                      FeeCase{"per_use_zero", "计次收费", 15, 0, "（计次收费）", 15}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoomFee, LinesAndClocks)
{
    EXPECT_EQ(priceLine(20, QStringLiteral("计时收费")), QStringLiteral("20 元/小时"));
    EXPECT_EQ(priceLine(12.5, QStringLiteral("计次收费")), QStringLiteral("12.5 元/次"));
    EXPECT_DOUBLE_EQ(priceOfLine(QStringLiteral("12.5 元/小时")), 12.5);
    EXPECT_DOUBLE_EQ(priceOfLine(QStringLiteral("")), 0);
    EXPECT_EQ(clockText(90), QStringLiteral("00:01:30"));
    EXPECT_EQ(clockText(-750), QStringLiteral("00:12:30"));
    EXPECT_EQ(clockText(100 * 3600), QStringLiteral("100:00:00"));
    // Half a second rounds away from zero.
    EXPECT_EQ(roundedSeconds(kBegin, kBegin.addMSecs(1500)), 2);
    EXPECT_EQ(roundedSeconds(kBegin, kBegin.addMSecs(-1500)), -2);
    EXPECT_EQ(roundedSeconds(kBegin, kBegin.addMSecs(1499)), 1);
}

}  // namespace
