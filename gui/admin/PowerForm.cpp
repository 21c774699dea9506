#include "gui/admin/PowerForm.h"

#include "core/admin/Users.h"
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
#include <QPushButton>

namespace velbrisk {

TFormPower::TFormPower(AppContext& ctx, QWidget* parent)
    : EditDialog(ctx.prompt(), parent), m_ctx(ctx), m_name(new QLineEdit(this)), m_password(new QLineEdit(this)),
      m_clearPassword(new QCheckBox(QStringLiteral("清空密码"), this))
{
    setWindowTitle(QStringLiteral("用户管理"));
    auto* g = new QGridLayout(this);
    g->addWidget(new QLabel(QStringLiteral("用户名称："), this), 0, 0);
    g->addWidget(m_name, 0, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("用户密码："), this), 1, 0);
    g->addWidget(m_password, 1, 1);
    // Editing: an empty box keeps the password; this box sets it back to empty.
    g->addWidget(m_clearPassword, 1, 2);
    connect(m_clearPassword, &QCheckBox::toggled, this, [this](bool on) {
        m_password->setEnabled(!on);
        if (on)
            m_password->clear();
    });
    g->addWidget(new QLabel(QStringLiteral("权限范围："), this), 2, 0);
    const char* boxes[3][2] = {{"【经营报表】：", "能够查看经营报表，修改经营记录"},
                               {"【财务管理】：", "能够查看财务报表，修改财务收支"},
                               {"【参数设置】：", "能够修改各项参数，管理用户权限"}};
    for (int i = 0; i < 3; ++i) {
        m_rights[i] = new QCheckBox(QString::fromUtf8(boxes[i][0]), this);
        g->addWidget(m_rights[i], 2 + i, 1);
        g->addWidget(new QLabel(QString::fromUtf8(boxes[i][1]), this), 2 + i, 2);
    }
    setField(QStringLiteral("Name"), m_name);
    g->addLayout(buttonRow([this] { OkClick(); }), 5, 0, 1, 3);
}

void TFormPower::prepare()
{
    m_password->clear();
    m_clearPassword->setChecked(false);
    m_clearPassword->setVisible(!isNew());
    if (isNew()) {
        m_name->clear();
        m_password->setPlaceholderText(QString());
        for (QCheckBox* b : m_rights)
            b->setChecked(false);
        return;
    }
    // Passwords are kept as hashes: the box starts empty and an empty box
    // keeps the password as it is.
    m_password->setPlaceholderText(QStringLiteral("不修改密码请留空"));
    Query& q = m_ctx.dm.ADOQueryTemp;
    if (OpenQuery(q, QStringLiteral("Select * From Power Where PowerIndex = ") + QString::number(EditIndex),
                  words::dbOpenFailed())
        && !q.eof()) {
        m_name->setText(q.str(QStringLiteral("PowerName")));
        const QString range = q.str(QStringLiteral("PowerRange"));
        const char* words[] = {"经营报表", "财务管理", "参数设置"};
        for (int i = 0; i < 3; ++i)
            m_rights[i]->setChecked(range.contains(QString::fromUtf8(words[i])));
    }
    q.close();
}

void TFormPower::OkClick()
{
    UserInput in;
    in.isNew = isNew();
    in.editIndex = EditIndex;
    in.name = m_name->text();
    in.password = m_password->text();
    in.keepPassword = !in.isNew && in.password.isEmpty() && !m_clearPassword->isChecked();
    in.rights = rightsText(m_rights[0]->isChecked(), m_rights[1]->isChecked(), m_rights[2]->isChecked());
    finish(saveUser(m_ctx.dm.ADOQueryTemp, in));
}

}  // namespace velbrisk
