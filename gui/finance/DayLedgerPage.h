#pragma once
// The tab "日记帐簿": the day's four figures and its money records, each
// opened in the voucher window, and their print.
#include "core/data/Query.h"
#include "core/finance/Ledger.h"

#include <QDate>
#include <QWidget>

class QLabel;

namespace velbrisk {

struct AppContext;
class MoneyGrid;
class TFormGetPay;

class DayLedgerPage : public QWidget {
    Q_OBJECT
public:
    DayLedgerPage(AppContext& ctx, TFormGetPay& voucher, QWidget* parent = nullptr);

    // The day's figures and records in the current book; its summary, none
    // when it could not be read.
    std::optional<DaySummary> refresh(const QDate& day, bool bookTransfersInside);
    void editRecord();  // "修改记录"
    void print();       // "打印记录"

    QLabel* previousLabel() const { return m_previous; }
    QLabel* closingLabel() const { return m_closing; }
    QLabel* incomeLabel() const { return m_income; }
    QLabel* expenseLabel() const { return m_expense; }
    MoneyGrid* grid() const { return m_grid; }

private:
    AppContext& m_ctx;
    TFormGetPay& m_voucher;
    Query m_ledger;
    QDate m_day;
    QLabel* m_previous;
    QLabel* m_closing;
    QLabel* m_income;
    QLabel* m_expense;
    MoneyGrid* m_grid;
};

}  // namespace velbrisk
