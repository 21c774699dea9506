#include "app/MainForm.h"

#include "app/AppContext.h"
#include "app/NetworkForm.h"
#include "app/Startup.h"
#include "data/PublicFunction.h"
#include "data/ShareDM.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace velbrisk {

namespace {
const char* const kStates[] = {"空闲", "预订", "占用", "超时"};
}

TFormMain::TFormMain(AppContext& ctx, const QString& appDir, const QString& programDir, QWidget* parent)
    : QMainWindow(parent), m_ctx(ctx)
{
    const bool network = ctx.g.NetworkMode;
    ctx.g = makeGlobals(appDir, programDir, QDate::currentDate());
    ctx.g.NetworkMode = network;
    setWindowTitle(QStringLiteral("澄岳体育场馆管理软件 2.0"));
    buildLayout();
}

void TFormMain::buildLayout()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    central->setFixedSize(827, 535);

    auto* logo = new QLabel(central);
    logo->setGeometry(4, 8, 140, 70);
    logo->setAlignment(Qt::AlignCenter);
    const QPixmap logoPicture(m_ctx.g.resourcePath(QStringLiteral("Res/Logo.png")));
    if (!logoPicture.isNull())
        logo->setPixmap(logoPicture.scaled(logo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        logo->setText(QStringLiteral("澄岳体育"));

    auto* group = new QGroupBox(QStringLiteral("显示与排序"), central);
    group->setGeometry(4, 84, 140, 200);
    auto* gl = new QVBoxLayout(group);
    m_filter = new QComboBox(group);
    m_filter->addItems({QStringLiteral("所有房间"), QStringLiteral("空闲房间"), QStringLiteral("预订房间"),
                        QStringLiteral("占用房间"), QStringLiteral("超时房间")});
    m_sort = new QComboBox(group);
    m_sort->addItems({QStringLiteral("按编号排"), QStringLiteral("按名称排"), QStringLiteral("按状态排"),
                      QStringLiteral("按类型排")});
    gl->addWidget(m_filter);
    gl->addWidget(m_sort);
    const char* captions[] = {"空闲：", "预订：", "占用：", "超时：", "合计："};
    for (int i = 0; i < 5; ++i) {
        m_counts[i] = new QLabel(QString::fromUtf8(captions[i]) + QStringLiteral("0"), group);
        gl->addWidget(m_counts[i]);
    }

    int top = 292;
    auto button = [&](const char* text) {
        auto* b = new QPushButton(QString::fromUtf8(text), central);
        b->setGeometry(4, top, 140, 30);
        top += 36;
        return b;
    };
    m_loginButton = button("重新登录");
    m_reportButton = button("经营报表");
    m_accountButton = button("财务管理");
    m_settingButton = button("参数设置");
    auto* home = button("访问主页");
    auto* chat = button("技术支持");
    home->setObjectName(QStringLiteral("HomePageButton"));
    chat->setObjectName(QStringLiteral("OnlineChatButton"));
    connect(home, &QPushButton::clicked, this, [this] {
        m_ctx.platform.opener->open(m_ctx.g.resourcePath(QStringLiteral("Help.html")));
    });
    connect(chat, &QPushButton::clicked, this, [this] {
        m_ctx.platform.opener->open(m_ctx.g.resourcePath(QStringLiteral("Help.html")));
    });
    connect(m_loginButton, &QPushButton::clicked, this, [this] { ApplyLogin(); });

    m_tileArea = new QWidget(central);
    m_tileArea->setGeometry(148, 0, 679, 535);
    m_placeholder = new QLabel(m_tileArea);
    m_placeholder->setFixedSize(240, 150);
    m_placeholder->setAlignment(Qt::AlignCenter);
    const QPixmap empty(m_ctx.g.resourcePath(QStringLiteral("Res/NoRoom.png")));
    if (!empty.isNull())
        m_placeholder->setPixmap(empty);
    else
        m_placeholder->setText(QStringLiteral("没有符合条件的房间"));
    m_priorPage = new QPushButton(QStringLiteral("上一页"), m_tileArea);
    m_newRoom = new QPushButton(QStringLiteral("新增房间"), m_tileArea);
    m_nextPage = new QPushButton(QStringLiteral("下一页"), m_tileArea);
    const int buttonTop = 494;
    m_priorPage->setGeometry(16, buttonTop, 75, 25);
    m_newRoom->setGeometry(304, buttonTop, 75, 25);
    m_nextPage->setGeometry(592, buttonTop, 75, 25);
    m_placeholder->move(304 - 79, buttonTop - 157);
    m_priorPage->setEnabled(false);
    m_nextPage->setEnabled(false);
    setFixedSize(sizeHint());
}

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    // Start once the window is on screen, so that messages have a parent.
    QTimer::singleShot(0, this, [this] {
        if (!startUp())
            close();
    });
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    m_boardClosing = true;
    QMainWindow::closeEvent(event);
}

bool TFormMain::startUp()
{
    const DataFileLocation loc = locateDataFile(m_ctx.g, m_ctx.options());
    switch (loc.result) {
    case DataFileLocation::Missing:
        m_ctx.prompt().inform(missingDataFileMessage(), QStringLiteral("错误"));
        return false;
    case DataFileLocation::AskAddress:
        if (!m_network || m_network->exec() != QDialog::Accepted)
            return false;
        break;
    case DataFileLocation::Found:
        if (const QString error = connectDataFile(m_ctx.dm, loc.path); !error.isEmpty()) {
            m_ctx.prompt().inform(error, QStringLiteral("错误"));
            return false;
        }
        break;
    }
    if (!ApplyLogin())
        return false;
    RefreshCounts();
    m_boardReady = true;
    return true;
}

bool TFormMain::ApplyLogin()
{
    // Automatic login as the manager; the login window joins with the users.
    m_ctx.g.CurrentUserName = QStringLiteral("经营主管");
    m_ctx.g.CurrentUserRights = QStringLiteral("经营报表，财务管理，参数设置");
    const QString& rights = m_ctx.g.CurrentUserRights;
    m_reportButton->setVisible(rights.contains(QStringLiteral("经营报表")));
    m_accountButton->setVisible(rights.contains(QStringLiteral("财务管理")));
    m_settingButton->setVisible(rights.contains(QStringLiteral("参数设置")));
    return true;
}

void TFormMain::RefreshCounts()
{
    Query& q = m_ctx.dm.ADOQueryTemp;
    for (int i = 0; i < 4; ++i) {
        const QString word = QString::fromUtf8(kStates[i]);
        if (!OpenQuery(q, QStringLiteral("Select * From Room Where (RoomIndex > 1) And (RoomState = '") + word + QStringLiteral("')"),
                       QStringLiteral("数据库打开失败")))
            return;
        m_counts[i]->setText(word + QStringLiteral("：") + QString::number(q.recordCount()));
    }
    if (!OpenQuery(q, QStringLiteral("Select * From Room Where (RoomIndex > 1)"), QStringLiteral("数据库打开失败")))
        return;
    m_counts[4]->setText(QStringLiteral("合计：") + QString::number(q.recordCount()));
    q.close();
}

}  // namespace velbrisk
