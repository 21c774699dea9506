#pragma once
// The six finance word lists, kept in the table Parameter by ParameterType.
#include <QString>
#include <QStringList>

namespace velbrisk {

class Query;

enum class WordList {
    ExpenseKinds = 0,  // 支出种类
    IncomeKinds = 1,   // 收入种类
    PaymentTypes = 2,  // 款项类别
    Vouchers = 3,      // 凭证
    Customers = 4,     // 客户名称
    Salesmen = 5,      // 业务员
};
inline constexpr int kWordListCount = 6;

inline int storedType(WordList list) { return int(list); }
// The list of a stored ParameterType; ExpenseKinds for one out of range.
WordList wordListOf(int storedType);
// The kinds an income ("财务收入", "应收") or expense enters.
WordList kindsFor(bool income);

// "Select * From Parameter Where ParameterType = n": a list's words in the
// data file's order, in the field ParameterValue.
QString wordListSql(WordList list);
// The expense kinds, then the income kinds.
QString bothKindsSql();
// The words of a list; throws Failure when the file cannot be read.
QStringList readWords(Query& q, WordList list);

}  // namespace velbrisk
