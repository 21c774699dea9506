#include "app/Application.h"

#include "app/MainForm.h"
#include "app/NetworkForm.h"
#include "data/ProgressForm.h"

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

Application::Application(const StartOptions& options, Platform platform)
    : m_dm(platform.prompt), m_ctx{m_g, m_dm, platform}
{
    m_g.NetworkMode = options.networkMode;
    // The main window first: it fixes the shared values. No window touches
    // the data file until the main window is shown.
    m_formMain = std::make_unique<TFormMain>(m_ctx, options.appDir, options.programDir);
    m_formNetwork = std::make_unique<TFormNetwork>(m_ctx, m_formMain.get());
    m_formProgress = std::make_unique<TFormProgress>(m_formMain.get());
    m_formMain->setNetworkForm(m_formNetwork.get());
}

Application::~Application()
{
    // Child windows go with the main window; release them first.
    m_formProgress.release();
    m_formNetwork.release();
}

}  // namespace velbrisk
