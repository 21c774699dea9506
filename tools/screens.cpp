// Shows the program's main windows in turn on a venue filled with sample
// data, and saves a picture of the whole screen for each, so that their
// layout can be looked at under a real window manager:
//   screens TEMPLATE.mdb PROGRAM_DIR OUT_DIR
// (for instance under Xvfb with a window manager running on its display).
#include "core/config/Options.h"
#include "core/data/Database.h"
#include "core/data/JetSql.h"
#include "gui/admin/SettingForm.h"
#include "gui/app/Application.h"
#include "gui/app/MainForm.h"
#include "gui/bills/BillCakeForm.h"
#include "gui/bills/ReportForm.h"
#include "gui/bookings/BookStateForm.h"
#include "gui/finance/ChoseForm.h"
#include "gui/finance/FinanceForm.h"
#include "gui/report/Report.h"
#include "gui/rooms/RoomForm.h"
#include "gui/widgets/ChartPanel.h"
#include "gui/widgets/QtPlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <functional>

using namespace velbrisk;

namespace {

QString g_out;

// A desktop that answers nothing and opens nothing: the windows are only
// looked at.
class Quiet : public Prompter, public SoundPlayer, public FileOpener, public ReportPresenter {
public:
    void inform(const QString&, const QString&) override {}
    bool ask(const QString&, const QString&) override { return false; }
    QString openFileName(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    bool play(const QString&) override { return true; }
    bool open(const QString&) override { return true; }
    void present(const PreparedReport&, const QString&) override {}
};

void screen(const QString& name)
{
    QApplication::processEvents();
    QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), g_out + name + QStringLiteral(".png")});
    std::printf("%s\n", qPrintable(g_out + name + QStringLiteral(".png")));
}

// Once `d` shows: `before`, a picture named `name`, and the window closes.
void shootNext(QDialog* d, const QString& name, const std::function<void()>& before = {})
{
    QTimer::singleShot(600, d, [d, name, before] {
        if (before)
            before();
        QApplication::processEvents();
        QTimer::singleShot(300, d, [d, name] {
            screen(name);
            d->reject();
        });
    });
}

void fill(Connection& c)
{
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const QDateTime now = QDateTime::currentDateTime();
    auto at = [](const QDateTime& t) { return jetDateTime(t); };
    c.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomPrice, RoomState, RoomUser, RoomBeginTime, RoomEndTime) "
                          "Values ('羽毛球馆东区靠窗一号场地（含灯光）', '计时收费', 60, '占用', '张三', %1, %2)")
               .arg(at(now.addSecs(-1800)), at(now.addSecs(1800))));
    c.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomPrice, RoomState, RoomUser, RoomBeginTime, RoomEndTime) "
                          "Values ('乒乓2号', '计时收费', 30, '超时', '李四', %1, %2)")
               .arg(at(now.addSecs(-7200)), at(now.addSecs(-600))));
    c.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomPrice, RoomState) Values ('台球3号', '计次收费', 15, '空闲')"));
    c.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomPrice, RoomState) Values ('篮球场', '计时收费', 120, '预订')"));
    c.exec(QStringLiteral("Insert Into Book (BookRoom, BookBeginTime, BookEndTime) Values ('篮球场', #%1 18:00:00#, #%1 21:00:00#)").arg(today));
    // A second booking over the first one's last hour, coloured on the calendar.
    c.exec(QStringLiteral("Insert Into Book (BookRoom, BookBeginTime, BookEndTime) Values ('篮球场', #%1 20:00:00#, #%1 22:00:00#)").arg(today));
    for (int i = 1; i <= 12; ++i) {
        const QString day = QDate::currentDate().addDays(-i % 9).toString(Qt::ISODate);
        c.exec(QStringLiteral("Insert Into Bill (BillSerial, BillCreateTime, BillRoomName, BillRoomType, BillRoomPrice, BillBeginTime, "
                              "BillEndTime, BillRoomCost, BillOtherCost, BillTotalCost) Values ('%1%2', #%3 21:05:09#, '%4', '计时收费', "
                              "30, #%3 19:00:00#, #%3 21:00:00#, %5, 6, %6)")
                   .arg(QDate::currentDate().toString(QStringLiteral("yyMMdd")))
                   .arg(i, 3, 10, QLatin1Char('0'))
                   .arg(day, i % 2 ? QStringLiteral("乒乓2号") : QStringLiteral("羽毛球馆东区靠窗一号场地（含灯光）"))
                   .arg(i * 30)
                   .arg(i * 30 + 6));
        c.exec(QStringLiteral("Insert Into MoneyTable (MoneyKind, MoneyAccount, MoneyCreateTime, MoneyRecordTime, MoneyIn, MoneyOut, "
                              "MoneySum, MoneyUser, MoneyReason, MoneyType, MoneyToken, MoneySerial, MoneyRemark) Values "
                              "('财务收入', 2, #%1#, #%1#, %2, 0, %2, '北京东方体育文化发展有限公司', '销售收入', '现金', '收据', "
                              "'SR%3%4', '对应单据：%3%4')")
                   .arg(today)
                   .arg(i * 36)
                   .arg(QDate::currentDate().toString(QStringLiteral("yyMMdd")))
                   .arg(i, 2, 10, QLatin1Char('0')));
    }
    c.exec(QStringLiteral("Insert Into GetPay (GetPayTime, GetPayUser, GetPayKind, GetPaySum, GetPaySum2, GetPaySum3) "
                          "Values (#%1#, '北京东方体育文化发展有限公司', '应收', 5000, 1200, 3800)").arg(today));
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: screens TEMPLATE.mdb PROGRAM_DIR OUT_DIR\n");
        return 2;
    }
    installChineseTranslations();
    g_out = QDir(QString::fromLocal8Bit(argv[3])).absolutePath() + QLatin1Char('/');
    QDir().mkpath(g_out);
    QTemporaryDir venue;
    QFile::copy(QString::fromLocal8Bit(argv[1]), venue.filePath(QStringLiteral("Velbrisk.mdb")));
    {
        Connection c;
        c.open(venue.filePath(QStringLiteral("Velbrisk.mdb")));
        fill(c);
    }
    Options(venue.filePath(QStringLiteral("Velbrisk.ini")), venue.path()).write(opt::BookOverlap, QStringLiteral("提醒重叠"));
    Quiet quiet;
    StartOptions o;
    o.appDir = venue.path() + QLatin1Char('/');
    o.programDir = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + QLatin1Char('/');
    Application app(o, Platform{&quiet, &quiet, &quiet}, &quiet);
    if (!app.start())
        return 1;
    TFormMain& main = app.formMain();
    QTimer::singleShot(800, &main, [&] {
        main.RefreshBoard();
        screen(QStringLiteral("board"));
        for (int index : {2, 4}) {
            TFormRoom& room = app.form<TFormRoom>();
            room.OpenRoomIndex = index;
            shootNext(&room, QStringLiteral("room%1").arg(index));
            room.exec();
        }
        TFormBookState& calendar = app.form<TFormBookState>();
        shootNext(&calendar, QStringLiteral("calendar"));
        calendar.exec();
        TFormSetting& settings = app.form<TFormSetting>();
        shootNext(&settings, QStringLiteral("settings-business"), [&] { settings.tabs()->setCurrentIndex(1); });
        settings.exec();
        TFormReport& reports = app.form<TFormReport>();
        shootNext(&reports, QStringLiteral("reports"));
        reports.exec();
        TFormBillCake& chart = app.form<TFormBillCake>();
        chart.BillCondition = QString();
        shootNext(&chart, QStringLiteral("bars"), [&] { chart.panel()->typeCombo()->setCurrentText(QStringLiteral("条型图")); });
        chart.exec();
        TFormChose& chose = app.form<TFormChose>();
        TFormFinance& finance = app.form<TFormFinance>();
        QTimer::singleShot(600, &chose, [&] {
            chose.books()[0]->click();
        });
        QTimer::singleShot(1400, &finance, [&] {
            screen(QStringLiteral("finance"));
            finance.tabs()->setCurrentIndex(1);
            QTimer::singleShot(400, &finance, [&] {
                screen(QStringLiteral("ledger"));
                finance.tabs()->setCurrentIndex(2);
                QTimer::singleShot(400, &finance, [&] {
                    screen(QStringLiteral("receivables"));
                    finance.reject();
                });
            });
        });
        finance.exec();  // asks for the book first
        main.close();
    });
    return qapp.exec();
}
