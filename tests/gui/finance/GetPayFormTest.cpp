// The tab "应收应付": a receivable recorded, settled from its own window and
// from the finance window, listed three ways, printed, exported and deleted.
#include "gui/app/Application.h"
#include "gui/app/MainForm.h"
#include "gui/finance/ChoseForm.h"
#include "gui/finance/FinanceForm.h"
#include "gui/finance/GetPay2Form.h"
#include "gui/finance/GetPay3Form.h"
#include "gui/finance/GetPay4Form.h"
#include "gui/finance/GetPayForm.h"
#include "gui/finance/GetPayList.h"
#include "gui/finance/MoneyGrid.h"
#include "gui/report/Report.h"
#include "gui/widgets/DataGrid.h"
#include "tests/support/Gui.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/TestData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace velbrisk;

namespace {

class Receivables : public test::ProgramTest {
protected:
    void openFinance(std::function<void(TFormFinance*)> act)
    {
        test::onNextDialog<TFormChose>([](TFormChose* c) { QTest::mouseClick(c->books()[0], Qt::LeftButton); });
        test::onNextDialog<TFormFinance>([act](TFormFinance* f) {
            f->tabs()->setCurrentIndex(2);
            act(f);
            test::click(f, QStringLiteral("退出"));
        });
        test::click(&app->formMain(), QStringLiteral("财务管理"));
    }
    // Clicks a view choice on its round box, as a person would.
    static void choose(GetPayList* list, GetPayView view)
    {
        QRadioButton* b = list->viewButton(view);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    static QStringList row(DataGrid* g, int r)
    {
        QStringList out;
        for (int c = 0; c < g->model()->columnCount(); ++c)
            out << g->model()->cellText(r, c);
        return out;
    }
    // A new receivable of 500 for O'Brien with a voucher of 200 added before
    // "确定"; `finish` ends the record window (a button's text, or empty for
    // the window's close box).
    void newReceivableWithVoucher(GetPayList* list, const QString& finish)
    {
        test::onNextDialog<TFormGetPay2>([&, finish](TFormGetPay2* w) {
            EXPECT_EQ(w->windowTitle(), QStringLiteral("应收应付管理"));
            EXPECT_EQ(w->bannerFile(), QStringLiteral("Res/NewGet2.bmp"));
            EXPECT_EQ(w->amountLabel()->text(), QStringLiteral("应收金额"));
            EXPECT_EQ(w->figureTexts(), (QStringList{QStringLiteral("应收：0"), QStringLiteral("已收：0"), QStringLiteral("未收：0")}));
            w->customerCombo()->setCurrentText(QStringLiteral("O'Brien"));
            w->amountEdit()->setText(QStringLiteral("500"));
            test::onNextDialog<TFormGetPay>([](TFormGetPay* g) {
                EXPECT_EQ(g->customerCombo()->currentText(), QStringLiteral("O'Brien"));
                EXPECT_EQ(g->bannerFile(), QStringLiteral("Res/NewGet.bmp"));
                g->amountEdit()->setText(QStringLiteral("200"));
                test::click(g, QStringLiteral("确定"));  // linked already: no matching question
            });
            test::click(w, QStringLiteral("新增"));
            EXPECT_EQ(w->figureTexts(), (QStringList{QStringLiteral("应收：500"), QStringLiteral("已收：200"), QStringLiteral("未收：300")}));
            EXPECT_EQ(w->grid()->model()->rowCount(), 1);
            if (finish.isEmpty())
                w->close();
            else
                test::click(w, finish);
        });
        test::click(list, QStringLiteral("新增记录"));
    }
};

TEST_F(Receivables, RecordSettleListPrintExportDelete)
{
    openFinance([&](TFormFinance* f) {
        GetPayList* list = f->receivables();
        newReceivableWithVoucher(list, QStringLiteral("确定"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("记录新增成功"));
        ASSERT_EQ(list->grid()->model()->rowCount(), 1);

        // 100 more from the finance window's "收入", matched to it.
        test::onNextDialog<TFormGetPay>([](TFormGetPay* g) {
            g->customerCombo()->setCurrentText(QStringLiteral("O'Brien"));
            g->amountEdit()->setText(QStringLiteral("100"));
            test::onNextDialog<TFormGetPay4>([](TFormGetPay4* m) { test::click(m, QStringLiteral("确定")); });
            test::click(g, QStringLiteral("确定"));
        });
        test::click(f, QStringLiteral("收入"));
        const QStringList shown = row(list->grid(), 0);
        EXPECT_EQ(shown.mid(1, 4), (QStringList{QStringLiteral("O'Brien"), QStringLiteral("500"), QStringLiteral("300"), QStringLiteral("200")}));
        EXPECT_EQ(list->grid()->footerText(QStringLiteral("GetPayUser")), QStringLiteral("1 条记录"));
        EXPECT_EQ(list->grid()->footerText(QStringLiteral("GetPayTime")), QStringLiteral("合计"));
        EXPECT_EQ(list->grid()->footerColor(QStringLiteral("GetPaySum3")), QColor(Qt::red));
        EXPECT_EQ(f->ledgerGrid()->model()->rowCount(), 2) << "both vouchers in the day ledger";
        EXPECT_EQ(f->incomeLabel()->text(), QStringLiteral("共 2 笔～300 元"));

        // By customer and by date, each printed; the record buttons go, and
        // the view choice stays where it was.
        const QPoint viewsAt = list->viewButton(GetPayView::Customers)->mapTo(list, QPoint());
        choose(list, GetPayView::Customers);
        EXPECT_EQ(list->viewButton(GetPayView::Customers)->mapTo(list, QPoint()), viewsAt);
        EXPECT_EQ(row(list->grid(), 0), (QStringList{QStringLiteral("O'Brien"), QStringLiteral("500"), QStringLiteral("300"),
                                                      QStringLiteral("200"), QStringLiteral("1")}));
        for (QPushButton* b : list->findChildren<QPushButton*>())
            EXPECT_FALSE(b->text() == QStringLiteral("修改记录") && b->isVisible());
        test::click(list, QStringLiteral("打印记录"));
        choose(list, GetPayView::Dates);
        EXPECT_EQ(list->grid()->model()->rowCount(), 1);
        EXPECT_TRUE(list->grid()->footerText(QStringLiteral("GetPayUser")).isEmpty());
        test::click(list, QStringLiteral("打印记录"));
        test::click(list, QStringLiteral("导出"));
        ASSERT_FALSE(opener.opened.isEmpty());
        EXPECT_TRUE(opener.opened.last().endsWith(QStringLiteral(".xlsx")));
        EXPECT_TRUE(QFileInfo::exists(opener.opened.last()));

        // Back by record: delete it with its vouchers.
        choose(list, GetPayView::Records);
        ASSERT_EQ(list->view(), GetPayView::Records);
        list->grid()->setCurrentRow(0);
        prompt.setNextAnswer(true);
        prompt.setNextAnswer(true);
        test::click(list, QStringLiteral("删除记录"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("该应收记录有对应的财务收款记录，是否一并删除？"));
        EXPECT_EQ(prompt.titles.last(), QStringLiteral("删除选择"));
        EXPECT_EQ(list->grid()->model()->rowCount(), 0);
        EXPECT_EQ(f->ledgerGrid()->model()->rowCount(), 0) << "the finance window refreshed";
    });
    ASSERT_EQ(printed.reports.size(), 2);
    EXPECT_TRUE(printed.reports[0].texts().join(QString()).contains(QStringLiteral("按客户")));
    EXPECT_TRUE(printed.reports[1].texts().join(QString()).contains(QStringLiteral("按日期")));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From MoneyTable")), QStringLiteral("0"));
}

TEST_F(Receivables, CancelTakesBackTheNewRecordAndItsVoucher)
{
    openFinance([&](TFormFinance* f) {
        for (const QString& finish : {QStringLiteral("取消"), QString()}) {
            newReceivableWithVoucher(f->receivables(), finish);
            EXPECT_EQ(f->receivables()->grid()->model()->rowCount(), 0) << finish.toStdString();
            EXPECT_EQ(f->ledgerGrid()->model()->rowCount(), 0) << "balances back";
        }
    });
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From MoneyTable")), QStringLiteral("0"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From GetPay Where GetPayIndex > 1")), QStringLiteral("0"));
}

TEST_F(Receivables, PayablesEditFindAndDeleteKeepingTheMoney)
{
    v.exec(QStringLiteral("Insert Into GetPay (GetPayTime, GetPayUser, GetPayKind, GetPaySum, GetPaySum2, GetPaySum3, GetPayRemark) "
                          "Values (#2026-03-01#, 'O''Brien', '应付', 150, 0, 150, '球网')"));
    v.exec(QStringLiteral("Insert Into GetPay (GetPayTime, GetPayUser, GetPayKind, GetPaySum, GetPaySum2, GetPaySum3) "
                          "Values (#2026-03-02#, '甲', '应付', 80, 0, 80)"));
    openFinance([&](TFormFinance* f) {
        GetPayList* list = f->payables();
        ASSERT_EQ(list->grid()->model()->rowCount(), 2);
        // Edit the first: pay 50 against it from its window.
        list->grid()->setCurrentRow(0);
        test::onNextDialog<TFormGetPay2>([](TFormGetPay2* w) {
            EXPECT_EQ(w->bannerFile(), QStringLiteral("Res/EditPay2.bmp"));
            EXPECT_EQ(w->amountEdit()->text(), QStringLiteral("150"));
            test::onNextDialog<TFormGetPay>([](TFormGetPay* g) {
                g->amountEdit()->setText(QStringLiteral("50"));
                test::click(g, QStringLiteral("确定"));
            });
            test::click(w, QStringLiteral("新增"));
            EXPECT_EQ(w->figureTexts()[1], QStringLiteral("已付：50"));
            test::click(w, QStringLiteral("确定"));
        });
        test::click(list, QStringLiteral("修改记录"));
        EXPECT_EQ(list->grid()->currentRow(), 0) << "the same record is current again";
        EXPECT_EQ(row(list->grid(), 0)[4], QStringLiteral("100"));

        // Find O'Brien's; the condition stays through refreshes.
        test::onNextDialog<TFormGetPay3>([](TFormGetPay3* w) {
            EXPECT_EQ(w->windowTitle(), QStringLiteral("应收应付记录筛选"));
            EXPECT_FALSE(w->fromEdit()->isEnabled());
            w->customerCombo()->setCurrentText(QStringLiteral("O'Brien"));
            QTest::mouseClick(w->spanBox(), Qt::LeftButton, {}, QPoint(6, w->spanBox()->height() / 2));
            EXPECT_TRUE(w->fromEdit()->isEnabled());
            w->fromEdit()->setDate(QDate(2026, 2, 1));
            w->toEdit()->setDate(QDate(2026, 3, 1));
            test::click(w, QStringLiteral(" 确定"));
        });
        test::click(list, QStringLiteral("查找记录"));
        EXPECT_EQ(list->grid()->model()->rowCount(), 1);
        f->RefreshFinance();
        EXPECT_EQ(list->grid()->model()->rowCount(), 1) << "kept across refreshes";
        EXPECT_EQ(f->receivables()->grid()->model()->rowCount(), 0);

        // Delete with No to the second question: the payment stays.
        list->grid()->setCurrentRow(0);
        prompt.setNextAnswer(true);
        prompt.setNextAnswer(false);
        test::click(list, QStringLiteral("删除记录"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("该应付记录有对应的财务付款记录，是否一并删除？"));
        EXPECT_EQ(list->grid()->model()->rowCount(), 0);
        EXPECT_EQ(f->ledgerGrid()->model()->rowCount(), 1);
        // The empty list says a condition is in force, until it is cleared.
        EXPECT_TRUE(list->filterNote()->isVisibleTo(list));
        EXPECT_FALSE(f->receivables()->filterNote()->isVisibleTo(f->receivables())) << "the other half has none";
        test::onNextDialog<TFormGetPay3>([](TFormGetPay3* w) {
            if (w->spanBox()->isChecked())
                QTest::mouseClick(w->spanBox(), Qt::LeftButton, {}, QPoint(6, w->spanBox()->height() / 2));
            test::click(w, QStringLiteral(" 确定"));
        });
        test::click(list, QStringLiteral("查找记录"));
        EXPECT_FALSE(list->filterNote()->isVisibleTo(list));
        EXPECT_EQ(list->grid()->model()->rowCount(), 1) << "甲's";
    });
    EXPECT_EQ(v.scalar(QStringLiteral("Select MoneySum From MoneyTable")), QStringLiteral("-50"));
}

}  // namespace
