#include "gui/finance/GetPayList.h"

#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/context/AppContext.h"
#include "gui/finance/GetPay2Form.h"
#include "gui/finance/GetPay3Form.h"
#include "gui/report/ListPrint.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/GridExport.h"
#include "gui/widgets/ProgressForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velbrisk {

GetPayList::GetPayList(AppContext& ctx, QString kind, TFormGetPay2& record, TFormGetPay3& filter, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_kind(std::move(kind)), m_record(record), m_filter(filter), m_list(ctx.dm.ADOConnection1), m_grid(new DataGrid(this)),
      m_filterNote(new QLabel(QStringLiteral("已按查找条件筛选，只列出符合条件的记录；在“查找记录”中清空条件并确定，即列出全部记录"), this)),
      m_views{new QRadioButton(QStringLiteral("按记录显示"), this), new QRadioButton(QStringLiteral("按客户显示"), this),
              new QRadioButton(QStringLiteral("按日期显示"), this)}
{
    const bool receivable = m_kind == words::receivable();
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    auto* side = new QVBoxLayout;
    auto* banner = new QLabel(this);
    banner->setPixmap(QPixmap(m_ctx.g.resourcePath(receivable ? QStringLiteral("Res/GetList.bmp") : QStringLiteral("Res/PayList.bmp"))));
    banner->setFixedSize(220, 30);
    banner->setScaledContents(true);
    side->addWidget(banner);
    auto* top = new QHBoxLayout;
    top->addWidget(makeButton(this, QStringLiteral("查找记录"), [this] { find(); }));
    top->addWidget(makeButton(this, QStringLiteral("打印记录"), [this] { print(); }));
    side->addLayout(top);
    auto* lower = new QHBoxLayout;
    auto* ops = new QVBoxLayout;
    m_recordButtons = {makeButton(this, QStringLiteral("新增记录"), [this] { add(); }),
                       makeButton(this, QStringLiteral("修改记录"), [this] { edit(); }),
                       makeButton(this, QStringLiteral("删除记录"), [this] { remove(); })};
    for (QPushButton* b : m_recordButtons) {
        // Hidden in the grouped views, but keeping their place: the view
        // choice beside them stays under the mouse.
        QSizePolicy keep = b->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        b->setSizePolicy(keep);
        ops->addWidget(b);
    }
    ops->addStretch();
    lower->addLayout(ops);
    auto* box = new QGroupBox(QStringLiteral("记录显示方式"), this);
    auto* boxLayout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(this);
    for (QRadioButton* r : m_views) {
        boxLayout->addWidget(r);
        group->addButton(r);
        connect(r, &QRadioButton::clicked, this, [this] { reload(); });
    }
    lower->addWidget(box);
    side->addLayout(lower);
    side->addStretch();
    row->addLayout(side);
    auto* list = new QVBoxLayout;
    m_filterNote->setStyleSheet(QStringLiteral("color: red"));
    m_filterNote->setWordWrap(true);
    m_filterNote->hide();
    list->addWidget(m_filterNote);
    list->addWidget(m_grid, 1);
    row->addLayout(list, 1);
    auto* exportButton = makeButton(this, QStringLiteral("导出"), [this] {
        ExportGridToExcel(*m_grid, m_ctx.g.AppDir, m_ctx.platform, m_ctx.progress);
    });
    auto* right = new QVBoxLayout;
    right->addWidget(exportButton);
    right->addStretch();
    row->addLayout(right);
    m_views[0]->setChecked(true);
    m_grid->setQuery(&m_list);
    connect(m_grid, &DataGrid::rowActivated, this, [this] { edit(); });
}

QRadioButton* GetPayList::viewButton(GetPayView view) const { return m_views[int(view)]; }

GetPayView GetPayList::view() const
{
    return m_views[1]->isChecked() ? GetPayView::Customers : m_views[2]->isChecked() ? GetPayView::Dates : GetPayView::Records;
}

void GetPayList::setView(GetPayView view)
{
    m_views[int(view)]->setChecked(true);
    reload();
}

QString GetPayList::condition() const
{
    return m_kind == words::receivable() ? m_filter.GetCondition : m_filter.PayCondition;
}

void GetPayList::reload(const QDate& day)
{
    m_day = day;
    const GetPayView v = view();
    if (!OpenQuery(m_list, getPayListSql(m_kind, condition(), v), words::dbOpenFailed()))
        return;
    QList<GridColumn> columns;
    for (const GetPayColumn& c : getPayColumns(m_kind, v))
        columns << GridColumn{c.field, c.title, c.width, true, QString(), true};
    m_grid->setColumns(columns);
    // The grouped views hold a row per customer or day: read them whole.
    if (v == GetPayView::Records)
        m_list.prepareTotals({QStringLiteral("GetPaySum"), QStringLiteral("GetPaySum2"), QStringLiteral("GetPaySum3")});
    else
        m_list.fetchAll();
    m_grid->reload();
    m_grid->clearFooter();
    m_grid->setFooterText(QStringLiteral("GetPayTime"), QStringLiteral("合计"));
    if (v != GetPayView::Dates)
        m_grid->setFooterText(QStringLiteral("GetPayUser"), QString::number(m_list.recordCount()) + QStringLiteral(" 条记录"));
    m_grid->setFooterSum(QStringLiteral("GetPaySum"), 2, QString(), Qt::black);
    m_grid->setFooterSum(QStringLiteral("GetPaySum2"), 2, QString(), Qt::blue);
    m_grid->setFooterSum(QStringLiteral("GetPaySum3"), 2, QString(), Qt::red);
    for (QPushButton* b : m_recordButtons)
        b->setVisible(v == GetPayView::Records);
    m_filterNote->setVisible(!condition().isEmpty());
}

void GetPayList::find()
{
    m_filter.Kind = m_kind;
    m_filter.LedgerDate = m_day;
    if (m_filter.exec() == QDialog::Accepted)
        reload();
}

void GetPayList::print()
{
    if (m_list.isOpen())
        printList(m_ctx, m_list, getPayTemplate(m_kind, view()), m_kind == words::receivable() ? QStringLiteral("应收款记录")
                                                                                              : QStringLiteral("应付款记录"));
}

void GetPayList::add()
{
    m_record.Mode = EditMode::New;
    m_record.Kind = m_kind;
    m_record.LedgerDate = m_day;
    m_record.exec();
    if (m_record.Changed)
        reload();
}

void GetPayList::edit()
{
    if (view() != GetPayView::Records)
        return;
    if (!m_list.isOpen() || !m_grid->moveQueryToCurrent() || m_list.isNull(QStringLiteral("GetPayIndex"))) {
        m_ctx.prompt().inform(QStringLiteral("请先选中要修改的记录"));
        return;
    }
    const int index = int(m_list.integer(QStringLiteral("GetPayIndex")));
    m_record.Mode = EditMode::Edit;
    m_record.EditIndex = index;
    m_record.Kind = m_list.str(QStringLiteral("GetPayKind"));
    m_record.LedgerDate = m_day;
    m_record.exec();
    if (!m_record.Changed)
        return;
    reload();
    const int col = m_list.fieldIndex(QStringLiteral("GetPayIndex"));
    for (int r = 0; col >= 0 && r < m_grid->model()->rowCount(); ++r)
        if (m_list.valueAt(r, col).toInt() == index) {
            m_grid->setCurrentRow(r);
            break;
        }
}

void GetPayList::remove()
{
    if (view() != GetPayView::Records)
        return;
    if (!m_list.isOpen() || !m_grid->moveQueryToCurrent() || m_list.isNull(QStringLiteral("GetPayIndex"))) {
        m_ctx.prompt().inform(QStringLiteral("请先选中要删除的记录"));
        return;
    }
    const int index = int(m_list.integer(QStringLiteral("GetPayIndex")));
    if (!m_ctx.prompt().ask(QStringLiteral("确实要删除该记录吗？"), QStringLiteral("删除警告")))
        return;
    int linked = 0;
    if (const SaveResult r = linkedMoneyCount(m_ctx.dm.ADOQueryTemp, index, &linked); !r.saved) {
        m_ctx.prompt().inform(r.message);
        return;
    }
    bool withMoney = false;
    if (linked > 0)
        withMoney = m_ctx.prompt().ask(m_kind == words::receivable()
                                           ? QStringLiteral("该应收记录有对应的财务收款记录，是否一并删除？")
                                           : QStringLiteral("该应付记录有对应的财务付款记录，是否一并删除？"),
                                       QStringLiteral("删除选择"));
    const SaveResult r = deleteGetPay(m_ctx.dm.ADOQueryTemp, index, withMoney);
    if (!r.saved) {
        m_ctx.prompt().inform(r.message);
        return;
    }
    // The finance window shows every change of money; this list at least
    // shows its own.
    reload();
    emit m_ctx.dm.changes.moneyChanged();
}

}  // namespace velbrisk
