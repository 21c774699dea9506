#include "gui/bookings/ItemList.h"

#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/bookings/CostReasonForm.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/ListPanel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velbrisk {

ItemList::ItemList(AppContext& ctx, TFormCostReason* itemForm, QWidget* parent)
    : QGroupBox(QStringLiteral("经营项目"), parent), m_ctx(ctx), m_itemForm(itemForm), m_query(ctx.dm.ADOConnection1),
      m_panel(new ListPanel(ctx.prompt(), m_query, {QStringLiteral("CostReasonIndex")}, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("　以下设置的消费项\n目，将在房间的物品\n消费栏目中出现："), this));
    layout->addWidget(m_panel, 1);
    grid()->setColumns({{QStringLiteral("CostReasonName"), QStringLiteral("消费项目"), 72},
                        {QStringLiteral("CostReasonPrice"), QStringLiteral("价格"), 60}});
    m_panel->load = [this] { OpenQuery(m_query, QStringLiteral("Select * From CostReason"), words::dbOpenFailed()); };
    m_panel->setEditWindow(m_itemForm);
}

DataGrid* ItemList::grid() const { return m_panel->grid(); }

void ItemList::load() { m_panel->reload(); }
void ItemList::NewItem() { m_panel->NewRecord(); }
void ItemList::EditItem() { m_panel->EditRecord(); }
void ItemList::DeleteItem() { m_panel->DeleteRecord(); }

}  // namespace velbrisk
