// The shared list: a lazy model that behaves, footers, visible columns and
// the export of what is on screen.
#include "core/app/Globals.h"
#include "core/data/Query.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/GridExport.h"
#include "gui/widgets/QueryModel.h"
#include "tests/support/Gui.h"
#include "tests/support/TestData.h"

#include <QAbstractItemModelTester>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QTableView>
#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

void addBills(TestVenue& v, int n)
{
    Transaction tx(v.db());
    for (int i = 1; i <= n; ++i)
        v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillCreateTime, BillRoomName, BillTotalCost) "
                              "Values ('240315%1', #2024-3-15 10:%2:00#, '房%3', %4)")
                   .arg(i, 3, 10, QLatin1Char('0'))
                   .arg(i % 60)
                   .arg(i)
                   .arg(i * 1.5));
    tx.commit();
}

const QList<GridColumn> kBillColumns = {
    {QStringLiteral("BillSerial"), QStringLiteral("单据编号"), 90},
    {QStringLiteral("BillRoomName"), QStringLiteral("房间名称"), 90},
    {QStringLiteral("BillIndex"), QStringLiteral("编号"), 40, false},
    {QStringLiteral("BillCreateTime"), QStringLiteral("结帐时间"), 120},
    {QStringLiteral("BillTotalCost"), QStringLiteral("金额合计"), 70, true, QStringLiteral("0.00")},
};

// `n` bills listed in a grid with the bill columns.
void showBills(TestVenue& v, Query& q, DataGrid& grid, int n)
{
    addBills(v, n);
    q.setSql(QStringLiteral("Select * From Bill Where BillIndex > 1 Order By BillIndex"));
    q.open();
    grid.setColumns(kBillColumns);
    grid.setQuery(&q);
    grid.reload();
}

TEST(QueryModel, PassesTheModelTesterWhileFetchingLazily)
{
    TestVenue v;
    addBills(v, 1000);
    Query q(v.db());
    q.setSql(QStringLiteral("Select * From Bill Where BillIndex > 1 Order By BillIndex"));
    q.open();
    QueryModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setColumns(kBillColumns);
    model.setQuery(&q);
    EXPECT_LE(model.rowCount(), 256) << "one screenful is read before the view asks for more";
    EXPECT_LT(q.fetchedCount(), 1000);
    while (model.canFetchMore(QModelIndex()))
        model.fetchMore(QModelIndex());
    EXPECT_EQ(model.rowCount(), 1000);
    EXPECT_EQ(model.data(model.index(9, 4)).toString(), QStringLiteral("15.00"));
    EXPECT_EQ(model.data(model.index(0, 3)).toString(), QStringLiteral("2024-03-15 10:01:00"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("房间名称"));
}

TEST(DataGrid, FooterTotalsOfALongListReadNoRows)
{
    TestVenue v;
    addBills(v, 3000);
    Query q(v.db());
    DataGrid grid;
    grid.setColumns(kBillColumns);
    q.setSql(QStringLiteral("Select * From Bill Where BillIndex > 1 Order By BillIndex"));
    q.open();
    grid.setQuery(&q);
    const int read = q.fetchedCount();
    grid.setFooterCount(QStringLiteral("BillSerial"));
    grid.setFooterSum(QStringLiteral("BillTotalCost"));
    EXPECT_EQ(q.fetchedCount(), read) << "the footer is one aggregate statement";
    EXPECT_EQ(grid.footerText(QStringLiteral("BillSerial")), QStringLiteral("3000"));
    const QString total = v.scalar(QStringLiteral("Select Sum(BillTotalCost) From Bill Where BillIndex > 1"));
    EXPECT_EQ(grid.footerText(QStringLiteral("BillTotalCost")), QString::number(total.toDouble(), 'f', 2));
    // Once every row is read the rows in hand give the same total.
    q.fetchAll();
    grid.setFooterSum(QStringLiteral("BillTotalCost"));
    EXPECT_EQ(grid.footerText(QStringLiteral("BillTotalCost")), QString::number(total.toDouble(), 'f', 2));
}

TEST(DataGrid, FootersTitlesAndCurrentRow)
{
    TestVenue v;
    Query q(v.db());
    DataGrid grid;
    showBills(v, q, grid, 4);
    grid.setFooterCount(QStringLiteral("BillSerial"), QStringLiteral("合计："));
    grid.setFooterSum(QStringLiteral("BillTotalCost"));
    EXPECT_EQ(grid.footerText(QStringLiteral("BillSerial")), QStringLiteral("合计：4"));
    EXPECT_EQ(grid.footerText(QStringLiteral("BillTotalCost")), QStringLiteral("15.00"));

    QSignalSpy titles(&grid, &DataGrid::titleClicked);
    emit grid.view()->horizontalHeader()->sectionClicked(1);
    ASSERT_EQ(titles.count(), 1);
    EXPECT_EQ(titles.at(0).at(0).toString(), QStringLiteral("BillRoomName"));

    grid.setCurrentRow(2);
    ASSERT_TRUE(grid.moveQueryToCurrent());
    EXPECT_EQ(q.str(QStringLiteral("BillSerial")), QStringLiteral("240315003"));
    QStringList fields;
    for (const GridColumn& c : grid.visibleColumns())
        fields << c.field;
    EXPECT_EQ(fields, (QStringList{QStringLiteral("BillSerial"), QStringLiteral("BillRoomName"),
                                   QStringLiteral("BillCreateTime"), QStringLiteral("BillTotalCost")}));
}

TEST(DataGrid, ADoubleClickOrEnterRunsTheRowActionOnce)
{
    TestVenue v;
    Query q(v.db());
    DataGrid grid;
    showBills(v, q, grid, 4);
    grid.resize(500, 300);
    grid.show();
    QSignalSpy actions(&grid, &DataGrid::rowActivated);
    EXPECT_EQ(test::doubleClickRow(grid.view(), 2), 0);
    ASSERT_EQ(actions.count(), 1) << "one double-click, one action";
    EXPECT_EQ(actions.at(0).at(0).toInt(), 2);
    EXPECT_EQ(grid.currentRow(), 2);
    QTest::keyClick(grid.view(), Qt::Key_Return);
    ASSERT_EQ(actions.count(), 2) << "Enter opens the current row once";
    EXPECT_EQ(actions.at(1).at(0).toInt(), 2);
}

TEST(DataGrid, ColumnsFitWhatTheyShowAndKeepAWidthThePersonDragsUntilTheWindowCloses)
{
    TestVenue v;
    Query q(v.db());
    QWidget window;
    auto* grid = new DataGrid(&window);
    grid->resize(700, 300);
    showBills(v, q, *grid, 4);
    window.resize(700, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTableView* view = grid->view();
    QHeaderView* header = view->horizontalHeader();
    const QFontMetrics cells(view->font()), titles(header->font());
    const int time = grid->columnOf(QStringLiteral("BillCreateTime"));
    for (int c = 0; c < grid->model()->columnCount(); ++c) {
        if (view->isColumnHidden(c))
            continue;
        EXPECT_GE(view->columnWidth(c), kBillColumns[c].width) << "the given width is the least";
        EXPECT_GT(view->columnWidth(c), titles.horizontalAdvance(kBillColumns[c].title)) << c;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            EXPECT_GT(view->columnWidth(c), cells.horizontalAdvance(grid->model()->cellText(r, c))) << c << " " << r;
    }
    // The person drags the time column narrower by its right edge.
    const int edge = header->sectionViewportPosition(time) + header->sectionSize(time) - 1;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(edge, 5));
    QTest::mouseMove(header->viewport(), QPoint(edge - 60, 5));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(edge - 60, 5));
    const int dragged = view->columnWidth(time);
    ASSERT_LT(dragged, cells.horizontalAdvance(grid->model()->cellText(0, time)));
    grid->reload();
    EXPECT_EQ(view->columnWidth(time), dragged) << "kept while the window is open";
    window.hide();
    window.show();
    grid->reload();
    EXPECT_GT(view->columnWidth(time), cells.horizontalAdvance(grid->model()->cellText(0, time))) << "fits again";
}

QJsonArray readSheet(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import json,sys,openpyxl\n"
                            "ws=openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
                            "print(json.dumps([list(r) for r in ws.iter_rows(values_only=True)],ensure_ascii=False))"),
             path});
    p.waitForFinished(60000);
    return QJsonDocument::fromJson(p.readAllStandardOutput()).array();
}

TEST(GridExport, WritesTheVisibleColumnsSideBySideAndOpensTheFile)
{
    TestVenue v;
    Query q(v.db());
    DataGrid grid;
    showBills(v, q, grid, 3);
    grid.setFooterSum(QStringLiteral("BillTotalCost"));
    const Globals g = makeGlobals(v.dir(), QString(), QDate::currentDate());
    RecordingOpener opener;
    Platform platform{&v.prompt, nullptr, &opener};
    const QString path = ExportGridToExcel(grid, g.AppDir, platform);
    ASSERT_FALSE(path.isEmpty());
    EXPECT_TRUE(path.startsWith(v.dir() + QStringLiteral("导出/")));
    EXPECT_EQ(opener.opened, QStringList{path});
    const QJsonArray rows = readSheet(path);
    ASSERT_EQ(rows.size(), 6) << "the footer is no record: a sum in the sheet counts each amount once";
    EXPECT_EQ(rows[2].toArray().size(), 4) << "the hidden column is left out, no gap";
    EXPECT_EQ(rows[2].toArray()[2].toString(), QStringLiteral("结帐时间"));
    EXPECT_EQ(rows[3].toArray()[1].toString(), QStringLiteral("房1"));
    EXPECT_EQ(rows[3].toArray()[2].toString(), QStringLiteral("2024.03.15 10.01.00"));
    EXPECT_EQ(rows[5].toArray()[3].toDouble(), 4.5);

    // A list that is not open exports nothing, silently.
    q.close();
    EXPECT_TRUE(ExportGridToExcel(grid, g.AppDir, platform).isEmpty());
    EXPECT_TRUE(v.prompt.messages.isEmpty());
}

}  // namespace
