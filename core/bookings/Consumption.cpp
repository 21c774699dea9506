#include "core/bookings/Consumption.h"

#include "core/data/JetSql.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "core/data/Words.h"

namespace velbrisk {

QString openConsumptionSql(const QString& roomName)
{
    return QStringLiteral("Select * From Cost Where (CostBill = 0) And (CostRoom = ") + quoted(roomName)
           + QStringLiteral(")");
}

SaveResult openConsumptionTotal(Query& q, const QString& roomName, double* total)
{
    *total = 0;
    return attempt(
        q,
        [&] {
            q.setSql(QStringLiteral("Select Sum(CostMoney) As TotalCost From Cost Where (CostBill = 0) And (CostRoom = ")
                     + quoted(roomName) + QStringLiteral(")"));
            q.open();
            *total = q.eof() ? 0 : q.num(QStringLiteral("TotalCost"));
            return SaveResult::done();
        },
        words::dbOpenFailed());
}

SaveResult saveCostEntry(Query& q, const CostEntryInput& in)
{
    if (!IsValidAmountText(in.amountText))
        return SaveResult::refused(QStringLiteral("消费金额格式有误，请重新输入"), QStringLiteral("Amount"));
    if (amountTooLarge(in.amountText))
        return SaveResult::refused(words::amountTooLarge(), QStringLiteral("Amount"));
    const double amount = TextToAmount(in.amountText);
    const SaveResult r = writeAll(q, [&] {
        if (in.isNew) {
            q.setSql(QStringLiteral("Select * From Cost"));
            q.open();
            q.insert();
            q.setValue(QStringLiteral("CostBill"), in.costBill);
        } else {
            q.setSql(QStringLiteral("Select * From Cost Where CostIndex = ") + QString::number(in.editIndex));
            q.open();
            if (q.eof())
                return SaveResult::done();  // gone meanwhile: nothing to change
            q.edit();
        }
        q.setValue(QStringLiteral("CostRoom"), in.room);
        q.setValue(QStringLiteral("CostReason"), in.reason);
        q.setValue(QStringLiteral("CostMoney"), amount);
        q.setValue(QStringLiteral("CostRemark"), in.remark);
        q.post();
        q.close();
        if (in.alsoWrite)
            in.alsoWrite();
        return SaveResult::done();
    }, QStringLiteral("数据库打开失败："));
    return r.saved ? r : SaveResult::refused(r.message, QStringLiteral("Amount"));
}

SaveResult storeCatalogueItem(Query& q, const QString& item, const QString& amountText)
{
    if (item.isEmpty())
        return SaveResult::refused(QStringLiteral("项目名称不能为空"));
    if (amountTooLarge(amountText))
        return SaveResult::refused(words::amountTooLarge());
    const double price = IsValidAmountText(amountText) ? TextToAmount(amountText) : 0;
    return writeAll(q, [&] {
        q.setSql(QStringLiteral("Select * From CostReason Where CostReasonName = ") + quoted(item));
        q.open();
        if (q.eof()) {
            q.insert();
            q.setValue(QStringLiteral("CostReasonName"), item);
        } else {
            q.edit();
        }
        q.setValue(QStringLiteral("CostReasonPrice"), price);
        q.post();
        return SaveResult::done(QStringLiteral("项目保存成功"));
    }, QStringLiteral("数据库打开失败："));
}

SaveResult cataloguePrice(Query& q, const QString& item, double* price, bool* found)
{
    *found = false;
    if (item.isEmpty())
        return SaveResult::done();
    return attempt(
        q,
        [&] {
            q.setSql(QStringLiteral("Select * From CostReason Where CostReasonName = ") + quoted(item));
            q.open();
            *found = !q.eof();
            if (*found)
                *price = q.num(QStringLiteral("CostReasonPrice"));
            return SaveResult::done();
        },
        words::dbOpenFailed());
}

}  // namespace velbrisk

namespace velbrisk {

SaveResult saveCatalogueItem(Query& q, int editIndex, const QString& name, const QString& priceText)
{
    if (name.isEmpty())
        return SaveResult::refused(QStringLiteral("项目名称不能为空"), QStringLiteral("Name"));
    if (amountTooLarge(priceText))
        return SaveResult::refused(words::amountTooLarge(), QStringLiteral("Price"));
    const double price = IsValidAmountText(priceText) ? TextToAmount(priceText) : 0;
    const QString taken = QStringLiteral("该项目名称已经存在，请重新操作");
    return writeAll(q, [&] {
        if (editIndex == 0) {
            if (nameTaken(q, QStringLiteral("CostReason"), QStringLiteral("CostReasonName"), name))
                return SaveResult::refused(taken, QStringLiteral("Name"));
            q.setSql(QStringLiteral("Select * From CostReason"));
            q.open();
            q.insert();
            q.setValue(QStringLiteral("CostReasonName"), name);
            q.setValue(QStringLiteral("CostReasonPrice"), price);
            q.post();
            return SaveResult::done(QStringLiteral("项目　") + name + QStringLiteral("　新增成功"));
        }
        const QString byIndex = QStringLiteral("Select * From CostReason Where CostReasonIndex = ") + QString::number(editIndex);
        q.setSql(byIndex);
        q.open();
        if (q.eof())
            return SaveResult::refused(QString());
        if (q.str(QStringLiteral("CostReasonName")) != name) {
            if (nameTaken(q, QStringLiteral("CostReason"), QStringLiteral("CostReasonName"), name, editIndex))
                return SaveResult::refused(taken, QStringLiteral("Name"));
            q.setSql(byIndex);
            q.open();
        }
        q.edit();
        q.setValue(QStringLiteral("CostReasonName"), name);
        q.setValue(QStringLiteral("CostReasonPrice"), price);
        q.post();
        return SaveResult::done(QStringLiteral("项目修改成功"));
    }, QStringLiteral("数据库打开失败："));
}

}  // namespace velbrisk
