// Every list that opens a record does so once per double-click of the real
// mouse: after the window it opened closes (also after a save or a delete),
// no second window comes up on whatever row is current then.
#include "gui/app/Application.h"
#include "gui/app/MainForm.h"
#include "gui/bills/BillForm.h"
#include "gui/bills/BillReportForm.h"
#include "gui/bills/ReportForm.h"
#include "gui/bookings/BookForm.h"
#include "gui/bookings/BookTab.h"
#include "gui/bookings/CostForm.h"
#include "gui/finance/ChoseForm.h"
#include "gui/finance/FinanceForm.h"
#include "gui/finance/GetPay2Form.h"
#include "gui/finance/GetPay4Form.h"
#include "gui/finance/GetPayForm.h"
#include "gui/finance/GetPayList.h"
#include "gui/finance/MakeReportForm.h"
#include "gui/finance/MoneyGrid.h"
#include "gui/rooms/RoomForm.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/ListPanel.h"
#include "tests/support/Gui.h"
#include "tests/support/MoneyRows.h"
#include "tests/support/ProgramTest.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QRegularExpression>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace velbrisk;

namespace {

class Lists : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState) Values ('羽毛球1号', '计时收费', '空闲')"));
        v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState) Values ('羽毛球2号', '计时收费', '空闲')"));
        for (const char* serial : {"B1", "B2"})
            v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillRoomName, BillBeginTime, BillEndTime, BillTotalCost) "
                                  "Values ('%1', '羽毛球1号', #%2 09:00:00#, #%2 10:00:00#, 10)")
                       .arg(QLatin1String(serial), today));
        v.exec(QStringLiteral("Insert Into Cost (CostRoom, CostReason, CostMoney, CostBill) Values ('羽毛球1号', '矿泉水', 3, 2)"));
        v.exec(QStringLiteral("Insert Into Cost (CostRoom, CostReason, CostMoney, CostBill) Values ('羽毛球1号', '毛巾', 5, 2)"));
        v.exec(QStringLiteral("Insert Into Book (BookRoom, BookRemark, BookBeginTime, BookEndTime) Values "
                              "('羽毛球1号', '甲', #%1 18:00:00#, #%1 19:00:00#)").arg(today));
        v.exec(QStringLiteral("Insert Into Book (BookRoom, BookRemark, BookBeginTime, BookEndTime) Values "
                              "('羽毛球1号', '乙', #%1 19:00:00#, #%1 20:00:00#)").arg(today));
        v.exec(QStringLiteral("Insert Into GetPay (GetPayTime, GetPayUser, GetPayKind, GetPaySum, GetPaySum2, GetPaySum3) "
                              "Values (#%1#, 'O''Brien', '应收', 500, 0, 500)").arg(today));
        v.exec(QStringLiteral("Insert Into GetPay (GetPayTime, GetPayUser, GetPayKind, GetPaySum, GetPaySum2, GetPaySum3) "
                              "Values (#%1#, 'O''Brien', '应收', 300, 0, 300)").arg(today));
        for (double sum : {100.0, 50.0})
            test::addMoney(v, {2, today, sum, QStringLiteral("O'Brien"), QStringLiteral("销售收入"), 2});
    }
    void openFinance(int tab, std::function<void(TFormFinance*)> act)
    {
        test::onNextDialog<TFormChose>([](TFormChose* c) { QTest::mouseClick(c->books()[0], Qt::LeftButton); });
        test::onNextDialog<TFormFinance>([tab, act](TFormFinance* f) {
            f->tabs()->setCurrentIndex(tab);
            act(f);
            test::click(f, QStringLiteral("退出"));
        });
        test::click(&app->formMain(), QStringLiteral("财务管理"));
    }
    int rows(const QString& table) { return v.scalar(QStringLiteral("Select Count(*) From ") + table).toInt(); }
};

TEST_F(Lists, TheReportsWindowsRoomsAndBillsOpenOneWindow)
{
    test::onNextDialog<TFormReport>([&](TFormReport* w) {
        EXPECT_EQ(test::doubleClickRow<TFormRoom>(w->roomGrid()->view(), 1), 1);
        // "帐单修改成功", then the list reloads on another current bill.
        EXPECT_EQ(test::doubleClickRow<TFormBill>(w->billGrid()->view(), 1,
                                                  [](TFormBill* b) { test::click(b, QStringLiteral("确定")); }),
                  1);
        EXPECT_EQ(prompt.messages.count(QStringLiteral("帐单修改成功")), 1);
        test::click(w, QStringLiteral("退出窗口"));
    });
    test::click(&app->formMain(), QStringLiteral("经营报表"));
}

TEST_F(Lists, TheStatusReportAndABillsConsumptionOpenOneWindow)
{
    TFormBillReport& r = app->form<TFormBillReport>();
    r.byRecordButton()->setChecked(true);
    test::onNextDialog<TFormBillReport>([&](TFormBillReport* w) {
        EXPECT_EQ(test::doubleClickRow<TFormBill>(w->billGrid()->view(), 0,
                                                  [](TFormBill* b) {
                                                      DataGrid* entries = b->consumption()->grid();
                                                      ASSERT_EQ(entries->model()->rowCount(), 2);
                                                      EXPECT_EQ(test::doubleClickRow<TFormCost>(entries->view(), 0), 1);
                                                      test::click(b, QStringLiteral("取消"));
                                                  }),
                  1);
        test::click(w, QStringLiteral("退出"));
    });
    r.exec();
}

TEST_F(Lists, TheDayLedgerAndTheReportGridOpenOneVoucher)
{
    openFinance(0, [&](TFormFinance* f) {
        ASSERT_EQ(f->ledgerGrid()->model()->rowCount(), 2);
        // Deleting the voucher: no window then opens on the other one.
        EXPECT_EQ(test::doubleClickRow<TFormGetPay>(f->ledgerGrid()->view(), 0,
                                                    [&](TFormGetPay* g) {
                                                        prompt.setNextAnswer(true);
                                                        test::click(g, QStringLiteral("删除"));
                                                    }),
                  1);
        EXPECT_EQ(rows(QStringLiteral("MoneyTable")), 1);
        f->tabs()->setCurrentIndex(1);
        test::onNextDialog<TFormMakeReport>([](TFormMakeReport* s) { test::click(s, QStringLiteral("确定")); });
        test::click(f->reportGrid()->parentWidget(), QStringLiteral("生成报表"));
        ASSERT_EQ(f->reportGrid()->model()->rowCount(), 1);
        EXPECT_EQ(test::doubleClickRow<TFormGetPay>(f->reportGrid()->view(), 0), 1);
    });
}

TEST_F(Lists, ReceivablesTheirVouchersAndTheMatchingWindowActOnce)
{
    openFinance(2, [&](TFormFinance* f) {
        DataGrid* list = f->receivables()->grid();
        ASSERT_EQ(list->model()->rowCount(), 2);
        EXPECT_EQ(test::doubleClickRow<TFormGetPay2>(list->view(), 0,
                                                     [&](TFormGetPay2* w) {
                                                         ASSERT_EQ(w->grid()->model()->rowCount(), 2);
                                                         EXPECT_EQ(test::doubleClickRow<TFormGetPay>(w->grid()->view(), 0), 1);
                                                         test::click(w, QStringLiteral("取消"));
                                                     }),
                  1);
        // The matching window closes on the record double-clicked.
        test::onNextDialog<TFormGetPay>([&](TFormGetPay* g) {
            g->customerCombo()->setCurrentText(QStringLiteral("O'Brien"));
            g->amountEdit()->setText(QStringLiteral("20"));
            test::onNextDialog<TFormGetPay4>([](TFormGetPay4* m) {
                EXPECT_EQ(test::doubleClickRow(m->grid()->view(), 1), 0);
                EXPECT_FALSE(m->isVisible());
            });
            test::click(g, QStringLiteral("确定"));
        });
        test::click(f, QStringLiteral("收入"));
    });
    EXPECT_EQ(rows(QStringLiteral("MoneyTable Where MoneySum = 20 And MoneyGetPay > 1")), 1);
}

TEST_F(Lists, ARoomsBookingsOpenOneBooking)
{
    TFormRoom& room = app->form<TFormRoom>();
    room.OpenRoomIndex = 2;
    test::onNextDialog<TFormRoom>([&](TFormRoom* w) {
        DataGrid* bookings = w->bookTab()->grid();
        ASSERT_EQ(bookings->model()->rowCount(), 2);
        EXPECT_EQ(test::doubleClickRow<TFormBook>(bookings->view(), 0), 1);
        w->reject();
    });
    room.exec();
}

// The help page names buttons, tabs and windows as the program shows them.
TEST_F(Lists, TheHelpPageNamesWhatTheProgramShows)
{
    QStringList shown;
    auto collect = [&](QWidget* root) {
        QList<QWidget*> all = root->findChildren<QWidget*>();
        all << root;
        for (QWidget* w : all) {
            shown << w->windowTitle();
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                shown << b->text();
            if (auto* t = qobject_cast<QTabWidget*>(w))
                for (int i = 0; i < t->count(); ++i)
                    shown << t->tabText(i);
            if (auto* g = qobject_cast<QGroupBox*>(w))
                shown << g->title();
        }
    };
    collect(&app->formMain());
    // A room state, the folder of backups, and the face of "开始计时" while a
    // task runs.
    shown << QStringLiteral("超时") << QStringLiteral("数据库备份") << QStringLiteral("调整计时");
    QFile page(QStringLiteral(VELBRISK_SOURCE_DIR "/Res/Help.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    static const QRegularExpression quotedName(QStringLiteral("“([^”]+)”"));
    int names = 0;
    for (auto it = quotedName.globalMatch(html); it.hasNext(); ++names) {
        const QString name = it.next().captured(1);
        EXPECT_TRUE(shown.contains(name)) << name.toStdString() << " is no name the program shows";
    }
    EXPECT_GE(names, 10);
}

}  // namespace
