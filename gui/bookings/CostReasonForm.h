#pragma once
// The item window of the catalogue: an item's name and default price.
#include "gui/widgets/EditDialog.h"

class QLineEdit;

namespace velbrisk {

struct AppContext;

class TFormCostReason : public EditDialog {
    Q_OBJECT
public:
    explicit TFormCostReason(AppContext& ctx, QWidget* parent = nullptr);


    void prepare() override;
    void ActionYesExecute();
    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* priceEdit() const { return m_price; }

private:
    AppContext& m_ctx;
    QLineEdit* m_name;
    QLineEdit* m_price;
};

}  // namespace velbrisk
