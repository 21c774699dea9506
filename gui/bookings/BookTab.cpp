#include "gui/bookings/BookTab.h"

#include "core/bookings/Booking.h"
#include "core/data/JetSql.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/bookings/BookForm.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/ListPanel.h"

#include <QVBoxLayout>

namespace velbrisk {

BookTab::BookTab(AppContext& ctx, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_query(ctx.dm.ADOConnection1),
      m_panel(new ListPanel(ctx.prompt(), m_query, ListPanel::Setup::recordTab(QStringLiteral("BookIndex")), this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel, 1);
    grid()->setColumns({{QStringLiteral("BookIndex"), QStringLiteral("编号"), 40},
                        {QStringLiteral("BookRoom"), QStringLiteral("房间名称"), 80},
                        {QStringLiteral("BookBeginTime"), QStringLiteral("预订开始"), 140},
                        {QStringLiteral("BookEndTime"), QStringLiteral("预订结束"), 140},
                        {QStringLiteral("BookUseTime"), QStringLiteral("使用时间"), 70}});
    m_panel->load = [this] {
        OpenQuery(m_query, QStringLiteral("Select * From Book Where BookRoom = ") + quoted(m_room), words::dbOpenFailed());
    };
    m_panel->remove = [this](int key) { return deleteBooking(m_ctx.dm, key, m_roomIndex, m_room); };
    connect(m_panel, &ListPanel::changed, this, &BookTab::bookingsChanged);
}

DataGrid* BookTab::grid() const { return m_panel->grid(); }

void BookTab::setBookForm(TFormBook* form)
{
    m_bookForm = form;
    m_panel->setEditWindow(form, [this] {
        m_bookForm->NewRoomName = m_room;
        m_bookForm->NewRoomIndex = m_roomIndex;
    });
}

void BookTab::NewRecord() { m_panel->NewRecord(); }
void BookTab::EditRecord() { m_panel->EditRecord(); }
void BookTab::DeleteRecord() { m_panel->DeleteRecord(); }

void BookTab::load(const QString& roomName, int roomIndex)
{
    m_room = roomName;
    m_roomIndex = roomIndex;
    m_panel->reload();
}

bool BookTab::hasBookings()
{
    return m_query.isOpen() && !m_query.isEmpty();
}

}  // namespace velbrisk
