#include "gui/app/NetworkForm.h"

#include "core/app/Startup.h"
#include "core/data/ShareDM.h"
#include "gui/context/AppContext.h"
#include "gui/widgets/Buttons.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

TFormNetwork::TFormNetwork(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx), m_address(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("数据库地址"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("请输入要连接的数据库的网络地址："), this));
    auto* row = new QHBoxLayout;
    row->addWidget(m_address, 1);
    auto* choose = new QPushButton(QStringLiteral("选择"), this);
    row->addWidget(choose);
    layout->addLayout(row);
    layout->addLayout(okCancelRow(this, [this] { OkButtonClick(); }));
    setFixedSize(420, 130);
    connect(choose, &QPushButton::clicked, this, &TFormNetwork::ChooseButtonClick);
}

void TFormNetwork::ChooseButtonClick()
{
    const QString path = m_ctx.prompt().openFileName(QStringLiteral("选择数据库"), QStringLiteral("Mdb Files (*.mdb)|*.MDB"),
                                                     QStringLiteral(".mdb"));
    if (!path.isEmpty())
        m_address->setText(path);
}

void TFormNetwork::OkButtonClick()
{
    const QString path = m_address->text().trimmed();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        m_ctx.prompt().inform(QStringLiteral("该服务器地址无效"));
        return;
    }
    if (const SaveResult r = connectDataFile(m_ctx.dm, path, true); !r.saved) {
        // A file that is not our data file is refused like an invalid address,
        // and the address is not remembered.
        m_ctx.prompt().inform(r.message);
        return;
    }
    m_ctx.prompt().inform(QStringLiteral("服务器地址设置成功"));
    m_ctx.options().write(opt::Address, path);
    accept();
}

}  // namespace velbrisk
