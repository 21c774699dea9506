#pragma once
// One half of the tab "应收应付": the receivables or the payables, by record,
// by customer or by date, with find, print, new, edit, delete and export.
#include "core/data/Query.h"
#include "core/finance/GetPays.h"

#include <QDate>
#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;

namespace velbrisk {

struct AppContext;
class DataGrid;
class TFormGetPay2;
class TFormGetPay3;

class GetPayList : public QWidget {
    Q_OBJECT
public:
    // `kind` is "应收" or "应付"; `record` enters and changes records, `filter`
    // holds the find conditions of both kinds.
    GetPayList(AppContext& ctx, QString kind, TFormGetPay2& record, TFormGetPay3& filter, QWidget* parent = nullptr);

    QString kind() const { return m_kind; }
    GetPayView view() const;
    void setView(GetPayView view);  // ticks the choice and reloads
    // RefreshGetPayLists for this half; new records start on `day`.
    void reload(const QDate& day);
    void reload() { reload(m_day); }

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
    TFormGetPay2& m_record;
    TFormGetPay3& m_filter;
    QDate m_day;
    Query m_list;
    DataGrid* m_grid;
    QLabel* m_filterNote;
    QRadioButton* m_views[3];
    QList<QPushButton*> m_recordButtons;
};

}  // namespace velbrisk
