#include "core/finance/Vouchers.h"

#include "core/data/DateText.h"
#include "core/data/JetSql.h"
#include "core/data/MoneyRecord.h"
#include "core/data/Numbering.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "core/data/WordLists.h"
#include "core/data/Words.h"

namespace velbrisk {

QString amountProblem(const QString& text)
{
    if (!IsAmountText(text) || !IsValidAmountText(text))
        return QStringLiteral("金额格式有误，请重新输入");
    if (amountTooLarge(text))
        return words::amountTooLarge();
    const int point = text.indexOf(QLatin1Char('.'));
    if (point >= 0 && text.size() - point - 1 > 2)
        return QStringLiteral("金额内容可能有误，请重新输入");
    return QString();
}

SaveResult checkVoucher(Query& q, const VoucherInput& in, int* accountIndex)
{
    if (in.account.isEmpty())
        return SaveResult::refused(QStringLiteral("请选择一个帐户"), QStringLiteral("Account"));
    if (in.reason.isEmpty())
        return SaveResult::refused(QStringLiteral("请选择帐款项目"), QStringLiteral("Reason"));
    const QString amount = amountProblem(in.amountText);
    if (!amount.isEmpty())
        return SaveResult::refused(amount, QStringLiteral("Amount"));
    if (in.type.isEmpty())
        return SaveResult::refused(QStringLiteral("请选择帐款类别"), QStringLiteral("Type"));
    if (in.token.isEmpty())
        return SaveResult::refused(QStringLiteral("请选择帐款凭证"), QStringLiteral("Token"));
    return attempt(
        q,
        [&] {
            q.setSql(QStringLiteral("Select * From Account Where AccountName = ") + quoted(in.account));
            q.open();
            if (q.eof())
                return SaveResult::refused(QStringLiteral("找不到所需要的帐户"), QStringLiteral("Account"));
            *accountIndex = int(q.integer(QStringLiteral("AccountIndex")));
            return SaveResult::done();
        },
        words::dbOpenFailed());
}

namespace {

// The record a voucher window's fields make.
MoneyRecord voucherRecord(const VoucherInput& in, int accountIndex, bool income)
{
    const double amount = TextToAmount(in.amountText);
    MoneyRecord r;
    r.kind = income ? words::moneyIn() : words::moneyOut();
    r.serial = in.serial;
    r.account = accountIndex;
    r.user = in.customer;
    r.createTime = in.date;
    r.in = income ? amount : 0.0;
    r.out = income ? 0.0 : amount;
    r.sum = income ? amount : -amount;
    r.reason = in.reason;
    r.man = in.man;
    r.type = in.type;
    r.token = in.token;
    r.remark = in.remark;
    return r;
}

}  // namespace

bool serialTaken(Query& q, const QString& serial, int exceptIndex)
{
    if (serial.isEmpty())
        return false;
    QString sql = QStringLiteral("Select Count(*) As N From MoneyTable Where MoneySerial = ") + quoted(serial);
    if (exceptIndex > 0)
        sql += QStringLiteral(" And MoneyIndex <> ") + QString::number(exceptIndex);
    q.setSql(sql);
    q.open();
    const bool taken = q.integer(QStringLiteral("N")) > 0;
    q.close();
    return taken;
}

SaveResult insertVoucher(Query& q, const QString& kind, int linkedGetPay, const VoucherInput& in, int accountIndex,
                         const QDate& today, int* newIndex)
{
    return writeAll(q, [&] {
        // The transaction holds every other writer off: a number found free
        // here stays free until the commit.
        VoucherInput written = in;
        QString message = QStringLiteral("记录新增成功");
        if (!in.proposed.serial.isEmpty() && in.serial == in.proposed.serial && serialTaken(q, in.serial)) {
            written.serial = MakeMoneySerial(q, kind, in.proposed.day, in.proposed.mode);
            message += QStringLiteral("\n单据编号“%1”已被其他记录使用，本单据的编号改为“%2”").arg(in.serial, written.serial);
        }
        MoneyRecord record = voucherRecord(written, accountIndex, kind == words::moneyIn());
        record.kind = kind;  // any other kind than income is written as expense
        record.getPay = linkedGetPay;
        record.recordTime = today;
        *newIndex = insertMoneyRecord(q, record);
        recomputeGetPay(q, linkedGetPay);
        return SaveResult::done(message);
    });
}

namespace {

// Opens voucher `moneyIndex` for a change; its link, or -1 when it is gone.
int openVoucher(Query& q, int moneyIndex)
{
    q.setSql(QStringLiteral("Select * From MoneyTable Where MoneyIndex = ") + QString::number(moneyIndex));
    q.open();
    if (q.eof())
        return -1;
    return int(q.integer(QStringLiteral("MoneyGetPay")));
}

}  // namespace

SaveResult updateVoucher(Query& q, int moneyIndex, const VoucherInput& in, int accountIndex)
{
    return writeAll(q, [&] {
        const int linked = openVoucher(q, moneyIndex);
        if (linked < 0)
            return SaveResult::refused(QStringLiteral("找不到要修改的记录"));
        q.edit();
        setEnteredMoneyFields(q, voucherRecord(in, accountIndex, q.str(QStringLiteral("MoneyKind")) == words::moneyIn()));
        q.post();
        q.close();
        recomputeGetPay(q, linked);
        return SaveResult::done(QStringLiteral("记录修改成功"));
    });
}

SaveResult deleteVoucher(Query& q, int moneyIndex)
{
    return writeAll(q, [&] {
        const int linked = openVoucher(q, moneyIndex);
        if (linked < 0)
            return SaveResult::refused(QStringLiteral("找不到要删除的记录"));
        q.deleteRecord();
        q.close();
        recomputeGetPay(q, linked);
        return SaveResult::done();
    });
}

void recomputeGetPay(Query& q, int getPayIndex)
{
    if (getPayIndex <= 1)
        return;
    const QString index = QString::number(getPayIndex);
    q.setSql(QStringLiteral("Select ABS(Round(Sum(MoneySum),2)) As TotalMoney From MoneyTable Where MoneyGetPay = ") + index);
    q.open();
    const double settled = q.num(QStringLiteral("TotalMoney"));
    q.close();
    q.setSql(QStringLiteral("Select * From GetPay Where GetPayIndex = ") + index);
    q.open();
    if (!q.eof()) {
        q.edit();
        q.setValue(QStringLiteral("GetPaySum2"), settled);
        q.setValue(QStringLiteral("GetPaySum3"), q.num(QStringLiteral("GetPaySum")) - settled);
        q.post();
    }
    q.close();
}

SaveResult hasGetPays(Query& q, const QString& customer, const QString& getPayKind, bool* found)
{
    *found = false;
    return attempt(
        q,
        [&] {
            q.setSql(QStringLiteral("Select * From GetPay Where (GetPayUser = ") + quoted(customer)
                     + QStringLiteral(") And (GetPayKind = ") + quoted(getPayKind) + QStringLiteral(")"));
            q.open();
            *found = !q.eof();
            return SaveResult::done();
        },
        words::dbOpenFailed());
}

SaveResult saveCustomer(Query& q, const QString& customer)
{
    if (customer.isEmpty())
        return SaveResult::refused(QStringLiteral("客户名称不能为空"), QStringLiteral("Customer"));
    // The column compares without regard to case; the list keeps words as typed.
    bool present = false;
    const SaveResult read = attempt(
        q,
        [&] {
            q.setSql(QStringLiteral("Select * From Parameter Where (ParameterType =  %1) And (ParameterValue = ")
                         .arg(storedType(WordList::Customers))
                     + quoted(customer) + QStringLiteral(")"));
            q.open();
            for (q.first(); !q.eof(); q.next())
                present = present || q.str(QStringLiteral("ParameterValue")) == customer;
            return SaveResult::done();
        },
        QStringLiteral("读入客户名称失败"));
    if (!read.saved)
        return read;
    if (present)
        return SaveResult::done(QStringLiteral("客户名称保存成功"));
    return writeAll(q, [&] {
        q.setSql(QStringLiteral("Select * From Parameter"));
        q.open();
        q.insert();
        q.setValue(QStringLiteral("ParameterType"), storedType(WordList::Customers));
        q.setValue(QStringLiteral("ParameterValue"), customer);
        q.post();
        q.close();
        return SaveResult::done(QStringLiteral("客户名称保存成功"));
    });
}

}  // namespace velbrisk
