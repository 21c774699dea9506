#pragma once
// Money vouchers: one income or expense record of MoneyTable, its checks,
// and the settled and open sums of the receivable or payable it settles.
#include "core/data/SaveResult.h"

#include <QDate>
#include <QString>

namespace velbrisk {

class Query;

// The message for an amount typed into a finance window, or empty when it is
// acceptable: digits with at most one point and two decimals.
QString amountProblem(const QString& text);

// The number the window proposed for a new voucher, and how it was made:
// when another workstation took it meanwhile, the save takes the next free
// number of the same form instead.
struct ProposedSerial {
    QString serial;
    QDate day;
    QString mode;  // the "MoneyIndex" option it was made with
};

struct VoucherInput {
    QString serial;
    QString account;
    QString customer;
    QDate date;  // the business date; stored as that day at 0:00
    QString amountText;
    QString reason;
    QString man;
    QString type;
    QString token;
    QString remark;
    ProposedSerial proposed;  // new vouchers
};

// True when a money record other than `exceptIndex` carries `serial`.
bool serialTaken(Query& q, const QString& serial, int exceptIndex = 0);

// The checks of the save and batch buttons, in their order; `accountIndex`
// gets the account's key. Focus keys: "Account", "Reason", "Amount", "Type",
// "Token".
SaveResult checkVoucher(Query& q, const VoucherInput& in, int* accountIndex);

// Writes a new voucher of `kind` ("财务收入" or "财务支出") settling
// `linkedGetPay` (0 for none) and recomputes that record, all in one
// transaction. `newIndex` gets the new MoneyIndex. A proposed number that
// another record took meanwhile is replaced by the next free one, inside the
// transaction, and the message says so; a number typed by hand is kept.
SaveResult insertVoucher(Query& q, const QString& kind, int linkedGetPay, const VoucherInput& in, int accountIndex,
                         const QDate& today, int* newIndex);
// Changes voucher `moneyIndex` (kind, link and entry date stay) and
// recomputes its record, in one transaction.
SaveResult updateVoucher(Query& q, int moneyIndex, const VoucherInput& in, int accountIndex);
// Deletes voucher `moneyIndex` and recomputes its record, in one transaction.
SaveResult deleteVoucher(Query& q, int moneyIndex);

// GetPaySum2 = |Round(Sum(MoneySum),2)| of the records settling the record,
// GetPaySum3 = GetPaySum - GetPaySum2. Nothing for 0, the reserved row or a
// record that no longer exists.
void recomputeGetPay(Query& q, int getPayIndex);

// Whether the customer has receivables ("应收") or payables ("应付").
SaveResult hasGetPays(Query& q, const QString& customer, const QString& getPayKind, bool* found);

// "保存客户": adds the customer to the word list when missing.
SaveResult saveCustomer(Query& q, const QString& customer);

}  // namespace velbrisk
