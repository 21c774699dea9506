#pragma once
// The finance ledger's searches and reports without windows: the money
// search's conditions, the monthly statement, the daily summary, the
// analysis chart's statements, and the scratch tables they print from.
#include "core/data/SaveResult.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace velbrisk {

class Query;

// ---- money search

struct MoneySearchInput {
    bool span = false;
    QDate from, to;
    bool amounts = false;
    QString lower, upper;  // as typed, sign allowed
    QStringList accounts;  // selected names; empty for "所有"
    QStringList reasons;   // selected kinds; empty for "所有"
    QString type, token, customer, man;  // "所有" or empty for none
    int document = 0;   // 0 "所有", 1 "财务收入单", 2 "财务支出单"
    int transfers = 0;  // 0 "所有", 1 "除平调单据", 2 "仅平调单据"
    QString remark, serial;
};

struct MoneySearch {
    QString MoneyCondition;
    QString AccountCondition;
    QString OpeningDate;  // "yyyy-MM-dd", empty without a date range
};

// The search's conditions; a refused bound ("金额格式有误，请重新输入",
// focus "Lower" or "Upper") leaves `out` as it was.
SaveResult buildMoneySearch(const MoneySearchInput& in, MoneySearch* out);
// "当月记录" of an account: its records of the month of `day`.
MoneySearch monthOfAccount(const QString& accountName, const QDate& day);

// ---- monthly statement

struct StatementLine {
    QString name;
    double opening = 0, income = 0, expense = 0, net = 0, closing = 0;
};
// One line per account of the book (and the names condition), in index
// order, then the total line "总合计". Empty when no account matches.
QList<StatementLine> computeStatement(Query& q, const QString& namesCondition, const QString& bookFilter,
                                      const QDate& from, const QDate& to);
// " And AccountName In ('a','b')", empty for no names.
QString accountNamesCondition(const QStringList& names);
// Writes the lines into PrintTable (rows added as needed, the rest disabled)
// and opens `q` on the enabled rows.
void writeStatement(Query& q, const QList<StatementLine>& lines);

// ---- daily summary

struct SummaryLine {
    QString name;  // "前累计余额", the day, or "合计"
    QString getNum, getSum, payNum, paySum, balance;
};
// The summary of the records of the search in the book: the opening (the
// book's accounts named by the search, up to its first date), then a line
// per day with the running balance, then the totals. Only the opening line
// when no record matches (`days` false).
QList<SummaryLine> computeSummary(Query& q, const MoneySearch& search, const QString& bookFilter, bool* days);
// Writes the lines into PrintDay and opens `q` on the enabled rows.
void writeSummary(Query& q, const QList<SummaryLine>& lines);

// The day ledger print's four texts into PrintTable row 1.
void writeLedgerHeadings(Query& q, const QStringList& texts);

// ---- analysis chart

struct CakeAnalysis {
    const char* caption;  // "按帐户分析"
    const char* icon;     // "Res/YellowTower.ico"
    const char* field;    // "AccountName"
    const char* failure;  // "帐户获取失败"
};
const QList<CakeAnalysis>& cakeAnalyses();
// " And (MoneyKind = '财务收入')"... of the kind list's index.
QString cakeKindCondition(int kindIndex);
QString cakeChartSql(const CakeAnalysis& a, const QString& bookFilter, const QString& condition, const QString& kind);
QString cakeTableSql(const CakeAnalysis& a, const QString& bookFilter, const QString& condition, const QString& kind);

}  // namespace velbrisk
