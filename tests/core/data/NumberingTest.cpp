#include "core/config/Options.h"
#include "core/data/Numbering.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

const QDate kDay(2024, 3, 15);

class Numbering : public ::testing::Test {
protected:
    TestVenue v;
    Query q{v.db()};

    void bills(int n, const QString& day = QStringLiteral("240315"))
    {
        Transaction tx(v.db());
        for (int i = 1; i <= n; ++i)
            v.exec(QStringLiteral("Insert Into Bill (BillSerial) Values ('%1%2')").arg(day, FormatZeroPadded(i, 3)));
        tx.commit();
    }
    void money(const QString& serial, const QString& kind = QStringLiteral("财务收入"))
    {
        v.exec(QStringLiteral("Insert Into MoneyTable (MoneyKind, MoneySerial, MoneyAccount) Values ('%1', '%2', 2)")
                   .arg(kind, serial));
    }
};

TEST_F(Numbering, BillsCountUpWithinTheDay)
{
    EXPECT_EQ(MakeBillSerial(q, kDay), QStringLiteral("240315001"));
    bills(9);
    bills(4, QStringLiteral("240314"));
    EXPECT_EQ(MakeBillSerial(q, kDay), QStringLiteral("240315010"));
    bills(999);
    EXPECT_EQ(MakeBillSerial(q, kDay), QStringLiteral("2403151000")) << "a sequence outgrowing 3 digits keeps them all";
}

TEST_F(Numbering, DeletingABillNeverRepeatsANumber)
{
    bills(3);
    v.exec(QStringLiteral("Delete * From Bill Where BillSerial = '240315002'"));
    EXPECT_EQ(MakeBillSerial(q, kDay), QStringLiteral("240315004"));
}

TEST_F(Numbering, HandMadeNumbersArePassedOver)
{
    bills(3);
    v.exec(QStringLiteral("Insert Into Bill (BillSerial) Values ('240315ZZZ')"));   // at the top of the range
    v.exec(QStringLiteral("Insert Into Bill (BillSerial) Values ('2403159X99')"));  // a longer one
    EXPECT_EQ(MakeBillSerial(q, kDay), QStringLiteral("240315004"));
    v.exec(QStringLiteral("Insert Into Bill (BillSerial) Values ('2403150020')"));  // a longer number of ours
    EXPECT_EQ(MakeBillSerial(q, kDay), QStringLiteral("240315021"));
    v.exec(QStringLiteral("Delete * From Bill Where BillSerial = '240315ZZZ'"));
    EXPECT_EQ(MakeBillSerial(q, kDay), QStringLiteral("240315021")) << "the longer number still counts";
}

TEST_F(Numbering, MoneyByDate)
{
    const QString byDate = QString::fromUtf8(kNumberByDate);
    EXPECT_EQ(MakeMoneySerial(q, QStringLiteral("财务收入"), kDay, byDate), QStringLiteral("SR24031501"));
    for (int i = 1; i <= 99; ++i)
        money(QStringLiteral("SR240315") + FormatZeroPadded(i, 2));
    money(QStringLiteral("ZC24031501"), QStringLiteral("财务支出"));
    EXPECT_EQ(MakeMoneySerial(q, QStringLiteral("财务收入"), kDay, byDate), QStringLiteral("SR240315100"));
    EXPECT_EQ(MakeMoneySerial(q, QStringLiteral("财务支出"), kDay, byDate), QStringLiteral("ZC24031502"));
    EXPECT_EQ(MakeMoneySerial(q, QStringLiteral("财务收入"), kDay.addDays(1), byDate), QStringLiteral("SR24031601"))
        << "a voucher for another ledger day takes that day";
}

TEST_F(Numbering, MoneyByCountCountsEveryRecordOfTheKind)
{
    const QString byCount = QString::fromUtf8(kNumberByCount);
    {
        Transaction tx(v.db());
        for (int i = 1; i <= 127; ++i)
            money(QStringLiteral("SR") + FormatZeroPadded(i, 6));
        money(QStringLiteral("ZC000044"), QStringLiteral("财务支出"));
        tx.commit();
    }
    EXPECT_EQ(MakeMoneySerial(q, QStringLiteral("财务收入"), kDay, byCount), QStringLiteral("SR000128"));
    EXPECT_EQ(MakeMoneySerial(q, QStringLiteral("财务支出"), kDay, byCount), QStringLiteral("ZC000045"))
        << "a number of its own above the count of one";
    money(QStringLiteral("SR24031599"));  // made while numbering by date
    EXPECT_EQ(MakeMoneySerial(q, QStringLiteral("财务收入"), kDay, byCount), QStringLiteral("SR000129"))
        << "a record numbered by date counts too";
    v.exec(QStringLiteral("Delete * From MoneyTable Where MoneySerial = 'SR000010'"));
    EXPECT_EQ(MakeMoneySerial(q, QStringLiteral("财务收入"), kDay, byCount), QStringLiteral("SR000128"))
        << "after a deletion the count gives the next unused number";
    v.exec(QStringLiteral("Delete * From MoneyTable Where MoneySerial = 'SR24031599' Or MoneySerial = 'SR000011'"));
    EXPECT_EQ(MakeMoneySerial(q, QStringLiteral("财务收入"), kDay, byCount), QStringLiteral("SR000128"))
        << "never a number already given";
    // Switching the option changes only the form of new numbers.
    EXPECT_EQ(MakeMoneySerial(q, QStringLiteral("财务收入"), kDay, QString::fromUtf8(kNumberByDate)),
              QStringLiteral("SR24031501"));
}

TEST_F(Numbering, MoneyByCountAfterRecordsNumberedByDate)
{
    // 127 income records numbered by date and one transfer's income half.
    {
        Transaction tx(v.db());
        for (int i = 1; i <= 127; ++i)
            money(QStringLiteral("SR2403%1%2").arg(10 + i / 100).arg(FormatZeroPadded(i % 100, 2)));
        v.exec(QStringLiteral("Insert Into MoneyTable (MoneyKind, MoneyReason, MoneyAccount) Values ('财务收入', '帐户平调', 3)"));
        tx.commit();
    }
    EXPECT_EQ(MakeMoneySerial(q, QStringLiteral("财务收入"), kDay, QString::fromUtf8(kNumberByCount)),
              QStringLiteral("SR000129"));
}

TEST_F(Numbering, ReadsTheOptionAtEachCall)
{
    const Options o(v.iniFile(), v.dir());
    EXPECT_EQ(MakeMoneySerial(q, o, QStringLiteral("财务收入"), kDay), QStringLiteral("SR24031501"));
    ASSERT_TRUE(o.write(opt::MoneyIndex, QString::fromUtf8(kNumberByCount)));
    EXPECT_EQ(MakeMoneySerial(q, o, QStringLiteral("财务收入"), kDay), QStringLiteral("SR000001"));
}

}  // namespace
