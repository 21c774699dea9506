#pragma once
// The room state chart: how many rooms are in each state now.
#include <QDialog>

namespace velbrisk {

struct AppContext;
class ChartPanel;

class TFormRoomCake : public QDialog {
    Q_OBJECT
public:
    explicit TFormRoomCake(AppContext& ctx, QWidget* parent = nullptr);

    void Refresh();
    int exec() override;
    ChartPanel* panel() const { return m_panel; }

private:
    AppContext& m_ctx;
    ChartPanel* m_panel;
};

// A chart window's body: the panel, and "存为图片" (into `fileName`) and "退出".
void layOutChartWindow(QDialog* window, AppContext& ctx, ChartPanel* panel, const QString& fileName);

}  // namespace velbrisk
