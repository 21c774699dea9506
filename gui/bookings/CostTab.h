#pragma once
// The consumption tab of the room window: the room's open entries, their
// count and sum, and new, edit and delete.
#include "core/data/Query.h"

#include <QWidget>

namespace velbrisk {

struct AppContext;
class DataGrid;
class ListPanel;
class TFormCost;

class CostTab : public QWidget {
    Q_OBJECT
public:
    explicit CostTab(AppContext& ctx, QWidget* parent = nullptr);
    void setCostForm(TFormCost* form);

    // Lists the room's open entries; returns their total.
    double load(const QString& roomName);
    void NewRecord();
    void EditRecord();
    void DeleteRecord();

    DataGrid* grid() const;
    Query& query() { return m_query; }

signals:
    void totalChanged(double total);
    void entryAdded();

private:
    void showTotals();
    AppContext& m_ctx;
    TFormCost* m_costForm = nullptr;
    Query m_query;
    ListPanel* m_panel;
    QString m_room;
    double m_total = 0;
};

}  // namespace velbrisk
