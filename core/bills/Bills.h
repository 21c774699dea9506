#pragma once
// Correcting a stored bill: its fields, the total of its consumption entries,
// and the save of the bill window.
#include "core/data/SaveResult.h"

#include <QDateTime>
#include <QString>

namespace velbrisk {

class Query;

// A bill as the bill window shows and takes it; amounts as texts.
struct BillFields {
    QString serial;
    QString roomName;
    QString roomType;  // "计时收费" or "计次收费"
    QString roomUser;
    QString priceText;
    QDateTime begin;
    QDateTime end;
    QString roomCostText;
    QString otherCostText;
    QString totalText;
    QString remark;
};

// The bill of that key, its amounts rounded for showing; its type is
// "计时收费", or "计次收费" for any other word. Refused without a message
// when there is none, with "数据库打开失败" when it cannot be read.
SaveResult loadBill(Query& q, int billIndex, BillFields* out);

// Round(Sum(CostMoney), 2) of the bill's consumption entries; 0 with none.
double billConsumption(Query& q, int billIndex);

// Stores the bill's consumption total and total at once (the bill window
// does so after each change of its entries, before and whatever its "确定").
void storeBillTotals(Query& q, int billIndex, double otherCost, double total);

// "确定": the price, room fee, consumption and total must be amounts, in that
// order (refused with "金额格式有误，请重新输入" and the field: "Price",
// "RoomCost", "OtherCost", "Total"); then every field is written. A bill that
// vanished meanwhile is not written, and the save still counts as done.
SaveResult saveBill(Query& q, int billIndex, const BillFields& fields);

// The bill search's choices ("组合搜索").
struct BillSearch {
    QString serial;
    bool span = false;  // "选择帐单时间段"
    QDate from, to;
    QString roomName;
    QString roomUser;
    QString roomType;  // "所有房间", "计时房间" or "计次房间"
    QString remark;
};

// The condition of the combined search: bill number, days, room, user, type,
// remark, in that order, each only when chosen; typed texts quoted. The days
// are whole days (a bill at 15:00 on the last day is found).
QString billSearchCondition(const BillSearch& s);

// The status report's two lists over a bill condition: the bills by record,
// and every room with the rounded sums of its bills (0 for a room without
// any; with a condition, only rooms with a matching bill).
QString billListSql(const QString& billCondition);
QString roomTotalsSql(const QString& billCondition);

// The business charts' queries: the rooms by state, and "房租收入",
// "物品消费" or "经营收入" over a bill condition, largest first.
QString roomStateChartSql();
QString billChartSql(const QString& content, const QString& billCondition);

// The quick searches, over whole days of `today`'s day, month or year.
enum class BillSpan { Today, Month, Year, All };
QString quickBillCondition(BillSpan span, const QDate& today);

}  // namespace velbrisk
