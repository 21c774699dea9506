#pragma once
// "应收应付管理": one receivable or payable, and the vouchers that settle it.
#include "core/data/Query.h"
#include "core/finance/GetPays.h"
#include "gui/widgets/EditDialog.h"

#include <QDate>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

namespace velbrisk {

struct AppContext;
class TFormGetPay;
class DataGrid;

class TFormGetPay2 : public EditDialog {
    Q_OBJECT
public:
    // `voucher` enters the record's vouchers.
    TFormGetPay2(AppContext& ctx, TFormGetPay& voucher, QWidget* parent = nullptr);

    QString Kind;  // "应收" or "应付"
    QDate LedgerDate;  // the finance window's day: a new record's date (today when unset)
    bool Changed = false;

    void prepare() override;
    // Cancel or the close box takes back a new record created for its vouchers.
    void done(int result) override;

    // The figures and the voucher grid anew.
    void refresh();

    QDateEdit* dateEdit() const { return m_date; }
    QComboBox* customerCombo() const { return m_customer; }
    QLineEdit* amountEdit() const { return m_amount; }
    QComboBox* reasonCombo() const { return m_reason; }
    QComboBox* manCombo() const { return m_man; }
    QLineEdit* remarkEdit() const { return m_remark; }
    QLabel* amountLabel() const { return m_amountLabel; }
    // "应收：500", "已收：200", "未收：300"
    QStringList figureTexts() const;
    DataGrid* grid() const { return m_grid; }
    QString bannerFile() const { return m_bannerFile; }

private:
    GetPayInput input() const;
    void ActionYesExecute();
    void addVoucher();
    void editVoucher();
    void deleteVoucher();

    AppContext& m_ctx;
    TFormGetPay& m_voucher;
    Query m_vouchers;
    double m_settled = 0;  // as shown
    QString m_bannerFile;
    QLabel* m_banner;
    QDateEdit* m_date;
    QComboBox* m_customer;
    QLabel* m_amountLabel;
    QLineEdit* m_amount;
    QComboBox* m_reason;
    QComboBox* m_man;
    QLineEdit* m_remark;
    QLabel* m_figures[3];
    DataGrid* m_grid;
};

}  // namespace velbrisk
