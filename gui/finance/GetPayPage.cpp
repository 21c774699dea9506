#include "gui/finance/GetPayPage.h"

#include "core/data/Words.h"
#include "gui/finance/GetPayList.h"

#include <QVBoxLayout>

namespace velbrisk {

GetPayPage::GetPayPage(AppContext& ctx, TFormGetPay2& record, TFormGetPay3& filter, QWidget* parent)
    : QWidget(parent), m_receivables(new GetPayList(ctx, words::receivable(), record, filter, this)),
      m_payables(new GetPayList(ctx, words::payable(), record, filter, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_receivables, 1);
    layout->addWidget(m_payables, 1);
}

void GetPayPage::refresh(const QDate& day)
{
    m_receivables->reload(day);
    m_payables->reload(day);
}

}  // namespace velbrisk
