#include "core/finance/GetPays.h"

#include "core/data/ConditionBuilder.h"
#include "core/data/JetSql.h"
#include "core/data/Platform.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "core/data/Words.h"
#include "core/finance/Vouchers.h"

namespace velbrisk {

SaveResult getPayFigures(Query& q, int index, GetPayFigures* out)
{
    *out = {};
    if (index <= 1)
        return SaveResult::done();
    return attempt(
        q,
        [&] {
            q.setSql(QStringLiteral("Select * From GetPay Where GetPayIndex = ") + QString::number(index));
            q.open();
            if (!q.eof())
                *out = {q.num(QStringLiteral("GetPaySum")), q.num(QStringLiteral("GetPaySum2")), q.num(QStringLiteral("GetPaySum3"))};
            return SaveResult::done();
        },
        words::dbOpenFailed());
}

QString linkedVouchersSql(int index)
{
    // The reserved row stands for a record not saved yet: it has no vouchers.
    return QStringLiteral("Select * From MoneyTable Where MoneyGetPay = ") + QString::number(index)
           + (index <= 1 ? QStringLiteral(" And (MoneyIndex < 0)") : QString()) + QStringLiteral(" Order By MoneyIndex");
}

namespace {

void writeFields(Query& q, const GetPayInput& in, double settled)
{
    const double amount = TextToAmount(in.amountText);
    q.setValue(QStringLiteral("GetPayTime"), in.time);
    q.setValue(QStringLiteral("GetPayUser"), in.customer);
    q.setValue(QStringLiteral("GetPaySum"), amount);
    q.setValue(QStringLiteral("GetPaySum2"), settled);
    q.setValue(QStringLiteral("GetPaySum3"), amount - settled);
    q.setValue(QStringLiteral("GetPayReason"), in.reason);
    q.setValue(QStringLiteral("GetPayRemark"), in.remark);
    q.setValue(QStringLiteral("GetPayMan"), in.man);
}

}  // namespace

SaveResult insertGetPay(Query& q, const QString& kind, const GetPayInput& in, double settled, int* newIndex)
{
    const QString amount = amountProblem(in.amountText);
    if (!amount.isEmpty())
        return SaveResult::refused(amount, QStringLiteral("Amount"));
    return writeAll(q, [&] {
        q.setSql(QStringLiteral("Select * From GetPay"));
        q.open();
        q.insert();
        writeFields(q, in, settled);
        q.setValue(QStringLiteral("GetPayKind"), kind);
        q.setValue(QStringLiteral("GetPayPower"), QString());
        q.post();
        *newIndex = int(q.integer(QStringLiteral("GetPayIndex")));
        q.close();
        return SaveResult::done(QStringLiteral("记录新增成功"));
    });
}

SaveResult updateGetPay(Query& q, int index, const GetPayInput& in, double settled, bool isNew)
{
    const QString amount = amountProblem(in.amountText);
    if (!amount.isEmpty())
        return SaveResult::refused(amount, QStringLiteral("Amount"));
    return writeAll(q, [&] {
        q.setSql(QStringLiteral("Select * From GetPay Where GetPayIndex = ") + QString::number(index));
        q.open();
        if (q.eof() || index <= 1)
            return SaveResult::refused(QStringLiteral("找不到要修改的记录"));
        q.edit();
        writeFields(q, in, settled);
        q.post();
        q.close();
        return SaveResult::done(isNew ? QStringLiteral("记录新增成功") : QStringLiteral("记录修改成功"));
    });
}

SaveResult rollBackGetPay(Query& q, int index, bool* vouchersDeleted)
{
    *vouchersDeleted = false;
    if (index <= 1)
        return SaveResult::refused(QString());
    const QString key = QString::number(index);
    bool deleted = false;
    const SaveResult r = writeAll(q, [&] {
        q.setSql(QStringLiteral("Select * From GetPay Where GetPayIndex = ") + key);
        q.open();
        const bool found = !q.eof();
        q.close();
        if (!found)
            return SaveResult::refused(QString());
        q.setSql(QStringLiteral("Delete * From MoneyTable Where MoneyGetPay = ") + key);
        deleted = q.execSql() > 0;
        q.setSql(QStringLiteral("Delete * From GetPay Where GetPayIndex = ") + key);
        q.execSql();
        return SaveResult::done();
    });
    *vouchersDeleted = r.saved && deleted;
    return r;
}

SaveResult linkedMoneyCount(Query& q, int index, int* count)
{
    return attempt(
        q,
        [&] {
            q.setSql(QStringLiteral("Select Count(*) As LinkedCount From MoneyTable Where MoneyGetPay = ") + QString::number(index));
            q.open();
            *count = int(q.integer(QStringLiteral("LinkedCount")));
            return SaveResult::done();
        },
        words::dbOpenFailed());
}

SaveResult deleteGetPay(Query& q, int index, bool withMoney)
{
    const QString key = QString::number(index);
    return writeAll(q, [&] {
        if (withMoney) {
            q.setSql(QStringLiteral("Delete * From MoneyTable Where MoneyGetPay = ") + key);
            q.execSql();
        }
        q.setSql(QStringLiteral("Delete * From GetPay Where GetPayIndex = ") + key);
        q.execSql();
        return SaveResult::done();
    });
}

QString getPayCondition(const GetPayFilter& f)
{
    ConditionBuilder b;
    b.contains(QStringLiteral("GetPayUser"), f.customer);
    if (f.span)
        b.dateSpan(QStringLiteral("GetPayTime"), f.from, f.to);
    b.contains(QStringLiteral("GetPayReason"), f.reason);
    b.contains(QStringLiteral("GetPayMan"), f.man);
    b.contains(QStringLiteral("GetPayRemark"), f.remark);
    return b.text();
}

QString getPayListSql(const QString& kind, const QString& condition, GetPayView view)
{
    const QString where = QStringLiteral(" From GetPay Where (GetPayIndex > 1) And (GetPayKind = ") + quoted(kind)
                          + QStringLiteral(")") + condition;
    const QString sums = QStringLiteral(",Round(Sum(GetPaySum),2) As GetPaySum,Round(Sum(GetPaySum2),2) As GetPaySum2,"
                                        "Round(Sum(GetPaySum3),2) As GetPaySum3,Count(GetPayIndex) As GetPayNum");
    switch (view) {
    case GetPayView::Customers:
        return QStringLiteral("Select GetPayUser") + sums + where + QStringLiteral(" Group By GetPayUser");
    case GetPayView::Dates:
        return QStringLiteral("Select GetPayTime") + sums + where + QStringLiteral(" Group By GetPayTime Order By GetPayTime");
    case GetPayView::Records:
        break;
    }
    return QStringLiteral("Select *") + where + QStringLiteral(" Order By GetPayTime, GetPayIndex");
}

QList<GetPayColumn> getPayColumns(const QString& kind, GetPayView view)
{
    const QString k = kind == words::receivable() ? QStringLiteral("收") : QStringLiteral("付");
    // Wide enough for a whole date in the program's font.
    const GetPayColumn time{QStringLiteral("GetPayTime"), QStringLiteral("应") + k + QStringLiteral("日期"), 90};
    const GetPayColumn user{QStringLiteral("GetPayUser"), QStringLiteral("应") + k + QStringLiteral("客户"), 120};
    const GetPayColumn sum{QStringLiteral("GetPaySum"), QStringLiteral("应") + k + QStringLiteral("金额"), 60};
    const GetPayColumn settled{QStringLiteral("GetPaySum2"), QStringLiteral("已") + k + QStringLiteral("金额"), 60};
    const GetPayColumn open{QStringLiteral("GetPaySum3"), QStringLiteral("尚欠金额"), 65};
    const GetPayColumn num{QStringLiteral("GetPayNum"), QStringLiteral("记录数目"), 65};
    switch (view) {
    case GetPayView::Customers:
        return {{user.field, user.title, 130}, sum, settled, open, num};
    case GetPayView::Dates:
        return {{time.field, time.title, 130}, sum, settled, open, num};
    case GetPayView::Records:
        break;
    }
    return {time, user, sum, settled, open, {QStringLiteral("GetPayRemark"), QStringLiteral("备注信息"), 200}};
}

QString getPayTemplate(const QString& kind, GetPayView view)
{
    const QString base = kind == words::receivable() ? QStringLiteral("Frf/GetList") : QStringLiteral("Frf/PayList");
    const QString n = view == GetPayView::Customers ? QStringLiteral("2") : view == GetPayView::Dates ? QStringLiteral("3") : QString();
    return base + n + QStringLiteral(".frf");
}

}  // namespace velbrisk
