#pragma once
// The bill window: correct a stored bill and its consumption entries, and
// print its ticket again.
#include "core/data/Query.h"
#include "gui/widgets/EditDialog.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace velbrisk {

struct AppContext;
class ListPanel;
class TFormCost;
class MomentPicker;

class TFormBill : public EditDialog {
    Q_OBJECT
public:
    // `cost` enters and changes the bill's consumption.
    TFormBill(AppContext& ctx, TFormCost& cost, QWidget* parent = nullptr);

    bool Changed = false;

    void prepare() override;
    // The consumption list and the shown totals follow the entries.
    void Recalculate();
    void ActionYesExecute();
    void PrintTicketClick();

    QLineEdit* field(const QString& name) const;  // "Serial", "RoomName", "Price", "RoomCost", ...
    QComboBox* typeCombo() const { return m_type; }
    MomentPicker* beginPicker() const { return m_begin; }
    MomentPicker* endPicker() const { return m_end; }
    ListPanel* consumption() const { return m_costs; }

private:
    void showTotals();
    double roomFee() const;  // "房租金额：" as an amount, 0 when it is none
    AppContext& m_ctx;
    TFormCost& m_cost;
    Query m_costQuery;
    QLineEdit* m_serial;
    QLineEdit* m_room;
    QComboBox* m_type;
    QLineEdit* m_user;
    QLineEdit* m_price;
    MomentPicker* m_begin;
    MomentPicker* m_end;
    QLineEdit* m_roomCost;
    QLineEdit* m_otherCost;
    QLineEdit* m_total;
    QPlainTextEdit* m_remark;
    ListPanel* m_costs;
};

// Opens the bill window on a bill, as the lists do on a double-click; true
// when it changed something.
bool editBill(TFormBill& window, int billIndex);

}  // namespace velbrisk
