#pragma once
// The money-record grids of the finance windows (day ledger, report grid):
// 13 columns with widths from the configuration, footers, the red "合计"
// cells, and a title click that widens a column to its widest text.
#include "gui/widgets/DataGrid.h"

namespace velbrisk {

class Options;

class MoneyGrid : public DataGrid {
    Q_OBJECT
public:
    // `section` is the configuration section of the widths ("日记帐簿", "报表中心").
    MoneyGrid(QString section, QWidget* parent = nullptr);

    // After the grid's query was (re)opened: rows, columns, widths, footers.
    void rebuild(const Options& options);
    // The widest text of a column among the rows shown so far, plus 20.
    int widestText(const QString& field) const;
    // Moves the grid (and its query) to the row with this MoneyIndex.
    void showRecord(int moneyIndex);
    // The MoneyIndex of the current row, 0 for none.
    int currentMoneyIndex();

private:
    QString m_section;
};

}  // namespace velbrisk
