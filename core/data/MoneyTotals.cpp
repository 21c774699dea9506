#include "core/data/MoneyTotals.h"

#include "core/data/Clock.h"
#include "core/data/Database.h"
#include "core/data/DateText.h"
#include "core/data/JetFunctions.h"

#include <QElapsedTimer>
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

// The records' own sum, for a file whose totals are not there yet.
double recordsSum(Connection& c, const QString& ids, const QString& condition, const QDate& a, const QDate& b = QDate())
{
    Statement st = c.prepareEngine(
        QStringLiteral("SELECT total(MoneySum) FROM MoneyTable WHERE MoneyAccount IN (%1) AND %2").arg(ids, condition));
    st.bind(1, toStoredDate(a));
    if (b.isValid())
        st.bind(2, toStoredDate(b));
    return rounded(st);
}

// True when the totals can be read. A file that had none (or was busy when
// this connection opened) is tried again now and then, quietly: a short
// wait, no message.
bool totalsUsable(Connection& c)
{
    Connection::TotalsState& state = c.moneyTotals();
    if (state.ready)
        return true;
    if (state.lastTry.isValid() && state.lastTry.elapsed() < 30000)
        return false;
    const int timeout = c.busyTimeout();
    c.setBusyTimeout(200);
    try {
        ensureMoneyTotals(c);
    } catch (const DbError&) {
    }
    c.setBusyTimeout(timeout);
    c.endWait();
    return state.ready;
}

// Months before `day`'s month, then its days from the first up to `day`
// (the day itself when `inclusive`).
double sumUpTo(Connection& c, const QList<int>& accounts, const QDate& day, bool inclusive)
{
    if (accounts.isEmpty() || !day.isValid())
        return 0;
    const QString ids = accountList(accounts);
    const QString until = inclusive ? QStringLiteral("<=") : QStringLiteral("<");
    if (!totalsUsable(c))
        return recordsSum(c, ids, QStringLiteral("MoneyCreateTime %1 ?1").arg(until), day);
    Statement st = c.prepareEngine(
        QStringLiteral("SELECT (SELECT total(TotalSum) FROM MoneyMonthTotal WHERE TotalAccount IN (%1) AND TotalMonth < ?1)"
                       " + (SELECT total(TotalSum) FROM MoneyDayTotal WHERE TotalAccount IN (%1)"
                       " AND TotalTime >= ?2 AND TotalTime %2 ?3)")
            .arg(ids, until));
    st.bind(1, monthOf(day));
    st.bind(2, toStoredDate(QDate(day.year(), day.month(), 1)));
    st.bind(3, toStoredDate(day));
    return rounded(st);
}

bool tableExists(Connection& c, const char* type, const char* name)
{
    Statement st = c.prepareEngine(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = ?1 AND name = ?2"));
    st.bind(1, QString::fromLatin1(type));
    st.bind(2, QString::fromLatin1(name));
    st.step();
    return st.column(0).toInt() > 0;
}

// Every part there: both tables, the three triggers and the day of the last
// comparison.
bool totalsComplete(Connection& c)
{
    for (const char* t : {"MoneyDayTotal", "MoneyMonthTotal", "MoneyTotalCheck"})
        if (!tableExists(c, "table", t))
            return false;
    for (const char* t : {"trMoneyInsert", "trMoneyDelete", "trMoneyUpdate"})
        if (!tableExists(c, "trigger", t))
            return false;
    return true;
}

QString lastCheck(Connection& c)
{
    Statement st = c.prepareEngine(QStringLiteral("SELECT max(CheckedDay) FROM MoneyTotalCheck"));
    st.step();
    return st.column(0).toString();
}

bool anyRow(Connection& c, const QString& sql)
{
    Statement st = c.prepareEngine(sql);
    return st.step();
}

}  // namespace

void rebuildMoneyTotals(Connection& c)
{
    c.execEngine(QStringLiteral("CREATE TABLE IF NOT EXISTS MoneyDayTotal (TotalAccount INTEGER NOT NULL, "
                                "TotalTime TEXT NOT NULL, TotalSum DOUBLE NOT NULL, PRIMARY KEY (TotalAccount, TotalTime))"));
    c.execEngine(QStringLiteral("CREATE TABLE IF NOT EXISTS MoneyMonthTotal (TotalAccount INTEGER NOT NULL, "
                                "TotalMonth TEXT NOT NULL, TotalSum DOUBLE NOT NULL, PRIMARY KEY (TotalAccount, TotalMonth))"));
    c.execEngine(QStringLiteral("CREATE TABLE IF NOT EXISTS MoneyTotalCheck (CheckedDay TEXT NOT NULL)"));
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
}

bool moneyTotalsDrifted(Connection& c)
{
    // A sum equal to the records' (infinities too) or within a tenth of a fen.
    const QString differs = QStringLiteral("(%1 IS NULL OR NOT (%1 = %2 OR coalesce(abs(%1 - %2) <= 0.001, 0)))");
    const QString days = QStringLiteral(
        "SELECT 1 FROM (SELECT MoneyAccount AS a, MoneyCreateTime AS t, total(MoneySum) AS s FROM MoneyTable "
        "WHERE MoneyAccount IS NOT NULL AND MoneyCreateTime IS NOT NULL GROUP BY MoneyAccount, MoneyCreateTime) r "
        "LEFT JOIN MoneyDayTotal d ON d.TotalAccount = r.a AND d.TotalTime = r.t WHERE %1 LIMIT 1")
                             .arg(differs.arg(QStringLiteral("d.TotalSum"), QStringLiteral("r.s")));
    const QString strayDays = QStringLiteral(
        "SELECT 1 FROM MoneyDayTotal d WHERE NOT coalesce(abs(d.TotalSum) <= 0.001, 0) AND NOT EXISTS "
        "(SELECT 1 FROM MoneyTable m WHERE m.MoneyAccount = d.TotalAccount AND m.MoneyCreateTime = d.TotalTime) LIMIT 1");
    const QString months = QStringLiteral(
        "SELECT 1 FROM (SELECT TotalAccount AS a, substr(TotalTime, 1, 7) AS mth, total(TotalSum) AS s FROM MoneyDayTotal "
        "GROUP BY 1, 2) r LEFT JOIN MoneyMonthTotal m ON m.TotalAccount = r.a AND m.TotalMonth = r.mth WHERE %1 LIMIT 1")
                               .arg(differs.arg(QStringLiteral("m.TotalSum"), QStringLiteral("r.s")));
    const QString strayMonths = QStringLiteral(
        "SELECT 1 FROM MoneyMonthTotal m WHERE NOT coalesce(abs(m.TotalSum) <= 0.001, 0) AND NOT EXISTS "
        "(SELECT 1 FROM MoneyDayTotal d WHERE d.TotalAccount = m.TotalAccount AND d.TotalTime >= m.TotalMonth || '-01' "
        "AND d.TotalTime < m.TotalMonth || '-99') LIMIT 1");
    for (const QString& sql : {days, strayDays, months, strayMonths})
        if (anyRow(c, sql))
            return true;
    return false;
}

void ensureMoneyTotals(Connection& c)
{
    const QString today = Clock::today().toString(Qt::ISODate);
    Connection::TotalsState& state = c.moneyTotals();
    state.lastTry.start();
    if (totalsComplete(c) && lastCheck(c) >= today) {
        state.ready = true;
        return;
    }
    Transaction tx(c);  // holds the other workstations off until done
    if (!totalsComplete(c)) {
        rebuildMoneyTotals(c);
    } else if (lastCheck(c) < today && moneyTotalsDrifted(c)) {
        qCDebug(lcEngine) << "running totals of the money records drifted; rebuilt";
        rebuildMoneyTotals(c);
    }
    c.execEngine(QStringLiteral("DELETE FROM MoneyTotalCheck"));
    c.execEngine(QStringLiteral("INSERT INTO MoneyTotalCheck (CheckedDay) VALUES ('%1')").arg(today));
    tx.commit();
    state.ready = true;
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
    if (!totalsUsable(c))
        return recordsSum(c, accountList(accounts), QStringLiteral("MoneyCreateTime >= ?1 AND MoneyCreateTime <= ?2"), from, to);
    Statement st = c.prepareEngine(QStringLiteral("SELECT total(TotalSum) FROM MoneyDayTotal WHERE TotalAccount IN (%1)"
                                                  " AND TotalTime >= ?1 AND TotalTime <= ?2")
                                       .arg(accountList(accounts)));
    st.bind(1, toStoredDate(from));
    st.bind(2, toStoredDate(to));
    return rounded(st);
}

}  // namespace velbrisk
