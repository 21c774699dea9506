#include "app/Application.h"

#include "app/MainForm.h"
#include "admin/AskForm.h"
#include "admin/LoginForm.h"
#include "admin/PowerForm.h"
#include "admin/SettingForm.h"
#include "app/NetworkForm.h"
#include "bookings/BookForm.h"
#include "bookings/CostReasonForm.h"
#include "rooms/RoomSearchForm.h"
#include "bookings/CostForm.h"
#include "widgets/ProgressForm.h"
#include "report/PreviewForm.h"
#include "rooms/RoomForm.h"
#include "rooms/RoomForm2.h"

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
    : m_preview(reports ? nullptr : std::make_unique<PreviewPresenter>()), m_dm(platform.prompt),
      m_ctx{m_g, m_dm, platform, reports ? reports : m_preview.get()}
{
    m_g.NetworkMode = options.networkMode;
    // The main window first: it fixes the shared values. No window touches
    // the data file until the main window is shown.
    m_formMain = std::make_unique<TFormMain>(m_ctx, options.appDir, options.programDir);
    QWidget* main = m_formMain.get();
    m_formNetwork = std::make_unique<TFormNetwork>(m_ctx, main);
    m_formRoom = std::make_unique<TFormRoom>(m_ctx, main);
    m_formRoom2 = std::make_unique<TFormRoom2>(m_ctx, main);
    m_formBook = std::make_unique<TFormBook>(m_ctx, main);
    m_formCost = std::make_unique<TFormCost>(m_ctx, main);
    m_formPower = std::make_unique<TFormPower>(m_ctx, main);
    m_formCostReason = std::make_unique<TFormCostReason>(m_ctx, main);
    m_formAsk = std::make_unique<TFormAsk>(main);
    m_asker = std::make_unique<FormWordAsker>(m_formAsk.get());
    m_formSetting = std::make_unique<TFormSetting>(m_ctx, m_formPower.get(), m_formCostReason.get(), m_asker.get(), main);
    m_formLogin = std::make_unique<TFormLogin>(m_ctx, main);
    m_formRoomSearch = std::make_unique<TFormRoomSearch>(main);
    m_formProgress = std::make_unique<TFormProgress>(main);
    // Windows keep their parents for centring; the settings window and the
    // login window sit above the ones they open.
    m_formPower->setParent(m_formSetting.get(), m_formPower->windowFlags());
    m_formCostReason->setParent(m_formSetting.get(), m_formCostReason->windowFlags());
    m_formAsk->setParent(m_formSetting.get(), m_formAsk->windowFlags());
    m_formMain->setNetworkForm(m_formNetwork.get());
    m_formMain->setRoomForms(m_formRoom.get(), m_formRoom2.get());
    m_formMain->setAdminForms(m_formLogin.get(), m_formSetting.get());
    m_formRoom->setForms(m_formCost.get(), m_formRoom2.get(), m_formBook.get());
    m_formSetting->endProgram = [this] { m_formMain->close(); };
    // A write that waits for another workstation shows the progress window
    // from half a second on.
    m_dm.ADOConnection1.setWaitHook([this](qint64 waited) {
        TFormProgress& p = *m_formProgress;
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
    // The other windows are children of the main window and go with it.
    // Children of the settings window go with it.
    m_formAsk.release();
    m_formCostReason.release();
    m_formPower.release();
    m_formProgress.release();
    m_formRoomSearch.release();
    m_formLogin.release();
    m_formSetting.release();
    m_formCost.release();
    m_formBook.release();
    m_formRoom2.release();
    m_formRoom.release();
    m_formNetwork.release();
}

}  // namespace velbrisk
