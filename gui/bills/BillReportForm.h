#pragma once
// "经营状况报表": a period's takings bill by bill, or room by room.
#include "core/data/Query.h"

#include <QDialog>

class QRadioButton;

namespace velbrisk {

struct AppContext;
class DataGrid;
class TFormBill;
class TFormBillSearch;

class TFormBillReport : public QDialog {
    Q_OBJECT
public:
    // `search` gives the custom search's condition, `bill` opens a bill.
    TFormBillReport(AppContext& ctx, TFormBillSearch& search, TFormBill& bill, QWidget* parent = nullptr);

    QString BillCondition;  // kept across showings; empty at start: every bill
    bool Changed = false;

    void prepare();
    int exec() override;
    void Reload();
    bool byRoom() const;

    DataGrid* billGrid() const { return m_billGrid; }
    DataGrid* roomGrid() const { return m_roomGrid; }
    QRadioButton* byRecordButton() const { return m_byRecord; }
    QRadioButton* byRoomButton() const { return m_byRoom; }

private:
    void monthRecords();
    void customSearch();
    void exportList();
    void printReport();
    void openBill();

    AppContext& m_ctx;
    TFormBillSearch& m_search;
    TFormBill& m_bill;
    Query m_bills;
    Query m_rooms;
    DataGrid* m_billGrid;
    DataGrid* m_roomGrid;
    QRadioButton* m_byRecord;
    QRadioButton* m_byRoom;
};

}  // namespace velbrisk
