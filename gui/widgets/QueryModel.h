#pragma once
// A table model over a Query: rows are fetched as the view scrolls, so a list
// of a million records opens as fast as one of ten.
#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <functional>
#include <optional>

namespace velbrisk {

class Query;

struct GridColumn {
    QString field;
    QString title;
    int width = 80;
    bool visible = true;
    QString numberFormat;  // "0.00" shows numbers with two decimals; empty: as stored
    bool centred = false;  // cells centred (else numbers right, texts left)
    bool emptyIsZero = false;  // with a number format: an empty value shows as 0
};

class QueryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit QueryModel(QObject* parent = nullptr);

    // The query stays owned by the window; the model reads it.
    void setQuery(Query* query);
    Query* query() const { return m_query; }
    void setColumns(const QList<GridColumn>& columns);
    const QList<GridColumn>& columns() const { return m_columns; }
    // Call after the window reopened its query.
    void reload();

    using ColorRule = std::function<std::optional<QColor>(Query& q, int row, const QString& field)>;
    void setTextColorRule(ColorRule rule) { m_textColor = std::move(rule); }
    void setBackgroundRule(ColorRule rule) { m_background = std::move(rule); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // Text of a cell as shown.
    QString cellText(int row, int column) const;

private:
    int fieldColumn(int column) const;
    Query* m_query = nullptr;
    QList<GridColumn> m_columns;
    QList<int> m_fieldIndex;
    int m_rows = 0;
    bool m_announcing = false;
    ColorRule m_textColor;
    ColorRule m_background;
};

}  // namespace velbrisk
