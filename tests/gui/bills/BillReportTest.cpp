// The business status report: by record and by room, its range, its export
// and print, the bill window from a double-click.
#include "gui/app/Application.h"
#include "gui/app/MainForm.h"
#include "gui/bills/BillForm.h"
#include "gui/bills/BillReportForm.h"
#include "gui/bills/BillSearchForm.h"
#include "gui/report/Report.h"
#include "gui/widgets/DataGrid.h"
#include "tests/support/Gui.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/TestData.h"

#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

class StatusReport : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        const QDate today = QDate::currentDate();
        const QString lastDay = QDate(today.year(), today.month(), today.daysInMonth()).toString(QStringLiteral("yyyy-MM-dd"));
        v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState) Values ('羽毛球1号', '计时收费', '空闲')"));
        v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState) Values ('空场', '计次收费', '空闲')"));
        v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillRoomName, BillBeginTime, BillRoomCost, BillOtherCost, BillTotalCost) "
                              "Values ('B1', '羽毛球1号', #%1 15:00:00#, 20.005, 0, 20.005)").arg(lastDay));
        v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillRoomName, BillBeginTime, BillRoomCost, BillOtherCost, BillTotalCost) "
                              "Values ('B2', '羽毛球1号', #2020-01-01 10:00:00#, 10.004, 2, 12.004)"));
    }
    TFormBillReport& report() { return app->form<TFormBillReport>(); }
};

TEST_F(StatusReport, ByRecordAndByRoomWithTheirFooters)
{
    TFormBillReport& r = report();
    test::onNextDialog<TFormBillReport>([&](TFormBillReport* w) {
        EXPECT_FALSE(w->billGrid()->isHidden());
        EXPECT_TRUE(w->roomGrid()->isHidden());
        EXPECT_EQ(w->billGrid()->model()->rowCount(), 2) << "every bill at first";
        EXPECT_EQ(w->billGrid()->footerText(QStringLiteral("BillBeginTime")), QStringLiteral("2 记录"));
        EXPECT_EQ(w->billGrid()->footerText(QStringLiteral("BillTotalCost")), QStringLiteral("32.01"));
        w->byRoomButton()->click();
        EXPECT_TRUE(w->billGrid()->isHidden());
        EXPECT_EQ(w->roomGrid()->model()->rowCount(), 2) << "a room without bills is listed";
        EXPECT_EQ(w->roomGrid()->model()->cellText(0, 3), QStringLiteral("30.01")) << "20.005 + 10.004, rounded";
        EXPECT_EQ(w->roomGrid()->model()->cellText(1, 5), QStringLiteral("0.00"));
        // This month: the bill at 15:00 on the month's last day is in; the empty room is not.
        test::click(w, QStringLiteral("当月记录"));
        EXPECT_EQ(w->roomGrid()->model()->rowCount(), 1);
        EXPECT_EQ(w->roomGrid()->model()->cellText(0, 3), QStringLiteral("20.00")) << "Jet rounds a tie to even";
        test::click(w, QStringLiteral("导出Excel"));
        test::click(w, QStringLiteral("打印报表"));
        test::click(w, QStringLiteral("退出"));
    });
    r.exec();
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(opener.opened[0].endsWith(QStringLiteral(".xlsx")));
    ASSERT_EQ(printed.reports.size(), 1);
    EXPECT_TRUE(printed.reports[0].texts().contains(QStringLiteral("经营状况报表（按房间）"))) << "the room view prints its own";
}

TEST_F(StatusReport, ACustomSearchAndADoubleClickToTheBill)
{
    TFormBillReport& r = report();
    r.byRecordButton()->setChecked(true);
    test::onNextDialog<TFormBillReport>([&](TFormBillReport* w) {
        test::onNextDialog<TFormBillSearch>([](TFormBillSearch* s) {
            s->edit(QStringLiteral("Serial"))->setText(QStringLiteral("B2"));
            test::click(s, QStringLiteral("确定"));
        });
        test::click(w, QStringLiteral("自定查询"));
        EXPECT_EQ(w->billGrid()->model()->rowCount(), 1);
        EXPECT_EQ(test::doubleClickRow<TFormBill>(w->billGrid()->view(), 0,
                                                  [](TFormBill* b) {
                                                      b->field(QStringLiteral("Total"))->setText(QStringLiteral("99"));
                                                      test::click(b, QStringLiteral("确定"));
                                                  }),
                  1);
        EXPECT_EQ(w->billGrid()->footerText(QStringLiteral("BillTotalCost")), QStringLiteral("99.00")) << "reloaded";
        test::click(w, QStringLiteral("退出"));
    });
    r.exec();
    EXPECT_TRUE(r.Changed);
    EXPECT_EQ(r.BillCondition, QStringLiteral(" And (InStr(BillSerial,'B2'))")) << "kept for the next showing";
}

}  // namespace
