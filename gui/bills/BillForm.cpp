#include "gui/bills/BillForm.h"

#include "core/bills/Bills.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/bookings/CostForm.h"
#include "gui/context/AppContext.h"
#include "gui/report/Report.h"
#include "gui/rooms/Ticket.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/ListPanel.h"
#include "gui/widgets/MomentPicker.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace velbrisk {

TFormBill::TFormBill(AppContext& ctx, TFormCost& cost, QWidget* parent)
    : EditDialog(ctx.prompt(), parent), m_ctx(ctx), m_cost(cost), m_costQuery(ctx.dm.ADOConnection1), m_serial(new QLineEdit(this)),
      m_room(new QLineEdit(this)), m_type(new QComboBox(this)), m_user(new QLineEdit(this)), m_price(new QLineEdit(this)),
      m_begin(new MomentPicker(this)), m_end(new MomentPicker(this)), m_roomCost(new QLineEdit(this)),
      m_otherCost(new QLineEdit(this)), m_total(new QLineEdit(this)), m_remark(new QPlainTextEdit(this))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);  // left through 确定 or 取消
    setWindowTitle(QStringLiteral("帐单修改"));
    ListPanel::Setup setup;
    setup.keyField = QStringLiteral("CostIndex");
    setup.deleteQuestion = QStringLiteral("确实要删除该记录吗？");
    m_costs = new ListPanel(ctx.prompt(), m_costQuery, setup, this);

    auto* g = new QGridLayout(this);
    int row = 0;
    auto line = [&](const char* caption, QWidget* w, const char* unit = nullptr) {
        g->addWidget(new QLabel(QString::fromUtf8(caption), this), row, 0);
        g->addWidget(w, row, 1);
        if (unit)
            g->addWidget(new QLabel(QString::fromUtf8(unit), this), row, 2);
        ++row;
    };
    m_type->addItems({words::byHour(), words::perUse()});
    m_otherCost->setReadOnly(true);
    line("帐单编号：", m_serial);
    line("房间名称：", m_room);
    line("房间类型：", m_type);
    line("房主名称：", m_user);
    line("房租单价：", m_price, "元/小时");
    line("开始时间：", m_begin);
    line("结束时间：", m_end);
    line("房租金额：", m_roomCost, "元");
    line("其他消费：", m_otherCost, "元");
    line("金额合计：", m_total, "元");
    g->addWidget(new QLabel(QStringLiteral("备注信息："), this), row, 0, Qt::AlignTop);
    m_remark->setFixedHeight(50);
    g->addWidget(m_remark, row++, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("消费项目："), this), 0, 3);
    g->addWidget(m_costs, 1, 3, row - 1, 1);
    m_costs->grid()->setColumns({{QStringLiteral("CostIndex"), QStringLiteral("记录编号"), 60},
                                 {QStringLiteral("CostReason"), QStringLiteral("消费项目"), 90},
                                 {QStringLiteral("CostMoney"), QStringLiteral("消费金额"), 70, true, QStringLiteral("0.00")},
                                 {QStringLiteral("CostRemark"), QStringLiteral("备注信息"), 110}});
    auto* buttons = buttonRow([this] { ActionYesExecute(); });
    buttons->insertWidget(0, makeButton(this, QStringLiteral("小票打印"), [this] { PrintTicketClick(); }));
    g->addLayout(buttons, row, 0, 1, 4);

    const std::pair<const char*, QWidget*> fields[] = {{"Price", m_price}, {"RoomCost", m_roomCost},
                                                      {"OtherCost", m_otherCost}, {"Total", m_total}};
    for (const auto& [name, w] : fields)
        setField(QString::fromLatin1(name), w);

    m_costs->load = [this] {
        OpenQuery(m_costQuery, QStringLiteral("Select * From Cost Where CostBill = ") + QString::number(EditIndex),
                  words::dbOpenFailed());
    };
    // An entry's change and the bill's totals are written together, in one
    // transaction: the totals follow the entries in the data file too.
    auto storeTotals = [this] {
        Query& q = m_ctx.dm.ADOQueryTemp2;
        const double other = billConsumption(q, EditIndex);
        storeBillTotals(q, EditIndex, other, TextToAmount(FormatRounded(roomFee() + other)));
    };
    auto entryWindow = [this, storeTotals](EditMode mode, int key) {
        m_cost.Mode = mode;
        m_cost.EditIndex = key;
        m_cost.NewRoomName = m_room->text();
        m_cost.NewCostBill = EditIndex;
        m_cost.AlsoWrite = storeTotals;
        const bool saved = m_cost.exec() == QDialog::Accepted;
        m_cost.AlsoWrite = nullptr;
        return saved;
    };
    m_costs->create = [entryWindow] { return entryWindow(EditMode::New, 0); };
    m_costs->edit = [entryWindow](int key) { return entryWindow(EditMode::Edit, key); };
    m_costs->remove = [this, storeTotals](int key) {
        Query& q = m_ctx.dm.ADOQueryTemp;
        return writeAll(q, [&] {
            q.setSql(QStringLiteral("Delete * From Cost Where CostIndex = ") + QString::number(key));
            q.execSql();
            storeTotals();
            return SaveResult::done();
        }, QStringLiteral("删除失败，没有改变任何记录："));
    };
    // The shown totals follow the entries each time the list is read again.
    connect(m_costs, &ListPanel::reloaded, this, &TFormBill::showTotals);
    connect(m_costs, &ListPanel::changed, this, [this] { Changed = true; });
}

QLineEdit* TFormBill::field(const QString& name) const
{
    const std::pair<const char*, QLineEdit*> fields[] = {
        {"Serial", m_serial}, {"RoomName", m_room}, {"User", m_user}, {"Price", m_price},
        {"RoomCost", m_roomCost}, {"OtherCost", m_otherCost}, {"Total", m_total}};
    for (const auto& [n, w] : fields)
        if (name == QLatin1String(n))
            return w;
    return nullptr;
}

void TFormBill::prepare()
{
    Changed = false;
    BillFields f;
    const SaveResult r = loadBill(m_ctx.dm.ADOQueryTemp, EditIndex, &f);
    if (!r.message.isEmpty())
        m_ctx.prompt().inform(r.message);
    if (r.saved) {
        m_serial->setText(f.serial);
        m_room->setText(f.roomName);
        m_type->setCurrentText(f.roomType);
        m_user->setText(f.roomUser);
        m_price->setText(f.priceText);
        m_begin->setValue(f.begin);
        m_end->setValue(f.end);
        m_roomCost->setText(f.roomCostText);
        m_otherCost->setText(f.otherCostText);
        m_total->setText(f.totalText);
        m_remark->setPlainText(f.remark);
    }
    Recalculate();
    m_serial->setFocus();
}

void TFormBill::Recalculate() { m_costs->reload(); }

double TFormBill::roomFee() const
{
    return IsValidAmountText(m_roomCost->text()) ? TextToAmount(m_roomCost->text()) : 0;
}

void TFormBill::showTotals()
{
    try {
        m_otherCost->setText(FormatRounded(billConsumption(m_ctx.dm.ADOQueryTemp, EditIndex)));
    } catch (const Failure&) {
        m_ctx.prompt().inform(words::dbOpenFailed());
    }
    m_total->setText(FormatRounded(roomFee() + TextToAmount(m_otherCost->text())));
}

void TFormBill::ActionYesExecute()
{
    const BillFields f{m_serial->text(),  m_room->text(),     m_type->currentText(),  m_user->text(),
                       m_price->text(),   m_begin->value(),   m_end->value(),         m_roomCost->text(),
                       m_otherCost->text(), m_total->text(), m_remark->toPlainText()};
    SaveResult r;
    try {
        r = saveBill(m_ctx.dm.ADOQueryTemp, EditIndex, f);
    } catch (const Failure& e) {
        r = SaveResult::refused(e.message());
    }
    if (r.saved)
        Changed = true;
    finish(r);
}

void TFormBill::PrintTicketClick()
{
    if (m_ctx.reports)
        showTicket(m_ctx.dm.ADOConnection1, EditIndex, m_ctx.g.resourcePath(QStringLiteral("Frf/Ticket.frf")), *m_ctx.reports);
}

bool editBill(TFormBill& window, int billIndex)
{
    window.Mode = EditMode::Edit;
    window.EditIndex = billIndex;
    window.exec();
    return window.Changed;
}

}  // namespace velbrisk
