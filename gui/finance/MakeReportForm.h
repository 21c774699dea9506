#pragma once
// The money search: date and amount ranges, accounts, kinds, words, document
// type, transfers, remark and number, into the conditions of the report
// grid, the daily summary and the analysis chart.
#include "core/finance/Reports.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;

namespace velbrisk {

struct AppContext;

class TFormMakeReport : public QDialog {
    Q_OBJECT
public:
    explicit TFormMakeReport(AppContext& ctx, QWidget* parent = nullptr);

    MoneySearch Result;  // of the last OK; the other finance windows read it

    int exec() override;
    void prepare();

    QCheckBox* spanBox() const { return m_span; }
    QDateEdit* fromEdit() const { return m_from; }
    QDateEdit* toEdit() const { return m_to; }
    QCheckBox* amountBox() const { return m_amounts; }
    QLineEdit* lowerEdit() const { return m_lower; }
    QLineEdit* upperEdit() const { return m_upper; }
    QListWidget* accountList() const { return m_accounts; }
    QListWidget* reasonList() const { return m_reasons; }
    QComboBox* typeCombo() const { return m_type; }
    QComboBox* tokenCombo() const { return m_token; }
    QComboBox* customerCombo() const { return m_customer; }
    QComboBox* manCombo() const { return m_man; }
    QComboBox* documentCombo() const { return m_document; }
    QComboBox* transferCombo() const { return m_transfers; }
    QLineEdit* remarkEdit() const { return m_remark; }
    QLineEdit* serialEdit() const { return m_serial; }

private:
    void confirm();

    AppContext& m_ctx;
    QLabel* m_book;
    QCheckBox* m_span;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QCheckBox* m_amounts;
    QLineEdit* m_lower;
    QLineEdit* m_upper;
    QListWidget* m_accounts;
    QListWidget* m_reasons;
    QComboBox* m_type;
    QComboBox* m_token;
    QComboBox* m_customer;
    QComboBox* m_man;
    QComboBox* m_document;
    QComboBox* m_transfers;
    QLineEdit* m_remark;
    QLineEdit* m_serial;
};

// The texts of a multi-selection list's selected items, none when its
// current item is "所有".
QStringList chosenItems(QListWidget* list);

}  // namespace velbrisk
