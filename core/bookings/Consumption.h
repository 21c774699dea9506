#pragma once
// Consumption entries: a room's open entries and their total, saving an
// entry, and storing a typed item in the catalogue.
#include "core/data/SaveResult.h"

#include <QString>
#include <functional>

namespace velbrisk {

class Query;

// The open entries of a room (CostBill = 0).
QString openConsumptionSql(const QString& roomName);
// Their sum; 0 when there are none.
SaveResult openConsumptionTotal(Query& q, const QString& roomName, double* total);

struct CostEntryInput {
    bool isNew = true;
    int editIndex = 0;   // CostIndex to change when not new
    int costBill = 0;    // CostBill of a new entry
    QString room;
    QString reason;
    QString amountText;
    QString remark;
    // Written in the same transaction as the entry (a bill's totals); a
    // failure there leaves the entry unwritten too.
    std::function<void()> alsoWrite;
};

// Checks and stores one entry, in one transaction with `alsoWrite`. An
// entry gone meanwhile is no refusal: nothing to change.
SaveResult saveCostEntry(Query& q, const CostEntryInput& in);

// "保存": adds the item to the catalogue with the amount as its price, or
// updates the price of the existing item ("项目保存成功").
SaveResult storeCatalogueItem(Query& q, const QString& item, const QString& amountText);

// The catalogue price of an item, when it is in the catalogue.
SaveResult cataloguePrice(Query& q, const QString& item, double* price, bool* found);

}  // namespace velbrisk

namespace velbrisk {

// The item window's "确定": a new item (editIndex 0) or a change of one. A
// price that is no amount is kept as 0.
SaveResult saveCatalogueItem(Query& q, int editIndex, const QString& name, const QString& priceText);

}  // namespace velbrisk
