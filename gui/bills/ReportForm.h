#pragma once
// "经营报表": the live room list and the bill list, the hub of the business side.
#include "core/data/Query.h"

#include <QDialog>

class QComboBox;

namespace velbrisk {

struct AppContext;
class DataGrid;

class TFormBill;
class TFormBillCake;
class TFormBillReport;
class TFormBillSearch;
class TFormBookState;
class TFormRoom;
class TFormRoomCake;
class TFormRoomSearch;

// The windows the business reports window opens.
struct ReportWindows {
    TFormRoomSearch& roomSearch;
    TFormBookState& calendar;
    TFormRoomCake& roomChart;
    TFormRoom& room;
    TFormBillSearch& billSearch;
    TFormBillReport& status;
    TFormBillCake& billChart;
    TFormBill& bill;
};

class TFormReport : public QDialog {
    Q_OBJECT
public:
    TFormReport(AppContext& ctx, const ReportWindows& windows, QWidget* parent = nullptr);

    QString RoomCondition;  // from the room search; empty at start
    QString BillCondition;  // from the bill search; this month at start
    bool Changed = false;

    void prepare();
    int exec() override;
    void RefreshRooms();
    void RefreshBills();

    DataGrid* roomGrid() const { return m_roomGrid; }
    DataGrid* billGrid() const { return m_billGrid; }
    QComboBox* stateCombo() const { return m_state; }
    QComboBox* roomSortCombo() const { return m_roomSort; }
    QComboBox* billSortCombo() const { return m_billSort; }
    QComboBox* directionCombo() const { return m_direction; }
    // The bill list's order clause of the sort and direction lists.
    QString billOrder() const;

private:
    void print(Query& q, const QString& templateFile);
    void openRoom();
    void openBill();

    AppContext& m_ctx;
    ReportWindows m_windows;
    Query m_rooms;
    Query m_bills;
    DataGrid* m_roomGrid;
    DataGrid* m_billGrid;
    QComboBox* m_state;
    QComboBox* m_roomSort;
    QComboBox* m_billSort;
    QComboBox* m_direction;
    bool m_searched = false;  // a bill search has set BillCondition
};

}  // namespace velbrisk
