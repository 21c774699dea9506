#include "gui/finance/AccountForm.h"

#include "core/data/JetSql.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace velbrisk {

TFormAccount::TFormAccount(AppContext& ctx, QWidget* parent)
    : EditDialog(ctx.prompt(), parent), m_ctx(ctx), m_bank(new QCheckBox(QStringLiteral("银行帐户"), this)),
      m_cash(new QCheckBox(QStringLiteral("现金帐户"), this)), m_picture(new QLabel(this)), m_name(new QLineEdit(this)),
      m_amount(new QLineEdit(this)), m_remark(new QPlainTextEdit(this)), m_delete(nullptr)
{
    setField(QStringLiteral("Type"), m_bank);
    setField(QStringLiteral("Name"), m_name);
    setField(QStringLiteral("Amount"), m_amount);
    m_picture->setFixedSize(96, 80);
    m_picture->setScaledContents(true);
    m_remark->setPlaceholderText(QStringLiteral("备注信息：可填写帐户卡号，开户地址等"));
    m_remark->setFixedHeight(70);
    // The two boxes are one choice; clicking the ticked one keeps it ticked.
    connect(m_bank, &QCheckBox::clicked, this, [this] { setType(1); });
    connect(m_cash, &QCheckBox::clicked, this, [this] { setType(2); });

    auto* g = new QGridLayout(this);
    g->addWidget(new QLabel(QStringLiteral("帐户类型："), this), 0, 0);
    auto* types = new QHBoxLayout;
    types->addWidget(m_bank);
    types->addWidget(m_cash);
    types->addStretch();
    g->addLayout(types, 0, 1);
    g->addWidget(m_picture, 0, 2, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("帐户名称："), this), 1, 0);
    g->addWidget(m_name, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("期初金额："), this), 2, 0);
    g->addWidget(m_amount, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("备注信息："), this), 3, 0, Qt::AlignTop);
    g->addWidget(m_remark, 3, 1, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(makeButton(this, QStringLiteral("确定"), [this] { confirm(); }));
    buttons->addWidget(makeButton(this, QStringLiteral("取消"), [this] { reject(); }));
    m_delete = makeButton(this, QStringLiteral("删除"), [this] { remove(); });
    buttons->addWidget(m_delete);
    g->addLayout(buttons, 4, 0, 1, 3);
}

void TFormAccount::setType(int type)
{
    m_type = type;
    m_bank->setChecked(type == 1);
    m_cash->setChecked(type == 2);
    const char* pictures[] = {"Res/EmptyAccount.bmp", "Res/CompanyAccount2.bmp", "Res/CompanyAccount3.bmp"};
    m_picture->setPixmap(QPixmap(m_ctx.g.resourcePath(QString::fromLatin1(pictures[type >= 0 && type <= 2 ? type : 0]))));
}

void TFormAccount::prepare()
{
    Deleted = false;
    Result = AccountInput();
    int type = 0;
    m_name->clear();
    m_amount->setText(QStringLiteral("0"));
    m_remark->clear();
    if (AccountName.isEmpty()) {
        setWindowTitle(QStringLiteral("新增帐户"));
        m_delete->hide();
    } else {
        setWindowTitle(QStringLiteral("修改帐户"));
        Query& q = m_ctx.dm.ADOQueryTemp;
        if (OpenQuery(q, QStringLiteral("Select * From Account Where AccountName = ") + quoted(AccountName),
                      words::dbOpenFailed())
            && !q.eof()) {
            type = int(q.integer(QStringLiteral("AccountType")));
            m_name->setText(q.str(QStringLiteral("AccountName")));
            m_amount->setText(FormatRounded(q.num(QStringLiteral("AccountBase"))));
            m_remark->setPlainText(q.str(QStringLiteral("AccountRemark")));
        }
        q.close();
        m_delete->show();
    }
    setType(type);
    m_name->setFocus();
}

void TFormAccount::confirm()
{
    AccountInput in{m_name->text(), m_type, m_amount->text(), m_remark->toPlainText()};
    double amount = 0;
    const SaveResult checked = checkAccount(in, &amount);
    if (!checked.saved) {
        finish(checked);
        return;
    }
    Result = in;
    accept();
}

void TFormAccount::remove()
{
    Query& q = m_ctx.dm.ADOQueryTemp;
    if (!OpenQuery(q, QStringLiteral("Select * From Account Where AccountName = ") + quoted(AccountName),
                   words::dbOpenFailed()))
        return;
    const bool found = !q.eof();
    q.close();
    if (!found || !m_ctx.prompt().ask(QStringLiteral("删除帐户将删除该帐户下所有记录，确实要删除吗？"), QStringLiteral("删除警告")))
        return;
    const SaveResult r = deleteAccount(q, AccountName);
    if (!r.saved) {
        if (!r.message.isEmpty())
            m_ctx.prompt().inform(r.message);
        return;
    }
    Deleted = true;
    emit m_ctx.dm.changes.moneyChanged();
    accept();
}

}  // namespace velbrisk
