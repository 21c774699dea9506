#pragma once
// "报表数据分析": the records of the last money search by account, customer,
// salesman, kind, payment type or voucher, as a chart and as a table.
#include "core/data/Query.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QTabWidget;

namespace velbrisk {

struct AppContext;
class ChartPanel;
class DataGrid;

class TFormCake : public QDialog {
    Q_OBJECT
public:
    explicit TFormCake(AppContext& ctx, QWidget* parent = nullptr);

    QString Condition;  // a copy of the search's MoneyCondition

    int exec() override;
    void Recompute();

    QComboBox* analysisCombo() const { return m_analysis; }
    QComboBox* kindCombo() const { return m_kind; }
    ChartPanel* panel() const { return m_panel; }
    DataGrid* table() const { return m_table; }
    QString iconFile() const { return m_iconFile; }
    QTabWidget* tabs() const { return m_tabs; }

private:
    AppContext& m_ctx;
    Query m_rows;
    QString m_iconFile;
    QLabel* m_icon;
    QComboBox* m_analysis;
    QComboBox* m_kind;
    QTabWidget* m_tabs;
    ChartPanel* m_panel;
    DataGrid* m_table;
};

}  // namespace velbrisk
