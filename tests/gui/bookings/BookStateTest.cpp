// The booking calendar: which hours and days a booking marks, and the window.
#include "core/bookings/Booking.h"
#include "core/config/Options.h"
#include "gui/bookings/BookForm.h"
#include "gui/bookings/BookStateForm.h"
#include "gui/rooms/RoomForm.h"
#include "tests/support/Gui.h"
#include "tests/support/ProgramTest.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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

// Overlapping bookings and tasks, asked about only when the venue chose so
// ("预订重叠" is "提醒重叠"); without the setting, saved unasked as always.
class Overlaps : public test::ProgramTest {
protected:
    void SetUp() override
    {
        test::ProgramTest::SetUp();
        v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState, RoomPrice) Values ('羽毛球1号', '计时收费', '预订', 20)"));
        room = v.scalar(QStringLiteral("Select RoomIndex From Room Where RoomName = '羽毛球1号'")).toInt();
        v.exec(QStringLiteral("Insert Into Book (BookRoom, BookBeginTime, BookEndTime, BookRemark) "
                              "Values ('羽毛球1号', #2026-12-11 18:00:00#, #2026-12-11 20:00:00#, '张三')"));
    }
    void warn() { Options(v.iniFile(), v.dir()).write(opt::BookOverlap, QStringLiteral("提醒重叠")); }
    int bookings() { return v.scalar(QStringLiteral("Select Count(*) From Book Where BookIndex > 1")).toInt(); }
    // A new booking of the room through its window, 确定 pressed.
    QDialog::DialogCode book(const QDateTime& b, const QDateTime& e)
    {
        TFormBook& w = app->form<TFormBook>();
        w.Mode = EditMode::New;
        w.NewRoomName = QStringLiteral("羽毛球1号");
        w.NewRoomIndex = room;
        w.setResult(QDialog::Rejected);
        w.prepare(b);
        w.setBegin(b);
        w.setEnd(e);
        test::click(&w, QStringLiteral("确定"));
        return QDialog::DialogCode(w.result());
    }
    int room = 0;
};

TEST_F(Overlaps, ABookingOverTheSameHoursIsAskedAboutWhenTheVenueChoseSo)
{
    const struct {
        const char* name;
        bool warn;
        QDateTime begin, end;
        const char* question;  // nullptr: saved unasked
        bool answer;
    } cases[] = {
        {"the setting off: as always", false, at(2026, 12, 11, 19), at(2026, 12, 11, 21), nullptr, false},
        {"touching at 20:00 is no overlap", true, at(2026, 12, 11, 20), at(2026, 12, 11, 21), nullptr, false},
        {"overlap, No", true, at(2026, 12, 11, 19, 30), at(2026, 12, 11, 21),
         "该时段与2026-12-11 18:00 至 2026-12-11 20:00（张三）的预订重叠，仍要保存吗？", false},
        {"overlap, Yes", true, at(2026, 12, 11, 17), at(2026, 12, 11, 18, 30),
         "该时段与2026-12-11 18:00 至 2026-12-11 20:00（张三）的预订重叠，仍要保存吗？", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        v.exec(QStringLiteral("Delete From Book Where BookIndex > 2"));
        if (c.warn)
            warn();
        const int before = bookings();
        const int asked = prompt.messages.size();
        if (c.question)
            prompt.setNextAnswer(c.answer);
        const QDialog::DialogCode result = book(c.begin, c.end);
        if (!c.question) {
            EXPECT_EQ(prompt.messages.size(), asked);
            EXPECT_EQ(result, QDialog::Accepted);
            EXPECT_EQ(bookings(), before + 1);
            continue;
        }
        ASSERT_EQ(prompt.messages.size(), asked + 1);
        EXPECT_EQ(prompt.messages.last(), QString::fromUtf8(c.question));
        EXPECT_EQ(prompt.titles.last(), QStringLiteral("操作确认"));
        EXPECT_EQ(result, c.answer ? QDialog::Accepted : QDialog::Rejected) << "No keeps the window open";
        EXPECT_EQ(bookings(), before + (c.answer ? 1 : 0));
    }
}

TEST_F(Overlaps, TheRunningTaskCountsAndABookingNeverOverlapsItself)
{
    warn();
    v.exec(QStringLiteral("Update Room Set RoomState = '占用', RoomBeginTime = #2026-12-11 09:00:00#, RoomEndTime = #2026-12-11 11:00:00# "
                          "Where RoomName = '羽毛球1号'"));
    prompt.setNextAnswer(false);
    EXPECT_EQ(book(at(2026, 12, 11, 10), at(2026, 12, 11, 12)), QDialog::Rejected);
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("该时段与正在进行的计时（至 2026-12-11 11:00）重叠，仍要保存吗？"));

    // Changing the booking's own hours asks nothing.
    const int asked = prompt.messages.size();
    TFormBook& w = app->form<TFormBook>();
    w.Mode = EditMode::Edit;
    w.EditIndex = 2;
    w.prepare(at(2026, 12, 11, 12));
    w.setEnd(at(2026, 12, 11, 20, 30));
    test::click(&w, QStringLiteral("确定"));
    EXPECT_EQ(prompt.messages.size(), asked);
    EXPECT_EQ(v.scalar(QStringLiteral("Select BookEndTime From Book Where BookIndex = 2")).left(16), QStringLiteral("2026-12-11 20:30"));
}

TEST_F(Overlaps, StartingATaskOverSomeoneElsesBookingAsksTheSame)
{
    warn();
    TFormRoom& r = app->form<TFormRoom>();
    auto start = [&](const QString& customer, bool answer) {
        r.OpenRoomIndex = room;
        r.setResult(QDialog::Rejected);
        r.prepare(at(2026, 12, 11, 17, 30));
        r.customerEdit()->setText(customer);
        r.setBegin(at(2026, 12, 11, 17, 30));
        r.setEnd(at(2026, 12, 11, 19, 30));
        prompt.setNextAnswer(answer);
        QTest::mouseClick(r.beginButton(), Qt::LeftButton);
        return r.result();
    };
    EXPECT_EQ(start(QStringLiteral("李四"), false), QDialog::Rejected);
    EXPECT_EQ(prompt.messages.last(), QStringLiteral("该时段与2026-12-11 18:00 至 2026-12-11 20:00（张三）的预订重叠，仍要开始计时吗？"));
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomState From Room Where RoomIndex = %1").arg(room)), QStringLiteral("预订"));
    // The customer the booking names is theirs: started unasked.
    const int asked = prompt.messages.size();
    EXPECT_EQ(start(QStringLiteral("张三"), false), QDialog::Accepted);
    EXPECT_EQ(prompt.messages.size(), asked);
    EXPECT_EQ(v.scalar(QStringLiteral("Select RoomState From Room Where RoomIndex = %1").arg(room)), QStringLiteral("占用"));
}

TEST_F(Overlaps, TheCalendarColoursTheHoursTwoBookingsShare)
{
    v.exec(QStringLiteral("Insert Into Book (BookRoom, BookBeginTime, BookEndTime) Values ('羽毛球1号', #2026-12-11 19:00:00#, #2026-12-11 21:00:00#)"));
    TFormBookState& c = app->form<TFormBookState>();
    c.dateEdit()->setDate(QDate(2026, 12, 11));
    auto coloured = [](QTableWidget* g) {
        QList<int> cols;
        for (int col = 1; col < g->columnCount(); ++col)
            if (g->item(0, col)->background().color() != QColor(Qt::white) && g->item(0, col)->background().color() != QColor(Qt::lightGray))
                cols << col;
        return cols;
    };
    for (const bool on : {false, true}) {
        SCOPED_TRACE(on ? "asked about" : "as always");
        if (on)
            warn();
        test::onNextDialog<TFormBookState>([&](TFormBookState* w) {
            EXPECT_EQ(coloured(w->dayGrid()), on ? QList<int>{20} : QList<int>{}) << "hour 19, the one both hold";
            EXPECT_EQ(coloured(w->monthGrid()), on ? QList<int>{11} : QList<int>{});
            test::click(w, QStringLiteral("退出"));
        });
        c.exec();
    }
}

}  // namespace
