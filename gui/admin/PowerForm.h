#pragma once
// The user window: a user's name, password and rights.
#include "gui/widgets/EditDialog.h"

class QCheckBox;
class QLineEdit;

namespace velbrisk {

struct AppContext;

class TFormPower : public EditDialog {
    Q_OBJECT
public:
    explicit TFormPower(AppContext& ctx, QWidget* parent = nullptr);


    void prepare() override;
    void OkClick();

    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* passwordEdit() const { return m_password; }
    QCheckBox* rightBox(int i) const { return m_rights[i]; }
    QCheckBox* clearPasswordBox() const { return m_clearPassword; }


private:
    AppContext& m_ctx;
    QLineEdit* m_name;
    QLineEdit* m_password;
    QCheckBox* m_clearPassword;
    QCheckBox* m_rights[3];
};

}  // namespace velbrisk
