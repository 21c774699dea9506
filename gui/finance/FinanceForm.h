#pragma once
// "财务管理": the account book, the current date and the entry actions on the
// left; the account tiles, the day ledger, receivables and payables and the
// report centre on four tabs, one widget each.
#include <QDate>
#include <QDialog>
#include <QList>

class QComboBox;
class QDateEdit;
class QLabel;
class QTabWidget;
class QToolButton;

namespace velbrisk {

struct AppContext;
class AccountTile;
class AccountTilesPage;
class DayLedgerPage;
class GetPayList;
class GetPayPage;
class MoneyGrid;
class ReportCentrePage;
class TFormAccount;
class TFormAccount2;
class TFormAccountChose;
class TFormAccountSearch;
class TFormCake;
class TFormChose;
class TFormDraw;
class TFormGetPay;
class TFormGetPay2;
class TFormGetPay3;
class TFormMakeReport;

// The windows the finance window and its pages open.
struct FinanceWindows {
    TFormChose& books;
    TFormGetPay& voucher;
    TFormGetPay2& record;
    TFormGetPay3& recordFilter;
    TFormDraw& transfer;
    TFormAccount& account;
    TFormAccount2& accountDetail;
    TFormAccountSearch& accountSearch;
    TFormAccountChose& accountChoice;
    TFormMakeReport& moneySearch;
    TFormCake& analysis;
};

class TFormFinance : public QDialog {
    Q_OBJECT
public:
    TFormFinance(AppContext& ctx, const FinanceWindows& windows, QWidget* parent = nullptr);
    ~TFormFinance() override;

    int exec() override;
    // The first showing's and every later showing's work, without the loop.
    void prepare();

    QDate ledgerDate() const;
    void setLedgerDate(const QDate& day);  // runs RefreshFinance

    // Everything shown again; also whenever money, accounts or receivables
    // were written while the window is open.
    void RefreshFinance();
    void RefreshReportGrid();
    // The book as last loaded.
    QString bookValue() const { return m_book; }

    // ---- the pages and their parts
    AccountTilesPage* tilePage() const { return m_tilePage; }
    DayLedgerPage* ledgerPage() const { return m_ledgerPage; }
    GetPayPage* getPayPage() const { return m_getPayPage; }
    ReportCentrePage* reportPage() const { return m_reportPage; }
    QList<AccountTile*> tiles() const;
    QLabel* placeholder() const;
    QLabel* totalLabel() const;
    QLabel* previousLabel() const;
    QLabel* closingLabel() const;
    QLabel* incomeLabel() const;
    QLabel* expenseLabel() const;
    QLabel* bookPicture() const { return m_bookPicture; }
    QString bookPictureFile() const { return m_bookPictureFile; }
    MoneyGrid* ledgerGrid() const;
    MoneyGrid* reportGrid() const;
    QComboBox* sortKeyCombo() const;
    QComboBox* sortDirectionCombo() const;
    QComboBox* reportSortCombo() const;
    QTabWidget* tabs() const { return m_tabs; }
    GetPayList* receivables() const;
    GetPayList* payables() const;
    QWidget* leftPanel() const { return m_left; }
    QToolButton* sideBar() const { return m_bar; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadBook();
    void chooseBook();
    void newVoucher(const QString& kind);
    void transfer();
    void toggleLeftPanel();
    void openAccount(const QString& name, const QString& balance);
    QPixmap picture(const QString& file) const;

    AppContext& m_ctx;
    FinanceWindows m_windows;
    bool m_shownBefore = false;
    QString m_book;
    QString m_bookPictureFile;

    QWidget* m_left;
    QToolButton* m_bar;
    QLabel* m_bookPicture;
    QDateEdit* m_date;
    QTabWidget* m_tabs;
    AccountTilesPage* m_tilePage;
    DayLedgerPage* m_ledgerPage;
    GetPayPage* m_getPayPage;
    ReportCentrePage* m_reportPage;
};

}  // namespace velbrisk
