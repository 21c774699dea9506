#pragma once
// The user window: a user's name, password and rights.
#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace velbrisk {

struct AppContext;

class TFormPower : public QDialog {
    Q_OBJECT
public:
    explicit TFormPower(AppContext& ctx, QWidget* parent = nullptr);

    QString Mode = QStringLiteral("新增");
    int EditIndex = 0;

    void prepare();
    void OkClick();

    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* passwordEdit() const { return m_password; }
    QCheckBox* rightBox(int i) const { return m_rights[i]; }
    QCheckBox* clearPasswordBox() const { return m_clearPassword; }

    int exec() override;

private:
    AppContext& m_ctx;
    QLineEdit* m_name;
    QLineEdit* m_password;
    QCheckBox* m_clearPassword;
    QCheckBox* m_rights[3];
};

}  // namespace velbrisk
