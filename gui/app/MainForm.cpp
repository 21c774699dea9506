#include "gui/app/MainForm.h"

#include "core/admin/Users.h"
#include "core/app/Startup.h"
#include "core/data/Clock.h"
#include "core/data/ShareDM.h"
#include "core/rooms/Countdown.h"
#include "gui/admin/LoginForm.h"
#include "gui/admin/SettingForm.h"
#include "gui/app/NetworkForm.h"
#include "gui/bills/ReportForm.h"
#include "gui/context/AppContext.h"
#include "gui/finance/FinanceForm.h"
#include "gui/rooms/RoomForm.h"
#include "gui/rooms/RoomForm2.h"
#include "gui/rooms/RoomTile.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

TFormMain::TFormMain(AppContext& ctx, const QString& appDir, const QString& programDir, QWidget* parent)
    : QMainWindow(parent), m_ctx(ctx)
{
    const bool network = ctx.g.NetworkMode;
    ctx.g = makeGlobals(appDir, programDir, Clock::today());
    ctx.g.NetworkMode = network;
    setWindowTitle(QStringLiteral("澄岳体育场馆管理软件 2.0"));
    buildLayout();
    // The board shows the rooms as the rules leave them.
    connect(&ctx.dm.changes, &ChangeNotifier::roomsChanged, this, &TFormMain::RefreshBoard);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, [this] { Tick(Clock::now()); });
    m_timer.start();
}

TFormMain::~TFormMain() = default;

QString TFormMain::resourceDir() const
{
    // Pictures come from the venue folder when it has them, else from the program's.
    const QString probe = m_ctx.g.resourcePath(QStringLiteral("Res/White64.jpg"));
    return probe.left(probe.size() - QStringLiteral("Res/White64.jpg").size());
}

void TFormMain::buildLayout()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* logo = new QLabel(central);
    logo->setGeometry(4, 8, 140, 70);
    logo->setAlignment(Qt::AlignCenter);
    const QPixmap logoPicture(m_ctx.g.resourcePath(QStringLiteral("Res/Logo.png")));
    if (!logoPicture.isNull())
        logo->setPixmap(logoPicture.scaled(logo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        logo->setText(QStringLiteral("澄岳体育"));
    logo->setCursor(Qt::PointingHandCursor);
    logo->installEventFilter(this);
    logo->setObjectName(QStringLiteral("Logo"));

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
    connect(m_filter, &QComboBox::currentIndexChanged, this, [this] { RefreshBoard(); });
    connect(m_sort, &QComboBox::currentIndexChanged, this, [this] { RefreshBoard(); });

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
    connect(home, &QPushButton::clicked, this, &TFormMain::OpenHelp);
    connect(chat, &QPushButton::clicked, this, &TFormMain::OpenHelp);
    connect(m_loginButton, &QPushButton::clicked, this, &TFormMain::ActionLoginExecute);
    connect(m_settingButton, &QPushButton::clicked, this, &TFormMain::SettingButtonClick);
    connect(m_reportButton, &QPushButton::clicked, this, &TFormMain::ReportButtonClick);
    connect(m_accountButton, &QPushButton::clicked, this, &TFormMain::AccountButtonClick);

    m_tileArea = new QWidget(central);
    m_tileArea->setMouseTracking(true);
    m_tileArea->installEventFilter(this);
    m_placeholder = new QLabel(m_tileArea);
    m_placeholder->setFixedSize(240, 150);
    m_placeholder->setAlignment(Qt::AlignCenter);
    const QPixmap empty(m_ctx.g.resourcePath(QStringLiteral("Res/NoRoom.png")));
    if (!empty.isNull())
        m_placeholder->setPixmap(empty);
    else
        m_placeholder->setText(QStringLiteral("没有符合条件的房间"));
    m_placeholder->hide();
    m_priorPage = new QPushButton(QStringLiteral("上一页"), m_tileArea);
    m_newRoom = new QPushButton(QStringLiteral("新增房间"), m_tileArea);
    m_nextPage = new QPushButton(QStringLiteral("下一页"), m_tileArea);
    m_priorPage->setEnabled(false);
    m_nextPage->setEnabled(false);
    connect(m_priorPage, &QPushButton::clicked, this, &TFormMain::PriorPage);
    connect(m_nextPage, &QPushButton::clicked, this, &TFormMain::NextPage);
    connect(m_newRoom, &QPushButton::clicked, this, &TFormMain::NewRoomClick);
    for (int i = 0; i < kTileCount; ++i) {
        auto* t = new RoomTile(i, m_tileArea);
        m_tiles[i] = t;
        connect(t, &RoomTile::hovered, this, &TFormMain::HighlightTile);
        connect(t, &RoomTile::barHovered, this, [this](int slot) { m_tiles[slot]->setHighlighted(false); });
        connect(t, &RoomTile::clicked, this, &TFormMain::OpenRoom);
    }
    // Design size of the small layout; maximising gives the large one.
    resize(827, 535);
    m_tileArea->setGeometry(148, 0, 700, 740);
}

void TFormMain::ArrangeTiles(bool large)
{
    m_largeBoard = large;
    int buttonTop = 0, newLeft = 0;
    for (int i = 0; i < kTileCount; ++i) {
        if (large)
            m_tiles[i]->move((i % 4) * 216 + 16, (i / 4) * 72 + 16);
        else
            m_tiles[i]->move((i % 3) * 224 + 16, (i / 3) * 80 + 16);
        if (!large && i >= 18)
            m_tiles[i]->hide();
    }
    if (large) {
        buttonTop = 672;
        newLeft = 404;
        m_priorPage->setGeometry(16, buttonTop, 75, 25);
        m_nextPage->setGeometry(792, buttonTop, 75, 25);
    } else {
        buttonTop = 494;
        newLeft = 304;
        m_priorPage->setGeometry(16, buttonTop, 75, 25);
        m_nextPage->setGeometry(592, buttonTop, 75, 25);
    }
    m_newRoom->setGeometry(newLeft, buttonTop, 75, 25);
    m_placeholder->move(newLeft - 79, buttonTop - 157);
    m_tileArea->resize(large ? 880 : 700, buttonTop + 40);
    RefreshBoard();
}

void TFormMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!m_boardReady || m_boardClosing)
        return;
    const bool large = height() > 600;
    if (large && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        // A dragged window keeps the large board's own size; a maximized one
        // is left to the window manager.
        const QSize kept(width() > 1024 ? 1028 : width(), height() > 768 ? 745 : height());
        if (kept != size())
            resize(kept);
    }
    if (large != m_largeBoard)
        ArrangeTiles(large);
}

void TFormMain::RefreshBoard()
{
    if (!m_ctx.dm.connected())
        return;
    const int pageSize = m_largeBoard ? 36 : 18;
    m_priorPage->setEnabled(false);
    m_nextPage->setEnabled(false);
    BoardPage page;
    const SaveResult r = refreshBoard(m_ctx.dm.ADOQueryTemp, m_slots, m_filter->currentText(), m_sort->currentText(),
                                      m_roomPage, pageSize, &page);
    if (!r.message.isEmpty())
        m_ctx.prompt().inform(r.message);
    if (!r.saved)
        return;
    m_placeholder->setVisible(page.empty);
    m_priorPage->setEnabled(page.priorEnabled);
    m_nextPage->setEnabled(page.nextEnabled);
    for (int i = pageSize; i < kTileCount; ++i)
        m_slots[i].visible = false;
    showTiles();
    if (page.counts) {
        m_boardCounts = page.counts;
        showCounts();
    }
}

void TFormMain::showCounts()
{
    const BoardCounts& c = *m_boardCounts;
    m_counts[0]->setText(QStringLiteral("空闲：") + QString::number(c.free));
    m_counts[1]->setText(QStringLiteral("预订：") + QString::number(c.booked));
    m_counts[2]->setText(QStringLiteral("占用：") + QString::number(c.occupied));
    m_counts[3]->setText(QStringLiteral("超时：") + QString::number(c.overtime));
    m_counts[4]->setText(QStringLiteral("合计：") + QString::number(c.total));
}

void TFormMain::showTiles()
{
    const QString dir = resourceDir();
    for (int i = 0; i < kTileCount; ++i)
        m_tiles[i]->show(m_slots[i], dir);
}

void TFormMain::NextPage()
{
    ++m_roomPage;
    RefreshBoard();
}

void TFormMain::PriorPage()
{
    if (m_roomPage > 0)
        --m_roomPage;
    RefreshBoard();
}

void TFormMain::HighlightTile(int slot)
{
    for (int i = 0; i < kTileCount; ++i)
        m_tiles[i]->setHighlighted(i == slot);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tileArea && event->type() == QEvent::Enter)
        HighlightTile(-1);
    if (watched->objectName() == QLatin1String("Logo") && event->type() == QEvent::MouseButtonRelease)
        OpenHelp();
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::OpenHelp()
{
    openOrSay(m_ctx.platform, m_ctx.g.resourcePath(QStringLiteral("Help.html")));
}

void TFormMain::OpenRoom(int slot)
{
    if (!m_windows || slot < 0 || slot >= kTileCount || !m_slots[slot].visible)
        return;
    TFormRoom& room = m_windows->room;
    room.OpenRoomIndex = m_slots[slot].roomIndex;
    const int result = room.exec();
    if (result == QDialog::Accepted || room.Changed)
        RefreshBoard();
}

void TFormMain::NewRoomClick()
{
    if (!m_windows)
        return;
    m_windows->newRoom.Mode = EditMode::New;
    if (m_windows->newRoom.exec() == QDialog::Accepted)
        RefreshBoard();
}

void TFormMain::Tick(const QDateTime& now)
{
    // Not while this workstation waits for another one's write to end.
    if (!m_boardReady || !m_countdown || m_ctx.dm.ADOConnection1.waiting())
        return;
    // The counts follow the rooms the countdown turns overtime.
    if (const int turned = m_countdown->tick(m_slots, now); turned > 0 && m_boardCounts) {
        m_boardCounts->occupied = std::max(0, m_boardCounts->occupied - turned);
        m_boardCounts->overtime += turned;
        showCounts();
    }
    showTiles();
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
    m_timer.stop();
    QMainWindow::closeEvent(event);
}

bool TFormMain::startUp()
{
    m_started = true;  // once only, whether from the first show or by a caller
    const DataFileLocation loc = locateDataFile(m_ctx.g, m_ctx.options());
    switch (loc.result) {
    case DataFileLocation::Missing:
        m_ctx.prompt().inform(missingDataFileMessage(), QStringLiteral("错误"));
        return false;
    case DataFileLocation::AskAddress:
        if (!m_windows || m_windows->network.exec() != QDialog::Accepted)
            return false;
        break;
    case DataFileLocation::Found:
        if (const SaveResult r = connectDataFile(m_ctx.dm, loc.path, m_ctx.g.NetworkMode); !r.saved) {
            m_ctx.prompt().inform(r.message, QStringLiteral("错误"));
            return false;
        }
        break;
    }
    if (!ApplyLogin())
        return false;
    m_countdown = std::make_unique<Countdown>(m_ctx.dm.ADOConnection1, m_ctx.options(), m_ctx.platform.sound);
    ArrangeTiles(false);
    m_boardReady = true;
    return true;
}

bool TFormMain::ApplyLogin()
{
    bool loggedIn = true;
    if (!m_ctx.options().manualLogin()) {
        m_ctx.g.CurrentUserName = QString::fromUtf8(kManager);
        m_ctx.g.CurrentUserRights = QString::fromUtf8(kAllRights);
    } else {
        loggedIn = m_windows && m_windows->login.exec() == QDialog::Accepted;
    }
    ShowLaunchers();
    return loggedIn;
}

void TFormMain::ShowLaunchers()
{
    const QString& rights = m_ctx.g.CurrentUserRights;
    m_reportButton->setVisible(rights.contains(QStringLiteral("经营报表")));
    m_accountButton->setVisible(rights.contains(QStringLiteral("财务管理")));
    m_settingButton->setVisible(rights.contains(QStringLiteral("参数设置")));
}

void TFormMain::ActionLoginExecute()
{
    if (m_ctx.options().automaticLogin()) {
        m_ctx.prompt().inform(QStringLiteral("当前的登录模式设置为：以经营主管身份直接登录\r\n\r\n"
                                             "　　　　如果想以其他用户身份登录软件\r\n\r\n"
                                             "　　请先进入参数设置，修改软件登录模式"));
        return;
    }
    ApplyLogin();
}

void TFormMain::ReportButtonClick()
{
    if (!m_windows)
        return;
    m_windows->reports.exec();
    if (m_windows->reports.Changed)
        RefreshBoard();
}

void TFormMain::AccountButtonClick()
{
    if (m_windows)
        m_windows->finance.exec();
}

void TFormMain::SettingButtonClick()
{
    if (!m_windows)
        return;
    m_windows->settings.exec();
    if (m_windows->settings.Changed)
        RefreshBoard();
}

}  // namespace velbrisk
