#pragma once
// Starting, adjusting, cancelling and settling a room's timing task.
#include "core/config/Options.h"
#include "core/data/SaveResult.h"

#include <QDateTime>
#include <QString>

namespace velbrisk {

class TShareDataModule;

struct TaskTimes {
    QString customer;
    QDateTime begin;
    QDateTime end;
    double otherCost = 0;
    QString note;  // "（备注信息）" counts as empty
};

struct CheckoutInput {
    int roomIndex = 0;
    QString roomFeeText;    // the "房租收费：" box
    QString otherCostText;  // the "其他消费：" box
    QString totalText;      // the "金额合计：" box
    QDateTime now;          // the moment of checkout
    // Overtime charged: the task's actual end, the bill's end instead of the
    // planned one (the fee texts are already the actual length's).
    QDateTime actualEnd;
};

// Overtime of a task planned to end at `plannedEnd`, at `now`, in seconds;
// 0 when not over or within the grace.
qint64 chargeableOvertime(const QDateTime& plannedEnd, const QDateTime& now, int graceMinutes);
// "1小时05分" of a number of seconds (whole minutes, begun ones counted).
QString overtimeText(qint64 seconds);

// The bill a checkout wrote.
struct CheckoutResult {
    int billIndex = 0;
    QString billSerial;
};

class RoomTasks {
public:
    RoomTasks(TShareDataModule& dm, Options options);

    // "开始计时" / "调整计时": the room becomes "占用" with these times. Refuses
    // an end before the begin with "结束时间 不得小于 开始时间". A room that
    // is gone is refused without a message.
    SaveResult startOrAdjust(int roomIndex, const TaskTimes& task);

    // "取消任务": the room becomes "空闲", or "预订" when it has a booking.
    // No bill, no money record; the task's values stay in the row.
    SaveResult cancel(int roomIndex);

    // "埋单结帐", all or nothing: the bill, its income record, the link of the
    // room's open consumption and the room's reset land together. The
    // account of "AccountForBill" is checked before anything is written.
    // `out` gets the bill written.
    SaveResult checkout(const CheckoutInput& in, CheckoutResult* out = nullptr);

    // Whether the room has any booking row (past or future).
    bool hasBookings(const QString& roomName);

private:
    TShareDataModule& m_dm;
    Options m_options;
};

}  // namespace velbrisk
