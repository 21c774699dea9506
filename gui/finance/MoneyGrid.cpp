#include "gui/finance/MoneyGrid.h"

#include "core/config/IniFile.h"
#include "core/config/Options.h"
#include "core/data/Query.h"
#include "core/finance/Ledger.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

namespace velbrisk {

MoneyGrid::MoneyGrid(QString section, QWidget* parent) : DataGrid(parent), m_section(std::move(section))
{
    model()->setTextColorRule([](Query& q, int row, const QString& field) -> std::optional<QColor> {
        if (field != QLatin1String("MoneySum"))
            return std::nullopt;
        const int col = q.fieldIndex(field);
        if (col < 0)
            return std::nullopt;
        return drawnRed(q.numberAt(row, col)) ? QColor(Qt::red) : QColor(Qt::black);
    });
    connect(this, &DataGrid::titleClicked, this, [this](const QString& field) {
        const int c = columnOf(field);
        if (c < 0)
            return;
        const int widest = widestText(field);
        if (view()->columnWidth(c) < widest)
            view()->setColumnWidth(c, widest);
    });
}

void MoneyGrid::rebuild(const Options& options)
{
    QList<GridColumn> columns;
    for (const MoneyColumn& m : moneyColumns()) {
        const QString field = QString::fromLatin1(m.field);
        const int fallback = defaultFinanceColumnWidth(field);
        bool ok = false;
        int width = IniReadString(m_section, field, QString::number(fallback), options.file()).toInt(&ok);
        if (!ok || width < 0 || width > 2000)
            width = fallback;
        columns << GridColumn{field, QString::fromUtf8(m.title), width, true, QString(), true};
    }
    setColumns(columns);
    reload();
    clearFooter();
    Query* q = query();
    if (q && q->isOpen())
        q->prepareTotals({QStringLiteral("MoneyIn"), QStringLiteral("MoneyOut"), QStringLiteral("MoneySum")});
    setFooterText(QStringLiteral("MoneyIndex"),
                  QString::number(q && q->isOpen() ? q->recordCount() : 0) + QStringLiteral("条"));
    setFooterSum(QStringLiteral("MoneyIn"), 2, QString(), Qt::black);
    setFooterSum(QStringLiteral("MoneyOut"), 2, QString(), Qt::red);
    setFooterSum(QStringLiteral("MoneySum"), 2, QString(), Qt::black);
}

int MoneyGrid::widestText(const QString& field) const
{
    const int c = columnOf(field);
    if (c < 0)
        return 0;
    const QFontMetrics fm(view()->font());
    int widest = 0;
    for (int r = 0; r < model()->rowCount(); ++r)
        widest = std::max(widest, fm.horizontalAdvance(model()->cellText(r, c)));
    return widest + 20;
}

void MoneyGrid::showRecord(int moneyIndex)
{
    Query* q = query();
    if (!q || !q->isOpen())
        return;
    const int col = q->fieldIndex(QStringLiteral("MoneyIndex"));
    if (col < 0)
        return;
    for (int r = 0; r < model()->rowCount() || model()->canFetchMore({}); ++r) {
        if (r >= model()->rowCount())
            model()->fetchMore({});
        if (r >= model()->rowCount())
            break;
        if (q->valueAt(r, col).toLongLong() == moneyIndex) {
            setCurrentRow(r);
            return;
        }
    }
}

int MoneyGrid::currentMoneyIndex()
{
    Query* q = query();
    if (!q || !q->isOpen() || !moveQueryToCurrent() || q->isNull(QStringLiteral("MoneyIndex")))
        return 0;
    return int(q->integer(QStringLiteral("MoneyIndex")));
}

}  // namespace velbrisk
