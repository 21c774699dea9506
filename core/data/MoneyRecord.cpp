#include "core/data/MoneyRecord.h"

#include "core/data/Query.h"

namespace velbrisk {

void setEnteredMoneyFields(Query& q, const MoneyRecord& r)
{
    q.setValue(QStringLiteral("MoneyAccount"), r.account);
    q.setValue(QStringLiteral("MoneyUser"), r.user);
    q.setValue(QStringLiteral("MoneyCreateTime"), r.createTime);
    q.setValue(QStringLiteral("MoneySum"), r.sum);
    q.setValue(QStringLiteral("MoneyRemark"), r.remark);
    const std::pair<const char*, const std::optional<QString>*> words[] = {
        {"MoneySerial", &r.serial}, {"MoneyReason", &r.reason}, {"MoneyMan", &r.man},
        {"MoneyType", &r.type},     {"MoneyToken", &r.token}};
    for (const auto& [field, value] : words)
        if (*value)
            q.setValue(QLatin1String(field), **value);
    if (r.in)
        q.setValue(QStringLiteral("MoneyIn"), *r.in);
    if (r.out)
        q.setValue(QStringLiteral("MoneyOut"), *r.out);
}

int insertMoneyRecord(Query& q, const MoneyRecord& r)
{
    QueryLease lease(q);
    lease.open(QStringLiteral("Select * From MoneyTable"));
    q.insert();
    q.setValue(QStringLiteral("MoneyKind"), r.kind);
    q.setValue(QStringLiteral("MoneyGetPay"), r.getPay);
    q.setValue(QStringLiteral("MoneyRecordTime"), r.recordTime);
    q.setValue(QStringLiteral("MoneyPower"), QString());
    setEnteredMoneyFields(q, r);
    q.post();
    return int(q.integer(QStringLiteral("MoneyIndex")));
}

}  // namespace velbrisk
