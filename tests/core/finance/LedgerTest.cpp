// The finance ledger's rules: balances from the running totals, the day
// ledger's figures, tiles, vouchers settling receivables, transfers and
// account deletion.
#include "core/data/JetSql.h"
#include "core/data/MoneyTotals.h"
#include "core/data/Numbering.h"
#include "core/data/Query.h"
#include "core/finance/Accounts.h"
#include "core/finance/Ledger.h"
#include "core/finance/Transfers.h"
#include "core/finance/Vouchers.h"
#include "tests/support/MoneyRows.h"
#include "tests/support/TestData.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

const QString kBank = QStringLiteral(" And (AccountType = 1)");
const QString kCash = QStringLiteral(" And (AccountType = 2)");
const QString kAll = QStringLiteral(" And ((AccountType = 1) Or (AccountType = 2))");

class Ledger : public ::testing::Test {
protected:
    TestVenue v;
    Query q{v.db()};

    // A money record as the windows write it.
    void money(int account, const QString& day, double sum, const QString& reason = QStringLiteral("销售收入"))
    {
        test::addMoney(v, {account, day, sum, QStringLiteral("顾客"), reason});
    }
    int account(const QString& name, int type, double base = 0)
    {
        v.exec(QStringLiteral("Insert Into Account (AccountName, AccountBase, AccountType, AccountPower) Values (%1, %2, %3, '')")
                   .arg(quoted(name))
                   .arg(base)
                   .arg(type));
        return v.scalar(QStringLiteral("Select AccountIndex From Account Where AccountName = ") + quoted(name)).toInt();
    }
    DaySummary day(const QString& filter, bool inside, const QString& d)
    {
        DaySummary s;
        EXPECT_TRUE(daySummary(q, filter, inside, QDate::fromString(d, Qt::ISODate), &s).saved);
        return s;
    }
};

// The template's bank account 2 ("银行存款") and cash account 3 ("现金").
TEST_F(Ledger, DayFiguresByBookAndTransfer)
{
    v.exec(QStringLiteral("Update Account Set AccountBase = 100 Where AccountIndex = 2"));
    v.exec(QStringLiteral("Update Account Set AccountBase = 50 Where AccountIndex = 3"));
    const int bank2 = account(QStringLiteral("招商银行"), 1);
    money(2, QStringLiteral("2026-03-01"), 30);
    money(2, QStringLiteral("2026-03-02"), 0);
    money(2, QStringLiteral("2026-03-02"), -0.4);
    money(2, QStringLiteral("2026-03-02"), -0.6);
    // Inside the bank book, then from bank to cash.
    money(2, QStringLiteral("2026-03-03"), -20, QStringLiteral("帐户平调"));
    money(bank2, QStringLiteral("2026-03-03"), 20, QStringLiteral("帐户平调"));
    money(2, QStringLiteral("2026-03-03"), -10, QStringLiteral("帐簿平调"));
    money(3, QStringLiteral("2026-03-03"), 10, QStringLiteral("帐簿平调"));

    const struct {
        const char* what;
        QString filter;
        bool inside;
        const char* day;
        double previous, closing;
        int inCount;
        double in;
        int outCount;
        double out;
    } cases[] = {
        {"opening amounts only", kBank, false, "2026-02-28", 100, 100, 0, 0, 0, 0},
        {"opening amounts of every book", kAll, true, "2026-02-28", 150, 150, 0, 0, 0, 0},
        {"a day with one income", kBank, false, "2026-03-01", 100, 130, 1, 30, 0, 0},
        {"zero counts as income, -0.4 and -0.6 as expense", kBank, false, "2026-03-02", 130, 129, 1, 0, 2, 1},
        {"a day without records", kBank, false, "2026-03-05", 119, 119, 0, 0, 0, 0},
        {"bank book: inside transfer left out, to cash is expense", kBank, false, "2026-03-03", 129, 119, 0, 0, 1, 10},
        {"cash book: from bank is income", kCash, false, "2026-03-03", 50, 60, 1, 10, 0, 0},
        {"every account: both transfers inside", kAll, true, "2026-03-03", 179, 179, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const DaySummary s = day(c.filter, c.inside, QString::fromLatin1(c.day));
        EXPECT_DOUBLE_EQ(s.previous, c.previous) << c.what;
        EXPECT_DOUBLE_EQ(s.closing, c.closing) << c.what;
        EXPECT_EQ(s.incomeCount, c.inCount) << c.what;
        EXPECT_DOUBLE_EQ(s.income, c.in) << c.what;
        EXPECT_EQ(s.expenseCount, c.outCount) << c.what;
        EXPECT_DOUBLE_EQ(s.expense, c.out) << c.what;
    }
    EXPECT_EQ(dayCountText(2, 1), QStringLiteral("共 2 笔～1 元"));
}

TEST_F(Ledger, OneDefaultForTheBook)
{
    // The book and the day counts read the same value: the bank book's
    // transfer to cash is its expense whether the key is written or missing.
    EXPECT_EQ(accountBookOf(QStringLiteral("1"))->filter, kBank);
    EXPECT_FALSE(bookTransfersInside(QStringLiteral("1")));
    EXPECT_TRUE(bookTransfersInside(QStringLiteral("5")));
    EXPECT_FALSE(accountBookOf(QStringLiteral("7")).has_value()) << "an unknown value keeps the book";
    EXPECT_EQ(accountBookOf(QStringLiteral("5"))->picture, QStringLiteral("Res/CompanyAccount.bmp"));
}

TEST_F(Ledger, RedForEveryAmountBelowZero)
{
    EXPECT_TRUE(drawnRed(-0.4));
    EXPECT_TRUE(drawnRed(-0.6));
    EXPECT_TRUE(drawnRed(-0.01));
    EXPECT_FALSE(drawnRed(0));
    EXPECT_FALSE(drawnRed(0.4));
}

TEST_F(Ledger, BalanceIconThresholds)
{
    const struct {
        int type;
        double balance, moneySum;
        const char* icon;
    } cases[] = {
        {1, 30000, 30000, "Res/Yellow+.ico"},       {1, 30000.01, 30000.01, "Res/Yellow++.ico"},
        {2, 100000, 100000, "Res/Purple++.ico"},     {2, 100000.01, 100000.01, "Res/Purple+++.ico"},
        {1, 50000, 0, "Res/Yellow+.ico"},            // the opening amount does not count
        {1, 0, -100, "Res/Money0.ico"},              {2, -0.01, -0.01, "Res/Money-.ico"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(balanceIcon(c.type, c.balance, c.moneySum), QString::fromLatin1(c.icon)) << c.balance;
}

TEST_F(Ledger, TilesOfAPage)
{
    for (int i = 0; i < 14; ++i)
        account(QStringLiteral("帐户%1").arg(i, 2, 10, QLatin1Char('0')), 1);
    // With the template's bank account: 15 in the bank book.
    TilePage p;
    ASSERT_TRUE(loadTilePage(q, QString(), kBank, accountOrder(0, 0), 0, QDate(2026, 3, 1), &p).saved);
    EXPECT_EQ(p.tiles.size(), 15);
    EXPECT_FALSE(p.next);
    EXPECT_FALSE(p.previous);
    account(QStringLiteral("O'Brien"), 1);
    ASSERT_TRUE(loadTilePage(q, QString(), kBank, accountOrder(0, 0), 1, QDate(2026, 3, 1), &p).saved);
    ASSERT_EQ(p.tiles.size(), 1);
    EXPECT_EQ(p.tiles[0].name, QStringLiteral("O'Brien"));
    EXPECT_TRUE(p.previous);
    EXPECT_FALSE(p.next);
    ASSERT_TRUE(loadTilePage(q, QString(), kBank, accountOrder(0, 1), 1, QDate(2026, 3, 1), &p).saved);
    ASSERT_EQ(p.tiles.size(), 1);
    EXPECT_EQ(p.tiles[0].name, QStringLiteral("银行存款")) << "descending: the first account comes last";
    EXPECT_EQ(accountOrder(1, 1), QStringLiteral(" Order By AccountType Desc, AccountIndex"));
}

TEST_F(Ledger, TileBalanceAndMonth)
{
    v.exec(QStringLiteral("Update Account Set AccountBase = 10 Where AccountIndex = 2"));
    money(2, QStringLiteral("2026-02-27"), 5);
    money(2, QStringLiteral("2026-03-10"), 40);
    money(2, QStringLiteral("2026-03-11"), -0.5);  // the next day: in the month, not the balance
    money(2, QStringLiteral("2026-04-01"), 1000);
    TilePage p;
    ASSERT_TRUE(loadTilePage(q, QString(), kBank, accountOrder(0, 0), 0, QDate(2026, 3, 10), &p).saved);
    ASSERT_EQ(p.tiles.size(), 1);
    EXPECT_EQ(p.tiles[0].balanceText(), QStringLiteral("55 元"));
    EXPECT_EQ(p.tiles[0].monthText(), QStringLiteral("39.5 元"));
    EXPECT_EQ(p.tiles[0].typeWord, QStringLiteral("银行帐"));
}

// Every balance, month figure and day figure from the running totals equals
// the design's own query over the records, through inserts, edits and
// deletions in any order.
TEST_F(Ledger, RunningTotalsMatchTheRecords)
{
    QRandomGenerator rng(20261211);
    const QList<int> accounts{2, 3, account(QStringLiteral("甲"), 1), account(QStringLiteral("乙"), 2)};
    auto randomDay = [&] { return QDate(2025, 11, 1).addDays(rng.bounded(120)); };
    auto amount = [&] { return (rng.bounded(200001) - 100000) / 100.0; };
    for (int step = 0; step < 600; ++step) {
        const int what = rng.bounded(10);
        if (what < 6 || step < 20) {
            money(accounts[rng.bounded(accounts.size())], randomDay().toString(Qt::ISODate), amount());
        } else if (what < 8) {
            v.exec(QStringLiteral("Update MoneyTable Set MoneySum = %1, MoneyCreateTime = %2, MoneyAccount = %3 "
                                  "Where MoneyIndex = (Select Min(MoneyIndex) From MoneyTable Where MoneyIndex >= %4)")
                       .arg(amount())
                       .arg(jetDate(randomDay()))
                       .arg(accounts[rng.bounded(accounts.size())])
                       .arg(rng.bounded(step + 1)));
        } else {
            v.exec(QStringLiteral("Delete * From MoneyTable Where MoneyIndex = (Select Max(MoneyIndex) From MoneyTable "
                                  "Where MoneyIndex <= %1)")
                       .arg(rng.bounded(step + 1)));
        }
        if (step % 25 != 0)
            continue;
        const QDate d = randomDay();
        for (int a : accounts) {
            const double through = v.scalar(QStringLiteral("Select ROUND(Sum(MoneySum),2) As TotalMoney From MoneyTable "
                                                           "Where (MoneyAccount = %1) And (MoneyCreateTime <= %2)")
                                                .arg(a)
                                                .arg(jetDate(d)))
                                       .toDouble();
            EXPECT_DOUBLE_EQ(moneySumThrough(v.db(), {a}, d), through) << a << " " << d.toString().toStdString();
            const QDate first(d.year(), d.month(), 1), last(d.year(), d.month(), d.daysInMonth());
            const double month = v.scalar(QStringLiteral("Select ROUND(Sum(MoneySum),2) As TotalMoney From MoneyTable "
                                                         "Where (MoneyAccount = %1) And (MoneyCreateTime Between %2 And %3)")
                                              .arg(a)
                                              .arg(jetDate(first), jetDate(last)))
                                     .toDouble();
            EXPECT_DOUBLE_EQ(moneySumBetween(v.db(), {a}, first, last), month);
        }
        for (const QString& filter : {kBank, kCash, kAll}) {
            const double base = v.scalar(QStringLiteral("Select Round(Sum(AccountBase),2) As TotalSum From Account Where (AccountIndex > 1)") + filter).toDouble();
            const double before = v.scalar(QStringLiteral("Select Round(Sum(MoneySum),2) As LastDateSum From Account,MoneyTable "
                                                          "Where (AccountIndex = MoneyAccount) And (MoneyCreateTime < %1)")
                                               .arg(jetDate(d)) + filter)
                                      .toDouble();
            const double upTo = v.scalar(QStringLiteral("Select Round(Sum(MoneySum),2) As TodayDateSum From Account,MoneyTable "
                                                        "Where (AccountIndex = MoneyAccount) And (MoneyCreateTime < %1)")
                                             .arg(jetDate(d.addDays(1))) + filter)
                                    .toDouble();
            DaySummary s;
            ASSERT_TRUE(daySummary(q, filter, filter == kAll, d, &s).saved);
            EXPECT_NEAR(s.previous, base + before, 1e-9);
            EXPECT_NEAR(s.closing, base + upTo, 1e-9);
        }
    }
}

TEST_F(Ledger, TotalsAreBuiltForAnOlderFile)
{
    money(2, QStringLiteral("2026-01-05"), 12.5);
    v.db().execEngine(QStringLiteral("DROP TRIGGER trMoneyInsert"));
    v.db().execEngine(QStringLiteral("DROP TABLE MoneyDayTotal"));
    v.db().execEngine(QStringLiteral("DROP TABLE MoneyMonthTotal"));
    ensureMoneyTotals(v.db());
    EXPECT_DOUBLE_EQ(moneySumThrough(v.db(), {2}, QDate(2026, 1, 5)), 12.5);
    money(2, QStringLiteral("2026-01-05"), 1);
    EXPECT_DOUBLE_EQ(moneySumThrough(v.db(), {2}, QDate(2026, 1, 5)), 13.5);
}

TEST_F(Ledger, TotalsThatDriftAreFoundAtTheDaysFirstOpenAndRebuilt)
{
    // Written from outside the program: a huge amount absorbs the small one
    // of its day in the totals, and does not give it back when it goes.
    money(2, QStringLiteral("2026-01-05"), 1e39);
    money(2, QStringLiteral("2026-01-05"), 5);
    v.exec(QStringLiteral("Delete * From MoneyTable Where MoneySum > 1000"));
    EXPECT_TRUE(moneyTotalsDrifted(v.db()));
    EXPECT_NE(moneySumThrough(v.db(), {2}, QDate(2026, 1, 5)), 5);
    // The next day's first start compares and rebuilds them.
    v.exec(QStringLiteral("Update MoneyTotalCheck Set CheckedDay = '2000-01-01'"));
    v.db().close();
    v.db().open(v.dataFile());
    EXPECT_FALSE(moneyTotalsDrifted(v.db()));
    EXPECT_DOUBLE_EQ(moneySumThrough(v.db(), {2}, QDate(2026, 1, 5)), 5);
    EXPECT_DOUBLE_EQ(moneySumBetween(v.db(), {2}, QDate(2026, 1, 1), QDate(2026, 1, 31)), 5);
    EXPECT_EQ(v.scalar(QStringLiteral("Select CheckedDay From MoneyTotalCheck")), QDate::currentDate().toString(Qt::ISODate));
}

TEST_F(Ledger, AFileWhoseTotalsTablesAreGoneButTheirTriggersRemainIsRepairedAtOpen)
{
    money(2, QStringLiteral("2026-01-05"), 12.5);
    v.db().execEngine(QStringLiteral("DROP TABLE MoneyDayTotal"));
    v.db().close();
    v.db().open(v.dataFile());
    money(2, QStringLiteral("2026-01-05"), 1);  // a money write works again
    EXPECT_DOUBLE_EQ(moneySumThrough(v.db(), {2}, QDate(2026, 1, 5)), 13.5);
    EXPECT_FALSE(moneyTotalsDrifted(v.db()));
}

TEST_F(Ledger, AnOlderFileOpenedWhileAnotherDeskWritesSumsItsRecordsUntilTheTotalsAreBuilt)
{
    money(2, QStringLiteral("2026-01-05"), 12.5);
    for (const char* t : {"TRIGGER trMoneyInsert", "TRIGGER trMoneyDelete", "TRIGGER trMoneyUpdate", "TABLE MoneyDayTotal",
                          "TABLE MoneyMonthTotal", "TABLE MoneyTotalCheck"})
        v.db().execEngine(QStringLiteral("DROP ") + QLatin1String(t));
    v.db().close();
    Connection other;  // a desk of the earlier version: it builds no totals
    other.open(v.dataFile(), QString::fromLatin1(Connection::kPassword), false);
    other.begin();  // its long write
    Connection late;
    late.setBusyTimeout(300);
    late.open(v.dataFile());
    EXPECT_FALSE(late.moneyTotals().ready);
    EXPECT_DOUBLE_EQ(moneySumThrough(late, {2}, QDate(2026, 1, 5)), 12.5) << "read from the records meanwhile";
    EXPECT_DOUBLE_EQ(moneySumBetween(late, {2}, QDate(2026, 1, 1), QDate(2026, 1, 31)), 12.5);
    Query lq(late);
    DaySummary summary;
    ASSERT_TRUE(daySummary(lq, kBank, false, QDate(2026, 1, 5), &summary).saved);
    EXPECT_NEAR(summary.closing, 12.5, 1e-9);
    other.rollback();
    late.moneyTotals().lastTry.invalidate();  // the next try is due
    EXPECT_DOUBLE_EQ(moneySumThrough(late, {2}, QDate(2026, 1, 5)), 12.5);
    EXPECT_TRUE(late.moneyTotals().ready) << "built once the file was free";
    EXPECT_FALSE(moneyTotalsDrifted(late));
}

// ---- vouchers

VoucherInput voucher(const QString& amount, const QString& customer = QStringLiteral("O'Brien"))
{
    return {QStringLiteral("SR26031101"), QStringLiteral("银行存款"), customer, QDate(2026, 3, 11), amount,
            QStringLiteral("销售收入"), QString(), QStringLiteral("现金"), QStringLiteral("收据"), QString()};
}

TEST_F(Ledger, VoucherChecksInOrder)
{
    int account = 0;
    const struct {
        const char* what;
        VoucherInput in;
        const char* message;
        const char* focus;
    } cases[] = {
        {"no account", [] { auto i = voucher(QStringLiteral("x")); i.account.clear(); i.reason.clear(); return i; }(),
         "请选择一个帐户", "Account"},
        {"no kind", [] { auto i = voucher(QStringLiteral("x")); i.reason.clear(); return i; }(), "请选择帐款项目", "Reason"},
        {"empty amount", [] { auto i = voucher(QString()); i.type.clear(); return i; }(), "金额格式有误，请重新输入", "Amount"},
        {"a lone point", voucher(QStringLiteral(".")), "金额格式有误，请重新输入", "Amount"},
        {"two points", voucher(QStringLiteral("1.2.3")), "金额格式有误，请重新输入", "Amount"},
        {"a sign", voucher(QStringLiteral("-5")), "金额格式有误，请重新输入", "Amount"},
        {"three decimals", [] { auto i = voucher(QStringLiteral("1.234")); i.type.clear(); return i; }(),
         "金额内容可能有误，请重新输入", "Amount"},
        {"no payment type", [] { auto i = voucher(QStringLiteral("5.")); i.type.clear(); i.token.clear(); return i; }(),
         "请选择帐款类别", "Type"},
        {"no voucher word", [] { auto i = voucher(QStringLiteral(".5")); i.token.clear(); return i; }(), "请选择帐款凭证", "Token"},
        {"a pasted card number", voucher(QStringLiteral("6222021234567890123")),
         "金额过大：小数点前最多只能有12位数字，请重新输入", "Amount"},
        {"an account that is gone", [] { auto i = voucher(QStringLiteral("0")); i.account = QStringLiteral("O'Brien"); return i; }(),
         "找不到所需要的帐户", "Account"},
    };
    for (const auto& c : cases) {
        const SaveResult r = checkVoucher(q, c.in, &account);
        EXPECT_FALSE(r.saved) << c.what;
        EXPECT_EQ(r.message, QString::fromUtf8(c.message)) << c.what;
        EXPECT_EQ(r.focus, QString::fromLatin1(c.focus)) << c.what;
    }
    EXPECT_TRUE(checkVoucher(q, voucher(QStringLiteral("0")), &account).saved);
    EXPECT_EQ(account, 2);
}

TEST_F(Ledger, VouchersSettleAReceivable)
{
    v.exec(QStringLiteral("Insert Into GetPay (GetPayTime, GetPayUser, GetPayKind, GetPaySum, GetPaySum2, GetPaySum3) "
                          "Values (#2026-03-01#, 'O''Brien', '应收', 500, 0, 500)"));
    const int receivable = v.scalar(QStringLiteral("Select Max(GetPayIndex) From GetPay")).toInt();
    auto has = [&](const char* customer, const char* kind) {
        bool found = false;
        EXPECT_TRUE(hasGetPays(q, QString::fromUtf8(customer), QString::fromUtf8(kind), &found).saved);
        return found;
    };
    EXPECT_TRUE(has("O'Brien", "应收"));
    EXPECT_FALSE(has("O'Brien", "应付"));
    EXPECT_FALSE(has("O", "应收"));
    auto figures = [&] {
        return v.row(QStringLiteral("Select GetPaySum2, GetPaySum3 From GetPay Where GetPayIndex = %1").arg(receivable));
    };
    int first = 0, second = 0;
    ASSERT_TRUE(insertVoucher(q, QStringLiteral("财务收入"), receivable, voucher(QStringLiteral("200")), 2,
                              QDate(2026, 3, 11), &first).saved);
    EXPECT_EQ(figures(), QStringLiteral("200/300"));
    ASSERT_TRUE(insertVoucher(q, QStringLiteral("财务收入"), receivable, voucher(QStringLiteral("100.25")), 2,
                              QDate(2026, 3, 11), &second).saved);
    EXPECT_EQ(figures(), QStringLiteral("300.25/199.75"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select MoneyCreateTime From MoneyTable Where MoneyIndex = %1").arg(first)),
              QStringLiteral("2026-03-11")) << "the business date at 0:00";
    ASSERT_TRUE(updateVoucher(q, first, voucher(QStringLiteral("450")), 2).saved);
    EXPECT_EQ(figures(), QStringLiteral("550.25/-50.25")) << "settled beyond the amount";
    ASSERT_TRUE(deleteVoucher(q, second).saved);
    EXPECT_EQ(figures(), QStringLiteral("450/50"));
    EXPECT_EQ(deleteVoucher(q, second).message, QStringLiteral("找不到要删除的记录"));
    EXPECT_EQ(updateVoucher(q, second, voucher(QStringLiteral("1")), 2).message, QStringLiteral("找不到要修改的记录"));

    // A payable settled by expenses gets a positive settled sum.
    v.exec(QStringLiteral("Insert Into GetPay (GetPayUser, GetPayKind, GetPaySum, GetPaySum2, GetPaySum3) Values ('供应商', '应付', 150, 0, 150)"));
    const int payable = v.scalar(QStringLiteral("Select Max(GetPayIndex) From GetPay")).toInt();
    int out = 0;
    ASSERT_TRUE(insertVoucher(q, QStringLiteral("财务支出"), payable, voucher(QStringLiteral("100")), 2, QDate(2026, 3, 11), &out).saved);
    ASSERT_TRUE(insertVoucher(q, QStringLiteral("财务支出"), payable, voucher(QStringLiteral("50")), 2, QDate(2026, 3, 11), &out).saved);
    EXPECT_EQ(v.row(QStringLiteral("Select GetPaySum2, GetPaySum3 From GetPay Where GetPayIndex = %1").arg(payable)),
              QStringLiteral("150/0"));
    EXPECT_EQ(v.row(QStringLiteral("Select MoneyIn, MoneyOut, MoneySum From MoneyTable Where MoneyIndex = %1").arg(out)),
              QStringLiteral("0/50/-50"));
}

TEST_F(Ledger, AProposedNumberTakenByAnotherDeskIsReplacedAtTheSave)
{
    const QDate day(2026, 3, 11);
    const QString mode = QStringLiteral("按日期生成编号");
    const ProposedSerial proposed{MakeMoneySerial(q, QStringLiteral("财务收入"), day, mode), day, mode};
    ASSERT_EQ(proposed.serial, QStringLiteral("SR26031101"));
    // The other desk opened its window at the same time and saves first.
    Connection other;
    other.open(v.dataFile());
    Query desk(other);
    VoucherInput first = voucher(QStringLiteral("10"));
    first.proposed = proposed;
    int index = 0;
    ASSERT_TRUE(insertVoucher(desk, QStringLiteral("财务收入"), 0, first, 2, day, &index).saved);
    VoucherInput mine = voucher(QStringLiteral("20"));
    mine.proposed = proposed;
    const SaveResult r = insertVoucher(q, QStringLiteral("财务收入"), 0, mine, 2, day, &index);
    ASSERT_TRUE(r.saved);
    EXPECT_EQ(r.message, QStringLiteral("记录新增成功\n单据编号“SR26031101”已被其他记录使用，本单据的编号改为“SR26031102”"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select MoneySerial From MoneyTable Where MoneyIndex = %1").arg(index)),
              QStringLiteral("SR26031102"));
    // A number typed by hand is the person's choice, taken or not.
    VoucherInput typed = voucher(QStringLiteral("30"));
    typed.proposed = {QStringLiteral("SR26031103"), day, mode};
    EXPECT_TRUE(serialTaken(q, typed.serial));
    EXPECT_FALSE(serialTaken(q, QStringLiteral("SR26031102"), index)) << "its own record does not count";
    const SaveResult kept = insertVoucher(q, QStringLiteral("财务收入"), 0, typed, 2, day, &index);
    EXPECT_EQ(kept.message, QStringLiteral("记录新增成功"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From MoneyTable Where MoneySerial = 'SR26031101'")), QStringLiteral("2"));
}

TEST_F(Ledger, AFailedVoucherWriteLeavesTheReceivable)
{
    v.exec(QStringLiteral("Insert Into GetPay (GetPayUser, GetPayKind, GetPaySum, GetPaySum2, GetPaySum3) Values ('甲', '应收', 500, 0, 500)"));
    const int receivable = v.scalar(QStringLiteral("Select Max(GetPayIndex) From GetPay")).toInt();
    v.db().setWriteHook([](const QString& sql) {
        if (sql.contains(QLatin1String("GetPay")) && sql.startsWith(QLatin1String("UPDATE"), Qt::CaseInsensitive))
            throw DbError(QStringLiteral("磁盘已满"));
    });
    int index = 0;
    const SaveResult r = insertVoucher(q, QStringLiteral("财务收入"), receivable, voucher(QStringLiteral("200")), 2,
                                       QDate(2026, 3, 11), &index);
    v.db().setWriteHook({});
    EXPECT_FALSE(r.saved);
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From MoneyTable")), QStringLiteral("0")) << "no voucher without its recompute";
}

TEST_F(Ledger, SaveCustomerOnce)
{
    EXPECT_EQ(saveCustomer(q, QString()).message, QStringLiteral("客户名称不能为空"));
    EXPECT_EQ(saveCustomer(q, QStringLiteral("O'Brien")).message, QStringLiteral("客户名称保存成功"));
    EXPECT_EQ(saveCustomer(q, QStringLiteral("O'Brien")).message, QStringLiteral("客户名称保存成功"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Parameter Where ParameterType = 4")), QStringLiteral("1"));
}

// ---- transfers

TEST_F(Ledger, TransferWritesBothHalves)
{
    const int obrien = account(QStringLiteral("O'Brien"), 1, 50);
    money(obrien, QStringLiteral("2026-03-01"), 30);
    money(obrien, QStringLiteral("2026-03-20"), 1000);  // after the transfer's date: not in the check
    TransferPlan plan;
    TransferInput in{QStringLiteral("O'Brien"), QStringLiteral("现金"), QStringLiteral("100"), QDate(2026, 3, 10), QStringLiteral("备用金")};
    ASSERT_TRUE(planTransfer(q, in, &plan).saved);
    EXPECT_DOUBLE_EQ(plan.sourceBalance, 80);
    EXPECT_TRUE(plan.overdraws());
    EXPECT_EQ(plan.reason, QStringLiteral("帐簿平调"));
    ASSERT_EQ(writeTransfer(q, plan, in, QDate(2026, 3, 11)).message, QStringLiteral("平调成功"));
    EXPECT_EQ(v.row(QStringLiteral("Select MoneyKind, MoneySum, MoneyUser, MoneyReason, MoneyCreateTime From MoneyTable "
                                   "Where MoneyAccount = %1 And MoneySum < 0").arg(obrien)),
              QStringLiteral("财务支出/-100/调出->现金/帐簿平调/2026-03-10"));
    EXPECT_EQ(v.row(QStringLiteral("Select MoneyKind, MoneySum, MoneyUser, MoneyRemark From MoneyTable Where MoneyAccount = 3")),
              QStringLiteral("财务收入/100/O'Brien->调入/备用金"));

    ASSERT_TRUE(planTransfer(q, {QStringLiteral("现金"), QStringLiteral("O'Brien"), QStringLiteral("100"), QDate(2026, 3, 10), {}}, &plan).saved);
    EXPECT_DOUBLE_EQ(plan.sourceBalance, 100);
    EXPECT_FALSE(plan.overdraws()) << "an amount equal to the balance";
    ASSERT_TRUE(planTransfer(q, {QStringLiteral("O'Brien"), QStringLiteral("银行存款"), QStringLiteral("0"), QDate(2026, 3, 10), {}}, &plan).saved);
    EXPECT_EQ(plan.reason, QStringLiteral("帐户平调"));
}

TEST_F(Ledger, TransferChecksInOrder)
{
    TransferPlan plan;
    const struct {
        TransferInput in;
        const char* message;
    } cases[] = {
        {{QString(), QString(), QStringLiteral("x"), QDate(2026, 3, 1), {}}, "请选择调出帐户"},
        {{QStringLiteral("现金"), QString(), QStringLiteral("x"), QDate(2026, 3, 1), {}}, "请选择调入帐户"},
        {{QStringLiteral("现金"), QStringLiteral("现金"), QStringLiteral("x"), QDate(2026, 3, 1), {}}, "调出帐户和调入帐户不能相同"},
        {{QStringLiteral("现金"), QStringLiteral("银行存款"), QStringLiteral("."), QDate(2026, 3, 1), {}}, "金额格式有误，请重新输入"},
        {{QStringLiteral("现金"), QStringLiteral("银行存款"), QStringLiteral("1.001"), QDate(2026, 3, 1), {}}, "金额内容可能有误，请重新输入"},
        {{QStringLiteral("无"), QStringLiteral("银行存款"), QStringLiteral("1"), QDate(2026, 3, 1), {}}, "找不到调出帐户"},
        {{QStringLiteral("现金"), QStringLiteral("无"), QStringLiteral("1"), QDate(2026, 3, 1), {}}, "找不到调入帐户"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(planTransfer(q, c.in, &plan).message, QString::fromUtf8(c.message));
}

TEST_F(Ledger, ATransferWhoseSecondHalfFailsWritesNeither)
{
    TransferPlan plan;
    const TransferInput in{QStringLiteral("银行存款"), QStringLiteral("现金"), QStringLiteral("100"), QDate(2026, 3, 10), {}};
    ASSERT_TRUE(planTransfer(q, in, &plan).saved);
    int inserts = 0;
    v.db().setWriteHook([&](const QString& sql) {
        if (sql.startsWith(QLatin1String("INSERT"), Qt::CaseInsensitive) && ++inserts == 2)
            throw DbError(QStringLiteral("磁盘已满"));
    });
    const SaveResult r = writeTransfer(q, plan, in, QDate(2026, 3, 11));
    v.db().setWriteHook({});
    EXPECT_FALSE(r.saved);
    EXPECT_EQ(inserts, 2);
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From MoneyTable")), QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(moneySumThrough(v.db(), {2}, QDate(2026, 3, 10)), 0);
    EXPECT_DOUBLE_EQ(moneySumThrough(v.db(), {3}, QDate(2026, 3, 10)), 0);
}

// ---- accounts

TEST_F(Ledger, AccountChecksAndNames)
{
    double amount = 0;
    EXPECT_EQ(checkAccount({QStringLiteral("甲"), 0, QStringLiteral("0"), {}}, &amount).message, QStringLiteral("请先选择帐户类型"));
    EXPECT_EQ(checkAccount({QString(), 1, QString(), {}}, &amount).message, QStringLiteral("帐户名称不得为空"));
    EXPECT_EQ(checkAccount({QStringLiteral("甲"), 1, QString(), {}}, &amount).message, QStringLiteral("起初金额不得为空"));
    EXPECT_EQ(checkAccount({QStringLiteral("甲"), 1, QStringLiteral("abc"), {}}, &amount).focus, QStringLiteral("Amount"));
    for (const char* huge : {"1e308", "1000000000000", "-1e13"})
        EXPECT_EQ(checkAccount({QStringLiteral("甲"), 1, QString::fromLatin1(huge), {}}, &amount).message,
                  QStringLiteral("金额过大：小数点前最多只能有12位数字，请重新输入"))
            << huge;
    ASSERT_TRUE(checkAccount({QStringLiteral("甲"), 2, QStringLiteral("-12.5"), {}}, &amount).saved);
    EXPECT_DOUBLE_EQ(amount, -12.5);

    EXPECT_EQ(createAccount(q, {QStringLiteral("O'Brien"), 1, QStringLiteral("10"), QStringLiteral("卡号")}).message,
              QStringLiteral("帐户　O'Brien　新增成功"));
    EXPECT_EQ(createAccount(q, {QStringLiteral("O'Brien"), 2, QStringLiteral("0"), {}}).message,
              QStringLiteral("该帐户名已经存在，请重新操作"));
    EXPECT_EQ(updateAccount(q, QStringLiteral("O'Brien"), {QStringLiteral("现金"), 1, QStringLiteral("0"), {}}).message,
              QStringLiteral("该帐户名已经存在，请重新操作"));
    ASSERT_TRUE(updateAccount(q, QStringLiteral("O'Brien"), {QStringLiteral("O'Brien's"), 2, QStringLiteral("20"), {}}).saved);
    EXPECT_EQ(v.row(QStringLiteral("Select AccountName, AccountType, AccountBase From Account Where AccountName = 'O''Brien''s'")),
              QStringLiteral("O'Brien's/2/20"));
}

TEST_F(Ledger, DeletingAnAccountTakesItsRecordsAndResettles)
{
    const int obrien = account(QStringLiteral("O'Brien"), 1);
    v.exec(QStringLiteral("Insert Into GetPay (GetPayUser, GetPayKind, GetPaySum, GetPaySum2, GetPaySum3) Values ('甲', '应收', 500, 0, 500)"));
    const int receivable = v.scalar(QStringLiteral("Select Max(GetPayIndex) From GetPay")).toInt();
    int index = 0;
    insertVoucher(q, QStringLiteral("财务收入"), receivable, voucher(QStringLiteral("200")), obrien, QDate(2026, 3, 1), &index);
    insertVoucher(q, QStringLiteral("财务收入"), receivable, voucher(QStringLiteral("50")), 2, QDate(2026, 3, 1), &index);
    EXPECT_EQ(v.row(QStringLiteral("Select GetPaySum2, GetPaySum3 From GetPay Where GetPayIndex = %1").arg(receivable)),
              QStringLiteral("250/250"));
    EXPECT_FALSE(deleteAccount(q, QStringLiteral("无此帐户")).saved);
    ASSERT_TRUE(deleteAccount(q, QStringLiteral("O'Brien")).saved);
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From MoneyTable Where MoneyAccount = %1").arg(obrien)), QStringLiteral("0"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Account Where AccountIndex = %1").arg(obrien)), QStringLiteral("0"));
    EXPECT_EQ(v.row(QStringLiteral("Select GetPaySum2, GetPaySum3 From GetPay Where GetPayIndex = %1").arg(receivable)),
              QStringLiteral("50/450"));
    EXPECT_DOUBLE_EQ(moneySumThrough(v.db(), {obrien}, QDate(2026, 3, 1)), 0);
}

}  // namespace
