#include "widgets/ChartPanel.h"

#include "app/AppContext.h"

#include <QBarSeries>
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
    double total = 0;
    for (const ChartPoint& p : points)
        total += p.value;
    auto share = [total](double v) -> QString { return total != 0 ? QString::number(v * 100 / total, 'f', 1) + QLatin1Char('%') : QString(); };
    auto mark = [](const ChartPoint& p) -> QString { return p.label + QStringLiteral("：") + QString::number(p.value, 'g', 12); };
    if (bars()) {
        auto* series = new QBarSeries;
        for (const ChartPoint& p : points) {
            auto* set = new QBarSet(mark(p));
            *set << p.value;
            series->append(set);
        }
        series->setLabelsVisible(true);
        m_chart->addSeries(series);
    } else {
        auto* series = new QPieSeries;
        for (const ChartPoint& p : points)
            series->append(mark(p), p.value)->setLabelVisible(true);
        m_chart->addSeries(series);
    }
    // The legend names each point with its share of the whole.
    const auto markers = m_chart->legend()->markers();
    for (int i = 0; i < markers.size() && i < points.size(); ++i)
        markers[i]->setLabel(points[i].label + QLatin1Char(' ') + share(points[i].value));
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
    QImage image(m_view->size().expandedTo(QSize(640, 480)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    m_chart->scene()->render(&p, QRectF(image.rect()), m_chart->sceneBoundingRect());
    p.end();
    return image.save(file, "BMP");
}

QString saveChartPicture(AppContext& ctx, ChartPanel& panel, const QString& fileName)
{
    // The venue's own folder: a program started from a menu may have no
    // writable working folder.
    const QString file = ctx.g.AppDir + fileName;
    if (!panel.saveBmp(file)) {
        ctx.prompt().inform(QStringLiteral("图片保存失败，请检查文件夹是否可写：\n") + QDir::toNativeSeparators(file));
        return QString();
    }
    openOrSay(ctx.platform, file);
    return file;
}

}  // namespace velbrisk
