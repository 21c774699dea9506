#include "core/finance/Ledger.h"

#include "core/data/JetFunctions.h"
#include "core/data/JetSql.h"
#include "core/data/MoneyTotals.h"
#include "core/data/Platform.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "core/data/Words.h"

namespace velbrisk {

std::optional<AccountBook> accountBookOf(const QString& stored)
{
    if (stored == QLatin1String(book::kBank))
        return AccountBook{stored, QStringLiteral(" And (AccountType = 1)"), QStringLiteral("Res/CompanyAccount2.bmp")};
    if (stored == QLatin1String(book::kCash))
        return AccountBook{stored, QStringLiteral(" And (AccountType = 2)"), QStringLiteral("Res/CompanyAccount3.bmp")};
    if (stored == QLatin1String(book::kAll))
        return AccountBook{stored, QStringLiteral(" And ((AccountType = 1) Or (AccountType = 2))"),
                           QStringLiteral("Res/CompanyAccount.bmp")};
    if (stored == QLatin1String(book::kNone))
        return AccountBook{stored, QStringLiteral(" And (AccountType = 0)"), QStringLiteral("Res/EmptyAccount.bmp")};
    return std::nullopt;
}

bool bookTransfersInside(const QString& stored) { return stored == QLatin1String(book::kAll); }

QList<int> bookAccounts(Query& q, const QString& filter)
{
    QList<int> out;
    q.setSql(QStringLiteral("Select AccountIndex From Account Where (AccountIndex > 0)") + filter);
    q.open();
    for (q.first(); !q.eof(); q.next())
        out << int(q.integer(QStringLiteral("AccountIndex")));
    q.close();
    return out;
}

QString accountOrder(int sortKey, int direction)
{
    static const char* const keys[] = {" Order By AccountIndex", " Order By AccountType", " Order By AccountName"};
    const int k = sortKey >= 0 && sortKey < 3 ? sortKey : 0;
    QString order = QString::fromLatin1(keys[k]) + (direction == 1 ? QStringLiteral(" Desc") : QStringLiteral(" Asc"));
    if (k == 1)
        order += QStringLiteral(", AccountIndex");
    return order;
}

QString accountTypeWord(int accountType)
{
    return accountType == 1 ? QStringLiteral("银行帐") : accountType == 2 ? QStringLiteral("现金帐") : QString();
}

QString balanceIcon(int accountType, double balance, double moneySum)
{
    const double shown = jetRound(balance, 2);
    if (shown < 0)
        return QStringLiteral("Res/Money-.ico");
    if (shown == 0)
        return QStringLiteral("Res/Money0.ico");
    const QString colour = accountType == 1 ? QStringLiteral("Yellow") : accountType == 2 ? QStringLiteral("Purple") : QString();
    QString plus = QStringLiteral("+");
    if (moneySum > 30000)
        plus += QLatin1Char('+');
    if (moneySum > 100000)
        plus += QLatin1Char('+');
    return QStringLiteral("Res/") + colour + plus + QStringLiteral(".ico");
}

QString AccountTileData::balanceText() const { return FormatRounded(balance) + QStringLiteral(" 元"); }
QString AccountTileData::monthText() const { return FormatRounded(month) + QStringLiteral(" 元"); }

SaveResult loadTilePage(Query& q, const QString& searchCondition, const QString& bookFilter, const QString& order,
                        int page, const QDate& day, TilePage* out)
{
    TilePage result;
    bool listed = false;  // the accounts read: a later failure is of their sums
    const SaveResult r = attempt(q, [&] {
        q.setSql(QStringLiteral("Select * From Account Where (AccountIndex > 1)") + searchCondition + bookFilter + order);
        q.open();
        listed = true;
        result.accountCount = q.recordCount();
        result.previous = page > 0;
        result.next = (page + 1) * AccountPageSize < result.accountCount;
        const QDate first(day.year(), day.month(), 1);
        const QDate last(day.year(), day.month(), day.daysInMonth());
        Connection& c = q.connection();
        for (q.moveTo(page * AccountPageSize); !q.eof() && result.tiles.size() < AccountPageSize; q.next()) {
            AccountTileData t;
            t.index = int(q.integer(QStringLiteral("AccountIndex")));
            t.name = q.str(QStringLiteral("AccountName"));
            t.type = int(q.integer(QStringLiteral("AccountType")));
            t.typeWord = accountTypeWord(t.type);
            t.moneySum = moneySumThrough(c, {t.index}, day);
            t.balance = q.num(QStringLiteral("AccountBase")) + t.moneySum;
            t.month = moneySumBetween(c, {t.index}, first, last);
            t.icon = balanceIcon(t.type, t.balance, t.moneySum);
            t.red = jetRound(t.balance, 2) < 0;
            result.tiles << t;
        }
        return SaveResult::done();
    });
    if (!r.saved)
        return SaveResult::refused(listed ? QStringLiteral("统计帐户金额时出错") : QStringLiteral("刷新帐户房子时出错"));
    *out = result;
    return r;
}

SaveResult daySummary(Query& q, const QString& bookFilter, bool bookTransfersInside, const QDate& day, DaySummary* out)
{
    DaySummary s;
    const SaveResult r = attempt(
        q,
        [&] {
            q.setSql(QStringLiteral("Select Round(Sum(AccountBase),2) As TotalSum From Account Where (AccountIndex > 1)") + bookFilter);
            q.open();
            s.base = q.num(QStringLiteral("TotalSum"));
            q.close();
            const QList<int> accounts = bookAccounts(q, bookFilter);
            Connection& c = q.connection();
            s.previous = s.base + moneySumBefore(c, accounts, day);
            s.closing = s.base + moneySumThrough(c, accounts, day);
            const QString transfers = bookTransfersInside
                                          ? QStringLiteral("(MoneyReason <> '帐户平调') And (MoneyReason <> '帐簿平调') ")
                                          : QStringLiteral("(MoneyReason <> '帐户平调') ");
            const QString head = QStringLiteral("Select Round(Sum(MoneySum),2) As TodayDateMoney, Count(MoneyIndex) As TodayDateCount "
                                                "From Account,MoneyTable Where (AccountIndex = MoneyAccount) And ")
                                 + transfers + QStringLiteral("And (MoneyCreateTime = ") + jetDate(day);
            q.setSql(head + QStringLiteral(") And (MoneySum >= 0)") + bookFilter);
            q.open();
            s.income = q.num(QStringLiteral("TodayDateMoney"));
            s.incomeCount = int(q.integer(QStringLiteral("TodayDateCount")));
            q.setSql(head + QStringLiteral(") And (MoneySum < 0)") + bookFilter);
            q.open();
            s.expense = -q.num(QStringLiteral("TodayDateMoney"));
            s.expenseCount = int(q.integer(QStringLiteral("TodayDateCount")));
            return SaveResult::done();
        },
        words::dbOpenFailed());
    if (r.saved)
        *out = s;
    return r;
}

QString dayCountText(int count, double amount)
{
    return QStringLiteral("共 ") + QString::number(count) + QStringLiteral(" 笔～") + FormatRounded(amount) + QStringLiteral(" 元");
}

QString ledgerSql(const QString& bookFilter, const QDate& day)
{
    return QStringLiteral("Select * From Account,MoneyTable Where (AccountIndex = MoneyAccount) And (MoneyCreateTime = ")
           + jetDate(day) + QStringLiteral(")") + bookFilter + QStringLiteral(" Order By MoneyIndex");
}

QString reportOrder(int sortIndex)
{
    static const char* const orders[] = {
        " Order By MoneyCreateTime,MoneyIndex",        " Order By AccountName,MoneyCreateTime,MoneyIndex",
        " Order By MoneySum Desc,MoneyCreateTime,MoneyIndex", " Order By MoneyIndex",
        " Order By MoneyUser,MoneyCreateTime,MoneyIndex",  " Order By MoneyMan,MoneyCreateTime,MoneyIndex",
    };
    return QString::fromLatin1(orders[sortIndex >= 0 && sortIndex < 6 ? sortIndex : 0]);
}

QString reportSql(const QString& bookFilter, const QString& moneyCondition, int sortIndex)
{
    return QStringLiteral("Select * From Account,MoneyTable Where (AccountIndex = MoneyAccount)") + bookFilter + moneyCondition
           + reportOrder(sortIndex);
}

const QList<MoneyColumn>& moneyColumns()
{
    static const QList<MoneyColumn> columns = {
        {"MoneyIndex", "记录号"},     {"MoneySerial", "单据编号"}, {"MoneyCreateTime", "录入时间"},
        {"AccountName", "帐户名称"},  {"MoneyUser", "客户名称"},   {"MoneyIn", "收入"},
        {"MoneyOut", "支出"},         {"MoneySum", "合计"},        {"MoneyMan", "业务员"},
        {"MoneyReason", "收支种类"}, {"MoneyType", "类别"},       {"MoneyToken", "凭证"},
        {"MoneyRemark", "备注"},
    };
    return columns;
}

bool drawnRed(double moneySum) { return jetRound(moneySum, 4) < 0; }

}  // namespace velbrisk
