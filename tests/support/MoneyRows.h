#pragma once
// Money records written straight into a venue's data file, as checkout,
// vouchers and transfers leave them.
#include "core/data/JetSql.h"
#include "tests/support/TestData.h"

namespace velbrisk::test {

struct MoneyRow {
    int account;
    QString day;  // "2026-03-01": the record's date at 0:00
    double sum;
    QString user = QStringLiteral("顾客");
    QString reason = QStringLiteral("销售收入");
    int getPay = 0;
};

// Income for an amount of 0 or more, expense below; a transfer half (reason
// with "平调") leaves "收入" and "支出" empty.
inline void addMoney(TestVenue& v, const MoneyRow& m)
{
    const bool transfer = m.reason.contains(QStringLiteral("平调"));
    const QString in = transfer ? QStringLiteral("Null") : QString::number(std::max(m.sum, 0.0), 'g', 17);
    const QString out = transfer ? QStringLiteral("Null") : QString::number(std::max(-m.sum, 0.0), 'g', 17);
    v.exec(QStringLiteral("Insert Into MoneyTable (MoneyKind, MoneyAccount, MoneyCreateTime, MoneyIn, MoneyOut, MoneySum, "
                          "MoneyUser, MoneyReason, MoneyGetPay, MoneySerial) Values ('%1', %2, #%3#, %4, %5, %6, %7, %8, %9, 'SR1')")
               .arg(m.sum >= 0 ? QStringLiteral("财务收入") : QStringLiteral("财务支出"))
               .arg(m.account)
               .arg(m.day, in, out)
               .arg(m.sum, 0, 'g', 17)
               .arg(quoted(m.user), quoted(m.reason))
               .arg(m.getPay));
}

}  // namespace velbrisk::test
