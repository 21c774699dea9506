// The chart of one series: shares that agree with what is drawn, bars named
// on their axis with room above the tallest, and a picture the chart's size.
#include "gui/widgets/ChartPanel.h"
#include "tests/support/TestData.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QComboBox>
#include <QImage>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>
#include <gtest/gtest.h>

using namespace velbrisk;

namespace {

const QList<ChartPoint> kSigned = {{QStringLiteral("银行存款"), 300}, {QStringLiteral("现金"), -100}};

TEST(ChartPanel, SharesOfSignedAmountsAgreeWithTheSlicesAndMakeAHundred)
{
    ChartPanel panel;
    panel.showPoints(kSigned);
    EXPECT_EQ(panel.legendTexts(), (QStringList{QStringLiteral("银行存款 75.0%"), QStringLiteral("现金 25.0%")}));
    auto* pie = qobject_cast<QPieSeries*>(panel.chart()->series().value(0));
    ASSERT_TRUE(pie);
    EXPECT_DOUBLE_EQ(pie->slices()[1]->percentage(), 0.25) << "the slice is drawn as large as its share";
    EXPECT_EQ(pie->slices()[1]->label(), QStringLiteral("现金：-100")) << "the amount keeps its sign";
}

TEST(ChartPanel, BarsAreNamedOnTheirAxisWithRoomAboveTheTallest)
{
    ChartPanel panel;
    panel.typeCombo()->setCurrentText(QStringLiteral("条型图"));
    panel.showPoints(kSigned);
    EXPECT_EQ(panel.legendTexts(), (QStringList{QStringLiteral("银行存款 75.0%"), QStringLiteral("现金 25.0%")}));
    auto* names = qobject_cast<QBarCategoryAxis*>(panel.chart()->axes(Qt::Horizontal).value(0));
    ASSERT_TRUE(names);
    EXPECT_EQ(names->categories(), (QStringList{QStringLiteral("银行存款"), QStringLiteral("现金")}));
    auto* values = qobject_cast<QValueAxis*>(panel.chart()->axes(Qt::Vertical).value(0));
    ASSERT_TRUE(values);
    EXPECT_GT(values->max(), 300 * 1.05);
    EXPECT_LT(values->min(), -100);
    // Shown again as a pie, the axes go.
    panel.typeCombo()->setCurrentText(QStringLiteral("饼型图"));
    panel.showPoints(kSigned);
    EXPECT_TRUE(panel.chart()->axes().isEmpty());
}

TEST(ChartPanel, ThePictureIsTheChartAndNothingAround)
{
    test::TestVenue v(false);
    ChartPanel panel;
    panel.resize(700, 450);
    panel.show();
    panel.showPoints(kSigned);
    QCoreApplication::processEvents();
    const QString file = v.dir() + QStringLiteral("chart.bmp");
    ASSERT_TRUE(panel.saveBmp(file));
    const QImage image(file);
    EXPECT_EQ(image.size(), panel.chart()->size().toSize());
}

}  // namespace
