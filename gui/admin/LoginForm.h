#pragma once
// The login window: a user from the list and that user's password.
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace velbrisk {

struct AppContext;

class TFormLogin : public QDialog {
    Q_OBJECT
public:
    explicit TFormLogin(AppContext& ctx, QWidget* parent = nullptr);

    void prepare();
    void UserChanged();
    void LoginClick();

    QComboBox* userCombo() const { return m_user; }
    QLineEdit* passwordEdit() const { return m_password; }
    QLabel* emptyHint() const { return m_hint; }

    int exec() override;

private:
    AppContext& m_ctx;
    QComboBox* m_user;
    QLineEdit* m_password;
    QLabel* m_hint;
};

}  // namespace velbrisk
