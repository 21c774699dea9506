#pragma once
// The account detail of a tile: income, expense and transfer fixed to the
// account, its month's records, and editing the account.
#include "core/finance/Reports.h"

#include <QDate>
#include <QDialog>
#include <optional>

class QLabel;

namespace velbrisk {

struct AppContext;
class TFormAccount;
class TFormDraw;
class TFormGetPay;

class TFormAccount2 : public QDialog {
    Q_OBJECT
public:
    TFormAccount2(AppContext& ctx, TFormGetPay& voucher, TFormDraw& transfer, TFormAccount& account,
                  QWidget* parent = nullptr);

    QString AccountName;
    QString BalanceText;
    QDate LedgerDate;  // the finance window's day
    // Result of "当月记录": the account's records of the ledger day's month,
    // for the caller to list; unset after any other way out.
    std::optional<MoneySearch> RecordsAsked;

    int exec() override;
    QLabel* nameLabel() const { return m_name; }
    QLabel* balanceLabel() const { return m_balance; }

private:
    void newVoucher(const QString& kind);
    void transfer();
    void monthRecords();
    void editAccount();

    AppContext& m_ctx;
    TFormGetPay& m_voucher;
    TFormDraw& m_transfer;
    TFormAccount& m_account;
    QLabel* m_name;
    QLabel* m_balance;
};

}  // namespace velbrisk
