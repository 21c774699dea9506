#include "bills/RoomCakeForm.h"

#include "app/AppContext.h"
#include "bills/Bills.h"
#include "data/ChartData.h"
#include "data/PublicFunction.h"
#include "data/ShareDM.h"
#include "widgets/Buttons.h"
#include "widgets/ChartPanel.h"

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
    buttons->addWidget(makeButton(window, QStringLiteral("存为图片"), [&ctx, panel, fileName] { saveChartPicture(ctx, *panel, fileName); }));
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
