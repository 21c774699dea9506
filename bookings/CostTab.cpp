#include "bookings/CostTab.h"
#include "data/Words.h"

#include "app/AppContext.h"
#include "bookings/Consumption.h"
#include "bookings/CostForm.h"
#include "data/PublicFunction.h"
#include "data/ShareDM.h"
#include "widgets/DataGrid.h"
#include "widgets/Buttons.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

CostTab::CostTab(AppContext& ctx, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_query(ctx.dm.ADOConnection1), m_grid(new DataGrid(this))
{
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    auto add = [&](const char* text, void (CostTab::*slot)()) {
        buttons->addWidget(makeButton(this, QString::fromUtf8(text), [this, slot] { (this->*slot)(); }));
    };
    add("新增记录", &CostTab::NewRecord);
    add("修改记录", &CostTab::EditRecord);
    add("删除记录", &CostTab::DeleteRecord);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(m_grid, 1);
    m_grid->setColumns({{QStringLiteral("CostIndex"), QStringLiteral("编号"), 50},
                        {QStringLiteral("CostRoom"), QStringLiteral("房间名称"), 90},
                        {QStringLiteral("CostReason"), QStringLiteral("消费项目"), 100},
                        {QStringLiteral("CostMoney"), QStringLiteral("消费金额"), 70, true, QStringLiteral("0.00")},
                        {QStringLiteral("CostRemark"), QStringLiteral("备注信息"), 150}});
    m_grid->setQuery(&m_query);
    connect(m_grid, &DataGrid::rowActivated, this, [this] { EditRecord(); });
}

double CostTab::load(const QString& roomName)
{
    m_room = roomName;
    OpenQuery(m_query, openConsumptionSql(roomName), words::dbOpenFailed());
    m_grid->reload();
    m_grid->clearFooter();
    if (m_query.isOpen() && !m_query.isEmpty()) {
        m_grid->setFooterText(QStringLiteral("CostIndex"), QStringLiteral("共%1条").arg(m_query.recordCount()));
        m_grid->setFooterSum(QStringLiteral("CostMoney"), 2, QString(), Qt::blue);
    }
    const double total = openConsumptionTotal(m_ctx.dm.ADOQueryTemp, roomName);
    emit totalChanged(total);
    return total;
}

void CostTab::NewRecord()
{
    m_costForm->Mode = EditMode::New;
    m_costForm->NewRoomName = m_room;
    m_costForm->NewCostBill = 0;
    if (m_costForm->exec() == QDialog::Accepted) {
        emit entryAdded();
        load(m_room);
    }
}

void CostTab::EditRecord()
{
    if (!m_grid->moveQueryToCurrent() || m_query.isNull(QStringLiteral("CostIndex"))) {
        m_ctx.prompt().inform(words::selectToEdit());
        return;
    }
    m_costForm->Mode = EditMode::Edit;
    m_costForm->EditIndex = int(m_query.integer(QStringLiteral("CostIndex")));
    if (m_costForm->exec() == QDialog::Accepted)
        load(m_room);
}

void CostTab::DeleteRecord()
{
    if (!m_grid->moveQueryToCurrent() || m_query.isNull(QStringLiteral("CostIndex"))) {
        m_ctx.prompt().inform(words::selectToDelete());
        return;
    }
    if (!m_ctx.prompt().ask(QStringLiteral("您确定要删除该记录吗？"), QStringLiteral("删除确认")))
        return;
    try {
        m_query.deleteRecord();
    } catch (const Failure& e) {
        m_ctx.prompt().inform(e.message());
    }
    load(m_room);
}

}  // namespace velbrisk
