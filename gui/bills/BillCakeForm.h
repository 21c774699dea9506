#pragma once
// The business chart: room fees, item consumption or takings of the bills the
// reports window has chosen, by room or by item.
#include <QDialog>

class QComboBox;

namespace velbrisk {

struct AppContext;
class ChartPanel;

class TFormBillCake : public QDialog {
    Q_OBJECT
public:
    explicit TFormBillCake(AppContext& ctx, QWidget* parent = nullptr);

    QString BillCondition;  // set by the reports window before each showing

    void Refresh();
    int exec() override;
    ChartPanel* panel() const { return m_panel; }
    QComboBox* contentCombo() const { return m_content; }

private:
    AppContext& m_ctx;
    ChartPanel* m_panel;
    QComboBox* m_content;
};

}  // namespace velbrisk
