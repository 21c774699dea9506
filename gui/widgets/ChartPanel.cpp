#include "gui/widgets/ChartPanel.h"

#include "core/data/Platform.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLegendMarker>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <QVBoxLayout>

namespace velbrisk {

ChartPanel::ChartPanel(QWidget* parent)
    : QWidget(parent), m_type(new QComboBox(this)), m_controls(new QHBoxLayout), m_chart(new QChart),
      m_view(new QChartView(m_chart, this))
{
    auto* layout = new QVBoxLayout(this);
    m_controls->addWidget(new QLabel(QStringLiteral("显示方式："), this));
    m_type->addItems({QStringLiteral("饼型图"), QStringLiteral("条型图")});
    m_controls->addWidget(m_type);
    m_controls->addStretch();
    layout->addLayout(m_controls);
    layout->addWidget(m_view, 1);
    m_chart->setTitle(QStringLiteral("图形数据分析"));
    m_chart->legend()->setAlignment(Qt::AlignRight);
    m_view->setRenderHint(QPainter::Antialiasing);
    connect(m_type, &QComboBox::currentIndexChanged, this, &ChartPanel::typeChanged);
}

bool ChartPanel::bars() const { return m_type->currentText() == QStringLiteral("条型图"); }

void ChartPanel::showPoints(const QList<ChartPoint>& points)
{
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes())
        m_chart->removeAxis(axis);
    // Slices are drawn from the amounts' sizes, so shares are taken over the
    // sizes too: they add up to 100% whatever the signs; a label keeps its
    // amount's sign.
    double whole = 0;
    for (const ChartPoint& p : points)
        whole += std::abs(p.value);
    auto share = [whole](double v) -> QString {
        return whole != 0 ? QString::number(std::abs(v) * 100 / whole, 'f', 1) + QLatin1Char('%') : QString();
    };
    auto amount = [](double v) { return QString::number(v, 'g', 12); };
    if (bars()) {
        // A set per point, stacked on its own category: each bar keeps its
        // colour and legend entry, and the axis names it.
        auto* series = new QStackedBarSeries;
        QStringList names;
        double low = 0, high = 0;
        for (int i = 0; i < points.size(); ++i) {
            auto* set = new QBarSet(points[i].label);
            for (int j = 0; j < points.size(); ++j)
                *set << (i == j ? points[i].value : 0.0);
            series->append(set);
            names << points[i].label;
            low = std::min(low, points[i].value);
            high = std::max(high, points[i].value);
        }
        series->setLabelsVisible(true);
        m_chart->addSeries(series);
        auto* categories = new QBarCategoryAxis;
        categories->append(names);
        m_chart->addAxis(categories, Qt::AlignBottom);
        series->attachAxis(categories);
        // Room above the tallest bar (and below the lowest) for its label.
        auto* values = new QValueAxis;
        const double margin = std::max(high - low, 1.0) * 0.12;
        values->setRange(low < 0 ? low - margin : 0, high > 0 ? high + margin : margin);
        values->applyNiceNumbers();
        m_chart->addAxis(values, Qt::AlignLeft);
        series->attachAxis(values);
    } else {
        auto* series = new QPieSeries;
        for (const ChartPoint& p : points)
            series->append(p.label + QStringLiteral("：") + amount(p.value), std::abs(p.value))->setLabelVisible(true);
        m_chart->addSeries(series);
    }
    // The legend names each point with its share of the whole; a long name
    // is shortened so that its share still shows.
    constexpr int kLegendName = 14;
    const auto markers = m_chart->legend()->markers();
    for (int i = 0; i < markers.size() && i < points.size(); ++i) {
        const QString& name = points[i].label;
        const QString shown = name.size() > kLegendName ? name.left(kLegendName - 1) + QStringLiteral("…") : name;
        markers[i]->setLabel(shown + QLatin1Char(' ') + share(points[i].value));
    }
}

QStringList ChartPanel::legendTexts() const
{
    QStringList out;
    for (QLegendMarker* m : m_chart->legend()->markers())
        out << m->label();
    return out;
}

bool ChartPanel::saveBmp(const QString& file)
{
    // The picture is the chart as large as it is drawn, nothing around it.
    QRectF area = m_chart->sceneBoundingRect();
    if (area.width() < 1 || area.height() < 1) {  // never laid out
        m_chart->resize(640, 480);
        area = m_chart->sceneBoundingRect();
    }
    QImage image(area.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    m_chart->scene()->render(&p, QRectF(image.rect()), area);
    p.end();
    return image.save(file, "BMP");
}

QString saveChartPicture(ChartPanel& panel, const QString& venueFolder, const Platform& platform, const QString& fileName)
{
    // The venue's own folder: a program started from a menu may have no
    // writable working folder.
    const QString file = venueFolder + fileName;
    if (!panel.saveBmp(file)) {
        if (platform.prompt)
            platform.prompt->inform(QStringLiteral("图片保存失败，请检查文件夹是否可写：\n") + QDir::toNativeSeparators(file));
        return QString();
    }
    openOrSay(platform, file);
    return file;
}

}  // namespace velbrisk
