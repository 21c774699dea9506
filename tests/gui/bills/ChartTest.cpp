// The business charts: their points, pie or bar, and the saved picture.
#include "core/bills/Bills.h"
#include "gui/bills/BillCakeForm.h"
#include "gui/bills/RoomCakeForm.h"
#include "gui/widgets/ChartPanel.h"
#include "tests/support/Gui.h"
#include "tests/support/ProgramTest.h"

#include <QAbstractSeries>
#include <QAbstractBarSeries>
#include <QChart>
#include <QComboBox>
#include <QFileInfo>
#include <QPieSeries>
#include <gtest/gtest.h>

using namespace velbrisk;

namespace {

class Charts : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        Transaction tx(v.db());
        for (int i = 1; i <= 25; ++i) {
            v.exec(QStringLiteral("Insert Into Room (RoomName, RoomType, RoomState) Values ('场%1', '计时收费', '空闲')").arg(i));
            v.exec(QStringLiteral("Insert Into Bill (BillRoomName, BillBeginTime, BillRoomCost, BillTotalCost) Values ('场%1', #2026-03-10 10:00:00#, %2, %3)")
                       .arg(i)
                       .arg(i == 7 ? 0 : i * 10)
                       .arg(i * 10 + 1));
        }
        tx.commit();
    }
    static int pointCount(ChartPanel* p)
    {
        const auto series = p->chart()->series();
        if (series.isEmpty())
            return 0;
        if (auto* pie = qobject_cast<QPieSeries*>(series[0]))
            return int(pie->count());
        return int(qobject_cast<QAbstractBarSeries*>(series[0])->count());
    }
};

TEST_F(Charts, TheTwentyLargestRoomsWithoutZeros)
{
    TFormBillCake& c = app->form<TFormBillCake>();
    c.BillCondition = quickBillCondition(BillSpan::Month, QDate(2026, 3, 1));
    test::onNextDialog<TFormBillCake>([&](TFormBillCake* w) {
        EXPECT_EQ(pointCount(w->panel()), 20);
        const QStringList legend = w->panel()->legendTexts();
        EXPECT_TRUE(legend.first().startsWith(QStringLiteral("场25 "))) << "largest first";
        EXPECT_FALSE(legend.join(QLatin1Char('|')).contains(QStringLiteral("场7 "))) << "a room of 0 is no point";
        EXPECT_TRUE(legend.last().startsWith(QStringLiteral("场5 "))) << "场7 does not take a place of the twenty";
        w->panel()->typeCombo()->setCurrentText(QStringLiteral("条型图"));
        EXPECT_TRUE(qobject_cast<QAbstractBarSeries*>(w->panel()->chart()->series().value(0)));
        EXPECT_EQ(pointCount(w->panel()), 20);
        w->contentCombo()->setCurrentText(QStringLiteral("物品消费"));
        EXPECT_EQ(pointCount(w->panel()), 0) << "no entry is linked to these bills";
        test::click(w, QStringLiteral("存为图片"));
        test::click(w, QStringLiteral("存为图片"));
        test::click(w, QStringLiteral("退出"));
    });
    c.exec();
    EXPECT_EQ(opener.opened.size(), 2);
    EXPECT_EQ(opener.opened.value(0), v.dir() + QStringLiteral("BillCake.bmp")) << "in the venue folder";
    EXPECT_GT(QFileInfo(v.dir() + QStringLiteral("BillCake.bmp")).size(), 1000);
    c.BillCondition = quickBillCondition(BillSpan::Month, QDate(2025, 3, 1));
    c.Refresh();
    EXPECT_EQ(pointCount(c.panel()), 0) << "a month without bills";
}

TEST_F(Charts, TheRoomStatesAndAPictureThatCannotOpen)
{
    TFormRoomCake& c = app->form<TFormRoomCake>();
    opener.succeed = false;
    test::onNextDialog<TFormRoomCake>([&](TFormRoomCake* w) {
        EXPECT_EQ(w->panel()->legendTexts(), QStringList{QStringLiteral("空闲 100.0%")});
        test::click(w, QStringLiteral("存为图片"));
        test::click(w, QStringLiteral("退出"));
    });
    c.exec();
    EXPECT_TRUE(prompt.messages.last().endsWith(QStringLiteral("RoomCake.bmp")));
}

}  // namespace
