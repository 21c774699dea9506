#include "gui/finance/DrawForm.h"

#include "core/data/Clock.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/ComboList.h"
#include "gui/widgets/MomentPicker.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace velbrisk {

TFormDraw::TFormDraw(AppContext& ctx, QWidget* parent)
    : EditDialog(ctx.prompt(), parent), m_ctx(ctx), m_source(new QComboBox(this)), m_target(new QComboBox(this)),
      m_amount(new QLineEdit(this)), m_date(new QDateEdit(this)), m_remark(new QLineEdit(this))
{
    setField(QStringLiteral("Source"), m_source);
    setField(QStringLiteral("Target"), m_target);
    setField(QStringLiteral("Amount"), m_amount);
    setUpDatePicker(m_date);
    auto* g = new QGridLayout(this);
    auto* banner = new QLabel(this);
    banner->setPixmap(QPixmap(m_ctx.g.resourcePath(QStringLiteral("Res/NewDraw.bmp"))));
    banner->setFixedHeight(48);
    banner->setScaledContents(true);
    g->addWidget(banner, 0, 0, 1, 4);
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(QStringLiteral("由"), this));
    line->addWidget(m_source, 1);
    line->addWidget(new QLabel(QStringLiteral("调出至"), this));
    line->addWidget(m_target, 1);
    g->addLayout(line, 1, 0, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("金额"), this), 2, 0);
    g->addWidget(m_amount, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("时间"), this), 2, 2);
    g->addWidget(m_date, 2, 3);
    g->addWidget(new QLabel(QStringLiteral("备注"), this), 3, 0);
    g->addWidget(m_remark, 3, 1, 1, 3);
    g->addLayout(buttonRow([this] { confirm(); }), 4, 0, 1, 4);
    setMinimumWidth(460);
}

void TFormDraw::prepare()
{
    Query& q = m_ctx.dm.ADOQueryTemp;
    const QString accounts = QStringLiteral("Select * From Account Where (AccountIndex > 1)") + m_ctx.g.AccountBookFilter;
    auto fill = [&](QComboBox* box) {
        box->clear();
        if (OpenQuery(q, accounts, QStringLiteral("帐户读入失败")))
            for (q.first(); !q.eof(); q.next())
                box->addItem(q.str(QStringLiteral("AccountName")));
        q.close();
        box->setCurrentIndex(-1);
    };
    if (!FixedAccount.isEmpty()) {
        m_source->clear();
        m_source->addItem(FixedAccount);
        m_source->setCurrentIndex(0);
        m_source->setEnabled(false);
        FixedAccount.clear();
    } else {
        m_source->setEnabled(true);
        fill(m_source);
        m_source->setFocus();
    }
    fill(m_target);
    m_amount->clear();
    m_remark->clear();
    m_date->setDate(LedgerDate.isValid() ? LedgerDate : Clock::today());
}

void TFormDraw::confirm()
{
    const TransferInput in{m_source->currentText(), m_target->currentText(), m_amount->text(), m_date->date(),
                           m_remark->text()};
    Query& q = m_ctx.dm.ADOQueryTemp;
    TransferPlan plan;
    SaveResult r = planTransfer(q, in, &plan);
    if (r.saved && plan.overdraws()
        && !m_ctx.prompt().ask(QStringLiteral("输入的金额已经超过调出帐户所具有的资金，是否继续？"), QStringLiteral("操作确认")))
        return;
    if (r.saved)
        r = writeTransfer(q, plan, in, Clock::today());
    if (r.saved)
        emit m_ctx.dm.changes.moneyChanged();
    finish(r);
}

}  // namespace velbrisk
