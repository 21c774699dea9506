#pragma once
// Receivables ("应收") and payables ("应付"): their records, the vouchers that
// settle them, the filter and the three views of the lists.
#include "core/data/SaveResult.h"

#include <QDate>
#include <QList>
#include <QString>

namespace velbrisk {

class Query;

struct GetPayInput {
    QDate time;  // stored as that day at 0:00
    QString customer;
    QString amountText;
    QString reason;
    QString remark;
    QString man;
};

struct GetPayFigures {
    double sum = 0;      // owed
    double settled = 0;  // received or paid
    double open = 0;     // still owed
};
// The figures of record `index`; zeros for the reserved row 1 (a new record
// not saved yet) and for a record that is gone.
SaveResult getPayFigures(Query& q, int index, GetPayFigures* out);
// The vouchers linked to record `index`; none for the reserved row 1.
QString linkedVouchersSql(int index);

// Writes a new record of `kind` ("应收" or "应付") with the settled sum given;
// `newIndex` gets its key. Amount checks first (focus "Amount").
SaveResult insertGetPay(Query& q, const QString& kind, const GetPayInput& in, double settled, int* newIndex);
// Writes record `index` with the window's values and the settled sum as
// shown. `isNew` picks the message ("记录新增成功" or "记录修改成功").
SaveResult updateGetPay(Query& q, int index, const GetPayInput& in, double settled, bool isNew);
// Takes back a new record created for its first voucher: the vouchers linked
// to it and the record, in one transaction. `vouchersDeleted` tells whether
// any voucher went. Refused without a message when nothing was there.
SaveResult rollBackGetPay(Query& q, int index, bool* vouchersDeleted);
// How many money records settle record `index`.
SaveResult linkedMoneyCount(Query& q, int index, int* count);
// Deletes record `index`, with its money records when `withMoney`: one transaction.
SaveResult deleteGetPay(Query& q, int index, bool withMoney);

// The filter window's condition, fragments in the order the window builds them.
struct GetPayFilter {
    QString customer;
    bool span = false;
    QDate from, to;
    QString reason;
    QString man;
    QString remark;
};
QString getPayCondition(const GetPayFilter& f);

// ---- the lists

enum class GetPayView { Records, Customers, Dates };
QString getPayListSql(const QString& kind, const QString& condition, GetPayView view);
struct GetPayColumn {
    QString field;
    QString title;
    int width;
};
QList<GetPayColumn> getPayColumns(const QString& kind, GetPayView view);
// "Frf/GetList.frf", "Frf/PayList3.frf"...
QString getPayTemplate(const QString& kind, GetPayView view);

}  // namespace velbrisk
