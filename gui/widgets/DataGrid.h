#pragma once
// The read-only list every window shows: whole-row selection, a footer line
// with counts and sums, colours per cell and clickable titles.
#include "gui/widgets/QueryModel.h"

#include <QColor>
#include <QSet>
#include <QWidget>

class QTableView;
class QTableWidget;

namespace velbrisk {

class DataGrid : public QWidget {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    void setColumns(const QList<GridColumn>& columns);
    void setQuery(Query* query);
    Query* query() const { return m_model->query(); }
    // After the window reopened its query: shows the new rows.
    void reload();

    QueryModel* model() const { return m_model; }
    QTableView* view() const { return m_view; }

    // The current row (-1 for none) and moving the query onto it.
    int currentRow() const;
    void setCurrentRow(int row);
    bool moveQueryToCurrent();

    // Footer line: a text under a column, or the count or sum of a column
    // over every row of the query, centred, in the colour given.
    void setFooterVisible(bool visible);
    void setFooterText(const QString& field, const QString& text, const QColor& color = Qt::black);
    void setFooterCount(const QString& field, const QString& prefix = QString());
    void setFooterSum(const QString& field, int decimals = 2, const QString& prefix = QString(),
                      const QColor& color = Qt::black);
    QColor footerColor(const QString& field) const;
    void clearFooter();
    QString footerText(const QString& field) const;

    // The visible columns in the order they are shown.
    QList<GridColumn> visibleColumns() const;

    void setColumnVisible(const QString& field, bool visible);
    int columnOf(const QString& field) const;

    // Columns fit what they show: never narrower than their given width,
    // their title, their footer and the values of the rows read (up to a
    // limit for long remarks). A width the person drags stays until the
    // window closes. Runs at each reload.
    void fitColumns();
    // The width a column needs for its title, footer and the rows read.
    int neededWidth(int column) const;

signals:
    void titleClicked(const QString& field);
    void rowActivated(int row);  // double-click or Enter
    void currentRowChanged(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void syncFooterWidths();
    void fitColumn(int column);
    QList<int> m_givenWidths;  // as the window set its columns
    QSet<int> m_dragged;       // columns the person sized
    bool m_fitting = false;
    QWidget* m_watchedWindow = nullptr;
    QueryModel* m_model;
    QTableView* m_view;
    QTableWidget* m_footer;
};

}  // namespace velbrisk
