#include "gui/widgets/DataGrid.h"

#include "core/data/Database.h"
#include "core/data/Query.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velbrisk {

DataGrid::DataGrid(QWidget* parent)
    : QWidget(parent), m_model(new QueryModel(this)), m_view(new QTableView(this)), m_footer(new QTableWidget(1, 0, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_footer);

    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->setDefaultSectionSize(20);
    m_view->verticalHeader()->setVisible(false);
    m_view->horizontalHeader()->setSectionsClickable(true);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->setAlternatingRowColors(false);

    m_footer->horizontalHeader()->setVisible(false);
    m_footer->verticalHeader()->setVisible(false);
    m_footer->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_footer->setSelectionMode(QAbstractItemView::NoSelection);
    m_footer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_footer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_footer->setFocusPolicy(Qt::NoFocus);
    m_footer->verticalHeader()->setDefaultSectionSize(20);
    m_footer->setFixedHeight(22);
    m_footer->setVisible(false);
    QPalette pal = m_footer->palette();
    pal.setColor(QPalette::Base, palette().color(QPalette::Button));
    m_footer->setPalette(pal);

    connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (section >= 0 && section < m_model->columns().size())
            emit titleClicked(m_model->columns()[section].field);
    });
    connect(m_view->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical) {
        if (!m_fitting)
            m_dragged.insert(logical);
        syncFooterWidths();
    });
    connect(m_view->horizontalHeader(), &QHeaderView::sectionMoved, this, [this] { syncFooterWidths(); });
    connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, m_footer->horizontalScrollBar(),
            &QScrollBar::setValue);
    // One action per double-click: the view also reports a double-click as
    // "activated", so only the double-click itself and Enter (below) count.
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { emit rowActivated(i.row()); });
    m_view->installEventFilter(this);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { emit currentRowChanged(currentRow()); });
    // The model is set once above, so its selection model lives as long as the grid.
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& cur) { emit currentRowChanged(cur.row()); });
}

bool DataGrid::eventFilter(QObject* watched, QEvent* event)
{
    // Closing the window forgets the widths the person dragged.
    if (watched == m_watchedWindow && event->type() == QEvent::Hide)
        m_dragged.clear();
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (currentRow() >= 0)
                emit rowActivated(currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DataGrid::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (window() != m_watchedWindow) {
        if (m_watchedWindow)
            m_watchedWindow->removeEventFilter(this);
        m_watchedWindow = window();
        m_watchedWindow->installEventFilter(this);
    }
}

void DataGrid::setColumns(const QList<GridColumn>& columns)
{
    m_model->setColumns(columns);
    m_footer->setColumnCount(int(columns.size()));
    m_givenWidths.clear();
    m_dragged.clear();
    m_fitting = true;
    for (int i = 0; i < columns.size(); ++i) {
        m_givenWidths << columns[i].width;
        m_view->setColumnWidth(i, columns[i].width);
        m_view->setColumnHidden(i, !columns[i].visible);
        m_footer->setColumnHidden(i, !columns[i].visible);
        if (!m_footer->item(0, i))
            m_footer->setItem(0, i, new QTableWidgetItem);
    }
    m_fitting = false;
    fitColumns();
}

void DataGrid::setQuery(Query* query) { m_model->setQuery(query); }

void DataGrid::reload()
{
    m_model->reload();
    fitColumns();
    if (m_model->rowCount() > 0)
        setCurrentRow(0);
}

int DataGrid::neededWidth(int column) const
{
    // Long texts (remarks) widen a column only so far; titles always fit.
    constexpr int kMostForValues = 360;
    constexpr int kPadding = 14;
    const QFontMetrics cells(m_view->font());
    int widest = 0;
    for (int r = 0; r < m_model->rowCount(); ++r)
        widest = std::max(widest, cells.horizontalAdvance(m_model->cellText(r, column)));
    if (const QTableWidgetItem* f = m_footer->item(0, column); f && !m_footer->isHidden())
        widest = std::max(widest, cells.horizontalAdvance(f->text()));
    widest = std::min(widest + kPadding, kMostForValues);
    const QFontMetrics titles(m_view->horizontalHeader()->font());
    const int title = titles.horizontalAdvance(m_model->headerData(column, Qt::Horizontal).toString()) + kPadding + 4;
    return std::max(widest, title);
}

void DataGrid::fitColumn(int column)
{
    if (column < 0 || column >= m_givenWidths.size() || m_dragged.contains(column) || m_view->isColumnHidden(column))
        return;
    const int width = std::max(m_givenWidths[column], neededWidth(column));
    if (width == m_view->columnWidth(column))
        return;
    m_fitting = true;
    m_view->setColumnWidth(column, width);
    m_fitting = false;
}

void DataGrid::fitColumns()
{
    for (int c = 0; c < m_givenWidths.size(); ++c)
        fitColumn(c);
    syncFooterWidths();
}

int DataGrid::currentRow() const
{
    const QModelIndex i = m_view->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void DataGrid::setCurrentRow(int row)
{
    if (row < 0) {  // no current row
        m_view->setCurrentIndex(QModelIndex());
        m_view->clearSelection();
        return;
    }
    while (row >= m_model->rowCount() && m_model->canFetchMore(QModelIndex()))
        m_model->fetchMore(QModelIndex());
    if (row >= m_model->rowCount())
        return;
    int col = 0;
    while (col < m_model->columnCount() && m_view->isColumnHidden(col))
        ++col;
    m_view->setCurrentIndex(m_model->index(row, col < m_model->columnCount() ? col : 0));
}

bool DataGrid::moveQueryToCurrent()
{
    Query* q = query();
    const int row = currentRow();
    if (!q || !q->isOpen() || row < 0)
        return false;
    q->moveTo(row);
    return !q->eof();
}

void DataGrid::setFooterVisible(bool visible) { m_footer->setVisible(visible); }

void DataGrid::setFooterText(const QString& field, const QString& text, const QColor& color)
{
    const int c = columnOf(field);
    if (c < 0)
        return;
    QTableWidgetItem* item = m_footer->item(0, c);
    item->setText(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setForeground(color);
    m_footer->setVisible(true);
    fitColumn(c);
}

QColor DataGrid::footerColor(const QString& field) const
{
    const int c = columnOf(field);
    return c < 0 ? QColor() : m_footer->item(0, c)->foreground().color();
}

void DataGrid::setFooterCount(const QString& field, const QString& prefix)
{
    Query* q = query();
    setFooterText(field, prefix + QString::number(q && q->isOpen() ? q->recordCount() : 0));
}

void DataGrid::setFooterSum(const QString& field, int decimals, const QString& prefix, const QColor& color)
{
    Query* q = query();
    double sum = 0;
    if (q && q->isOpen() && q->hasField(field)) {
        try {
            sum = q->sum(field);
        } catch (const Failure&) {
            // The list shows no total rather than a wrong one.
            setFooterText(field, QString(), color);
            return;
        }
    }
    setFooterText(field, prefix + QString::number(sum, 'f', decimals), color);
}

void DataGrid::clearFooter()
{
    for (int c = 0; c < m_footer->columnCount(); ++c)
        if (m_footer->item(0, c))
            m_footer->item(0, c)->setText(QString());
}

QString DataGrid::footerText(const QString& field) const
{
    const int c = columnOf(field);
    return c >= 0 && m_footer->item(0, c) ? m_footer->item(0, c)->text() : QString();
}

int DataGrid::columnOf(const QString& field) const
{
    const auto& cols = m_model->columns();
    for (int i = 0; i < cols.size(); ++i)
        if (cols[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void DataGrid::setColumnVisible(const QString& field, bool visible)
{
    const int c = columnOf(field);
    if (c < 0)
        return;
    m_view->setColumnHidden(c, !visible);
    m_footer->setColumnHidden(c, !visible);
    fitColumn(c);
}

QList<GridColumn> DataGrid::visibleColumns() const
{
    QList<GridColumn> out;
    const QHeaderView* h = m_view->horizontalHeader();
    for (int visual = 0; visual < h->count(); ++visual) {
        const int logical = h->logicalIndex(visual);
        if (!m_view->isColumnHidden(logical))
            out << m_model->columns()[logical];
    }
    return out;
}

void DataGrid::syncFooterWidths()
{
    const QHeaderView* h = m_view->horizontalHeader();
    for (int i = 0; i < m_footer->columnCount(); ++i)
        m_footer->setColumnWidth(i, h->sectionSize(i));
    // Keep the footer's column order in step with the list's.
    for (int visual = 0; visual < h->count(); ++visual) {
        const int logical = h->logicalIndex(visual);
        const int from = m_footer->horizontalHeader()->visualIndex(logical);
        if (from != visual)
            m_footer->horizontalHeader()->moveSection(from, visual);
    }
}

}  // namespace velbrisk
