// Start-up as a person meets it: the window, the data file found or not,
// a file that is not ours, the network address window.
#include "core/app/Startup.h"
#include "core/config/Options.h"
#include "core/data/ShareDM.h"
#include "gui/admin/LoginForm.h"
#include "gui/app/Application.h"
#include "gui/app/MainForm.h"
#include "gui/app/NetworkForm.h"
#include "gui/rooms/RoomForm.h"
#include "gui/rooms/RoomSearchForm.h"
#include "gui/rooms/RoomTile.h"
#include "gui/widgets/QtPlatform.h"
#include "tests/support/Gui.h"
#include "tests/support/TestData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace velbrisk;
using velbrisk::test::TestVenue;

namespace {

struct Desk {
    ScriptedPrompter prompt;
    RecordingSound sound;
    RecordingOpener opener;
    Platform platform() { return Platform{&prompt, &sound, &opener}; }
};

StartOptions at(const TestVenue& v, bool network = false)
{
    StartOptions o;
    o.appDir = v.dir();
    o.programDir = v.dir();
    o.networkMode = network;
    return o;
}

TEST(StartUp, OpensTheDataFileAndShowsAnEmptyBoard)
{
    TestVenue v(false);
    Desk desk;
    Application app(at(v), desk.platform());
    EXPECT_EQ(app.formMain().windowTitle(), QStringLiteral("澄岳体育场馆管理软件 2.0"));
    EXPECT_EQ(app.globals().IniFileName, v.dir() + QStringLiteral("Velbrisk.ini"));
    ASSERT_TRUE(app.formMain().startUp());
    EXPECT_TRUE(desk.prompt.messages.isEmpty()) << desk.prompt.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(app.dataModule().connected());
    EXPECT_TRUE(app.formMain().boardReady());
    EXPECT_EQ(app.globals().CurrentUserName, QStringLiteral("经营主管"));
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(app.formMain().countLabel(i)->text().endsWith(QStringLiteral("：0")));
    EXPECT_FALSE(app.formMain().reportButton()->isHidden());
}

TEST(StartUp, RunsOnceWhetherTheFirstShowOrACallerStartsIt)
{
    TestVenue v(false);
    Desk desk;
    {
        Application app(at(v), desk.platform());
        app.formMain().show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(app.formMain().boardReady()) << "the first show starts the board";
    }
    Application app(at(v), desk.platform());
    TFormMain& board = app.formMain();
    ASSERT_TRUE(board.startUp());
    board.resize(1028, 745);
    board.ArrangeTiles(true);
    const QPoint large = board.tile(4)->pos();
    board.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(board.tile(4)->pos(), large) << "showing does not start it again";
    board.hide();
}

TEST(StartUp, AMissingDataFileIsNamedWithOurTelephone)
{
    TestVenue v(false);
    QFile::remove(v.dataFile());
    Desk desk;
    Application app(at(v), desk.platform());
    EXPECT_FALSE(app.formMain().startUp());
    ASSERT_EQ(desk.prompt.messages.size(), 1);
    EXPECT_TRUE(desk.prompt.messages[0].startsWith(QStringLiteral("数据库文件找不到，请联系澄岳软件有限公司")));
    EXPECT_TRUE(desk.prompt.messages[0].contains(QStringLiteral("0571-8896-2026")));
    EXPECT_FALSE(app.formMain().boardReady());
    EXPECT_FALSE(QFile::exists(v.dataFile())) << "nothing is created";
}

TEST(StartUp, AFileThatIsNotOursStopsBeforeLogin)
{
    TestVenue v(false);
    QFile::remove(v.dataFile());
    const QByteArray junk = QByteArray("PK\x03\x04 not a data file").repeated(100);
    test::writeFile(v.dataFile(), junk);
    Desk desk;
    Application app(at(v), desk.platform());
    EXPECT_FALSE(app.formMain().startUp());
    ASSERT_EQ(desk.prompt.messages.size(), 1);
    EXPECT_TRUE(desk.prompt.messages[0].contains(QStringLiteral("数据库打开失败")));
    EXPECT_TRUE(app.globals().CurrentUserName.isEmpty()) << "no login runs";
    EXPECT_FALSE(app.formMain().boardReady());
    QFile f(v.dataFile());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), junk) << "never overwritten";
}

TEST(StartUp, NetworkModeUsesTheRememberedAddressOrAsks)
{
    TestVenue v(false);
    TestVenue shared(false);
    Desk desk;
    {
        Application app(at(v, true), desk.platform());
        Options(app.globals().IniFileName, v.dir()).write(opt::Address, shared.dataFile());
        ASSERT_TRUE(app.formMain().startUp());
        EXPECT_EQ(app.dataModule().ADOConnection1.path(), shared.dataFile());
    }
    // The address window refuses a path where no file is, and writes nothing.
    Application app(at(v, true), desk.platform());
    TFormNetwork& net = app.form<TFormNetwork>();
    Options(app.globals().IniFileName, v.dir()).write(opt::Address, QString());
    net.addressEdit()->setText(v.dir() + QStringLiteral("nowhere.mdb"));
    test::click(&net, QStringLiteral("确定"));
    EXPECT_EQ(desk.prompt.messages.last(), QStringLiteral("该服务器地址无效"));
    EXPECT_EQ(Options(app.globals().IniFileName, v.dir()).read(opt::Address), QString());
    desk.prompt.setNextFileName(shared.dataFile());
    test::click(&net, QStringLiteral("选择"));
    EXPECT_EQ(net.addressEdit()->text(), shared.dataFile());
    test::click(&net, QStringLiteral("确定"));
    EXPECT_EQ(desk.prompt.messages.last(), QStringLiteral("服务器地址设置成功"));
    EXPECT_EQ(Options(app.globals().IniFileName, v.dir()).read(opt::Address), shared.dataFile());
    EXPECT_TRUE(app.dataModule().connected());
}

TEST(StartUp, HomeOptionPointsAtAWritableVenueFolder)
{
    const StartOptions o = parseStartOptions({QStringLiteral("velbrisk"), QStringLiteral("--home"), QStringLiteral("/srv/venue")},
                                             QStringLiteral("/usr/lib/velbrisk"));
    EXPECT_EQ(o.appDir, QStringLiteral("/srv/venue"));
    EXPECT_EQ(o.programDir, QStringLiteral("/usr/lib/velbrisk"));
    EXPECT_FALSE(o.networkMode);
    EXPECT_TRUE(parseStartOptions({QStringLiteral("velbrisk"), QStringLiteral("--network")}, QStringLiteral("/p")).networkMode);
    EXPECT_EQ(parseStartOptions({QStringLiteral("velbrisk")}, QStringLiteral("/p")).appDir, QStringLiteral("/p"));
}

// Installed as <prefix>/bin/velbrisk with <prefix>/share/velbrisk: the venue
// is the user's data folder, made from the empty data file at the first
// start and never replaced afterwards.
TEST(StartUp, AnInstalledProgramKeepsItsVenueInTheUsersDataFolder)
{
    QTemporaryDir prefix, data;
    const QString share = prefix.filePath(QStringLiteral("share/velbrisk"));
    ASSERT_TRUE(QDir().mkpath(prefix.filePath(QStringLiteral("bin"))));
    ASSERT_TRUE(QDir().mkpath(share + QStringLiteral("/Frf")));
    ASSERT_TRUE(QDir().mkpath(share + QStringLiteral("/template")));
    {
        TestVenue empty(false);
        ASSERT_TRUE(QFile::copy(empty.dataFile(), share + QStringLiteral("/template/Velbrisk.mdb")));
    }
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", oldData); });

    const StartOptions o = parseStartOptions({QStringLiteral("velbrisk")}, prefix.filePath(QStringLiteral("bin")));
    EXPECT_EQ(o.programDir, share);
    EXPECT_EQ(o.appDir, data.filePath(QStringLiteral("velbrisk")));
    EXPECT_EQ(o.templateFile, share + QStringLiteral("/template/Velbrisk.mdb"));
    // --home still wins; the empty data file comes along.
    const StartOptions home = parseStartOptions({QStringLiteral("velbrisk"), QStringLiteral("--home"), data.filePath(QStringLiteral("other"))},
                                                prefix.filePath(QStringLiteral("bin")));
    EXPECT_EQ(home.appDir, data.filePath(QStringLiteral("other")));
    EXPECT_EQ(home.templateFile, o.templateFile);
    // A program in a folder of its own copies nothing.
    EXPECT_TRUE(parseStartOptions({QStringLiteral("velbrisk")}, share).templateFile.isEmpty());

    const QString venueFile = o.appDir + QStringLiteral("/Velbrisk.mdb");
    {
        Desk desk;
        Application app(o, desk.platform());
        ASSERT_TRUE(app.start()) << desk.prompt.messages.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(app.formMain().boardReady());
        EXPECT_TRUE(QFileInfo(venueFile).isWritable());
        EXPECT_FALSE(QFile::exists(venueFile + QStringLiteral(".part")));
        app.dataModule().ADOQueryTemp.setSql(QStringLiteral("Insert Into Parameter (ParameterValue, ParameterType) Values ('留下', 1)"));
        app.dataModule().ADOQueryTemp.execSql();
    }
    {
        Desk desk;
        Application app(o, desk.platform());
        ASSERT_TRUE(app.start());
        Query& q = app.dataModule().ADOQueryTemp;
        q.setSql(QStringLiteral("Select Count(*) As N From Parameter Where ParameterValue = '留下'"));
        q.open();
        EXPECT_EQ(q.integer(QStringLiteral("N")), 1) << "the venue's file was replaced";
        q.close();
    }
}

TEST(StartUp, AVenueFolderThatCannotBeMadeIsNamed)
{
    QTemporaryDir dir;
    test::writeFile(dir.filePath(QStringLiteral("file")), "x");
    const SaveResult r = prepareVenueFolder(dir.filePath(QStringLiteral("file/velbrisk")), dir.filePath(QStringLiteral("none.mdb")));
    EXPECT_FALSE(r.saved);
    EXPECT_TRUE(r.message.startsWith(QStringLiteral("无法建立数据文件夹"))) << r.message.toStdString();
    const SaveResult copy = prepareVenueFolder(dir.filePath(QStringLiteral("venue")), dir.filePath(QStringLiteral("none.mdb")));
    EXPECT_FALSE(copy.saved);
    EXPECT_TRUE(copy.message.contains(QStringLiteral("无法在"))) << copy.message.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("venue/Velbrisk.mdb"))));
}

TEST(StartUp, GlobalsHoldTheCurrentMonthAndYear)
{
    const Globals g = makeGlobals(QStringLiteral("/v"), QString(), QDate(2024, 2, 10));
    EXPECT_EQ(g.AppDir, QStringLiteral("/v/"));
    EXPECT_EQ(g.MonthBegin, QDate(2024, 2, 1));
    EXPECT_EQ(g.MonthEnd, QDate(2024, 2, 29));
    EXPECT_EQ(g.YearBegin, QDate(2024, 1, 1));
    EXPECT_EQ(g.YearEnd, QDate(2024, 12, 31));
}

}  // namespace

namespace {

TEST(StartUp, InManualLoginModeTheMainWindowWaitsForTheLogin)
{
    TestVenue v(false);
    Desk desk;
    Application app(at(v), desk.platform());
    ASSERT_TRUE(app.context().options().write(opt::LoginMode, QStringLiteral("手动登录")));
    bool mainShownDuringLogin = true;
    QString masked;
    test::onNextDialog<TFormLogin>([&](TFormLogin* login) {
        mainShownDuringLogin = app.formMain().isVisible();
        login->passwordEdit()->setFocus();
        QTest::keyClicks(login->passwordEdit(), QStringLiteral("a1b"));
        masked = login->passwordEdit()->displayText();
        login->passwordEdit()->clear();  // the manager's password is empty
        test::click(login, QStringLiteral("登录"));
    });
    ASSERT_TRUE(app.start());
    EXPECT_FALSE(mainShownDuringLogin) << "nothing half-built behind the login window";
    EXPECT_EQ(masked, QStringLiteral("###")) << "the password box masks with '#'";
    EXPECT_TRUE(app.formMain().isVisible());
    EXPECT_TRUE(app.formMain().boardReady());
    app.formMain().hide();

    // Cancelling the login ends the start: the main window never shows.
    Application again(at(v), desk.platform());
    test::onNextDialog<TFormLogin>([](TFormLogin* login) { test::click(login, QStringLiteral("取消")); });
    EXPECT_FALSE(again.start());
    EXPECT_FALSE(again.formMain().isVisible());
}

TEST(StartUp, AHighlightedTileLetsGoWhenThePointerLeavesIt)
{
    TestVenue v(false);
    v.db().open(v.dataFile());
    v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState) Values ('甲', '计时收费', '空闲')"));
    v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState) Values ('乙', '计时收费', '空闲')"));
    Desk desk;
    Application app(at(v), desk.platform());
    ASSERT_TRUE(app.start());
    RoomTile* tile = app.formMain().tile(0);
    const QColor plain = tile->palette().color(QPalette::Window);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(tile, &enter);
    EXPECT_NE(tile->palette().color(QPalette::Window), plain);
    QEvent leave(QEvent::Leave);  // out through the gap, into no other tile
    QCoreApplication::sendEvent(tile, &leave);
    EXPECT_EQ(tile->palette().color(QPalette::Window), plain);
    app.formMain().hide();
}

TEST(StartUp, ATileOpensItsRoomOncePerClickAndItsBarNever)
{
    TestVenue v(false);
    v.db().open(v.dataFile());
    v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState) Values "
                          "('羽毛球馆东侧一号场地（靠窗）', '计时收费', '空闲')"));
    Desk desk;
    Application app(at(v), desk.platform());
    ASSERT_TRUE(app.start());
    RoomTile* tile = app.formMain().tile(0);
    for (QWidget* part : {static_cast<QWidget*>(tile), static_cast<QWidget*>(tile->nameLabel()),
                          static_cast<QWidget*>(tile->timeLabel())})
        EXPECT_EQ(test::clickOpens<TFormRoom>(part), 1) << part->metaObject()->className();
    EXPECT_EQ(test::clickOpens(tile->progressBar()), 0) << "a click on the bar does nothing";
    EXPECT_TRUE(tile->toolTip().contains(QStringLiteral("羽毛球馆东侧一号场地（靠窗）"))) << "the whole name";
    EXPECT_TRUE(tile->toolTip().contains(QStringLiteral("空闲")));
    app.formMain().hide();
}

TEST(StartUp, AHelpPageThatCannotOpenIsNamed)
{
    TestVenue v(false);
    Desk desk;
    desk.opener.succeed = false;
    Application app(at(v), desk.platform());
    ASSERT_TRUE(app.start());
    test::click(&app.formMain(), QStringLiteral("访问主页"));
    ASSERT_EQ(desk.opener.opened.size(), 1);
    ASSERT_FALSE(desk.prompt.messages.isEmpty());
    EXPECT_TRUE(desk.prompt.messages.last().startsWith(QStringLiteral("无法自动打开下面的文件，请手动打开：")));
    EXPECT_TRUE(desk.prompt.messages.last().endsWith(QStringLiteral("Help.html")));
    app.formMain().hide();
}

TEST(StartUp, QtsOwnDialogsSpeakChinese)
{
    ASSERT_TRUE(installChineseTranslations());
    QMessageBox box(QMessageBox::Question, QStringLiteral("x"), QStringLiteral("x"), QMessageBox::Save | QMessageBox::Cancel);
    EXPECT_TRUE(box.button(QMessageBox::Save)->text().contains(QStringLiteral("保存"))) << box.button(QMessageBox::Save)->text().toStdString();
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().contains(QStringLiteral("取消")));
}

}  // namespace

namespace {

TEST(StartUp, TheRoomSearchGivesItsConditionThroughItsButtons)
{
    TestVenue v(false);
    Desk desk;
    Application app(at(v), desk.platform());
    TFormRoomSearch& search = app.form<TFormRoomSearch>();
    test::onNextDialog<TFormRoomSearch>([](TFormRoomSearch* s) {
        s->edit(0)->setText(QStringLiteral("羽"));
        s->edit(2)->setText(QStringLiteral("O'Brien"));
        test::click(s, QStringLiteral("确定"));
    });
    EXPECT_EQ(search.exec(), QDialog::Accepted);
    EXPECT_EQ(search.Condition, QStringLiteral(" And (InStr(RoomName,'羽')) And (InStr(RoomUser,'O''Brien'))"));
    test::onNextDialog<TFormRoomSearch>([](TFormRoomSearch* s) {
        EXPECT_TRUE(s->edit(0)->text().isEmpty()) << "each showing starts empty";
        test::click(s, QStringLiteral("取消"));
    });
    EXPECT_EQ(search.exec(), QDialog::Rejected);
}

}  // namespace
