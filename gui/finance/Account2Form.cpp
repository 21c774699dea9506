#include "gui/finance/Account2Form.h"

#include "core/data/Clock.h"
#include "core/data/JetSql.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "core/finance/Accounts.h"
#include "core/finance/Reports.h"
#include "gui/context/AppContext.h"
#include "gui/finance/AccountForm.h"
#include "gui/finance/DrawForm.h"
#include "gui/finance/GetPayForm.h"
#include "gui/widgets/Buttons.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace velbrisk {

TFormAccount2::TFormAccount2(AppContext& ctx, TFormGetPay& voucher, TFormDraw& transferWindow, TFormAccount& account,
                             QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_voucher(voucher), m_transfer(transferWindow), m_account(account), m_name(new QLabel(this)), m_balance(new QLabel(this))
{
    setWindowTitle(QStringLiteral("帐户操作"));
    m_balance->setStyleSheet(QStringLiteral("color: blue"));
    auto* g = new QGridLayout(this);
    g->addWidget(new QLabel(QStringLiteral("帐户名称："), this), 0, 0);
    g->addWidget(m_name, 0, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("帐户余额："), this), 1, 0);
    g->addWidget(m_balance, 1, 1, 1, 2);
    const struct {
        const char* caption;
        std::function<void()> run;
    } actions[] = {
        {"收入", [this] { newVoucher(words::moneyIn()); }},
        {"支出", [this] { newVoucher(words::moneyOut()); }},
        {"平调", [this] { transfer(); }},
        {"当月记录", [this] { monthRecords(); }},
        {"修改帐户", [this] { editAccount(); }},
        {"取消操作", [this] { reject(); }},
    };
    int i = 0;
    for (const auto& a : actions) {
        g->addWidget(makeButton(this, QString::fromUtf8(a.caption), a.run), 2 + i / 3, i % 3);
        ++i;
    }
}

int TFormAccount2::exec()
{
    RecordsAsked.reset();
    m_name->setText(AccountName);
    m_balance->setText(BalanceText);
    return QDialog::exec();
}

void TFormAccount2::newVoucher(const QString& kind)
{
    m_voucher.FixedAccount = AccountName;
    m_voucher.Mode = EditMode::New;
    m_voucher.Kind = kind;
    m_voucher.LedgerDate = LedgerDate;
    m_voucher.PresetUser.clear();
    m_voucher.PresetSum.clear();
    m_voucher.PresetRemark.clear();
    m_voucher.exec();
    accept();
}

void TFormAccount2::transfer()
{
    m_transfer.FixedAccount = AccountName;
    m_transfer.LedgerDate = LedgerDate;
    m_transfer.exec();
    accept();
}

void TFormAccount2::monthRecords()
{
    RecordsAsked = monthOfAccount(AccountName, LedgerDate.isValid() ? LedgerDate : Clock::today());
    accept();
}

void TFormAccount2::editAccount()
{
    m_account.AccountName = AccountName;
    if (m_account.exec() != QDialog::Accepted)
        return;
    Query& q = m_ctx.dm.ADOQueryTemp;
    QString message;
    if (m_account.Deleted) {
        message = QStringLiteral("帐户　") + AccountName + QStringLiteral("　删除成功");
    } else {
        const SaveResult r = updateAccount(q, AccountName, m_account.Result);
        if (!r.saved) {
            // A name in use: nothing stored, this window stays open.
            m_ctx.prompt().inform(r.message);
            return;
        }
        message = r.message;
    }
    m_ctx.prompt().inform(message);
    emit m_ctx.dm.changes.moneyChanged();
    accept();
}

}  // namespace velbrisk
