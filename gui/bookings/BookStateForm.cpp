#include "gui/bookings/BookStateForm.h"

#include "core/bookings/Booking.h"
#include "core/data/Clock.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/MomentPicker.h"

#include <QDateEdit>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velbrisk {

namespace {

const QString kStar = QStringLiteral("★");
const QColor kOverlapColour(255, 170, 120);
// What the grids have of the window's first width, a scroll bar's room kept.
constexpr int kCalendarWidth = 710;

QTableWidget* makeGrid(QWidget* parent, int marks, int firstLabel, int width)
{
    auto* g = new QTableWidget(0, marks + 1, parent);
    QStringList headers{QString()};
    for (int i = 0; i < marks; ++i)
        headers << QString::number(firstLabel + i);
    g->setHorizontalHeaderLabels(headers);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(18);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The cells are narrower than a header's usual least width: without
    // this the hours and days would not fit the window.
    g->horizontalHeader()->setMinimumSectionSize(std::min(width, 12));
    g->setColumnWidth(0, 110);
    for (int c = 1; c <= marks; ++c)
        g->setColumnWidth(c, width);
    return g;
}

}  // namespace

TFormBookState::TFormBookState(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_date(new QDateEdit(Clock::today(), this)),
      m_day(makeGrid(this, 24, 0, 24)), m_month(makeGrid(this, 31, 1, 18))
{
    setWindowTitle(QStringLiteral("房间预订状况"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("当前日期："), this));
    setUpDatePicker(m_date);
    bar->addWidget(m_date);
    bar->addWidget(makeButton(this, QStringLiteral("上一天"), [this] { m_date->setDate(m_date->date().addDays(-1)); }));
    bar->addWidget(makeButton(this, QStringLiteral("下一天"), [this] { m_date->setDate(m_date->date().addDays(1)); }));
    bar->addStretch();
    bar->addWidget(makeButton(this, QStringLiteral("退出"), [this] { reject(); }));
    layout->addLayout(bar);
    auto* tabs = new QTabWidget(this);
    tabs->addTab(m_day, QStringLiteral("按时间显示"));
    tabs->addTab(m_month, QStringLiteral("按日期显示"));
    layout->addWidget(tabs, 1);
    connect(m_date, &QDateEdit::dateChanged, this, &TFormBookState::Mark);
    resize(760, 480);
}

int TFormBookState::exec()
{
    prepare();
    return QDialog::exec();
}

void TFormBookState::prepare()
{
    QStringList rooms;
    Query& q = m_ctx.dm.ADOQueryTemp;
    if (OpenQuery(q, QStringLiteral("Select * From Room Where RoomIndex > 1"), words::dbOpenFailed()))
        for (; !q.eof(); q.next())
            rooms << q.str(QStringLiteral("RoomName"));
    q.close();
    const QFontMetrics fm(m_day->font());
    int widest = 0;
    for (const QString& room : rooms)
        widest = std::max(widest, fm.horizontalAdvance(room) + 12);
    for (QTableWidget* g : {m_day, m_month}) {
        g->setRowCount(int(rooms.size()));
        for (int r = 0; r < rooms.size(); ++r) {
            auto* item = new QTableWidgetItem(rooms[r]);
            item->setToolTip(rooms[r]);  // a long name is cut in its column
            g->setItem(r, 0, item);
        }
        // The room names as wide as they need, in the room the marks leave.
        int marks = 0;
        for (int c = 1; c < g->columnCount(); ++c)
            marks += g->columnWidth(c);
        g->setColumnWidth(0, std::clamp(widest, 110, std::max(110, kCalendarWidth - marks)));
    }
    Mark();
}

void TFormBookState::Mark()
{
    const QDate day = m_date->date();
    CalendarMarks marks;
    try {
        marks = calendarMarks(m_ctx.dm.ADOQueryTemp, day);
    } catch (const Failure&) {
        m_ctx.prompt().inform(words::dbOpenFailed());
    }
    // Overlapping bookings show in their own colour when the venue asks about them.
    const bool overlaps = m_ctx.options().warnOverlaps();
    auto fill = [&](QTableWidget* g, const QHash<QString, QSet<int>>& byRoom, const QHash<QString, QSet<int>>& overlapping, int offset,
                    int usable) {
        for (int r = 0; r < g->rowCount(); ++r) {
            const QSet<int> cells = byRoom.value(g->item(r, 0)->text());
            const QSet<int> twice = overlaps ? overlapping.value(g->item(r, 0)->text()) : QSet<int>();
            for (int c = 1; c < g->columnCount(); ++c) {
                auto* item = new QTableWidgetItem(cells.contains(c - offset) ? kStar : QString());
                item->setTextAlignment(Qt::AlignCenter);
                // Days past the month's own end are no days: grey, never marked.
                item->setBackground(c > usable ? QColor(Qt::lightGray) : twice.contains(c - offset) ? kOverlapColour : QColor(Qt::white));
                if (twice.contains(c - offset))
                    item->setToolTip(QStringLiteral("预订重叠"));
                g->setItem(r, c, item);
            }
        }
    };
    fill(m_day, marks.hours, marks.overlapHours, 1, 24);
    fill(m_month, marks.days, marks.overlapDays, 0, day.daysInMonth());
}

}  // namespace velbrisk
