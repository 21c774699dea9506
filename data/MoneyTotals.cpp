#include "data/MoneyTotals.h"

#include "data/Database.h"
#include "data/DateText.h"

#include <QStringList>

namespace velbrisk {

namespace {

// Adds (sign +) or takes away (sign -) one record's amount. Records without a
// date or an account are in no balance, as they match no date condition.
QString applyRow(const char* row, const char* sign)
{
    const QString r = QString::fromLatin1(row);
    const QString s = QString::fromLatin1(sign);
    const QString when = QStringLiteral("%1.MoneyAccount IS NOT NULL AND %1.MoneyCreateTime IS NOT NULL").arg(r);
    return QStringLiteral(
               "INSERT OR IGNORE INTO MoneyDayTotal (TotalAccount, TotalTime, TotalSum) "
               "SELECT %1.MoneyAccount, %1.MoneyCreateTime, 0 WHERE %3; "
               "UPDATE MoneyDayTotal SET TotalSum = TotalSum %2 coalesce(%1.MoneySum, 0) "
               "WHERE %3 AND TotalAccount = %1.MoneyAccount AND TotalTime = %1.MoneyCreateTime; "
               "INSERT OR IGNORE INTO MoneyMonthTotal (TotalAccount, TotalMonth, TotalSum) "
               "SELECT %1.MoneyAccount, substr(%1.MoneyCreateTime, 1, 7), 0 WHERE %3; "
               "UPDATE MoneyMonthTotal SET TotalSum = TotalSum %2 coalesce(%1.MoneySum, 0) "
               "WHERE %3 AND TotalAccount = %1.MoneyAccount AND TotalMonth = substr(%1.MoneyCreateTime, 1, 7); ")
        .arg(r, s, when);
}

QString accountList(const QList<int>& accounts)
{
    QStringList ids;
    for (int a : accounts)
        ids << QString::number(a);
    return ids.join(QLatin1Char(','));
}

QString monthOf(const QDate& d) { return d.toString(QStringLiteral("yyyy-MM")); }

double rounded(Statement& st)
{
    st.step();
    return jetRound(st.column(0).toDouble(), 2);
}

// Months before `day`'s month, then its days from the first up to `day`
// (the day itself when `inclusive`).
double sumUpTo(Connection& c, const QList<int>& accounts, const QDate& day, bool inclusive)
{
    if (accounts.isEmpty() || !day.isValid())
        return 0;
    const QString ids = accountList(accounts);
    Statement st = c.prepareEngine(
        QStringLiteral("SELECT (SELECT total(TotalSum) FROM MoneyMonthTotal WHERE TotalAccount IN (%1) AND TotalMonth < ?1)"
                       " + (SELECT total(TotalSum) FROM MoneyDayTotal WHERE TotalAccount IN (%1)"
                       " AND TotalTime >= ?2 AND TotalTime %2 ?3)")
            .arg(ids, inclusive ? QStringLiteral("<=") : QStringLiteral("<")));
    st.bind(1, monthOf(day));
    st.bind(2, toStoredDate(QDate(day.year(), day.month(), 1)));
    st.bind(3, toStoredDate(day));
    return rounded(st);
}

}  // namespace

void ensureMoneyTotals(Connection& c)
{
    {
        Statement st = c.prepareEngine(
            QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'trigger' AND name LIKE 'trMoney%'"));
        st.step();
        if (st.column(0).toInt() >= 3)
            return;
    }
    Transaction tx(c);
    c.execEngine(QStringLiteral("CREATE TABLE IF NOT EXISTS MoneyDayTotal (TotalAccount INTEGER NOT NULL, "
                                "TotalTime TEXT NOT NULL, TotalSum DOUBLE NOT NULL, PRIMARY KEY (TotalAccount, TotalTime))"));
    c.execEngine(QStringLiteral("CREATE TABLE IF NOT EXISTS MoneyMonthTotal (TotalAccount INTEGER NOT NULL, "
                                "TotalMonth TEXT NOT NULL, TotalSum DOUBLE NOT NULL, PRIMARY KEY (TotalAccount, TotalMonth))"));
    for (const char* t : {"trMoneyInsert", "trMoneyDelete", "trMoneyUpdate"})
        c.execEngine(QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(QLatin1String(t)));
    c.execEngine(QStringLiteral("DELETE FROM MoneyDayTotal"));
    c.execEngine(QStringLiteral("DELETE FROM MoneyMonthTotal"));
    c.execEngine(QStringLiteral("INSERT INTO MoneyDayTotal (TotalAccount, TotalTime, TotalSum) "
                                "SELECT MoneyAccount, MoneyCreateTime, total(MoneySum) FROM MoneyTable "
                                "WHERE MoneyAccount IS NOT NULL AND MoneyCreateTime IS NOT NULL "
                                "GROUP BY MoneyAccount, MoneyCreateTime"));
    c.execEngine(QStringLiteral("INSERT INTO MoneyMonthTotal (TotalAccount, TotalMonth, TotalSum) "
                                "SELECT TotalAccount, substr(TotalTime, 1, 7), total(TotalSum) FROM MoneyDayTotal "
                                "GROUP BY TotalAccount, substr(TotalTime, 1, 7)"));
    c.execEngine(QStringLiteral("CREATE TRIGGER trMoneyInsert AFTER INSERT ON MoneyTable BEGIN ")
                 + applyRow("NEW", "+") + QStringLiteral("END"));
    c.execEngine(QStringLiteral("CREATE TRIGGER trMoneyDelete AFTER DELETE ON MoneyTable BEGIN ")
                 + applyRow("OLD", "-") + QStringLiteral("END"));
    c.execEngine(QStringLiteral("CREATE TRIGGER trMoneyUpdate AFTER UPDATE OF MoneyAccount, MoneyCreateTime, MoneySum "
                                "ON MoneyTable BEGIN ")
                 + applyRow("OLD", "-") + applyRow("NEW", "+") + QStringLiteral("END"));
    tx.commit();
}

double moneySumThrough(Connection& c, const QList<int>& accounts, const QDate& day)
{
    return sumUpTo(c, accounts, day, true);
}

double moneySumBefore(Connection& c, const QList<int>& accounts, const QDate& day)
{
    return sumUpTo(c, accounts, day, false);
}

double moneySumBetween(Connection& c, const QList<int>& accounts, const QDate& from, const QDate& to)
{
    if (accounts.isEmpty() || !from.isValid() || !to.isValid())
        return 0;
    Statement st = c.prepareEngine(QStringLiteral("SELECT total(TotalSum) FROM MoneyDayTotal WHERE TotalAccount IN (%1)"
                                                  " AND TotalTime >= ?1 AND TotalTime <= ?2")
                                       .arg(accountList(accounts)));
    st.bind(1, toStoredDate(from));
    st.bind(2, toStoredDate(to));
    return rounded(st);
}

}  // namespace velbrisk
