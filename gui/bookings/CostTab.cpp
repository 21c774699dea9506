#include "gui/bookings/CostTab.h"

#include "core/bookings/Consumption.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/bookings/CostForm.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/ListPanel.h"

#include <QVBoxLayout>

namespace velbrisk {

CostTab::CostTab(AppContext& ctx, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_query(ctx.dm.ADOConnection1),
      m_panel(new ListPanel(ctx.prompt(), m_query, ListPanel::Setup::recordTab(QStringLiteral("CostIndex")), this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel, 1);
    grid()->setColumns({{QStringLiteral("CostIndex"), QStringLiteral("编号"), 50},
                        {QStringLiteral("CostRoom"), QStringLiteral("房间名称"), 90},
                        {QStringLiteral("CostReason"), QStringLiteral("消费项目"), 100},
                        {QStringLiteral("CostMoney"), QStringLiteral("消费金额"), 70, true, QStringLiteral("0.00")},
                        {QStringLiteral("CostRemark"), QStringLiteral("备注信息"), 150}});
    m_panel->load = [this] { OpenQuery(m_query, openConsumptionSql(m_room), words::dbOpenFailed()); };
    connect(m_panel, &ListPanel::created, this, &CostTab::entryAdded);
    connect(m_panel, &ListPanel::reloaded, this, &CostTab::showTotals);
}

DataGrid* CostTab::grid() const { return m_panel->grid(); }

double CostTab::load(const QString& roomName)
{
    m_room = roomName;
    m_panel->reload();
    return m_total;
}

void CostTab::showTotals()
{
    DataGrid* g = grid();
    g->clearFooter();
    if (m_query.isOpen() && !m_query.isEmpty()) {
        g->setFooterText(QStringLiteral("CostIndex"), QStringLiteral("共%1条").arg(m_query.recordCount()));
        g->setFooterSum(QStringLiteral("CostMoney"), 2, QString(), Qt::blue);
    }
    if (const SaveResult r = openConsumptionTotal(m_ctx.dm.ADOQueryTemp, m_room, &m_total); !r.saved)
        m_ctx.prompt().inform(r.message);
    emit totalChanged(m_total);
}

void CostTab::setCostForm(TFormCost* form)
{
    m_costForm = form;
    m_panel->setEditWindow(form, [this] {
        m_costForm->NewRoomName = m_room;
        m_costForm->NewCostBill = 0;
    });
}

void CostTab::NewRecord() { m_panel->NewRecord(); }
void CostTab::EditRecord() { m_panel->EditRecord(); }
void CostTab::DeleteRecord() { m_panel->DeleteRecord(); }

}  // namespace velbrisk
