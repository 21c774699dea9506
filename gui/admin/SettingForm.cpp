#include "gui/admin/SettingForm.h"

#include "core/admin/Maintenance.h"
#include "core/app/Startup.h"
#include "core/data/Clock.h"
#include "core/data/JetSql.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/admin/UserList.h"
#include "gui/admin/WordLists.h"
#include "gui/bookings/ItemList.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/ComboList.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velbrisk {

namespace {

QComboBox* choice(QWidget* parent, const QStringList& items)
{
    auto* c = new QComboBox(parent);
    c->addItems(items);
    return c;
}

// A group of one choice (after its caption, when there is one) and the 确定
// button that saves it.
QGroupBox* choiceGroup(QWidget* page, const QString& title, const QString& caption, const QStringList& items, QComboBox** box,
                       const std::function<void()>& save)
{
    auto* group = new QGroupBox(title, page);
    auto* row = new QHBoxLayout(group);
    if (!caption.isEmpty())
        row->addWidget(new QLabel(caption, group));
    *box = choice(group, items);
    row->addWidget(*box);
    row->addWidget(makeButton(group, QStringLiteral("确定"), save));
    return group;
}

}  // namespace

TFormSetting::TFormSetting(AppContext& ctx, TFormPower* powerForm, TFormCostReason* itemForm, WordAsker* asker,
                           QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_powerForm(powerForm), m_itemForm(itemForm), m_asker(asker),
      m_tabs(new QTabWidget(this))
{
    setWindowTitle(QStringLiteral("软件参数设置"));
    m_tabs->addTab(buildSettingsTab(), QStringLiteral("参数设置"));
    m_tabs->addTab(buildBusinessTab(), QStringLiteral("经营设置"));
    m_tabs->addTab(buildFinanceTab(), QStringLiteral("财务设置"));
    m_tabs->addTab(buildDevicesTab(), QStringLiteral("外设配备"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    auto* close = makeButton(this, QStringLiteral("关闭窗口"));
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 520);
}

QWidget* TFormSetting::buildSettingsTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QHBoxLayout(page);
    m_users = new UserList(m_ctx, m_powerForm, page);
    layout->addWidget(m_users, 1);
    auto* right = new QVBoxLayout;
    auto* data = new QGroupBox(QStringLiteral("数据维护"), page);
    auto* dl = new QHBoxLayout(data);
    auto* save = makeButton(data, QStringLiteral("备份数据"));
    auto* load = makeButton(data, QStringLiteral("恢复数据"));
    dl->addWidget(save);
    dl->addWidget(load);
    connect(save, &QPushButton::clicked, this, &TFormSetting::DataSave);
    connect(load, &QPushButton::clicked, this, &TFormSetting::DataLoad);
    right->addWidget(data);

    auto* sound = new QGroupBox(QStringLiteral("声音设置"), page);
    auto* sl = new QGridLayout(sound);
    sl->addWidget(new QLabel(QStringLiteral("响铃时使用的声音文件："), sound), 0, 0, 1, 4);
    m_ringFile = new QLineEdit(sound);
    m_ringFile->setReadOnly(true);
    sl->addWidget(m_ringFile, 1, 0, 1, 4);
    auto* choose = makeButton(sound, QStringLiteral("选择"));
    auto* listen = makeButton(sound, QStringLiteral("试听"));
    auto* ringOk = makeButton(sound, QStringLiteral("确定"));
    sl->addWidget(choose, 2, 1);
    sl->addWidget(listen, 2, 2);
    sl->addWidget(ringOk, 2, 3);
    sl->addWidget(new QLabel(QStringLiteral("响铃模式："), sound), 3, 0);
    m_ringMode = choice(sound, {QStringLiteral("一次响铃"), QStringLiteral("多次响铃")});
    sl->addWidget(m_ringMode, 3, 1, 1, 2);
    auto* modeOk = makeButton(sound, QStringLiteral("确定"));
    sl->addWidget(modeOk, 3, 3);
    connect(choose, &QPushButton::clicked, this, &TFormSetting::ChooseRingFile);
    connect(listen, &QPushButton::clicked, this, &TFormSetting::TryRingFile);
    connect(ringOk, &QPushButton::clicked, this, &TFormSetting::SaveRingFile);
    connect(modeOk, &QPushButton::clicked, this, &TFormSetting::SaveRingMode);
    right->addWidget(sound);
    right->addStretch();
    layout->addLayout(right, 1);
    return page;
}

QWidget* TFormSetting::buildBusinessTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QHBoxLayout(page);
    m_items = new ItemList(m_ctx, m_itemForm, page);
    layout->addWidget(m_items, 1);
    auto* right = new QVBoxLayout;

    right->addWidget(choiceGroup(page, QStringLiteral("小票打印"), QStringLiteral("埋单结帐打印设置："),
                                 {QStringLiteral("结帐时打印小票"), QStringLiteral("结帐时不打印小票")}, &m_ticket,
                                 [this] { SaveTicketPrint(); }));

    auto* books = new QGroupBox(QStringLiteral("预订清空"), page);
    auto* bl = new QHBoxLayout(books);
    bl->addWidget(new QLabel(QStringLiteral("清空所有房间的预订"), books));
    auto* clearBooks = makeButton(books, QStringLiteral("清空预订"));
    bl->addWidget(clearBooks);
    connect(clearBooks, &QPushButton::clicked, this, &TFormSetting::ClearBookings);
    right->addWidget(books);

    right->addWidget(choiceGroup(page, QStringLiteral("预订重叠"), QStringLiteral("时段重叠的预订与计时："),
                                 {QStringLiteral("不提醒重叠"), QStringLiteral("提醒重叠")}, &m_overlap, [this] { SaveBookOverlap(); }));

    auto* overtime = new QGroupBox(QStringLiteral("超时计费"), page);
    auto* otl = new QHBoxLayout(overtime);
    m_overtime = new QComboBox(overtime);
    m_overtime->addItems({QStringLiteral("不计费"), QStringLiteral("按实际时长计费"), QStringLiteral("询问")});
    otl->addWidget(m_overtime);
    otl->addWidget(new QLabel(QStringLiteral("宽限："), overtime));
    m_grace = new QSpinBox(overtime);
    m_grace->setRange(0, 1440);
    m_grace->setSuffix(QStringLiteral(" 分钟"));
    otl->addWidget(m_grace);
    auto* overtimeOk = makeButton(overtime, QStringLiteral("确定"));
    otl->addWidget(overtimeOk);
    connect(overtimeOk, &QPushButton::clicked, this, &TFormSetting::SaveOvertime);
    right->addWidget(overtime);

    auto* costs = new QGroupBox(QStringLiteral("消费清空"), page);
    auto* cl = new QHBoxLayout(costs);
    cl->addWidget(new QLabel(QStringLiteral("清空所有房间的消费"), costs));
    auto* clearCosts = makeButton(costs, QStringLiteral("清空消费"));
    cl->addWidget(clearCosts);
    connect(clearCosts, &QPushButton::clicked, this, &TFormSetting::ClearConsumption);
    right->addWidget(costs);

    auto* bank = new QGroupBox(QStringLiteral("结帐银行"), page);
    auto* kl = new QGridLayout(bank);
    kl->addWidget(new QLabel(QStringLiteral("　　在软件中，业务，财务，是互相独\n立的管理模块，而为了记帐方便，软件\n提供了业务开单直接入帐的功能："), bank), 0, 0, 1, 3);
    kl->addWidget(new QLabel(QStringLiteral("入帐至："), bank), 1, 0);
    m_account = new QComboBox(bank);
    kl->addWidget(m_account, 1, 1);
    auto* bankOk = makeButton(bank, QStringLiteral("确定"));
    kl->addWidget(bankOk, 1, 2);
    connect(bankOk, &QPushButton::clicked, this, &TFormSetting::SaveAccountForBill);
    right->addWidget(bank);
    right->addStretch();
    layout->addLayout(right, 1);
    return page;
}

QWidget* TFormSetting::buildFinanceTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    m_words = new WordLists(m_ctx, m_asker, page);
    layout->addWidget(m_words, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(choiceGroup(page, QStringLiteral("报表打印方式设置"), QString(),
                               {QStringLiteral("纵向打印"), QStringLiteral("横向打印")}, &m_printType, [this] { SavePrintType(); }));
    row->addWidget(choiceGroup(page, QStringLiteral("财务单据编号生成"), QString(),
                               {QStringLiteral("按日期生成编号"), QStringLiteral("按数字生成编号")}, &m_moneyIndex,
                               [this] { SaveMoneyIndex(); }));
    layout->addLayout(row);
    return page;
}

QWidget* TFormSetting::buildDevicesTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    const auto device = [&](const char* picture, const QString& caption) {
        auto* label = new QLabel(page);
        label->setAlignment(Qt::AlignCenter);
        label->setTextFormat(Qt::RichText);
        label->setText(QStringLiteral("<img src=\"%1\"><br><span style=\"font-size:16px\">%2</span>")
                           .arg(m_ctx.g.resourcePath(QString::fromLatin1(picture)).toHtmlEscaped(), caption));
        return label;
    };
    layout->addWidget(device("Res/CardReader.png", QStringLiteral("ID卡/IC卡 刷卡器")), 0, 0);
    layout->addWidget(device("Res/Computer.png", QStringLiteral("用户电脑")), 0, 1);
    QString phone = missingDataFileMessage();
    phone = phone.mid(phone.indexOf(QStringLiteral("技术支持电话：")) + 7);
    layout->addWidget(new QLabel(QStringLiteral("　　澄岳青檀阁软件可以配备专门的外加设备进行使用，例如可\n"
                                                "以与ID卡或IC卡设备一同工作，用户可以为每个计时房间配备专\n"
                                                "门的IC卡，当需要启动该房间的计时任务时，可以用IC卡在刷卡\n"
                                                "器上刷一下即可，当需要结束计时任务时，也可用IC卡刷卡结束\n"
                                                "方案的具体细节，可向澄岳软件技术部了解：")
                                     + phone,
                                 page),
                      1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    return page;
}

void TFormSetting::setWordAsker(WordAsker* asker)
{
    m_asker = asker;
    m_words->setAsker(asker);
}

int TFormSetting::exec()
{
    prepare();
    return QDialog::exec();
}

void TFormSetting::selectTwo(QComboBox* box, const QString& value)
{
    box->setCurrentIndex(value == box->itemText(0) ? 0 : 1);
}

void TFormSetting::prepare()
{
    Changed = false;
    const Options o = m_ctx.options();
    m_users->load();
    m_ringFile->setText(o.read(opt::RingFile));
    selectTwo(m_ringMode, o.read(opt::RingMode));
    selectTwo(m_ticket, o.read(opt::TicketPrint));
    selectTwo(m_overlap, o.read(opt::BookOverlap));
    m_overtime->setCurrentIndex(std::max(0, m_overtime->findText(o.read(opt::OvertimeCharge))));
    m_grace->setValue(o.overtimeGraceMinutes());
    Query& q = m_ctx.dm.ADOQueryTemp;
    LoadCombo(m_account, q, QStringLiteral("Select * From Account Where AccountIndex > 1"), false,
              QStringLiteral("AccountName"));
    const QString account = o.read(opt::AccountForBill).trimmed();
    bool whole = false;
    const int index = account.toInt(&whole);
    if (whole && OpenQuery(q, QStringLiteral("Select * From Account Where AccountIndex = ") + QString::number(index),
                           words::dbOpenFailed())) {
        if (!q.eof())
            SelectComboItem(m_account, q.str(QStringLiteral("AccountName")));
        q.close();
    }
    selectTwo(m_printType, o.read(opt::PrintType));
    selectTwo(m_moneyIndex, o.read(opt::MoneyIndex));
    m_items->load();
    m_words->loadAll();
}

QComboBox* TFormSetting::combo(const char* key) const
{
    const QString k = QString::fromUtf8(key);
    if (k == QLatin1String("RingMode"))
        return m_ringMode;
    if (k == QStringLiteral("小票打印"))
        return m_ticket;
    if (k == QLatin1String("AccountForBill"))
        return m_account;
    if (k == QStringLiteral("预订重叠"))
        return m_overlap;
    if (k == QStringLiteral("超时计费"))
        return m_overtime;
    if (k == QLatin1String("PrintType"))
        return m_printType;
    if (k == QLatin1String("MoneyIndex"))
        return m_moneyIndex;
    return nullptr;
}

void TFormSetting::SaveRingFile()
{
    m_ctx.options().write(opt::RingFile, m_ringFile->text());
    m_ctx.prompt().inform(QStringLiteral("响铃声音设置成功"));
}

void TFormSetting::SaveRingMode()
{
    m_ctx.options().write(opt::RingMode, m_ringMode->currentText());
    m_ctx.prompt().inform(QStringLiteral("响铃模式设置成功"));
}

void TFormSetting::SaveTicketPrint()
{
    m_ctx.options().write(opt::TicketPrint, m_ticket->currentText());
    m_ctx.prompt().inform(QStringLiteral("小票打印模式设置成功"));
}

void TFormSetting::SaveBookOverlap()
{
    m_ctx.options().write(opt::BookOverlap, m_overlap->currentText());
    m_ctx.prompt().inform(QStringLiteral("预订重叠设置为：") + m_overlap->currentText());
}

void TFormSetting::SaveOvertime()
{
    m_ctx.options().write(opt::OvertimeCharge, m_overtime->currentText());
    m_ctx.options().write(opt::OvertimeGrace, QString::number(m_grace->value()));
    m_ctx.prompt().inform(QStringLiteral("超时计费设置为：%1，宽限 %2 分钟").arg(m_overtime->currentText()).arg(m_grace->value()));
}

void TFormSetting::SaveAccountForBill()
{
    if (m_account->currentText().isEmpty()) {
        m_ctx.prompt().inform(QStringLiteral("请先在财务管理模块，录入银行帐户"));
        return;
    }
    Query& q = m_ctx.dm.ADOQueryTemp;
    if (!OpenQuery(q, QStringLiteral("Select * From Account Where AccountName = ") + quoted(m_account->currentText()),
                   words::dbOpenFailed()))
        return;
    if (!q.eof()) {
        m_ctx.options().write(opt::AccountForBill, q.str(QStringLiteral("AccountIndex")));
        m_ctx.prompt().inform(QStringLiteral("结帐银行设置为为：") + q.str(QStringLiteral("AccountName")));
    }
    q.close();
}

void TFormSetting::SavePrintType()
{
    m_ctx.options().write(opt::PrintType, m_printType->currentText());
    m_ctx.prompt().inform(QStringLiteral("报表打印方式设置为：") + m_printType->currentText());
}

void TFormSetting::SaveMoneyIndex()
{
    m_ctx.options().write(opt::MoneyIndex, m_moneyIndex->currentText());
    m_ctx.prompt().inform(QStringLiteral("编号自动生成方式设置为：") + m_moneyIndex->currentText());
}

void TFormSetting::ChooseRingFile()
{
    const QString file = m_ctx.prompt().openFileName(QStringLiteral("选择声音文件"), QStringLiteral("Wav Files (*.wav)|*.WAV"),
                                                     QStringLiteral(".wav"), m_ctx.g.AppDir);
    if (!file.isEmpty())
        m_ringFile->setText(QDir::toNativeSeparators(file));
}

void TFormSetting::TryRingFile()
{
    if (m_ctx.platform.sound)
        m_ctx.platform.sound->play(m_ringFile->text());
}

QString TFormSetting::dataFilePath() const
{
    return m_ctx.g.NetworkMode ? m_ctx.options().read(opt::Address) : m_ctx.g.dataFilePath();
}

void TFormSetting::DataSave()
{
    const QString folder = backupFolder(m_ctx.g.AppDir);
    if (folder.isEmpty()) {
        m_ctx.prompt().inform(QStringLiteral("数据库备份目录创建失败，请检查磁盘属性是否只读"));
        return;
    }
    const QString target = m_ctx.prompt().saveFileName(QStringLiteral("备份数据"), QStringLiteral("Mdb Files (*.mdb)|*.MDB"),
                                                       QStringLiteral(".mdb"), folder + defaultBackupName(Clock::today()));
    if (target.isEmpty())
        return;
    if (const SaveResult r = backupDataFile(m_ctx.dm.ADOConnection1, target); !r.saved) {
        m_ctx.prompt().inform(m_ctx.g.NetworkMode ? QStringLiteral("数据库备份失败：") + r.message
                                                  : QStringLiteral("数据库备份失败，失败号为：") + r.message);
        return;
    }
    if (m_ctx.g.NetworkMode) {
        m_ctx.prompt().inform(QStringLiteral("恭喜您，数据库备份成功！"));
        reject();
    } else {
        m_ctx.prompt().inform(QStringLiteral("恭喜您，数据库备份成功"));
    }
}

void TFormSetting::DataLoad()
{
    if (!m_ctx.prompt().ask(QStringLiteral("数据库恢复将导致当前数据全部丢失，是否继续？"), QStringLiteral("恢复警告")))
        return;
    const QString folder = backupFolder(m_ctx.g.AppDir);
    const QString file = m_ctx.prompt().openFileName(QStringLiteral("恢复数据"), QStringLiteral("Mdb Files (*.mdb)|*.MDB"),
                                                     QStringLiteral(".mdb"), folder);
    if (file.isEmpty())
        return;
    if (m_ctx.g.NetworkMode)
        m_ctx.prompt().inform(QStringLiteral("请先关闭所有的客户端,然后才可以进行数据恢复!"));
    QString kept;
    if (const SaveResult r = restoreDataFile(m_ctx.dm, dataFilePath(), file, folder, &kept); !r.saved) {
        m_ctx.prompt().inform(r.message);
        return;
    }
    m_ctx.prompt().inform(QStringLiteral("恭喜您，数据库恢复成功，请重新启动软件\n原来的数据库已保存为：")
                          + QDir::toNativeSeparators(kept));
    reject();
    if (endProgram)
        endProgram();
}

void TFormSetting::ClearBookings()
{
    if (!m_ctx.prompt().ask(QStringLiteral("此操作将清空所有房间的一切预订记录，您确定要继续吗？"), QStringLiteral("清空警告")))
        return;
    if (const SaveResult r = clearBookings(m_ctx.dm.ADOConnection1); !r.saved) {
        m_ctx.prompt().inform(r.message);
        return;
    }
    Changed = true;
    m_ctx.prompt().inform(QStringLiteral("房间预订记录清空成功"));
}

void TFormSetting::ClearConsumption()
{
    if (!m_ctx.prompt().ask(QStringLiteral("此操作将清空所有房间的一切消费记录，您确定要继续吗？"), QStringLiteral("清空警告")))
        return;
    if (const SaveResult r = clearConsumption(m_ctx.dm.ADOConnection1); !r.saved) {
        m_ctx.prompt().inform(r.message);
        return;
    }
    Changed = true;
    m_ctx.prompt().inform(QStringLiteral("房间消费记录清空成功"));
}

}  // namespace velbrisk
