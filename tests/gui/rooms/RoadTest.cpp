// One timing task from the first click to the printed ticket, through the
// real windows on the offscreen platform.
#include "core/config/Options.h"
#include "core/data/ShareDM.h"
#include "core/rooms/RoomTask.h"
#include "gui/admin/SettingForm.h"
#include "gui/app/Application.h"
#include "gui/app/MainForm.h"
#include "gui/bookings/BookForm.h"
#include "gui/bookings/BookTab.h"
#include "gui/bookings/CostForm.h"
#include "gui/bookings/CostTab.h"
#include "gui/report/Report.h"
#include "gui/rooms/RoomForm.h"
#include "gui/rooms/RoomForm2.h"
#include "gui/rooms/RoomTile.h"
#include "gui/widgets/DataGrid.h"
#include "tests/support/FixedClock.h"
#include "tests/support/Gui.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/TestData.h"

#include <QComboBox>
#include <QSpinBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QApplication>
#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class Road : public test::ProgramTest {
protected:
    // The venue's day, whatever the machine's date.
    test::FixedClock clock{QDateTime(QDate(2026, 3, 15), QTime(9, 30, 0))};

    void addRoom(const QString& name, const QString& type, const QString& price)
    {
        TFormRoom2& f = app->form<TFormRoom2>();
        f.Mode = EditMode::New;
        f.prepare();
        EXPECT_EQ(f.windowTitle(), QStringLiteral("房间信息（新增）"));
        f.nameEdit()->setText(name);
        f.typeCombo()->setCurrentText(type);
        f.priceEdit()->setText(price);
        test::click(&f, QStringLiteral("确定"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("记录新增成功"));
        app->formMain().RefreshBoard();
    }
};

TEST_F(Road, StartConsumeOvertimeSettleAndPrint)
{
    TFormMain& board = app->formMain();
    addRoom(QStringLiteral("羽毛球1号"), QStringLiteral("计时收费"), QStringLiteral("20"));
    ASSERT_TRUE(board.tile(0)->isVisibleTo(&board));
    EXPECT_EQ(board.tile(0)->nameLabel()->text(), QStringLiteral("羽毛球1号"));
    EXPECT_EQ(board.tile(0)->timeLabel()->text(), QStringLiteral("空闲"));
    EXPECT_EQ(board.countLabel(0)->text(), QStringLiteral("空闲：1"));

    // Start timing from 10:00 to 11:00 today.
    TFormRoom& room = app->form<TFormRoom>();
    room.OpenRoomIndex = board.tileSlots()[0].roomIndex;
    const QDate today = Clock::today();
    room.prepare(QDateTime(today, QTime(10, 0, 0)));
    EXPECT_EQ(room.stateCaption(), QStringLiteral("当前状态：空闲"));
    EXPECT_EQ(room.beginButton()->text(), QStringLiteral("开始计时"));
    EXPECT_TRUE(room.billButton()->isHidden());
    EXPECT_EQ(room.priceLabel()->text(), QStringLiteral("20 元/小时"));
    EXPECT_EQ(room.lengthLabel()->text(), QStringLiteral("1:00:00"));
    EXPECT_EQ(room.roomFeeEdit()->text(), QStringLiteral("20.00"));
    room.customerEdit()->setText(QStringLiteral("张三"));
    test::click(&room, room.beginButton()->text());
    EXPECT_EQ(room.result(), QDialog::Accepted);
    board.RefreshBoard();
    EXPECT_EQ(board.countLabel(2)->text(), QStringLiteral("占用：1"));

    // A drink on the consumption tab.
    TFormCost& cost = app->form<TFormCost>();
    cost.Mode = EditMode::New;
    cost.NewRoomName = QStringLiteral("羽毛球1号");
    cost.NewCostBill = 0;
    cost.prepare();
    cost.itemCombo()->setCurrentText(QStringLiteral("运动饮料"));
    EXPECT_EQ(cost.amountEdit()->text(), QStringLiteral("6")) << "the catalogue price";
    test::click(&cost, QStringLiteral("确定"));
    EXPECT_EQ(cost.result(), QDialog::Accepted);

    // The countdown passes the planned end: overtime, a ring.
    board.Tick(QDateTime(today, QTime(10, 59, 0)));
    EXPECT_EQ(board.tile(0)->timeLabel()->text(), QStringLiteral("00:01:00"));
    EXPECT_EQ(board.countLabel(3)->text(), QStringLiteral("超时：0"));
    board.Tick(QDateTime(today, QTime(11, 0, 5)));
    EXPECT_EQ(board.tile(0)->timeLabel()->text(), QStringLiteral("+ 00:00:05"));
    EXPECT_EQ(board.countLabel(2)->text(), QStringLiteral("占用：0")) << "the counts follow the countdown's write";
    EXPECT_EQ(board.countLabel(3)->text(), QStringLiteral("超时：1"));
    EXPECT_EQ(board.tile(0)->pictureFile(), QStringLiteral("Res/Ring64.jpg"));
    EXPECT_EQ(sound.played.size(), 1);
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomState From Room Where RoomIndex = 2")), QStringLiteral("超时"));

    // Settle it.
    room.prepare(QDateTime(today, QTime(11, 0, 10)));
    EXPECT_EQ(room.stateCaption(), QStringLiteral("当前状态：超时"));
    EXPECT_EQ(room.beginButton()->text(), QStringLiteral("调整计时"));
    EXPECT_FALSE(room.billButton()->isHidden());
    EXPECT_EQ(room.otherCostEdit()->text(), QStringLiteral("6.00"));
    EXPECT_EQ(room.totalEdit()->text(), QStringLiteral("26.00"));
    DataGrid* costs = room.costTab()->grid();
    EXPECT_EQ(costs->footerText(QStringLiteral("CostIndex")), QStringLiteral("共1条"));
    EXPECT_EQ(costs->footerText(QStringLiteral("CostMoney")), QStringLiteral("6.00"));
    EXPECT_EQ(costs->footerColor(QStringLiteral("CostMoney")), QColor(Qt::blue));
    prompt.setNextAnswer(true);
    test::click(&room, QStringLiteral("埋单结帐"));
    EXPECT_EQ(room.result(), QDialog::Accepted);
    EXPECT_EQ(prompt.titles.last(), QStringLiteral("操作确认"));

    const QString serial = today.toString(QStringLiteral("yyMMdd")) + QStringLiteral("001");
    EXPECT_EQ(v.row(QStringLiteral("Select BillSerial, BillRoomName, BillRoomUser, BillRoomCost, BillOtherCost, BillTotalCost From Bill Where BillIndex = 2")),
              serial + QStringLiteral("/羽毛球1号/张三/20/6/26"));
    EXPECT_EQ(v.row(QStringLiteral("Select MoneyAccount, MoneySum From MoneyTable Where MoneyRemark = '对应单据：") + serial + QStringLiteral("'")),
              QStringLiteral("2/26"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Cost Where CostBill = 2")), QStringLiteral("1"));
    board.RefreshBoard();
    EXPECT_EQ(board.tile(0)->timeLabel()->text(), QStringLiteral("空闲"));
    EXPECT_EQ(board.countLabel(0)->text(), QStringLiteral("空闲：1"));

    // The ticket, read back from the PDF it printed.
    ASSERT_EQ(printed.files.size(), 1);
    const QString text = pdfText(printed.files[0]);
    for (const QString& s : QStringList{serial, QStringLiteral("羽毛球1号"), QStringLiteral("张三"), QStringLiteral("运动饮料"),
                             QStringLiteral("6.00"), QStringLiteral("20.00"), QStringLiteral("26.00"),
                             today.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 10:00:00"),
                             today.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 11:00:00")})
        EXPECT_TRUE(text.contains(s)) << s.toStdString() << "\n" << text.toStdString();

    // After checkout the room's consumption list is empty.
    room.prepare(QDateTime(today, QTime(12, 0, 0)));
    EXPECT_EQ(room.otherCostEdit()->text(), QStringLiteral("0.00"));
}

TEST_F(Road, ARenameFromTheRoomWindowCarriesIntoItsTabsAndCheckout)
{
    addRoom(QStringLiteral("网球1号"), QStringLiteral("计次收费"), QStringLiteral("30"));
    TFormRoom& room = app->form<TFormRoom>();
    room.OpenRoomIndex = 2;
    room.prepare();
    room.customerEdit()->setText(QStringLiteral("李四"));
    test::click(&room, QStringLiteral("开始计时"));
    room.prepare();
    auto addDrink = [&] {
        test::onNextDialog<TFormCost>([](TFormCost* c) {
            c->itemCombo()->setCurrentText(QStringLiteral("运动饮料"));
            test::click(c, QStringLiteral("确定"));
        });
        room.costTab()->NewRecord();
    };
    addDrink();
    EXPECT_EQ(room.otherCostEdit()->text(), QStringLiteral("6.00"));

    // "资料修改": the room gets a new name.
    test::onNextDialog<TFormRoom2>([](TFormRoom2* f) {
        f->nameEdit()->setText(QStringLiteral("网球中心场"));
        test::click(f, QStringLiteral("确定"));
    });
    test::click(&room, QStringLiteral("资料修改"));
    EXPECT_EQ(room.nameLabel()->text(), QStringLiteral("网球中心场"));
    EXPECT_EQ(room.otherCostEdit()->text(), QStringLiteral("6.00")) << "the open entry follows the room";

    addDrink();
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Cost Where CostRoom = '网球中心场' And CostBill = 0")),
              QStringLiteral("2"));
    EXPECT_EQ(room.otherCostEdit()->text(), QStringLiteral("12.00"));
    EXPECT_EQ(room.costTab()->grid()->footerText(QStringLiteral("CostIndex")), QStringLiteral("共2条"));

    test::onNextDialog<TFormBook>([](TFormBook* b) {
        EXPECT_EQ(b->roomEdit()->text(), QStringLiteral("网球中心场"));
        b->setBegin(QDateTime(Clock::today().addDays(1), QTime(9, 0)));
        b->setEnd(QDateTime(Clock::today().addDays(1), QTime(10, 0)));
        test::click(b, QStringLiteral("确定"));
    });
    room.bookTab()->NewRecord();
    EXPECT_EQ(v.scalar(QStringLiteral("Select BookRoom From Book Where BookIndex > 1")), QStringLiteral("网球中心场"));

    prompt.setNextAnswer(true);
    test::click(&room, QStringLiteral("埋单结帐"));
    EXPECT_EQ(v.row(QStringLiteral("Select BillRoomName, BillOtherCost, BillTotalCost From Bill Where BillIndex = 2")),
              QStringLiteral("网球中心场/12/42"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Cost Where CostBill = 2")), QStringLiteral("2"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Cost Where CostBill = 0")), QStringLiteral("0"));
}

TEST_F(Road, TheRoomWindowFitsEachRoomAtEachShowing)
{
    addRoom(QStringLiteral("羽毛球馆东区靠窗一号场地含灯光与空调设施可供团体包场使用的大型场地（北门入口）"),
            QStringLiteral("计时收费"), QStringLiteral("20"));
    addRoom(QStringLiteral("乒乓1号"), QStringLiteral("计次收费"), QStringLiteral("10"));
    TFormRoom& room = app->form<TFormRoom>();
    QSize longName, perUse;
    int rowGap = 0;
    for (int index : {2, 3}) {
        room.OpenRoomIndex = index;
        test::onNextDialog<TFormRoom>([&](TFormRoom* w) {
            QApplication::processEvents();
            (index == 2 ? longName : perUse) = w->size();
            if (index == 3)
                rowGap = w->roomFeeEdit()->geometry().top() - w->customerEdit()->geometry().bottom();
            w->reject();
        });
        room.exec();
    }
    EXPECT_LE(longName.width(), 800) << "a long name wraps";
    EXPECT_EQ(perUse, QSize(640, 420)) << "the next room does not keep what the long name needed";
    EXPECT_LT(rowGap, 24) << "the per-use room's rows stay together where its time rows are hidden";
}

TEST_F(Road, TheBoardFollowsARuleWithoutBeingAsked)
{
    addRoom(QStringLiteral("壁球馆"), QStringLiteral("计次收费"), QStringLiteral("30"));
    TFormMain& board = app->formMain();
    EXPECT_EQ(board.countLabel(2)->text(), QStringLiteral("占用：0"));
    RoomTasks tasks(app->dataModule(), app->context().options());
    const QDateTime now = Clock::now();
    ASSERT_TRUE(tasks.startOrAdjust(2, {QStringLiteral("顾客"), now, now.addSecs(3600)}).saved);
    EXPECT_EQ(board.countLabel(2)->text(), QStringLiteral("占用：1")) << "no RefreshBoard called";
}

TEST_F(Road, NoTicketWhenTheSettingSaysSo)
{
    addRoom(QStringLiteral("台球A"), QStringLiteral("计次收费"), QStringLiteral("15"));
    Options(app->globals().IniFileName, v.dir()).write(opt::TicketPrint, QStringLiteral("结帐时不打印小票"));
    TFormRoom& room = app->form<TFormRoom>();
    room.OpenRoomIndex = 2;
    room.prepare();
    EXPECT_EQ(room.roomFeeEdit()->text(), QStringLiteral("15.00"));
    EXPECT_EQ(room.lengthLabel()->text(), QStringLiteral("（计次收费）"));
    EXPECT_TRUE(room.lengthLabel()->isHidden());
    test::click(&room, room.beginButton()->text());
    room.prepare();
    prompt.setNextAnswer(false);
    test::click(&room, QStringLiteral("埋单结帐"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Bill Where BillIndex > 1")), QStringLiteral("0")) << "No writes nothing";
    prompt.setNextAnswer(true);
    test::click(&room, QStringLiteral("埋单结帐"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select BillRoomCost From Bill Where BillIndex > 1")), QStringLiteral("15"));
    EXPECT_TRUE(printed.files.isEmpty());
}

TEST_F(Road, TimeMenuSetsThePlannedLength)
{
    addRoom(QStringLiteral("篮球场"), QStringLiteral("计时收费"), QStringLiteral("20"));
    TFormRoom& room = app->form<TFormRoom>();
    room.OpenRoomIndex = 2;
    room.prepare(QDateTime(QDate(2026, 3, 1), QTime(23, 30, 0)));
    EXPECT_EQ(room.end(), QDateTime(QDate(2026, 3, 2), QTime(0, 30, 0))) << "the hour crosses midnight";
    EXPECT_EQ(room.roomFeeEdit()->text(), QStringLiteral("20.00"));
    room.timeMenu()->actions()[3]->trigger();  // "+ 1:00:00"
    EXPECT_EQ(room.end(), QDateTime(QDate(2026, 3, 2), QTime(0, 30, 0)));
    room.setEnd(QDateTime(QDate(2026, 3, 1), QTime(0, 0, 0)));
    room.timeMenu()->actions()[3]->trigger();
    EXPECT_EQ(room.lengthLabel()->text(), QStringLiteral("- 23:00:00")) << "the end date is not moved";
    test::click(&room, room.beginButton()->text());
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("结束时间 不得小于 开始时间"));
    room.timeMenu()->actions()[7]->trigger();  // "+ 5:00:00"
    room.setEnd(QDateTime(QDate(2026, 3, 2), QTime(4, 30, 0)));
    EXPECT_EQ(room.lengthLabel()->text(), QStringLiteral("5:00:00"));
    EXPECT_EQ(room.roomFeeEdit()->text(), QStringLiteral("100.00"));
    // The fee box can be typed over; the total follows.
    room.roomFeeEdit()->setText(QStringLiteral("80"));
    emit room.roomFeeEdit()->textEdited(QStringLiteral("80"));
    EXPECT_EQ(room.totalEdit()->text(), QStringLiteral("80.00"));
}

TEST_F(Road, CancelKeepsNoBill)
{
    addRoom(QStringLiteral("乒乓球桌"), QStringLiteral("计时收费"), QStringLiteral("10"));
    TFormRoom& room = app->form<TFormRoom>();
    room.OpenRoomIndex = 2;
    room.prepare();
    test::click(&room, room.beginButton()->text());
    room.prepare();
    prompt.setNextAnswer(true);
    test::click(&room, QStringLiteral("取消任务"));
    EXPECT_EQ(prompt.titles.last(), QStringLiteral("取消确认"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomState From Room Where RoomIndex = 2")), QStringLiteral("空闲"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Bill Where BillIndex > 1")), QStringLiteral("0"));
}

TEST_F(Road, ConsumptionAmountsAreChecked)
{
    addRoom(QStringLiteral("羽毛球2号"), QStringLiteral("计时收费"), QStringLiteral("20"));
    TFormCost& cost = app->form<TFormCost>();
    cost.Mode = EditMode::New;
    cost.NewRoomName = QStringLiteral("羽毛球2号");
    cost.prepare();
    EXPECT_EQ(cost.itemCombo()->currentText(), QStringLiteral("矿泉水"));
    EXPECT_EQ(cost.amountEdit()->text(), QStringLiteral("3"));
    for (const char* bad : {"-3", "3a", "", "1.2.3"}) {
        cost.amountEdit()->setText(QString::fromUtf8(bad));
        test::click(&cost, QStringLiteral("确定"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("消费金额格式有误，请重新输入")) << bad;
    }
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Cost")), QStringLiteral("0"));
    // A new item with its price goes into the catalogue.
    cost.itemCombo()->setEditText(QStringLiteral("护腕"));
    cost.amountEdit()->setText(QStringLiteral("8.5"));
    test::click(&cost, QStringLiteral("保存"));
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("项目保存成功"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select CostReasonPrice From CostReason Where CostReasonName = '护腕'")), QStringLiteral("8.5"));
    cost.amountEdit()->setText(QStringLiteral("0"));
    test::click(&cost, QStringLiteral("确定"));
    EXPECT_EQ(v.row(QStringLiteral("Select CostReason, CostMoney, CostBill From Cost")), QStringLiteral("护腕/0/0"));
}

}  // namespace

namespace {

TEST_F(Road, LargeLayoutShowsThirtySixTilesSmallEighteen)
{
    for (int i = 1; i <= 20; ++i)
        v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState) Values ('场地%1', '计时收费', '空闲')").arg(i));
    TFormMain& board = app->formMain();
    board.RefreshBoard();
    EXPECT_TRUE(board.tile(17)->isVisibleTo(&board));
    EXPECT_FALSE(board.tile(18)->isVisibleTo(&board));
    EXPECT_TRUE(board.nextButton()->isEnabled());
    board.NextPage();
    EXPECT_EQ(board.tile(0)->nameLabel()->text(), QStringLiteral("场地19"));
    EXPECT_FALSE(board.tile(2)->isVisibleTo(&board));
    EXPECT_TRUE(board.priorButton()->isEnabled());
    board.PriorPage();
    board.ArrangeTiles(true);
    EXPECT_TRUE(board.tile(19)->isVisibleTo(&board));
    EXPECT_FALSE(board.tile(20)->isVisibleTo(&board));
    EXPECT_FALSE(board.nextButton()->isEnabled());
    EXPECT_EQ(board.tile(4)->pos(), QPoint(16, 88)) << "four columns";
    board.filterCombo()->setCurrentText(QStringLiteral("超时房间"));
    EXPECT_FALSE(board.placeholder()->isHidden());
    EXPECT_FALSE(board.tile(0)->isVisibleTo(&board));
    EXPECT_EQ(board.countLabel(4)->text(), QStringLiteral("合计：20"));
}

TEST_F(Road, ResizingPicksTheLayoutAndKeepsTheLargeBoardsSize)
{
    TFormMain& board = app->formMain();
    board.show();
    board.resize(1300, 900);
    QCoreApplication::processEvents();
    EXPECT_EQ(board.size(), QSize(1028, 745));
    EXPECT_EQ(board.tile(4)->pos(), QPoint(16, 88)) << "four columns";
    board.resize(827, 535);
    QCoreApplication::processEvents();
    EXPECT_EQ(board.size(), QSize(827, 535));
    EXPECT_NE(board.tile(4)->pos(), QPoint(16, 88)) << "back to three columns";
    board.hide();
}

}  // namespace

// Overtime at checkout, as "超时计费" and its grace say: billed to the
// planned end (the setting off, within the grace, or the question answered
// No) or to the moment of checkout, every begun hour of the actual length.
TEST_F(Road, OvertimeIsChargedToTheCheckoutWhenTheVenueChoseSo)
{
    addRoom(QStringLiteral("羽毛球1号"), QStringLiteral("计时收费"), QStringLiteral("20"));
    const Options o(app->globals().IniFileName, v.dir());
    o.write(opt::TicketPrint, QStringLiteral("结帐时不打印小票"));
    const struct {
        const char* name;
        const char* charge;  // nullptr: no setting
        int grace;
        int answer;  // to "是否按实际时长计费？": -1 not asked
        const char* end;
        const char* fee;
    } cases[] = {
        {"no setting: the planned end", nullptr, 0, -1, "2026-03-15 10:30:00", "20"},
        {"不计费", "不计费", 0, -1, "2026-03-15 10:30:00", "20"},
        {"charged: 9:30 to 11:40, three begun hours", "按实际时长计费", 0, -1, "2026-03-15 11:40:00", "60"},
        {"70 minutes over, within 90 of grace", "按实际时长计费", 90, -1, "2026-03-15 10:30:00", "20"},
        {"asked, Yes", "询问", 0, 1, "2026-03-15 11:40:00", "60"},
        {"asked, No", "询问", 0, 0, "2026-03-15 10:30:00", "20"},
    };
    TFormRoom& room = app->form<TFormRoom>();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.charge) {
            TFormSetting& s = app->form<TFormSetting>();
            s.prepare();
            s.combo("超时计费")->setCurrentText(QString::fromUtf8(c.charge));
            s.graceBox()->setValue(c.grace);
            test::click(qobject_cast<QWidget*>(s.graceBox()->parent()), QStringLiteral("确定"));
            EXPECT_EQ(o.read(opt::OvertimeCharge), QString::fromUtf8(c.charge));
        }
        clock.set(QDateTime(QDate(2026, 3, 15), QTime(9, 30, 0)));
        room.OpenRoomIndex = 2;
        room.prepare(Clock::now());
        test::click(&room, QStringLiteral("开始计时"));
        v.exec(QStringLiteral("Update Room Set RoomState = '超时' Where RoomIndex = 2"));
        clock.set(QDateTime(QDate(2026, 3, 15), QTime(11, 40, 0)));
        room.prepare(Clock::now());
        EXPECT_EQ(room.stateCaption(), c.charge && QString::fromUtf8(c.charge) != QStringLiteral("不计费")
                                           ? QStringLiteral("当前状态：超时（已超时1小时10分）")
                                           : QStringLiteral("当前状态：超时"));
        const int asked = prompt.messages.size();
        if (c.answer >= 0)
            prompt.setNextAnswer(c.answer == 1);
        prompt.setNextAnswer(true);  // 您确定要埋单结帐吗？
        test::click(&room, QStringLiteral("埋单结帐"));
        ASSERT_EQ(prompt.messages.size(), asked + (c.answer >= 0 ? 2 : 1)) << prompt.messages.join(QLatin1Char('\n')).toStdString();
        if (c.answer >= 0) {
            EXPECT_EQ(prompt.messages[asked], QStringLiteral("该房间已超时1小时10分，是否按实际时长计费？"));
        }
        EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Bill Where BillIndex > 1 And BillRoomCost = %1").arg(QString::fromUtf8(c.fee))),
                  QStringLiteral("1"));
        const QString bill = v.row(QStringLiteral("Select BillEndTime, BillRoomCost, BillTotalCost From Bill Where BillIndex = "
                                                  "(Select Max(BillIndex) From Bill)"));
        EXPECT_EQ(bill, QString::fromUtf8(c.end) + QLatin1Char('/') + QString::fromUtf8(c.fee) + QLatin1Char('/') + QString::fromUtf8(c.fee));
        EXPECT_EQ(v.scalar(QStringLiteral("Select MoneySum From MoneyTable Where MoneyIndex = (Select Max(MoneyIndex) From MoneyTable)")),
                  QString::fromUtf8(c.fee));
        v.exec(QStringLiteral("Delete From MoneyTable Where MoneyIndex > 1"));
        v.exec(QStringLiteral("Delete From Bill Where BillIndex > 1"));
    }
}
