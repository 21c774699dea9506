#include "core/rooms/RoomTask.h"

#include "core/data/JetSql.h"
#include "core/data/Numbering.h"
#include "core/data/Platform.h"
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

RoomTasks::RoomTasks(TShareDataModule& dm, Options options, Reporter* reporter)
    : m_dm(dm), m_options(std::move(options)), m_reporter(reporter)
{
}

void RoomTasks::report(const QString& message) const
{
    if (m_reporter)
        m_reporter->inform(message);
}

bool RoomTasks::hasBookings(const QString& roomName)
{
    Query q(m_dm.ADOConnection1);
    if (!OpenQuery(q, QStringLiteral("Select * From Book Where BookRoom = ") + quoted(roomName),
                   words::dbOpenFailed()))
        return false;
    return !q.isEmpty();
}

bool RoomTasks::startOrAdjust(int roomIndex, const TaskTimes& task)
{
    if (task.end < task.begin) {
        report(QStringLiteral("结束时间 不得小于 开始时间"));
        return false;
    }
    Query& q = m_dm.ADOQueryTemp;
    if (!OpenQuery(q, roomSql(roomIndex), words::dbOpenFailed()))
        return false;
    try {
        if (q.eof())
            return false;
        q.edit();
        q.setValue(QStringLiteral("RoomState"), words::roomOccupied());
        q.setValue(QStringLiteral("RoomUser"), task.customer);
        q.setValue(QStringLiteral("RoomBeginTime"), task.begin);
        q.setValue(QStringLiteral("RoomEndTime"), task.end);
        q.setValue(QStringLiteral("RoomOtherCost"), task.otherCost);
        q.setValue(QStringLiteral("RoomNote"), task.note == kNotePlaceholder ? QString() : task.note);
        q.post();
        q.close();
        emit m_dm.changes.roomsChanged();
        return true;
    } catch (const Failure& e) {
        q.close();
        report(e.message());
        return false;
    }
}

bool RoomTasks::cancel(int roomIndex)
{
    Query& q = m_dm.ADOQueryTemp;
    if (!OpenQuery(q, roomSql(roomIndex), words::dbOpenFailed()))
        return false;
    try {
        if (q.eof())
            return false;
        const bool booked = hasBookings(q.str(QStringLiteral("RoomName")));
        q.edit();
        q.setValue(QStringLiteral("RoomState"), booked ? words::roomBooked() : words::roomFree());
        q.post();
        q.close();
        emit m_dm.changes.roomsChanged();
        return true;
    } catch (const Failure& e) {
        q.close();
        report(e.message());
        return false;
    }
}

CheckoutResult RoomTasks::checkout(const CheckoutInput& in)
{
    CheckoutResult result;
    // The account first: a bill must never be written without its income.
    const QString accountText = m_options.read(opt::AccountForBill).trimmed();
    static const QRegularExpression whole(QStringLiteral("^\\d{1,9}$"));
    int account = 0;
    {
        Query q(m_dm.ADOConnection1);
        if (!whole.match(accountText).hasMatch()
            || (account = accountText.toInt()) <= 1
            || !OpenQuery(q, QStringLiteral("Select * From Account Where AccountIndex = ") + QString::number(account),
                          words::dbOpenFailed())
            || q.isEmpty()) {
            report(QStringLiteral("结帐收入的入帐帐户设置有误（%1），没有找到这个帐户。\n请先在“参数设置”中重新选择结帐银行，本次结帐没有保存任何记录。")
                       .arg(accountText));
            return result;
        }
    }
    for (const QString* text : {&in.roomFeeText, &in.otherCostText, &in.totalText})
        if (amountTooLarge(*text)) {
            report(QStringLiteral("金额过大：小数点前最多只能有12位数字，本次结帐没有保存任何记录。"));
            return result;
        }
    const double roomFee = amountOf(in.roomFeeText);
    const double otherCost = amountOf(in.otherCostText);
    const double total = amountOf(in.totalText);
    Connection& c = m_dm.ADOConnection1;
    try {
        Transaction tx(c);
        Query& room = m_dm.ADOQueryTemp;
        const QString serial = MakeBillSerial(room, in.now.date());
        room.setSql(roomSql(in.roomIndex));
        room.open();
        if (room.eof()) {
            room.close();
            return result;
        }
        const QString state = room.str(QStringLiteral("RoomState"));
        if (!words::taskRunning(state)) {
            room.close();
            report(QStringLiteral("该房间没有正在进行的计时任务，不能结帐"));
            return result;
        }
        const QString roomName = room.str(QStringLiteral("RoomName"));

        Query& bill = m_dm.ADOQueryTemp2;
        bill.setSql(QStringLiteral("Select * From Bill"));
        bill.open();
        bill.insert();
        bill.setValue(QStringLiteral("BillSerial"), serial);
        bill.setValue(QStringLiteral("BillCreateTime"), in.now);
        bill.setValue(QStringLiteral("BillBeginTime"), room.value(QStringLiteral("RoomBeginTime")));
        bill.setValue(QStringLiteral("BillEndTime"), room.value(QStringLiteral("RoomEndTime")));
        bill.setValue(QStringLiteral("BillRoomName"), roomName);
        bill.setValue(QStringLiteral("BillRoomUser"), room.str(QStringLiteral("RoomUser")));
        bill.setValue(QStringLiteral("BillRoomPrice"), room.num(QStringLiteral("RoomPrice")));
        bill.setValue(QStringLiteral("BillRoomType"), room.str(QStringLiteral("RoomType")));
        bill.setValue(QStringLiteral("BillRoomCost"), roomFee);
        bill.setValue(QStringLiteral("BillOtherCost"), otherCost);
        bill.setValue(QStringLiteral("BillTotalCost"), total);
        bill.setValue(QStringLiteral("BillRemark"), room.str(QStringLiteral("RoomNote")));
        bill.post();
        const int billIndex = int(bill.integer(QStringLiteral("BillIndex")));
        bill.close();

        Query& money = m_dm.ADOQueryTemp3;
        const QString moneySerial = MakeMoneySerial(money, m_options, words::moneyIn(), in.now.date());
        money.setSql(QStringLiteral("Select * From MoneyTable"));
        money.open();
        money.insert();
        money.setValue(QStringLiteral("MoneyKind"), words::moneyIn());
        money.setValue(QStringLiteral("MoneyGetPay"), 0);
        money.setValue(QStringLiteral("MoneySerial"), moneySerial);
        money.setValue(QStringLiteral("MoneyAccount"), account);
        money.setValue(QStringLiteral("MoneyUser"), QStringLiteral("消费顾客"));
        money.setValue(QStringLiteral("MoneyRecordTime"), in.now.date());
        money.setValue(QStringLiteral("MoneyCreateTime"), in.now.date());
        money.setValue(QStringLiteral("MoneyIn"), total);
        money.setValue(QStringLiteral("MoneyOut"), 0.0);
        money.setValue(QStringLiteral("MoneySum"), total);
        money.setValue(QStringLiteral("MoneyReason"), QStringLiteral("销售收入"));
        money.setValue(QStringLiteral("MoneyMan"), QString());
        money.setValue(QStringLiteral("MoneyType"), QStringLiteral("现金"));
        money.setValue(QStringLiteral("MoneyToken"), QStringLiteral("收据"));
        money.setValue(QStringLiteral("MoneyRemark"), QString(QStringLiteral("对应单据：") + serial));
        money.setValue(QStringLiteral("MoneyPower"), QString());
        money.post();
        money.close();

        money.setSql(QStringLiteral("Update Cost Set CostBill = ") + QString::number(billIndex)
                     + QStringLiteral(" Where (CostBill = 0) And (CostRoom = ") + quoted(roomName) + QStringLiteral(")"));
        money.execSql();

        const bool booked = hasBookings(roomName);
        room.edit();
        room.setValue(QStringLiteral("RoomState"), booked ? words::roomBooked() : words::roomFree());
        room.setValue(QStringLiteral("RoomOtherCost"), 0.0);
        room.post();
        room.close();
        tx.commit();
        emit m_dm.changes.roomsChanged();
        emit m_dm.changes.billsChanged();
        emit m_dm.changes.moneyChanged();
        result.done = true;
        result.billIndex = billIndex;
        result.billSerial = serial;
    } catch (const Failure& e) {
        m_dm.ADOQueryTemp.close();
        m_dm.ADOQueryTemp2.close();
        m_dm.ADOQueryTemp3.close();
        report(QStringLiteral("结帐没有完成，没有保存任何记录：") + e.message());
    }
    return result;
}

}  // namespace velbrisk
