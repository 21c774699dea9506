#include "core/data/ConditionBuilder.h"

#include "core/data/JetSql.h"

namespace velbrisk {

ConditionBuilder& ConditionBuilder::contains(const QString& column, const QString& text)
{
    if (!text.isEmpty())
        m_text += QStringLiteral(" And (InStr(%1,%2))").arg(column, quoted(text));
    return *this;
}

ConditionBuilder& ConditionBuilder::lacks(const QString& column, const QString& text)
{
    if (!text.isEmpty())
        m_text += QStringLiteral(" And (Not InStr(%1,%2))").arg(column, quoted(text));
    return *this;
}

ConditionBuilder& ConditionBuilder::equals(const QString& column, const QString& text)
{
    m_text += QStringLiteral(" And (%1 = %2)").arg(column, quoted(text));
    return *this;
}

ConditionBuilder& ConditionBuilder::dateSpan(const QString& column, const QDate& from, const QDate& to)
{
    m_text += QStringLiteral(" And (%1 Between %2 And %3)").arg(column, jetDate(from), jetDate(to));
    return *this;
}

ConditionBuilder& ConditionBuilder::days(const QString& column, const QDate& from, const QDate& to)
{
    m_text += QStringLiteral(" And (%1 >= %2 And %1 < %3)").arg(column, jetDate(from), jetDate(to.addDays(1)));
    return *this;
}

ConditionBuilder& ConditionBuilder::bound(const QString& expression, const char* op, const QString& amountText)
{
    const QString t = amountText.trimmed();
    if (t.isEmpty())
        return *this;
    bool ok = false;
    t.toDouble(&ok);
    // Only a number goes into the text; anything else would be SQL.
    m_text += QStringLiteral(" And (%1 %2 %3)").arg(expression, QLatin1String(op), ok ? t : quoted(t));
    return *this;
}

ConditionBuilder& ConditionBuilder::above(const QString& expression, const QString& amountText)
{
    return bound(expression, ">", amountText);
}

ConditionBuilder& ConditionBuilder::below(const QString& expression, const QString& amountText)
{
    return bound(expression, "<", amountText);
}

ConditionBuilder& ConditionBuilder::in(const QString& column, const QStringList& values)
{
    if (values.isEmpty())
        return *this;
    QStringList q;
    for (const QString& v : values)
        q << quoted(v);
    m_text += QStringLiteral(" And %1 In (%2)").arg(column, q.join(QLatin1Char(',')));
    return *this;
}

ConditionBuilder& ConditionBuilder::fixed(const QString& fragment)
{
    m_text += fragment;
    return *this;
}

}  // namespace velbrisk
