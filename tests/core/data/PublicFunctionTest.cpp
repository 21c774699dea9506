#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace velbrisk;

namespace {

struct AmountCase {
    const char* text;
    bool isAmount;
    double value;  // NaN: TextToAmount throws
};

class AmountTexts : public ::testing::TestWithParam<AmountCase> {};

TEST_P(AmountTexts, AreCheckedAndConverted)
{
    const AmountCase& c = GetParam();
    const QString t = QString::fromUtf8(c.text);
    EXPECT_EQ(IsAmountText(t), c.isAmount);
    if (std::isnan(c.value)) {
        EXPECT_THROW(TextToAmount(t), AmountError);
        EXPECT_FALSE(IsValidAmountText(t));
    } else {
        EXPECT_DOUBLE_EQ(TextToAmount(t), c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Routines, AmountTexts,
                         ::testing::Values(AmountCase{"", false, 0}, AmountCase{"12.50", true, 12.5},
                                           AmountCase{"-3", false, 0}, AmountCase{"1,000", false, 0},
                                           AmountCase{" 5", false, 0}, AmountCase{"abc", false, 0},
                                           AmountCase{"7", true, 7}, AmountCase{"007", true, 7},
                                           AmountCase{"１２", false, 0}, AmountCase{".5", true, 0.5},
                                           AmountCase{"1.2.3", true, NAN}, AmountCase{".", true, NAN}));

TEST(Routines, AmountsBeyondTwelveDigitsBeforeThePointAreTooLarge)
{
    const struct {
        const char* text;
        bool tooLarge;
    } cases[] = {
        {"999999999999.99", false}, {"000000000000123.5", false}, {"1000000000000", true},
        {"6222021234567890123", true}, {"1234567890123456789012345678901234567890", true}, {".123456789012345", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(amountTooLarge(QString::fromLatin1(c.text)), c.tooLarge) << c.text;
}

struct RoundedCase {
    double x;
    const char* text;
};

class Rounded : public ::testing::TestWithParam<RoundedCase> {};

TEST_P(Rounded, IsShortestFourDecimalText)
{
    EXPECT_EQ(FormatRounded(GetParam().x).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Routines, Rounded,
                         ::testing::Values(RoundedCase{0.00001, "0"}, RoundedCase{100, "100"},
                                           RoundedCase{2.50004, "2.5"}, RoundedCase{20, "20"},
                                           RoundedCase{12.5, "12.5"}, RoundedCase{3.14159, "3.1416"},
                                           RoundedCase{0.1 + 0.2, "0.3"}, RoundedCase{-0.00001, "0"},
                                           RoundedCase{-7.25, "-7.25"},
                                           RoundedCase{12345678.9, "12345678.9"}));

TEST(Routines, ZeroPaddedAndCapitals)
{
    EXPECT_EQ(FormatZeroPadded(7, 2), QStringLiteral("07"));
    EXPECT_EQ(FormatZeroPadded(7, 6), QStringLiteral("000007"));
    EXPECT_EQ(FormatZeroPadded(1234, 3), QStringLiteral("1234"));
    EXPECT_EQ(DigitToCapital(QStringLiteral("0")), QStringLiteral("零"));
    EXPECT_EQ(DigitToCapital(QStringLiteral("9")), QStringLiteral("玖"));
    EXPECT_EQ(DigitToCapital(QStringLiteral("x")), QStringLiteral("拾"));
    EXPECT_EQ(BuildConnectionString(QStringLiteral("/v/Velbrisk.mdb"), QStringLiteral("DrunoMel")),
              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/v/Velbrisk.mdb;"
                             "Persist Security Info=False;Jet OLEDB:Database Password=DrunoMel"));
    QString path, key;
    ASSERT_TRUE(ParseConnectionString(BuildConnectionString(QStringLiteral("/v/a.mdb"), QStringLiteral("k")), &path, &key));
    EXPECT_EQ(path, QStringLiteral("/v/a.mdb"));
    EXPECT_EQ(key, QStringLiteral("k"));
}

struct CapitalCase {
    const char* digits;
    const char* words;  // '_' stands for the ideographic space
};

class Capitals : public ::testing::TestWithParam<CapitalCase> {};

TEST_P(Capitals, WriteEveryDigitWithItsUnit)
{
    QString expected = QString::fromUtf8(GetParam().words);
    expected.replace(QLatin1Char('_'), QChar(0x3000));
    EXPECT_EQ(AmountToCapitals(QString::fromUtf8(GetParam().digits)), expected);
}

INSTANTIATE_TEST_SUITE_P(Routines, Capitals,
                         ::testing::Values(CapitalCase{"000", "零元_零角_零分_"}, CapitalCase{"5", "伍分_"},
                                           CapitalCase{"123450", "壹仟_贰佰_叁拾_肆元_伍角_零分_"},
                                           CapitalCase{"10000", "壹佰_零拾_零元_零角_零分_"},
                                           CapitalCase{"100000005", "壹佰_零拾_零万_零仟_零佰_零拾_零元_零角_伍分_"},
                                           // Past 佰万 the units go on, so no digit is lost.
                                           CapitalCase{"1234567890", "壹仟_贰佰_叁拾_肆万_伍仟_陆佰_柒拾_捌元_玖角_零分_"},
                                           CapitalCase{"100000000000", "壹拾_零亿_零仟_零佰_零拾_零万_零仟_零佰_零拾_零元_零角_零分_"}));

struct WordsCase {
    double amount;
    const char* words;
};

class VoucherWords : public ::testing::TestWithParam<WordsCase> {};

TEST_P(VoucherWords, RoundToFenFirst)
{
    QString expected = QString::fromUtf8(GetParam().words);
    expected.replace(QLatin1Char('_'), QChar(0x3000));
    EXPECT_EQ(AmountInWords(GetParam().amount), expected);
}

INSTANTIATE_TEST_SUITE_P(Routines, VoucherWords,
                         ::testing::Values(WordsCase{1234.5, "壹仟_贰佰_叁拾_肆元_伍角_零分_"},
                                           WordsCase{100, "壹佰_零拾_零元_零角_零分_"},
                                           WordsCase{12.3, "壹拾_贰元_叁角_零分_"},
                                           WordsCase{0.5, "零元_伍角_零分_"},
                                           WordsCase{0.125, "零元_壹角_贰分_"},  // half a fen goes to even
                                           WordsCase{0.004, "零元_零角_零分_"},
                                           WordsCase{-30.05, "负叁拾_零元_零角_伍分_"},
                                           WordsCase{12345678.9, "壹仟_贰佰_叁拾_肆万_伍仟_陆佰_柒拾_捌元_玖角_零分_"}));

class FakeCombo : public ComboList {
public:
    void clearItems() override { items.clear(), current = -1; }
    void addItem(const QString& t) override { items << t; }
    int itemCount() const override { return int(items.size()); }
    QString itemText(int i) const override { return items.at(i); }
    int currentItem() const override { return current; }
    void setCurrentItem(int i) override { current = i; }
    QStringList items;
    int current = -1;
};

TEST(Routines, LoadComboAndSelect)
{
    test::TestVenue v;
    Query q(v.db());
    FakeCombo combo;
    ASSERT_TRUE(LoadCombo(combo, q, QStringLiteral("Select * From Parameter Where ParameterType = 2"), true,
                          QStringLiteral("ParameterValue")));
    EXPECT_EQ(combo.items, (QStringList{QStringLiteral("所有"), QStringLiteral("现金"), QStringLiteral("转帐"),
                                        QStringLiteral("支票")}));
    EXPECT_EQ(combo.current, 0);
    SelectComboItem(combo, QStringLiteral("支票"));
    EXPECT_EQ(combo.current, 3);
    SelectComboItem(combo, QStringLiteral("不存在"));
    EXPECT_EQ(combo.current, 3) << "an absent text leaves the selection";
    combo.items << QStringLiteral("现金");
    SelectComboItem(combo, QStringLiteral("现金"));
    EXPECT_EQ(combo.current, 4) << "the last equal entry wins";

    EXPECT_FALSE(LoadCombo(combo, q, QStringLiteral("Select * From Nowhere"), true, QStringLiteral("X")));
    EXPECT_EQ(combo.items, QStringList{QStringLiteral("所有")});
    EXPECT_EQ(v.prompt.messages.last(), QStringLiteral("LoadCombo失败"));
}

TEST(Routines, OpenQueryAndExecSqlReportTheCallersMessage)
{
    test::TestVenue v;
    Query q(v.db());
    EXPECT_FALSE(OpenQuery(q, QStringLiteral("Select * From Nowhere"), QStringLiteral("刷新房间时出错")));
    EXPECT_FALSE(q.isOpen());
    EXPECT_EQ(v.prompt.messages.last(), QStringLiteral("刷新房间时出错"));
    EXPECT_EQ(ExecSql(q, QStringLiteral("Update Nowhere Set X = 1")), 0);
    EXPECT_EQ(v.prompt.messages.last(), QStringLiteral("SQL命令执行出错"));
    EXPECT_EQ(ExecSql(q, QStringLiteral("Update Room Set RoomState = '空闲' Where RoomIndex = 1")), 1);
    EXPECT_TRUE(OpenQuery(q, QStringLiteral("Select * From Room"), QStringLiteral("x")));
}

}  // namespace
