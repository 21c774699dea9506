#include "gui/admin/UserList.h"

#include "core/data/PublicFunction.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "gui/admin/PowerForm.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/ListPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

UserList::UserList(AppContext& ctx, TFormPower* powerForm, QWidget* parent)
    : QGroupBox(QStringLiteral("登录设置"), parent), m_ctx(ctx), m_powerForm(powerForm), m_query(ctx.dm.ADOConnection1),
      m_mode(new QComboBox(this)), m_line(new QLabel(this)),
      m_panel(new ListPanel(ctx.prompt(), m_query, {QStringLiteral("PowerIndex")}, this))
{
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    m_mode->addItems({QStringLiteral("自动登录"), QStringLiteral("手动登录")});
    auto* save = new QPushButton(QStringLiteral("确定"), this);
    save->setAutoDefault(false);
    row->addWidget(m_mode);
    row->addWidget(save);
    row->addWidget(m_line, 1);
    layout->addLayout(row);
    layout->addWidget(m_panel, 1);
    layout->addStretch(0);  // keeps the mode line on top while the list is hidden
    grid()->setColumns({{QStringLiteral("PowerIndex"), QStringLiteral("编号"), 50},
                        {QStringLiteral("PowerName"), QStringLiteral("用户名称"), 100},
                        {QStringLiteral("PowerKeyShown"), QStringLiteral("登录密码"), 80}});
    // Passwords are never shown, only whether one is set.
    m_panel->load = [this] {
        OpenQuery(m_query,
                  QStringLiteral("Select PowerIndex, PowerName, IIF((PowerKey Is Null) Or (PowerKey = ''), '（空）', '******') "
                                 "As PowerKeyShown From Power"),
                  words::dbOpenFailed());
    };
    m_panel->setEditWindow(m_powerForm);
    m_panel->remove = [this](int key) {
        // ExecSql shows its own message when it fails.
        ExecSql(m_ctx.dm.ADOQueryTemp, QStringLiteral("Delete * From Power Where PowerIndex = ") + QString::number(key));
        return SaveResult::done();
    };
    connect(m_mode, &QComboBox::currentIndexChanged, this, &UserList::ModeChanged);
    connect(save, &QPushButton::clicked, this, &UserList::SaveMode);
}

DataGrid* UserList::grid() const { return m_panel->grid(); }

void UserList::load()
{
    const QSignalBlocker block(m_mode);
    m_mode->setCurrentIndex(m_ctx.options().automaticLogin() ? 0 : 1);
    ModeChanged();
    loadUsers();
}

void UserList::loadUsers() { m_panel->reload(); }

void UserList::ModeChanged()
{
    const bool manual = m_mode->currentText() == QStringLiteral("手动登录");
    m_line->setText(manual ? QStringLiteral("要输入帐号密码登录软件") : QStringLiteral("以经营主管身份自动登录"));
    m_panel->grid()->setVisible(manual);
    m_panel->buttons()->setVisible(manual);
}

void UserList::SaveMode()
{
    m_ctx.options().write(opt::LoginMode, m_mode->currentText());
    m_ctx.prompt().inform(QStringLiteral("软件登录模式修改成功"));
}

void UserList::NewUser() { m_panel->NewRecord(); }
void UserList::EditUser() { m_panel->EditRecord(); }
void UserList::DeleteUser() { m_panel->DeleteRecord(); }

}  // namespace velbrisk
