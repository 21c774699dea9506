#include "core/config/Options.h"

#include "core/config/IniFile.h"

#include <QHash>

namespace velbrisk {

bool Options::ringEveryHour() const { return read(opt::RingMode) == QStringLiteral("多次响铃"); }
bool Options::ticketAtCheckout() const { return read(opt::TicketPrint) == QStringLiteral("结帐时打印小票"); }
bool Options::printPortrait() const { return read(opt::PrintType) == QStringLiteral("纵向打印"); }
bool Options::automaticLogin() const { return read(opt::LoginMode) == QStringLiteral("自动登录"); }
bool Options::manualLogin() const { return read(opt::LoginMode) == QStringLiteral("手动登录"); }
bool Options::batchVouchers() const { return read(opt::BatchVoucher) == QStringLiteral("开启"); }
bool Options::printNewVouchers() const { return read(opt::BillPrint) == QStringLiteral("开单时自动打印"); }
Options::Overtime Options::overtimeCharge() const
{
    const QString charge = read(opt::OvertimeCharge);
    if (charge == QStringLiteral("按实际时长计费"))
        return Overtime::Charged;
    return charge == QStringLiteral("询问") ? Overtime::Ask : Overtime::NotCharged;
}

int Options::overtimeGraceMinutes() const
{
    bool ok = false;
    const int minutes = read(opt::OvertimeGrace).trimmed().toInt(&ok);
    return ok && minutes >= 0 && minutes <= 1440 ? minutes : 0;
}

bool Options::warnOverlaps() const { return read(opt::BookOverlap) == QStringLiteral("提醒重叠"); }

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
