#include "gui/finance/AccountSearchForm.h"

#include "core/data/ConditionBuilder.h"
#include "gui/widgets/Buttons.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace velbrisk {

TFormAccountSearch::TFormAccountSearch(QWidget* parent)
    : QDialog(parent), m_name(new QLineEdit(this)), m_remark(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("帐户记录搜索"));
    auto* g = new QGridLayout(this);
    g->addWidget(new QLabel(QStringLiteral("帐户名称："), this), 0, 0);
    g->addWidget(m_name, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("帐户备注："), this), 1, 0);
    g->addWidget(m_remark, 1, 1);
    g->addLayout(okCancelRow(this, [this] {
                     Condition = ConditionBuilder()
                                     .contains(QStringLiteral("AccountName"), m_name->text())
                                     .contains(QStringLiteral("AccountRemark"), m_remark->text())
                                     .text();
                     accept();
                 }),
                 2, 0, 1, 2);
}

int TFormAccountSearch::exec()
{
    m_name->clear();
    m_remark->clear();
    m_name->setFocus();
    return QDialog::exec();
}

}  // namespace velbrisk
