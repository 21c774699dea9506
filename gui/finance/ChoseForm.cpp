#include "gui/finance/ChoseForm.h"

#include "core/config/Options.h"
#include "core/finance/Ledger.h"
#include "gui/context/AppContext.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace velbrisk {

TFormChose::TFormChose(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("帐簿选择"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("请点击要使用的帐簿："), this));
    auto* row = new QHBoxLayout;
    const struct {
        const char* caption;
        const char* picture;
        const char* value;
    } books[] = {
        {"银行帐簿", "Res/CompanyAccount2.bmp", book::kBank},
        {"现金帐簿", "Res/CompanyAccount3.bmp", book::kCash},
        {"所有帐户", "Res/CompanyAccount.bmp", book::kAll},
    };
    for (const auto& b : books) {
        auto* button = new QToolButton(this);
        button->setText(QString::fromUtf8(b.caption));
        button->setIcon(QIcon(m_ctx.g.resourcePath(QString::fromLatin1(b.picture))));
        button->setIconSize(QSize(96, 80));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        const QString value = QString::fromLatin1(b.value);
        connect(button, &QToolButton::clicked, this, [this, value] {
            m_ctx.options().write(opt::AccountType, value);
            accept();
        });
        row->addWidget(button);
        m_books << button;
    }
    layout->addLayout(row);
}

}  // namespace velbrisk
