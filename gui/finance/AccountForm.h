#pragma once
// "新增帐户" / "修改帐户": type, name, opening amount and remark of an account.
#include "core/finance/Accounts.h"
#include "gui/widgets/EditDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velbrisk {

struct AppContext;

class TFormAccount : public EditDialog {
    Q_OBJECT
public:
    explicit TFormAccount(AppContext& ctx, QWidget* parent = nullptr);

    QString AccountName;   // the account to edit; empty for a new one
    AccountInput Result;   // what OK returns
    bool Deleted = false;  // OK after the delete button: the account is gone

    void prepare() override;

    QCheckBox* bankBox() const { return m_bank; }
    QCheckBox* cashBox() const { return m_cash; }
    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* amountEdit() const { return m_amount; }
    QPlainTextEdit* remarkEdit() const { return m_remark; }
    QPushButton* deleteButton() const { return m_delete; }

private:
    void setType(int type);
    void confirm();
    void remove();

    AppContext& m_ctx;
    int m_type = 0;
    QCheckBox* m_bank;
    QCheckBox* m_cash;
    QLabel* m_picture;
    QLineEdit* m_name;
    QLineEdit* m_amount;
    QPlainTextEdit* m_remark;
    QPushButton* m_delete;
};

}  // namespace velbrisk
