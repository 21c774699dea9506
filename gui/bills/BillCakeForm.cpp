#include "gui/bills/BillCakeForm.h"

#include "core/bills/Bills.h"
#include "core/data/ChartData.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "gui/bills/RoomCakeForm.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/ChartPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

TFormBillCake::TFormBillCake(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_panel(new ChartPanel(this)), m_content(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("经营数据分析"));
    m_content->addItems({QStringLiteral("房租收入"), QStringLiteral("物品消费"), QStringLiteral("经营收入")});
    m_panel->controls()->insertWidget(2, new QLabel(QStringLiteral("分析内容："), this));
    m_panel->controls()->insertWidget(3, m_content);
    layOutChartWindow(this, ctx, m_panel, QStringLiteral("BillCake.bmp"));
    connect(m_panel, &ChartPanel::typeChanged, this, &TFormBillCake::Refresh);
    connect(m_content, &QComboBox::currentIndexChanged, this, &TFormBillCake::Refresh);
    resize(760, 500);
}

int TFormBillCake::exec()
{
    Refresh();
    return QDialog::exec();
}

void TFormBillCake::Refresh()
{
    const QString content = m_content->currentText();
    Query& q = m_ctx.dm.ADOQueryTemp;
    QList<ChartPoint> points;
    if (OpenQuery(q, billChartSql(content, BillCondition),
                  content == QStringLiteral("物品消费") ? QStringLiteral("单据获取失败") : QStringLiteral("房间获取失败")))
        points = readChartPoints(q, content == QStringLiteral("物品消费") ? QStringLiteral("CostReason") : QStringLiteral("RoomName"),
                                 QStringLiteral("TotalSum"));
    q.close();
    m_panel->showPoints(points);
}

}  // namespace velbrisk
