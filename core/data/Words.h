#pragma once
// The stored words and common messages of the program, in one place.
#include <QString>

namespace velbrisk::words {

// Room states (Room.RoomState).
inline QString roomFree() { return QStringLiteral("空闲"); }
inline QString roomBooked() { return QStringLiteral("预订"); }
inline QString roomOccupied() { return QStringLiteral("占用"); }
inline QString roomOvertime() { return QStringLiteral("超时"); }
// A timing task is running in the room.
inline bool taskRunning(const QString& state) { return state == roomOccupied() || state == roomOvertime(); }

// Billing types (Room.RoomType, Bill.BillRoomType).
inline QString byHour() { return QStringLiteral("计时收费"); }
inline QString perUse() { return QStringLiteral("计次收费"); }

// Money kinds (MoneyTable.MoneyKind), receivable kinds (GetPay.GetPayKind)
// and the reasons of transfers (MoneyTable.MoneyReason).
inline QString moneyIn() { return QStringLiteral("财务收入"); }
inline QString moneyOut() { return QStringLiteral("财务支出"); }
inline QString receivable() { return QStringLiteral("应收"); }
inline QString payable() { return QStringLiteral("应付"); }
inline QString accountTransfer() { return QStringLiteral("帐户平调"); }
inline QString bookTransfer() { return QStringLiteral("帐簿平调"); }

// Common messages.
// An amount with more digits before the point than the program keeps to the fen.
inline QString amountTooLarge() { return QStringLiteral("金额过大：小数点前最多只能有12位数字，请重新输入"); }
inline QString dbOpenFailed() { return QStringLiteral("数据库打开失败"); }
inline QString sqlFailed() { return QStringLiteral("SQL命令执行出错"); }
inline QString selectToEdit() { return QStringLiteral("请先选中需要修改的记录"); }
inline QString selectToDelete() { return QStringLiteral("请先选中需要删除的记录"); }

}  // namespace velbrisk::words
