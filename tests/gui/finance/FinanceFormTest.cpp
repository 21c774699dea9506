// The finance window from the main window's launcher: book choice, tiles,
// day ledger, new accounts, vouchers (with matching and print) and transfers,
// each through the real buttons.
#include "core/config/IniFile.h"
#include "core/data/JetSql.h"
#include "gui/app/Application.h"
#include "gui/app/MainForm.h"
#include "gui/finance/Account2Form.h"
#include "gui/finance/AccountForm.h"
#include "gui/finance/AccountTile.h"
#include "gui/finance/ChoseForm.h"
#include "gui/finance/DrawForm.h"
#include "gui/finance/FinanceForm.h"
#include "gui/finance/GetPay4Form.h"
#include "gui/finance/GetPayForm.h"
#include "gui/finance/MoneyGrid.h"
#include "gui/report/Report.h"
#include "tests/support/Gui.h"
#include "tests/support/MoneyRows.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/TestData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace velbrisk;

namespace {

class Finance : public test::ProgramTest {
protected:
    QString today() const { return QDate::currentDate().toString(Qt::ISODate); }

    // "财务管理" from the main window, the book chosen by its picture (0 bank,
    // 1 cash, 2 every account), then `act` inside the finance window.
    void openFinance(int book, std::function<void(TFormFinance*)> act)
    {
        test::onNextDialog<TFormChose>([book](TFormChose* c) { QTest::mouseClick(c->books()[book], Qt::LeftButton); });
        test::onNextDialog<TFormFinance>([act](TFormFinance* f) {
            act(f);
            test::click(f, QStringLiteral("退出"));
        });
        test::click(&app->formMain(), QStringLiteral("财务管理"));
    }
    void money(int account, const QString& day, double sum, const QString& reason = QStringLiteral("销售收入"))
    {
        test::addMoney(v, {account, day, sum, QStringLiteral("消费顾客"), reason});
    }
    static QList<AccountTile*> shownTiles(TFormFinance* f)
    {
        QList<AccountTile*> out;
        for (AccountTile* t : f->tiles())
            if (!t->isHidden())
                out << t;
        return out;
    }
    static QStringList column(DataGrid* g, const QString& field)
    {
        QStringList out;
        const int c = g->columnOf(field);
        for (int r = 0; r < g->model()->rowCount(); ++r)
            out << g->model()->cellText(r, c);
        return out;
    }
};

TEST_F(Finance, TodaysTakingsShowInTheBankBook)
{
    // As checkout books them: income to account 2 at today's 0:00.
    money(2, today(), 120.5);
    money(3, today(), 7);  // the cash book's
    openFinance(0, [&](TFormFinance* f) {
        EXPECT_EQ(f->windowTitle(), QStringLiteral("财务管理"));
        EXPECT_EQ(f->bookPictureFile(), QStringLiteral("Res/CompanyAccount2.bmp"));
        const QList<AccountTile*> tiles = shownTiles(f);
        ASSERT_EQ(tiles.size(), 1) << "the bank book holds the template's bank account";
        EXPECT_EQ(tiles[0]->nameText(), QStringLiteral("银行存款"));
        EXPECT_EQ(tiles[0]->balanceText(), QStringLiteral("120.5 元"));
        EXPECT_EQ(tiles[0]->monthText(), QStringLiteral("120.5 元"));
        EXPECT_EQ(tiles[0]->typeText(), QStringLiteral("银行帐"));
        EXPECT_EQ(tiles[0]->iconFile(), QStringLiteral("Res/Yellow+.ico"));
        EXPECT_EQ(f->totalLabel()->text(), QStringLiteral("总金额：120.5 元"));
        EXPECT_EQ(f->previousLabel()->text(), QStringLiteral("上日结余：0 元"));
        EXPECT_EQ(f->closingLabel()->text(), QStringLiteral("本日结余：120.5 元"));
        EXPECT_EQ(f->incomeLabel()->text(), QStringLiteral("共 1 笔～120.5 元"));
        EXPECT_EQ(f->expenseLabel()->text(), QStringLiteral("共 0 笔～0 元"));
        MoneyGrid* g = f->ledgerGrid();
        EXPECT_EQ(column(g, QStringLiteral("AccountName")), QStringList{QStringLiteral("银行存款")});
        EXPECT_EQ(g->footerText(QStringLiteral("MoneyIndex")), QStringLiteral("1条"));
        EXPECT_EQ(g->footerText(QStringLiteral("MoneySum")), QStringLiteral("120.50"));
        EXPECT_EQ(g->visibleColumns().size(), 13);
        EXPECT_EQ(g->visibleColumns()[4].title, QStringLiteral("客户名称"));

        // A day back: nothing that day, the takings not yet in the balance.
        test::click(f, QStringLiteral("◀"));
        EXPECT_EQ(f->ledgerGrid()->footerText(QStringLiteral("MoneyIndex")), QStringLiteral("0条"));
        EXPECT_EQ(f->closingLabel()->text(), QStringLiteral("本日结余：0 元"));
        EXPECT_EQ(shownTiles(f)[0]->balanceText(), QStringLiteral("0 元"));
        EXPECT_EQ(shownTiles(f)[0]->iconFile(), QStringLiteral("Res/Money0.ico"));
    });
    EXPECT_EQ(IniReadString(QStringLiteral("Setting"), QStringLiteral("AccountType"), QString(), v.iniFile()),
              QStringLiteral("1"));
}

TEST_F(Finance, ATileOpensItsAccountOncePerClick)
{
    openFinance(0, [&](TFormFinance* f) {
        AccountTile* tile = shownTiles(f)[0];
        for (QWidget* part : {static_cast<QWidget*>(tile), static_cast<QWidget*>(tile->nameLabel())})
            EXPECT_EQ(test::clickOpens<TFormAccount2>(part, [](TFormAccount2* a) {
                          EXPECT_EQ(a->windowTitle(), QStringLiteral("帐户操作"));
                      }),
                      1)
                << part->metaObject()->className();
    });
}

TEST_F(Finance, TheBookPictureChoosesAnotherBook)
{
    money(3, today(), 7);
    openFinance(0, [&](TFormFinance* f) {
        test::onNextDialog<TFormChose>([](TFormChose* c) { QTest::mouseClick(c->books()[1], Qt::LeftButton); });
        QTest::mouseClick(f->bookPicture(), Qt::LeftButton);
        EXPECT_EQ(f->bookPictureFile(), QStringLiteral("Res/CompanyAccount3.bmp"));
        ASSERT_EQ(shownTiles(f).size(), 1);
        EXPECT_EQ(shownTiles(f)[0]->nameText(), QStringLiteral("现金"));
        EXPECT_EQ(f->closingLabel()->text(), QStringLiteral("本日结余：7 元"));

        // A value written by hand that names no book leaves the book as it was.
        IniWriteString(QStringLiteral("Setting"), QStringLiteral("AccountType"), QStringLiteral("7"), v.iniFile());
        f->RefreshFinance();
        EXPECT_EQ(f->bookPictureFile(), QStringLiteral("Res/CompanyAccount3.bmp"));
        EXPECT_EQ(shownTiles(f)[0]->nameText(), QStringLiteral("现金"));
        test::click(f, QStringLiteral("平调"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("为免出现平调错误，在“所有帐户”状态下不提供平调功能！"));

        // The side bar hides and shows the left panel.
        QTest::mouseClick(f->sideBar(), Qt::LeftButton);
        EXPECT_TRUE(f->leftPanel()->isHidden());
        QTest::mouseClick(f->sideBar(), Qt::LeftButton);
        EXPECT_FALSE(f->leftPanel()->isHidden());
    });
}

TEST_F(Finance, NewAccountsAndPaging)
{
    for (int i = 0; i < 14; ++i)
        v.exec(QStringLiteral("Insert Into Account (AccountName, AccountBase, AccountType, AccountPower) Values ('银行%1', 0, 1, '')")
                   .arg(i, 2, 10, QLatin1Char('0')));
    openFinance(0, [&](TFormFinance* f) {
        EXPECT_EQ(shownTiles(f).size(), 15);
        EXPECT_FALSE(test::buttonOf(f, QStringLiteral("下一页"))->isEnabled()) << "exactly one page";

        test::onNextDialog<TFormAccount>([&](TFormAccount* a) {
            EXPECT_EQ(a->windowTitle(), QStringLiteral("新增帐户"));
            EXPECT_TRUE(a->deleteButton()->isHidden());
            a->nameEdit()->setText(QStringLiteral("O'Brien"));
            test::click(a, QStringLiteral("确定"));
            EXPECT_EQ(prompt.messages.last(), QStringLiteral("请先选择帐户类型"));
            ASSERT_TRUE(a->isVisible()) << "refused: the window stays open";
            QTest::mouseClick(a->cashBox(), Qt::LeftButton, {}, QPoint(6, a->cashBox()->height() / 2));
            QTest::mouseClick(a->bankBox(), Qt::LeftButton, {}, QPoint(6, a->bankBox()->height() / 2));
            EXPECT_TRUE(a->bankBox()->isChecked());
            EXPECT_FALSE(a->cashBox()->isChecked()) << "one choice";
            QTest::mouseClick(a->bankBox(), Qt::LeftButton, {}, QPoint(6, a->bankBox()->height() / 2));
            EXPECT_TRUE(a->bankBox()->isChecked()) << "clicking the ticked box keeps it";
            a->amountEdit()->setText(QStringLiteral("50000"));
            a->remarkEdit()->setPlainText(QStringLiteral("卡号 6222"));
            test::click(a, QStringLiteral("确定"));
        });
        test::click(f, QStringLiteral("新增帐户"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("帐户　O'Brien　新增成功"));
        EXPECT_EQ(v.row(QStringLiteral("Select AccountBase, AccountType, AccountRemark From Account Where AccountName = 'O''Brien'")),
                  QStringLiteral("50000/1/卡号 6222"));

        QPushButton* next = test::buttonOf(f, QStringLiteral("下一页"));
        ASSERT_TRUE(next->isEnabled()) << "16 accounts";
        QTest::mouseClick(next, Qt::LeftButton);
        ASSERT_EQ(shownTiles(f).size(), 1);
        EXPECT_EQ(shownTiles(f)[0]->nameText(), QStringLiteral("O'Brien"));
        EXPECT_EQ(shownTiles(f)[0]->iconFile(), QStringLiteral("Res/Yellow+.ico")) << "the opening amount is no money sum";
        EXPECT_TRUE(test::buttonOf(f, QStringLiteral("上一页"))->isEnabled());

        // A new direction on page 2 stays on page 2, and is kept.
        f->sortDirectionCombo()->setCurrentIndex(1);
        emit f->sortDirectionCombo()->activated(1);
        ASSERT_EQ(shownTiles(f).size(), 1);
        EXPECT_EQ(shownTiles(f)[0]->nameText(), QStringLiteral("银行存款"));

        // Hover lights one tile.
        QTest::mouseClick(test::buttonOf(f, QStringLiteral("上一页")), Qt::LeftButton);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(f->tiles()[4], &enter);
        EXPECT_TRUE(f->tiles()[4]->highlighted());
        QApplication::sendEvent(f->tiles()[5], &enter);
        EXPECT_FALSE(f->tiles()[4]->highlighted());
    });
    EXPECT_EQ(IniReadString(QStringLiteral("Setting"), QStringLiteral("帐户排序方向"), QString(), v.iniFile()), QStringLiteral("1"));
}

TEST_F(Finance, AnIncomeVoucherSettlesAReceivableAndPrints)
{
    v.exec(QStringLiteral("Insert Into GetPay (GetPayTime, GetPayUser, GetPayKind, GetPaySum, GetPaySum2, GetPaySum3) "
                          "Values (#2026-12-01#, 'O''Brien', '应收', 500, 0, 500)"));
    openFinance(0, [&](TFormFinance* f) {
        test::onNextDialog<TFormGetPay>([&](TFormGetPay* g) {
            EXPECT_EQ(g->bannerFile(), QStringLiteral("Res/NewGet.bmp"));
            EXPECT_TRUE(g->deleteButton()->isHidden());
            EXPECT_TRUE(g->batchButton()->isHidden());
            EXPECT_EQ(g->dateEdit()->date(), f->ledgerDate());
            EXPECT_TRUE(g->serialEdit()->text().startsWith(QStringLiteral("SR")));
            g->customerCombo()->setCurrentText(QStringLiteral("O'Brien"));
            g->amountEdit()->setText(QStringLiteral("1.234"));
            test::click(g, QStringLiteral("确定"));
            EXPECT_EQ(prompt.messages.last(), QStringLiteral("金额内容可能有误，请重新输入"));
            EXPECT_EQ(g->focusWidget(), g->amountEdit()) << "the cursor in the amount box";
            g->amountEdit()->setText(QStringLiteral("200"));
            test::onNextDialog<TFormGetPay4>([](TFormGetPay4* m) {
                EXPECT_EQ(m->hint()->text(), QStringLiteral("提示：是否更新该客户的应收记录，如果是，请先选择一条应收记录"));
                EXPECT_EQ(m->grid()->model()->rowCount(), 1);
                EXPECT_EQ(m->grid()->footerText(QStringLiteral("GetPayTime")), QStringLiteral("合计"));
                test::click(m, QStringLiteral("确定"));
            });
            test::click(g, QStringLiteral("确定"));
        });
        test::click(f, QStringLiteral("收入"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("记录新增成功"));
        EXPECT_EQ(v.row(QStringLiteral("Select GetPaySum2, GetPaySum3 From GetPay Where GetPayUser = 'O''Brien'")),
                  QStringLiteral("200/300"));
        EXPECT_EQ(f->incomeLabel()->text(), QStringLiteral("共 1 笔～200 元"));
        EXPECT_EQ(shownTiles(f)[0]->balanceText(), QStringLiteral("200 元"));

        // Edit it from the ledger: amount changed, receivable recomputed; then print.
        f->ledgerGrid()->setCurrentRow(0);
        test::onNextDialog<TFormGetPay>([&](TFormGetPay* g) {
            EXPECT_EQ(g->bannerFile(), QStringLiteral("Res/EditGet.bmp"));
            EXPECT_EQ(g->amountEdit()->text(), QStringLiteral("200"));
            EXPECT_EQ(g->customerCombo()->currentText(), QStringLiteral("O'Brien"));
            EXPECT_FALSE(g->deleteButton()->isHidden());
            g->amountEdit()->setText(QStringLiteral("123.45"));
            QTest::mouseClick(g->printButton(), Qt::LeftButton);
            test::click(g, QStringLiteral("确定"));
        });
        test::click(f->ledgerGrid()->parentWidget(), QStringLiteral("修改记录"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("记录修改成功"));
        EXPECT_EQ(v.row(QStringLiteral("Select GetPaySum2, GetPaySum3 From GetPay Where GetPayUser = 'O''Brien'")),
                  QStringLiteral("123.45/376.55"));
        EXPECT_EQ(f->ledgerGrid()->currentRow(), 0) << "the edited record stays current";

        // Deleting it lowers the settled sum again.
        test::onNextDialog<TFormGetPay>([&](TFormGetPay* g) {
            prompt.setNextAnswer(true);
            test::click(g, QStringLiteral("删除"));
        });
        test::click(f->ledgerGrid()->parentWidget(), QStringLiteral("修改记录"));
        EXPECT_EQ(prompt.titles.last(), QStringLiteral("删除警告"));
        EXPECT_EQ(v.row(QStringLiteral("Select GetPaySum2, GetPaySum3 From GetPay Where GetPayUser = 'O''Brien'")),
                  QStringLiteral("0/500"));
        EXPECT_EQ(f->ledgerGrid()->model()->rowCount(), 0);
    });
    ASSERT_EQ(printed.reports.size(), 1);
    const QString text = printed.reports[0].texts().join(QString()).remove(QLatin1Char(' '));
    EXPECT_TRUE(text.contains(QStringLiteral("财务收入单"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("壹佰　贰拾　叁元　肆角　伍分"))) << "the amount in the window, in capitals";
    EXPECT_TRUE(text.contains(QStringLiteral("200.00"))) << "the stored record's amount";
}

TEST_F(Finance, ANewVoucherStartsWithTheListsSalesmanNotTheLastOneTyped)
{
    openFinance(0, [&](TFormFinance* f) {
        test::onNextDialog<TFormGetPay>([](TFormGetPay* g) {
            g->manCombo()->setCurrentText(QStringLiteral("张三"));
            g->amountEdit()->setText(QStringLiteral("10"));
            test::click(g, QStringLiteral("确定"));
        });
        test::click(f, QStringLiteral("收入"));
        test::onNextDialog<TFormGetPay>([](TFormGetPay* g) {
            EXPECT_EQ(g->manCombo()->currentText(), QString()) << "the salesman list is empty";
            g->amountEdit()->setText(QStringLiteral("20"));
            test::click(g, QStringLiteral("确定"));
        });
        test::click(f, QStringLiteral("收入"));
        v.exec(QStringLiteral("Insert Into Parameter (ParameterType, ParameterValue) Values (5, '李四')"));
        test::onNextDialog<TFormGetPay>([](TFormGetPay* g) {
            EXPECT_EQ(g->manCombo()->currentText(), QStringLiteral("李四")) << "the list's first entry";
        });
        test::click(f, QStringLiteral("支出"));
    });
    EXPECT_EQ(v.scalar(QStringLiteral("Select MoneyMan From MoneyTable Where MoneySum = 20")), QString());
}

TEST_F(Finance, ANumberTypedThatAnotherRecordCarriesIsAskedAbout)
{
    money(2, today(), 5);  // numbered "SR1"
    openFinance(0, [&](TFormFinance* f) {
        test::onNextDialog<TFormGetPay>([&](TFormGetPay* g) {
            g->serialEdit()->setText(QStringLiteral("SR1"));
            g->amountEdit()->setText(QStringLiteral("10"));
            prompt.setNextAnswer(false);
            test::click(g, QStringLiteral("确定"));
            EXPECT_EQ(prompt.messages.last(), QStringLiteral("单据编号“SR1”已被其他记录使用，是否仍然使用这个编号？"));
            EXPECT_EQ(prompt.titles.last(), QStringLiteral("操作确认"));
            ASSERT_TRUE(g->isVisible());
            EXPECT_EQ(g->focusWidget(), g->serialEdit());
            prompt.setNextAnswer(true);
            test::click(g, QStringLiteral("确定"));
        });
        test::click(f, QStringLiteral("收入"));
    });
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From MoneyTable Where MoneySerial = 'SR1'")), QStringLiteral("2"));
}

TEST_F(Finance, AnAmountBeyondWhatIsKeptToTheFenIsRefusedAndTheLargestRoundTrips)
{
    openFinance(0, [&](TFormFinance* f) {
        test::onNextDialog<TFormGetPay>([&](TFormGetPay* g) {
            g->amountEdit()->setText(QStringLiteral("6222021234567890123"));
            test::click(g, QStringLiteral("确定"));
            EXPECT_EQ(prompt.messages.last(), QStringLiteral("金额过大：小数点前最多只能有12位数字，请重新输入"));
            EXPECT_EQ(g->focusWidget(), g->amountEdit());
            g->amountEdit()->setText(QStringLiteral("999999999999.99"));
            test::click(g, QStringLiteral("确定"));
        });
        test::click(f, QStringLiteral("收入"));
        EXPECT_EQ(f->ledgerGrid()->footerText(QStringLiteral("MoneySum")), QStringLiteral("999999999999.99"));
        EXPECT_EQ(test::doubleClickRow<TFormGetPay>(f->ledgerGrid()->view(), 0,
                                                    [&](TFormGetPay* g) {
                                                        EXPECT_EQ(g->amountEdit()->text(), QStringLiteral("999999999999.99"));
                                                        test::click(g, QStringLiteral("确定"));
                                                        EXPECT_FALSE(g->isVisible()) << "its own amount is accepted";
                                                    }),
                  1);
    });
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("记录修改成功"));
}

TEST_F(Finance, ATransferMovesBothBooks)
{
    v.exec(QStringLiteral("Insert Into Account (AccountName, AccountBase, AccountType, AccountPower) Values ('O''Brien', 50, 1, '')"));
    openFinance(0, [&](TFormFinance* f) {
        test::onNextDialog<TFormDraw>([&](TFormDraw* d) {
            EXPECT_EQ(d->sourceCombo()->currentIndex(), -1);
            EXPECT_EQ(d->targetCombo()->count(), 2) << "the bank book's accounts";
            d->sourceCombo()->setCurrentText(QStringLiteral("O'Brien"));
            d->targetCombo()->setCurrentText(QStringLiteral("O'Brien"));
            d->amountEdit()->setText(QStringLiteral("80"));
            test::click(d, QStringLiteral("确定"));
            EXPECT_EQ(prompt.messages.last(), QStringLiteral("调出帐户和调入帐户不能相同"));
            d->targetCombo()->setCurrentText(QStringLiteral("银行存款"));
            prompt.setNextAnswer(false);
            test::click(d, QStringLiteral("确定"));
            EXPECT_EQ(prompt.messages.last(), QStringLiteral("输入的金额已经超过调出帐户所具有的资金，是否继续？"));
            EXPECT_TRUE(d->isVisible());
            prompt.setNextAnswer(true);
            test::click(d, QStringLiteral("确定"));
        });
        test::click(f, QStringLiteral("平调"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("平调成功"));
        EXPECT_EQ(f->ledgerGrid()->model()->rowCount(), 2) << "both halves listed";
        EXPECT_EQ(f->incomeLabel()->text(), QStringLiteral("共 0 笔～0 元")) << "a transfer inside the book";
        EXPECT_EQ(f->expenseLabel()->text(), QStringLiteral("共 0 笔～0 元"));
        const QStringList balances{shownTiles(f)[0]->balanceText(), shownTiles(f)[1]->balanceText()};
        EXPECT_EQ(balances, (QStringList{QStringLiteral("80 元"), QStringLiteral("-30 元")}));
        EXPECT_EQ(shownTiles(f)[1]->textColor(), QColor(Qt::red));
        EXPECT_EQ(shownTiles(f)[1]->iconFile(), QStringLiteral("Res/Money-.ico"));
        // The "合计" cell of the expense half is red; its "收入"/"支出" cells are blank.
        const int sum = f->ledgerGrid()->columnOf(QStringLiteral("MoneySum"));
        const QModelIndex out = f->ledgerGrid()->model()->index(0, sum);
        EXPECT_EQ(f->ledgerGrid()->model()->data(out, Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        EXPECT_EQ(column(f->ledgerGrid(), QStringLiteral("MoneyIn")), (QStringList{QString(), QString()}));

        // From bank to cash: the bank book's expense.
        test::onNextDialog<TFormDraw>([&](TFormDraw* d) {
            d->sourceCombo()->setCurrentText(QStringLiteral("银行存款"));
            d->targetCombo()->setCurrentText(QStringLiteral("O'Brien"));
            d->amountEdit()->setText(QStringLiteral("0.4"));
            prompt.setNextAnswer(true);
            test::click(d, QStringLiteral("确定"));
        });
        test::click(f, QStringLiteral("平调"));
        EXPECT_EQ(f->ledgerGrid()->model()->rowCount(), 4);
    });
    EXPECT_EQ(v.scalar(QStringLiteral("Select Round(Sum(MoneySum),2) From MoneyTable")), QStringLiteral("0"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From MoneyTable Where MoneyReason = '帐户平调'")), QStringLiteral("4"));
}

TEST_F(Finance, LedgerColumnsFromTheSettings)
{
    IniWriteString(QStringLiteral("日记帐簿"), QStringLiteral("MoneyRemark"), QStringLiteral("33"), v.iniFile());
    IniWriteString(QStringLiteral("日记帐簿"), QStringLiteral("MoneyUser"), QStringLiteral("宽"), v.iniFile());
    money(2, today(), -0.4);
    v.exec(QStringLiteral("Update MoneyTable Set MoneyRemark = '一段相当长的备注文字，比列宽更长，长到列表不会为它把这一列放得那么宽，只有点击标题才放宽'"));
    openFinance(0, [&](TFormFinance* f) {
        QTableView* view = f->ledgerGrid()->view();
        const int remark = f->ledgerGrid()->columnOf(QStringLiteral("MoneyRemark"));
        EXPECT_GT(view->columnWidth(remark), 33) << "the set width is the least: the column fits what it shows";
        EXPECT_LT(view->columnWidth(remark), f->ledgerGrid()->widestText(QStringLiteral("MoneyRemark")))
            << "up to a limit for long remarks";
        EXPECT_EQ(view->columnWidth(f->ledgerGrid()->columnOf(QStringLiteral("MoneyUser"))), 112) << "not a number: the default";
        const QModelIndex sum = f->ledgerGrid()->model()->index(0, f->ledgerGrid()->columnOf(QStringLiteral("MoneySum")));
        EXPECT_EQ(f->ledgerGrid()->model()->data(sum, Qt::ForegroundRole).value<QColor>(), QColor(Qt::red)) << "-0.4 is red";
        QTest::mouseClick(view->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(view->horizontalHeader()->sectionViewportPosition(remark) + 10, 5));
        EXPECT_EQ(view->columnWidth(remark), f->ledgerGrid()->widestText(QStringLiteral("MoneyRemark")))
            << "a title click widens to the widest text";
        test::click(f, QStringLiteral("▶"));
        test::click(f->ledgerGrid()->parentWidget(), QStringLiteral("修改记录"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("请先选中要修改的记录")) << "an empty day";
    });
}

TEST_F(Finance, DeletingAnAccountFromItsWindow)
{
    v.exec(QStringLiteral("Insert Into Account (AccountName, AccountBase, AccountType, AccountPower) Values ('O''Brien', 50, 2, '')"));
    const QString index = v.scalar(QStringLiteral("Select AccountIndex From Account Where AccountName = 'O''Brien'"));
    money(index.toInt(), today(), 10);
    TFormAccount& a = app->form<TFormAccount>();
    a.AccountName = QStringLiteral("O'Brien");
    test::onNextDialog<TFormAccount>([&](TFormAccount* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("修改帐户"));
        EXPECT_TRUE(w->cashBox()->isChecked());
        EXPECT_EQ(w->amountEdit()->text(), QStringLiteral("50"));
        prompt.setNextAnswer(false);
        test::click(w, QStringLiteral("删除"));
        EXPECT_TRUE(w->isVisible());
        prompt.setNextAnswer(true);
        test::click(w, QStringLiteral("删除"));
    });
    EXPECT_EQ(a.exec(), QDialog::Accepted);
    EXPECT_TRUE(a.Deleted);
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("删除帐户将删除该帐户下所有记录，确实要删除吗？"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From MoneyTable Where MoneyAccount = ") + index), QStringLiteral("0"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Account Where AccountName = 'O''Brien'")), QStringLiteral("0"));
}

}  // namespace

namespace {

TEST_F(Finance, AVanishedRecordClosesItsWindowAtOnce)
{
    TFormGetPay& g = app->form<TFormGetPay>();
    g.Mode = EditMode::Edit;
    g.Kind = QStringLiteral("财务收入");
    g.EditIndex = 9999;
    EXPECT_EQ(g.exec(), QDialog::Rejected);
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("找不到要修改的记录"));
}

}  // namespace
