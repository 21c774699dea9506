#include "gui/report/Report.h"

#include "core/data/Clock.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"

#include <algorithm>
#include <vector>

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextLayout>
#include <QTextOption>

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

// Counts and sums of the rows placed so far (of a group, or of the report).
struct Totals {
    int count = 0;
    QHash<QString, double> sums;  // lower-case field -> sum
    void add(Query& row, const QStringList& fields)
    {
        ++count;
        for (const QString& f : fields)
            sums[f.toLower()] += row.num(f);
    }
};

// Stands for the number of pages until every page is laid out.
const QString kPagesMark = QStringLiteral("\u0001PAGES\u0001");

QString formatted(double number, const QString& format)
{
    const qsizetype dot = format.indexOf(QLatin1Char('.'));
    return QString::number(number, 'f', dot < 0 ? 0 : int(format.size() - dot - 1));
}

// Expands the [..] references of a text. `row` is the master's current row
// (null outside the data rows), `snapshot` the last row's fields for a group
// footer, `totals` what aggregates run over.
QString expand(const QString& text, Query* row, const QHash<QString, QString>* snapshot, const VariableProvider& vars,
               int page, const Totals* totals)
{
    static const QRegularExpression ref(
        QStringLiteral(R"(\[(?:(Sum|Count|Capitals)\((\w*)\)|([#A-Za-z_][\w]*))(?::([0#.,]+))?\])"));
    QString out;
    qsizetype last = 0;
    auto it = ref.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        const QString function = m.captured(1);
        const QString argument = m.captured(2);
        const QString name = m.captured(3);
        const QString format = m.captured(4);
        std::optional<QString> value;
        double number = 0;
        bool numeric = false;
        auto lookUp = [&](const QString& n) -> std::optional<QString> {
            if (row && row->isOpen() && row->hasField(n) && !row->eof())
                return row->str(n);
            if (snapshot && snapshot->contains(n.toLower()))
                return snapshot->value(n.toLower());
            return vars ? vars(n) : std::nullopt;
        };
        if (function == QLatin1String("Sum")) {
            number = totals ? totals->sums.value(argument.toLower()) : 0;
            value = QString::number(number, 'f', 2);
            numeric = true;
        } else if (function == QLatin1String("Count") || name == QLatin1String("Count")) {
            number = totals ? totals->count : 0;
            value = QString::number(int(number));
            numeric = true;
        } else if (function == QLatin1String("Capitals")) {
            bool ok = false;
            const std::optional<QString> amount = lookUp(argument);
            const double a = amount ? amount->toDouble(&ok) : 0;
            if (ok)
                value = AmountInWords(a);
        } else if (name == QLatin1String("#Page")) {
            value = QString::number(page + 1);
        } else if (name == QLatin1String("#Pages")) {
            value = kPagesMark;
        } else if (name == QLatin1String("#Date")) {
            value = Clock::today().toString(QStringLiteral("yyyy-MM-dd"));
        } else if (name == QLatin1String("#Time")) {
            value = Clock::now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        } else {
            value = lookUp(name);
            if (value) {
                bool ok = false;
                number = value->toDouble(&ok);
                numeric = ok;
            }
        }
        if (!value) {
            out += m.captured(0);
            continue;
        }
        out += !format.isEmpty() && numeric ? formatted(number, format) : *value;
    }
    out += text.mid(last);
    return out;
}

// Texts wrap at word boundaries, or anywhere in a word too long for its line.
QTextOption textOption(Qt::Alignment align)
{
    QTextOption o(align);
    o.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return o;
}

QFont reportFont(const QString& family, double points, bool bold, double pixelsPerMm)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(points * 0.3528 * pixelsPerMm))));  // points to millimetres
    f.setBold(bold);
    return f;
}

// A text keeps this much room (millimetres) from each side of its item, so
// that the columns of a list never touch.
constexpr double kTextPadding = 0.8;

QRectF textArea(const QRectF& item) { return item.adjusted(kTextPadding, 0, -kTextPadding, 0); }

// Height in millimetres that `text` takes when wrapped at `width` millimetres.
// Measured a little narrower than drawn: glyphs come out a little wider on
// some devices, and a text must never need more lines there than here.
double wrappedHeight(const QString& text, const QString& family, double points, bool bold, double width)
{
    constexpr double kPxPerMm = 20;
    width = std::max(1.0, width - 2 * kTextPadding) * 0.97;
    QTextLayout layout(text, reportFont(family, points, bold, kPxPerMm));
    layout.setTextOption(textOption(Qt::AlignLeft));
    layout.beginLayout();
    double height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width * kPxPerMm);
        height += line.height();
    }
    layout.endLayout();
    return height / kPxPerMm;
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

QStringList PreparedReport::texts() const
{
    QStringList out;
    for (const auto& page : pages)
        for (const PlacedText& t : page)
            if (!t.text.isEmpty())
                out << t.text;
    return out;
}

int PreparedReport::findPage(const QString& needle, int fromPage) const
{
    for (int p = std::max(0, fromPage); p < pages.size(); ++p)
        for (const PlacedText& t : pages[p])
            if (t.text.contains(needle, Qt::CaseInsensitive))
                return p;
    return -1;
}

PreparedReport prepareReport(const ReportTemplate& t, Query* master, const VariableProvider& variables)
{
    PreparedReport r;
    r.landscape = t.landscape;
    r.fontFamily = t.fontFamily;
    const ReportBand* bands[ReportBand::PageFooter + 1] = {};
    QStringList summed;  // fields some [Sum(..)] asks for
    static const QRegularExpression sumRef(QStringLiteral(R"(\[Sum\((\w+)\))"));
    for (const ReportBand& b : t.bands) {
        if (!bands[b.kind])
            bands[b.kind] = &b;
        for (const ReportItem& item : b.items)
            for (auto it = sumRef.globalMatch(item.text); it.hasNext();)
                summed << it.next().captured(1);
    }
    summed.removeDuplicates();
    const ReportBand* header = bands[ReportBand::Header];
    const ReportBand* footer = bands[ReportBand::PageFooter];
    const ReportBand* groupHeader = bands[ReportBand::GroupHeader];
    const ReportBand* groupFooter = bands[ReportBand::GroupFooter];
    const QString groupField = groupHeader ? groupHeader->groupField : groupFooter ? groupFooter->groupField : QString();

    const bool endless = t.pageSize.height() <= 0;  // a receipt: one page as long as needed
    const QSizeF page = t.landscape && !endless ? t.pageSize.transposed() : t.pageSize;
    const double footerHeight = footer ? footer->height : 0;
    const double usable = endless ? 1e9 : page.height() - 2 * t.margin - footerHeight;
    double y = 0;
    QList<PlacedText> items;
    Totals all, group;
    QHash<QString, QString> lastRow;  // the group's last row, for its footer

    // One band laid out for a row: a text longer than its item grows the item
    // downwards, and what stands below it in the band moves down with it, so
    // texts never overlap.
    struct LaidBand {
        QList<PlacedText> items;
        double height = 0;
    };
    auto layoutBand = [&](const ReportBand& band, Query* row, const QHash<QString, QString>* snapshot,
                          const Totals* totals) {
        LaidBand out;
        const int n = int(band.items.size());
        std::vector<double> grow(n, 0), shift(n, 0);
        for (int i = 0; i < n; ++i) {
            const ReportItem& item = band.items[i];
            PlacedText p{item.rect, expand(item.text, row, snapshot, variables, int(r.pages.size()), totals), item.align,
                         item.fontSize, item.bold, item.frame, item.line};
            if (!item.whenField.isEmpty()
                && expand(QLatin1Char('[') + item.whenField + QLatin1Char(']'), row, snapshot, variables, int(r.pages.size()),
                          totals)
                       != item.whenValue)
                p = PlacedText{item.rect, QString(), item.align, item.fontSize, item.bold, false, false};
            if (!p.text.isEmpty() && !item.line) {
                const double need = wrappedHeight(p.text, t.fontFamily, item.fontSize, item.bold, item.rect.width());
                grow[i] = std::max(0.0, need - item.rect.height());
            }
            out.items << p;
        }
        // Items in order of their tops: each moves down by the most that an
        // item ending above it has grown and moved.
        std::vector<int> order(n);
        for (int i = 0; i < n; ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(),
                  [&](int a, int b) { return band.items[a].rect.top() < band.items[b].rect.top(); });
        double extra = 0;
        for (int a : order) {
            for (int b : order)
                if (band.items[b].rect.bottom() <= band.items[a].rect.top() + 1e-6)
                    shift[a] = std::max(shift[a], shift[b] + grow[b]);
            extra = std::max(extra, shift[a] + grow[a]);
        }
        for (int i = 0; i < n; ++i) {
            QRectF& rect = out.items[i].rect;
            rect.translate(0, shift[i]);
            rect.setHeight(rect.height() + grow[i]);
        }
        out.height = band.height + extra;
        return out;
    };
    auto putAt = [&](const LaidBand& band, double top) {
        for (PlacedText p : band.items) {
            p.rect.translate(t.margin, t.margin + top);
            items << p;
        }
    };
    auto put = [&](const LaidBand& band) {
        putAt(band, y);
        y += band.height;
    };
    auto place = [&](const ReportBand& band, Query* row) { put(layoutBand(band, row, nullptr, &all)); };
    auto closePage = [&] {
        if (footer)
            putAt(layoutBand(*footer, nullptr, nullptr, &all), endless ? y : page.height() - 2 * t.margin - footerHeight);
        if (endless && footer)
            y += footerHeight;
        r.pages << items;
        items.clear();
        y = 0;
    };
    auto newPage = [&] {
        closePage();
        if (header)
            place(*header, nullptr);
    };
    // Places a band, on a new page when it does not fit on this one.
    auto placeFitting = [&](const ReportBand& band, Query* row, const QHash<QString, QString>* snapshot,
                            const Totals* totals) {
        LaidBand laid = layoutBand(band, row, snapshot, totals);
        if (y + laid.height > usable && !items.isEmpty()) {
            newPage();
            laid = layoutBand(band, row, snapshot, totals);
        }
        put(laid);
    };
    if (bands[ReportBand::Title])
        place(*bands[ReportBand::Title], nullptr);
    if (header)
        place(*header, nullptr);
    const ReportBand* data = bands[ReportBand::Data];
    if (master && master->isOpen()) {
        QString current;
        bool first = true;
        for (master->first(); !master->eof(); master->next()) {
            const QString key = groupField.isEmpty() ? QString() : master->str(groupField);
            if (!groupField.isEmpty() && (first || key != current)) {
                if (!first && groupFooter)
                    placeFitting(*groupFooter, nullptr, &lastRow, &group);
                group = Totals();
                if (groupHeader)
                    placeFitting(*groupHeader, master, nullptr, &group);
            }
            if (data)
                placeFitting(*data, master, nullptr, &all);
            group.add(*master, summed);
            all.add(*master, summed);
            if (groupFooter) {
                lastRow.clear();
                for (int i = 0; i < master->fieldCount(); ++i)
                    lastRow.insert(master->fieldName(i).toLower(), master->str(master->fieldName(i)));
            }
            current = key;
            first = false;
        }
        if (!first && groupFooter)
            placeFitting(*groupFooter, nullptr, &lastRow, &group);
    }
    if (const ReportBand* summary = bands[ReportBand::Summary])
        placeFitting(*summary, master && master->isOpen() && !master->eof() ? master : nullptr, nullptr, &all);
    const double used = y;
    closePage();
    const QString pages = QString::number(r.pages.size());
    for (auto& pg : r.pages)
        for (PlacedText& p : pg)
            p.text.replace(kPagesMark, pages);
    r.pageSize = endless ? QSizeF(t.pageSize.width(), used + footerHeight + 2 * t.margin) : page;
    return r;
}

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

bool presentReport(const QString& templatePath, Query* master, const VariableProvider& variables,
                   ReportPresenter& presenter, const QString& title, QString* error)
{
    const auto tmpl = ReportTemplate::load(templatePath, error);
    if (!tmpl)
        return false;
    const PreparedReport r = prepareReport(*tmpl, master, variables);
    if (master && master->isOpen())
        master->first();  // the list stands where it was printed from
    presenter.present(r, title);
    return true;
}

}  // namespace velbrisk
