#pragma once
// "应收应付记录对应": which receivable or payable of a customer a new voucher settles.
#include "core/data/Query.h"

#include <QDialog>

class QLabel;

namespace velbrisk {

struct AppContext;
class DataGrid;

class TFormGetPay4 : public QDialog {
    Q_OBJECT
public:
    explicit TFormGetPay4(AppContext& ctx, QWidget* parent = nullptr);

    QString Kind;      // "应收" or "应付"
    QString Customer;
    int ChosenGetPay = 0;

    int exec() override;
    void prepare();

    DataGrid* grid() const { return m_grid; }
    QLabel* hint() const { return m_hint; }

private:
    void confirm();

    AppContext& m_ctx;
    Query m_list;
    QLabel* m_hint;
    DataGrid* m_grid;
};

}  // namespace velbrisk
