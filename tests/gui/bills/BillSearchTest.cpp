// The bill search: its conditions cover whole days, and its window gives
// them through its buttons.
#include "core/bills/Bills.h"
#include "gui/bills/BillSearchForm.h"
#include "tests/support/Gui.h"
#include "tests/support/TestData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace velbrisk;

namespace {

const QDate kToday(2026, 3, 15);

class Spans : public ::testing::Test {
protected:
    test::TestVenue v;
    void SetUp() override
    {
        const char* bills[][2] = {{"A", "2026-03-15 00:00:00"}, {"B", "2026-03-15 15:00:00"}, {"C", "2026-03-16 00:00:00"},
                                  {"D", "2026-03-31 15:00:00"}, {"E", "2026-04-01 00:00:00"}, {"F", "2026-02-28 23:59:59"},
                                  {"G", "2026-12-31 23:00:00"}, {"H", "2027-01-01 00:00:00"}};
        for (const auto& b : bills)
            v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillBeginTime) Values ('%1', #%2#)")
                       .arg(QLatin1String(b[0]), QLatin1String(b[1])));
    }
    QString found(const QString& condition)
    {
        Query q(v.db());
        q.setSql(QStringLiteral("Select BillSerial From Bill Where (BillIndex > 1)") + condition + QStringLiteral(" Order By BillSerial"));
        q.open();
        QString s;
        for (; !q.eof(); q.next())
            s += q.str(QStringLiteral("BillSerial"));
        return s;
    }
};

TEST_F(Spans, CoverWholeDays)
{
    const struct {
        const char* name;
        QString condition;
        const char* expected;
    } cases[] = {
        {"today", quickBillCondition(BillSpan::Today, kToday), "AB"},
        {"this month, with 15:00 on its last day", quickBillCondition(BillSpan::Month, kToday), "ABCD"},
        {"this year, with 23:00 on its last day", quickBillCondition(BillSpan::Year, kToday), "ABCDEFG"},
        {"all", quickBillCondition(BillSpan::All, kToday), "ABCDEFGH"},
        {"a picked span", billSearchCondition({QString(), true, QDate(2026, 3, 16), QDate(2026, 3, 31)}), "CD"},
        {"a span of one day", billSearchCondition({QString(), true, QDate(2026, 2, 28), QDate(2026, 2, 28)}), "F"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(found(c.condition), QString::fromLatin1(c.expected)) << c.name << ": " << c.condition.toStdString();
}

TEST(BillSearch, CombinedFragmentsComeInTheirOrder)
{
    BillSearch s{QStringLiteral("2603"), true, QDate(2026, 3, 1), QDate(2026, 3, 31), QStringLiteral("O'Brien"),
                 QStringLiteral("张"), QStringLiteral("计时房间"), QStringLiteral("会员")};
    EXPECT_EQ(billSearchCondition(s),
              QStringLiteral(" And (InStr(BillSerial,'2603')) And (BillBeginTime >= #2026-03-01# And BillBeginTime < #2026-04-01#)"
                             " And (InStr(BillRoomName,'O''Brien')) And (InStr(BillRoomUser,'张')) And (BillRoomType = '计时收费')"
                             " And (InStr(BillRemark,'会员'))"));
    EXPECT_EQ(billSearchCondition({}), QString());
    EXPECT_EQ(billSearchCondition({QString(), false, {}, {}, QString(), QString(), QStringLiteral("计次房间")}),
              QStringLiteral(" And (BillRoomType = '计次收费')"));
}

TEST(BillSearch, TheWindowGivesItsConditionThroughItsButtons)
{
    TFormBillSearch w;
    w.today = [] { return kToday; };
    test::onNextDialog<TFormBillSearch>([](TFormBillSearch* d) {
        d->edit(QStringLiteral("RoomName"))->setText(QStringLiteral("O'Brien"));
        test::click(d, QStringLiteral("确定"));
    });
    EXPECT_EQ(w.exec(), QDialog::Accepted);
    EXPECT_EQ(w.Condition, QStringLiteral(" And (InStr(BillRoomName,'O''Brien'))"));

    test::onNextDialog<TFormBillSearch>([](TFormBillSearch* d) {
        EXPECT_TRUE(d->edit(QStringLiteral("RoomName"))->text().isEmpty()) << "each showing starts empty";
        EXPECT_FALSE(d->fromEdit()->isEnabled());
        QTest::mouseClick(d->spanBox(), Qt::LeftButton, {}, QPoint(6, d->spanBox()->height() / 2));  // on its box
        EXPECT_TRUE(d->fromEdit()->isEnabled());
        d->fromEdit()->setDate(QDate(2026, 2, 1));
        d->toEdit()->setDate(QDate(2026, 2, 28));
        test::click(d, QStringLiteral("取消"));
    });
    EXPECT_EQ(w.exec(), QDialog::Rejected);
    EXPECT_EQ(w.Condition, QStringLiteral(" And (InStr(BillRoomName,'O''Brien'))")) << "kept when cancelled";

    test::onNextDialog<TFormBillSearch>([](TFormBillSearch* d) {
        EXPECT_EQ(d->fromEdit()->date(), QDate(2026, 2, 1)) << "the dates stay between showings";
        EXPECT_FALSE(d->spanBox()->isChecked()) << "the box does not";
        test::click(d, QStringLiteral("当月记录"));
    });
    EXPECT_EQ(w.exec(), QDialog::Accepted);
    EXPECT_EQ(w.Condition, QStringLiteral(" And (BillBeginTime >= #2026-03-01# And BillBeginTime < #2026-04-01#)"));
    test::onNextDialog<TFormBillSearch>([](TFormBillSearch* d) { test::click(d, QStringLiteral("所有记录")); });
    w.exec();
    EXPECT_EQ(w.Condition, QString());
}

}  // namespace
