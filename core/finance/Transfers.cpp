#include "core/finance/Transfers.h"

#include "core/data/JetSql.h"
#include "core/data/MoneyRecord.h"
#include "core/data/MoneyTotals.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "core/data/Words.h"
#include "core/finance/Vouchers.h"

namespace velbrisk {

SaveResult planTransfer(Query& q, const TransferInput& in, TransferPlan* plan)
{
    if (in.source.isEmpty())
        return SaveResult::refused(QStringLiteral("请选择调出帐户"), QStringLiteral("Source"));
    if (in.target.isEmpty())
        return SaveResult::refused(QStringLiteral("请选择调入帐户"), QStringLiteral("Target"));
    if (in.source == in.target)
        return SaveResult::refused(QStringLiteral("调出帐户和调入帐户不能相同"), QStringLiteral("Target"));
    const QString amount = amountProblem(in.amountText);
    if (!amount.isEmpty())
        return SaveResult::refused(amount, QStringLiteral("Amount"));
    TransferPlan p;
    p.amount = TextToAmount(in.amountText);
    p.sourceName = in.source;
    p.targetName = in.target;
    const SaveResult r = attempt(q, [&] {
        q.setSql(QStringLiteral("Select * From Account Where AccountName = ") + quoted(in.source));
        q.open();
        if (q.eof())
            return SaveResult::refused(QStringLiteral("找不到调出帐户"), QStringLiteral("Source"));
        p.source = int(q.integer(QStringLiteral("AccountIndex")));
        const double base = q.num(QStringLiteral("AccountBase"));
        const qint64 sourceType = q.integer(QStringLiteral("AccountType"));
        q.close();
        p.sourceBalance = base + moneySumThrough(q.connection(), {p.source}, in.date);
        q.setSql(QStringLiteral("Select * From Account Where AccountName = ") + quoted(in.target));
        q.open();
        if (q.eof())
            return SaveResult::refused(QStringLiteral("找不到调入帐户"), QStringLiteral("Target"));
        p.target = int(q.integer(QStringLiteral("AccountIndex")));
        p.reason = q.integer(QStringLiteral("AccountType")) == sourceType ? words::accountTransfer() : words::bookTransfer();
        return SaveResult::done();
    });
    if (r.saved)
        *plan = p;
    return r;
}

SaveResult writeTransfer(Query& q, const TransferPlan& plan, const TransferInput& in, const QDate& today)
{
    // A half carries no number, no link, no salesman or kind words, and
    // neither the income nor the expense column: only its signed sum.
    MoneyRecord out;
    out.kind = words::moneyOut();
    out.account = plan.source;
    out.sum = -plan.amount;
    out.user = QStringLiteral("调出->") + plan.targetName;
    MoneyRecord in_ = out;
    in_.kind = words::moneyIn();
    in_.account = plan.target;
    in_.sum = plan.amount;
    in_.user = plan.sourceName + QStringLiteral("->调入");
    return writeAll(q, [&] {
        for (MoneyRecord* half : {&out, &in_}) {
            half->recordTime = today;
            half->createTime = in.date;
            half->reason = plan.reason;
            half->remark = in.remark;
            insertMoneyRecord(q, *half);
        }
        return SaveResult::done(QStringLiteral("平调成功"));
    });
}

}  // namespace velbrisk
