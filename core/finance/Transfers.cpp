#include "core/finance/Transfers.h"

#include "core/data/JetSql.h"
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
    try {
        q.setSql(QStringLiteral("Select * From Account Where AccountName = ") + quoted(in.source));
        q.open();
        if (q.eof()) {
            q.close();
            return SaveResult::refused(QStringLiteral("找不到调出帐户"), QStringLiteral("Source"));
        }
        p.source = int(q.integer(QStringLiteral("AccountIndex")));
        const double base = q.num(QStringLiteral("AccountBase"));
        const qint64 sourceType = q.integer(QStringLiteral("AccountType"));
        q.close();
        p.sourceBalance = base + moneySumThrough(q.connection(), {p.source}, in.date);
        q.setSql(QStringLiteral("Select * From Account Where AccountName = ") + quoted(in.target));
        q.open();
        if (q.eof()) {
            q.close();
            return SaveResult::refused(QStringLiteral("找不到调入帐户"), QStringLiteral("Target"));
        }
        p.target = int(q.integer(QStringLiteral("AccountIndex")));
        p.reason = q.integer(QStringLiteral("AccountType")) == sourceType ? words::accountTransfer() : words::bookTransfer();
        q.close();
    } catch (const Failure& e) {
        q.close();
        return SaveResult::refused(e.message());
    }
    *plan = p;
    return SaveResult::done();
}

SaveResult writeTransfer(Query& q, const TransferPlan& plan, const TransferInput& in, const QDate& today)
{
    struct Half {
        QString kind;
        int account;
        double sum;
        QString user;
    };
    const Half halves[] = {
        {words::moneyOut(), plan.source, -plan.amount, QStringLiteral("调出->") + plan.targetName},
        {words::moneyIn(), plan.target, plan.amount, plan.sourceName + QStringLiteral("->调入")},
    };
    return writeAll(q, [&] {
        for (const Half& h : halves) {
            q.setSql(QStringLiteral("Select * From MoneyTable"));
            q.open();
            q.insert();
            q.setValue(QStringLiteral("MoneyKind"), h.kind);
            q.setValue(QStringLiteral("MoneyAccount"), h.account);
            q.setValue(QStringLiteral("MoneyRecordTime"), today);
            q.setValue(QStringLiteral("MoneyCreateTime"), in.date);
            q.setValue(QStringLiteral("MoneyReason"), plan.reason);
            q.setValue(QStringLiteral("MoneySum"), h.sum);
            q.setValue(QStringLiteral("MoneyUser"), h.user);
            q.setValue(QStringLiteral("MoneyPower"), QString());
            q.setValue(QStringLiteral("MoneyRemark"), in.remark);
            // Unwritten by a transfer: no number, no link, no salesman or kind words.
            q.setValue(QStringLiteral("MoneyGetPay"), 0);
            q.post();
            q.close();
        }
        return SaveResult::done(QStringLiteral("平调成功"));
    });
}

}  // namespace velbrisk
