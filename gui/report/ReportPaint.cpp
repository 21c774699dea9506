#include "gui/report/Report.h"

#include "gui/report/ReportText.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace velbrisk {

using namespace report;

void paintPage(const PreparedReport& r, int page, QPainter& p, const QRectF& target, const QString& mark)
{
    if (page < 0 || page >= r.pages.size())
        return;
    p.save();
    const double scale = target.width() / r.pageSize.width();  // device units per millimetre
    p.translate(target.topLeft());
    for (const PlacedText& t : r.pages[page]) {
        const QRectF rect(t.rect.x() * scale, t.rect.y() * scale, t.rect.width() * scale, t.rect.height() * scale);
        if (t.line) {
            p.setPen(QPen(Qt::black, std::max(1.0, 0.2 * scale)));
            p.drawLine(rect.topLeft(), rect.topRight());
        }
        if (t.frame) {
            p.setPen(QPen(Qt::black, std::max(1.0, 0.2 * scale)));
            p.drawRect(rect);
        }
        if (t.text.isEmpty())
            continue;
        if (!mark.isEmpty() && t.text.contains(mark, Qt::CaseInsensitive))
            p.fillRect(rect, QColor(255, 235, 59));
        p.setFont(reportFont(r.fontFamily, t.fontSize, t.bold, scale));
        p.setPen(Qt::black);
        const QRectF area = textArea(t.rect);
        p.drawText(QRectF(area.x() * scale, area.y() * scale, area.width() * scale, area.height() * scale), t.text,
                   textOption(t.align));
    }
    p.restore();
}

bool printReport(const PreparedReport& r, QPagedPaintDevice& device, const QString& mark)
{
    device.setPageLayout(QPageLayout(QPageSize(r.pageSize, QPageSize::Millimeter), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter p;
    if (!p.begin(&device))
        return false;
    for (int i = 0; i < r.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(r, i, p, QRectF(QPointF(0, 0), QSizeF(p.device()->width(), p.device()->height())), mark);
    }
    return p.end();
}

bool writePdf(const PreparedReport& r, const QString& path)
{
    QPdfWriter writer(path);
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("澄岳体育场馆管理软件 2.0"));
    return printReport(r, writer);
}

}  // namespace velbrisk
