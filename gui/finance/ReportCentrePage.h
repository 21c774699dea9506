#pragma once
// The tab "报表中心": the records of the last money search, sorted, opened
// in the voucher window, exported, printed, summed day by day and analysed.
#include "core/data/Query.h"
#include "core/finance/Reports.h"

#include <QWidget>

class QComboBox;

namespace velbrisk {

struct AppContext;
class MoneyGrid;
class TFormCake;
class TFormGetPay;
class TFormMakeReport;

class ReportCentrePage : public QWidget {
    Q_OBJECT
public:
    ReportCentrePage(AppContext& ctx, TFormGetPay& voucher, TFormMakeReport& search, TFormCake& analysis,
                     QWidget* parent = nullptr);

    MoneySearch Search;  // of the last money search or "当月记录"; empty until then

    // The records of `search`, listed from now on.
    void show(const MoneySearch& search);
    // Lists the search again, once one was made.
    void refresh();
    bool open() const { return m_open; }
    void printSummary();  // "财务日结"
    void print();         // "打印报表"

    MoneyGrid* grid() const { return m_grid; }
    QComboBox* sortCombo() const { return m_sort; }

private:
    void list();
    void search();
    void analyse();
    void editRecord();

    AppContext& m_ctx;
    TFormGetPay& m_voucher;
    TFormMakeReport& m_search;
    TFormCake& m_analysis;
    Query m_report;
    Query m_print;  // the summary's lines
    bool m_open = false;
    MoneyGrid* m_grid;
    QComboBox* m_sort;
};

}  // namespace velbrisk
