#include "gui/finance/GetPay4Form.h"

#include "core/data/JetSql.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/DataGrid.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velbrisk {

TFormGetPay4::TFormGetPay4(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_list(ctx.dm.ADOConnection1), m_hint(new QLabel(this)), m_grid(new DataGrid(this))
{
    setWindowTitle(QStringLiteral("应收应付记录对应"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_hint);
    layout->addWidget(m_grid, 1);
    layout->addLayout(okCancelRow(this, [this] { confirm(); }));
    m_grid->setQuery(&m_list);
    connect(m_grid, &DataGrid::rowActivated, this, [this] { confirm(); });
    resize(640, 360);
}

int TFormGetPay4::exec()
{
    prepare();
    return QDialog::exec();
}

void TFormGetPay4::prepare()
{
    ChosenGetPay = 0;
    const bool receivable = Kind == words::receivable();
    m_hint->setText(receivable ? QStringLiteral("提示：是否更新该客户的应收记录，如果是，请先选择一条应收记录")
                               : QStringLiteral("提示：是否更新该客户的应付记录，如果是，请先选择一条应付记录"));
    const QString k = receivable ? QStringLiteral("收") : QStringLiteral("付");
    m_grid->setColumns({{QStringLiteral("GetPayTime"), QStringLiteral("应") + k + QStringLiteral("日期"), 90},
                        {QStringLiteral("GetPayUser"), QStringLiteral("应") + k + QStringLiteral("客户"), 120},
                        {QStringLiteral("GetPaySum"), QStringLiteral("应") + k + QStringLiteral("金额"), 80},
                        {QStringLiteral("GetPaySum2"), QStringLiteral("已") + k + QStringLiteral("金额"), 80},
                        {QStringLiteral("GetPaySum3"), QStringLiteral("尚欠金额"), 80},
                        {QStringLiteral("GetPayRemark"), QStringLiteral("备注信息"), 160}});
    OpenQuery(m_list,
              QStringLiteral("Select * From GetPay Where (GetPayUser = ") + quoted(Customer)
                  + QStringLiteral(") And (GetPayKind = ") + quoted(Kind) + QStringLiteral(") Order By GetPayTime, GetPayIndex"),
              words::dbOpenFailed());
    m_grid->reload();
    m_grid->clearFooter();
    m_grid->setFooterText(QStringLiteral("GetPayTime"), QStringLiteral("合计"));
    for (const char* f : {"GetPaySum", "GetPaySum2", "GetPaySum3"})
        m_grid->setFooterSum(QString::fromLatin1(f));
    if (m_grid->model()->rowCount() > 0)
        m_grid->setCurrentRow(0);
}

void TFormGetPay4::confirm()
{
    if (!m_list.isOpen() || !m_grid->moveQueryToCurrent() || m_list.isNull(QStringLiteral("GetPayIndex"))) {
        m_ctx.prompt().inform(QStringLiteral("请先选中一条记录"));
        return;
    }
    ChosenGetPay = int(m_list.integer(QStringLiteral("GetPayIndex")));
    accept();
}

}  // namespace velbrisk
