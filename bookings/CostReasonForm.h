#pragma once
// The item window of the catalogue: an item's name and default price.
#include <QDialog>

class QLineEdit;

namespace velbrisk {

struct AppContext;

class TFormCostReason : public QDialog {
    Q_OBJECT
public:
    explicit TFormCostReason(AppContext& ctx, QWidget* parent = nullptr);

    QString Mode = QStringLiteral("新增");
    int EditIndex = 0;

    void prepare();
    void ActionYesExecute();
    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* priceEdit() const { return m_price; }
    int exec() override;

private:
    AppContext& m_ctx;
    QLineEdit* m_name;
    QLineEdit* m_price;
};

}  // namespace velbrisk
