#include "gui/finance/GetPay3Form.h"

#include "core/data/Clock.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "core/finance/GetPays.h"
#include "gui/context/AppContext.h"
#include "gui/finance/FinanceActions.h"
#include "gui/finance/GetPayForm.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/ComboList.h"
#include "gui/widgets/MomentPicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velbrisk {

TFormGetPay3::TFormGetPay3(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_customer(new QComboBox(this)), m_span(new QCheckBox(QStringLiteral("时间范围"), this)),
      m_from(new QDateEdit(this)), m_to(new QDateEdit(this)), m_reason(new QComboBox(this)), m_man(new QComboBox(this)),
      m_remark(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("应收应付记录筛选"));
    for (QComboBox* c : {m_customer, m_reason, m_man})
        c->setEditable(true);
    for (QDateEdit* d : {m_from, m_to}) {
        setUpDatePicker(d);
        d->setEnabled(false);
    }
    connect(m_span, &QCheckBox::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
    });
    auto* g = new QGridLayout(this);
    g->addWidget(new QLabel(QStringLiteral("客户名称"), this), 0, 0);
    g->addWidget(m_customer, 0, 1, 1, 3);
    g->addWidget(m_span, 1, 0);
    g->addWidget(m_from, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("至"), this), 1, 2);
    g->addWidget(m_to, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("收支种类"), this), 2, 0);
    g->addWidget(m_reason, 2, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("业 务 员"), this), 3, 0);
    g->addWidget(m_man, 3, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("备注信息"), this), 4, 0);
    g->addWidget(m_remark, 4, 1, 1, 3);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(makeButton(this, QStringLiteral(" 确定"), [this] { confirm(); }));
    row->addWidget(makeButton(this, QStringLiteral(" 取消"), [this] { reject(); }));
    g->addLayout(row, 5, 0, 1, 4);
}

int TFormGetPay3::exec()
{
    prepare();
    return QDialog::exec();
}

void TFormGetPay3::prepare()
{
    loadGetPayWords(m_ctx, Kind, m_customer, m_reason, m_man);
    for (QComboBox* c : {m_customer, m_reason, m_man})
        c->setCurrentText(QString());
    const QDate d = LedgerDate.isValid() ? LedgerDate : Clock::today();
    m_from->setDate(QDate(d.year(), d.month(), 1));
    m_to->setDate(QDate(d.year(), d.month(), d.daysInMonth()));
    m_from->setEnabled(m_span->isChecked());
    m_to->setEnabled(m_span->isChecked());
}

void TFormGetPay3::confirm()
{
    const QString condition = getPayCondition({m_customer->currentText(), m_span->isChecked(), m_from->date(), m_to->date(),
                                               m_reason->currentText(), m_man->currentText(), m_remark->text()});
    (Kind == words::receivable() ? GetCondition : PayCondition) = condition;
    accept();
}

}  // namespace velbrisk
