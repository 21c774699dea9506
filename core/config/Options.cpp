#include "core/config/Options.h"

#include "core/config/IniFile.h"

#include <QHash>

namespace velbrisk {

int defaultFinanceColumnWidth(const QString& field)
{
    static const QHash<QString, int> widths = {
        {QStringLiteral("MoneyIndex"), 50},   {QStringLiteral("MoneySerial"), 68},
        {QStringLiteral("MoneyCreateTime"), 70}, {QStringLiteral("AccountName"), 85},
        {QStringLiteral("MoneyUser"), 112},   {QStringLiteral("MoneyIn"), 60},
        {QStringLiteral("MoneyOut"), 60},     {QStringLiteral("MoneySum"), 65},
        {QStringLiteral("MoneyMan"), 50},     {QStringLiteral("MoneyReason"), 60},
        {QStringLiteral("MoneyType"), 40},    {QStringLiteral("MoneyToken"), 40},
        {QStringLiteral("MoneyRemark"), 128},
    };
    return widths.value(field, 0);
}

QString Options::read(const OptionKey& k) const
{
    QString def = QString::fromUtf8(k.defaultValue);
    def.replace(QStringLiteral("{AppDir}"), m_appDir);
    return read(k, def);
}

QString Options::read(const OptionKey& k, const QString& defaultValue) const
{
    return IniReadString(QString::fromUtf8(k.section), QString::fromUtf8(k.key), defaultValue, m_file);
}

bool Options::write(const OptionKey& k, const QString& value) const
{
    return IniWriteString(QString::fromUtf8(k.section), QString::fromUtf8(k.key), value, m_file);
}

}  // namespace velbrisk
