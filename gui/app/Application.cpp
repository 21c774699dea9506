#include "gui/app/Application.h"

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
    parser.addOption(home);
    parser.addOption(network);
    parser.parse(arguments);
    StartOptions o;
    o.programDir = programDir;
    o.appDir = programDir;
    if (parser.isSet(home))
        o.appDir = QDir(parser.value(home)).absolutePath();
    else if (!qEnvironmentVariableIsEmpty("VELBRISK_HOME"))
        o.appDir = QDir(qEnvironmentVariable("VELBRISK_HOME")).absolutePath();
    o.networkMode = parser.isSet(network);
    return o;
}

Application::Application(const StartOptions& options, Platform platform, ReportPresenter* reports)
    : m_preview(reports ? nullptr : std::make_unique<PreviewPresenter>(platform.prompt)), m_dm(platform.prompt),
      m_ctx{m_g, m_dm, platform, reports ? reports : m_preview.get(), &m_forms}
{
    m_g.NetworkMode = options.networkMode;
    // The main window first: it fixes the shared values. No window touches
    // the data file until the main window is shown.
    m_formMain = std::make_unique<TFormMain>(m_ctx, options.appDir, options.programDir);
    QWidget* main = m_formMain.get();
    m_forms.add(m_formMain.get());
    // Every other window once, in this order, a child of the main window; a
    // window finds the ones it opens in the table.
    m_forms.add(new TFormNetwork(m_ctx, main));
    m_forms.add(new TFormCost(m_ctx, main));
    m_forms.add(new TFormBook(m_ctx, main));
    m_forms.add(new TFormRoom2(m_ctx, main));
    m_forms.add(new TFormRoom(m_ctx, main));
    m_forms.add(new TFormBill(m_ctx, main));
    m_forms.add(new TFormBillSearch(main));
    m_forms.add(new TFormBillReport(m_ctx, main));
    m_forms.add(new TFormBookState(m_ctx, main));
    m_forms.add(new TFormRoomCake(m_ctx, main));
    m_forms.add(new TFormBillCake(m_ctx, main));
    m_forms.add(new TFormReport(m_ctx, main));
    m_forms.add(new TFormFinance(m_ctx, main));
    m_forms.add(new TFormChose(m_ctx, main));
    m_forms.add(new TFormAccount(m_ctx, main));
    m_forms.add(new TFormGetPay(m_ctx, main));
    m_forms.add(new TFormGetPay4(m_ctx, main));
    m_forms.add(new TFormGetPay2(m_ctx, main));
    m_forms.add(new TFormGetPay3(m_ctx, main));
    m_forms.add(new TFormMakeReport(m_ctx, main));
    m_forms.add(new TFormAccountChose(m_ctx, main));
    m_forms.add(new TFormAccountSearch(main));
    m_forms.add(new TFormAccount2(m_ctx, main));
    m_forms.add(new TFormCake(m_ctx, main));
    m_forms.add(new TFormDraw(m_ctx, main));
    m_forms.add(new TFormPower(m_ctx, main));
    m_forms.add(new TFormCostReason(m_ctx, main));
    m_forms.add(new TFormAsk(main));
    m_asker = std::make_unique<FormWordAsker>(&form<TFormAsk>());
    m_forms.add(new TFormSetting(m_ctx, &form<TFormPower>(), &form<TFormCostReason>(), m_asker.get(), main));
    m_forms.add(new TFormLogin(m_ctx, main));
    m_forms.add(new TFormRoomSearch(main));
    m_forms.add(new TFormProgress(main));
    // The settings window's own windows sit above it.
    for (QWidget* w : std::initializer_list<QWidget*>{&form<TFormPower>(), &form<TFormCostReason>(), &form<TFormAsk>()})
        w->setParent(&form<TFormSetting>(), w->windowFlags());
    form<TFormSetting>().endProgram = [this] { m_formMain->close(); };
    // A write that waits for another workstation shows the progress window
    // from half a second on.
    m_dm.ADOConnection1.setWaitHook([this](qint64 waited) {
        TFormProgress& p = form<TFormProgress>();
        if (waited < 0) {
            p.end();
            p.setWindowTitle(QStringLiteral("请稍候"));
            return;
        }
        if (!p.isVisible()) {
            p.setWindowTitle(QStringLiteral("数据文件正被其他工作站使用，正在等待…"));
            p.begin();
        }
        p.setPosition(int(waited * 100 / std::max(1, m_dm.ADOConnection1.busyTimeout())));
    });
}

bool Application::start()
{
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
