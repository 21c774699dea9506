#include "core/rooms/RoomCatalogue.h"

#include "core/data/ConditionBuilder.h"
#include "core/data/JetSql.h"
#include "core/data/Platform.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"

namespace velbrisk {

SaveResult saveRoom(TShareDataModule& dm, int editIndex, const RoomDetails& d)
{
    if (d.name.isEmpty())
        return SaveResult::refused(QStringLiteral("房间名称不能为空"), QStringLiteral("Name"));
    if (!IsValidAmountText(d.priceText))
        return SaveResult::refused(QStringLiteral("金额格式有误，请重新输入"), QStringLiteral("Price"));
    if (amountTooLarge(d.priceText))
        return SaveResult::refused(words::amountTooLarge(), QStringLiteral("Price"));
    const QString taken = QStringLiteral("该房间名称已经存在，请重新操作");
    const double price = TextToAmount(d.priceText);
    Query& q = dm.ADOQueryTemp;
    Query& q2 = dm.ADOQueryTemp2;
    QueryLease second(q2);
    // What the room window edits, on a new room or a changed one.
    const auto setFields = [&] {
        q.setValue(QStringLiteral("RoomName"), d.name);
        q.setValue(QStringLiteral("RoomType"), d.type);
        q.setValue(QStringLiteral("RoomPrice"), price);
        q.setValue(QStringLiteral("RoomRemark"), d.remark);
    };
    const SaveResult r = writeAll(q, [&] {
        if (editIndex == 0) {
            if (nameTaken(q, QStringLiteral("Room"), QStringLiteral("RoomName"), d.name))
                return SaveResult::refused(taken, QStringLiteral("Name"));
            q.setSql(QStringLiteral("Select * From Room"));
            q.open();
            q.insert();
            setFields();
            q.setValue(QStringLiteral("RoomState"), words::roomFree());
            q.setValue(QStringLiteral("RoomOtherCost"), 0.0);
            q.post();
            return SaveResult::done(QStringLiteral("记录新增成功"));
        }
        q.setSql(QStringLiteral("Select * From Room Where RoomIndex = ") + QString::number(editIndex));
        q.open();
        if (q.eof())
            return SaveResult::refused(QStringLiteral("找不到要修改的记录"));
        const QString oldName = q.str(QStringLiteral("RoomName"));
        if (oldName != d.name) {
            // Names compare without regard to case in the data file, so a
            // change of case alone is no clash with the room itself.
            if (nameTaken(q2, QStringLiteral("Room"), QStringLiteral("RoomName"), d.name, editIndex))
                return SaveResult::refused(taken, QStringLiteral("Name"));
            const QString n = quoted(d.name), o = quoted(oldName);
            q2.setSql(QStringLiteral("Update Bill Set BillRoomName = %1 Where BillRoomName = %2").arg(n, o));
            q2.execSql();
            q2.setSql(QStringLiteral("Update Book Set BookRoom = %1 Where BookRoom = %2").arg(n, o));
            q2.execSql();
            q2.setSql(QStringLiteral("Update Cost Set CostRoom = %1 Where CostRoom = %2").arg(n, o));
            q2.execSql();
        }
        q.edit();
        setFields();
        q.post();
        return SaveResult::done(QStringLiteral("记录修改成功"));
    }, QStringLiteral("保存失败，没有修改任何记录："));
    if (r.saved) {
        emit dm.changes.roomsChanged();
        if (editIndex != 0)
            emit dm.changes.billsChanged();  // bills carry the room's name
    }
    return r;
}

SaveResult deleteRoom(TShareDataModule& dm, int roomIndex)
{
    Query& q = dm.ADOQueryTemp;
    const SaveResult r = writeAll(q, [&] {
        q.setSql(QStringLiteral("Select * From Room Where RoomIndex = ") + QString::number(roomIndex));
        q.open();
        if (q.eof())
            return SaveResult::refused(QString());
        q.deleteRecord();
        return SaveResult::done();
    });
    if (r.saved)
        emit dm.changes.roomsChanged();
    return r;
}

QString roomSearchCondition(const QString& name, const QString& remark, const QString& user, const QString& note)
{
    return ConditionBuilder()
        .contains(QStringLiteral("RoomName"), name)
        .contains(QStringLiteral("RoomRemark"), remark)
        .contains(QStringLiteral("RoomUser"), user)
        .contains(QStringLiteral("RoomNote"), note)
        .text();
}

}  // namespace velbrisk
