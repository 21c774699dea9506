#pragma once
// "统计范围选择": the accounts and dates of the monthly statement.
#include <QDialog>

class QCheckBox;
class QDateEdit;
class QListWidget;

namespace velbrisk {

struct AppContext;

class TFormAccountChose : public QDialog {
    Q_OBJECT
public:
    explicit TFormAccountChose(AppContext& ctx, QWidget* parent = nullptr);

    int exec() override;
    void prepare();
    // The selected names when "帐户范围" is ticked, else none.
    QStringList chosenAccounts() const;

    QCheckBox* accountBox() const { return m_accountBox; }
    QListWidget* accountList() const { return m_accounts; }
    QCheckBox* dateBox() const { return m_dateBox; }
    QDateEdit* fromEdit() const { return m_from; }
    QDateEdit* toEdit() const { return m_to; }

private:
    AppContext& m_ctx;
    QCheckBox* m_accountBox;
    QListWidget* m_accounts;
    QCheckBox* m_dateBox;
    QDateEdit* m_from;
    QDateEdit* m_to;
};

}  // namespace velbrisk
