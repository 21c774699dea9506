// The booking calendar: which hours and days a booking marks, and the window.
#include "core/bookings/Booking.h"
#include "gui/bookings/BookStateForm.h"
#include "tests/support/Gui.h"
#include "tests/support/ProgramTest.h"

#include <QDateEdit>
#include <QTableWidget>
#include <QApplication>
#include <QScrollBar>
#include <QStackedWidget>
#include <gtest/gtest.h>

using namespace velbrisk;

namespace {

QDateTime at(int y, int m, int d, int h, int min = 0, int s = 0) { return QDateTime(QDate(y, m, d), QTime(h, min, s)); }

TEST(Calendar, MarksWholeDatesNotDayNumbers)
{
    const struct {
        const char* name;
        QDateTime b, e;
        QDate day;
        int first, last;  // last < first: nothing
    } hours[] = {
        {"across midnight, first day", at(2026, 3, 5, 22), at(2026, 3, 6, 1), QDate(2026, 3, 5), 22, 23},
        {"across midnight, next day", at(2026, 3, 5, 22), at(2026, 3, 6, 1), QDate(2026, 3, 6), 0, 1},
        {"the whole day", at(2026, 3, 4, 0), at(2026, 3, 6, 0), QDate(2026, 3, 5), 0, 23},
        {"10:00 to 10:30", at(2026, 3, 5, 10), at(2026, 3, 5, 10, 30), QDate(2026, 3, 5), 10, 10},
        {"from 0:00:00, found by its end", at(2026, 3, 5, 0), at(2026, 3, 5, 2), QDate(2026, 3, 5), 0, 2},
        {"a month long, its first day", at(2026, 1, 5, 10), at(2026, 2, 5, 12), QDate(2026, 1, 5), 10, 23},
        {"a month long, its last day", at(2026, 1, 5, 10), at(2026, 2, 5, 12), QDate(2026, 2, 5), 0, 12},
        {"a month long, a day between", at(2026, 1, 5, 10), at(2026, 2, 5, 12), QDate(2026, 1, 20), 0, 23},
        {"another day", at(2026, 3, 5, 10), at(2026, 3, 5, 12), QDate(2026, 3, 6), 0, -1},
    };
    for (const auto& c : hours) {
        const Span s = bookedHours(c.b, c.e, c.day);
        EXPECT_EQ(s.last < s.first ? -1 : s.first, c.last < c.first ? -1 : c.first) << c.name;
        EXPECT_EQ(s.last < s.first ? -1 : s.last, c.last < c.first ? -1 : c.last) << c.name;
    }
    const struct {
        const char* name;
        QDateTime b, e;
        QDate day;
        int first, last;
    } days[] = {
        {"January 30 to February 2, in January", at(2026, 1, 30, 9), at(2026, 2, 2, 9), QDate(2026, 1, 10), 30, 31},
        {"January 30 to February 2, in February", at(2026, 1, 30, 9), at(2026, 2, 2, 9), QDate(2026, 2, 10), 1, 2},
        {"into the next month from a 30-day month", at(2026, 4, 29, 9), at(2026, 5, 2, 9), QDate(2026, 4, 1), 29, 30},
        {"a whole month and more", at(2026, 1, 5, 9), at(2026, 3, 5, 9), QDate(2026, 2, 14), 1, 28},
    };
    for (const auto& c : days) {
        const Span s = bookedDays(c.b, c.e, c.day);
        EXPECT_EQ(s.first, c.first) << c.name;
        EXPECT_EQ(s.last, c.last) << c.name;
    }
}

class CalendarWindow : public test::ProgramTest {};

TEST_F(CalendarWindow, MarksTheRoomsAndMovesDayByDay)
{
    v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState) Values ('羽毛球1号', '计时收费', '预订')"));
    v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState) Values ('O''Brien 场', '计时收费', '预订')"));
    v.exec(QStringLiteral("Insert Into Book (BookRoom, BookBeginTime, BookEndTime) Values ('羽毛球1号', #2026-04-30 22:00:00#, #2026-05-01 01:00:00#)"));
    v.exec(QStringLiteral("Insert Into Book (BookRoom, BookBeginTime, BookEndTime) Values ('没有的房间', #2026-04-30 08:00:00#, #2026-04-30 09:00:00#)"));
    TFormBookState& c = app->form<TFormBookState>();
    c.dateEdit()->setDate(QDate(2026, 5, 1));
    auto stars = [](QTableWidget* g, int row) {
        QList<int> cols;
        for (int col = 1; col < g->columnCount(); ++col)
            if (g->item(row, col) && g->item(row, col)->text() == QStringLiteral("★"))
                cols << col;
        return cols;
    };
    test::onNextDialog<TFormBookState>([&](TFormBookState* w) {
        EXPECT_EQ(w->dayGrid()->rowCount(), 2);
        EXPECT_EQ(w->dayGrid()->item(1, 0)->text(), QStringLiteral("O'Brien 场"));
        EXPECT_EQ(stars(w->dayGrid(), 0), (QList<int>{1, 2})) << "hours 0 and 1 of May 1";
        EXPECT_TRUE(stars(w->dayGrid(), 1).isEmpty());
        EXPECT_EQ(stars(w->monthGrid(), 0), QList<int>{1});
        test::click(w, QStringLiteral("上一天"));
        EXPECT_EQ(w->dateEdit()->date(), QDate(2026, 4, 30));
        EXPECT_EQ(stars(w->dayGrid(), 0), (QList<int>{23, 24})) << "hours 22 and 23 of April 30";
        EXPECT_EQ(stars(w->monthGrid(), 0), QList<int>{30}) << "the month grid shows April";
        EXPECT_EQ(w->monthGrid()->item(0, 31)->background().color(), QColor(Qt::lightGray)) << "April has no 31st";
        // The whole day and the whole month fit the window at its first size.
        for (QTableWidget* g : {w->dayGrid(), w->monthGrid()}) {
            if (auto* stack = qobject_cast<QStackedWidget*>(g->parentWidget()))
                stack->setCurrentWidget(g);
            QApplication::processEvents();
            const int last = g->columnCount() - 1;
            EXPECT_EQ(g->columnWidth(1), g == w->dayGrid() ? 24 : 18);
            EXPECT_LE(g->columnViewportPosition(last) + g->columnWidth(last), g->viewport()->width())
                << "the last hour or day in view";
            EXPECT_EQ(g->horizontalScrollBar()->maximum(), 0) << "no scrolling";
        }
        test::click(w, QStringLiteral("退出"));
    });
    c.exec();
}

}  // namespace
