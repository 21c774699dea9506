#pragma once
// "应收应付记录筛选": the condition of the receivable or the payable list.
#include <QDate>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;

namespace velbrisk {

struct AppContext;

class TFormGetPay3 : public QDialog {
    Q_OBJECT
public:
    explicit TFormGetPay3(AppContext& ctx, QWidget* parent = nullptr);

    QString Kind;          // "应收" or "应付"
    QDate LedgerDate;      // the finance window's day: its month is the span offered
    QString GetCondition;  // of the receivable list
    QString PayCondition;  // of the payable list

    int exec() override;
    void prepare();

    QComboBox* customerCombo() const { return m_customer; }
    QCheckBox* spanBox() const { return m_span; }
    QDateEdit* fromEdit() const { return m_from; }
    QDateEdit* toEdit() const { return m_to; }
    QComboBox* reasonCombo() const { return m_reason; }
    QComboBox* manCombo() const { return m_man; }
    QLineEdit* remarkEdit() const { return m_remark; }

private:
    void confirm();

    AppContext& m_ctx;
    QComboBox* m_customer;
    QCheckBox* m_span;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QComboBox* m_reason;
    QComboBox* m_man;
    QLineEdit* m_remark;
};

}  // namespace velbrisk
