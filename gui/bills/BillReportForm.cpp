#include "gui/bills/BillReportForm.h"

#include "core/bills/Bills.h"
#include "core/data/Clock.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/bills/BillForm.h"
#include "gui/bills/BillSearchForm.h"
#include "gui/context/AppContext.h"
#include "gui/report/ListPrint.h"
#include "gui/report/Report.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/GridExport.h"
#include "gui/widgets/ProgressForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velbrisk {

TFormBillReport::TFormBillReport(AppContext& ctx, TFormBillSearch& search, TFormBill& bill, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_search(search), m_bill(bill), m_bills(ctx.dm.ADOConnection1), m_rooms(ctx.dm.ADOConnection1),
      m_billGrid(new DataGrid(this)), m_roomGrid(new DataGrid(this)),
      m_byRecord(new QRadioButton(QStringLiteral("按记录显示"), this)),
      m_byRoom(new QRadioButton(QStringLiteral("按房间显示"), this))
{
    setWindowTitle(QStringLiteral("经营状况报表"));
    auto* layout = new QHBoxLayout(this);
    auto* side = new QVBoxLayout;
    auto group = [&](const char* caption) {
        auto* box = new QGroupBox(QString::fromUtf8(caption), this);
        side->addWidget(box);
        return new QVBoxLayout(box);
    };
    QVBoxLayout* range = group("数据范围");
    range->addWidget(makeButton(this, QStringLiteral("当月记录"), [this] { monthRecords(); }));
    range->addWidget(makeButton(this, QStringLiteral("自定查询"), [this] { customSearch(); }));
    QVBoxLayout* view = group("显示方式");
    view->addWidget(m_byRecord);
    view->addWidget(m_byRoom);
    m_byRecord->setChecked(true);
    QVBoxLayout* ops = group("报表操作");
    ops->addWidget(makeButton(this, QStringLiteral("导出Excel"), [this] { exportList(); }));
    ops->addWidget(makeButton(this, QStringLiteral("打印报表"), [this] { printReport(); }));
    side->addStretch();
    side->addWidget(makeButton(this, QStringLiteral("退出"), [this] { reject(); }));
    layout->addLayout(side);
    layout->addWidget(m_billGrid, 1);
    layout->addWidget(m_roomGrid, 1);

    m_billGrid->setColumns({{QStringLiteral("BillIndex"), QStringLiteral("记录号"), 60},
                            {QStringLiteral("BillSerial"), QStringLiteral("帐单编号"), 70},
                            {QStringLiteral("BillRoomName"), QStringLiteral("房间名称"), 110},
                            {QStringLiteral("BillBeginTime"), QStringLiteral("开始时间"), 135},
                            {QStringLiteral("BillEndTime"), QStringLiteral("结束时间"), 135},
                            {QStringLiteral("BillRoomCost"), QStringLiteral("房租费用"), 70, true, QStringLiteral("0.00")},
                            {QStringLiteral("BillOtherCost"), QStringLiteral("其他消费"), 70, true, QStringLiteral("0.00")},
                            {QStringLiteral("BillTotalCost"), QStringLiteral("总金额"), 80, true, QStringLiteral("0.00")}});
    m_roomGrid->setColumns({{QStringLiteral("RoomIndex"), QStringLiteral("房间编号"), 120},
                            {QStringLiteral("RoomName"), QStringLiteral("房间名称"), 200},
                            {QStringLiteral("RoomType"), QStringLiteral("房间类型"), 100},
                            {QStringLiteral("RoomCost"), QStringLiteral("房租费用"), 100, true, QStringLiteral("0.00")},
                            {QStringLiteral("RoomCost2"), QStringLiteral("其他消费"), 100, true, QStringLiteral("0.00")},
                            {QStringLiteral("RoomCost3"), QStringLiteral("总金额"), 110, true, QStringLiteral("0.00")}});
    m_billGrid->setQuery(&m_bills);
    m_roomGrid->setQuery(&m_rooms);
    connect(m_byRecord, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Reload();
    });
    connect(m_byRoom, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Reload();
    });
    connect(m_billGrid, &DataGrid::rowActivated, this, [this] { openBill(); });
    resize(1020, 600);
}

int TFormBillReport::exec()
{
    prepare();
    return QDialog::exec();
}

void TFormBillReport::prepare()
{
    Changed = false;
    Reload();
}

bool TFormBillReport::byRoom() const { return m_byRoom->isChecked(); }

void TFormBillReport::Reload()
{
    m_billGrid->setVisible(!byRoom());
    m_roomGrid->setVisible(byRoom());
    DataGrid* grid = byRoom() ? m_roomGrid : m_billGrid;
    Query& q = byRoom() ? m_rooms : m_bills;
    OpenQuery(q, byRoom() ? roomTotalsSql(BillCondition) : billListSql(BillCondition), words::dbOpenFailed());
    grid->reload();
    grid->clearFooter();
    if (!q.isOpen() || q.isEmpty())
        return;
    const QString count = QString::number(q.recordCount()) + QStringLiteral(" 记录");
    if (byRoom()) {
        grid->setFooterText(QStringLiteral("RoomIndex"), count);
        for (const char* f : {"RoomCost", "RoomCost2", "RoomCost3"})
            grid->setFooterSum(QString::fromLatin1(f));
    } else {
        grid->setFooterText(QStringLiteral("BillBeginTime"), count);
        for (const char* f : {"BillRoomCost", "BillOtherCost", "BillTotalCost"})
            grid->setFooterSum(QString::fromLatin1(f));
    }
}

void TFormBillReport::monthRecords()
{
    // The month of the day the button is pressed, every hour of its last day.
    BillCondition = quickBillCondition(BillSpan::Month, Clock::today());
    Reload();
}

void TFormBillReport::customSearch()
{
    if (m_search.exec() != QDialog::Accepted)
        return;
    BillCondition = m_search.Condition;
    Reload();
}

void TFormBillReport::exportList()
{
    ExportGridToExcel(byRoom() ? *m_roomGrid : *m_billGrid, m_ctx.g.AppDir, m_ctx.platform, m_ctx.progress);
}

void TFormBillReport::printReport()
{
    printList(m_ctx, byRoom() ? m_rooms : m_bills,
              byRoom() ? QStringLiteral("Frf/RunReport2.frf") : QStringLiteral("Frf/RunReport.frf"), windowTitle());
}

void TFormBillReport::openBill()
{
    if (m_billGrid->moveQueryToCurrent() && !m_bills.isNull(QStringLiteral("BillIndex"))
        && editBill(m_bill, int(m_bills.integer(QStringLiteral("BillIndex"))))) {
        Changed = true;
        Reload();
    }
}

}  // namespace velbrisk
