#include "gui/bookings/BookForm.h"

#include "core/bookings/Booking.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/bookings/OverlapAsk.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/MomentPicker.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>

namespace velbrisk {

TFormBook::TFormBook(AppContext& ctx, QWidget* parent)
    : EditDialog(ctx.prompt(), parent), m_ctx(ctx), m_room(new QLineEdit(this)), m_begin(new MomentPicker(this)),
      m_end(new MomentPicker(this)),
      m_length(new QLineEdit(QStringLiteral("1:00:00"), this)), m_remark(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("房间预订"));
    auto* g = new QGridLayout(this);
    m_room->setReadOnly(true);
    m_length->setReadOnly(true);
    g->addWidget(new QLabel(QStringLiteral("房间名称："), this), 0, 0);
    g->addWidget(m_room, 0, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("开始时间："), this), 1, 0);
    g->addWidget(m_begin, 1, 1, 1, 2);
    auto* plus = makeButton(this, QStringLiteral("+"));
    plus->setFixedWidth(28);
    g->addWidget(plus, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("结束时间："), this), 2, 0);
    g->addWidget(m_end, 2, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("时间长度："), this), 3, 0);
    g->addWidget(m_length, 3, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("备注信息："), this), 4, 0, Qt::AlignTop);
    m_remark->setFixedHeight(60);
    g->addWidget(m_remark, 4, 1, 1, 3);
    g->addLayout(buttonRow([this] { ActionYesExecute(); }), 5, 0, 1, 4);
    for (MomentPicker* m : {m_begin, m_end})
        connect(m, &MomentPicker::changed, this, &TFormBook::UpdateLength);
    m_menu = makeLengthMenu(this, [this](int s) { AdjustLength(s); });
    connect(plus, &QPushButton::clicked, this, [this, plus] { m_menu->popup(plus->mapToGlobal(QPoint(35, 0))); });
    setFixedSize(sizeHint().expandedTo(QSize(380, 240)));
}

QDateTime TFormBook::begin() const { return m_begin->value(); }
QDateTime TFormBook::end() const { return m_end->value(); }

void TFormBook::setBegin(const QDateTime& dt)
{
    m_begin->setValue(dt);
}

void TFormBook::setEnd(const QDateTime& dt)
{
    m_end->setValue(dt);
}

void TFormBook::prepare(const QDateTime& now)
{
    if (isNew()) {
        const QTime t(now.time().hour(), now.time().minute(), now.time().second());
        m_room->setText(NewRoomName);
        setBegin(QDateTime(now.date(), t));
        const QTime e = t.addSecs(3600);
        setEnd(QDateTime(t > e ? now.date().addDays(1) : now.date(), e));
        m_remark->clear();
    } else {
        Query& q = m_ctx.dm.ADOQueryTemp;
        if (OpenQuery(q, QStringLiteral("Select * From Book Where BookIndex = ") + QString::number(EditIndex),
                      words::dbOpenFailed())
            && !q.eof()) {
            m_room->setText(q.str(QStringLiteral("BookRoom")));
            setBegin(q.dateTime(QStringLiteral("BookBeginTime")));
            setEnd(q.dateTime(QStringLiteral("BookEndTime")));
            m_remark->setPlainText(q.str(QStringLiteral("BookRemark")));
        }
        q.close();
    }
    m_end->timeEdit()->setFocus();
    UpdateLength();
}

void TFormBook::UpdateLength() { m_length->setText(bookingLength(begin(), end())); }

void TFormBook::AdjustLength(int seconds)
{
    m_end->setTime(m_begin->time().addSecs(seconds));
    UpdateLength();
}

void TFormBook::ActionYesExecute()
{
    BookingInput in;
    in.isNew = isNew();
    in.editIndex = EditIndex;
    in.roomIndex = in.isNew ? NewRoomIndex : 0;
    in.room = m_room->text();
    in.begin = begin();
    in.end = end();
    in.remark = m_remark->toPlainText();
    OverlapCheck overlap;
    overlap.room = in.room;
    overlap.begin = in.begin;
    overlap.end = in.end;
    overlap.exceptBooking = in.isNew ? 0 : in.editIndex;
    if (!overlapAccepted(m_ctx, overlap))
        return;
    finish(saveBooking(m_ctx.dm, in));
}

}  // namespace velbrisk
