#pragma once
// The consumption entry window: one item charged to a room or a bill.
#include "gui/widgets/EditDialog.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace velbrisk {

struct AppContext;

class TFormCost : public EditDialog {
    Q_OBJECT
public:
    explicit TFormCost(AppContext& ctx, QWidget* parent = nullptr);

    QString NewRoomName;
    int NewCostBill = 0;
    // What the caller writes together with the entry, in one transaction
    // (the bill window: the bill's totals). Cleared at each showing's end.
    std::function<void()> AlsoWrite;

    void prepare() override;
    void ActionYesExecute();
    void SaveItemClick();
    // The person changed the item text: take the catalogue's price.
    void ItemTextChanged(const QString& text);

    QLineEdit* roomEdit() const { return m_room; }
    QComboBox* itemCombo() const { return m_item; }
    QLineEdit* amountEdit() const { return m_amount; }
    QPlainTextEdit* remarkEdit() const { return m_remark; }


private:
    AppContext& m_ctx;
    QLineEdit* m_room;
    QComboBox* m_item;
    QLineEdit* m_amount;
    QPlainTextEdit* m_remark;
    bool m_loading = false;
};

}  // namespace velbrisk
