#include "gui/report/PreviewForm.h"

#include "core/data/Platform.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace velbrisk {

TFormPreview::TFormPreview(const PreparedReport& report, const QString& title, Prompter* prompt, PrintChoice* choice,
                           QWidget* parent)
    : QDialog(parent), m_report(report), m_prompt(prompt), m_choice(choice),
      m_printer(new QPrinter(QPrinter::HighResolution)), m_findEdit(new QLineEdit(this))
{
    setWindowTitle(title.isEmpty() ? QStringLiteral("打印预览") : title);
    m_printer->setPageLayout(QPageLayout(QPageSize(report.pageSize, QPageSize::Millimeter), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    m_view = new QPrintPreviewWidget(m_printer, this);
    // The preview shows the found text marked; the print does not.
    connect(m_view, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { printReport(m_report, *printer, m_marked); });

    auto* bar = new QHBoxLayout;
    auto button = [&](const char* text, auto slot) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        bar->addWidget(b);
        return b;
    };
    button("放大", [this] { zoomIn(); });
    button("缩小", [this] { zoomOut(); });
    button("整页", [this] { m_view->fitInView(); });
    button("适合页宽", [this] { fitWidth(); });
    button("打印", [this] { printIt(); });
    m_findEdit->setPlaceholderText(QStringLiteral("查找内容"));
    m_findEdit->setMaximumWidth(160);
    bar->addWidget(m_findEdit);
    button("查找", [this] { findClicked(); });
    bar->addStretch();
    button("关闭", [this] { accept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_view, 1);
    resize(760, 640);
    // Every preview opens with its whole page in view.
    m_view->fitInView();
}

void TFormPreview::zoomIn() { m_view->zoomIn(); }
void TFormPreview::zoomOut() { m_view->zoomOut(); }
void TFormPreview::fitWidth() { m_view->fitToWidth(); }

void TFormPreview::printIt()
{
    if (m_choice) {
        if (!m_choice->printerName.isEmpty())
            m_printer->setPrinterName(m_choice->printerName);
        if (!m_choice->outputFile.isEmpty())
            m_printer->setOutputFileName(m_choice->outputFile);
    }
    QPrintDialog dlg(m_printer, this);
    dlg.setWindowTitle(QStringLiteral("打印"));
    if (dlg.exec() != QDialog::Accepted)
        return;
    if (m_choice)
        *m_choice = {m_printer->printerName(), m_printer->outputFileName()};
    printReport(m_report, *m_printer);
}

bool TFormPreview::find(const QString& text)
{
    if (text.isEmpty())
        return false;
    int page = m_report.findPage(text, m_lastFound + 1);
    if (page < 0)
        page = m_report.findPage(text, 0);
    m_marked = page < 0 ? QString() : text;
    m_view->updatePreview();
    if (page < 0)
        return false;
    m_lastFound = page;
    m_view->setCurrentPage(page + 1);
    return true;
}

void TFormPreview::findClicked()
{
    const QString text = m_findEdit->text();
    if (text.isEmpty() || find(text))
        return;
    if (m_prompt)
        m_prompt->inform(QStringLiteral("未找到“%1”").arg(text), QStringLiteral("查找"));
    else
        QMessageBox::information(this, QStringLiteral("查找"), QStringLiteral("未找到“%1”").arg(text));
}

int TFormPreview::currentPage() const { return m_view->currentPage(); }

void PreviewPresenter::present(const PreparedReport& report, const QString& title)
{
    TFormPreview preview(report, title, m_prompt, &m_choice,
                         QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow());
    preview.exec();
}

}  // namespace velbrisk
