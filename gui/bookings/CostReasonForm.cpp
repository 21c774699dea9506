#include "gui/bookings/CostReasonForm.h"

#include "core/bookings/Consumption.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velbrisk {

TFormCostReason::TFormCostReason(AppContext& ctx, QWidget* parent)
    : EditDialog(ctx.prompt(), parent), m_ctx(ctx),
      m_name(new QLineEdit(this)), m_price(new QLineEdit(this))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("经营项目"));
    setField(QStringLiteral("Name"), m_name);
    auto* g = new QGridLayout(this);
    g->addWidget(new QLabel(QStringLiteral("项目名称："), this), 0, 0);
    g->addWidget(m_name, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("项目价格："), this), 1, 0);
    g->addWidget(m_price, 1, 1);
    g->addLayout(buttonRow([this] { ActionYesExecute(); }), 2, 0, 1, 2);
    setFixedSize(sizeHint().expandedTo(QSize(280, 120)));
}

void TFormCostReason::prepare()
{
    m_name->clear();
    m_price->setText(QStringLiteral("0"));
    if (!isNew()) {
        Query& q = m_ctx.dm.ADOQueryTemp;
        if (OpenQuery(q, QStringLiteral("Select * From CostReason Where CostReasonIndex = ") + QString::number(EditIndex),
                      words::dbOpenFailed())
            && !q.eof()) {
            m_name->setText(q.str(QStringLiteral("CostReasonName")));
            m_price->setText(FormatRounded(q.num(QStringLiteral("CostReasonPrice"))));
        }
        q.close();
    }
    m_name->setFocus();
}

void TFormCostReason::ActionYesExecute()
{
    finish(saveCatalogueItem(m_ctx.dm.ADOQueryTemp, isNew() ? 0 : EditIndex, m_name->text(), m_price->text()));
}

}  // namespace velbrisk
