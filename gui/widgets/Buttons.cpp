#include "gui/widgets/Buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace velbrisk {

QPushButton* makeButton(QWidget* parent, const QString& text, const std::function<void()>& onClick)
{
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    if (onClick)
        QObject::connect(b, &QPushButton::clicked, parent, onClick);
    return b;
}

QHBoxLayout* okCancelRow(QDialog* dialog, const std::function<void()>& onOk, const QString& okText)
{
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(okText, dialog);
    auto* cancel = new QPushButton(QStringLiteral("取消"), dialog);
    ok->setDefault(true);
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    QObject::connect(ok, &QPushButton::clicked, dialog, onOk);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return row;
}

}  // namespace velbrisk
