#pragma once
// Finance accounts: their checks, creation, change and deletion.
#include "core/data/SaveResult.h"

#include <QString>

namespace velbrisk {

class Query;

struct AccountInput {
    QString name;
    int type = 0;  // 1 bank account, 2 cash account
    QString amountText;
    QString remark;
};

// The account window's checks, in their order; `amount` gets the opening
// amount. Focus keys: "Type", "Name", "Amount".
SaveResult checkAccount(const AccountInput& in, double* amount);

// "新增帐户": refuses a name in use, else inserts the account.
SaveResult createAccount(Query& q, const AccountInput& in);
// Stores the edited values of account `oldName`; a new name already in use
// by another account is refused.
SaveResult updateAccount(Query& q, const QString& oldName, const AccountInput& in);
// Deletes the account and every money record of it, and recomputes the
// receivables and payables those records settled: one transaction. Refused
// without a message when the account is not there (nothing happens).
SaveResult deleteAccount(Query& q, const QString& name);

}  // namespace velbrisk
