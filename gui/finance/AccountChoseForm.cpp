#include "gui/finance/AccountChoseForm.h"

#include "core/data/Clock.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/MomentPicker.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

namespace velbrisk {

TFormAccountChose::TFormAccountChose(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_accountBox(new QCheckBox(QStringLiteral("帐户范围"), this)),
      m_accounts(new QListWidget(this)), m_dateBox(new QCheckBox(QStringLiteral("日期范围"), this)),
      m_from(new QDateEdit(this)), m_to(new QDateEdit(this))
{
    setWindowTitle(QStringLiteral("统计范围选择"));
    m_accounts->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_accounts->setEnabled(false);
    const QDate start = Clock::today();
    m_from->setDate(QDate(start.year(), start.month(), 1));
    m_to->setDate(QDate(start.year(), start.month(), start.daysInMonth()));
    for (QDateEdit* d : {m_from, m_to}) {
        setUpDatePicker(d);
        d->setEnabled(false);
    }
    connect(m_accountBox, &QCheckBox::toggled, m_accounts, &QWidget::setEnabled);
    connect(m_dateBox, &QCheckBox::toggled, m_from, &QWidget::setEnabled);
    connect(m_dateBox, &QCheckBox::toggled, m_to, &QWidget::setEnabled);
    auto* g = new QGridLayout(this);
    g->addWidget(m_accountBox, 0, 0);
    g->addWidget(m_accounts, 1, 0, 1, 3);
    g->addWidget(m_dateBox, 2, 0);
    g->addWidget(m_from, 3, 0);
    g->addWidget(new QLabel(QStringLiteral("至"), this), 3, 1);
    g->addWidget(m_to, 3, 2);
    g->addLayout(okCancelRow(this, [this] { accept(); }), 4, 0, 1, 3);
}

int TFormAccountChose::exec()
{
    prepare();
    return QDialog::exec();
}

void TFormAccountChose::prepare()
{
    m_accounts->clear();
    Query& q = m_ctx.dm.ADOQueryTemp;
    if (OpenQuery(q, QStringLiteral("Select * From Account Where (AccountIndex > 1)") + m_ctx.g.AccountBookFilter
                         + QStringLiteral(" Order By AccountIndex"),
                  QStringLiteral("帐户读入失败")))
        for (q.first(); !q.eof(); q.next())
            m_accounts->addItem(q.str(QStringLiteral("AccountName")));
    q.close();
}

QStringList TFormAccountChose::chosenAccounts() const
{
    QStringList out;
    if (!m_accountBox->isChecked())
        return out;
    for (QListWidgetItem* item : m_accounts->selectedItems())
        out << item->text();
    return out;
}

}  // namespace velbrisk
