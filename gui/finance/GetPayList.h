#pragma once
// One half of the tab "应收应付": the receivables or the payables, by record,
// by customer or by date, with find, print, new, edit, delete and export.
#include "core/data/Query.h"
#include "core/finance/GetPays.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;

namespace velbrisk {

struct AppContext;
class DataGrid;

class GetPayList : public QWidget {
    Q_OBJECT
public:
    // `kind` is "应收" or "应付".
    GetPayList(AppContext& ctx, QString kind, QWidget* parent = nullptr);

    QString kind() const { return m_kind; }
    GetPayView view() const;
    void setView(GetPayView view);  // ticks the choice and reloads
    // RefreshGetPayLists for this half.
    void reload();

    DataGrid* grid() const { return m_grid; }
    // Shown while a find condition is in force, so that an empty list is not
    // taken for an empty ledger.
    QLabel* filterNote() const { return m_filterNote; }
    QRadioButton* viewButton(GetPayView view) const;

private:
    QString condition() const;
    void find();
    void print();
    void add();
    void edit();
    void remove();

    AppContext& m_ctx;
    QString m_kind;
    Query m_list;
    DataGrid* m_grid;
    QLabel* m_filterNote;
    QRadioButton* m_views[3];
    QList<QPushButton*> m_recordButtons;
};

}  // namespace velbrisk
