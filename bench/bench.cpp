// Benchmarks of the data layer on a venue with years of data. Reports each
// measure as a ratio against the same work done directly on the engine.
//   cmake --build build --target bench && build/bench [data-file]
#include "core/bills/Bills.h"
#include "core/bookings/Booking.h"
#include "core/config/Options.h"
#include "core/data/ChartData.h"
#include "core/data/Database.h"
#include "core/data/DateText.h"
#include "core/data/JetSql.h"
#include "core/data/MoneyTotals.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "core/data/Schema.h"
#include "core/data/ShareDM.h"
#include "core/finance/GetPays.h"
#include "core/finance/Ledger.h"
#include "core/finance/Reports.h"
#include "core/rooms/Board.h"
#include "core/rooms/Countdown.h"
#include "core/rooms/RoomTask.h"
#include "gui/widgets/QueryModel.h"

#include <QTemporaryDir>

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

using namespace velbrisk;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRooms = 1000;
constexpr int kBills = 300000;
constexpr int kMoney = 1000000;
constexpr int kCosts = 1000000;
const QDate kFirstDay(2024, 1, 1);
constexpr int kDays = 1096;  // three years

double medianMs(int reps, const std::function<void()>& fn)
{
    std::vector<double> t;
    for (int i = 0; i < reps; ++i) {
        const auto a = Clock::now();
        fn();
        t.push_back(std::chrono::duration<double, std::milli>(Clock::now() - a).count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

QString day(int i) { return kFirstDay.addDays(i % kDays).toString(QStringLiteral("yyyy-MM-dd")); }

constexpr int kAccounts = 50;  // money accounts 2 .. 51, bank and cash alternating

// The money records i of [from, to) of the data set, with their accounts.
void addMoney(Connection& c, int from, int to)
{
    std::mt19937 rng(7);
    Statement st = c.prepareEngine(QStringLiteral(
        "INSERT INTO MoneyTable (MoneyKind, MoneyGetPay, MoneySerial, MoneyAccount, MoneyUser, MoneyRecordTime, "
        "MoneyCreateTime, MoneyIn, MoneyOut, MoneySum, MoneyReason, MoneyMan, MoneyType, MoneyToken, MoneyRemark, "
        "MoneyPower) VALUES (?, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?, '', '现金', '收据', '', '')"));
    for (int i = from; i < to; ++i) {
        const bool in = i % 4 != 0;
        const QDate d = kFirstDay.addDays(qint64(i) * kDays / kMoney);
        const double amount = double(rng() % 100000) / 100.0;
        st.reset();
        st.bind(1, in ? QStringLiteral("财务收入") : QStringLiteral("财务支出"));
        st.bind(2, QString((in ? QStringLiteral("SR") : QStringLiteral("ZC")) + d.toString(QStringLiteral("yyMMdd"))
                           + QString::number(i % 900 + 1).rightJustified(2, QLatin1Char('0'))));
        st.bind(3, 2 + i % kAccounts);
        st.bind(4, QStringLiteral("客户%1").arg(i % 300));
        st.bind(5, d);
        st.bind(6, d);
        st.bind(7, in ? amount : 0.0);
        st.bind(8, in ? 0.0 : amount);
        st.bind(9, in ? amount : -amount);
        st.bind(10, in ? (i % 3 ? QStringLiteral("销售收入") : QStringLiteral("会员收入"))
                       : (i % 3 ? QStringLiteral("日常开支") : QStringLiteral("采购支出")));
        st.step();
    }
    for (int a = 4; a < 2 + kAccounts; ++a)
        c.execEngine(QStringLiteral("INSERT INTO Account (AccountIndex, AccountName, AccountBase, AccountType, AccountPower) "
                                    "VALUES (%1, '帐户%1', 1000, %2, '')").arg(a).arg(a % 2 + 1));
}

// The same venue's last 10,000 money records alone: a ledger without history.
void buildRecent(const QString& path)
{
    Connection c;
    c.create(path);
    createSchema(c);
    c.begin();
    addMoney(c, kMoney - 10000, kMoney);
    c.commit();
    c.execEngine(QStringLiteral("ANALYZE"));
}

void build(const QString& path)
{
    std::printf("building %s (1,000 rooms, 300,000 bills, 1,000,000 money records in 50 accounts, 1,000,000 consumption entries)...\n",
                qPrintable(path));
    Connection c;
    c.create(path);
    createSchema(c);
    std::mt19937 rng(7);
    c.begin();
    {
        Statement st = c.prepareEngine(QStringLiteral(
            "INSERT INTO Room (RoomName, RoomType, RoomPrice, RoomState, RoomOtherCost) VALUES (?, ?, ?, ?, 0)"));
        const char* states[] = {"空闲", "预订", "占用", "超时"};
        for (int i = 0; i < kRooms; ++i) {
            st.reset();
            st.bind(1, QStringLiteral("场地%1").arg(i + 1, 4, 10, QLatin1Char('0')));
            st.bind(2, i % 3 ? QStringLiteral("计时收费") : QStringLiteral("计次收费"));
            st.bind(3, 20.0 + i % 50);
            st.bind(4, QString::fromUtf8(states[rng() % 4]));
            st.step();
        }
    }
    {
        Statement st = c.prepareEngine(QStringLiteral(
            "INSERT INTO Bill (BillSerial, BillCreateTime, BillBeginTime, BillEndTime, BillRoomName, BillRoomUser, "
            "BillRoomPrice, BillRoomType, BillRoomCost, BillOtherCost, BillTotalCost, BillRemark) "
            "VALUES (?, ?, ?, ?, ?, '顾客', 30, '计时收费', ?, ?, ?, '')"));
        for (int i = 0; i < kBills; ++i) {
            const QDate d = kFirstDay.addDays(i * kDays / kBills);
            const int seq = i % (kBills / kDays) + 1;
            st.reset();
            st.bind(1, QString(d.toString(QStringLiteral("yyMMdd")) + QString::number(seq).rightJustified(3, QLatin1Char('0'))));
            const QString t = d.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 1%1:00:00").arg(i % 10);
            st.bind(2, t);
            st.bind(3, t);
            st.bind(4, t);
            st.bind(5, QStringLiteral("场地%1").arg(i % kRooms + 1, 4, 10, QLatin1Char('0')));
            st.bind(6, 60.0);
            st.bind(7, 12.5);
            st.bind(8, 72.5);
            st.step();
        }
    }
    addMoney(c, 0, kMoney);
    {
        Statement st = c.prepareEngine(QStringLiteral(
            "INSERT INTO Cost (CostRoom, CostReason, CostMoney, CostRemark, CostBill) VALUES (?, '矿泉水', 3, '', ?)"));
        for (int i = 0; i < kCosts; ++i) {
            st.reset();
            st.bind(1, QStringLiteral("场地%1").arg(i % kRooms + 1, 4, 10, QLatin1Char('0')));
            st.bind(2, i % 50 == 0 ? 0 : 2 + i % kBills);
            st.step();
        }
    }
    c.commit();
    c.execEngine(QStringLiteral("ANALYZE"));
}

// Steps every row of engine SQL, reading each column as the layer would.
// The engine as a program would use it directly: each statement prepared,
// run and finalised.
int engineRows(Connection& c, const QString& sql, int limit = -1)
{
    Statement st(c.handle(), sql);
    int n = 0;
    while ((limit < 0 || n < limit) && st.step()) {
        for (int i = 0; i < st.columnCount(); ++i)
            st.column(i);
        ++n;
    }
    return n;
}

int layerRows(Connection& c, const QString& jet)
{
    Query q(c);
    q.setSql(jet);
    q.open();
    q.fetchAll();
    return q.fetchedCount();
}

void row(const char* what, double layer, double engine)
{
    std::printf("| %-46s | %9.3f ms | %9.3f ms | %5.2f |\n", what, layer, engine, engine > 0 ? layer / engine : 0.0);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QApplication::applicationDirPath() + QStringLiteral("/bench-venue.mdb");
    if (!QFileInfo::exists(path))
        build(path);
    Connection c;
    c.open(path);

    const QString d = day(500);
    const QString ledger = QStringLiteral(
        "Select * From Account,MoneyTable Where (AccountIndex = MoneyAccount) And (MoneyCreateTime = #%1#) "
        "And (AccountType = 1) Order By MoneyIndex").arg(d);
    const QString balance = QStringLiteral(
        "Select Round(Sum(MoneySum),2) As LastDateSum From Account,MoneyTable Where (AccountIndex = MoneyAccount) "
        "And (MoneyCreateTime < #%1#) And (AccountType = 1)").arg(d);
    const QDate m1 = kFirstDay.addDays(500);
    const QDate mBegin(m1.year(), m1.month(), 1);
    const QString bills = QStringLiteral(
        "Select * From Bill Where (BillIndex > 1) And (BillCreateTime Between #%1# And #%2 23:59:59#) Order By BillIndex")
        .arg(mBegin.toString(Qt::ISODate), mBegin.addMonths(1).addDays(-1).toString(Qt::ISODate));
    const QString wholeMoney = QStringLiteral("Select * From MoneyTable");

    std::printf("\n| measure | through our layer | directly on the engine | ratio |\n|---|---|---|---|\n");

    // 1. Translation: translating + preparing vs preparing the engine text.
    const QString ledgerEngine = translateJet(ledger);
    const double tLayer = medianMs(2000, [&] { Statement s = c.prepareEngine(translateJet(ledger)); });
    const double tEngine = medianMs(2000, [&] { Statement s(c.handle(), ledgerEngine); });
    row("translate + prepare a day ledger query", tLayer, tEngine);

    // 2. Opening the whole money table to insert one row.
    c.begin();
    int n = 0;
    const double insLayer = medianMs(200, [&] {
        Query q(c);
        q.setSql(wholeMoney);
        q.open();
        q.insert();
        q.setValue(QStringLiteral("MoneyKind"), QStringLiteral("财务收入"));
        q.setValue(QStringLiteral("MoneyAccount"), 2);
        q.setValue(QStringLiteral("MoneyCreateTime"), QDate(2026, 1, 5));
        q.setValue(QStringLiteral("MoneySum"), 12.5);
        q.setValue(QStringLiteral("MoneyRemark"), QStringLiteral("对应单据：260105%1").arg(++n));
        q.post();
    });
    const double insEngine = medianMs(200, [&] {
        Statement st(c.handle(), QStringLiteral(
            "INSERT INTO MoneyTable (MoneyKind, MoneyAccount, MoneyCreateTime, MoneySum, MoneyRemark) VALUES (?, ?, ?, ?, ?)"));
        st.bind(1, QStringLiteral("财务收入"));
        st.bind(2, 2);
        st.bind(3, QDate(2026, 1, 5));
        st.bind(4, 12.5);
        st.bind(5, QStringLiteral("对应单据：260105%1").arg(++n));
        st.step();
    });
    c.rollback();
    row("open \"Select * From MoneyTable\", insert one row", insLayer, insEngine);

    // 3. A day ledger of the bank book and the balance before the day.
    int rows = 0;
    const double dLayer = medianMs(50, [&] { rows = layerRows(c, ledger); });
    const double dEngine = medianMs(50, [&] { engineRows(c, ledgerEngine); });
    row(qPrintable(QStringLiteral("day ledger (%1 records)").arg(rows)), dLayer, dEngine);
    const QString balanceEngine = translateJet(balance);
    const double bLayer = medianMs(10, [&] { layerRows(c, balance); });
    const double bEngine = medianMs(10, [&] { engineRows(c, balanceEngine); });
    row("balance before the day (sum of ~500,000 records)", bLayer, bEngine);

    // 4. A month's bills.
    const QString billsEngine = translateJet(bills);
    const double mLayer = medianMs(20, [&] { rows = layerRows(c, bills); });
    const double mEngine = medianMs(20, [&] { engineRows(c, billsEngine); });
    row(qPrintable(QStringLiteral("a month's bill list (%1 bills)").arg(rows)), mLayer, mEngine);

    // 5. A lazy grid's first screen over the whole money table.
    const QList<GridColumn> cols = {{QStringLiteral("MoneySerial"), QStringLiteral("编号")},
                                    {QStringLiteral("MoneyCreateTime"), QStringLiteral("日期")},
                                    {QStringLiteral("MoneySum"), QStringLiteral("金额"), 60, true, QStringLiteral("0.00")}};
    int gridRows = 0;
    const double gLayer = medianMs(50, [&] {
        Query q(c);
        q.setSql(QStringLiteral("Select * From MoneyTable Order By MoneyIndex"));
        q.open();
        QueryModel model;
        model.setColumns(cols);
        model.setQuery(&q);
        model.fetchMore(QModelIndex());
        for (int r = 0; r < 40; ++r)
            for (int col = 0; col < cols.size(); ++col)
                model.data(model.index(r, col));
        gridRows = q.fetchedCount();
    });
    // The engine reads as many rows as the grid fetched for its first screen.
    const double gEngine = medianMs(50, [&] {
        engineRows(c, QStringLiteral("SELECT * FROM MoneyTable ORDER BY MoneyIndex"), gridRows);
    });
    row(qPrintable(QStringLiteral("grid's first screen over 1,000,000 records (%1 rows read)").arg(gridRows)), gLayer, gEngine);

    // 6. Countdown ticks over 36 tiles of occupied rooms.
    c.execEngine(QStringLiteral("UPDATE Room SET RoomState = '占用', RoomType = '计时收费', "
                                "RoomBeginTime = '2026-01-01 08:00:00', RoomEndTime = '2099-01-01 00:00:00' WHERE RoomIndex BETWEEN 2 AND 37"));
    QTemporaryDir iniDir;
    const Options options(iniDir.path() + QStringLiteral("/Velbrisk.ini"), iniDir.path() + QLatin1Char('/'));
    TileSlots tiles;
    {
        Query board(c);
        refreshBoard(board, tiles, QStringLiteral("所有房间"), QStringLiteral("按编号排"), 0, 36);
    }
    Countdown countdown(c, options, nullptr);
    const QDateTime now = QDateTime::currentDateTime();
    const double quiet = medianMs(200, [&] { countdown.tick(tiles, now); });
    std::printf("| %-46s | %9.3f ms | (no statement) |   -   |\n", "a quiet tick, 36 tiles (no room changes)", quiet);
    const double turning = medianMs(50, [&] {
        c.execEngine(QStringLiteral("UPDATE Room SET RoomState = '占用' WHERE RoomIndex = 2"));
        tiles[0].state = QStringLiteral("占用");
        tiles[0].end = now.addSecs(-5);
        countdown.tick(tiles, now);
    });
    const double turningEngine = medianMs(50, [&] {
        c.execEngine(QStringLiteral("UPDATE Room SET RoomState = '占用' WHERE RoomIndex = 2"));
        engineRows(c, QStringLiteral("SELECT * FROM Room WHERE RoomIndex = 2"));
        c.execEngine(QStringLiteral("UPDATE Room SET RoomState = '超时' WHERE RoomIndex = 2"));
    });
    row("a tick that turns one room overtime", turning, turningEngine);

    // 7. One checkout (its own transaction) against the bare statements it needs.
    TShareDataModule dm;
    dm.setConnectionString(BuildConnectionString(path, QStringLiteral("DrunoMel")));
    dm.connect();
    RoomTasks tasks(dm, options, nullptr);
    const QString occupy = QStringLiteral("UPDATE Room SET RoomState = '占用' WHERE RoomIndex = 2");
    // A day of the data set, with its ~270 bills and ~900 money records: the
    // numbers of the day are found as on any ordinary day.
    const QDateTime when(QDate::fromString(day(700), QStringLiteral("yyyy-MM-dd")), QTime(21, 0));
    const QString billDay = when.toString(QStringLiteral("yyMMdd"));
    int settled = 0;
    auto layerCheckout = [&] {
        dm.ADOConnection1.execEngine(occupy);
        settled += tasks.checkout({2, QStringLiteral("40.00"), QStringLiteral("12.50"), QStringLiteral("52.50"), when}).done;
    };
    int seq = 900;
    auto engineCheckout = [&] {
        Connection& e = dm.ADOConnection1;
        e.execEngine(occupy);
        e.begin();
        engineRows(e, QStringLiteral("SELECT MAX(BillSerial) FROM Bill WHERE BillSerial >= '%1' AND BillSerial < '%1:'").arg(billDay));
        engineRows(e, QStringLiteral("SELECT * FROM Room WHERE RoomIndex = 2"));
        e.execEngine(QStringLiteral("INSERT INTO Bill (BillSerial, BillRoomName, BillTotalCost) VALUES ('%1X%2', '场地0001', 52.5)").arg(billDay).arg(++seq));
        engineRows(e, QStringLiteral("SELECT MAX(MoneySerial) FROM MoneyTable WHERE MoneySerial >= 'SR%1' AND MoneySerial < 'SR%1:'").arg(billDay));
        e.execEngine(QStringLiteral("INSERT INTO MoneyTable (MoneyKind, MoneyAccount, MoneySum, MoneyRemark) VALUES ('财务收入', 2, 52.5, 'x')"));
        e.execEngine(QStringLiteral("UPDATE Cost SET CostBill = 5 WHERE CostBill = 0 AND CostRoom = '场地0001'"));
        engineRows(e, QStringLiteral("SELECT * FROM Book WHERE BookRoom = '场地0001'"));
        e.execEngine(QStringLiteral("UPDATE Room SET RoomState = '空闲', RoomOtherCost = 0 WHERE RoomIndex = 2"));
        e.commit();
    };
    // Taken in turns, so that both meet the disk in the same mood.
    std::vector<double> layerTimes, engineTimes;
    for (int i = 0; i < 60; ++i) {
        layerTimes.push_back(medianMs(1, layerCheckout));
        engineTimes.push_back(medianMs(1, engineCheckout));
    }
    if (settled != 60) {
        std::printf("checkout failed: %d of 60 settled\n", settled);
        return 1;
    }
    std::sort(layerTimes.begin(), layerTimes.end());
    std::sort(engineTimes.begin(), engineTimes.end());
    const double checkoutLayer = layerTimes[layerTimes.size() / 2];
    const double checkoutEngine = engineTimes[engineTimes.size() / 2];
    // The benchmark leaves the data set as it found it.
    dm.ADOConnection1.execEngine(QStringLiteral("DELETE FROM MoneyTable WHERE MoneyRemark LIKE '对应单据：%1%%' OR MoneyRemark = 'x'").arg(billDay));
    dm.ADOConnection1.execEngine(QStringLiteral("DELETE FROM Bill WHERE BillSerial >= '%1' AND BillSerial < '%1:' AND BillIndex > %2 OR BillSerial LIKE '%1X%%'")
                                     .arg(billDay)
                                     .arg(kBills + 1));
    row("one checkout (bill, income, links, room)", checkoutLayer, checkoutEngine);

    // 8. The business reports over the bills.
    const QDate monthDay = QDate::fromString(day(500), QStringLiteral("yyyy-MM-dd"));
    const QString month = quickBillCondition(BillSpan::Month, monthDay);
    {
        const QString list = billListSql(month);
        const QString listEngine = translateJet(list);
        const double layer = medianMs(20, [&] {
            Query q(c);
            q.setSql(list);
            q.open();
            q.fetchMore(256);
            q.recordCount();
            q.sum(QStringLiteral("BillTotalCost"));
        });
        const double engine = medianMs(20, [&] {
            engineRows(c, listEngine, 257);
            engineRows(c, QStringLiteral("SELECT COUNT(*) FROM (%1)").arg(listEngine));
            engineRows(c, QStringLiteral("SELECT TOTAL(BillTotalCost) FROM (%1)").arg(listEngine));
        });
        row("reports window: a month's bills, first screen and footers", layer, engine);
    }
    for (const auto& [what, condition] : {std::pair<const char*, QString>{"status report by room, a month", month},
                                          std::pair<const char*, QString>{"status report by room, all bills", QString()}}) {
        const QString sql = roomTotalsSql(condition);
        const QString engineSql = translateJet(sql);
        const double layer = medianMs(5, [&] { layerRows(c, sql); });
        const double engine = medianMs(5, [&] { engineRows(c, engineSql); });
        row(what, layer, engine);
    }
    {
        const QString sql = billChartSql(QStringLiteral("物品消费"), month);
        const QString engineSql = translateJet(sql);
        const double layer = medianMs(10, [&] {
            Query q(c);
            q.setSql(sql);
            q.open();
            readChartPoints(q, QStringLiteral("CostReason"), QStringLiteral("TotalSum"));
        });
        const double engine = medianMs(10, [&] { engineRows(c, engineSql, 20); });
        row("business chart \"物品消费\", a month", layer, engine);
    }
    {
        // The booking calendar over 10,000 bookings (added once to the data set).
        Statement count(c.handle(), QStringLiteral("SELECT COUNT(*) FROM Book"));
        count.step();
        if (count.column(0).toInt() < 10000) {
            c.begin();
            Statement ins = c.prepareEngine(QStringLiteral("INSERT INTO Book (BookRoom, BookBeginTime, BookEndTime) VALUES (?, ?, ?)"));
            for (int i = 0; i < 10000; ++i) {
                const QDateTime b(kFirstDay.addDays(i % kDays), QTime(8 + i % 12, 0));
                ins.reset();
                ins.bind(1, QStringLiteral("场地%1").arg(i % kRooms + 1, 4, 10, QLatin1Char('0')));
                ins.bind(2, b);
                ins.bind(3, b.addSecs(3600 * (1 + i % 30)));
                ins.step();
            }
            c.commit();
        }
        const QDate first(monthDay.year(), monthDay.month(), 1);
        const QString engineSql = QStringLiteral("SELECT * FROM Book WHERE BookIndex > 1 AND BookBeginTime < '%1' AND BookEndTime >= '%2 00:00:01'")
                                      .arg(first.addMonths(1).toString(QStringLiteral("yyyy-MM-dd")), first.toString(QStringLiteral("yyyy-MM-dd")));
        const double layer = medianMs(20, [&] {
            Query q(c);
            calendarMarks(q, monthDay);
        });
        const double engine = medianMs(20, [&] { engineRows(c, engineSql); });
        row("booking calendar, a day and its month (10,000 bookings)", layer, engine);
    }
    {
        // The finance window's full refresh: 15 tiles with balance and month
        // figure, the day's four figures, the day ledger's first screen and
        // footers. Over 1,000,000 records, and over a file holding only the
        // last 10,000 of them: the refresh must not grow with history.
        const QString recentPath = path + QStringLiteral(".recent");
        if (!QFileInfo::exists(recentPath))
            buildRecent(recentPath);
        Connection recent;
        recent.open(recentPath);
        const QDate d = kFirstDay.addDays(qint64(kMoney - 5000) * kDays / kMoney);
        const QString all = QStringLiteral(" And ((AccountType = 1) Or (AccountType = 2))");
        auto refresh = [&](Connection& on) {
            Query q(on);
            const TilePage page = loadTilePage(q, QString(), all, accountOrder(0, 0), 0, d);
            daySummary(q, all, true, d);
            Query ledgerQuery(on);
            ledgerQuery.setSql(ledgerSql(all, d));
            ledgerQuery.open();
            ledgerQuery.fetchMore(40);
            ledgerQuery.prepareTotals({QStringLiteral("MoneyIn"), QStringLiteral("MoneyOut"), QStringLiteral("MoneySum")});
            ledgerQuery.recordCount();
            for (const char* f : {"MoneyIn", "MoneyOut", "MoneySum"})
                ledgerQuery.sum(QString::fromLatin1(f));
            return page.tiles.size();
        };
        const double big = medianMs(20, [&] { refresh(c); });
        const double small = medianMs(20, [&] { refresh(recent); });
        row("finance refresh, 1,000,000 records vs 10,000", big, small);
        // One tile's balance: the running totals against the design's sum
        // over every record of the account up to the day.
        const double totals = medianMs(20, [&] { moneySumThrough(c, {2}, d); });
        const double design = medianMs(5, [&] {
            engineRows(c, QStringLiteral("SELECT ROUND(SUM(MoneySum),2) FROM MoneyTable WHERE MoneyAccount = 2 "
                                         "AND MoneyCreateTime <= '%1 00:00:00'").arg(d.toString(Qt::ISODate)));
        });
        row("one tile balance: running totals vs the records' sum", totals, design);
    }
    {
        // The finance reports over 1,000,000 records in 50 accounts, against
        // the same statements run on the bare engine (for the statement, the
        // design's own: the opening summed over every record before the range).
        const QString all = QStringLiteral(" And ((AccountType = 1) Or (AccountType = 2))");
        auto statement = [&](const QDate& from) {
            Query q(c);
            return computeStatement(q, QString(), all, from, from.addMonths(1).addDays(-1)).size();
        };
        auto engineStatement = [&](const QDate& from) {
            const QString s = toStoredDate(from), e = toStoredDate(from.addMonths(1).addDays(-1));
            for (int a = 2; a < 2 + kAccounts; ++a) {
                engineRows(c, QStringLiteral("SELECT ROUND(SUM(MoneySum),2) FROM MoneyTable WHERE MoneyAccount = %1 AND MoneyCreateTime < '%2'").arg(a).arg(s));
                engineRows(c, QStringLiteral("SELECT ROUND(SUM(MoneySum),2) FROM MoneyTable WHERE MoneyAccount = %1 AND MoneySum > 0 AND MoneyCreateTime BETWEEN '%2' AND '%3'").arg(a).arg(s, e));
                engineRows(c, QStringLiteral("SELECT ROUND(ABS(SUM(MoneySum)),2) FROM MoneyTable WHERE MoneyAccount = %1 AND MoneySum < 0 AND MoneyCreateTime BETWEEN '%2' AND '%3'").arg(a).arg(s, e));
            }
        };
        const QDate firstMonth(2024, 2, 1), lastMonth(2026, 12, 1);
        const double early = medianMs(5, [&] { statement(firstMonth); });
        const double late = medianMs(5, [&] { statement(lastMonth); });
        row("monthly statement, 50 accounts: 35th month vs 2nd", late, early);
        row("monthly statement, 35th month, vs the engine", late, medianMs(3, [&] { engineStatement(lastMonth); }));

        // The daily summary of a year.
        MoneySearchInput year;
        year.span = true;
        year.from = QDate(2025, 1, 1);
        year.to = QDate(2025, 12, 31);
        MoneySearch search;
        buildMoneySearch(year, &search);
        const QString daysSql = QStringLiteral(
            "SELECT MoneyCreateTime, SUM(CASE WHEN MoneySum>0 THEN 1 ELSE 0 END), SUM(CASE WHEN MoneySum>0 THEN MoneySum ELSE 0 END), "
            "SUM(CASE WHEN MoneySum<0 THEN 1 ELSE 0 END), SUM(CASE WHEN MoneySum<0 THEN -MoneySum ELSE 0 END) FROM Account, MoneyTable "
            "WHERE AccountIndex = MoneyAccount AND (AccountType = 1 OR AccountType = 2) AND MoneyCreateTime BETWEEN '2025-01-01 00:00:00' "
            "AND '2025-12-31 00:00:00' GROUP BY MoneyCreateTime ORDER BY MoneyCreateTime");
        const double summary = medianMs(3, [&] {
            Query q(c);
            bool days = false;
            computeSummary(q, search, all, &days);
        });
        const double summaryEngine = medianMs(3, [&] {
            engineRows(c, QStringLiteral("SELECT ROUND(SUM(AccountBase),2) FROM Account WHERE AccountIndex > 1 AND (AccountType = 1 OR AccountType = 2)"));
            engineRows(c, QStringLiteral("SELECT ROUND(SUM(MoneySum),2) FROM Account, MoneyTable WHERE AccountIndex = MoneyAccount "
                                         "AND (AccountType = 1 OR AccountType = 2) AND MoneyCreateTime < '2025-01-01 00:00:00'"));
            engineRows(c, daysSql);
        });
        row("daily summary of a year", summary, summaryEngine);

        // A money search by date span and customer text: the report grid's
        // first screen, count and footers.
        MoneySearchInput find;
        find.span = true;
        find.from = QDate(2025, 3, 1);
        find.to = QDate(2025, 5, 31);
        find.customer = QStringLiteral("客户1");
        buildMoneySearch(find, &search);
        const QString report = reportSql(all, search.MoneyCondition, 0);
        const QString reportEngine = translateJet(report);
        const double grid = medianMs(10, [&] {
            Query q(c);
            q.setSql(report);
            q.open();
            q.fetchMore(40);
            q.prepareTotals({QStringLiteral("MoneyIn"), QStringLiteral("MoneyOut"), QStringLiteral("MoneySum")});
            q.recordCount();
            for (const char* f : {"MoneyIn", "MoneyOut", "MoneySum"})
                q.sum(QString::fromLatin1(f));
        });
        const double gridEngine = medianMs(10, [&] {
            engineRows(c, reportEngine, 40);
            engineRows(c, QStringLiteral("SELECT COUNT(*), TOTAL(MoneyIn), TOTAL(MoneyOut), TOTAL(MoneySum) FROM (%1)").arg(reportEngine));
        });
        row("money search, 3 months and a customer text", grid, gridEngine);

        // Each analysis over that year.
        buildMoneySearch(year, &search);
        for (const CakeAnalysis& a : cakeAnalyses()) {
            const QString chart = cakeChartSql(a, all, search.MoneyCondition, QString());
            const QString table = cakeTableSql(a, all, search.MoneyCondition, QString());
            const QString chartEngine = translateJet(chart), tableEngine = translateJet(table);
            const double layer = medianMs(3, [&] {
                Query q(c);
                q.setSql(chart);
                q.open();
                readChartPoints(q, QString::fromLatin1(a.field), QStringLiteral("TotalSum"));
                q.close();
                q.setSql(table);
                q.open();
                q.fetchAll();
                q.recordCount();
                for (const char* f : {"MoneyIn", "MoneyOut", "MoneySum"})
                    q.sum(QString::fromLatin1(f));
            });
            const double engine = medianMs(3, [&] {
                engineRows(c, chartEngine);
                engineRows(c, tableEngine);
            });
            row(qPrintable(QStringLiteral("analysis %1, a year").arg(QString::fromUtf8(a.caption))), layer, engine);
        }
    }
    {
        // The receivable and payable lists over 100,000 records with 300,000
        // settling money records (a file of their own).
        const QString getPayPath = path + QStringLiteral(".getpay");
        if (!QFileInfo::exists(getPayPath)) {
            Connection g;
            g.create(getPayPath);
            createSchema(g);
            g.begin();
            Statement gp = g.prepareEngine(QStringLiteral(
                "INSERT INTO GetPay (GetPayTime, GetPayUser, GetPayKind, GetPaySum, GetPaySum2, GetPaySum3, GetPayReason, GetPayRemark, GetPayMan, GetPayPower) "
                "VALUES (?, ?, ?, ?, ?, ?, '销售收入', '', '', '')"));
            for (int i = 0; i < 100000; ++i) {
                gp.reset();
                gp.bind(1, kFirstDay.addDays(i * kDays / 100000));
                gp.bind(2, QStringLiteral("客户%1").arg(i % 2000));
                gp.bind(3, i % 2 ? QStringLiteral("应付") : QStringLiteral("应收"));
                gp.bind(4, 300.0);
                gp.bind(5, 150.0);
                gp.bind(6, 150.0);
                gp.step();
            }
            Statement m = g.prepareEngine(QStringLiteral(
                "INSERT INTO MoneyTable (MoneyKind, MoneyGetPay, MoneyAccount, MoneyCreateTime, MoneySum) VALUES ('财务收入', ?, 2, ?, 50)"));
            for (int i = 0; i < 300000; ++i) {
                m.reset();
                m.bind(1, 2 + i / 3);
                m.bind(2, kFirstDay.addDays(i * kDays / 300000));
                m.step();
            }
            g.commit();
            g.execEngine(QStringLiteral("ANALYZE"));
        }
        Connection g;
        g.open(getPayPath);
        for (const auto& [what, view] : {std::pair<const char*, GetPayView>{"receivables by record (50,000)", GetPayView::Records},
                                         std::pair<const char*, GetPayView>{"receivables by customer", GetPayView::Customers},
                                         std::pair<const char*, GetPayView>{"receivables by date", GetPayView::Dates}}) {
            const QString sql = getPayListSql(QStringLiteral("应收"), QString(), view);
            const QString engineSql = translateJet(sql);
            const double layer = medianMs(5, [&] {
                Query q(g);
                q.setSql(sql);
                q.open();
                q.fetchMore(40);
                if (view == GetPayView::Records)
                    q.prepareTotals({QStringLiteral("GetPaySum"), QStringLiteral("GetPaySum2"), QStringLiteral("GetPaySum3")});
                else
                    q.fetchAll();
                q.recordCount();
                for (const char* f : {"GetPaySum", "GetPaySum2", "GetPaySum3"})
                    q.sum(QString::fromLatin1(f));
            });
            const double engine = medianMs(5, [&] {
                if (view != GetPayView::Records) {
                    engineRows(g, engineSql);
                    return;
                }
                engineRows(g, engineSql, 40);
                engineRows(g, QStringLiteral("SELECT COUNT(*), TOTAL(GetPaySum), TOTAL(GetPaySum2), TOTAL(GetPaySum3) FROM (%1)").arg(engineSql));
            });
            row(what, layer, engine);
        }
        // A record's linked vouchers (three of 300,000).
        const QString linked = linkedVouchersSql(5000);
        const QString linkedEngine = translateJet(linked);
        row("a record's linked vouchers", medianMs(50, [&] { layerRows(g, linked); }), medianMs(50, [&] { engineRows(g, linkedEngine); }));
    }
    std::printf("\n");
    return 0;
}
