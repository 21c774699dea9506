// "经营报表" from the main window: the live room list and the bill list.
#include "gui/app/Application.h"
#include "gui/app/MainForm.h"
#include "gui/bills/ReportForm.h"
#include "gui/bookings/BookStateForm.h"
#include "gui/report/Report.h"
#include "gui/rooms/RoomForm.h"
#include "gui/rooms/RoomForm2.h"
#include "gui/rooms/RoomSearchForm.h"
#include "gui/widgets/DataGrid.h"
#include "tests/support/Gui.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/TestData.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

class Reports : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        const QDate today = QDate::currentDate();
        const QString last = QDate(today.year(), today.month(), today.daysInMonth()).toString(QStringLiteral("yyyy-MM-dd"));
        const QString first = QDate(today.year(), today.month(), 1).toString(QStringLiteral("yyyy-MM-dd"));
        v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState) Values ('羽毛球1号', '计时收费', '空闲')"));
        v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState, RoomBeginTime, RoomEndTime) Values "
                              "('O''Brien 场', '计次收费', '超时', #2026-12-10 09:00:00#, #2026-12-10 10:00:00#)"));
        v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillRoomName, BillBeginTime, BillTotalCost) Values ('B1', '羽毛球1号', #%1 15:00:00#, 10)").arg(last));
        v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillRoomName, BillBeginTime, BillTotalCost) Values ('B2', 'O''Brien 场', #%1#, 20)").arg(first));
        v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillRoomName, BillBeginTime, BillTotalCost) Values ('B3', '羽毛球1号', #2020-01-01 08:00:00#, 40)"));
    }
    QStringList column(DataGrid* g, int col)
    {
        QStringList out;
        for (int r = 0; r < g->model()->rowCount(); ++r)
            out << g->model()->cellText(r, col);
        return out;
    }
};

TEST_F(Reports, TheLauncherOpensThisMonthsBillsAndTheLiveRooms)
{
    test::onNextDialog<TFormReport>([&](TFormReport* w) {
        EXPECT_EQ(column(w->billGrid(), 1), (QStringList{QStringLiteral("B1"), QStringLiteral("B2")}))
            << "this month, 15:00 on its last day included";
        EXPECT_EQ(w->billGrid()->footerText(QStringLiteral("BillIndex")), QStringLiteral("2 记录"));
        EXPECT_EQ(w->billGrid()->footerText(QStringLiteral("BillTotalCost")), QStringLiteral("30.00"));
        EXPECT_EQ(column(w->roomGrid(), 2), (QStringList{QStringLiteral("-- -- --"), QStringLiteral("2026-12-10 09:00:00")}));
        EXPECT_EQ(w->roomGrid()->footerText(QStringLiteral("RoomIndex")), QStringLiteral("2 记录"));

        w->billSortCombo()->setCurrentText(QStringLiteral("按房名排序"));
        w->directionCombo()->setCurrentText(QStringLiteral("按降序排列"));
        EXPECT_EQ(w->billOrder(), QStringLiteral(" Order By BillRoomName Desc, BillIndex"));
        EXPECT_EQ(column(w->billGrid(), 2).first(), QStringLiteral("羽毛球1号"));

        // A room search, then the overtime filter after it.
        test::onNextDialog<TFormRoomSearch>([](TFormRoomSearch* s) {
            s->edit(0)->setText(QStringLiteral("O'Brien"));
            test::click(s, QStringLiteral("确定"));
        });
        test::click(w, QStringLiteral("房间查询"));
        w->stateCombo()->setCurrentText(QStringLiteral("显示超时房间"));
        EXPECT_EQ(column(w->roomGrid(), 1), QStringList{QStringLiteral("O'Brien 场")});
        w->stateCombo()->setCurrentText(QStringLiteral("显示空闲房间"));
        EXPECT_EQ(w->roomGrid()->model()->rowCount(), 0);

        test::click(w, QStringLiteral("导出Excel"));
        test::click(w, QStringLiteral("报表打印"));
        test::onNextDialog<TFormBookState>([](TFormBookState* c) { test::click(c, QStringLiteral("退出")); });
        test::click(w, QStringLiteral("预订状况"));
        test::click(w, QStringLiteral("退出窗口"));
    });
    test::click(&app->formMain(), QStringLiteral("经营报表"));
    EXPECT_EQ(opener.opened.size(), 1);
    ASSERT_EQ(printed.reports.size(), 1);
    EXPECT_TRUE(printed.reports[0].texts().contains(QStringLiteral("房间状况表"))) << "the tab in front prints its list";
}

TEST_F(Reports, ARoomDeletedFromHereLeavesTheListAndTheBoard)
{
    app->formMain().RefreshBoard();
    EXPECT_EQ(app->formMain().countLabel(4)->text(), QStringLiteral("合计：2"));
    test::onNextDialog<TFormReport>([&](TFormReport* w) {
        EXPECT_EQ(test::doubleClickRow<TFormRoom>(w->roomGrid()->view(), 0,
                                                  [&](TFormRoom* room) {
                                                      test::onNextDialog<TFormRoom2>([&](TFormRoom2* info) {
                                                          prompt.setNextAnswer(true);
                                                          test::click(info, QStringLiteral("房间删除"));
                                                      });
                                                      test::click(room, QStringLiteral("资料修改"));
                                                  }),
                  1);
        EXPECT_EQ(w->roomGrid()->model()->rowCount(), 1);
        EXPECT_TRUE(w->Changed);
        test::click(w, QStringLiteral("退出窗口"));
    });
    test::click(&app->formMain(), QStringLiteral("经营报表"));
    EXPECT_EQ(app->formMain().countLabel(4)->text(), QStringLiteral("合计：1"));
}

}  // namespace
