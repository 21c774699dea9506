#include "core/finance/Accounts.h"

#include "core/data/JetSql.h"
#include "core/data/Platform.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "core/data/Words.h"
#include "core/finance/Vouchers.h"

#include <QSet>
#include <cmath>

namespace velbrisk {

SaveResult checkAccount(const AccountInput& in, double* amount)
{
    if (in.type != 1 && in.type != 2)
        return SaveResult::refused(QStringLiteral("请先选择帐户类型"), QStringLiteral("Type"));
    if (in.name.isEmpty())
        return SaveResult::refused(QStringLiteral("帐户名称不得为空"), QStringLiteral("Name"));
    if (in.amountText.isEmpty())
        return SaveResult::refused(QStringLiteral("起初金额不得为空"), QStringLiteral("Amount"));
    bool ok = false;
    const double value = in.amountText.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return SaveResult::refused(QStringLiteral("“") + in.amountText + QStringLiteral("”不是有效的金额，请重新输入"),
                                   QStringLiteral("Amount"));
    if (std::abs(value) >= kAmountLimit)
        return SaveResult::refused(words::amountTooLarge(), QStringLiteral("Amount"));
    *amount = value;
    return SaveResult::done();
}

namespace {

// The key of the account named `name`, 0 when there is none.
int accountIndexOf(Query& q, const QString& name)
{
    q.setSql(QStringLiteral("Select * From Account Where AccountName = ") + quoted(name));
    q.open();
    const int index = q.eof() ? 0 : int(q.integer(QStringLiteral("AccountIndex")));
    q.close();
    return index;
}

void writeAccountFields(Query& q, const AccountInput& in, double amount)
{
    q.setValue(QStringLiteral("AccountName"), in.name);
    q.setValue(QStringLiteral("AccountBase"), amount);
    q.setValue(QStringLiteral("AccountRemark"), in.remark);
    q.setValue(QStringLiteral("AccountType"), in.type);
}

}  // namespace

SaveResult createAccount(Query& q, const AccountInput& in)
{
    double amount = 0;
    const SaveResult checked = checkAccount(in, &amount);
    if (!checked.saved)
        return checked;
    return writeAll(q, [&] {
        if (accountIndexOf(q, in.name) != 0)
            return SaveResult::refused(QStringLiteral("该帐户名已经存在，请重新操作"));
        q.setSql(QStringLiteral("Select * From Account"));
        q.open();
        q.insert();
        writeAccountFields(q, in, amount);
        q.setValue(QStringLiteral("AccountPower"), QString());
        q.post();
        q.close();
        return SaveResult::done(QStringLiteral("帐户　") + in.name + QStringLiteral("　新增成功"));
    });
}

SaveResult updateAccount(Query& q, const QString& oldName, const AccountInput& in)
{
    double amount = 0;
    const SaveResult checked = checkAccount(in, &amount);
    if (!checked.saved)
        return checked;
    return writeAll(q, [&] {
        const int index = accountIndexOf(q, oldName);
        if (index == 0)
            return SaveResult::refused(QStringLiteral("找不到要修改的帐户"));
        const int other = accountIndexOf(q, in.name);
        if (other != 0 && other != index)
            return SaveResult::refused(QStringLiteral("该帐户名已经存在，请重新操作"), QStringLiteral("Name"));
        q.setSql(QStringLiteral("Select * From Account Where AccountIndex = ") + QString::number(index));
        q.open();
        q.edit();
        writeAccountFields(q, in, amount);
        q.post();
        q.close();
        return SaveResult::done(QStringLiteral("帐户　") + in.name + QStringLiteral("　修改成功"));
    });
}

SaveResult deleteAccount(Query& q, const QString& name)
{
    return writeAll(q, [&] {
        const int index = accountIndexOf(q, name);
        if (index <= 1)
            return SaveResult::refused(QString());
        const QString key = QString::number(index);
        // The receivables and payables its records settled get their sums anew.
        QSet<int> settled;
        q.setSql(QStringLiteral("Select Distinct MoneyGetPay From MoneyTable Where (MoneyAccount = ") + key
                 + QStringLiteral(") And (MoneyGetPay > 1)"));
        q.open();
        for (q.first(); !q.eof(); q.next())
            settled.insert(int(q.integer(QStringLiteral("MoneyGetPay"))));
        q.close();
        q.setSql(QStringLiteral("Delete * From Account Where AccountIndex = ") + key);
        q.execSql();
        q.setSql(QStringLiteral("Delete * From MoneyTable Where MoneyAccount = ") + key);
        q.execSql();
        for (int getPay : settled)
            recomputeGetPay(q, getPay);
        return SaveResult::done();
    });
}

}  // namespace velbrisk
