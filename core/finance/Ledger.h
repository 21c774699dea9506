#pragma once
// The finance ledger's rules without windows: the account book, the account
// tiles with their balances, the day ledger's figures and the money grids'
// columns and statements.
#include "core/data/SaveResult.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace velbrisk {

class Query;

// ---- the account book ("Setting"/"AccountType")

// The stored values of "Setting"/"AccountType": the account book the finance
// windows work in.
namespace book {
inline constexpr const char* kBank = "1";  // the bank accounts (AccountType 1)
inline constexpr const char* kCash = "2";  // the cash accounts (AccountType 2)
inline constexpr const char* kAll = "5";   // every bank and cash account
inline constexpr const char* kNone = "0";  // accounts of no type
// No window writes this value; a file edited by hand may hold it, and then
// the finance window refuses transfers ("平调"), as it always has.
inline constexpr const char* kNoTransfers = "7";
}  // namespace book

struct AccountBook {
    QString value;    // the stored value: one of book::kBank, kCash, kAll, kNone
    QString filter;   // AccountBookFilter
    QString picture;  // "Res/CompanyAccount2.bmp"...
};
// The book of a stored value; nullopt for a value that leaves the book as it was.
std::optional<AccountBook> accountBookOf(const QString& stored);
// Whether the day counts leave transfers between the bank and the cash book
// out: only when the book holds every account, as such a transfer then
// moves money inside the book.
bool bookTransfersInside(const QString& stored);

// Indexes of the accounts the book's money queries join (the reserved row
// included, as the money records' join does not leave it out).
QList<int> bookAccounts(Query& q, const QString& filter);

// ---- tiles

inline constexpr int AccountPageSize = 15;

// " Order By AccountIndex Asc"... of the two sort lists' indexes.
QString accountOrder(int sortKey, int direction);

// The balance icon's file name: "Res/Money-.ico" below 0, "Res/Money0.ico"
// at 0, else the colour word of the type with one to three plus signs by
// the money sum alone (above 30000 and above 100000).
QString balanceIcon(int accountType, double balance, double moneySum);
QString accountTypeWord(int accountType);  // "银行帐", "现金帐" or empty

struct AccountTileData {
    int index = 0;
    QString name;
    int type = 0;
    QString typeWord;
    double moneySum = 0;  // the records up to the day
    double balance = 0;   // AccountBase + moneySum
    double month = 0;     // the records of the day's calendar month
    QString icon;
    bool red = false;
    QString balanceText() const;  // "120.5 元"
    QString monthText() const;
};

struct TilePage {
    int accountCount = 0;
    QList<AccountTileData> tiles;  // at most AccountPageSize
    bool previous = false;
    bool next = false;
};

// The accounts of `page` under the search condition and book filter, in the
// order given, with their figures on `day`, into `out`. Refused with
// "刷新帐户房子时出错" or "统计帐户金额时出错".
SaveResult loadTilePage(Query& q, const QString& searchCondition, const QString& bookFilter, const QString& order,
                        int page, const QDate& day, TilePage* out);

// ---- the day ledger

struct DaySummary {
    double base = 0;      // the opening amounts of the book's accounts
    double previous = 0;  // the closing balance of the day before
    double closing = 0;   // the day's closing balance
    int incomeCount = 0;
    double income = 0;
    int expenseCount = 0;
    double expense = 0;  // a positive amount
};
// The figures of day `day` in the book, into `out`; refused with "数据库打开失败".
SaveResult daySummary(Query& q, const QString& bookFilter, bool bookTransfersInside, const QDate& day, DaySummary* out);

// "共 3 笔～120.5 元"
QString dayCountText(int count, double amount);

// The day ledger's rows and the report grid's rows.
QString ledgerSql(const QString& bookFilter, const QDate& day);
QString reportOrder(int sortIndex);  // of the list "排序方式"
QString reportSql(const QString& bookFilter, const QString& moneyCondition, int sortIndex);

// The 13 columns of both money grids (default widths: defaultFinanceColumnWidth).
struct MoneyColumn {
    const char* field;
    const char* title;
};
const QList<MoneyColumn>& moneyColumns();

// The "合计" cell is red for every amount below zero as shown.
bool drawnRed(double moneySum);

}  // namespace velbrisk
