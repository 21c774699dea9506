#include "gui/finance/FinanceActions.h"

#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/WordLists.h"
#include "core/data/Words.h"
#include "core/finance/Vouchers.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/ComboList.h"

#include <QComboBox>

namespace velbrisk {

bool askDeleteVoucher(AppContext& ctx, int moneyIndex)
{
    Query& q = ctx.dm.ADOQueryTemp;
    if (!OpenQuery(q, QStringLiteral("Select * From MoneyTable Where MoneyIndex = ") + QString::number(moneyIndex),
                   words::dbOpenFailed()))
        return false;
    const bool found = !q.eof();
    q.close();
    if (!found) {
        ctx.prompt().inform(QStringLiteral("找不到要删除的记录"));
        return false;
    }
    if (!ctx.prompt().ask(QStringLiteral("确实要删除该记录吗？"), QStringLiteral("删除警告")))
        return false;
    // The voucher and its record's new sums together.
    const SaveResult r = deleteVoucher(q, moneyIndex);
    if (!r.saved) {
        ctx.prompt().inform(r.message);
        return false;
    }
    emit ctx.dm.changes.moneyChanged();
    return true;
}

void saveCustomerOf(AppContext& ctx, QComboBox* customers)
{
    const QString text = customers->currentText();
    Query& q = ctx.dm.ADOQueryTemp;
    const SaveResult r = saveCustomer(q, text);
    if (r.saved) {
        LoadWordList(customers, q, WordList::Customers);
        customers->setCurrentText(text);
    }
    if (!r.message.isEmpty())
        ctx.prompt().inform(r.message);
}

void loadGetPayWords(AppContext& ctx, const QString& getPayKind, QComboBox* customers, QComboBox* reasons, QComboBox* men)
{
    Query& q = ctx.dm.ADOQueryTemp;
    LoadWordList(customers, q, WordList::Customers);
    LoadWordList(reasons, q, kindsFor(getPayKind != words::payable()));
    LoadWordList(men, q, WordList::Salesmen);
}

}  // namespace velbrisk
