#include "bookings/BookTab.h"

#include "app/AppContext.h"
#include "data/JetSql.h"
#include "data/PublicFunction.h"
#include "data/ShareDM.h"
#include "widgets/DataGrid.h"

#include <QVBoxLayout>

namespace velbrisk {

BookTab::BookTab(AppContext& ctx, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_query(ctx.dm.ADOConnection1), m_grid(new DataGrid(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    m_grid->setColumns({{QStringLiteral("BookIndex"), QStringLiteral("编号"), 50},
                        {QStringLiteral("BookRoom"), QStringLiteral("房间名称"), 90},
                        {QStringLiteral("BookBeginTime"), QStringLiteral("开始时间"), 130},
                        {QStringLiteral("BookEndTime"), QStringLiteral("结束时间"), 130},
                        {QStringLiteral("BookUseTime"), QStringLiteral("预订时长"), 70},
                        {QStringLiteral("BookRemark"), QStringLiteral("备注信息"), 150}});
    m_grid->setQuery(&m_query);
}

void BookTab::load(const QString& roomName)
{
    m_room = roomName;
    OpenQuery(m_query, QStringLiteral("Select * From Book Where BookRoom = ") + quoted(roomName),
              QStringLiteral("数据库打开失败"));
    m_grid->reload();
}

bool BookTab::hasBookings()
{
    return m_query.isOpen() && !m_query.isEmpty();
}

}  // namespace velbrisk
