// The finance window's report centre and account tools through their
// buttons: money search, prints, statement, daily summary, analysis chart,
// account detail and search; and the batch and automatic voucher prints.
#include "core/config/IniFile.h"
#include "gui/app/Application.h"
#include "gui/app/MainForm.h"
#include "gui/finance/Account2Form.h"
#include "gui/finance/AccountChoseForm.h"
#include "gui/finance/AccountForm.h"
#include "gui/finance/AccountSearchForm.h"
#include "gui/finance/AccountTile.h"
#include "gui/finance/CakeForm.h"
#include "gui/finance/ChoseForm.h"
#include "gui/finance/FinanceForm.h"
#include "gui/finance/GetPay4Form.h"
#include "gui/finance/GetPayForm.h"
#include "gui/finance/MakeReportForm.h"
#include "gui/finance/MoneyGrid.h"
#include "gui/report/Report.h"
#include "gui/widgets/ChartPanel.h"
#include "tests/support/Gui.h"
#include "tests/support/MoneyRows.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/TestData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace velbrisk;

namespace {

class FinanceReportWindows : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        v.exec(QStringLiteral("Update Account Set AccountBase = 100 Where AccountIndex = 2"));
        v.exec(QStringLiteral("Insert Into Account (AccountName, AccountBase, AccountType, AccountPower) Values ('O''Brien', 10, 1, '')"));
        money(2, QStringLiteral("2026-02-27"), 20, QStringLiteral("甲"));
        money(2, QStringLiteral("2026-03-02"), 50, QStringLiteral("O'Brien"));
        money(2, QStringLiteral("2026-03-31"), -30, QStringLiteral("乙"));
        money(4, QStringLiteral("2026-03-15"), 5, QStringLiteral("甲"));
    }
    void money(int account, const QString& day, double sum, const QString& user) { test::addMoney(v, {account, day, sum, user}); }
    void openFinance(std::function<void(TFormFinance*)> act)
    {
        test::onNextDialog<TFormChose>([](TFormChose* c) { QTest::mouseClick(c->books()[0], Qt::LeftButton); });
        test::onNextDialog<TFormFinance>([act](TFormFinance* f) {
            f->setLedgerDate(QDate(2026, 3, 15));
            act(f);
            test::click(f, QStringLiteral("退出"));
        });
        test::click(&app->formMain(), QStringLiteral("财务管理"));
    }
    static QWidget* reportCentre(TFormFinance* f) { return f->reportGrid()->parentWidget(); }
    QString lastPrint() const { return printed.reports.last().texts().join(QLatin1Char('|')); }
    static void tick(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }
};

TEST_F(FinanceReportWindows, SearchSortPrintAndSummary)
{
    openFinance([&](TFormFinance* f) {
        // A refused bound keeps the window open and the last search.
        test::onNextDialog<TFormMakeReport>([&](TFormMakeReport* s) {
            tick(s->spanBox());
            s->fromEdit()->setDate(QDate(2026, 3, 1));
            s->toEdit()->setDate(QDate(2026, 3, 31));
            s->documentCombo()->setCurrentIndex(0);
            test::click(s, QStringLiteral("确定"));
        });
        test::click(reportCentre(f), QStringLiteral("生成报表"));
        EXPECT_EQ(f->reportGrid()->model()->rowCount(), 3) << "March in the bank book";
        test::onNextDialog<TFormMakeReport>([&](TFormMakeReport* s) {
            EXPECT_FALSE(s->spanBox()->isChecked()) << "reset at each showing";
            tick(s->amountBox());
            s->lowerEdit()->setText(QStringLiteral("1.2.3"));
            test::click(s, QStringLiteral("确定"));
            EXPECT_EQ(prompt.messages.last(), QStringLiteral("金额格式有误，请重新输入"));
            EXPECT_TRUE(s->isVisible());
            test::click(s, QStringLiteral("取消"));
        });
        test::click(reportCentre(f), QStringLiteral("生成报表"));
        f->RefreshReportGrid();
        EXPECT_EQ(f->reportGrid()->model()->rowCount(), 3) << "a refused search changes nothing";

        f->reportSortCombo()->setCurrentIndex(2);
        emit f->reportSortCombo()->activated(2);
        EXPECT_EQ(f->reportGrid()->model()->cellText(0, f->reportGrid()->columnOf(QStringLiteral("MoneySum"))), QStringLiteral("50"));
        test::click(reportCentre(f), QStringLiteral("打印报表"));
        EXPECT_TRUE(lastPrint().contains(QStringLiteral("财务报表")));
        EXPECT_FALSE(printed.reports.last().landscape);
        IniWriteString(QStringLiteral("Setting"), QStringLiteral("PrintType"), QStringLiteral("横向打印"), v.iniFile());
        test::click(reportCentre(f), QStringLiteral("打印报表"));
        EXPECT_TRUE(printed.reports.last().landscape);

        // The summary of the search: opening before March 1, then its days.
        test::click(reportCentre(f), QStringLiteral("财务日结"));
        const QString summary = lastPrint();
        EXPECT_TRUE(summary.contains(QStringLiteral("前累计余额"))) << summary.toStdString();
        EXPECT_TRUE(summary.contains(QStringLiteral("130"))) << "100 + 10 + 20";
        EXPECT_TRUE(summary.contains(QStringLiteral("155"))) << "the balance after March 31";

        // The day ledger printed with its four texts, landscape as set.
        f->setLedgerDate(QDate(2026, 3, 2));
        test::click(f->ledgerGrid()->parentWidget(), QStringLiteral("打印记录"));
        EXPECT_TRUE(printed.reports.last().landscape);
        EXPECT_TRUE(lastPrint().contains(QStringLiteral("上日结余：130 元"))) << lastPrint().toStdString();
        EXPECT_TRUE(lastPrint().contains(QStringLiteral("本日收入：共 1 笔～50 元")));

        // The analysis by customer, as bars, saved as a picture; its list
        // shows amounts as the money grids do, an empty sum as 0.
        v.exec(QStringLiteral("Update MoneyTable Set MoneyIn = Null Where MoneyUser = '乙'"));
        test::onNextDialog<TFormCake>([&](TFormCake* c) {
            EXPECT_EQ(c->iconFile(), QStringLiteral("Res/YellowTower.ico"));
            c->analysisCombo()->setCurrentIndex(1);
            EXPECT_EQ(c->iconFile(), QStringLiteral("Res/Customer.ico"));
            EXPECT_EQ(c->table()->model()->rowCount(), 3);
            EXPECT_EQ(c->table()->footerText(QStringLiteral("DataFieldName")), QStringLiteral("共 3 条记录"));
            QueryModel* m = c->table()->model();
            const int in = c->table()->columnOf(QStringLiteral("MoneyIn"));
            const int sum = c->table()->columnOf(QStringLiteral("MoneySum"));
            EXPECT_EQ(m->cellText(0, in), QStringLiteral("50.00"));
            EXPECT_EQ(m->cellText(2, in), QStringLiteral("0.00")) << "乙 has no income";
            EXPECT_EQ(m->cellText(2, sum), QStringLiteral("-30.00"));
            EXPECT_EQ(m->data(m->index(0, in), Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
            c->panel()->typeCombo()->setCurrentIndex(1);
            EXPECT_TRUE(c->panel()->bars());
            test::click(c, QStringLiteral("存成图片"));
            test::click(c, QStringLiteral("报表打印"));
            test::click(c, QStringLiteral("退出"));
        });
        test::click(reportCentre(f), QStringLiteral("报表分析"));
        ASSERT_FALSE(opener.opened.isEmpty());
        EXPECT_EQ(opener.opened.last(), v.dir() + QStringLiteral("Cake.bmp")) << "in the venue folder";
        EXPECT_TRUE(QFileInfo::exists(v.dir() + QStringLiteral("Cake.bmp")));
        EXPECT_TRUE(lastPrint().contains(QStringLiteral("O'Brien")));
    });
}

TEST_F(FinanceReportWindows, MonthlyStatementForChosenAccounts)
{
    openFinance([&](TFormFinance* f) {
        test::onNextDialog<TFormAccountChose>([&](TFormAccountChose* c) {
            EXPECT_EQ(c->windowTitle(), QStringLiteral("统计范围选择"));
            EXPECT_EQ(c->accountList()->count(), 2);
            EXPECT_FALSE(c->accountList()->isEnabled());
            test::click(c, QStringLiteral("确定"));
        });
        test::click(f, QStringLiteral("帐户月结"));
        QString text = lastPrint();
        EXPECT_TRUE(text.contains(QStringLiteral("2026-03-01"))) << "the month of the ledger date";
        EXPECT_TRUE(text.contains(QStringLiteral("银行存款|120|50|30|20|140"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("O'Brien|10|5|0|5|15")));
        EXPECT_TRUE(text.contains(QStringLiteral("总合计|130|55|30|25|155")));

        test::onNextDialog<TFormAccountChose>([&](TFormAccountChose* c) {
            tick(c->accountBox());
            c->accountList()->item(1)->setSelected(true);
            tick(c->dateBox());
            c->fromEdit()->setDate(QDate(2026, 3, 16));
            c->toEdit()->setDate(QDate(2026, 3, 31));
            test::click(c, QStringLiteral("确定"));
        });
        test::click(f, QStringLiteral("帐户月结"));
        text = lastPrint();
        EXPECT_FALSE(text.contains(QStringLiteral("银行存款")));
        EXPECT_TRUE(text.contains(QStringLiteral("O'Brien|15|0|0|0|15"))) << text.toStdString();
        test::onNextDialog<TFormAccountChose>([&](TFormAccountChose* c) {
            EXPECT_TRUE(c->dateBox()->isChecked()) << "kept";
            EXPECT_TRUE(c->accountList()->selectedItems().isEmpty()) << "refilled";
            test::click(c, QStringLiteral("取消"));
        });
        const qsizetype before = printed.reports.size();
        test::click(f, QStringLiteral("帐户月结"));
        EXPECT_EQ(printed.reports.size(), before);
    });
}

TEST_F(FinanceReportWindows, AccountDetailMonthRenameAndSearch)
{
    openFinance([&](TFormFinance* f) {
        AccountTile* tile = f->tiles()[1];
        ASSERT_EQ(tile->nameText(), QStringLiteral("O'Brien"));
        test::onNextDialog<TFormAccount2>([](TFormAccount2* d) {
            EXPECT_EQ(d->balanceLabel()->text(), QStringLiteral("15 元"));
            test::click(d, QStringLiteral("当月记录"));
        });
        QTest::mouseClick(tile, Qt::LeftButton);
        EXPECT_EQ(f->tabs()->currentIndex(), 3);
        EXPECT_EQ(f->reportGrid()->model()->rowCount(), 1) << "that account's March";
        test::click(reportCentre(f), QStringLiteral("财务日结"));
        EXPECT_TRUE(lastPrint().contains(QStringLiteral("前累计余额|10"))) << lastPrint().toStdString();

        // Renamed to a name in use: refused, the window stays; then renamed.
        test::onNextDialog<TFormAccount2>([&](TFormAccount2* d) {
            test::onNextDialog<TFormAccount>([](TFormAccount* a) {
                a->nameEdit()->setText(QStringLiteral("银行存款"));
                test::click(a, QStringLiteral("确定"));
            });
            test::click(d, QStringLiteral("修改帐户"));
            EXPECT_EQ(prompt.messages.last(), QStringLiteral("该帐户名已经存在，请重新操作"));
            EXPECT_TRUE(d->isVisible());
            test::onNextDialog<TFormAccount>([](TFormAccount* a) {
                a->nameEdit()->setText(QStringLiteral("O'Neil"));
                test::click(a, QStringLiteral("确定"));
            });
            test::click(d, QStringLiteral("修改帐户"));
        });
        QTest::mouseClick(f->tiles()[1], Qt::LeftButton);
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("帐户　O'Neil　修改成功"));
        EXPECT_EQ(f->tiles()[1]->nameText(), QStringLiteral("O'Neil"));

        // A search for a text in no name or remark leaves the placeholder.
        test::onNextDialog<TFormAccountSearch>([](TFormAccountSearch* s) {
            s->nameEdit()->setText(QStringLiteral("无'此"));
            test::click(s, QStringLiteral("确定"));
        });
        test::click(f, QStringLiteral("帐户搜索"));
        EXPECT_FALSE(f->placeholder()->isHidden());
        test::onNextDialog<TFormAccountSearch>([](TFormAccountSearch* s) {
            s->nameEdit()->setText(QStringLiteral("Neil"));
            test::click(s, QStringLiteral("确定"));
        });
        test::click(f, QStringLiteral("帐户搜索"));
        EXPECT_EQ(f->tiles()[0]->nameText(), QStringLiteral("O'Neil"));
        EXPECT_TRUE(f->tiles()[1]->isHidden());

        // Income fixed to the account from its detail window.
        test::onNextDialog<TFormAccount2>([](TFormAccount2* d) {
            test::onNextDialog<TFormGetPay>([](TFormGetPay* g) {
                EXPECT_FALSE(g->accountCombo()->isEnabled());
                EXPECT_EQ(g->accountCombo()->currentText(), QStringLiteral("O'Neil"));
                test::click(g, QStringLiteral("取消"));
            });
            test::click(d, QStringLiteral("收入"));
        });
        QTest::mouseClick(f->tiles()[0], Qt::LeftButton);
    });
}

TEST_F(FinanceReportWindows, BatchVouchersPrintEachAndAskOnce)
{
    IniWriteString(QStringLiteral("Setting"), QStringLiteral("批量开单功能"), QStringLiteral("开启"), v.iniFile());
    IniWriteString(QStringLiteral("Setting"), QStringLiteral("BillPrint"), QStringLiteral("开单时自动打印"), v.iniFile());
    v.exec(QStringLiteral("Insert Into GetPay (GetPayTime, GetPayUser, GetPayKind, GetPaySum, GetPaySum2, GetPaySum3) "
                          "Values (#2026-03-01#, '丙', '应收', 500, 0, 500)"));
    openFinance([&](TFormFinance* f) {
        int asked = 0;
        test::onNextDialog<TFormGetPay>([&](TFormGetPay* g) {
            ASSERT_TRUE(g->batchButton()->isVisible());
            g->customerCombo()->setCurrentText(QStringLiteral("丙"));
            for (const char* amount : {"100", "50", "25.5"}) {
                g->amountEdit()->setText(QString::fromLatin1(amount));
                if (asked == 0)
                    test::onNextDialog<TFormGetPay4>([&](TFormGetPay4* m) {
                        ++asked;
                        test::click(m, QStringLiteral("确定"));
                    });
                QTest::mouseClick(g->batchButton(), Qt::LeftButton);
                EXPECT_EQ(g->amountEdit()->text(), QStringLiteral("0"));
            }
            test::click(g, QStringLiteral("取消"));
        });
        test::click(f, QStringLiteral("收入"));
        EXPECT_EQ(asked, 1) << "the matching question only before the first save";
        EXPECT_EQ(f->ledgerGrid()->model()->rowCount(), 4) << "three vouchers and the day's record";
    });
    EXPECT_EQ(v.row(QStringLiteral("Select GetPaySum2, GetPaySum3 From GetPay Where GetPayUser = '丙'")), QStringLiteral("175.5/324.5"));
    ASSERT_EQ(printed.reports.size(), 3) << "each new voucher printed at once";
    EXPECT_TRUE(printed.reports[2].texts().join(QString()).contains(QStringLiteral("贰拾　伍元　伍角　零分")));
}

}  // namespace
