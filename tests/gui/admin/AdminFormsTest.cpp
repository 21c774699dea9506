// Bookings, users and login, settings, word lists, backup and clearing as a
// person meets them in the windows.
#include "core/admin/Users.h"
#include "core/config/Options.h"
#include "core/data/ShareDM.h"
#include "gui/admin/AskForm.h"
#include "gui/admin/LoginForm.h"
#include "gui/admin/PowerForm.h"
#include "gui/admin/SettingForm.h"
#include "gui/admin/UserList.h"
#include "gui/admin/WordLists.h"
#include "gui/app/Application.h"
#include "gui/app/MainForm.h"
#include "gui/bookings/BookForm.h"
#include "gui/bookings/BookTab.h"
#include "gui/report/Report.h"
#include "gui/rooms/RoomForm.h"
#include "gui/rooms/RoomForm2.h"
#include "gui/rooms/RoomTile.h"
#include "gui/widgets/DataGrid.h"
#include "tests/support/Gui.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/TestData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <deque>
#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

class ScriptedWords : public WordAsker {
public:
    bool ask(const QString& caption, const QString& prompt, QString* value) override
    {
        captions << caption;
        prompts << prompt;
        if (answers.empty())
            return false;
        *value = answers.front();
        answers.pop_front();
        return true;
    }
    std::deque<QString> answers;
    QStringList captions, prompts;
};

class Admin : public test::ProgramTest {
protected:
    // The venue folder holds the program's files too (its own ring file).
    QString programDir() const override { return v.dir(); }
    Options options() { return Options(v.iniFile(), v.dir()); }

    void SetUp() override
    {
        ProgramTest::SetUp();
        TFormRoom2& f = app->form<TFormRoom2>();
        f.Mode = EditMode::New;
        f.prepare();
        f.nameEdit()->setText(QStringLiteral("羽毛球1号"));
        test::click(&f, QStringLiteral("确定"));
        app->formMain().RefreshBoard();
    }
};

TEST_F(Admin, BookingARoomShowsItBookedAndUnbookingFreesIt)
{
    TFormRoom& room = app->form<TFormRoom>();
    room.OpenRoomIndex = 2;
    room.prepare();
    TFormBook& book = app->form<TFormBook>();
    book.Mode = EditMode::New;
    book.NewRoomName = QStringLiteral("羽毛球1号");
    book.NewRoomIndex = 2;
    book.prepare(QDateTime(QDate(2026, 12, 24), QTime(23, 30, 0)));
    EXPECT_EQ(book.end(), QDateTime(QDate(2026, 12, 25), QTime(0, 30, 0)));
    EXPECT_EQ(book.lengthEdit()->text(), QStringLiteral("1:00:00"));
    book.timeMenu()->actions()[4]->trigger();  // "+ 2:00:00" keeps the end date
    EXPECT_EQ(book.lengthEdit()->text(), QStringLiteral("2:00:00"));
    test::click(&book, QStringLiteral("确定"));
    ASSERT_EQ(book.result(), QDialog::Accepted);
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomState From Room Where RoomIndex = 2")), QStringLiteral("预订"));
    app->formMain().RefreshBoard();
    EXPECT_EQ(app->formMain().tile(0)->pictureFile(), QStringLiteral("Res/Blue64.jpg"));
    EXPECT_EQ(app->formMain().tile(0)->captionLabel()->text(), QStringLiteral("状态："));
    EXPECT_EQ(app->formMain().countLabel(1)->text(), QStringLiteral("预订：1"));

    room.prepare();
    EXPECT_EQ(room.stateCaption(), QStringLiteral("当前状态：预订"));
    BookTab* tab = room.bookTab();
    ASSERT_EQ(tab->grid()->model()->rowCount(), 1);
    tab->grid()->setCurrentRow(0);
    prompt.setNextAnswer(true);
    tab->DeleteRecord();
    EXPECT_EQ(prompt.titles.last(), QStringLiteral("删除确认"));
    EXPECT_TRUE(room.Changed);
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomState From Room Where RoomIndex = 2")), QStringLiteral("空闲"));
}

TEST_F(Admin, TheRoomWindowShowsTheStateABookingOnItsTabGivesTheRoom)
{
    TFormRoom& room = app->form<TFormRoom>();
    room.OpenRoomIndex = 2;
    test::onNextDialog<TFormRoom>([&](TFormRoom* w) {
        EXPECT_EQ(w->stateCaption(), QStringLiteral("当前状态：空闲"));
        test::onNextDialog<TFormBook>([](TFormBook* b) { test::click(b, QStringLiteral("确定")); });
        test::click(w->bookTab(), QStringLiteral("新增记录"));
        EXPECT_EQ(w->stateCaption(), QStringLiteral("当前状态：预订")) << "as the board will show it";
        EXPECT_EQ(w->pictureFile(), QStringLiteral("Res/Blue80.jpg"));
        w->bookTab()->grid()->setCurrentRow(0);
        prompt.setNextAnswer(true);
        test::click(w->bookTab(), QStringLiteral("删除记录"));
        EXPECT_EQ(w->stateCaption(), QStringLiteral("当前状态：空闲"));
        EXPECT_EQ(w->pictureFile(), QStringLiteral("Res/White80.jpg"));
        w->reject();
    });
    room.exec();
    EXPECT_TRUE(room.Changed);
}

TEST_F(Admin, ARenameFindsTheOldBillsUnderTheNewName)
{
    v.exec(QStringLiteral("Insert Into Bill (BillSerial, BillRoomName) Values ('261201001', '羽毛球1号')"));
    TFormRoom2& f = app->form<TFormRoom2>();
    f.Mode = EditMode::Edit;
    f.EditIndex = 2;
    f.prepare();
    EXPECT_FALSE(f.deleteButton()->isHidden());
    EXPECT_EQ(f.unitLabel()->text(), QStringLiteral("元/小时"));
    f.typeCombo()->setCurrentText(QStringLiteral("计次收费"));
    EXPECT_EQ(f.unitLabel()->text(), QStringLiteral("元/次"));
    f.nameEdit()->setText(QStringLiteral("羽毛球馆A"));
    test::click(&f, QStringLiteral("确定"));
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("记录修改成功"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select BillSerial From Bill Where BillRoomName = '羽毛球馆A'")), QStringLiteral("261201001"));
}

TEST_F(Admin, AUserWithFinanceOnlySeesOnlyThatLauncher)
{
    TFormSetting& s = app->form<TFormSetting>();
    s.prepare();
    UserList* users = s.userList();
    EXPECT_EQ(users->modeLine()->text(), QStringLiteral("以经营主管身份自动登录"));
    EXPECT_TRUE(users->grid()->isHidden());
    users->modeCombo()->setCurrentText(QStringLiteral("手动登录"));
    EXPECT_FALSE(users->grid()->isHidden()) << "the list follows the choice at once";
    users->SaveMode();
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("软件登录模式修改成功"));
    EXPECT_EQ(options().read(opt::LoginMode), QStringLiteral("手动登录"));

    TFormPower& p = app->form<TFormPower>();
    p.Mode = EditMode::New;
    p.prepare();
    p.nameEdit()->setText(QStringLiteral("会计小李"));
    p.passwordEdit()->setText(QStringLiteral("Li2026"));
    p.rightBox(1)->setChecked(true);
    test::click(&p, QStringLiteral("确定"));
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("用户　会计小李　新增成功"));
    users->loadUsers();
    EXPECT_EQ(users->grid()->model()->rowCount(), 2);
    EXPECT_EQ(users->grid()->model()->cellText(1, 2), QStringLiteral("******")) << "no password is shown";

    TFormLogin& login = app->form<TFormLogin>();
    login.prepare();
    EXPECT_EQ(login.userCombo()->currentText(), QStringLiteral("经营主管")) << "LastUser by default";
    EXPECT_FALSE(login.emptyHint()->isHidden()) << "the manager's password is empty";
    login.userCombo()->setCurrentText(QStringLiteral("会计小李"));
    EXPECT_TRUE(login.emptyHint()->isHidden());
    login.passwordEdit()->setText(QStringLiteral("li2026"));
    test::click(&login, QStringLiteral("登录"));
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("密码不正确，请重新操作"));
    EXPECT_NE(login.result(), QDialog::Accepted);
    login.passwordEdit()->setText(QStringLiteral("Li2026"));
    test::click(&login, QStringLiteral("登录"));
    EXPECT_EQ(login.result(), QDialog::Accepted);
    EXPECT_EQ(app->globals().CurrentUserName, QStringLiteral("会计小李"));
    app->formMain().ShowLaunchers();
    EXPECT_TRUE(app->formMain().reportButton()->isHidden());
    EXPECT_FALSE(app->formMain().accountButton()->isHidden());
    EXPECT_TRUE(app->formMain().settingButton()->isHidden());

    // Editing: an empty box keeps the password, "清空密码" sets it back to empty.
    const int li = v.scalar(QStringLiteral("Select PowerIndex From Power Where PowerName = '会计小李'")).toInt();
    p.Mode = EditMode::Edit;
    p.EditIndex = li;
    p.prepare();
    EXPECT_FALSE(p.clearPasswordBox()->isHidden());
    test::click(&p, QStringLiteral("确定"));
    EXPECT_EQ(p.result(), QDialog::Accepted);
    Query q(v.db());
    EXPECT_TRUE(checkLogin(q, QStringLiteral("会计小李"), QStringLiteral("Li2026")).matches) << "an empty box keeps it";
    p.prepare();
    EXPECT_FALSE(p.clearPasswordBox()->isChecked()) << "each showing starts unticked";
    p.passwordEdit()->setText(QStringLiteral("typed"));
    QTest::mouseClick(p.clearPasswordBox(), Qt::LeftButton);
    EXPECT_TRUE(p.passwordEdit()->text().isEmpty());
    EXPECT_FALSE(p.passwordEdit()->isEnabled());
    test::click(&p, QStringLiteral("确定"));
    const LoginCheck cleared = checkLogin(q, QStringLiteral("会计小李"), QString());
    EXPECT_TRUE(cleared.matches && cleared.emptyPassword);
    EXPECT_FALSE(checkLogin(q, QStringLiteral("会计小李"), QStringLiteral("Li2026")).matches);
    p.Mode = EditMode::New;
    p.prepare();
    EXPECT_TRUE(p.clearPasswordBox()->isHidden()) << "a new user has no password to clear";
}

TEST_F(Admin, ReLoginInAutomaticModeExplains)
{
    test::click(&app->formMain(), QStringLiteral("重新登录"));
    EXPECT_TRUE(prompt.messages.last().startsWith(QStringLiteral("当前的登录模式设置为：以经营主管身份直接登录")));
}

TEST_F(Admin, EveryOptionIsWrittenAndReadBack)
{
    TFormSetting& s = app->form<TFormSetting>();
    s.prepare();
    EXPECT_EQ(s.ringFileEdit()->text(), v.dir() + QStringLiteral("ShortRing.wav"));
    EXPECT_EQ(s.combo("RingMode")->currentText(), QStringLiteral("一次响铃"));
    EXPECT_EQ(s.combo("小票打印")->currentText(), QStringLiteral("结帐时打印小票"));
    EXPECT_EQ(s.combo("AccountForBill")->currentText(), QStringLiteral("银行存款"));
    EXPECT_EQ(s.combo("PrintType")->currentText(), QStringLiteral("纵向打印"));
    EXPECT_EQ(s.combo("MoneyIndex")->currentText(), QStringLiteral("按日期生成编号"));
    EXPECT_EQ(s.combo("预订重叠")->currentText(), QStringLiteral("不提醒重叠"));

    prompt.setNextFileName(QStringLiteral("/sounds/bell.wav"));
    s.ChooseRingFile();
    s.TryRingFile();
    EXPECT_EQ(sound.played.last(), QStringLiteral("/sounds/bell.wav"));
    s.SaveRingFile();
    s.combo("RingMode")->setCurrentIndex(1);
    s.SaveRingMode();
    s.combo("小票打印")->setCurrentIndex(1);
    s.SaveTicketPrint();
    s.combo("AccountForBill")->setCurrentText(QStringLiteral("现金"));
    s.SaveAccountForBill();
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("结帐银行设置为为：现金"));
    s.combo("PrintType")->setCurrentIndex(1);
    s.SavePrintType();
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("报表打印方式设置为：横向打印"));
    s.combo("MoneyIndex")->setCurrentIndex(1);
    s.SaveMoneyIndex();
    s.combo("预订重叠")->setCurrentIndex(1);
    test::click(qobject_cast<QWidget*>(s.combo("预订重叠")->parent()), QStringLiteral("确定"));
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("预订重叠设置为：提醒重叠"));
    const Options o = options();
    EXPECT_EQ(o.read(opt::RingFile), QStringLiteral("/sounds/bell.wav"));
    EXPECT_EQ(o.read(opt::RingMode), QStringLiteral("多次响铃"));
    EXPECT_EQ(o.read(opt::TicketPrint), QStringLiteral("结帐时不打印小票"));
    EXPECT_EQ(o.read(opt::AccountForBill), QStringLiteral("3"));
    EXPECT_EQ(o.read(opt::PrintType), QStringLiteral("横向打印"));
    EXPECT_EQ(o.read(opt::MoneyIndex), QStringLiteral("按数字生成编号"));
    EXPECT_TRUE(o.warnOverlaps());
    // A value edited by hand that is neither entry shows the second one.
    o.write(opt::RingMode, QStringLiteral("乱写"));
    s.prepare();
    EXPECT_EQ(s.combo("RingMode")->currentIndex(), 1);
    EXPECT_EQ(s.combo("AccountForBill")->currentText(), QStringLiteral("现金"));
}

TEST_F(Admin, WordListsAskForTheirWords)
{
    ScriptedWords words;
    TFormSetting& s = app->form<TFormSetting>();
    s.setWordAsker(&words);
    s.prepare();
    WordLists* lists = s.wordLists();
    words.answers = {QStringLiteral("现金")};
    test::click(lists->list(WordList::PaymentTypes)->parentWidget(), QStringLiteral("新增"));
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("存在同名的类别，请改名"));
    EXPECT_EQ(words.prompts.last(), QStringLiteral("请输入新类别的名称"));
    EXPECT_EQ(words.captions.last(), QStringLiteral("参数设置"));
    words.answers = {QStringLiteral("王业务")};
    test::click(lists->list(WordList::Salesmen)->parentWidget(), QStringLiteral("新增"));
    ASSERT_EQ(lists->list(WordList::Salesmen)->count(), 1);
    EXPECT_EQ(lists->list(WordList::Salesmen)->currentItem()->text(), QStringLiteral("王业务"));
    words.answers = {QString()};
    test::click(lists->list(WordList::Salesmen)->parentWidget(), QStringLiteral("修改"));
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("业务员名称不能为空"));
    lists->list(WordList::Customers)->setCurrentRow(-1);
    test::click(lists->list(WordList::Customers)->parentWidget(), QStringLiteral("删除"));
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("请先选中要删除的客户名称"));
    prompt.setNextAnswer(true);
    test::click(lists->list(WordList::Salesmen)->parentWidget(), QStringLiteral("删除"));
    EXPECT_EQ(lists->list(WordList::Salesmen)->count(), 0);
}

TEST_F(Admin, BackUpRestoreAndClear)
{
    TFormSetting& s = app->form<TFormSetting>();
    s.prepare();
    v.exec(QStringLiteral("Insert Into Cost (CostRoom, CostReason, CostMoney, CostBill) Values ('羽毛球1号', '水', 3, 0)"));
    const QString backup = v.dir() + QStringLiteral("数据库备份/周一.mdb");
    prompt.setNextFileName(backup);
    test::click(&s, QStringLiteral("备份数据"));
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("恭喜您，数据库备份成功"));
    EXPECT_EQ(QDir(v.dir() + QStringLiteral("数据库备份")).entryList(QDir::Files), QStringList{QStringLiteral("周一.mdb")})
        << "a backup leaves exactly one file";

    // The open data file itself, by any spelling or link, is never a backup target.
    const QString link = v.dir() + QStringLiteral("数据库备份/链接.mdb");
    ASSERT_TRUE(QFile::link(v.dataFile(), link));
    const QString live = v.dataFile();
    for (const QString& target : QStringList{live, v.dir() + QStringLiteral("数据库备份/../Velbrisk.mdb"), link}) {
        const QByteArray before = test::readFile(live);
        prompt.setNextFileName(target);
        test::click(&s, QStringLiteral("备份数据"));
        EXPECT_EQ(prompt.messages.last(),
                  QStringLiteral("数据库备份失败，失败号为：不能备份到正在使用的数据库文件上，请另选一个文件名"))
            << target.toStdString();
        EXPECT_EQ(test::readFile(live), before) << "nothing is written";
    }
    QFile::remove(link);
    // Work entered afterwards stays in the data file.
    v.exec(QStringLiteral("Insert Into Cost (CostRoom, CostReason, CostMoney, CostBill) Values ('羽毛球1号', '茶', 1, 0)"));
    {
        Connection again;
        again.open(live);
        Query q(again);
        q.setSql(QStringLiteral("Select Count(*) As N From Cost"));
        q.open();
        EXPECT_EQ(q.str(QStringLiteral("N")), QStringLiteral("2"));
    }
    v.exec(QStringLiteral("Delete * From Cost Where CostReason = '茶'"));

    prompt.setNextFileName(v.dir() + QStringLiteral("没有的目录/周二.mdb"));
    test::click(&s, QStringLiteral("备份数据"));
    EXPECT_TRUE(prompt.messages.last().startsWith(QStringLiteral("数据库备份失败，失败号为：")));
    EXPECT_FALSE(QFile::exists(v.dir() + QStringLiteral("没有的目录/周二.mdb")));

    prompt.setNextAnswer(true);
    test::click(&s, QStringLiteral("清空消费"));
    EXPECT_EQ(prompt.titles[prompt.titles.size() - 2], QStringLiteral("清空警告"));
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("房间消费记录清空成功"));
    EXPECT_TRUE(s.Changed);
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Cost")), QStringLiteral("0"));

    // A file that is not ours is refused and nothing changes.
    const QString junk = v.dir() + QStringLiteral("数据库备份/坏的.mdb");
    test::writeFile(junk, QByteArray("not a data file").repeated(50));
    prompt.setNextAnswer(true);
    prompt.setNextFileName(junk);
    test::click(&s, QStringLiteral("恢复数据"));
    EXPECT_TRUE(prompt.messages.last().startsWith(QStringLiteral("所选文件不是本软件的数据库备份")));
    EXPECT_TRUE(app->dataModule().connected());

    bool ended = false;
    s.endProgram = [&] { ended = true; };
    prompt.setNextAnswer(true);
    prompt.setNextFileName(backup);
    v.db().close();
    test::click(&s, QStringLiteral("恢复数据"));
    EXPECT_TRUE(prompt.messages.last().startsWith(QStringLiteral("恭喜您，数据库恢复成功，请重新启动软件")));
    EXPECT_TRUE(ended);
    v.db().open(v.dataFile());
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Cost")), QStringLiteral("1")) << "the backup's entry is back";
}

}  // namespace

namespace {

// Every edit window ends a save the same way: a refusal names its field and
// keeps the window open, a save closes it.
TEST_F(Admin, AnEditWindowKeepsARefusalOpenWithTheCursorInItsField)
{
    TFormRoom2& f = app->form<TFormRoom2>();
    f.Mode = EditMode::New;
    bool accepted = false;
    test::onNextDialog<TFormRoom2>([&](TFormRoom2* d) {
        d->nameEdit()->clear();
        test::click(d, QStringLiteral("确定"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("房间名称不能为空"));
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->focusWidget(), d->nameEdit());
        d->nameEdit()->setText(QStringLiteral("羽毛球1号"));
        d->priceEdit()->setText(QStringLiteral("20"));
        test::click(d, QStringLiteral("确定"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("该房间名称已经存在，请重新操作"));
        EXPECT_EQ(d->focusWidget(), d->nameEdit());
        d->nameEdit()->setText(QStringLiteral("羽毛球2号"));
        d->priceEdit()->setText(QStringLiteral("1.2.3"));
        test::click(d, QStringLiteral("确定"));
        EXPECT_EQ(prompt.messages.last(), QStringLiteral("金额格式有误，请重新输入"));
        EXPECT_EQ(d->focusWidget(), d->priceEdit());
        d->priceEdit()->setText(QStringLiteral("20"));
        test::click(d, QStringLiteral("确定"));
        accepted = !d->isVisible();
    });
    EXPECT_EQ(f.exec(), QDialog::Accepted);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("记录新增成功"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("房间信息（新增）"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select Count(*) From Room Where RoomName = '羽毛球2号'")), QStringLiteral("1"));
}

}  // namespace
