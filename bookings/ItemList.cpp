#include "bookings/ItemList.h"
#include "data/Words.h"

#include "app/AppContext.h"
#include "bookings/CostReasonForm.h"
#include "data/PublicFunction.h"
#include "data/ShareDM.h"
#include "widgets/DataGrid.h"
#include "widgets/Buttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

ItemList::ItemList(AppContext& ctx, TFormCostReason* itemForm, QWidget* parent)
    : QGroupBox(QStringLiteral("经营项目"), parent), m_ctx(ctx), m_itemForm(itemForm), m_query(ctx.dm.ADOConnection1),
      m_grid(new DataGrid(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("　以下设置的消费项\n目，将在房间的物品\n消费栏目中出现："), this));
    layout->addWidget(m_grid, 1);
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, void (ItemList::*)()> actions[] = {
        {"新增", &ItemList::NewItem}, {"修改", &ItemList::EditItem}, {"删除", &ItemList::DeleteItem}};
    for (const auto& [text, slot] : actions) {
        auto run = slot;
        buttons->addWidget(makeButton(this, QString::fromUtf8(text), [this, run] { (this->*run)(); }));
    }
    layout->addLayout(buttons);
    m_grid->setColumns({{QStringLiteral("CostReasonName"), QStringLiteral("消费项目"), 72},
                        {QStringLiteral("CostReasonPrice"), QStringLiteral("价格"), 60}});
    m_grid->setQuery(&m_query);
    connect(m_grid, &DataGrid::rowActivated, this, [this] { EditItem(); });
}

void ItemList::load()
{
    OpenQuery(m_query, QStringLiteral("Select * From CostReason"), words::dbOpenFailed());
    m_grid->reload();
}

void ItemList::NewItem()
{
    m_itemForm->Mode = EditMode::New;
    if (m_itemForm->exec() == QDialog::Accepted)
        load();
}

void ItemList::EditItem()
{
    if (!m_grid->moveQueryToCurrent() || m_query.isNull(QStringLiteral("CostReasonIndex"))) {
        m_ctx.prompt().inform(words::selectToEdit());
        return;
    }
    m_itemForm->Mode = EditMode::Edit;
    m_itemForm->EditIndex = int(m_query.integer(QStringLiteral("CostReasonIndex")));
    if (m_itemForm->exec() == QDialog::Accepted)
        load();
}

void ItemList::DeleteItem()
{
    if (!m_grid->moveQueryToCurrent() || m_query.isNull(QStringLiteral("CostReasonIndex"))) {
        m_ctx.prompt().inform(words::selectToDelete());
        return;
    }
    if (!m_ctx.prompt().ask(QStringLiteral("确定要删除该记录吗？"), QStringLiteral("删除警告")))
        return;
    try {
        m_query.deleteRecord();
    } catch (const Failure& e) {
        m_ctx.prompt().inform(e.message());
    }
    load();
}

}  // namespace velbrisk
