#include "gui/widgets/QueryModel.h"

#include "core/data/Query.h"

namespace velbrisk {

namespace {
constexpr int kBatch = 256;
}

QueryModel::QueryModel(QObject* parent) : QAbstractTableModel(parent) {}

void QueryModel::setQuery(Query* query)
{
    m_query = query;
    reload();
}

void QueryModel::setColumns(const QList<GridColumn>& columns)
{
    beginResetModel();
    m_columns = columns;
    endResetModel();
    reload();
}

void QueryModel::reload()
{
    m_announcing = true;
    beginResetModel();
    m_fieldIndex.clear();
    for (const GridColumn& c : m_columns)
        m_fieldIndex << (m_query && m_query->isOpen() ? m_query->fieldIndex(c.field) : -1);
    // The first screen at once; the rest as the view scrolls.
    if (m_query && m_query->isOpen() && m_query->fetchedCount() < kBatch)
        m_query->fetchMore(kBatch - m_query->fetchedCount());
    m_rows = m_query && m_query->isOpen() ? m_query->fetchedCount() : 0;
    // Views may ask for more rows while a change is still being announced;
    // they ask again afterwards.
    endResetModel();
    m_announcing = false;
}

int QueryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int QueryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

int QueryModel::fieldColumn(int column) const
{
    return column >= 0 && column < m_fieldIndex.size() ? m_fieldIndex[column] : -1;
}

QString QueryModel::cellText(int row, int column) const
{
    const int f = fieldColumn(column);
    if (!m_query || f < 0 || row < 0 || row >= m_rows)
        return QString();
    const QString& format = m_columns[column].numberFormat;
    if (!format.isEmpty()) {
        const int decimals = format.contains(QLatin1Char('.')) ? int(format.size() - format.indexOf(QLatin1Char('.')) - 1) : 0;
        const QVariant v = m_query->valueAt(row, f);
        if (v.isNull())
            return m_columns[column].emptyIsZero ? QString::number(0.0, 'f', decimals) : QString();
        return QString::number(m_query->numberAt(row, f), 'f', decimals);
    }
    return m_query->textAt(row, f);
}

QVariant QueryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole: {
        const int f = fieldColumn(index.column());
        if (m_columns[index.column()].centred)
            return int(Qt::AlignCenter);
        if (f >= 0 && (m_query->fieldType(f) == FieldType::Number || !m_columns[index.column()].numberFormat.isEmpty()))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    case Qt::ForegroundRole:
        if (m_textColor)
            if (auto c = m_textColor(*m_query, index.row(), m_columns[index.column()].field))
                return *c;
        return QVariant();
    case Qt::BackgroundRole:
        if (m_background)
            if (auto c = m_background(*m_query, index.row(), m_columns[index.column()].field))
                return *c;
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant QueryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_columns.size())
        return m_columns[section].title;
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return QVariant();
}

bool QueryModel::canFetchMore(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_query || !m_query->isOpen())
        return false;
    return m_rows < m_query->fetchedCount() || m_query->canFetchMore();
}

void QueryModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid() || !m_query || !m_query->isOpen() || m_announcing)
        return;
    if (m_rows >= m_query->fetchedCount())
        m_query->fetchMore(kBatch);
    const int available = m_query->fetchedCount();
    if (available <= m_rows)
        return;
    m_announcing = true;
    beginInsertRows(QModelIndex(), m_rows, available - 1);
    m_rows = available;
    endInsertRows();
    m_announcing = false;
}

}  // namespace velbrisk
