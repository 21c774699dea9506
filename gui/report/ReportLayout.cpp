#include "gui/report/Report.h"

#include "core/data/Query.h"
#include "gui/report/ReportText.h"

#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace velbrisk {

using namespace report;

namespace {

// Lays a template's bands out over the master's rows, page by page.
class Paginator {
public:
    Paginator(const ReportTemplate& t, const VariableProvider& variables);
    PreparedReport run(Query* master);

private:
    // One band laid out for a row: a text longer than its item grows the
    // item downwards, and what stands below it in the band moves down with
    // it, so texts never overlap.
    struct LaidBand {
        QList<PlacedText> items;
        double height = 0;
    };
    LaidBand layOut(const ReportBand& band, Query* row, const QHash<QString, QString>* snapshot, const Totals* totals) const;
    void putAt(const LaidBand& band, double top);
    void put(const LaidBand& band);
    void place(const ReportBand& band, Query* row);
    // Places a band, on a new page when it does not fit on this one.
    void placeFitting(const ReportBand& band, Query* row, const QHash<QString, QString>* snapshot, const Totals* totals);
    void closePage();
    void newPage();
    void placeRows(Query& master);

    const ReportTemplate& m_t;
    const VariableProvider& m_variables;
    const ReportBand* m_bands[ReportBand::PageFooter + 1] = {};
    QStringList m_summed;  // fields some [Sum(..)] asks for
    QString m_groupField;
    bool m_endless;  // a receipt: one page as long as needed
    QSizeF m_page;
    double m_footerHeight;
    double m_usable;
    PreparedReport m_r;
    double m_y = 0;
    QList<PlacedText> m_items;
    Totals m_all, m_group;
};

Paginator::Paginator(const ReportTemplate& t, const VariableProvider& variables)
    : m_t(t), m_variables(variables), m_endless(t.pageSize.height() <= 0)
{
    static const QRegularExpression sumRef(QStringLiteral(R"(\[Sum\((\w+)\))"));
    for (const ReportBand& b : t.bands) {
        if (!m_bands[b.kind])
            m_bands[b.kind] = &b;
        for (const ReportItem& item : b.items)
            for (auto it = sumRef.globalMatch(item.text); it.hasNext();)
                m_summed << it.next().captured(1);
    }
    m_summed.removeDuplicates();
    const ReportBand* groupHeader = m_bands[ReportBand::GroupHeader];
    const ReportBand* groupFooter = m_bands[ReportBand::GroupFooter];
    m_groupField = groupHeader ? groupHeader->groupField : groupFooter ? groupFooter->groupField : QString();
    m_page = t.landscape && !m_endless ? t.pageSize.transposed() : t.pageSize;
    const ReportBand* footer = m_bands[ReportBand::PageFooter];
    m_footerHeight = footer ? footer->height : 0;
    m_usable = m_endless ? 1e9 : m_page.height() - 2 * t.margin - m_footerHeight;
    m_r.landscape = t.landscape;
    m_r.fontFamily = t.fontFamily;
}

Paginator::LaidBand Paginator::layOut(const ReportBand& band, Query* row, const QHash<QString, QString>* snapshot,
                                      const Totals* totals) const
{
    LaidBand out;
    const int n = int(band.items.size());
    std::vector<double> grow(n, 0), shift(n, 0);
    for (int i = 0; i < n; ++i) {
        const ReportItem& item = band.items[i];
        const int page = int(m_r.pages.size());
        PlacedText p{item.rect, expand(item.text, row, snapshot, m_variables, page, totals), item.align,
                     item.fontSize, item.bold, item.frame, item.line};
        if (!item.whenField.isEmpty()
            && expand(QLatin1Char('[') + item.whenField + QLatin1Char(']'), row, snapshot, m_variables, page, totals)
                   != item.whenValue)
            p = PlacedText{item.rect, QString(), item.align, item.fontSize, item.bold, false, false};
        if (!p.text.isEmpty() && !item.line) {
            const double need = wrappedHeight(p.text, m_t.fontFamily, item.fontSize, item.bold, item.rect.width());
            grow[i] = std::max(0.0, need - item.rect.height());
        }
        out.items << p;
    }
    // Items in order of their tops: each moves down by the most that an
    // item ending above it has grown and moved.
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](int a, int b) { return band.items[a].rect.top() < band.items[b].rect.top(); });
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
}

void Paginator::putAt(const LaidBand& band, double top)
{
    for (PlacedText p : band.items) {
        p.rect.translate(m_t.margin, m_t.margin + top);
        m_items << p;
    }
}

void Paginator::put(const LaidBand& band)
{
    putAt(band, m_y);
    m_y += band.height;
}

void Paginator::place(const ReportBand& band, Query* row) { put(layOut(band, row, nullptr, &m_all)); }

void Paginator::placeFitting(const ReportBand& band, Query* row, const QHash<QString, QString>* snapshot, const Totals* totals)
{
    LaidBand laid = layOut(band, row, snapshot, totals);
    if (m_y + laid.height > m_usable && !m_items.isEmpty()) {
        newPage();
        laid = layOut(band, row, snapshot, totals);
    }
    put(laid);
}

void Paginator::closePage()
{
    if (const ReportBand* footer = m_bands[ReportBand::PageFooter]) {
        putAt(layOut(*footer, nullptr, nullptr, &m_all), m_endless ? m_y : m_page.height() - 2 * m_t.margin - m_footerHeight);
        if (m_endless)
            m_y += m_footerHeight;
    }
    m_r.pages << m_items;
    m_items.clear();
    m_y = 0;
}

void Paginator::newPage()
{
    closePage();
    if (const ReportBand* header = m_bands[ReportBand::Header])
        place(*header, nullptr);
}

void Paginator::placeRows(Query& master)
{
    const ReportBand* data = m_bands[ReportBand::Data];
    const ReportBand* groupHeader = m_bands[ReportBand::GroupHeader];
    const ReportBand* groupFooter = m_bands[ReportBand::GroupFooter];
    QHash<QString, QString> lastRow;  // the group's last row, for its footer
    QString current;
    bool first = true;
    for (master.first(); !master.eof(); master.next()) {
        const QString key = m_groupField.isEmpty() ? QString() : master.str(m_groupField);
        if (!m_groupField.isEmpty() && (first || key != current)) {
            if (!first && groupFooter)
                placeFitting(*groupFooter, nullptr, &lastRow, &m_group);
            m_group = Totals();
            if (groupHeader)
                placeFitting(*groupHeader, &master, nullptr, &m_group);
        }
        if (data)
            placeFitting(*data, &master, nullptr, &m_all);
        m_group.add(master, m_summed);
        m_all.add(master, m_summed);
        if (groupFooter) {
            lastRow.clear();
            for (int i = 0; i < master.fieldCount(); ++i)
                lastRow.insert(master.fieldName(i).toLower(), master.str(master.fieldName(i)));
        }
        current = key;
        first = false;
    }
    if (!first && groupFooter)
        placeFitting(*groupFooter, nullptr, &lastRow, &m_group);
}

PreparedReport Paginator::run(Query* master)
{
    if (const ReportBand* title = m_bands[ReportBand::Title])
        place(*title, nullptr);
    if (const ReportBand* header = m_bands[ReportBand::Header])
        place(*header, nullptr);
    if (master && master->isOpen())
        placeRows(*master);
    if (const ReportBand* summary = m_bands[ReportBand::Summary])
        placeFitting(*summary, master && master->isOpen() && !master->eof() ? master : nullptr, nullptr, &m_all);
    const double used = m_y;
    closePage();
    const QString pages = QString::number(m_r.pages.size());
    for (auto& pg : m_r.pages)
        for (PlacedText& p : pg)
            p.text.replace(kPagesMark, pages);
    m_r.pageSize = m_endless ? QSizeF(m_t.pageSize.width(), used + m_footerHeight + 2 * m_t.margin) : m_page;
    return m_r;
}

}  // namespace

PreparedReport prepareReport(const ReportTemplate& t, Query* master, const VariableProvider& variables)
{
    return Paginator(t, variables).run(master);
}

}  // namespace velbrisk
