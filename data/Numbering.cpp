#include "data/Numbering.h"

#include "data/JetSql.h"
#include "data/Options.h"
#include "data/PublicFunction.h"
#include "data/Query.h"

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

// Highest sequence among the numbers `prefix` + digits of `column`, where the
// digits count between `minDigits` and `maxDigits`. Numbers of one length
// sort like their values, so the longest length present gives the answer;
// the range condition lets the engine read a single entry of the index.
qint64 highestSequence(Query& q, const QString& table, const QString& column, const QString& prefix,
                       int minDigits, int maxDigits)
{
    // ':' sorts right after '9': the range holds every prefix + digit text.
    const QString range = QStringLiteral("(%1 >= %2) And (%1 < %3)")
                              .arg(column, quoted(prefix), quoted(prefix + QLatin1Char(':')));
    for (int digits = maxDigits; digits >= minDigits; --digits) {
        q.setSql(QStringLiteral("Select Max(%1) As Highest From %2 Where %3 And (Len(%1) = %4)")
                     .arg(column, table, range)
                     .arg(prefix.size() + digits));
        q.open();
        const QString highest = q.str(QStringLiteral("Highest"));
        q.close();
        if (highest.isEmpty())
            continue;
        const QString tail = highest.mid(prefix.size());
        if (allDigits(tail))
            return tail.toLongLong();
        // A hand-made number with other characters: look at each of that length.
        q.setSql(QStringLiteral("Select %1 From %2 Where %3 And (Len(%1) = %4)")
                     .arg(column, table, range)
                     .arg(prefix.size() + digits));
        q.open();
        qint64 best = -1;
        for (q.first(); !q.eof(); q.next()) {
            const QString t = q.str(column).mid(prefix.size());
            if (allDigits(t))
                best = std::max(best, t.toLongLong());
        }
        q.close();
        if (best >= 0)
            return best;
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
    const QString prefix = moneyKind == QStringLiteral("财务支出") ? QStringLiteral("ZC") : QStringLiteral("SR");
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
