#pragma once
// Human-readable numbers of bills and money records. A new number is the
// highest existing sequence of the same form + 1, so deleting a document never
// makes a number come round twice.
#include "core/data/Clock.h"
#include <QDate>
#include <QString>

namespace velbrisk {

class Query;
class Options;

inline constexpr const char* kNumberByDate = "按日期生成编号";
inline constexpr const char* kNumberByCount = "按数字生成编号";

// "yymmdd" of `day` + a sequence of at least 3 digits.
QString MakeBillSerial(Query& query, const QDate& day = Clock::today());
// "SR"/"ZC" + "yymmdd" of `day` + at least 2 digits when `mode` is
// "按日期生成编号"; otherwise "SR"/"ZC" + at least 6 digits.
QString MakeMoneySerial(Query& query, const QString& moneyKind, const QDate& day, const QString& mode);
// The same, reading "MoneyIndex" from the configuration at each call.
QString MakeMoneySerial(Query& query, const Options& options, const QString& moneyKind, const QDate& day);

}  // namespace velbrisk
