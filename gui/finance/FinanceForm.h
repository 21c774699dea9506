#pragma once
// "财务管理": the account book, the current date and the entry actions on the
// left; the account tiles, the day ledger, receivables and payables and the
// report centre on four tabs.
#include "core/data/Query.h"
#include "core/finance/Ledger.h"
#include "core/finance/Reports.h"

#include <QDate>
#include <QDialog>
#include <QHash>
#include <QList>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace velbrisk {

struct AppContext;
class AccountTile;
class GetPayList;
class MoneyGrid;

class TFormFinance : public QDialog {
    Q_OBJECT
public:
    explicit TFormFinance(AppContext& ctx, QWidget* parent = nullptr);
    ~TFormFinance() override;

    int AccountPage = 0;
    MoneySearch Search;  // of the last money search or "当月记录"; empty until then

    int exec() override;
    // The first showing's and every later showing's work, without the loop.
    void prepare();

    QDate ledgerDate() const;
    void setLedgerDate(const QDate& day);  // runs RefreshFinance

    void RefreshFinance();
    void RefreshAccountTiles();
    void RefreshLedger();        // RefreshMoneyGrid for the day ledger
    void RefreshReportGrid();    // RefreshMoneyGrid for the report grid
    void RefreshGetPayLists();   // both halves of "应收应付"
    bool reportGridOpen() const;
    void showReportCentre();

    // ---- the reports
    void PrintTable();      // "帐户月结"
    void PrintDay();        // "财务日结"
    void PrintLedger();     // "打印记录"
    void PrintReportGrid(); // "打印报表"
    // The book as last loaded.
    QString bookValue() const { return m_book; }

    // ---- for tests and the windows that open from here
    QList<AccountTile*> tiles() const { return m_tiles; }
    QLabel* placeholder() const { return m_placeholder; }
    QLabel* totalLabel() const { return m_total; }
    QLabel* previousLabel() const { return m_previous; }
    QLabel* closingLabel() const { return m_closing; }
    QLabel* incomeLabel() const { return m_income; }
    QLabel* expenseLabel() const { return m_expense; }
    QLabel* bookPicture() const { return m_bookPicture; }
    QString bookPictureFile() const { return m_bookPictureFile; }
    MoneyGrid* ledgerGrid() const { return m_ledgerGrid; }
    MoneyGrid* reportGrid() const { return m_reportGrid; }
    QComboBox* sortKeyCombo() const { return m_sortKey; }
    QComboBox* sortDirectionCombo() const { return m_sortDirection; }
    QComboBox* reportSortCombo() const { return m_reportSort; }
    QTabWidget* tabs() const { return m_tabs; }
    GetPayList* receivables() const { return m_receivables; }
    GetPayList* payables() const { return m_payables; }
    QWidget* leftPanel() const { return m_left; }
    QToolButton* sideBar() const { return m_bar; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadBook();
    void chooseBook();
    void newAccount();
    void newVoucher(const QString& kind);
    void transfer();
    void editLedgerRecord();
    void editReportRecord();
    void toggleLeftPanel();
    void searchAccounts();
    void searchMoney();
    void analyse();
    void openTile(const QString& name, const QString& balance);
    QPixmap picture(const QString& file) const;

    AppContext& m_ctx;
    bool m_shownBefore = false;
    QString m_book;
    QString m_bookPictureFile;
    Query m_ledger;
    Query m_report;
    Query m_print;  // the rows of a statement or summary
    bool m_reportOpen = false;

    QWidget* m_left;
    QToolButton* m_bar;
    QLabel* m_bookPicture;
    QDateEdit* m_date;
    QTabWidget* m_tabs;
    QWidget* m_tilePage;
    QList<AccountTile*> m_tiles;
    QLabel* m_placeholder;
    QLabel* m_total;
    QPushButton* m_prevPage;
    QPushButton* m_nextPage;
    QComboBox* m_sortKey;
    QComboBox* m_sortDirection;
    QLabel* m_previous;
    QLabel* m_closing;
    QLabel* m_income;
    QLabel* m_expense;
    MoneyGrid* m_ledgerGrid;
    MoneyGrid* m_reportGrid;
    QComboBox* m_reportSort;
    GetPayList* m_receivables = nullptr;
    GetPayList* m_payables = nullptr;
};

// After a window of the ledger wrote money, accounts or receivables: the
// finance window refreshed in full, and the lists that show money told.
void moneyWritten(AppContext& ctx);

}  // namespace velbrisk
