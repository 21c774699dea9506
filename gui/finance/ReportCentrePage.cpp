#include "gui/finance/ReportCentrePage.h"

#include "core/config/Options.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "core/finance/Ledger.h"
#include "gui/context/AppContext.h"
#include "gui/finance/CakeForm.h"
#include "gui/finance/GetPayForm.h"
#include "gui/finance/MakeReportForm.h"
#include "gui/finance/MoneyGrid.h"
#include "gui/report/ListPrint.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/GridExport.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

ReportCentrePage::ReportCentrePage(AppContext& ctx, TFormGetPay& voucher, TFormMakeReport& moneySearch, TFormCake& analysis,
                                   QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_voucher(voucher), m_search(moneySearch), m_analysis(analysis), m_report(ctx.dm.ADOConnection1),
      m_print(ctx.dm.ADOConnection1), m_grid(new MoneyGrid(QString::fromUtf8(kReportWidthSection), this)),
      m_sort(new QComboBox(this))
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(makeButton(this, QStringLiteral("报表分析"), [this] { analyse(); }));
    top->addWidget(makeButton(this, QStringLiteral("导出EXCEL"),
                              [this] { ExportGridToExcel(*m_grid, m_ctx.g.AppDir, m_ctx.platform, m_ctx.progress); }));
    top->addWidget(makeButton(this, QStringLiteral("财务日结"), [this] { printSummary(); }));
    top->addWidget(makeButton(this, QStringLiteral("生成报表"), [this] { search(); }));
    top->addWidget(makeButton(this, QStringLiteral("打印报表"), [this] { print(); }));
    top->addStretch();
    top->addWidget(new QLabel(QStringLiteral("排序方式"), this));
    m_sort->addItems({QStringLiteral("按时间排"), QStringLiteral("按帐户排"), QStringLiteral("按金额排"), QStringLiteral("按编号排"),
                      QStringLiteral("按客户排"), QStringLiteral("按业务员")});
    top->addWidget(m_sort);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    m_grid->setQuery(&m_report);
    connect(m_sort, &QComboBox::activated, this, [this] { list(); });
    connect(m_grid, &DataGrid::rowActivated, this, [this] { editRecord(); });
}

void ReportCentrePage::list()
{
    m_open = OpenQuery(m_report, reportSql(m_ctx.g.AccountBookFilter, Search.MoneyCondition, m_sort->currentIndex()),
                       words::dbOpenFailed());
    m_grid->rebuild(m_ctx.options());
}

void ReportCentrePage::show(const MoneySearch& search)
{
    Search = search;
    list();
}

void ReportCentrePage::refresh()
{
    if (m_open)
        list();
}

void ReportCentrePage::search()
{
    if (m_search.exec() == QDialog::Accepted)
        show(m_search.Result);
}

void ReportCentrePage::analyse()
{
    m_analysis.Condition = Search.MoneyCondition;
    m_analysis.exec();
}

void ReportCentrePage::editRecord()
{
    const int index = m_open ? m_grid->currentMoneyIndex() : 0;
    if (index == 0) {
        m_ctx.prompt().inform(words::selectToEdit());
        return;
    }
    m_voucher.Mode = EditMode::Edit;
    m_voucher.Kind = m_report.str(QStringLiteral("MoneyKind"));
    m_voucher.EditIndex = index;
    if (m_voucher.exec() == QDialog::Accepted) {
        list();
        m_grid->showRecord(index);
    }
}

void ReportCentrePage::printSummary()
{
    bool days = false;
    try {
        const QList<SummaryLine> lines = computeSummary(m_print, Search, m_ctx.g.AccountBookFilter, &days);
        if (!days)
            return;
        writeSummary(m_print, lines);
    } catch (const Failure&) {
        m_print.close();
        m_ctx.prompt().inform(words::dbOpenFailed());
        return;
    }
    printList(m_ctx, m_print, QStringLiteral("Frf/MonthCount.frf"), QStringLiteral("财务日结"), {});
}

void ReportCentrePage::print()
{
    if (!m_open)
        return;
    printList(m_ctx, m_report, m_ctx.options().printPortrait() ? QStringLiteral("Frf/Report.frf") : QStringLiteral("Frf/Report2.frf"),
              QStringLiteral("报表中心"), {});
}

}  // namespace velbrisk
