#pragma once
// One row of MoneyTable as the program writes it: checkout's income, a
// voucher, a half of a transfer. What is left unset stays empty in the row
// (a transfer half has no number, no income or expense column, no words).
#include <QDate>
#include <QString>
#include <optional>

namespace velbrisk {

class Query;

struct MoneyRecord {
    QString kind;  // "财务收入" or "财务支出"
    int getPay = 0;  // the receivable or payable it settles, 0 for none
    int account = 0;
    QString user;
    QDate recordTime;  // the day it was entered
    QDate createTime;  // its business day (stored at 0:00)
    double sum = 0;    // signed: money in above 0, out below
    std::optional<QString> serial;
    std::optional<double> in;
    std::optional<double> out;
    std::optional<QString> reason;
    std::optional<QString> man;
    std::optional<QString> type;
    std::optional<QString> token;
    QString remark;
};

// The fields a person enters (number, account, customer, business day,
// amounts, words, remark) onto the query's row being edited or inserted.
void setEnteredMoneyFields(Query& q, const MoneyRecord& r);
// Inserts the record, with its kind, link and entry day; the new MoneyIndex.
// Throws Failure.
int insertMoneyRecord(Query& q, const MoneyRecord& r);

}  // namespace velbrisk
