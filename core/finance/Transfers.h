#pragma once
// Transfers between finance accounts: an expense on the source and an income
// of the same amount on the target, written together.
#include "core/data/SaveResult.h"

#include <QDate>
#include <QString>

namespace velbrisk {

class Query;

struct TransferInput {
    QString source;
    QString target;
    QString amountText;
    QDate date;  // the business date; stored as that day at 0:00
    QString remark;
};

struct TransferPlan {
    int source = 0;
    int target = 0;
    QString sourceName;
    QString targetName;
    double amount = 0;
    double sourceBalance = 0;  // on the transfer's date
    QString reason;            // "帐户平调" or "帐簿平调"
    // The amount exceeds what the source account holds on that day.
    bool overdraws() const { return amount > sourceBalance; }
};

// The checks of "确定" in their order, then both accounts and the source's
// balance. Focus keys: "Source", "Target", "Amount".
SaveResult planTransfer(Query& q, const TransferInput& in, TransferPlan* plan);
// Writes both records in one transaction: both or neither.
SaveResult writeTransfer(Query& q, const TransferPlan& plan, const TransferInput& in, const QDate& today);

}  // namespace velbrisk
