#include "core/data/Schema.h"

#include <iterator>

#include "core/data/Database.h"
#include "core/data/MoneyTotals.h"

#include <QSet>

namespace velbrisk {

namespace {
constexpr ColumnType I = ColumnType::Integer;
constexpr ColumnType N = ColumnType::Number;
constexpr ColumnType T = ColumnType::Text;
constexpr ColumnType D = ColumnType::DateTime;
constexpr ColumnType B = ColumnType::YesNo;

const char* engineType(ColumnType t)
{
    switch (t) {
    case I: return "INTEGER";
    case N: return "DOUBLE";
    case T: return "TEXT COLLATE NOCASE";  // Jet compares text without regard to case
    case D: return "DATETIME TEXT";
    case B: return "YESNO INTEGER";
    }
    return "TEXT";
}
}  // namespace

const QList<TableDef>& schemaTables();

namespace {
QString createTableSql(const TableDef& t, const QString& create)
{
    QString sql = QStringLiteral("%1 %2 (%3 INTEGER PRIMARY KEY AUTOINCREMENT")
                      .arg(create, QLatin1String(t.name), QLatin1String(t.key));
    for (const ColumnDef& col : t.columns)
        sql += QStringLiteral(", %1 %2").arg(QLatin1String(col.name), QLatin1String(engineType(col.type)));
    return sql + QLatin1Char(')');
}
}  // namespace

const QList<TableDef>& schemaTables()
{
    static const QList<TableDef> tables = {
        {"Room", "RoomIndex",
         {{"RoomName", T}, {"RoomType", T}, {"RoomPrice", N}, {"RoomRemark", T}, {"RoomState", T},
          {"RoomUser", T}, {"RoomBeginTime", D}, {"RoomEndTime", D}, {"RoomOtherCost", N}, {"RoomNote", T}}},
        {"Bill", "BillIndex",
         {{"BillSerial", T}, {"BillCreateTime", D}, {"BillBeginTime", D}, {"BillEndTime", D},
          {"BillRoomName", T}, {"BillRoomUser", T}, {"BillRoomPrice", N}, {"BillRoomType", T},
          {"BillRoomCost", N}, {"BillOtherCost", N}, {"BillTotalCost", N}, {"BillRemark", T}}},
        {"Book", "BookIndex",
         {{"BookRoom", T}, {"BookBeginTime", D}, {"BookEndTime", D}, {"BookUseTime", T}, {"BookRemark", T}}},
        {"Cost", "CostIndex",
         {{"CostRoom", T}, {"CostReason", T}, {"CostMoney", N}, {"CostRemark", T}, {"CostBill", I}}},
        {"CostReason", "CostReasonIndex", {{"CostReasonName", T}, {"CostReasonPrice", N}}},
        {"MoneyTable", "MoneyIndex",
         {{"MoneyKind", T}, {"MoneyGetPay", I}, {"MoneySerial", T}, {"MoneyAccount", I}, {"MoneyUser", T},
          {"MoneyRecordTime", D}, {"MoneyCreateTime", D}, {"MoneyIn", N}, {"MoneyOut", N}, {"MoneySum", N},
          {"MoneyReason", T}, {"MoneyMan", T}, {"MoneyType", T}, {"MoneyToken", T}, {"MoneyRemark", T},
          {"MoneyPower", T}}},
        {"Account", "AccountIndex",
         {{"AccountName", T}, {"AccountBase", N}, {"AccountRemark", T}, {"AccountType", I}, {"AccountPower", T}}},
        {"Parameter", "ParameterIndex", {{"ParameterType", I}, {"ParameterValue", T}}},
        {"Power", "PowerIndex", {{"PowerName", T}, {"PowerKey", T}, {"PowerRange", T}}},
        {"GetPay", "GetPayIndex",
         {{"GetPayTime", D}, {"GetPayUser", T}, {"GetPayKind", T}, {"GetPaySum", N}, {"GetPaySum2", N},
          {"GetPaySum3", N}, {"GetPayReason", T}, {"GetPayRemark", T}, {"GetPayMan", T}, {"GetPayPower", T}}},
        {"PrintTable", "PrintIndex",
         {{"PrintEnable", B}, {"PrintValue1", T}, {"PrintValue2", T}, {"PrintValue3", T}, {"PrintValue4", T},
          {"PrintValue5", T}, {"PrintValue6", T}, {"PrintValue7", T}, {"PrintValue8", T}, {"PrintValue9", T},
          {"PrintValue10", T}}},
        {"PrintDay", "DayIndex",
         {{"DayEnable", B}, {"DayName", T}, {"DayGetNum", T}, {"DayGetSum", T}, {"DayPayNum", T},
          {"DayPaySum", T}, {"DayBalance", T}}},
    };
    return tables;
}

const TableDef* findTable(const QString& name)
{
    for (const TableDef& t : schemaTables())
        if (name.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QString keyColumnOf(const QString& table)
{
    const TableDef* t = findTable(table);
    return t ? QString::fromLatin1(t->key) : QString();
}

static const char* const kIndexes[] = {
    "CREATE INDEX ixRoomName ON Room(RoomName)",
    "CREATE INDEX ixRoomState ON Room(RoomState)",
    "CREATE INDEX ixBillSerial ON Bill(BillSerial)",
    "CREATE INDEX ixBillCreateTime ON Bill(BillCreateTime)",
    "CREATE INDEX ixBillBeginTime ON Bill(BillBeginTime)",  // the bill lists by period
    // The status report by room: each room's bills of a period, sums read from the index.
    "CREATE INDEX ixBillRoomTime ON Bill(BillRoomName, BillBeginTime, BillRoomCost, BillOtherCost, BillTotalCost)",
    "CREATE INDEX ixBillRoomName ON Bill(BillRoomName)",
    "CREATE INDEX ixBookRoom ON Book(BookRoom)",
    "CREATE INDEX ixBookBegin ON Book(BookBeginTime)",
    "CREATE INDEX ixBookEnd ON Book(BookEndTime)",
    "CREATE INDEX ixCostBillRoom ON Cost(CostBill, CostRoom)",
    "CREATE INDEX ixCostRoom ON Cost(CostRoom)",
    "CREATE INDEX ixCostReasonName ON CostReason(CostReasonName)",
    // Covering indexes: day ledgers and balances read only these columns.
    "CREATE INDEX ixMoneyDate ON MoneyTable(MoneyCreateTime, MoneyAccount, MoneySum)",
    "CREATE INDEX ixMoneyAccount ON MoneyTable(MoneyAccount, MoneyCreateTime, MoneySum)",
    "CREATE INDEX ixMoneyGetPay ON MoneyTable(MoneyGetPay)",
    "CREATE INDEX ixMoneySerial ON MoneyTable(MoneySerial)",
    "CREATE INDEX ixMoneyKind ON MoneyTable(MoneyKind)",  // voucher numbers by count
    // Document numbers by length: the longest number of a day in a few probes.
    "CREATE INDEX ixBillSerialLen ON Bill(length(BillSerial), BillSerial)",
    "CREATE INDEX ixMoneySerialLen ON MoneyTable(length(MoneySerial), MoneySerial)",
    "CREATE INDEX ixAccountName ON Account(AccountName)",
    "CREATE INDEX ixParameterType ON Parameter(ParameterType)",
    "CREATE INDEX ixPowerName ON Power(PowerName)",
    "CREATE INDEX ixGetPayKindTime ON GetPay(GetPayKind, GetPayTime)",
    "CREATE INDEX ixGetPayUser ON GetPay(GetPayUser)",
};

void ensureIndexes(Connection& c)
{
    // A file made by an earlier version gains the indexes it lacks, once.
    Statement st = c.prepareEngine(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name LIKE 'ix%'"));
    st.step();
    if (st.column(0).toInt() >= int(std::size(kIndexes)))
        return;
    st = Statement();
    Transaction tx(c);
    for (const char* ix : kIndexes)
        c.execEngine(QString::fromLatin1(ix).replace(QStringLiteral("CREATE INDEX "), QStringLiteral("CREATE INDEX IF NOT EXISTS ")));
    tx.commit();
}

void createSchema(Connection& c)
{
    Transaction tx(c);
    for (const TableDef& t : schemaTables())
        c.execEngine(createTableSql(t, QStringLiteral("CREATE TABLE")));
    for (const char* ix : kIndexes)
        c.execEngine(QString::fromLatin1(ix));

    // Reserved rows: key 1 of these tables is never listed, so a venue's first
    // room, bill, booking, account and receivable get key 2.
    c.execEngine(QStringLiteral("INSERT INTO Room (RoomIndex, RoomName, RoomType, RoomPrice, RoomState, RoomOtherCost) "
                                "VALUES (1, '', '计时收费', 0, '空闲', 0)"));
    c.execEngine(QStringLiteral("INSERT INTO Bill (BillIndex, BillSerial, BillRoomCost, BillOtherCost, BillTotalCost) "
                                "VALUES (1, '', 0, 0, 0)"));
    c.execEngine(QStringLiteral("INSERT INTO Book (BookIndex, BookRoom) VALUES (1, '')"));
    c.execEngine(QStringLiteral("INSERT INTO Account (AccountIndex, AccountName, AccountBase, AccountType, AccountPower) "
                                "VALUES (1, '', 0, 1, '')"));
    c.execEngine(QStringLiteral("INSERT INTO GetPay (GetPayIndex, GetPaySum, GetPaySum2, GetPaySum3, GetPayPower) "
                                "VALUES (1, 0, 0, 0, '')"));
    // Starting accounts: checkout books its takings to account 2 by default,
    // a bank account, which the finance window's default (bank) book shows.
    c.execEngine(QStringLiteral("INSERT INTO Account (AccountIndex, AccountName, AccountBase, AccountRemark, AccountType, AccountPower) "
                                "VALUES (2, '银行存款', 0, '营业收入默认入帐帐户', 1, '')"));
    c.execEngine(QStringLiteral("INSERT INTO Account (AccountIndex, AccountName, AccountBase, AccountRemark, AccountType, AccountPower) "
                                "VALUES (3, '现金', 0, '', 2, '')"));
    for (int i = 1; i <= kPrintTableRows; ++i)
        c.execEngine(QStringLiteral("INSERT INTO PrintTable (PrintIndex, PrintEnable) VALUES (%1, 0)").arg(i));
    c.execEngine(QStringLiteral("INSERT INTO Power (PowerName, PowerKey, PowerRange) "
                                "VALUES ('经营主管', '', '经营报表，财务管理，参数设置')"));
    // Starting word lists, so that the finance windows have something to offer.
    const struct {
        int type;
        const char* word;
    } words[] = {
        {0, "日常开支"}, {0, "采购支出"}, {0, "工资支出"}, {0, "水电费"},
        {1, "销售收入"}, {1, "会员收入"}, {1, "其他收入"},
        {2, "现金"},     {2, "转帐"},     {2, "支票"},
        {3, "收据"},     {3, "发票"},
    };
    for (const auto& w : words)
        c.execEngine(QStringLiteral("INSERT INTO Parameter (ParameterType, ParameterValue) VALUES (%1, '%2')")
                         .arg(w.type)
                         .arg(QString::fromUtf8(w.word)));
    const struct {
        const char* name;
        double price;
    } items[] = {{"矿泉水", 3}, {"运动饮料", 6}, {"毛巾", 5}};
    for (const auto& it : items)
        c.execEngine(QStringLiteral("INSERT INTO CostReason (CostReasonName, CostReasonPrice) VALUES ('%1', %2)")
                         .arg(QString::fromUtf8(it.name))
                         .arg(it.price));
    ensureMoneyTotals(c);
    tx.commit();
}

void useOwnScratchTables(Connection& c)
{
    for (const char* name : {"PrintTable", "PrintDay"}) {
        c.execEngine(createTableSql(*findTable(QLatin1String(name)), QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS")));
    }
}

QString missingTable(Connection& c)
{
    QSet<QString> present;
    Statement st = c.prepareEngine(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    while (st.step())
        present.insert(st.column(0).toString().toLower());
    for (const TableDef& t : schemaTables())
        if (!present.contains(QString::fromLatin1(t.name).toLower()))
            return QString::fromLatin1(t.name);
    return {};
}

}  // namespace velbrisk
