#pragma once
// The room information window: a new room, or a room's name, billing type,
// price and remark; deleting the room.
#include "gui/widgets/EditDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velbrisk {

struct AppContext;

class TFormRoom2 : public EditDialog {
    Q_OBJECT
public:
    explicit TFormRoom2(AppContext& ctx, QWidget* parent = nullptr);

    bool Deleted = false;

    // The steps of showing the window (also run by exec()).
    void prepare() override;
    void ActionYesExecute();
    void ActionDeleteExecute();

    QLineEdit* nameEdit() const { return m_name; }
    QComboBox* typeCombo() const { return m_type; }
    QLineEdit* priceEdit() const { return m_price; }
    QLabel* unitLabel() const { return m_unit; }
    QPlainTextEdit* remarkEdit() const { return m_remark; }
    QPushButton* deleteButton() const { return m_delete; }


private:
    void applyUnit();
    AppContext& m_ctx;
    QLineEdit* m_name;
    QComboBox* m_type;
    QLineEdit* m_price;
    QLabel* m_unit;
    QPlainTextEdit* m_remark;
    QPushButton* m_delete;
};

}  // namespace velbrisk
