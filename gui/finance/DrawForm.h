#pragma once
// The transfer window: an amount from one account to another.
#include "core/finance/Transfers.h"

#include "gui/widgets/EditDialog.h"

#include <QDate>

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace velbrisk {

struct AppContext;

class TFormDraw : public EditDialog {
    Q_OBJECT
public:
    explicit TFormDraw(AppContext& ctx, QWidget* parent = nullptr);

    QString FixedAccount;  // when set, the only source account offered
    QDate LedgerDate;      // the finance window's day: the transfer's date (today when unset)

    void prepare() override;

    QComboBox* sourceCombo() const { return m_source; }
    QComboBox* targetCombo() const { return m_target; }
    QLineEdit* amountEdit() const { return m_amount; }
    QDateEdit* dateEdit() const { return m_date; }
    QLineEdit* remarkEdit() const { return m_remark; }

private:
    void confirm();

    AppContext& m_ctx;
    QComboBox* m_source;
    QComboBox* m_target;
    QLineEdit* m_amount;
    QDateEdit* m_date;
    QLineEdit* m_remark;
};

}  // namespace velbrisk
