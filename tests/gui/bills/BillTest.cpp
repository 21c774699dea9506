// The bill window: a stored bill corrected through its buttons.
#include "core/data/Database.h"
#include "core/data/ShareDM.h"
#include "gui/app/Application.h"
#include "gui/app/MainForm.h"
#include "gui/bills/BillForm.h"
#include "gui/bookings/CostForm.h"
#include "gui/report/Report.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/ListPanel.h"
#include "gui/widgets/MomentPicker.h"
#include "tests/support/Gui.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/TestData.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

class Bills : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        // A bill whose stored consumption (9) no longer matches its entry (3).
        v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillRoomName, BillRoomType, BillRoomUser, BillRoomPrice, "
                              "BillBeginTime, BillEndTime, BillRoomCost, BillOtherCost, BillTotalCost, BillRemark) Values "
                              "('261210001', '羽毛球1号', '包场', '张三', 20, #2026-12-10 09:00:00#, #2026-12-10 10:00:00#, "
                              "20, 9, 29, '')"));
        v.exec(QStringLiteral("Insert Into Cost (CostRoom, CostReason, CostMoney, CostBill) Values ('羽毛球1号', '矿泉水', 3, 2)"));
    }
    TFormBill& bill()
    {
        TFormBill& b = app->form<TFormBill>();
        b.Mode = EditMode::Edit;
        b.EditIndex = 2;
        return b;
    }
    QString stored(const char* fields)
    {
        return v.row(QStringLiteral("Select %1 From Bill Where BillIndex = 2").arg(QLatin1String(fields)));
    }
};

TEST_F(Bills, ShowsTheEntriesSumAndCancelWritesNothing)
{
    test::onNextDialog<TFormBill>([](TFormBill* b) {
        EXPECT_EQ(b->field(QStringLiteral("OtherCost"))->text(), QStringLiteral("3"));
        EXPECT_EQ(b->field(QStringLiteral("Total"))->text(), QStringLiteral("23"));
        EXPECT_EQ(b->typeCombo()->currentText(), QStringLiteral("计次收费")) << "a word of neither type";
        EXPECT_EQ(b->consumption()->grid()->model()->rowCount(), 1);
        test::click(b, QStringLiteral("取消"));
    });
    EXPECT_EQ(bill().exec(), QDialog::Rejected);
    EXPECT_EQ(stored("BillOtherCost, BillTotalCost, BillRoomType"), QStringLiteral("9/29/包场"));
    EXPECT_FALSE(bill().Changed);
}

TEST_F(Bills, AnEntryAddedIsStoredInTheBillAtOnce)
{
    test::onNextDialog<TFormBill>([&](TFormBill* b) {
        test::onNextDialog<TFormCost>([](TFormCost* c) {
            EXPECT_EQ(c->roomEdit()->text(), QStringLiteral("羽毛球1号"));
            c->itemCombo()->setEditText(QStringLiteral("毛巾"));
            c->amountEdit()->setText(QStringLiteral("5.5"));
            test::click(c, QStringLiteral("确定"));
        });
        test::click(b, QStringLiteral("新增"));
        EXPECT_EQ(b->field(QStringLiteral("OtherCost"))->text(), QStringLiteral("8.5"));
        EXPECT_EQ(b->field(QStringLiteral("Total"))->text(), QStringLiteral("28.5"));
        test::click(b, QStringLiteral("取消"));
    });
    bill().exec();
    EXPECT_TRUE(bill().Changed);
    EXPECT_EQ(stored("BillOtherCost, BillTotalCost"), QStringLiteral("8.5/28.5")) << "kept though cancelled";
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Cost Where CostBill = 2")), QStringLiteral("2"));

    // Deleting the entry asks, then stores the totals again.
    test::onNextDialog<TFormBill>([&](TFormBill* b) {
        b->consumption()->grid()->setCurrentRow(1);
        prompt.setNextAnswer(true);
        test::click(b, QStringLiteral("删除"));
        EXPECT_EQ(prompt.titles.last(), QStringLiteral("删除警告"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("确实要删除该记录吗？"));
        test::click(b, QStringLiteral("取消"));
    });
    bill().exec();
    EXPECT_EQ(stored("BillOtherCost, BillTotalCost"), QStringLiteral("3/23"));
}

TEST_F(Bills, AnEntryAndTheBillsTotalsAreWrittenTogetherOrNotAtAll)
{
    Connection& c = app->dataModule().ADOConnection1;
    c.setWriteHook([](const QString& sql) {
        if (sql.startsWith(QStringLiteral("UPDATE Bill")))
            throw DbError(QStringLiteral("磁盘写入失败"));
    });
    test::onNextDialog<TFormBill>([&](TFormBill* b) {
        test::onNextDialog<TFormCost>([](TFormCost* cost) {
            cost->amountEdit()->setText(QStringLiteral("5.5"));
            test::click(cost, QStringLiteral("确定"));
            EXPECT_TRUE(cost->isVisible()) << "the entry window stays open";
            test::click(cost, QStringLiteral("取消"));
        });
        test::click(b, QStringLiteral("新增"));
        b->consumption()->grid()->setCurrentRow(0);
        prompt.setNextAnswer(true);
        test::click(b, QStringLiteral("删除"));
        test::click(b, QStringLiteral("取消"));
    });
    bill().exec();
    c.setWriteHook({});
    EXPECT_TRUE(prompt.messages.contains(QStringLiteral("数据库打开失败：磁盘写入失败")));
    EXPECT_TRUE(prompt.messages.last().startsWith(QStringLiteral("删除失败，没有改变任何记录")));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Cost Where CostBill = 2")), QStringLiteral("1")) << "no entry added, none deleted";
    EXPECT_EQ(stored("BillOtherCost, BillTotalCost"), QStringLiteral("9/29"));
}

TEST_F(Bills, SavingChecksTheAmountsThenWritesEveryField)
{
    test::onNextDialog<TFormBill>([&](TFormBill* b) {
        b->field(QStringLiteral("RoomCost"))->setText(QStringLiteral("2O"));
        test::click(b, QStringLiteral("确定"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("金额格式有误，请重新输入"));
        EXPECT_EQ(b->focusWidget(), b->field(QStringLiteral("RoomCost")));
        EXPECT_TRUE(b->isVisible());
        b->field(QStringLiteral("RoomCost"))->setText(QStringLiteral("1.2.3"));
        test::click(b, QStringLiteral("确定"));
        EXPECT_EQ(b->focusWidget(), b->field(QStringLiteral("RoomCost"))) << "digits and dots that are no amount";
        b->field(QStringLiteral("RoomCost"))->setText(QStringLiteral("25"));
        b->field(QStringLiteral("Total"))->setText(QStringLiteral("30"));  // typed, not fee + consumption
        b->field(QStringLiteral("User"))->setText(QStringLiteral("O'Brien"));
        b->endPicker()->setValue(QDateTime(QDate(2026, 12, 10), QTime(11, 30, 15)));
        test::click(b, QStringLiteral("确定"));
    });
    EXPECT_EQ(bill().exec(), QDialog::Accepted);
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("帐单修改成功"));
    EXPECT_TRUE(bill().Changed);
    EXPECT_EQ(stored("BillRoomUser, BillRoomCost, BillOtherCost, BillTotalCost, BillRoomType, BillEndTime"),
              QStringLiteral("O'Brien/25/3/30/计次收费/2026-12-10 11:30:15"));
}

TEST_F(Bills, TheTicketPrintsAgain)
{
    test::onNextDialog<TFormBill>([](TFormBill* b) {
        test::click(b, QStringLiteral("小票打印"));
        test::click(b, QStringLiteral("取消"));
    });
    bill().exec();
    ASSERT_EQ(printed.reports.size(), 1);
    const QStringList texts = printed.reports[0].texts();
    EXPECT_TRUE(texts.contains(QStringLiteral("单据编号：261210001")));
    EXPECT_TRUE(texts.contains(QStringLiteral("矿泉水")));
}

}  // namespace
