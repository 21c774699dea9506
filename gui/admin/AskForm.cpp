#include "gui/admin/AskForm.h"
#include "gui/widgets/Buttons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velbrisk {

TFormAsk::TFormAsk(QWidget* parent) : QDialog(parent), m_prompt(new QLabel(this)), m_value(new QLineEdit(this))
{
    auto* g = new QGridLayout(this);
    auto* picture = new QLabel(QStringLiteral("✎"), this);
    picture->setStyleSheet(QStringLiteral("font-size: 28px; color: #2979db"));
    g->addWidget(picture, 0, 0, 2, 1);
    g->addWidget(m_prompt, 0, 1);
    g->addWidget(m_value, 1, 1);
    g->addLayout(okCancelRow(this, [this] { OkClick(); }), 2, 0, 1, 2);
    setMinimumWidth(320);
}

int TFormAsk::exec()
{
    prepare();
    return QDialog::exec();
}

void TFormAsk::prepare()
{
    setWindowTitle(AskCaption);
    m_prompt->setText(AskPrompt);
    m_value->setText(AskValue);
    m_value->setFocus();
}

void TFormAsk::OkClick()
{
    AskValue = m_value->text();
    accept();
}

bool FormWordAsker::ask(const QString& caption, const QString& prompt, QString* value)
{
    m_form->AskCaption = caption;
    m_form->AskPrompt = prompt;
    m_form->AskValue = *value;
    if (m_form->exec() != QDialog::Accepted)
        return false;
    *value = m_form->AskValue;
    return true;
}

}  // namespace velbrisk
