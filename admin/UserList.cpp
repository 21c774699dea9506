#include "admin/UserList.h"
#include "data/Words.h"

#include "admin/PowerForm.h"
#include "app/AppContext.h"
#include "data/PublicFunction.h"
#include "data/ShareDM.h"
#include "widgets/DataGrid.h"
#include "widgets/Buttons.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

UserList::UserList(AppContext& ctx, TFormPower* powerForm, QWidget* parent)
    : QGroupBox(QStringLiteral("登录设置"), parent), m_ctx(ctx), m_powerForm(powerForm), m_query(ctx.dm.ADOConnection1),
      m_mode(new QComboBox(this)), m_line(new QLabel(this)), m_grid(new DataGrid(this)), m_buttons(new QWidget(this))
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
    layout->addWidget(m_grid, 1);
    auto* bl = new QHBoxLayout(m_buttons);
    bl->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, void (UserList::*)()> actions[] = {
        {"新增", &UserList::NewUser}, {"修改", &UserList::EditUser}, {"删除", &UserList::DeleteUser}};
    for (const auto& [text, slot] : actions) {
        auto run = slot;
        bl->addWidget(makeButton(m_buttons, QString::fromUtf8(text), [this, run] { (this->*run)(); }));
    }
    layout->addWidget(m_buttons);
    layout->addStretch(0);  // keeps the mode line on top while the list is hidden
    m_grid->setColumns({{QStringLiteral("PowerIndex"), QStringLiteral("编号"), 50},
                        {QStringLiteral("PowerName"), QStringLiteral("用户名称"), 100},
                        {QStringLiteral("PowerKeyShown"), QStringLiteral("登录密码"), 80}});
    m_grid->setQuery(&m_query);
    connect(m_mode, &QComboBox::currentIndexChanged, this, &UserList::ModeChanged);
    connect(save, &QPushButton::clicked, this, &UserList::SaveMode);
    connect(m_grid, &DataGrid::rowActivated, this, [this] { EditUser(); });
}

void UserList::load()
{
    const QSignalBlocker block(m_mode);
    m_mode->setCurrentIndex(m_ctx.options().read(opt::LoginMode) == QStringLiteral("自动登录") ? 0 : 1);
    ModeChanged();
    loadUsers();
}

void UserList::loadUsers()
{
    // Passwords are never shown, only whether one is set.
    OpenQuery(m_query,
              QStringLiteral("Select PowerIndex, PowerName, IIF((PowerKey Is Null) Or (PowerKey = ''), '（空）', '******') "
                             "As PowerKeyShown From Power"),
              words::dbOpenFailed());
    m_grid->reload();
}

void UserList::ModeChanged()
{
    const bool manual = m_mode->currentText() == QStringLiteral("手动登录");
    m_line->setText(manual ? QStringLiteral("要输入帐号密码登录软件") : QStringLiteral("以经营主管身份自动登录"));
    m_grid->setVisible(manual);
    m_buttons->setVisible(manual);
}

void UserList::SaveMode()
{
    m_ctx.options().write(opt::LoginMode, m_mode->currentText());
    m_ctx.prompt().inform(QStringLiteral("软件登录模式修改成功"));
}

int UserList::currentIndex()
{
    if (!m_grid->moveQueryToCurrent() || m_query.isNull(QStringLiteral("PowerIndex")))
        return 0;
    return int(m_query.integer(QStringLiteral("PowerIndex")));
}

void UserList::NewUser()
{
    m_powerForm->Mode = EditMode::New;
    if (m_powerForm->exec() == QDialog::Accepted)
        loadUsers();
}

void UserList::EditUser()
{
    const int index = currentIndex();
    if (index == 0) {
        m_ctx.prompt().inform(words::selectToEdit());
        return;
    }
    m_powerForm->Mode = EditMode::Edit;
    m_powerForm->EditIndex = index;
    if (m_powerForm->exec() == QDialog::Accepted)
        loadUsers();
}

void UserList::DeleteUser()
{
    const int index = currentIndex();
    if (index == 0) {
        m_ctx.prompt().inform(words::selectToDelete());
        return;
    }
    if (!m_ctx.prompt().ask(QStringLiteral("确定要删除该记录吗？"), QStringLiteral("删除警告")))
        return;
    ExecSql(m_ctx.dm.ADOQueryTemp, QStringLiteral("Delete * From Power Where PowerIndex = ") + QString::number(index));
    loadUsers();
}

}  // namespace velbrisk
