// The row patterns of the windows: open a row, edit, post; open a table,
// insert, post, read the key back; walk lazily.
#include "core/data/JetSql.h"
#include "core/data/Query.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

TEST(QueryRows, InsertIntoWholeTableGivesTheNewKey)
{
    TestVenue v;
    Query q(v.db());
    q.setSql(QStringLiteral("Select * From Bill"));
    q.open();
    q.insert();
    q.setValue(QStringLiteral("BillSerial"), QStringLiteral("260105001"));
    q.setValue(QStringLiteral("BillCreateTime"), QDateTime(QDate(2026, 1, 5), QTime(14, 3, 9, 500)));
    q.setValue(QStringLiteral("BillTotalCost"), 12.5);
    q.post();
    EXPECT_EQ(q.integer(QStringLiteral("BillIndex")), 2) << "the reserved row 1 comes first";
    EXPECT_EQ(q.str(QStringLiteral("BillSerial")), QStringLiteral("260105001"));
    // Stored in the one text form, milliseconds dropped.
    EXPECT_EQ(v.scalar(QStringLiteral("Select BillCreateTime From Bill Where BillIndex = 2")),
              QStringLiteral("2026-01-05 14:03:09"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Bill Where BillCreateTime = #2026-1-5 14:03:09#")),
              QStringLiteral("1"));
}

TEST(QueryRows, EditAndPostChangesOnlyThatRow)
{
    TestVenue v;
    v.exec(QStringLiteral("Insert Into Room (RoomName, RoomState) Values ('A', '空闲')"));
    v.exec(QStringLiteral("Insert Into Room (RoomName, RoomState) Values ('B', '空闲')"));
    Query q(v.db());
    q.setSql(QStringLiteral("Select * From Room Where RoomIndex = 3"));
    q.open();
    ASSERT_FALSE(q.eof());
    q.edit();
    q.setValue(QStringLiteral("RoomState"), QStringLiteral("超时"));
    q.setValue(QStringLiteral("RoomEndTime"), QStringLiteral("2026-1-5 9:00"));
    q.post();
    EXPECT_EQ(q.str(QStringLiteral("RoomState")), QStringLiteral("超时"));
    EXPECT_EQ(q.dateTime(QStringLiteral("RoomEndTime")), QDateTime(QDate(2026, 1, 5), QTime(9, 0)));
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomState From Room Where RoomIndex = 3")), QStringLiteral("超时"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomState From Room Where RoomIndex = 2")), QStringLiteral("空闲"));
}

TEST(QueryRows, DeleteRecordRemovesTheCurrentRow)
{
    TestVenue v;
    for (int i = 0; i < 3; ++i)
        v.exec(QStringLiteral("Insert Into Cost (CostRoom, CostMoney, CostBill) Values ('A', %1, 0)").arg(i));
    Query q(v.db());
    q.setSql(QStringLiteral("Select * From Cost Where CostRoom = 'A' Order By CostIndex"));
    q.open();
    q.next();
    q.deleteRecord();
    EXPECT_EQ(q.num(QStringLiteral("CostMoney")), 2) << "the next row becomes current";
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Cost")), QStringLiteral("2"));
}

TEST(QueryRows, ValuesKeepTheirKinds)
{
    TestVenue v;
    Query q(v.db());
    q.setSql(QStringLiteral("Select * From PrintTable Where PrintIndex = 1"));
    q.open();
    q.edit();
    q.setValue(QStringLiteral("PrintEnable"), true);
    q.setValue(QStringLiteral("PrintValue1"), QStringLiteral("上日结余：12 元"));
    q.post();
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From PrintTable Where PrintEnable = True")), QStringLiteral("1"));
    EXPECT_TRUE(q.boolean(QStringLiteral("PrintEnable")));

    // Unwritten amounts read as 0 and unwritten texts as empty.
    v.exec(QStringLiteral("Insert Into MoneyTable (MoneyKind, MoneyAccount) Values ('财务收入', 2)"));
    q.setSql(QStringLiteral("Select ABS(MoneySum) As MSum,* From MoneyTable"));
    q.open();
    EXPECT_EQ(q.num(QStringLiteral("MoneyIn")), 0);
    EXPECT_EQ(q.str(QStringLiteral("MoneySerial")), QString());
    EXPECT_TRUE(q.hasField(QStringLiteral("MSum")));
    EXPECT_TRUE(q.hasField(QStringLiteral("MoneyRemark")));
}

TEST(QueryRows, RefusesWhatItCannotDoWithAClearError)
{
    TestVenue v;
    Query q(v.db());
    EXPECT_THROW(q.str(QStringLiteral("RoomName")), DbError) << "reading a closed query";
    q.setSql(QStringLiteral("Select * From Account,MoneyTable Where AccountIndex = MoneyAccount"));
    q.open();
    EXPECT_FALSE(q.editable());
    EXPECT_THROW(q.insert(), DbError);
    q.setSql(QStringLiteral("Select * From Room Where RoomIndex = 1"));
    q.open();
    q.edit();
    EXPECT_THROW(q.setValue(QStringLiteral("RoomBeginTime"), QStringLiteral("not a date")), DbError);
    EXPECT_THROW(q.setValue(QStringLiteral("NoSuchField"), 1), DbError);
    EXPECT_THROW(q.setValue(QStringLiteral("RoomIndex"), 5), DbError);
    q.setSql(QStringLiteral("Select * From NoSuchTable"));
    EXPECT_THROW(q.open(), DbError);
}

TEST(QueryRows, FetchesLazilyAndCountsWithoutFetching)
{
    TestVenue v;
    {
        Transaction tx(v.db());
        for (int i = 0; i < 1000; ++i)
            v.exec(QStringLiteral("Insert Into Parameter (ParameterType, ParameterValue) Values (9, 'w%1')").arg(i));
        tx.commit();
    }
    Query q(v.db());
    q.setSql(QStringLiteral("Select * From Parameter Where ParameterType = 9 Order By ParameterIndex"));
    q.open();
    EXPECT_EQ(q.fetchedCount(), 1) << "opening reads one row";
    EXPECT_EQ(q.recordCount(), 1000);
    EXPECT_EQ(q.fetchedCount(), 1) << "counting reads none";
    EXPECT_EQ(q.textAt(499, q.fieldIndex(QStringLiteral("ParameterValue"))), QStringLiteral("w499"));
    EXPECT_EQ(q.fetchedCount(), 500);

    // A row inserted while the rest is unread shows at the end.
    q.insert();
    q.setValue(QStringLiteral("ParameterType"), 9);
    q.setValue(QStringLiteral("ParameterValue"), QStringLiteral("new"));
    q.post();
    EXPECT_EQ(q.str(QStringLiteral("ParameterValue")), QStringLiteral("new"));
    EXPECT_EQ(q.recordCount(), 1001);
    int n = 0;
    QString last;
    for (q.first(); !q.eof(); q.next(), ++n)
        last = q.str(QStringLiteral("ParameterValue"));
    EXPECT_EQ(n, 1001);
    EXPECT_EQ(last, QStringLiteral("new"));
}

TEST(QueryRows, ALazyListSurvivesARollbackOnTheConnection)
{
    TestVenue v;
    for (int i = 0; i < 50; ++i)
        v.exec(QStringLiteral("Insert Into Parameter (ParameterType, ParameterValue) Values (9, 'w%1')").arg(i));
    Query list(v.db());
    list.setSql(QStringLiteral("Select * From Parameter Where ParameterType = 9 Order By ParameterIndex"));
    list.open();
    {
        Transaction tx(v.db());
        v.exec(QStringLiteral("Update Room Set RoomName = 'x' Where RoomIndex = 1"));
    }  // rolled back
    int n = 0;
    for (list.first(); !list.eof(); list.next())
        ++n;
    EXPECT_EQ(n, 50);
}

}  // namespace
