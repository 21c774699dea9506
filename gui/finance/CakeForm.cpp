#include "gui/finance/CakeForm.h"

#include "core/data/ChartData.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "core/finance/Reports.h"
#include "gui/context/AppContext.h"
#include "gui/report/ListPrint.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/ChartPanel.h"
#include "gui/widgets/DataGrid.h"

#include <QChart>
#include <QComboBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velbrisk {

TFormCake::TFormCake(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_rows(ctx.dm.ADOConnection1), m_icon(new QLabel(this)), m_analysis(new QComboBox(this)),
      m_kind(new QComboBox(this)), m_tabs(new QTabWidget(this)), m_panel(new ChartPanel(this)), m_table(new DataGrid(this))
{
    setWindowTitle(QStringLiteral("报表数据分析"));
    m_icon->setFixedSize(32, 32);
    for (const CakeAnalysis& a : cakeAnalyses())
        m_analysis->addItem(QString::fromUtf8(a.caption));
    m_kind->addItems({QStringLiteral("综合统计收支"), QStringLiteral("仅统计收入"), QStringLiteral("仅统计支出")});
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(m_icon);
    top->addWidget(m_analysis);
    top->addWidget(m_kind);
    top->addStretch();
    top->addWidget(makeButton(this, QStringLiteral("退出"), [this] { reject(); }));
    layout->addLayout(top);

    auto* chartPage = new QWidget;
    auto* chart = new QVBoxLayout(chartPage);
    chart->addWidget(m_panel, 1);
    m_panel->controls()->addStretch();
    m_panel->controls()->addWidget(
        makeButton(chartPage, QStringLiteral("存成图片"), [this] { saveChartPicture(*m_panel, m_ctx.g.AppDir, m_ctx.platform, QStringLiteral("Cake.bmp")); }));
    m_tabs->addTab(chartPage, QStringLiteral("用图形显示"));
    auto* tablePage = new QWidget;
    auto* table = new QVBoxLayout(tablePage);
    table->addWidget(new QLabel(QStringLiteral("分项统计"), tablePage));
    table->addWidget(m_table, 1);
    auto* print = new QHBoxLayout;
    print->addStretch();
    print->addWidget(makeButton(tablePage, QStringLiteral("报表打印"), [this] {
        printList(m_ctx, m_rows, QStringLiteral("Frf/Cake.frf"), windowTitle());
    }));
    table->addLayout(print);
    m_tabs->addTab(tablePage, QStringLiteral("用列表显示"));
    layout->addWidget(m_tabs, 1);

    m_table->setColumns({{QStringLiteral("DataFieldName"), QStringLiteral("参数名称"), 160},
                         {QStringLiteral("MoneyIn"), QStringLiteral("收入金额"), 100, true, QStringLiteral("0.00"), false, true},
                         {QStringLiteral("MoneyOut"), QStringLiteral("支出金额"), 100, true, QStringLiteral("0.00"), false, true},
                         {QStringLiteral("MoneySum"), QStringLiteral("合计金额"), 100, true, QStringLiteral("0.00"), false, true}});
    m_table->setQuery(&m_rows);
    m_panel->chart()->setTitle(QStringLiteral("图形数据分析"));
    connect(m_analysis, &QComboBox::currentIndexChanged, this, &TFormCake::Recompute);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &TFormCake::Recompute);
    connect(m_panel, &ChartPanel::typeChanged, this, &TFormCake::Recompute);
    resize(760, 540);
}

int TFormCake::exec()
{
    Recompute();
    return QDialog::exec();
}

void TFormCake::Recompute()
{
    const CakeAnalysis& a = cakeAnalyses().at(std::max(0, m_analysis->currentIndex()));
    m_iconFile = QString::fromLatin1(a.icon);
    m_icon->setPixmap(QIcon(m_ctx.g.resourcePath(m_iconFile)).pixmap(32, 32));
    const QString kind = cakeKindCondition(m_kind->currentIndex());
    Query& q = m_ctx.dm.ADOQueryTemp;
    QList<ChartPoint> points;
    if (OpenQuery(q, cakeChartSql(a, m_ctx.g.AccountBookFilter, Condition, kind), QString::fromUtf8(a.failure)))
        points = readChartPoints(q, QString::fromLatin1(a.field), QStringLiteral("TotalSum"));
    q.close();
    m_panel->showPoints(points);
    // A row per group: read them whole, the footers then need no statement.
    if (OpenQuery(m_rows, cakeTableSql(a, m_ctx.g.AccountBookFilter, Condition, kind), words::dbOpenFailed()))
        m_rows.fetchAll();
    m_table->reload();
    m_table->clearFooter();
    m_table->setFooterText(QStringLiteral("DataFieldName"),
                           QStringLiteral("共 ") + QString::number(m_rows.isOpen() ? m_rows.recordCount() : 0) + QStringLiteral(" 条记录"));
    m_table->setFooterSum(QStringLiteral("MoneyIn"), 2, QString(), Qt::blue);
    m_table->setFooterSum(QStringLiteral("MoneyOut"), 2, QString(), Qt::red);
    m_table->setFooterSum(QStringLiteral("MoneySum"));
}

}  // namespace velbrisk
