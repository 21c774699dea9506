#include "core/data/PublicFunction.h"

#include "core/data/JetFunctions.h"
#include "core/data/Platform.h"
#include "core/data/Query.h"
#include "core/data/Words.h"

#include <QRegularExpression>
#include <cmath>

namespace velbrisk {

static void report(Query& q, const QString& message)
{
    if (Reporter* r = q.connection().reporter())
        r->inform(message);
}

bool OpenQuery(Query& query, const QString& sql, const QString& message)
{
    try {
        query.close();
        query.setSql(sql);
        query.open();
        return true;
    } catch (const Failure& e) {
        // The person reads the caller's message; what went wrong stays in the log.
        qCDebug(lcEngine) << "OpenQuery failed:" << sql << e.message();
        query.close();
        report(query, message);
        return false;
    }
}

int ExecSql(Query& query, const QString& sql)
{
    try {
        query.close();
        query.setSql(sql);
        return query.execSql();
    } catch (const Failure& e) {
        qCDebug(lcEngine) << "ExecSql failed:" << sql << e.message();
        report(query, words::sqlFailed());
        return 0;
    }
}

bool IsAmountText(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && c != QLatin1Char('.'))
            return false;
    return true;
}

bool IsValidAmountText(const QString& text)
{
    if (!IsAmountText(text))
        return false;
    bool ok = false;
    text.toDouble(&ok);
    return ok && text.count(QLatin1Char('.')) <= 1;
}

bool amountTooLarge(const QString& text)
{
    const int point = int(text.indexOf(QLatin1Char('.')));
    int digits = 0;
    bool leading = true;
    for (const QChar c : point < 0 ? QStringView(text) : QStringView(text).left(point)) {
        if (!c.isDigit())
            continue;
        if (leading && c == QLatin1Char('0'))
            continue;
        leading = false;
        ++digits;
    }
    return digits > kAmountDigits;
}

double TextToAmount(const QString& text)
{
    if (!IsAmountText(text))
        return 0;
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || text.count(QLatin1Char('.')) > 1)
        throw AmountError(QStringLiteral("“%1”不是有效的金额").arg(text));
    return v;
}

QString FormatRounded(double x)
{
    const double r = jetRound(x, 4);
    QString s = QString::number(r, 'f', 4);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

QString BuildConnectionString(const QString& path, const QString& password)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path
           + QStringLiteral(";Persist Security Info=False;Jet OLEDB:Database Password=") + password;
}

bool ParseConnectionString(const QString& text, QString* path, QString* password)
{
    static const QRegularExpression source(QStringLiteral("Data Source=([^;]*)"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression key(QStringLiteral("Database Password=([^;]*)"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto s = source.match(text);
    if (!s.hasMatch())
        return false;
    *path = s.captured(1);
    const auto k = key.match(text);
    *password = k.hasMatch() ? k.captured(1) : QString();
    return true;
}

QString FormatZeroPadded(qint64 n, int width)
{
    const QString digits = QString::number(n < 0 ? -n : n).rightJustified(width, QLatin1Char('0'));
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

QString DigitToCapital(const QString& c)
{
    static const char* const caps[] = {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"};
    if (c.size() == 1 && c[0] >= QLatin1Char('0') && c[0] <= QLatin1Char('9'))
        return QString::fromUtf8(caps[c[0].unicode() - '0']);
    return QStringLiteral("拾");
}

QString AmountToCapitals(const QString& digits)
{
    // From fen upward. Past 佰万 the units go on (仟万, 亿, ...) so that no
    // digit of a large amount is lost.
    static const char* const units[] = {"分", "角", "元", "拾", "佰", "仟", "万", "拾", "佰",
                                        "仟", "亿", "拾", "佰", "仟", "万", "拾", "佰", "仟"};
    const QString space(QChar(0x3000));
    QString result;
    QString rest = digits;
    for (const char* unit : units) {
        if (rest.isEmpty())
            break;
        result = DigitToCapital(rest.right(1)) + QString::fromUtf8(unit) + space + result;
        rest.chop(1);
    }
    return result;
}

QString AmountInWords(double amount)
{
    const double rounded = jetRound(amount, 2);
    QString text = FormatRounded(std::fabs(rounded));
    for (int i = 0; i < 2; ++i)
        if (text.size() < 3 || text[text.size() - 3] != QLatin1Char('.'))
            text += QLatin1Char('0');
    text.remove(QLatin1Char('.'));
    const QString words = AmountToCapitals(text);
    return rounded < 0 ? QStringLiteral("负") + words : words;
}

bool LoadCombo(ComboList& list, Query& query, const QString& sql, bool addAll, const QString& field)
{
    list.clearItems();
    if (addAll)
        list.addItem(QStringLiteral("所有"));
    if (!OpenQuery(query, sql, QStringLiteral("LoadCombo失败")))
        return false;
    try {
        for (query.first(); !query.eof(); query.next())
            list.addItem(query.str(field));
    } catch (const Failure&) {
        report(query, QStringLiteral("LoadCombo失败"));
        return false;
    }
    if (list.itemCount() > 0)
        list.setCurrentItem(0);
    return true;
}

void SelectComboItem(ComboList& list, const QString& text)
{
    for (int i = 0; i < list.itemCount(); ++i)
        if (list.itemText(i) == text)
            list.setCurrentItem(i);
}

}  // namespace velbrisk
