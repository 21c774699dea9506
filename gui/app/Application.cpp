#include "gui/app/Application.h"

#include "core/app/Startup.h"
#include "gui/admin/AskForm.h"
#include "gui/admin/LoginForm.h"
#include "gui/admin/PowerForm.h"
#include "gui/admin/SettingForm.h"
#include "gui/app/MainForm.h"
#include "gui/app/NetworkForm.h"
#include "gui/bills/BillCakeForm.h"
#include "gui/bills/BillForm.h"
#include "gui/bills/BillReportForm.h"
#include "gui/bills/BillSearchForm.h"
#include "gui/bills/ReportForm.h"
#include "gui/bills/RoomCakeForm.h"
#include "gui/bookings/BookForm.h"
#include "gui/bookings/BookStateForm.h"
#include "gui/bookings/CostForm.h"
#include "gui/bookings/CostReasonForm.h"
#include "gui/finance/Account2Form.h"
#include "gui/finance/AccountChoseForm.h"
#include "gui/finance/AccountForm.h"
#include "gui/finance/AccountSearchForm.h"
#include "gui/finance/CakeForm.h"
#include "gui/finance/ChoseForm.h"
#include "gui/finance/DrawForm.h"
#include "gui/finance/FinanceForm.h"
#include "gui/finance/GetPay2Form.h"
#include "gui/finance/GetPay3Form.h"
#include "gui/finance/GetPay4Form.h"
#include "gui/finance/GetPayForm.h"
#include "gui/finance/MakeReportForm.h"
#include "gui/report/PreviewForm.h"
#include "gui/rooms/RoomForm.h"
#include "gui/rooms/RoomForm2.h"
#include "gui/rooms/RoomSearchForm.h"
#include "gui/widgets/ProgressForm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

namespace velbrisk {

StartOptions parseStartOptions(const QStringList& arguments, const QString& programDir)
{
    QCommandLineParser parser;
    QCommandLineOption home(QStringLiteral("home"), QStringLiteral("场馆数据所在的文件夹"), QStringLiteral("DIR"));
    QCommandLineOption network(QStringLiteral("network"), QStringLiteral("使用网络上的数据库"));
    QCommandLineOption check(QStringLiteral("check-start"), QStringLiteral("启动到营业面板后即退出（检查安装）"));
    parser.addOption(home);
    parser.addOption(network);
    parser.addOption(check);
    parser.parse(arguments);
    StartOptions o;
    const QString installed = installedResourceDir(programDir);
    o.programDir = installed.isEmpty() ? programDir : installed;
    o.appDir = installed.isEmpty() ? programDir : userVenueDir();
    if (!installed.isEmpty())
        o.templateFile = installedTemplate(installed);
    o.checkStart = parser.isSet(check);
    if (parser.isSet(home))
        o.appDir = QDir(parser.value(home)).absolutePath();
    else if (!qEnvironmentVariableIsEmpty("VELBRISK_HOME"))
        o.appDir = QDir(qEnvironmentVariable("VELBRISK_HOME")).absolutePath();
    o.networkMode = parser.isSet(network);
    return o;
}

Application::Application(const StartOptions& options, Platform platform, ReportPresenter* reports)
    : m_preview(reports ? nullptr : std::make_unique<PreviewPresenter>(platform.prompt)), m_dm(platform.prompt),
      m_ctx{m_g, m_dm, platform, reports ? reports : m_preview.get()}
{
    m_g.NetworkMode = options.networkMode;
    m_templateFile = options.templateFile;
    // The main window first: it fixes the shared values. No window touches
    // the data file until the main window is shown.
    m_formMain = std::make_unique<TFormMain>(m_ctx, options.appDir, options.programDir);
    m_forms.add(m_formMain.get());
    // Every other window once, a child of the main window, each handed the
    // windows it opens: those are made before it.
    auto& progress = make<TFormProgress>();
    m_ctx.progress = &progress;
    auto& network = make<TFormNetwork>(m_ctx);
    auto& cost = make<TFormCost>(m_ctx);
    auto& book = make<TFormBook>(m_ctx);
    auto& roomDetails = make<TFormRoom2>(m_ctx);
    auto& room = make<TFormRoom>(m_ctx, cost, book, roomDetails);
    auto& bill = make<TFormBill>(m_ctx, cost);
    auto& billSearch = make<TFormBillSearch>();
    auto& status = make<TFormBillReport>(m_ctx, billSearch, bill);
    auto& calendar = make<TFormBookState>(m_ctx);
    auto& roomChart = make<TFormRoomCake>(m_ctx);
    auto& billChart = make<TFormBillCake>(m_ctx);
    auto& roomSearch = make<TFormRoomSearch>();
    auto& reportsWindow =
        make<TFormReport>(m_ctx, ReportWindows{roomSearch, calendar, roomChart, room, billSearch, status, billChart, bill});

    auto& match = make<TFormGetPay4>(m_ctx);
    auto& voucher = make<TFormGetPay>(m_ctx, match);
    auto& record = make<TFormGetPay2>(m_ctx, voucher);
    auto& recordFilter = make<TFormGetPay3>(m_ctx);
    auto& transfer = make<TFormDraw>(m_ctx);
    auto& account = make<TFormAccount>(m_ctx);
    auto& accountDetail = make<TFormAccount2>(m_ctx, voucher, transfer, account);
    auto& finance = make<TFormFinance>(
        m_ctx, FinanceWindows{make<TFormChose>(m_ctx), voucher, record, recordFilter, transfer, account, accountDetail,
                              make<TFormAccountSearch>(), make<TFormAccountChose>(m_ctx), make<TFormMakeReport>(m_ctx),
                              make<TFormCake>(m_ctx)});

    auto& power = make<TFormPower>(m_ctx);
    auto& item = make<TFormCostReason>(m_ctx);
    auto& ask = make<TFormAsk>();
    m_asker = std::make_unique<FormWordAsker>(&ask);
    auto& settings = make<TFormSetting>(m_ctx, &power, &item, m_asker.get());
    // The settings window's own windows sit above it.
    for (QWidget* w : std::initializer_list<QWidget*>{&power, &item, &ask})
        w->setParent(&settings, w->windowFlags());
    settings.endProgram = [this] { m_formMain->close(); };
    auto& login = make<TFormLogin>(m_ctx);

    m_formMain->openWith({network, login, room, roomDetails, reportsWindow, finance, settings});

    // A write that waits for another workstation shows the progress window
    // from half a second on.
    m_dm.ADOConnection1.setWaitHook([this, &progress](qint64 waited) {
        if (waited < 0) {
            progress.end();
            progress.setWindowTitle(QStringLiteral("请稍候"));
            return;
        }
        if (!progress.isVisible()) {
            progress.setWindowTitle(QStringLiteral("数据文件正被其他工作站使用，正在等待…"));
            progress.begin();
        }
        progress.setPosition(int(waited * 100 / std::max(1, m_dm.ADOConnection1.busyTimeout())));
    });
}

bool Application::start()
{
    if (!m_templateFile.isEmpty()) {
        // The network mode's data file is elsewhere; its settings stay here.
        const SaveResult r = prepareVenueFolder(m_g.AppDir, m_g.NetworkMode ? QString() : m_templateFile);
        if (!r.saved) {
            m_ctx.prompt().inform(r.message, QStringLiteral("错误"));
            return false;
        }
    }
    if (!m_formMain->startUp())
        return false;
    m_formMain->show();
    return true;
}

Application::~Application()
{
    m_dm.ADOConnection1.setWaitHook({});
    m_formMain.reset();  // and every window with it
}

}  // namespace velbrisk
