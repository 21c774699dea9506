#include "core/finance/Reports.h"

#include "core/data/ConditionBuilder.h"
#include "core/data/DateText.h"
#include "core/data/JetFunctions.h"
#include "core/data/JetSql.h"
#include "core/data/MoneyTotals.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "core/data/Schema.h"
#include "core/data/Words.h"
#include "core/finance/Ledger.h"

namespace velbrisk {

namespace {

// A typed bound: one leading minus sign, then an amount text that is a number.
bool boundAccepted(const QString& text)
{
    const QString rest = text.startsWith(QLatin1Char('-')) ? text.mid(1) : text;
    return IsAmountText(rest) && IsValidAmountText(rest);
}

bool chosen(const QString& text) { return !text.isEmpty() && text != QStringLiteral("所有"); }

}  // namespace

SaveResult buildMoneySearch(const MoneySearchInput& in, MoneySearch* out)
{
    if (!in.lower.isEmpty() && !boundAccepted(in.lower))
        return SaveResult::refused(QStringLiteral("金额格式有误，请重新输入"), QStringLiteral("Lower"));
    if (!in.upper.isEmpty() && !boundAccepted(in.upper))
        return SaveResult::refused(QStringLiteral("金额格式有误，请重新输入"), QStringLiteral("Upper"));
    if (amountTooLarge(in.lower))
        return SaveResult::refused(words::amountTooLarge(), QStringLiteral("Lower"));
    if (amountTooLarge(in.upper))
        return SaveResult::refused(words::amountTooLarge(), QStringLiteral("Upper"));
    MoneySearch s;
    ConditionBuilder b;
    if (in.span) {
        b.dateSpan(QStringLiteral("MoneyCreateTime"), in.from, in.to);
        s.OpeningDate = in.from.toString(Qt::ISODate);
    }
    if (in.amounts) {
        b.above(QStringLiteral("ABS(MoneySum)"), in.lower);
        b.below(QStringLiteral("ABS(MoneySum)"), in.upper);
    }
    s.AccountCondition = accountNamesCondition(in.accounts);
    b.fixed(s.AccountCondition);
    b.in(QStringLiteral("MoneyReason"), in.reasons);
    if (chosen(in.type))
        b.equals(QStringLiteral("MoneyType"), in.type);
    if (chosen(in.token))
        b.equals(QStringLiteral("MoneyToken"), in.token);
    if (chosen(in.customer))
        b.contains(QStringLiteral("MoneyUser"), in.customer);
    if (chosen(in.man))
        b.equals(QStringLiteral("MoneyMan"), in.man);
    if (in.document == 1)
        b.fixed(QStringLiteral(" And (MoneySum > 0)"));
    else if (in.document == 2)
        b.fixed(QStringLiteral(" And (MoneySum < 0)"));
    if (in.transfers == 1)
        b.lacks(QStringLiteral("MoneyReason"), QStringLiteral("平调"));
    else if (in.transfers == 2)
        b.contains(QStringLiteral("MoneyReason"), QStringLiteral("平调"));
    b.contains(QStringLiteral("MoneyRemark"), in.remark);
    b.contains(QStringLiteral("MoneySerial"), in.serial);
    s.MoneyCondition = b.text();
    *out = s;
    return SaveResult::done();
}

MoneySearch monthOfAccount(const QString& accountName, const QDate& day)
{
    const QDate first(day.year(), day.month(), 1);
    MoneySearch s;
    s.AccountCondition = ConditionBuilder().equals(QStringLiteral("AccountName"), accountName).text();
    s.MoneyCondition = ConditionBuilder().dateSpan(QStringLiteral("MoneyCreateTime"), first, first.addMonths(1).addDays(-1)).text()
                       + s.AccountCondition;
    s.OpeningDate = first.toString(Qt::ISODate);
    return s;
}

QString accountNamesCondition(const QStringList& names)
{
    return ConditionBuilder().in(QStringLiteral("AccountName"), names).text();
}

// ---------------------------------------------------------------- statement

QList<StatementLine> computeStatement(Query& q, const QString& namesCondition, const QString& bookFilter,
                                      const QDate& from, const QDate& to)
{
    struct Account {
        int index;
        QString name;
        double base;
    };
    QList<Account> accounts;
    // In the order the accounts were made, whatever index the engine reads through.
    q.setSql(QStringLiteral("Select * From Account Where (AccountIndex > 1)") + namesCondition + bookFilter
             + QStringLiteral(" Order By AccountIndex"));
    q.open();
    for (q.first(); !q.eof(); q.next())
        accounts.append({int(q.integer(QStringLiteral("AccountIndex"))), q.str(QStringLiteral("AccountName")),
                         q.num(QStringLiteral("AccountBase"))});
    q.close();
    QList<StatementLine> lines;
    if (accounts.isEmpty())
        return lines;
    StatementLine total{QStringLiteral("总合计")};
    const QString range = QStringLiteral(" And (MoneyCreateTime Between %1 And %2)").arg(jetDate(from), jetDate(to));
    for (const Account& a : accounts) {
        StatementLine l{a.name};
        // Before the range: the running totals, however long the history.
        l.opening = a.base + moneySumBefore(q.connection(), {a.index}, from);
        const QString account = QStringLiteral("From MoneyTable Where (MoneyAccount = %1)").arg(a.index);
        q.setSql(QStringLiteral("Select Round(Sum(MoneySum),2) As TotalMoney ") + account + QStringLiteral(" And (MoneySum > 0)") + range);
        q.open();
        l.income = q.num(QStringLiteral("TotalMoney"));
        q.close();
        q.setSql(QStringLiteral("Select Round(ABS(Sum(MoneySum)),2) As TotalMoney ") + account + QStringLiteral(" And (MoneySum < 0)") + range);
        q.open();
        l.expense = q.num(QStringLiteral("TotalMoney"));
        q.close();
        l.net = l.income - l.expense;
        l.closing = l.opening + l.net;
        total.opening += l.opening;
        total.income += l.income;
        total.expense += l.expense;
        total.net += l.net;
        total.closing += l.closing;
        lines << l;
    }
    lines << total;
    return lines;
}

namespace {

// Row `n` (from 1) of a scratch table: edited when there, else appended
// (rows are only ever appended, so the keys run 1, 2, 3...).
void openScratchRow(Query& q, const QString& table, const QString& key, int n)
{
    q.setSql(QStringLiteral("Select * From %1 Where %2 = %3").arg(table, key).arg(n));
    q.open();
    if (!q.eof()) {
        q.edit();
        return;
    }
    q.close();
    q.setSql(QStringLiteral("Select * From ") + table);
    q.open();
    q.insert();
}

}  // namespace

void writeStatement(Query& q, const QList<StatementLine>& lines)
{
    Connection& c = q.connection();
    useOwnScratchTables(c);
    Transaction tx(c);
    q.setSql(QStringLiteral("Update PrintTable Set PrintEnable = False"));
    q.execSql();
    for (int i = 0; i < lines.size(); ++i) {
        const StatementLine& l = lines[i];
        openScratchRow(q, QStringLiteral("PrintTable"), QStringLiteral("PrintIndex"), i + 1);
        q.setValue(QStringLiteral("PrintEnable"), true);
        const QString values[] = {l.name, FormatRounded(l.opening), FormatRounded(l.income), FormatRounded(l.expense),
                                  FormatRounded(l.net), FormatRounded(l.closing)};
        for (int v = 0; v < 10; ++v)
            q.setValue(QStringLiteral("PrintValue%1").arg(v + 1), v < 6 ? values[v] : QString());
        q.post();
        q.close();
    }
    tx.commit();
    q.setSql(QStringLiteral("Select * From PrintTable Where PrintEnable = True Order By PrintIndex"));
    q.open();
}

// ---------------------------------------------------------------- summary

QList<SummaryLine> computeSummary(Query& q, const MoneySearch& search, const QString& bookFilter, bool* days)
{
    *days = false;
    // The opening of the accounts the days cover: the book's, named by the search.
    q.setSql(QStringLiteral("Select Round(Sum(AccountBase),2) As TotalSum From Account Where (AccountIndex > 1)")
             + search.AccountCondition + bookFilter);
    q.open();
    double opening = q.num(QStringLiteral("TotalSum"));
    q.close();
    const QDate openingDate = QDate::fromString(search.OpeningDate, Qt::ISODate);
    if (openingDate.isValid()) {
        opening += moneySumBefore(q.connection(), bookAccounts(q, search.AccountCondition + bookFilter), openingDate);
    }
    QList<SummaryLine> lines;
    double balance = opening;
    lines << SummaryLine{QStringLiteral("前累计余额"), {}, {}, {}, {}, FormatRounded(jetRound(opening, 2))};
    q.setSql(QStringLiteral("Select MoneyCreateTime,Sum(IIF(MoneySum>0,1,0)) As DayGetNum,Sum(IIF(MoneySum>0,MoneySum,0)) As DayGetSum,"
                            "Sum(IIF(MoneySum<0,1,0)) As DayPayNum,Sum(IIF(MoneySum<0,-MoneySum,0)) As DayPaySum "
                            "From Account,MoneyTable Where (AccountIndex = MoneyAccount)")
             + bookFilter + search.MoneyCondition + QStringLiteral(" Group By MoneyCreateTime Order By MoneyCreateTime"));
    q.open();
    qint64 getNum = 0, payNum = 0;
    double getSum = 0, paySum = 0;
    for (q.first(); !q.eof(); q.next()) {
        *days = true;
        const qint64 dg = q.integer(QStringLiteral("DayGetNum")), dp = q.integer(QStringLiteral("DayPayNum"));
        const double sg = q.num(QStringLiteral("DayGetSum")), sp = q.num(QStringLiteral("DayPaySum"));
        getNum += dg;
        payNum += dp;
        getSum += sg;
        paySum += sp;
        balance += sg - sp;
        lines << SummaryLine{dateDisplayText(q.dateTime(QStringLiteral("MoneyCreateTime"))), QString::number(dg), FormatRounded(sg),
                             QString::number(dp), FormatRounded(sp), FormatRounded(jetRound(balance, 2))};
    }
    q.close();
    if (*days)
        lines << SummaryLine{QStringLiteral("合计"), QString::number(getNum), FormatRounded(jetRound(getSum, 2)),
                             QString::number(payNum), FormatRounded(jetRound(paySum, 2)), QString()};
    return lines;
}

void writeSummary(Query& q, const QList<SummaryLine>& lines)
{
    Connection& c = q.connection();
    useOwnScratchTables(c);
    Transaction tx(c);
    q.setSql(QStringLiteral("Update PrintDay Set DayEnable = False"));
    q.execSql();
    for (int i = 0; i < lines.size(); ++i) {
        const SummaryLine& l = lines[i];
        openScratchRow(q, QStringLiteral("PrintDay"), QStringLiteral("DayIndex"), i + 1);
        q.setValue(QStringLiteral("DayEnable"), true);
        q.setValue(QStringLiteral("DayName"), l.name);
        q.setValue(QStringLiteral("DayGetNum"), l.getNum);
        q.setValue(QStringLiteral("DayGetSum"), l.getSum);
        q.setValue(QStringLiteral("DayPayNum"), l.payNum);
        q.setValue(QStringLiteral("DayPaySum"), l.paySum);
        q.setValue(QStringLiteral("DayBalance"), l.balance);
        q.post();
        q.close();
    }
    tx.commit();
    q.setSql(QStringLiteral("Select * From PrintDay Where DayEnable = True Order By DayIndex"));
    q.open();
}

void writeLedgerHeadings(Query& q, const QStringList& texts)
{
    useOwnScratchTables(q.connection());
    openScratchRow(q, QStringLiteral("PrintTable"), QStringLiteral("PrintIndex"), 1);
    for (int i = 0; i < 4; ++i)
        q.setValue(QStringLiteral("PrintValue%1").arg(i + 1), texts.value(i));
    q.post();
    q.close();
}

// ---------------------------------------------------------------- chart

const QList<CakeAnalysis>& cakeAnalyses()
{
    static const QList<CakeAnalysis> analyses = {
        {"按帐户分析", "Res/YellowTower.ico", "AccountName", "帐户获取失败"},
        {"按客户分析", "Res/Customer.ico", "MoneyUser", "客户获取失败"},
        {"按业务员分析", "Res/Man.ico", "MoneyMan", "业务员获取失败"},
        {"按收支种类分析", "Res/Reason.ico", "MoneyReason", "收支种类获取失败"},
        {"按款项类别分析", "Res/Type.ico", "MoneyType", "款项类别获取失败"},
        {"按款项凭证分析", "Res/Token.ico", "MoneyToken", "款项凭证获取失败"},
    };
    return analyses;
}

QString cakeKindCondition(int kindIndex)
{
    if (kindIndex == 1)
        return QStringLiteral(" And (MoneyKind = '财务收入')");
    if (kindIndex == 2)
        return QStringLiteral(" And (MoneyKind = '财务支出')");
    return QString();
}

QString cakeChartSql(const CakeAnalysis& a, const QString& bookFilter, const QString& condition, const QString& kind)
{
    const QString f = QString::fromLatin1(a.field);
    const bool byAccount = f == QLatin1String("AccountName");
    return QStringLiteral("Select %1,Round(Sum(MoneySum),2) As TotalSum From Account,MoneyTable Where (MoneyAccount = AccountIndex)").arg(f)
           + (byAccount ? QStringLiteral(" And (AccountIndex > 1)") : QString()) + bookFilter + condition + kind
           + QStringLiteral(" Group By %1 Order By Sum(MoneySum) Desc").arg(f);
}

QString cakeTableSql(const CakeAnalysis& a, const QString& bookFilter, const QString& condition, const QString& kind)
{
    const QString f = QString::fromLatin1(a.field);
    return QStringLiteral("Select %1 As DataFieldName,Round(Sum(MoneyIn),2) As MoneyIn,Round(Sum(MoneyOut),2) As MoneyOut,"
                          "Round(Sum(MoneySum),2) As MoneySum From Account,MoneyTable Where (MoneyAccount = AccountIndex)")
               .arg(f)
           + bookFilter + condition + kind + QStringLiteral(" Group By %1 Order By Sum(MoneySum) Desc").arg(f);
}

}  // namespace velbrisk
