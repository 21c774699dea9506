#include "core/rooms/RoomTask.h"

#include "core/data/JetSql.h"
#include "core/data/MoneyRecord.h"
#include "core/data/Numbering.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"

#include <QRegularExpression>

namespace velbrisk {

namespace {
const QString kNotePlaceholder = QStringLiteral("（备注信息）");

QString roomSql(int roomIndex)
{
    return QStringLiteral("Select * From Room Where RoomIndex = ") + QString::number(roomIndex);
}

double amountOf(const QString& text)
{
    return IsValidAmountText(text) ? TextToAmount(text) : 0;
}
}  // namespace

RoomTasks::RoomTasks(TShareDataModule& dm, Options options) : m_dm(dm), m_options(std::move(options)) {}

bool RoomTasks::hasBookings(const QString& roomName)
{
    Query q(m_dm.ADOConnection1);
    q.setSql(QStringLiteral("Select * From Book Where BookRoom = ") + quoted(roomName));
    q.open();
    return !q.isEmpty();
}

SaveResult RoomTasks::startOrAdjust(int roomIndex, const TaskTimes& task)
{
    if (task.end < task.begin)
        return SaveResult::refused(QStringLiteral("结束时间 不得小于 开始时间"));
    Query& q = m_dm.ADOQueryTemp;
    const SaveResult r = attempt(q, [&] {
        WriteScope scope(q.connection());
        QueryLease lease(q);
        if (lease.open(roomSql(roomIndex)).eof())
            return SaveResult::refused(QString());
        q.edit();
        q.setValue(QStringLiteral("RoomState"), words::roomOccupied());
        q.setValue(QStringLiteral("RoomUser"), task.customer);
        q.setValue(QStringLiteral("RoomBeginTime"), task.begin);
        q.setValue(QStringLiteral("RoomEndTime"), task.end);
        q.setValue(QStringLiteral("RoomOtherCost"), task.otherCost);
        q.setValue(QStringLiteral("RoomNote"), task.note == kNotePlaceholder ? QString() : task.note);
        q.post();
        return SaveResult::done();
    });
    if (r.saved)
        emit m_dm.changes.roomsChanged();
    return r;
}

SaveResult RoomTasks::cancel(int roomIndex)
{
    Query& q = m_dm.ADOQueryTemp;
    const SaveResult r = attempt(q, [&] {
        WriteScope scope(q.connection());
        QueryLease lease(q);
        if (lease.open(roomSql(roomIndex)).eof())
            return SaveResult::refused(QString());
        const bool booked = hasBookings(q.str(QStringLiteral("RoomName")));
        q.edit();
        q.setValue(QStringLiteral("RoomState"), booked ? words::roomBooked() : words::roomFree());
        q.post();
        return SaveResult::done();
    });
    if (r.saved)
        emit m_dm.changes.roomsChanged();
    return r;
}

qint64 chargeableOvertime(const QDateTime& plannedEnd, const QDateTime& now, int graceMinutes)
{
    const qint64 over = plannedEnd.secsTo(now);
    return over > qint64(graceMinutes) * 60 ? over : 0;
}

QString overtimeText(qint64 seconds)
{
    const qint64 minutes = (seconds + 59) / 60;
    return minutes >= 60 ? QStringLiteral("%1小时%2分").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'))
                         : QStringLiteral("%1分").arg(minutes);
}

SaveResult RoomTasks::checkout(const CheckoutInput& in, CheckoutResult* out)
{
    // The account first: a bill must never be written without its income.
    const QString accountText = m_options.read(opt::AccountForBill).trimmed();
    static const QRegularExpression whole(QStringLiteral("^\\d{1,9}$"));
    const int account = whole.match(accountText).hasMatch() ? accountText.toInt() : 0;
    const SaveResult found = account <= 1 ? SaveResult::refused(QString()) : attempt(m_dm.ADOQueryTemp, [&] {
        QueryLease lease(m_dm.ADOQueryTemp);
        return lease.open(QStringLiteral("Select * From Account Where AccountIndex = ") + QString::number(account)).isEmpty()
                   ? SaveResult::refused(QString())
                   : SaveResult::done();
    });
    if (!found.saved)
        return SaveResult::refused(
            QStringLiteral("结帐收入的入帐帐户设置有误（%1），没有找到这个帐户。\n请先在“参数设置”中重新选择结帐银行，本次结帐没有保存任何记录。")
                .arg(accountText));
    for (const QString* text : {&in.roomFeeText, &in.otherCostText, &in.totalText})
        if (amountTooLarge(*text))
            return SaveResult::refused(QStringLiteral("金额过大：小数点前最多只能有12位数字，本次结帐没有保存任何记录。"));
    const double roomFee = amountOf(in.roomFeeText);
    const double otherCost = amountOf(in.otherCostText);
    const double total = amountOf(in.totalText);
    CheckoutResult done;
    Query& room = m_dm.ADOQueryTemp;
    Query& bill = m_dm.ADOQueryTemp2;
    Query& money = m_dm.ADOQueryTemp3;
    QueryLease roomLease(room), billLease(bill), moneyLease(money);
    SaveResult r = writeAll(room, [&] {
        const QString serial = MakeBillSerial(room, in.now.date());
        if (roomLease.open(roomSql(in.roomIndex)).eof())
            return SaveResult::refused(QString());
        if (!words::taskRunning(room.str(QStringLiteral("RoomState"))))
            return SaveResult::refused(QStringLiteral("该房间没有正在进行的计时任务，不能结帐"));
        const QString roomName = room.str(QStringLiteral("RoomName"));

        billLease.open(QStringLiteral("Select * From Bill"));
        bill.insert();
        bill.setValue(QStringLiteral("BillSerial"), serial);
        bill.setValue(QStringLiteral("BillCreateTime"), in.now);
        bill.setValue(QStringLiteral("BillBeginTime"), room.value(QStringLiteral("RoomBeginTime")));
        bill.setValue(QStringLiteral("BillEndTime"), in.actualEnd.isValid() ? QVariant(in.actualEnd) : room.value(QStringLiteral("RoomEndTime")));
        bill.setValue(QStringLiteral("BillRoomName"), roomName);
        bill.setValue(QStringLiteral("BillRoomUser"), room.str(QStringLiteral("RoomUser")));
        bill.setValue(QStringLiteral("BillRoomPrice"), room.num(QStringLiteral("RoomPrice")));
        bill.setValue(QStringLiteral("BillRoomType"), room.str(QStringLiteral("RoomType")));
        bill.setValue(QStringLiteral("BillRoomCost"), roomFee);
        bill.setValue(QStringLiteral("BillOtherCost"), otherCost);
        bill.setValue(QStringLiteral("BillTotalCost"), total);
        bill.setValue(QStringLiteral("BillRemark"), room.str(QStringLiteral("RoomNote")));
        bill.post();
        done.billIndex = int(bill.integer(QStringLiteral("BillIndex")));
        done.billSerial = serial;
        bill.close();

        MoneyRecord income;
        income.kind = words::moneyIn();
        income.serial = MakeMoneySerial(money, m_options, words::moneyIn(), in.now.date());
        income.account = account;
        income.user = QStringLiteral("消费顾客");
        income.recordTime = in.now.date();
        income.createTime = in.now.date();
        income.in = total;
        income.out = 0.0;
        income.sum = total;
        income.reason = QStringLiteral("销售收入");
        income.man = QString();
        income.type = QStringLiteral("现金");
        income.token = QStringLiteral("收据");
        income.remark = QStringLiteral("对应单据：") + serial;
        insertMoneyRecord(money, income);

        money.setSql(QStringLiteral("Update Cost Set CostBill = ") + QString::number(done.billIndex)
                     + QStringLiteral(" Where (CostBill = 0) And (CostRoom = ") + quoted(roomName) + QStringLiteral(")"));
        money.execSql();

        const bool booked = hasBookings(roomName);
        room.edit();
        room.setValue(QStringLiteral("RoomState"), booked ? words::roomBooked() : words::roomFree());
        room.setValue(QStringLiteral("RoomOtherCost"), 0.0);
        room.post();
        return SaveResult::done();
    });
    if (!r.saved) {
        if (!r.message.isEmpty() && r.message != QStringLiteral("该房间没有正在进行的计时任务，不能结帐"))
            r.message = QStringLiteral("结帐没有完成，没有保存任何记录：") + r.message;
        return r;
    }
    emit m_dm.changes.roomsChanged();
    emit m_dm.changes.billsChanged();
    emit m_dm.changes.moneyChanged();
    if (out)
        *out = done;
    return r;
}

}  // namespace velbrisk
