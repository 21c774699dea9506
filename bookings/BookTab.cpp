#include "bookings/BookTab.h"
#include "data/Words.h"

#include "app/AppContext.h"
#include "bookings/BookForm.h"
#include "bookings/Booking.h"
#include "data/JetSql.h"
#include "data/PublicFunction.h"
#include "data/ShareDM.h"
#include "widgets/DataGrid.h"
#include "widgets/Buttons.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

BookTab::BookTab(AppContext& ctx, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_query(ctx.dm.ADOConnection1), m_grid(new DataGrid(this))
{
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    auto add = [&](const char* text, void (BookTab::*slot)()) {
        buttons->addWidget(makeButton(this, QString::fromUtf8(text), [this, slot] { (this->*slot)(); }));
    };
    add("新增记录", &BookTab::NewRecord);
    add("修改记录", &BookTab::EditRecord);
    add("删除记录", &BookTab::DeleteRecord);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(m_grid, 1);
    m_grid->setColumns({{QStringLiteral("BookIndex"), QStringLiteral("编号"), 40},
                        {QStringLiteral("BookRoom"), QStringLiteral("房间名称"), 80},
                        {QStringLiteral("BookBeginTime"), QStringLiteral("预订开始"), 140},
                        {QStringLiteral("BookEndTime"), QStringLiteral("预订结束"), 140},
                        {QStringLiteral("BookUseTime"), QStringLiteral("使用时间"), 70}});
    m_grid->setQuery(&m_query);
    connect(m_grid, &DataGrid::rowActivated, this, [this] { EditRecord(); });
}

void BookTab::NewRecord()
{
    m_bookForm->Mode = EditMode::New;
    m_bookForm->NewRoomName = m_room;
    m_bookForm->NewRoomIndex = m_roomIndex;
    if (m_bookForm->exec() == QDialog::Accepted) {
        emit bookingsChanged();
        load(m_room, m_roomIndex);
    }
}

void BookTab::EditRecord()
{
    if (!m_grid->moveQueryToCurrent() || m_query.isNull(QStringLiteral("BookIndex"))) {
        m_ctx.prompt().inform(words::selectToEdit());
        return;
    }
    m_bookForm->Mode = EditMode::Edit;
    m_bookForm->EditIndex = int(m_query.integer(QStringLiteral("BookIndex")));
    if (m_bookForm->exec() == QDialog::Accepted)
        load(m_room, m_roomIndex);
}

void BookTab::DeleteRecord()
{
    if (!m_grid->moveQueryToCurrent() || m_query.isNull(QStringLiteral("BookIndex"))) {
        m_ctx.prompt().inform(words::selectToDelete());
        return;
    }
    if (!m_ctx.prompt().ask(QStringLiteral("您确定要删除该记录吗？"), QStringLiteral("删除确认")))
        return;
    emit bookingsChanged();
    const QString error = deleteBooking(m_ctx.dm, int(m_query.integer(QStringLiteral("BookIndex"))), m_roomIndex, m_room);
    if (!error.isEmpty())
        m_ctx.prompt().inform(error);
    load(m_room, m_roomIndex);
}

void BookTab::load(const QString& roomName, int roomIndex)
{
    m_room = roomName;
    m_roomIndex = roomIndex;
    OpenQuery(m_query, QStringLiteral("Select * From Book Where BookRoom = ") + quoted(roomName),
              words::dbOpenFailed());
    m_grid->reload();
}

bool BookTab::hasBookings()
{
    return m_query.isOpen() && !m_query.isEmpty();
}

}  // namespace velbrisk
