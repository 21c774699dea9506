#pragma once
// The money voucher: a new income or expense, or one record changed,
// deleted or printed; it may settle a receivable or payable.
#include "core/finance/Vouchers.h"
#include "gui/widgets/EditDialog.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace velbrisk {

struct AppContext;

class TFormGetPay : public EditDialog {
    Q_OBJECT
public:
    explicit TFormGetPay(AppContext& ctx, QWidget* parent = nullptr);

    QString Kind;          // "财务收入" or "财务支出"
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

// Deletes a voucher after the question, recomputes its receivable or payable
// and refreshes the finance window; says why when it cannot. True when gone.
bool askDeleteVoucher(AppContext& ctx, int moneyIndex);
// "保存客户": the customer box's text into the word list, the box refilled.
void saveCustomerOf(AppContext& ctx, QComboBox* customers);
// The customers, the income kinds of a receivable ("应收") or the expense
// kinds of a payable, and the salesmen of the word lists.
void loadGetPayWords(AppContext& ctx, const QString& getPayKind, QComboBox* customers, QComboBox* reasons, QComboBox* men);

}  // namespace velbrisk
