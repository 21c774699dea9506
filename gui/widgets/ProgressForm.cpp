#include "gui/widgets/ProgressForm.h"

#include <QApplication>
#include <QProgressBar>
#include <QVBoxLayout>

namespace velbrisk {

TFormProgress::TFormProgress(QWidget* parent) : QDialog(parent), m_bar(new QProgressBar(this))
{
    setWindowTitle(QStringLiteral("请稍候"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    m_bar->setRange(0, 100);
    layout->addWidget(m_bar);
    setFixedSize(320, 60);
}

void TFormProgress::begin()
{
    m_bar->setValue(0);
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFormProgress::setPosition(int percent)
{
    m_bar->setValue(std::clamp(percent, 0, 100));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int TFormProgress::position() const { return m_bar->value(); }

void TFormProgress::end() { hide(); }

}  // namespace velbrisk
