#pragma once
// The free routines every window uses.
#include "core/data/Database.h"

#include <QString>

namespace velbrisk {

class Query;

// Opens `query` on the Jet text; on failure shows `message` through the
// connection's reporter and returns false, leaving the query closed.
bool OpenQuery(Query& query, const QString& sql, const QString& message);
// Runs an Update or Delete; returns the rows affected, 0 after a failure
// (shown as "SQL命令执行出错").
int ExecSql(Query& query, const QString& sql);

// True for a non-empty text made only of the digits 0 to 9 and dots.
bool IsAmountText(const QString& text);

// Thrown by TextToAmount for a text of digits and dots that is no number.
class AmountError : public Failure {
public:
    using Failure::Failure;
};
// The amount of a text: 0 for an empty or unacceptable text; throws
// AmountError for digits and dots that make no number ("1.2.3", ".").
double TextToAmount(const QString& text);
// True when TextToAmount would give a number without throwing.
bool IsValidAmountText(const QString& text);

// Amounts are kept to the fen in doubles, and their sums too: up to 12
// digits before the point (below a thousand billion yuan).
inline constexpr int kAmountDigits = 12;
inline constexpr double kAmountLimit = 1e12;
// True for an amount text with more digits before the point than that
// (leading zeros aside).
bool amountTooLarge(const QString& text);

// x rounded to four decimals (ties to even), in its shortest form: 20, 12.5, 3.1416.
QString FormatRounded(double x);

QString BuildConnectionString(const QString& path, const QString& password);
// The data file path and the password of a connection text.
bool ParseConnectionString(const QString& text, QString* path, QString* password);

QString FormatZeroPadded(qint64 n, int width);
QString DigitToCapital(const QString& c);
// Digit text of an amount in fen -> capitals with units, each unit followed by
// an ideographic space: "123450" -> "壹仟　贰佰　叁拾　肆元　伍角　零分　".
QString AmountToCapitals(const QString& digits);
// A money voucher's amount in words: rounded to fen, then AmountToCapitals.
// A negative amount is written with "负" in front.
QString AmountInWords(double amount);

// A drop-down list as the routines see it (a QComboBox in the program).
class ComboList {
public:
    virtual ~ComboList() = default;
    virtual void clearItems() = 0;
    virtual void addItem(const QString& text) = 0;
    virtual int itemCount() const = 0;
    virtual QString itemText(int i) const = 0;
    virtual int currentItem() const = 0;
    virtual void setCurrentItem(int i) = 0;
};

// Fills the list from a query's field, with "所有" first when `addAll`;
// selects the first entry. On a failing query shows "LoadCombo失败" and
// returns false.
bool LoadCombo(ComboList& list, Query& query, const QString& sql, bool addAll, const QString& field);
// Selects the last entry equal to `text`; leaves the selection when none is.
void SelectComboItem(ComboList& list, const QString& text);

}  // namespace velbrisk
