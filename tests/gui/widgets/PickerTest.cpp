// The date and time pickers: a click selects the part clicked, so that what
// is typed next replaces it.
#include "gui/widgets/MomentPicker.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <QTimeEdit>
#include <gtest/gtest.h>

using namespace velbrisk;

namespace {

// Clicks into the text of `edit` at the character `at` of its display.
void clickAtCharacter(QDateTimeEdit* edit, int at)
{
    QLineEdit* line = edit->findChild<QLineEdit*>();
    ASSERT_TRUE(line);
    line->setCursorPosition(at);
    const QPoint p = line->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QTest::mouseClick(line, Qt::LeftButton, {}, p);
}

TEST(Pickers, AClickSelectsThePartAndTypingReplacesIt)
{
    MomentPicker picker;
    picker.setValue(QDateTime(QDate(2026, 12, 11), QTime(9, 30, 0)));
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    clickAtCharacter(picker.timeEdit(), 1);  // into "09"
    QTest::keyClicks(picker.timeEdit(), QStringLiteral("10"));
    EXPECT_EQ(picker.time(), QTime(10, 30, 0));
    clickAtCharacter(picker.timeEdit(), 4);  // into "30"
    QTest::keyClicks(picker.timeEdit(), QStringLiteral("45"));
    EXPECT_EQ(picker.time(), QTime(10, 45, 0));
    clickAtCharacter(picker.dateEdit(), 9);  // into the day
    QTest::keyClicks(picker.dateEdit(), QStringLiteral("24"));
    EXPECT_EQ(picker.value().date(), QDate(2026, 12, 24));

    QDateEdit alone;
    setUpDatePicker(&alone);
    alone.setDate(QDate(2026, 3, 1));
    alone.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&alone));
    clickAtCharacter(&alone, 6);  // into the month
    QTest::keyClicks(&alone, QStringLiteral("11"));
    EXPECT_EQ(alone.date(), QDate(2026, 11, 1));
}

}  // namespace
