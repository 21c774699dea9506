#pragma once
// Running totals of the money records, so that a balance reads a handful of
// rows however many years of records the file holds. The engine keeps them
// itself: triggers on MoneyTable add and take away every record's amount in
// the same transaction as the record's own write, whoever writes it.
//
// Two tables: the sum per account and stored time of day (records of one day
// share 0:00, so in practice per account and day), and the sum per account
// and month. A balance up to a day is the months before that day's month
// plus the days of its month up to the day.
#include <QDate>
#include <QList>

namespace velbrisk {

class Connection;

// Makes the totals usable, in one transaction: builds them (tables,
// triggers and sums) for a file that lacks any part of them, and once a day
// compares them with the records' own sums and rebuilds them when they have
// drifted. A file busy with another workstation throws DbError; until a later
// try succeeds, balances are summed from the records themselves.
void ensureMoneyTotals(Connection& c);
// Whether the totals differ from the records' sums (by more than a tenth of
// a fen for an account and day, or an account and month).
bool moneyTotalsDrifted(Connection& c);
// Fills the totals afresh from the records (inside the caller's transaction).
void rebuildMoneyTotals(Connection& c);

// Sum of MoneySum of the accounts' records, rounded to fen as Jet's
// Round(Sum(MoneySum),2) does:
//   through:  MoneyCreateTime <= #day#
//   before:   MoneyCreateTime <  #day#
//   between:  MoneyCreateTime Between #from# And #to#
double moneySumThrough(Connection& c, const QList<int>& accounts, const QDate& day);
double moneySumBefore(Connection& c, const QList<int>& accounts, const QDate& day);
double moneySumBetween(Connection& c, const QList<int>& accounts, const QDate& from, const QDate& to);

}  // namespace velbrisk
