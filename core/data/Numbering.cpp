#include "core/data/Numbering.h"

#include "core/config/Options.h"
#include "core/data/JetSql.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "core/data/Words.h"

#include <algorithm>

namespace velbrisk {

namespace {

bool allDigits(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (const QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Reads the numbers of `sql` in order; the first that is prefix + digits
// gives the sequence, else `fallback`.
qint64 firstSequence(Query& q, const QString& sql, const QString& column, const QString& prefix, qint64 fallback)
{
    q.setSql(sql);
    q.open();
    for (; !q.eof(); q.next()) {
        const QString tail = q.str(column).mid(prefix.size());
        if (allDigits(tail)) {
            fallback = tail.toLongLong();
            break;
        }
    }
    q.close();
    return fallback;
}

// Highest sequence among the numbers `prefix` + digits of `column`, where the
// digits count between `minDigits` and `maxDigits`. Numbers of one length
// sort like their values and a longer one is higher, but the 1000th bill of
// a day sorts before its 999th. So: the highest text of the prefix's index
// range, then a probe per longer length (an index on the numbers' lengths
// answers each at once). Only a hand-made number at the top of the range
// makes the whole range be read in order.
qint64 highestSequence(Query& q, const QString& table, const QString& column, const QString& prefix,
                       int minDigits, int maxDigits)
{
    // ':' sorts right after '9': the range holds every prefix + digit text.
    const QString range = QStringLiteral("(%1 >= %2) And (%1 < %3)").arg(column, quoted(prefix), quoted(prefix + QLatin1Char(':')));
    const int shortest = int(prefix.size()) + minDigits;
    const int longest = int(prefix.size()) + maxDigits;
    q.setSql(QStringLiteral("Select Max(%1) As Highest From %2 Where %3").arg(column, table, range));
    q.open();
    const QString highest = q.str(QStringLiteral("Highest"));
    q.close();
    if (highest.isEmpty())
        return 0;
    const QString tail = highest.mid(prefix.size());
    if (allDigits(tail) && highest.size() >= shortest && highest.size() <= longest) {
        if (highest.size() == longest)
            return tail.toLongLong();
        QStringList lengths;
        for (qsizetype n = highest.size() + 1; n <= longest; ++n)
            lengths << QString::number(n);
        return firstSequence(q,
                             QStringLiteral("Select %1 From %2 Where (Len(%1) In (%3)) And %4 Order By Len(%1) Desc, %1 Desc")
                                 .arg(column, table, lengths.join(QLatin1Char(',')), range),
                             column, prefix, tail.toLongLong());
    }
    // The top of the range is no number of this form (a longer number of
    // another form, or hand-made): each length on its own, longest first.
    for (int n = longest; n >= shortest; --n) {
        const QString ofLength = QStringLiteral("(Len(%1) = %2) And %3").arg(column).arg(n).arg(range);
        q.setSql(QStringLiteral("Select Max(%1) As Highest From %2 Where %3").arg(column, table, ofLength));
        q.open();
        const QString top = q.str(QStringLiteral("Highest"));
        q.close();
        if (top.isEmpty())
            continue;
        if (allDigits(top.mid(prefix.size())))
            return top.mid(prefix.size()).toLongLong();
        const qint64 found = firstSequence(
            q, QStringLiteral("Select %1 From %2 Where %3 Order By %1 Desc").arg(column, table, ofLength), column, prefix, -1);
        if (found >= 0)
            return found;
    }
    return 0;
}

}  // namespace

QString MakeBillSerial(Query& query, const QDate& day)
{
    const QString d = day.toString(QStringLiteral("yyMMdd"));
    return d + FormatZeroPadded(highestSequence(query, QStringLiteral("Bill"), QStringLiteral("BillSerial"), d, 3, 9) + 1, 3);
}

QString MakeMoneySerial(Query& query, const QString& moneyKind, const QDate& day, const QString& mode)
{
    const QString prefix = moneyKind == words::moneyOut() ? QStringLiteral("ZC") : QStringLiteral("SR");
    if (mode == QString::fromUtf8(kNumberByDate)) {
        const QString p = prefix + day.toString(QStringLiteral("yyMMdd"));
        return p + FormatZeroPadded(highestSequence(query, QStringLiteral("MoneyTable"), QStringLiteral("MoneySerial"), p, 2, 9) + 1, 2);
    }
    // By count: one more than the records of the kind, whatever the form of
    // their numbers; never below the highest number of this form, so a
    // deletion does not bring a number back. Numbers by count have 6 or 7
    // digits; longer ones carry a date.
    query.setSql(QStringLiteral("Select Count(*) As N From MoneyTable Where MoneyKind = ") + quoted(moneyKind));
    query.open();
    const qint64 count = query.integer(QStringLiteral("N"));
    query.close();
    const qint64 highest = highestSequence(query, QStringLiteral("MoneyTable"), QStringLiteral("MoneySerial"), prefix, 6, 7);
    return prefix + FormatZeroPadded(std::max(count, highest) + 1, 6);
}

QString MakeMoneySerial(Query& query, const Options& options, const QString& moneyKind, const QDate& day)
{
    return MakeMoneySerial(query, moneyKind, day, options.read(opt::MoneyIndex));
}

}  // namespace velbrisk
