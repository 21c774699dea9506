// Receivables and payables: the settled and open sums kept by every voucher
// change, the record's roll-back and deletion, the filter and the lists.
#include "core/data/JetSql.h"
#include "core/data/Query.h"
#include "core/finance/GetPays.h"
#include "core/finance/Vouchers.h"
#include "tests/support/TestData.h"

#include <QRandomGenerator>
#include <cmath>
#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

class GetPays : public ::testing::Test {
protected:
    TestVenue v;
    Query q{v.db()};

    int record(const QString& kind, double amount, const QString& customer = QStringLiteral("O'Brien"),
               const QString& day = QStringLiteral("2026-03-01"))
    {
        int index = 0;
        EXPECT_TRUE(insertGetPay(q, kind, {QDate::fromString(day, Qt::ISODate), customer, QString::number(amount),
                                           QStringLiteral("销售收入"), QString(), QString()},
                                 0, &index)
                        .saved);
        return index;
    }
    static VoucherInput voucher(const QString& amount)
    {
        return {QString(), QStringLiteral("银行存款"), QStringLiteral("O'Brien"), QDate(2026, 3, 11), amount,
                QStringLiteral("销售收入"), QString(), QStringLiteral("现金"), QStringLiteral("收据"), QString()};
    }
    QString figures(int index)
    {
        return v.row(QStringLiteral("Select GetPaySum, GetPaySum2, GetPaySum3 From GetPay Where GetPayIndex = %1").arg(index));
    }
};

// After every step of random voucher adds, edits and deletes against
// receivables and payables: settled = |Round(Sum(linked MoneySum),2)| and
// open = amount - settled.
TEST_F(GetPays, SettledSumsFollowEveryVoucherChange)
{
    QRandomGenerator rng(1211);
    QList<int> records;
    for (int i = 0; i < 3; ++i) {
        records << record(QStringLiteral("应收"), 100 * (i + 1));
        records << record(QStringLiteral("应付"), 80 * (i + 1));
    }
    QList<int> vouchers;
    for (int step = 0; step < 150; ++step) {
        const int what = rng.bounded(6);
        if (what < 3 || vouchers.isEmpty()) {
            const int r = records[rng.bounded(records.size())];
            const bool income = v.scalar(QStringLiteral("Select GetPayKind From GetPay Where GetPayIndex = %1").arg(r)) == QStringLiteral("应收");
            int index = 0;
            ASSERT_TRUE(insertVoucher(q, income ? QStringLiteral("财务收入") : QStringLiteral("财务支出"), r,
                                      voucher(QString::number(rng.bounded(10000) / 100.0)), 2, QDate(2026, 3, 11), &index)
                            .saved);
            vouchers << index;
        } else if (what < 5) {
            ASSERT_TRUE(updateVoucher(q, vouchers[rng.bounded(vouchers.size())], voucher(QString::number(rng.bounded(10000) / 100.0)), 3).saved);
        } else {
            ASSERT_TRUE(deleteVoucher(q, vouchers.takeAt(rng.bounded(vouchers.size()))).saved);
        }
        for (int r : records) {
            const double linked = v.scalar(QStringLiteral("Select Round(Sum(MoneySum),2) From MoneyTable Where MoneyGetPay = %1").arg(r)).toDouble();
            const QStringList f = figures(r).split(QLatin1Char('/'));
            ASSERT_DOUBLE_EQ(f[1].toDouble(), std::abs(linked)) << "step " << step;
            ASSERT_NEAR(f[2].toDouble(), f[0].toDouble() - f[1].toDouble(), 1e-9);
        }
    }
}

TEST_F(GetPays, ARecordsFiguresAndAmountChecks)
{
    int index = 0;
    EXPECT_EQ(insertGetPay(q, QStringLiteral("应收"), {QDate(2026, 3, 1), QStringLiteral("甲"), QStringLiteral("5.123"), {}, {}, {}}, 0, &index).message,
              QStringLiteral("金额内容可能有误，请重新输入"));
    EXPECT_EQ(insertGetPay(q, QStringLiteral("应收"), {QDate(2026, 3, 1), QStringLiteral("甲"), QStringLiteral("."), {}, {}, {}}, 0, &index).focus,
              QStringLiteral("Amount"));
    const int r = record(QStringLiteral("应收"), 500);
    EXPECT_EQ(figures(r), QStringLiteral("500/0/500"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select GetPayTime From GetPay Where GetPayIndex = %1").arg(r)), QStringLiteral("2026-03-01"))
        << "the day at 0:00";
    int m = 0;
    insertVoucher(q, QStringLiteral("财务收入"), r, voucher(QStringLiteral("200")), 2, QDate(2026, 3, 11), &m);
    // The amount edited with 200 settled: the settled sum is taken as shown.
    EXPECT_EQ(updateGetPay(q, r, {QDate(2026, 3, 1), QStringLiteral("O'Brien"), QStringLiteral("450"), {}, {}, {}}, 200, false).message,
              QStringLiteral("记录修改成功"));
    EXPECT_EQ(figures(r), QStringLiteral("450/200/250"));
    EXPECT_EQ(updateGetPay(q, 9999, {QDate(2026, 3, 1), {}, QStringLiteral("1"), {}, {}, {}}, 0, false).message,
              QStringLiteral("找不到要修改的记录"));

    // Whatever the reserved row holds, a new record starts at 0 and empty.
    v.exec(QStringLiteral("Update GetPay Set GetPaySum = 7, GetPaySum2 = 7 Where GetPayIndex = 1"));
    v.exec(QStringLiteral("Update MoneyTable Set MoneyGetPay = 1"));
    GetPayFigures f;
    ASSERT_TRUE(getPayFigures(q, 1, &f).saved);
    EXPECT_EQ(f.sum + f.settled + f.open, 0);
    q.setSql(linkedVouchersSql(1));
    q.open();
    EXPECT_TRUE(q.eof());
    q.close();
}

TEST_F(GetPays, RollBackTakesTheRecordAndItsVouchers)
{
    const int r = record(QStringLiteral("应收"), 500);
    int m = 0;
    insertVoucher(q, QStringLiteral("财务收入"), r, voucher(QStringLiteral("200")), 2, QDate(2026, 3, 11), &m);
    bool vouchersDeleted = false;
    ASSERT_TRUE(rollBackGetPay(q, r, &vouchersDeleted).saved);
    EXPECT_TRUE(vouchersDeleted);
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From MoneyTable")), QStringLiteral("0"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From GetPay Where GetPayIndex = %1").arg(r)), QStringLiteral("0"));
    EXPECT_FALSE(rollBackGetPay(q, r, &vouchersDeleted).saved) << "nothing left to take back";

    // A failing deletion of the record keeps the vouchers too.
    const int again = record(QStringLiteral("应收"), 500);
    insertVoucher(q, QStringLiteral("财务收入"), again, voucher(QStringLiteral("200")), 2, QDate(2026, 3, 11), &m);
    v.db().setWriteHook([](const QString& sql) {
        if (sql.startsWith(QLatin1String("DELETE FROM GetPay"), Qt::CaseInsensitive))
            throw DbError(QStringLiteral("磁盘已满"));
    });
    EXPECT_FALSE(rollBackGetPay(q, again, &vouchersDeleted).saved);
    v.db().setWriteHook({});
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From MoneyTable Where MoneyGetPay = %1").arg(again)), QStringLiteral("1"));
}

TEST_F(GetPays, DeleteWithOrWithoutTheMoney)
{
    const int a = record(QStringLiteral("应收"), 500);
    const int b = record(QStringLiteral("应收"), 300);
    int m = 0;
    for (int r : {a, a, b})
        insertVoucher(q, QStringLiteral("财务收入"), r, voucher(QStringLiteral("10")), 2, QDate(2026, 3, 11), &m);
    int linked = 0;
    ASSERT_TRUE(linkedMoneyCount(q, a, &linked).saved);
    EXPECT_EQ(linked, 2);
    ASSERT_TRUE(deleteGetPay(q, a, true).saved);
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From MoneyTable")), QStringLiteral("1"));
    ASSERT_TRUE(deleteGetPay(q, b, false).saved);
    EXPECT_EQ(v.scalar(QStringLiteral("Select MoneyGetPay From MoneyTable")), QString::number(b)) << "kept, still naming it";
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From GetPay Where GetPayIndex > 1")), QStringLiteral("0"));
}

TEST_F(GetPays, FilterAndViews)
{
    GetPayFilter f;
    EXPECT_TRUE(getPayCondition(f).isEmpty());
    f.customer = QStringLiteral("O'Brien");
    f.span = true;
    f.from = QDate(2026, 3, 1);
    f.to = QDate(2026, 3, 31);
    f.remark = QStringLiteral("场");
    EXPECT_EQ(getPayCondition(f), QStringLiteral(" And (InStr(GetPayUser,'O''Brien')) And (GetPayTime Between #2026-03-01# And #2026-03-31#)"
                                                 " And (InStr(GetPayRemark,'场'))"));
    record(QStringLiteral("应收"), 100, QStringLiteral("O'Brien"), QStringLiteral("2026-03-31"));
    record(QStringLiteral("应收"), 50, QStringLiteral("O'Brien Jr"), QStringLiteral("2026-03-31"));
    record(QStringLiteral("应收"), 20, QStringLiteral("甲"), QStringLiteral("2026-04-01"));
    record(QStringLiteral("应付"), 70, QStringLiteral("O'Brien"), QStringLiteral("2026-03-02"));
    f.remark.clear();
    const QString condition = getPayCondition(f);
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From (%1)").arg(getPayListSql(QStringLiteral("应收"), condition, GetPayView::Records))),
              QStringLiteral("2")) << "the span's last day is in, and both O'Brien names contain the text";
    EXPECT_EQ(v.row(getPayListSql(QStringLiteral("应收"), QString(), GetPayView::Customers)), QStringLiteral("O'Brien/100/0/100/1"));
    EXPECT_EQ(v.row(getPayListSql(QStringLiteral("应收"), QString(), GetPayView::Dates)), QStringLiteral("2026-03-31/150/0/150/2"))
        << "one row per day";
    EXPECT_EQ(getPayTemplate(QStringLiteral("应付"), GetPayView::Dates), QStringLiteral("Frf/PayList3.frf"));
    EXPECT_EQ(getPayColumns(QStringLiteral("应付"), GetPayView::Customers)[2].title, QStringLiteral("已付金额"));
}

}  // namespace
