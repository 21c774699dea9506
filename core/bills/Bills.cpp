#include "core/bills/Bills.h"

#include "core/data/ConditionBuilder.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "core/data/Words.h"

namespace velbrisk {

namespace {

QString billSql(int billIndex)
{
    return QStringLiteral("Select * From Bill Where BillIndex = ") + QString::number(billIndex);
}

}  // namespace

SaveResult loadBill(Query& q, int billIndex, BillFields* out)
{
    return attempt(
        q,
        [&] {
            q.setSql(billSql(billIndex));
            q.open();
            if (q.eof())
                return SaveResult::refused(QString());
            out->serial = q.str(QStringLiteral("BillSerial"));
            out->roomName = q.str(QStringLiteral("BillRoomName"));
            out->roomType = q.str(QStringLiteral("BillRoomType")) == words::byHour() ? words::byHour() : words::perUse();
            out->roomUser = q.str(QStringLiteral("BillRoomUser"));
            out->priceText = FormatRounded(q.num(QStringLiteral("BillRoomPrice")));
            out->begin = q.dateTime(QStringLiteral("BillBeginTime"));
            out->end = q.dateTime(QStringLiteral("BillEndTime"));
            out->roomCostText = FormatRounded(q.num(QStringLiteral("BillRoomCost")));
            out->otherCostText = FormatRounded(q.num(QStringLiteral("BillOtherCost")));
            out->totalText = FormatRounded(q.num(QStringLiteral("BillTotalCost")));
            out->remark = q.str(QStringLiteral("BillRemark"));
            return SaveResult::done();
        },
        words::dbOpenFailed());
}

double billConsumption(Query& q, int billIndex)
{
    q.setSql(QStringLiteral("Select Round(Sum(CostMoney),2) As TotalMoney From Cost Where CostBill = ") + QString::number(billIndex));
    q.open();
    const double total = q.num(QStringLiteral("TotalMoney"));
    q.close();
    return total;
}

void storeBillTotals(Query& q, int billIndex, double otherCost, double total)
{
    q.setSql(billSql(billIndex));
    q.open();
    if (!q.eof()) {
        q.edit();
        q.setValue(QStringLiteral("BillOtherCost"), otherCost);
        q.setValue(QStringLiteral("BillTotalCost"), total);
        q.post();
    }
    q.close();
}

SaveResult saveBill(Query& q, int billIndex, const BillFields& f)
{
    // "1.2.3" is made of digits and dots but is no amount: refused as well.
    const std::pair<const QString*, const char*> amounts[] = {
        {&f.priceText, "Price"}, {&f.roomCostText, "RoomCost"}, {&f.otherCostText, "OtherCost"}, {&f.totalText, "Total"}};
    for (const auto& [text, field] : amounts)
        if (!IsAmountText(*text) || !IsValidAmountText(*text))
            return SaveResult::refused(QStringLiteral("金额格式有误，请重新输入"), QString::fromLatin1(field));
    for (const auto& [text, field] : amounts)
        if (amountTooLarge(*text))
            return SaveResult::refused(words::amountTooLarge(), QString::fromLatin1(field));
    q.setSql(billSql(billIndex));
    q.open();
    if (q.eof()) {
        q.close();
        return SaveResult::done();
    }
    q.edit();
    q.setValue(QStringLiteral("BillSerial"), f.serial);
    q.setValue(QStringLiteral("BillRoomName"), f.roomName);
    q.setValue(QStringLiteral("BillRoomType"), f.roomType);
    q.setValue(QStringLiteral("BillRoomUser"), f.roomUser);
    q.setValue(QStringLiteral("BillRoomPrice"), TextToAmount(f.priceText));
    q.setValue(QStringLiteral("BillBeginTime"), f.begin);
    q.setValue(QStringLiteral("BillEndTime"), f.end);
    q.setValue(QStringLiteral("BillRoomCost"), TextToAmount(f.roomCostText));
    q.setValue(QStringLiteral("BillOtherCost"), TextToAmount(f.otherCostText));
    q.setValue(QStringLiteral("BillTotalCost"), TextToAmount(f.totalText));
    q.setValue(QStringLiteral("BillRemark"), f.remark);
    q.post();
    q.close();
    return SaveResult::done(QStringLiteral("帐单修改成功"));
}

QString billSearchCondition(const BillSearch& s)
{
    ConditionBuilder c;
    c.contains(QStringLiteral("BillSerial"), s.serial);
    if (s.span)
        c.days(QStringLiteral("BillBeginTime"), s.from, s.to);
    c.contains(QStringLiteral("BillRoomName"), s.roomName).contains(QStringLiteral("BillRoomUser"), s.roomUser);
    if (s.roomType == QStringLiteral("计时房间"))
        c.equals(QStringLiteral("BillRoomType"), words::byHour());
    else if (s.roomType == QStringLiteral("计次房间"))
        c.equals(QStringLiteral("BillRoomType"), words::perUse());
    c.contains(QStringLiteral("BillRemark"), s.remark);
    return c.text();
}

QString billListSql(const QString& billCondition)
{
    return QStringLiteral("Select * From Bill Where (BillIndex > 1)") + billCondition + QStringLiteral(" Order By BillIndex");
}

QString roomTotalsSql(const QString& billCondition)
{
    return QStringLiteral(
               "Select RoomIndex,RoomName,RoomType,RoomCost,RoomCost2,RoomCost3 From (Select RoomIndex,RoomName,RoomType,"
               "IIF(Round(Sum(BillRoomCost),2) is null,0,Round(Sum(BillRoomCost),2)) As RoomCost,"
               "IIF(Round(Sum(BillOtherCost),2) is null,0,Round(Sum(BillOtherCost),2)) As RoomCost2,"
               "IIF(Round(Sum(BillTotalCost),2) is null,0,Round(Sum(BillTotalCost),2)) As RoomCost3 "
               "From (Room Left Join Bill on Room.RoomName = Bill.BillRoomName) Where (RoomIndex > 1)")
           + billCondition + QStringLiteral(" Group By RoomIndex,RoomName,RoomType) Where RoomIndex > 1 Order By RoomIndex");
}

QString roomStateChartSql()
{
    return QStringLiteral("Select RoomState,Count(RoomState) As StateNum From Room Where RoomIndex > 1 Group By RoomState");
}

QString billChartSql(const QString& content, const QString& billCondition)
{
    if (content == QStringLiteral("物品消费"))
        return QStringLiteral("Select CostReason,Round(Sum(CostMoney),2) As TotalSum From Bill,Cost Where (BillIndex = CostBill) And (BillIndex > 1)")
               + billCondition + QStringLiteral(" Group By CostReason Order By Sum(CostMoney) Desc");
    const QString field = content == QStringLiteral("经营收入") ? QStringLiteral("BillTotalCost") : QStringLiteral("BillRoomCost");
    return QStringLiteral("Select RoomName,Round(Sum(%1),2) As TotalSum From Room,Bill Where (RoomName = BillRoomName) And (RoomIndex > 1)").arg(field)
           + billCondition + QStringLiteral(" Group By RoomName Order By Sum(%1) Desc").arg(field);
}

QString quickBillCondition(BillSpan span, const QDate& today)
{
    const QString column = QStringLiteral("BillBeginTime");
    switch (span) {
    case BillSpan::Today:
        return ConditionBuilder().days(column, today, today).text();
    case BillSpan::Month:
        return ConditionBuilder().days(column, QDate(today.year(), today.month(), 1), QDate(today.year(), today.month(), today.daysInMonth())).text();
    case BillSpan::Year:
        return ConditionBuilder().days(column, QDate(today.year(), 1, 1), QDate(today.year(), 12, 31)).text();
    case BillSpan::All:
        break;
    }
    return QString();
}

}  // namespace velbrisk
