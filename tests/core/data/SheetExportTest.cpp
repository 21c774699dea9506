// The exported spreadsheet, read back with an independent reader.
#include "core/data/Query.h"
#include "core/data/SheetExport.h"
#include "tests/support/TestData.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

// Every cell of the first sheet as [row][column] values, via openpyxl.
QJsonArray readSheet(const QString& path)
{
    const QString script = QStringLiteral(
        "import json, sys, openpyxl\n"
        "ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
        "print(json.dumps([[c for c in r] for r in ws.iter_rows(values_only=True)], ensure_ascii=False))\n");
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, path});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).array();
}

TEST(SheetExport, WritesTitlesAndRowsAsTheGridShowsThem)
{
    TestVenue v;
    v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillCreateTime, BillBeginTime, BillRoomName, BillTotalCost, BillRemark) "
                          "Values ('240315007', #2024-3-15 14:05:09#, #2024-3-15#, '羽毛球1号', 7.5, '007')"));
    v.exec(QStringLiteral("Insert Into MoneyTable (MoneySerial, MoneyAccount, MoneySum) Values ('SR24031503', 2, -1)"));
    Query q(v.db());
    q.setSql(QStringLiteral("Select * From Bill,MoneyTable Where BillIndex > 1"));
    q.open();
    const QList<SheetColumn> cols = {
        {QStringLiteral("单据编号"), QStringLiteral("BillSerial")},
        {QStringLiteral("结帐时间"), QStringLiteral("BillCreateTime")},
        {QStringLiteral("开始时间"), QStringLiteral("BillBeginTime")},
        {QStringLiteral("房间名称"), QStringLiteral("BillRoomName")},
        {QStringLiteral("金额合计"), QStringLiteral("BillTotalCost")},
        {QStringLiteral("备注"), QStringLiteral("BillRemark")},
        {QStringLiteral("流水号"), QStringLiteral("MoneySerial")},
    };
    const QString path = v.dir() + QStringLiteral("账单.xlsx");
    QString error;
    int lastProgress = -1;
    ASSERT_TRUE(writeQuerySheet(path, QDate(2024, 3, 15), cols, q, &error, [&](int p) { lastProgress = p; }))
        << error.toStdString();
    EXPECT_EQ(lastProgress, 100);

    const QJsonArray rows = readSheet(path);
    ASSERT_EQ(rows.size(), 4) << "the date line, an empty row, the titles and the record";
    EXPECT_EQ(rows[0].toArray()[0].toString(), QStringLiteral("日期:2024年03月15日"));
    EXPECT_TRUE(rows[1].toArray()[0].isNull());
    EXPECT_EQ(rows[2].toArray()[0].toString(), QStringLiteral("单据编号"));
    EXPECT_EQ(rows[2].toArray()[6].toString(), QStringLiteral("流水号"));
    const QJsonArray r = rows[3].toArray();
    EXPECT_EQ(r[0].toDouble(), 240315007.0) << "a number made of digits becomes a number";
    EXPECT_EQ(r[1].toString(), QStringLiteral("2024.03.15 14.05.09"));
    EXPECT_EQ(r[2].toString(), QStringLiteral("2024.03.15"));
    EXPECT_EQ(r[3].toString(), QStringLiteral("羽毛球1号"));
    EXPECT_EQ(r[4].toDouble(), 7.5);
    EXPECT_EQ(r[5].toDouble(), 7.0) << "007 becomes 7: only the titles stay text";
    EXPECT_EQ(r[6].toString(), QStringLiteral("SR24031503"));
}

TEST(SheetExport, AnEmptyListGivesTheDateAndTitlesOnly)
{
    TestVenue v;
    Query q(v.db());
    q.setSql(QStringLiteral("Select * From Room Where RoomIndex > 1"));
    q.open();
    const QString path = v.dir() + QStringLiteral("rooms.xlsx");
    ASSERT_TRUE(writeQuerySheet(path, QDate(2026, 12, 10), {{QStringLiteral("房间名称"), QStringLiteral("RoomName")}}, q,
                                nullptr));
    const QJsonArray rows = readSheet(path);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[2].toArray()[0].toString(), QStringLiteral("房间名称"));
}

TEST(SheetExport, AnUnwritableFileIsAFailure)
{
    TestVenue v;
    Query q(v.db());
    QString error;
    EXPECT_FALSE(writeQuerySheet(v.dir() + QStringLiteral("no/such/dir/x.xlsx"), QDate::currentDate(), {}, q, &error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
