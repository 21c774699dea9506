#include "gui/report/Report.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace velbrisk {

namespace {

Qt::Alignment alignOf(const QString& a)
{
    Qt::Alignment h = Qt::AlignLeft;
    if (a == QLatin1String("center"))
        h = Qt::AlignHCenter;
    else if (a == QLatin1String("right"))
        h = Qt::AlignRight;
    return h | Qt::AlignVCenter;
}

ReportBand::Kind kindOf(const QString& k, bool* ok)
{
    static const QHash<QString, ReportBand::Kind> kinds = {
        {QStringLiteral("title"), ReportBand::Title},          {QStringLiteral("header"), ReportBand::Header},
        {QStringLiteral("groupHeader"), ReportBand::GroupHeader}, {QStringLiteral("data"), ReportBand::Data},
        {QStringLiteral("groupFooter"), ReportBand::GroupFooter}, {QStringLiteral("summary"), ReportBand::Summary},
        {QStringLiteral("pageFooter"), ReportBand::PageFooter},
    };
    *ok = kinds.contains(k);
    return kinds.value(k, ReportBand::Data);
}

}  // namespace

std::optional<ReportTemplate> ReportTemplate::load(const QString& path, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("找不到报表模板：%1").arg(path);
        return std::nullopt;
    }
    return parse(f.readAll(), error);
}

std::optional<ReportTemplate> ReportTemplate::parse(const QByteArray& json, QString* error)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
    if (!doc.isObject()) {
        if (error)
            *error = QStringLiteral("报表模板格式有误：%1").arg(pe.errorString());
        return std::nullopt;
    }
    const QJsonObject o = doc.object();
    ReportTemplate t;
    const QJsonObject page = o.value(QLatin1String("page")).toObject();
    t.pageSize = QSizeF(page.value(QLatin1String("width")).toDouble(210), page.value(QLatin1String("height")).toDouble(297));
    t.margin = page.value(QLatin1String("margin")).toDouble(10);
    t.landscape = page.value(QLatin1String("orientation")).toString() == QLatin1String("landscape");
    t.fontFamily = o.value(QLatin1String("font")).toString(t.fontFamily);
    for (const QJsonValue bv : o.value(QLatin1String("bands")).toArray()) {
        const QJsonObject b = bv.toObject();
        ReportBand band;
        bool ok = false;
        band.kind = kindOf(b.value(QLatin1String("type")).toString(), &ok);
        if (!ok) {
            if (error)
                *error = QStringLiteral("报表模板中有未知的区域：%1").arg(b.value(QLatin1String("type")).toString());
            return std::nullopt;
        }
        band.height = b.value(QLatin1String("height")).toDouble(5);
        band.groupField = b.value(QLatin1String("field")).toString();
        for (const QJsonValue iv : b.value(QLatin1String("items")).toArray()) {
            const QJsonObject i = iv.toObject();
            ReportItem item;
            item.rect = QRectF(i.value(QLatin1String("x")).toDouble(), i.value(QLatin1String("y")).toDouble(),
                               i.value(QLatin1String("w")).toDouble(20), i.value(QLatin1String("h")).toDouble(band.height));
            item.text = i.value(QLatin1String("text")).toString();
            item.align = alignOf(i.value(QLatin1String("align")).toString());
            item.fontSize = i.value(QLatin1String("size")).toDouble(9);
            item.bold = i.value(QLatin1String("bold")).toBool();
            item.frame = i.value(QLatin1String("frame")).toBool();
            item.line = i.value(QLatin1String("line")).toBool();
            const QString when = i.value(QLatin1String("when")).toString();
            if (!when.isEmpty()) {
                item.whenField = when.section(QLatin1Char('='), 0, 0).trimmed();
                item.whenValue = when.section(QLatin1Char('='), 1);
            }
            band.items << item;
        }
        t.bands << band;
    }
    return t;
}

}  // namespace velbrisk
