#pragma once
// The account detail of a tile: income, expense and transfer fixed to the
// account, its month's records, and editing the account.
#include <QDialog>

class QLabel;

namespace velbrisk {

struct AppContext;

class TFormAccount2 : public QDialog {
    Q_OBJECT
public:
    explicit TFormAccount2(AppContext& ctx, QWidget* parent = nullptr);

    QString AccountName;
    QString BalanceText;

    int exec() override;
    QLabel* nameLabel() const { return m_name; }
    QLabel* balanceLabel() const { return m_balance; }

private:
    void newVoucher(const QString& kind);
    void transfer();
    void monthRecords();
    void editAccount();

    AppContext& m_ctx;
    QLabel* m_name;
    QLabel* m_balance;
};

}  // namespace velbrisk
