#pragma once
// What several finance windows do alike.
#include <QString>

class QComboBox;

namespace velbrisk {

struct AppContext;

// Deletes a voucher after the question and recomputes its receivable or
// payable; says why when it cannot. True when gone.
bool askDeleteVoucher(AppContext& ctx, int moneyIndex);
// "保存客户": the customer box's text into the word list, the box refilled.
void saveCustomerOf(AppContext& ctx, QComboBox* customers);
// The customers, the income kinds of a receivable ("应收") or the expense
// kinds of a payable, and the salesmen of the word lists.
void loadGetPayWords(AppContext& ctx, const QString& getPayKind, QComboBox* customers, QComboBox* reasons, QComboBox* men);

}  // namespace velbrisk
