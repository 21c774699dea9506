#include "gui/rooms/RoomForm.h"

#include "core/data/Clock.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "core/rooms/Board.h"
#include "core/rooms/RoomFee.h"
#include "core/rooms/RoomTask.h"
#include "gui/bookings/BookForm.h"
#include "gui/bookings/BookTab.h"
#include "gui/bookings/CostForm.h"
#include "gui/bookings/CostTab.h"
#include "gui/bookings/OverlapAsk.h"
#include "gui/context/AppContext.h"
#include "gui/report/Report.h"
#include "gui/rooms/RoomForm2.h"
#include "gui/rooms/Ticket.h"
#include "gui/widgets/MomentPicker.h"

#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace velbrisk {

namespace {
const QString kNotePlaceholder = QStringLiteral("（备注信息）");
const QSize kDesignSize(640, 420);

QLineEdit* amountBox(QWidget* parent, bool readOnly)
{
    auto* e = new QLineEdit(parent);
    e->setReadOnly(readOnly);
    e->setAlignment(Qt::AlignRight);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^\\d{0,9}(\\.\\d{0,2})?$")), e));
    return e;
}
}  // namespace

TFormRoom::TFormRoom(AppContext& ctx, TFormCost& cost, TFormBook& book, TFormRoom2& roomDetails, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_details(roomDetails)
{
    setWindowTitle(QStringLiteral("房间经营管理"));
    m_tabs = new QTabWidget(this);
    m_tabs->addTab(buildOperationTab(), QStringLiteral("经营管理"));
    m_costTab = new CostTab(ctx, this);
    m_costTab->setCostForm(&cost);
    m_tabs->addTab(m_costTab, QStringLiteral("消费管理"));
    m_bookTab = new BookTab(ctx, this);
    m_bookTab->setBookForm(&book);
    m_tabs->addTab(m_bookTab, QStringLiteral("房间预订"));
    auto* details = new QWidget(this);
    auto* dl = new QVBoxLayout(details);
    auto* editButton = new QPushButton(QStringLiteral("资料修改"), details);
    editButton->setAutoDefault(false);
    dl->addWidget(editButton, 0, Qt::AlignLeft);
    dl->addWidget(new QLabel(QStringLiteral("在这里修改房间的资料：\n"
                                            "１．房间名称：显示在房间面板上，也记在单据和预订中；\n"
                                            "２．房间类型：计时收费按小时收费，计次收费按次收费；\n"
                                            "３．价格设置：每小时或每次的价格；\n"
                                            "修改后的资料用于该房间以后的每一次计时。"),
                             details));
    dl->addStretch();
    m_tabs->addTab(details, QStringLiteral("资料修改"));
    connect(editButton, &QPushButton::clicked, this, &TFormRoom::ActionEditExecute);

    m_stateGroup = new QGroupBox(QStringLiteral("当前状态："), this);
    auto* sl = new QVBoxLayout(m_stateGroup);
    m_picture = new QLabel(m_stateGroup);
    m_picture->setFixedSize(80, 80);
    sl->addWidget(m_picture, 0, Qt::AlignHCenter);
    sl->addStretch();
    auto* quit = new QPushButton(QStringLiteral("退 出"), this);
    quit->setAutoDefault(false);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(m_stateGroup, 1);
    right->addWidget(quit);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(right);

    connect(m_costTab, &CostTab::totalChanged, this, [this](double total) {
        m_otherCost->setText(money2(total));
        updateTotal();
    });
    connect(m_costTab, &CostTab::entryAdded, this, [this] { Changed = true; });
    // A booking added or deleted here may change the room's state: shown as
    // the board will show it.
    connect(m_bookTab, &BookTab::bookingsChanged, this, [this] {
        Changed = true;
        refreshState();
    });
    resize(kDesignSize);
}

QWidget* TFormRoom::buildOperationTab()
{
    auto* page = new QWidget(this);
    auto* group = new QGroupBox(QStringLiteral("房间经营管理"), page);
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(group);
    // Rows keep together when a per-use room hides its time rows.
    outer->addStretch();
    auto* g = new QGridLayout(group);
    int row = 0;
    auto caption = [&](const char* text) {
        auto* l = new QLabel(QString::fromUtf8(text), group);
        g->addWidget(l, row, 0);
        return l;
    };
    caption("房间名称：");
    m_name = new QLabel(group);
    m_name->setWordWrap(true);  // a long name wraps instead of widening the window for good
    g->addWidget(m_name, row++, 1, 1, 3);
    caption("类型：");
    m_type = new QLabel(group);
    g->addWidget(m_type, row++, 1, 1, 3);
    caption("单价：");
    m_price = new QLabel(group);
    g->addWidget(m_price, row++, 1, 1, 3);
    caption("当前房主：");
    m_customer = new QLineEdit(group);
    g->addWidget(m_customer, row++, 1, 1, 3);

    m_beginCaption = caption("开始时间：");
    m_begin = new MomentPicker(group);
    m_plus = new QPushButton(QStringLiteral("+"), group);
    m_plus->setFixedWidth(28);
    m_plus->setAutoDefault(false);
    g->addWidget(m_begin, row, 1, 1, 2);
    g->addWidget(m_plus, row++, 3);
    m_endCaption = caption("预算结束：");
    m_end = new MomentPicker(group);
    m_length = new QLabel(group);
    g->addWidget(m_end, row, 1, 1, 2);
    g->addWidget(m_length, row++, 3);
    for (MomentPicker* m : {m_begin, m_end})
        connect(m, &MomentPicker::changed, this, [this] {
            if (!m_loading)
                ComputeRoomFee();
        });

    auto moneyRow = [&](const char* text, QLineEdit* edit) {
        caption(text);
        g->addWidget(edit, row, 1, 1, 2);
        g->addWidget(new QLabel(QStringLiteral("元"), group), row++, 3);
    };
    m_roomFee = amountBox(group, false);
    m_otherCost = amountBox(group, true);
    m_total = amountBox(group, true);
    moneyRow("房租收费：", m_roomFee);
    moneyRow("其他消费：", m_otherCost);
    moneyRow("金额合计：", m_total);
    m_otherCost->installEventFilter(this);
    connect(m_roomFee, &QLineEdit::textEdited, this, [this] { updateTotal(); });

    m_note = new QPlainTextEdit(group);
    m_note->setFixedHeight(44);
    g->addWidget(m_note, row++, 0, 1, 4);

    auto* buttons = new QHBoxLayout;
    m_beginButton = new QPushButton(QStringLiteral("开始计时"), group);
    m_billButton = new QPushButton(QStringLiteral("埋单结帐"), group);
    m_cancelButton = new QPushButton(QStringLiteral("取消任务"), group);
    for (QPushButton* b : {m_beginButton, m_billButton, m_cancelButton}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    g->addLayout(buttons, row++, 0, 1, 4);
    connect(m_beginButton, &QPushButton::clicked, this, &TFormRoom::ActionBeginExecute);
    connect(m_billButton, &QPushButton::clicked, this, &TFormRoom::ActionBillExecute);
    connect(m_cancelButton, &QPushButton::clicked, this, &TFormRoom::ActionCancelExecute);

    m_timeMenu = makeLengthMenu(this, [this](int seconds) { AdjustLength(seconds); });
    connect(m_plus, &QPushButton::clicked, this, [this] { m_timeMenu->popup(m_plus->mapToGlobal(QPoint(35, 0))); });
    m_plus->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_plus, &QPushButton::customContextMenuRequested, this,
            [this] { m_timeMenu->popup(m_plus->mapToGlobal(QPoint(35, 0))); });
    return page;
}

bool TFormRoom::eventFilter(QObject* watched, QEvent* event)
{
    // A click on "其他消费：" opens the consumption tab.
    if (watched == m_otherCost && event->type() == QEvent::MouseButtonPress)
        m_tabs->setCurrentWidget(m_costTab);
    return QDialog::eventFilter(watched, event);
}

int TFormRoom::exec()
{
    prepare();
    return QDialog::exec();
}

QDateTime TFormRoom::begin() const { return m_begin->value(); }
QDateTime TFormRoom::end() const { return m_end->value(); }

void TFormRoom::setBegin(const QDateTime& dt)
{
    m_begin->setValue(dt);
}

void TFormRoom::setEnd(const QDateTime& dt)
{
    m_end->setValue(dt);
}

QString TFormRoom::stateCaption() const { return m_stateGroup->title(); }

void TFormRoom::showState(const QString& state)
{
    m_stateGroup->setTitle(QStringLiteral("当前状态：") + state);
    m_pictureFile = statePicture80(state);
    m_picture->setPixmap(QPixmap(m_ctx.g.resourcePath(m_pictureFile)));
}

void TFormRoom::refreshState()
{
    Query& q = m_ctx.dm.ADOQueryTemp;
    if (OpenQuery(q, QStringLiteral("Select RoomState From Room Where RoomIndex = ") + QString::number(OpenRoomIndex),
                  words::dbOpenFailed())
        && !q.eof())
        showState(q.str(QStringLiteral("RoomState")));
    q.close();
}

void TFormRoom::loadRoomLines()
{
    Query& q = m_ctx.dm.ADOQueryTemp;
    m_name->setText(q.str(QStringLiteral("RoomName")));
    m_type->setText(q.str(QStringLiteral("RoomType")));
    m_price->setText(priceLine(q.num(QStringLiteral("RoomPrice")), q.str(QStringLiteral("RoomType"))));
}

void TFormRoom::prepare(const QDateTime& now)
{
    Changed = false;
    m_loading = true;
    Query& q = m_ctx.dm.ADOQueryTemp;
    if (OpenQuery(q, QStringLiteral("Select * From Room Where RoomIndex = ") + QString::number(OpenRoomIndex),
                  words::dbOpenFailed())
        && !q.eof()) {
        const QString state = q.str(QStringLiteral("RoomState"));
        m_roomState = state;
        showState(state);
        loadRoomLines();
        const bool running = words::taskRunning(state);
        m_beginButton->setText(running ? QStringLiteral("调整计时") : QStringLiteral("开始计时"));
        m_billButton->setVisible(running);
        m_cancelButton->setVisible(running);
        if (running) {
            m_customer->setText(q.str(QStringLiteral("RoomUser")));
            setBegin(q.dateTime(QStringLiteral("RoomBeginTime")));
            setEnd(q.dateTime(QStringLiteral("RoomEndTime")));
            m_note->setPlainText(q.str(QStringLiteral("RoomNote")));
            // How long it has run over, where the venue charges overtime.
            if (state == words::roomOvertime() && m_ctx.options().overtimeCharge() != Options::Overtime::NotCharged)
                m_stateGroup->setTitle(m_stateGroup->title()
                                       + QStringLiteral("（已超时%1）").arg(overtimeText(std::max<qint64>(0, end().secsTo(now)))));
        } else {
            const QDateTime start(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
            m_customer->clear();
            setBegin(start);
            setEnd(start.addSecs(3600));
            m_otherCost->setText(QStringLiteral("0.00"));
            m_note->setPlainText(kNotePlaceholder);
        }
    }
    q.close();
    m_loading = false;
    m_tabs->setCurrentIndex(0);
    m_customer->setFocus();
    ComputeRoomFee();
    m_bookTab->load(m_name->text(), OpenRoomIndex);
    m_costTab->load(m_name->text());
    // Each room at each showing gets the size it needs, not one a room
    // before it needed.
    resize(kDesignSize.expandedTo(minimumSizeHint()));
}

void TFormRoom::setTimeControlsVisible(bool visible)
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_beginCaption, m_endCaption, m_begin, m_end, m_plus, m_length})
        w->setVisible(visible);
}

void TFormRoom::ComputeRoomFee()
{
    const RoomFee fee = computeRoomFee(m_type->text(), priceOfLine(m_price->text()), begin(), end());
    setTimeControlsVisible(fee.byHour);
    m_length->setText(fee.length);
    m_roomFee->setText(money2(fee.fee));
    updateTotal();
}

void TFormRoom::updateTotal()
{
    auto amount = [](const QLineEdit* e) { return IsValidAmountText(e->text()) ? TextToAmount(e->text()) : 0.0; };
    m_total->setText(money2(amount(m_roomFee) + amount(m_otherCost)));
}

void TFormRoom::AdjustLength(int seconds)
{
    m_end->setTime(m_begin->time().addSecs(seconds));
    ComputeRoomFee();
}

void TFormRoom::ActionBeginExecute()
{
    RoomTasks tasks(m_ctx.dm, m_ctx.options());
    TaskTimes t;
    t.customer = m_customer->text();
    t.begin = begin();
    t.end = end();
    t.otherCost = IsValidAmountText(m_otherCost->text()) ? TextToAmount(m_otherCost->text()) : 0;
    t.note = m_note->toPlainText();
    OverlapCheck overlap;
    overlap.room = m_name->text();
    overlap.begin = t.begin;
    overlap.end = t.end;
    overlap.withTask = false;  // this very task
    overlap.customer = t.customer;
    overlap.action = m_beginButton->text();
    if (!overlapAccepted(m_ctx, overlap))
        return;
    if (done(tasks.startOrAdjust(OpenRoomIndex, t)))
        accept();
}

bool TFormRoom::done(const SaveResult& r)
{
    if (!r.saved && !r.message.isEmpty())
        m_ctx.prompt().inform(r.message);
    return r.saved;
}

void TFormRoom::ActionCancelExecute()
{
    if (!m_ctx.prompt().ask(QStringLiteral("取消任务，将不产生任何帐单记录，您确定要取消当前任务吗？"),
                            QStringLiteral("取消确认")))
        return;
    RoomTasks tasks(m_ctx.dm, m_ctx.options());
    if (done(tasks.cancel(OpenRoomIndex)))
        accept();
}

void TFormRoom::ActionBillExecute()
{
    const QDateTime now = Clock::now();
    // Overtime charged, when the venue chose so: to the moment of checkout.
    QDateTime actualEnd;
    const QDateTime plannedEnd = end();
    const Options options = m_ctx.options();
    const Options::Overtime charge = options.overtimeCharge();
    const qint64 over = chargeableOvertime(plannedEnd, now, options.overtimeGraceMinutes());
    if (m_type->text() == words::byHour() && over > 0 && m_roomState == words::roomOvertime()
        && (charge == Options::Overtime::Charged
            || (charge == Options::Overtime::Ask
                && m_ctx.prompt().ask(QStringLiteral("该房间已超时%1，是否按实际时长计费？").arg(overtimeText(over)),
                                      QStringLiteral("操作确认"))))) {
        actualEnd = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
        setEnd(actualEnd);
        ComputeRoomFee();
    }
    if (!m_ctx.prompt().ask(QStringLiteral("您确定要埋单结帐吗？"), QStringLiteral("操作确认"))) {
        if (actualEnd.isValid()) {  // back to the task as planned
            setEnd(plannedEnd);
            ComputeRoomFee();
        }
        return;
    }
    RoomTasks tasks(m_ctx.dm, m_ctx.options());
    CheckoutInput in;
    in.roomIndex = OpenRoomIndex;
    in.actualEnd = actualEnd;
    in.roomFeeText = m_roomFee->text();
    in.otherCostText = m_otherCost->text();
    in.totalText = m_total->text();
    in.now = now;
    CheckoutResult r;
    if (!done(tasks.checkout(in, &r)))
        return;
    // The ticket shows the bill as stored; nothing is held open meanwhile.
    if (m_ctx.options().ticketAtCheckout() && m_ctx.reports)
        showTicket(m_ctx.dm.ADOConnection1, r.billIndex, m_ctx.g.resourcePath(QStringLiteral("Frf/Ticket.frf")),
                   *m_ctx.reports);
    accept();
}

void TFormRoom::ActionEditExecute()
{
    m_details.Mode = EditMode::Edit;
    m_details.EditIndex = OpenRoomIndex;
    if (m_details.exec() != QDialog::Accepted)
        return;
    Changed = true;
    if (m_details.Deleted) {
        accept();
        return;
    }
    Query& q = m_ctx.dm.ADOQueryTemp;
    if (OpenQuery(q, QStringLiteral("Select * From Room Where RoomIndex = ") + QString::number(OpenRoomIndex),
                  words::dbOpenFailed())
        && !q.eof())
        loadRoomLines();
    q.close();
    ComputeRoomFee();
    // The tabs work on the room's name as it is now.
    m_bookTab->load(m_name->text(), OpenRoomIndex);
    m_costTab->load(m_name->text());
}

}  // namespace velbrisk
