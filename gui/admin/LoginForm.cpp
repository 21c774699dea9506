#include "gui/admin/LoginForm.h"

#include "core/admin/Users.h"
#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"
#include "gui/widgets/ComboList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace velbrisk {

TFormLogin::TFormLogin(AppContext& ctx, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_ctx(ctx),
      m_user(new QComboBox(this)), m_password(new QLineEdit(this)),
      m_hint(new QLabel(QStringLiteral("当前用户的登录密码为空"), this))
{
    setWindowTitle(QStringLiteral("软件登录"));
    auto* g = new QGridLayout(this);
    g->addWidget(new QLabel(QStringLiteral("登录帐号："), this), 0, 0);
    g->addWidget(m_user, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("登录密码："), this), 1, 0);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 35"));  // '#'
    g->addWidget(m_password, 1, 1);
    g->addLayout(okCancelRow(this, [this] { LoginClick(); }, QStringLiteral("登录")), 2, 0, 1, 2);
    m_hint->setStyleSheet(QStringLiteral("color: gray"));
    m_hint->hide();
    g->addWidget(m_hint, 3, 0, 1, 2);
    connect(m_user, &QComboBox::currentIndexChanged, this, &TFormLogin::UserChanged);
    setFixedSize(sizeHint().expandedTo(QSize(300, 150)));
}

int TFormLogin::exec()
{
    prepare();
    if (QWidget* screen = window())
        move(screen->screen()->availableGeometry().center() - rect().center());
    return QDialog::exec();
}

void TFormLogin::prepare()
{
    const QSignalBlocker block(m_user);
    LoadCombo(m_user, m_ctx.dm.ADOQueryTemp, QStringLiteral("Select * From Power"), false, QStringLiteral("PowerName"));
    const QString last = m_ctx.options().read(opt::LastUser);
    const int at = m_user->findText(last);
    m_user->setCurrentIndex(at >= 0 ? at : (m_user->count() > 0 ? 0 : -1));
    m_password->clear();
    UserChanged();
}

void TFormLogin::UserChanged()
{
    const LoginCheck c = checkLogin(m_ctx.dm.ADOQueryTemp, m_user->currentText(), QString());
    if (c.found)
        m_hint->setVisible(c.emptyPassword);
}

void TFormLogin::LoginClick()
{
    const LoginCheck c = checkLogin(m_ctx.dm.ADOQueryTemp, m_user->currentText(), m_password->text());
    if (!c.found)
        return;
    if (!c.matches) {
        m_ctx.prompt().inform(QStringLiteral("密码不正确，请重新操作"));
        return;
    }
    m_ctx.g.CurrentUserName = c.name;
    m_ctx.g.CurrentUserRights = c.rights;
    accept();
}

}  // namespace velbrisk
