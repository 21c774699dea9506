#pragma once
// The item catalogue in the settings window: the list and its actions.
#include "core/data/Query.h"

#include <QGroupBox>

namespace velbrisk {

struct AppContext;
class DataGrid;
class ListPanel;
class TFormCostReason;

class ItemList : public QGroupBox {
    Q_OBJECT
public:
    ItemList(AppContext& ctx, TFormCostReason* itemForm, QWidget* parent = nullptr);

    void load();
    void NewItem();
    void EditItem();
    void DeleteItem();
    DataGrid* grid() const;
    Query& query() { return m_query; }

private:
    AppContext& m_ctx;
    TFormCostReason* m_itemForm;
    Query m_query;
    ListPanel* m_panel;
};

}  // namespace velbrisk
