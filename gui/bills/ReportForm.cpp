#include "gui/bills/ReportForm.h"

#include "core/bills/Bills.h"
#include "core/data/Clock.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/bills/BillCakeForm.h"
#include "gui/bills/BillForm.h"
#include "gui/bills/BillReportForm.h"
#include "gui/bills/BillSearchForm.h"
#include "gui/bills/RoomCakeForm.h"
#include "gui/bookings/BookStateForm.h"
#include "gui/context/AppContext.h"
#include "gui/report/ListPrint.h"
#include "gui/report/Report.h"
#include "gui/rooms/RoomForm.h"
#include "gui/rooms/RoomSearchForm.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/GridExport.h"
#include "gui/widgets/ProgressForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velbrisk {

TFormReport::TFormReport(AppContext& ctx, const ReportWindows& windows, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_windows(windows), m_rooms(ctx.dm.ADOConnection1), m_bills(ctx.dm.ADOConnection1),
      m_roomGrid(new DataGrid(this)), m_billGrid(new DataGrid(this)), m_state(new QComboBox(this)),
      m_roomSort(new QComboBox(this)), m_billSort(new QComboBox(this)), m_direction(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("经营报表"));
    auto* tabs = new QTabWidget(this);
    auto page = [&](const char* caption, DataGrid* grid) {
        auto* w = new QWidget(tabs);
        auto* row = new QHBoxLayout(w);
        auto* side = new QVBoxLayout;
        row->addLayout(side);
        row->addWidget(grid, 1);
        tabs->addTab(w, QString::fromUtf8(caption));
        return side;
    };
    auto group = [&](QVBoxLayout* side, const char* caption) {
        auto* box = new QGroupBox(QString::fromUtf8(caption), this);
        side->addWidget(box);
        return new QVBoxLayout(box);
    };
    auto button = [&](QVBoxLayout* l, const char* text, const std::function<void()>& run) {
        l->addWidget(makeButton(this, QString::fromUtf8(text), run));
    };

    // "实时监控"
    QVBoxLayout* live = page("实时监控", m_roomGrid);
    QVBoxLayout* range = group(live, "数据范围");
    button(range, "房间查询", [this] {
        if (m_windows.roomSearch.exec() == QDialog::Accepted) {
            RoomCondition = m_windows.roomSearch.Condition;
            RefreshRooms();
        }
    });
    m_state->addItems({QStringLiteral("显示所有房间"), QStringLiteral("显示空闲房间"), QStringLiteral("显示预订房间"),
                       QStringLiteral("显示占用房间"), QStringLiteral("显示超时房间")});
    m_roomSort->addItems({QStringLiteral("按照编号排序"), QStringLiteral("按照名称排序"), QStringLiteral("按照状态排序"),
                          QStringLiteral("按照类型排序")});
    range->addWidget(m_state);
    range->addWidget(m_roomSort);
    QVBoxLayout* roomOps = group(live, "报表处理");
    button(roomOps, "预订状况", [this] {
        m_windows.calendar.exec();
    });
    button(roomOps, "报表分析", [this] {
        m_windows.roomChart.exec();
    });
    button(roomOps, "导出Excel", [this] {
        ExportGridToExcel(*m_roomGrid, m_ctx.g.AppDir, m_ctx.platform, m_ctx.progress);
    });
    button(roomOps, "报表打印", [this] { print(m_rooms, QStringLiteral("Frf/RoomList.frf")); });
    live->addStretch();

    // "帐单管理"
    QVBoxLayout* billSide = page("帐单管理", m_billGrid);
    QVBoxLayout* billRange = group(billSide, "数据范围");
    button(billRange, "帐单查询", [this] {
        if (m_windows.billSearch.exec() == QDialog::Accepted) {
            BillCondition = m_windows.billSearch.Condition;
            m_searched = true;
            RefreshBills();
        }
    });
    m_billSort->addItems({QStringLiteral("按记录排序"), QStringLiteral("按编号排序"), QStringLiteral("按房名排序"),
                          QStringLiteral("按时间排序"), QStringLiteral("按金额排序")});
    m_direction->addItems({QStringLiteral("按升序排列"), QStringLiteral("按降序排列")});
    billRange->addWidget(m_billSort);
    billRange->addWidget(m_direction);
    QVBoxLayout* billOps = group(billSide, "报表处理");
    button(billOps, "经营状况", [this] {
        m_windows.status.exec();
        if (m_windows.status.Changed)
            RefreshBills();
    });
    button(billOps, "报表分析", [this] {
        m_windows.billChart.BillCondition = BillCondition;
        m_windows.billChart.exec();
    });
    button(billOps, "导出Excel", [this] {
        ExportGridToExcel(*m_billGrid, m_ctx.g.AppDir, m_ctx.platform, m_ctx.progress);
    });
    button(billOps, "报表打印", [this] { print(m_bills, QStringLiteral("Frf/BillReport.frf")); });
    billSide->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(makeButton(this, QStringLiteral("退出窗口"), [this] { reject(); }));
    layout->addLayout(bottom);

    m_roomGrid->setColumns({{QStringLiteral("RoomIndex"), QStringLiteral("房间编号"), 70},
                            {QStringLiteral("RoomName"), QStringLiteral("房间名称"), 90},
                            {QStringLiteral("RoomBeginTimeStr"), QStringLiteral("开始时间"), 125},
                            {QStringLiteral("RoomEndTimeStr"), QStringLiteral("结束时间"), 125},
                            {QStringLiteral("RoomType"), QStringLiteral("房间类型"), 70},
                            {QStringLiteral("RoomState"), QStringLiteral("状态"), 50}});
    m_billGrid->setColumns({{QStringLiteral("BillIndex"), QStringLiteral("记录号"), 60},
                            {QStringLiteral("BillSerial"), QStringLiteral("帐单编号"), 70},
                            {QStringLiteral("BillRoomName"), QStringLiteral("房间名称"), 90},
                            {QStringLiteral("BillBeginTime"), QStringLiteral("开始时间"), 125},
                            {QStringLiteral("BillEndTime"), QStringLiteral("结束时间"), 125},
                            {QStringLiteral("BillTotalCost"), QStringLiteral("总金额"), 60, true, QStringLiteral("0.00")}});
    m_roomGrid->setQuery(&m_rooms);
    m_billGrid->setQuery(&m_bills);
    for (QComboBox* c : {m_state, m_roomSort})
        connect(c, &QComboBox::currentIndexChanged, this, &TFormReport::RefreshRooms);
    for (QComboBox* c : {m_billSort, m_direction})
        connect(c, &QComboBox::currentIndexChanged, this, &TFormReport::RefreshBills);
    connect(m_roomGrid, &DataGrid::rowActivated, this, [this] { openRoom(); });
    connect(m_billGrid, &DataGrid::rowActivated, this, [this] { openBill(); });
    // This month's bills at first, every hour of its last day included.
    BillCondition = quickBillCondition(BillSpan::Month, Clock::today());
    resize(900, 560);
}

int TFormReport::exec()
{
    prepare();
    return QDialog::exec();
}

void TFormReport::prepare()
{
    Changed = false;
    // Until a search chose otherwise: the month of the day the window opens.
    if (!m_searched)
        BillCondition = quickBillCondition(BillSpan::Month, Clock::today());
    RefreshRooms();
    RefreshBills();
}

void TFormReport::RefreshRooms()
{
    static const char* const states[] = {nullptr, "空闲", "预订", "占用", "超时"};
    static const char* const orders[] = {" Order By RoomIndex", " Order By RoomName", " Order By RoomState, RoomIndex",
                                         " Order By RoomType, RoomIndex"};
    const int s = std::max(0, m_state->currentIndex());
    const QString state = states[s] ? QStringLiteral(" And (RoomState = '%1')").arg(QString::fromUtf8(states[s])) : QString();
    OpenQuery(m_rooms,
              QStringLiteral("Select RoomIndex,RoomName,RoomType,RoomState,"
                             "IIF((RoomState <> '占用') And (RoomState <> '超时'),'-- -- --',RoomBeginTime) As RoomBeginTimeStr,"
                             "IIF((RoomState <> '占用') And (RoomState <> '超时'),'-- -- --',RoomEndTime) As RoomEndTimeStr "
                             "From Room Where (RoomIndex > 1)")
                  + RoomCondition + state + QString::fromLatin1(orders[std::max(0, m_roomSort->currentIndex())]),
              words::dbOpenFailed());
    m_roomGrid->reload();
    m_roomGrid->clearFooter();
    if (m_rooms.isOpen() && !m_rooms.isEmpty())
        m_roomGrid->setFooterText(QStringLiteral("RoomIndex"), QString::number(m_rooms.recordCount()) + QStringLiteral(" 记录"));
}

QString TFormReport::billOrder() const
{
    const QString dir = m_direction->currentIndex() == 1 ? QStringLiteral(" Desc") : QStringLiteral(" Asc");
    switch (m_billSort->currentIndex()) {
    case 1:
        return QStringLiteral(" Order By BillSerial") + dir;
    case 2:
        return QStringLiteral(" Order By BillRoomName") + dir + QStringLiteral(", BillIndex");
    case 3:
        return QStringLiteral(" Order By BillBeginTime") + dir;
    case 4:
        return QStringLiteral(" Order By BillTotalCost") + dir + QStringLiteral(", BillIndex");
    default:
        return QStringLiteral(" Order By BillIndex") + dir;
    }
}

void TFormReport::RefreshBills()
{
    OpenQuery(m_bills, QStringLiteral("Select * From Bill Where (BillIndex > 1)") + BillCondition + billOrder(),
              words::dbOpenFailed());
    m_billGrid->reload();
    m_billGrid->clearFooter();
    if (m_bills.isOpen() && !m_bills.isEmpty()) {
        m_billGrid->setFooterText(QStringLiteral("BillIndex"), QString::number(m_bills.recordCount()) + QStringLiteral(" 记录"));
        m_billGrid->setFooterSum(QStringLiteral("BillTotalCost"));
    }
}

void TFormReport::print(Query& q, const QString& templateFile) { printList(m_ctx, q, templateFile, windowTitle()); }

void TFormReport::openRoom()
{
    TFormRoom& room = m_windows.room;
    if (!m_roomGrid->moveQueryToCurrent() || m_rooms.isNull(QStringLiteral("RoomIndex")))
        return;
    room.OpenRoomIndex = int(m_rooms.integer(QStringLiteral("RoomIndex")));
    const int result = room.exec();
    if (result == QDialog::Accepted || room.Changed) {
        Changed = true;
        RefreshRooms();
    }
}

void TFormReport::openBill()
{
    if (m_billGrid->moveQueryToCurrent() && !m_bills.isNull(QStringLiteral("BillIndex"))
        && editBill(m_windows.bill, int(m_bills.integer(QStringLiteral("BillIndex")))))
        RefreshBills();
}

}  // namespace velbrisk
