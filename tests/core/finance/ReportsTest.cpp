// The finance reports' rules: the money search's conditions, the monthly
// statement, the daily summary, each connection's own scratch tables, and
// the analysis chart's statements.
#include "core/data/ChartData.h"
#include "core/data/JetSql.h"
#include "core/data/Query.h"
#include "core/finance/Reports.h"
#include "tests/support/MoneyRows.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

const QString kBank = QStringLiteral(" And (AccountType = 1)");

class FinanceReports : public ::testing::Test {
protected:
    TestVenue v;
    Query q{v.db()};

    int account(const QString& name, int type, double base)
    {
        v.exec(QStringLiteral("Insert Into Account (AccountName, AccountBase, AccountType, AccountPower) Values (%1, %2, %3, '')")
                   .arg(quoted(name))
                   .arg(base)
                   .arg(type));
        return v.scalar(QStringLiteral("Select AccountIndex From Account Where AccountName = ") + quoted(name)).toInt();
    }
    void money(int account, const QString& day, double sum, const QString& user = QStringLiteral("顾客"))
    {
        test::addMoney(v, {account, day, sum, user});
    }
    static QStringList texts(const QList<StatementLine>& lines)
    {
        QStringList out;
        for (const StatementLine& l : lines)
            out << QStringLiteral("%1 %2 %3 %4 %5 %6").arg(l.name).arg(l.opening).arg(l.income).arg(l.expense).arg(l.net).arg(l.closing);
        return out;
    }
    QStringList enabledRows(Query& rows, const QStringList& fields)
    {
        QStringList out;
        for (rows.first(); !rows.eof(); rows.next()) {
            QStringList r;
            for (const QString& f : fields)
                r << rows.str(f);
            out << r.join(QLatin1Char(' '));
        }
        return out;
    }
};

TEST_F(FinanceReports, SearchFragments)
{
    MoneySearch s;
    MoneySearchInput in;
    in.span = true;
    in.from = QDate(2026, 3, 1);
    in.to = QDate(2026, 3, 31);
    in.document = 2;
    in.transfers = 1;
    ASSERT_TRUE(buildMoneySearch(in, &s).saved);
    EXPECT_EQ(s.MoneyCondition, QStringLiteral(" And (MoneyCreateTime Between #2026-03-01# And #2026-03-31#) And (MoneySum < 0)"
                                               " And (Not InStr(MoneyReason,'平调'))"));
    EXPECT_EQ(s.OpeningDate, QStringLiteral("2026-03-01"));
    EXPECT_TRUE(s.AccountCondition.isEmpty());

    MoneySearchInput all;
    all.amounts = true;
    all.lower = QStringLiteral("-5");
    all.accounts = {QStringLiteral("O'Brien"), QStringLiteral("现金")};
    all.reasons = {QStringLiteral("销售收入")};
    all.type = QStringLiteral("现金");
    all.token = QStringLiteral("所有");
    all.customer = QStringLiteral("O'Brien");
    all.man = QStringLiteral("张三");
    all.transfers = 2;
    all.remark = QStringLiteral("备'注");
    all.serial = QStringLiteral("SR");
    ASSERT_TRUE(buildMoneySearch(all, &s).saved);
    EXPECT_EQ(s.MoneyCondition,
              QStringLiteral(" And (ABS(MoneySum) > -5) And AccountName In ('O''Brien','现金') And MoneyReason In ('销售收入')"
                             " And (MoneyType = '现金') And (InStr(MoneyUser,'O''Brien')) And (MoneyMan = '张三')"
                             " And (InStr(MoneyReason,'平调')) And (InStr(MoneyRemark,'备''注')) And (InStr(MoneySerial,'SR'))"));
    EXPECT_EQ(s.AccountCondition, QStringLiteral(" And AccountName In ('O''Brien','现金')"));
    EXPECT_TRUE(s.OpeningDate.isEmpty());
    // Every fragment runs.
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Account,MoneyTable Where (AccountIndex = MoneyAccount)") + s.MoneyCondition),
              QStringLiteral("0"));

    // A refused bound keeps the last search whole.
    const MoneySearch before = s;
    MoneySearchInput bad;
    bad.lower = QStringLiteral("1.2.3");
    EXPECT_EQ(buildMoneySearch(bad, &s).focus, QStringLiteral("Lower"));
    bad.lower.clear();
    bad.upper = QStringLiteral("--1");
    const SaveResult r = buildMoneySearch(bad, &s);
    EXPECT_EQ(r.message, QStringLiteral("金额格式有误，请重新输入"));
    EXPECT_EQ(r.focus, QStringLiteral("Upper"));
    EXPECT_EQ(s.MoneyCondition, before.MoneyCondition);

    const MoneySearch month = monthOfAccount(QStringLiteral("O'Brien"), QDate(2026, 3, 15));
    EXPECT_EQ(month.MoneyCondition, QStringLiteral(" And (MoneyCreateTime Between #2026-03-01# And #2026-03-31#) And (AccountName = 'O''Brien')"));
    EXPECT_EQ(month.OpeningDate, QStringLiteral("2026-03-01"));
}

TEST_F(FinanceReports, StatementLinesAndTotal)
{
    const int a = account(QStringLiteral("甲"), 1, 100);
    const int b = account(QStringLiteral("乙"), 1, 10);
    money(a, QStringLiteral("2026-03-10"), 50);
    money(a, QStringLiteral("2026-03-31"), -30);  // the range's last day
    money(b, QStringLiteral("2026-02-28"), -4);   // before the start: in the opening only
    money(b, QStringLiteral("2026-04-01"), 1000); // after the range
    const QList<StatementLine> lines = computeStatement(q, QString(), kBank, QDate(2026, 3, 1), QDate(2026, 3, 31));
    EXPECT_EQ(texts(lines), (QStringList{QStringLiteral("银行存款 0 0 0 0 0"), QStringLiteral("甲 100 50 30 20 120"),
                                         QStringLiteral("乙 6 0 0 0 6"), QStringLiteral("总合计 106 50 30 20 126")}));
    EXPECT_EQ(texts(computeStatement(q, accountNamesCondition({QStringLiteral("乙")}), kBank, QDate(2026, 3, 1), QDate(2026, 3, 31))),
              (QStringList{QStringLiteral("乙 6 0 0 0 6"), QStringLiteral("总合计 6 0 0 0 6")}));
    EXPECT_TRUE(computeStatement(q, accountNamesCondition({QStringLiteral("无")}), kBank, QDate(2026, 3, 1), QDate(2026, 3, 31)).isEmpty());
}

TEST_F(FinanceReports, EveryAccountGetsItsLineAndShorterStatementsDisableTheRest)
{
    for (int i = 0; i < 205; ++i)
        account(QStringLiteral("帐户%1").arg(i, 3, 10, QLatin1Char('0')), 1, 1);
    QList<StatementLine> lines = computeStatement(q, QString(), kBank, QDate(2026, 3, 1), QDate(2026, 3, 31));
    ASSERT_EQ(lines.size(), 207) << "more accounts than the file ships rows";
    writeStatement(q, lines);
    EXPECT_EQ(q.recordCount(), 207);
    q.last();
    EXPECT_EQ(q.str(QStringLiteral("PrintValue1")), QStringLiteral("总合计"));
    EXPECT_EQ(q.str(QStringLiteral("PrintValue2")), QStringLiteral("205"));
    q.close();
    lines = computeStatement(q, accountNamesCondition({QStringLiteral("帐户007")}), kBank, QDate(2026, 3, 1), QDate(2026, 3, 31));
    writeStatement(q, lines);
    EXPECT_EQ(enabledRows(q, {QStringLiteral("PrintValue1"), QStringLiteral("PrintValue6")}),
              (QStringList{QStringLiteral("帐户007 1"), QStringLiteral("总合计 1")}));
    q.close();
}

TEST_F(FinanceReports, EachConnectionPrintsFromItsOwnLines)
{
    account(QStringLiteral("甲"), 1, 100);
    Connection other;
    other.open(v.dataFile());
    Query mine(v.db()), theirs(other);
    writeStatement(mine, computeStatement(mine, accountNamesCondition({QStringLiteral("甲")}), kBank, QDate(2026, 3, 1), QDate(2026, 3, 31)));
    writeStatement(theirs, computeStatement(theirs, accountNamesCondition({QStringLiteral("银行存款")}), kBank, QDate(2026, 3, 1), QDate(2026, 3, 31)));
    writeLedgerHeadings(theirs, {QStringLiteral("上日结余：0 元")});
    mine.close();
    mine.setSql(QStringLiteral("Select * From PrintTable Where PrintEnable = True Order By PrintIndex"));
    mine.open();
    EXPECT_EQ(enabledRows(mine, {QStringLiteral("PrintValue1")}), (QStringList{QStringLiteral("甲"), QStringLiteral("总合计")}))
        << "the other workstation's statement and headings are not in mine";
    mine.close();
    theirs.close();
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From main.PrintTable Where PrintEnable <> 0")), QStringLiteral("0"))
        << "the file's own rows untouched";
}

TEST_F(FinanceReports, DailySummaryRunningBalance)
{
    const int a = account(QStringLiteral("甲"), 1, 100);
    const int cash = account(QStringLiteral("乙"), 2, 1000);
    money(a, QStringLiteral("2026-02-20"), 10);
    money(cash, QStringLiteral("2026-02-20"), 500);
    money(a, QStringLiteral("2026-03-02"), 40);
    money(a, QStringLiteral("2026-03-02"), -15.5);
    money(a, QStringLiteral("2026-03-05"), 7);
    bool days = false;
    auto lines = [&](const MoneySearch& s, const QString& filter) {
        QStringList out;
        for (const SummaryLine& l : computeSummary(q, s, filter, &days))
            out << QStringList{l.name, l.getNum, l.getSum, l.payNum, l.paySum, l.balance}.join(QLatin1Char('/'));
        return out;
    };
    // A search by date in the bank book: the opening is the bank book's.
    MoneySearch march;
    MoneySearchInput in;
    in.span = true;
    in.from = QDate(2026, 3, 1);
    in.to = QDate(2026, 3, 31);
    buildMoneySearch(in, &march);
    EXPECT_EQ(lines(march, kBank), (QStringList{QStringLiteral("前累计余额/////110"), QStringLiteral("2026-03-02/1/40/1/15.5/134.5"),
                                                 QStringLiteral("2026-03-05/1/7/0/0/141.5"), QStringLiteral("合计/2/47/1/15.5/")}));
    EXPECT_TRUE(days);
    // Without dates: the opening amounts, then every record found.
    EXPECT_EQ(lines(MoneySearch{}, kBank).first(), QStringLiteral("前累计余额/////100"));
    EXPECT_EQ(lines(MoneySearch{}, kBank).at(3), QStringLiteral("2026-03-05/1/7/0/0/141.5"));
    // "当月记录" of one account.
    EXPECT_EQ(lines(monthOfAccount(QStringLiteral("甲"), QDate(2026, 3, 15)), kBank).first(), QStringLiteral("前累计余额/////110"));
    MoneySearch none;
    none.MoneyCondition = QStringLiteral(" And (MoneySum > 99999)");
    EXPECT_EQ(lines(none, kBank).size(), 1);
    EXPECT_FALSE(days);

    writeSummary(q, computeSummary(q, march, kBank, &days));
    EXPECT_EQ(q.recordCount(), 4);
    q.close();
}

TEST_F(FinanceReports, AnalysisChartAndTable)
{
    for (int i = 0; i < 25; ++i)
        money(2, QStringLiteral("2026-03-01"), 100 + i, QStringLiteral("客户%1").arg(i, 2, 10, QLatin1Char('0')));
    money(2, QStringLiteral("2026-03-01"), 5, QStringLiteral("O'Brien"));
    money(2, QStringLiteral("2026-03-02"), -5, QStringLiteral("O'Brien"));  // adds up to 0
    const CakeAnalysis& byCustomer = cakeAnalyses().at(1);
    q.setSql(cakeChartSql(byCustomer, kBank, QString(), QString()));
    q.open();
    const QList<ChartPoint> points = readChartPoints(q, QStringLiteral("MoneyUser"), QStringLiteral("TotalSum"));
    q.close();
    ASSERT_EQ(points.size(), 20);
    EXPECT_EQ(points.first().label, QStringLiteral("客户24"));
    q.setSql(cakeTableSql(byCustomer, kBank, QString(), QString()));
    q.open();
    EXPECT_EQ(q.recordCount(), 26) << "every group, the one of 0 too";
    q.close();
    q.setSql(cakeChartSql(byCustomer, kBank, QString(), cakeKindCondition(2)));
    q.open();
    EXPECT_EQ(q.str(QStringLiteral("MoneyUser")), QStringLiteral("O'Brien"));
    EXPECT_EQ(q.num(QStringLiteral("TotalSum")), -5);
    q.close();
    EXPECT_EQ(cakeChartSql(cakeAnalyses().at(0), kBank, QString(), QString()),
              QStringLiteral("Select AccountName,Round(Sum(MoneySum),2) As TotalSum From Account,MoneyTable Where (MoneyAccount = AccountIndex)"
                             " And (AccountIndex > 1) And (AccountType = 1) Group By AccountName Order By Sum(MoneySum) Desc"));
}

}  // namespace
