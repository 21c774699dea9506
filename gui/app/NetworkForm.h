#pragma once
// Asks for the data file's path when the program works on a shared folder.
#include <QDialog>

class QLineEdit;

namespace velbrisk {

struct AppContext;

class TFormNetwork : public QDialog {
    Q_OBJECT
public:
    explicit TFormNetwork(AppContext& ctx, QWidget* parent = nullptr);

    QLineEdit* addressEdit() const { return m_address; }
    void ChooseButtonClick();
    void OkButtonClick();

private:
    AppContext& m_ctx;
    QLineEdit* m_address;
};

}  // namespace velbrisk
