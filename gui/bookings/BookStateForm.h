#pragma once
// "房间预订状况": which rooms are booked in which hours of a day and on which
// days of its month.
#include <QDialog>

class QDateEdit;
class QTableWidget;

namespace velbrisk {

struct AppContext;

class TFormBookState : public QDialog {
    Q_OBJECT
public:
    explicit TFormBookState(AppContext& ctx, QWidget* parent = nullptr);

    // Rebuilds the room rows of both grids, then marks.
    void prepare();
    int exec() override;
    void Mark();

    QDateEdit* dateEdit() const { return m_date; }
    QTableWidget* dayGrid() const { return m_day; }
    QTableWidget* monthGrid() const { return m_month; }

private:
    AppContext& m_ctx;
    QDateEdit* m_date;
    QTableWidget* m_day;
    QTableWidget* m_month;
};

}  // namespace velbrisk
