#pragma once
// A chart of one series, pie or bar: the "显示方式：" list above it, legend
// entries with each point's share, marks with label and value, and saving
// as a bitmap.
#include "core/data/ChartData.h"

#include <QWidget>

class QChart;
class QChartView;
class QComboBox;
class QHBoxLayout;

namespace velbrisk {

class ChartPanel : public QWidget {
    Q_OBJECT
public:
    explicit ChartPanel(QWidget* parent = nullptr);

    // Shows the points as the list chooses ("饼型图" or "条型图").
    void showPoints(const QList<ChartPoint>& points);
    bool bars() const;
    QComboBox* typeCombo() const { return m_type; }
    QHBoxLayout* controls() const { return m_controls; }  // for the window's own lists
    QChart* chart() const { return m_chart; }
    // The legend's texts, in order ("空闲 50.0%").
    QStringList legendTexts() const;
    // Draws the chart on white into a BMP file; false when it cannot be written.
    bool saveBmp(const QString& file);

signals:
    void typeChanged();

private:
    QComboBox* m_type;
    QHBoxLayout* m_controls;
    QChart* m_chart;
    QChartView* m_view;
};

struct Platform;

// Saves a chart as a bitmap in the venue folder and opens it; says so when
// either cannot be done. The file written, empty when none.
QString saveChartPicture(ChartPanel& panel, const QString& venueFolder, const Platform& platform, const QString& fileName);

}  // namespace velbrisk
