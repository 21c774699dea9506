#pragma once
// The money voucher: a new income or expense, or one record changed,
// deleted or printed; it may settle a receivable or payable.
#include "core/finance/Vouchers.h"

#include <QDate>
#include "gui/widgets/EditDialog.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace velbrisk {

struct AppContext;
class TFormGetPay4;

class TFormGetPay : public EditDialog {
    Q_OBJECT
public:
    // `match` asks which receivable or payable a new voucher settles.
    TFormGetPay(AppContext& ctx, TFormGetPay4& match, QWidget* parent = nullptr);

    QString Kind;          // "财务收入" or "财务支出"
    QDate LedgerDate;      // the finance window's day: a new voucher's date and number (today when unset)
    int LinkedGetPay = 0;  // the receivable or payable settled; 0 for none
    QString FixedAccount;  // when set, the only account offered
    QString PresetUser, PresetSum, PresetReason, PresetMan, PresetRemark;
    QString AmountInWords;  // of the last print

    void prepare() override;
    void done(int result) override;

    // The print action (also the automatic print of a new voucher).
    void ActionPrintExecute();

    QLineEdit* serialEdit() const { return m_serial; }
    QComboBox* accountCombo() const { return m_account; }
    QComboBox* customerCombo() const { return m_customer; }
    QDateEdit* dateEdit() const { return m_date; }
    QLineEdit* amountEdit() const { return m_amount; }
    QComboBox* reasonCombo() const { return m_reason; }
    QComboBox* manCombo() const { return m_man; }
    QComboBox* typeCombo() const { return m_type; }
    QComboBox* tokenCombo() const { return m_token; }
    QLineEdit* remarkEdit() const { return m_remark; }
    QString bannerFile() const { return m_bannerFile; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* batchButton() const { return m_batch; }
    QToolButton* printButton() const { return m_print; }

private:
    VoucherInput input() const;
    // Validation, matching and the write of a new voucher; true when written.
    bool saveNew();
    void ActionYesExecute();
    void ActionBatchExecute();
    void ActionDeleteExecute();
    void ActionSaveCustomerExecute();
    QDate ledgerDate() const;
    // A new number proposed for the voucher.
    void proposeSerial();
    // For a number typed by hand that another record carries: true when the
    // person keeps it.
    bool keepTakenSerial(const QString& unchanged);

    AppContext& m_ctx;
    TFormGetPay4& m_match;
    QString m_bannerFile;
    ProposedSerial m_proposed;  // new voucher
    QString m_storedSerial;     // edited voucher
    QLabel* m_banner;
    QToolButton* m_print;
    QLineEdit* m_serial;
    QComboBox* m_account;
    QComboBox* m_customer;
    QDateEdit* m_date;
    QLineEdit* m_amount;
    QComboBox* m_reason;
    QComboBox* m_man;
    QComboBox* m_type;
    QComboBox* m_token;
    QLineEdit* m_remark;
    QPushButton* m_save;
    QPushButton* m_delete;
    QPushButton* m_batch;
};

}  // namespace velbrisk
