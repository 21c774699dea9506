#include "gui/bills/RoomCakeForm.h"

#include "core/bills/Bills.h"
#include "core/data/ChartData.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/ChartPanel.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

void layOutChartWindow(QDialog* window, AppContext& ctx, ChartPanel* panel, const QString& fileName)
{
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(panel, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(makeButton(window, QStringLiteral("存为图片"), [&ctx, panel, fileName] { saveChartPicture(*panel, ctx.g.AppDir, ctx.platform, fileName); }));
    buttons->addWidget(makeButton(window, QStringLiteral("退出"), [window] { window->reject(); }));
    layout->addLayout(buttons);
}

TFormRoomCake::TFormRoomCake(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx), m_panel(new ChartPanel(this))
{
    setWindowTitle(QStringLiteral("房间状态分析"));
    layOutChartWindow(this, ctx, m_panel, QStringLiteral("RoomCake.bmp"));
    connect(m_panel, &ChartPanel::typeChanged, this, &TFormRoomCake::Refresh);
    resize(700, 480);
}

int TFormRoomCake::exec()
{
    Refresh();
    return QDialog::exec();
}

void TFormRoomCake::Refresh()
{
    Query& q = m_ctx.dm.ADOQueryTemp;
    QList<ChartPoint> points;
    if (OpenQuery(q, roomStateChartSql(), QStringLiteral("房间获取失败")))
        points = readChartPoints(q, QStringLiteral("RoomState"), QStringLiteral("StateNum"));
    q.close();
    m_panel->showPoints(points);
}

}  // namespace velbrisk
