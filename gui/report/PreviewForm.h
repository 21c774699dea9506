#pragma once
// The report preview: zoom, print, find and close.
#include "gui/report/Report.h"

#include <QDialog>

class QLineEdit;
class QPrintPreviewWidget;
class QPrinter;

namespace velbrisk {

class Prompter;

// The printer and file last chosen in the print dialog: the next print of
// the run proposes them again.
struct PrintChoice {
    QString printerName;
    QString outputFile;  // a PDF file, when one was chosen
};

class TFormPreview : public QDialog {
    Q_OBJECT
public:
    // `prompt` says what the find did not find; `choice` is what the last
    // print dialog chose, and gets what this one chooses.
    TFormPreview(const PreparedReport& report, const QString& title, Prompter* prompt = nullptr,
                 PrintChoice* choice = nullptr, QWidget* parent = nullptr);

    void zoomIn();
    void zoomOut();
    void fitWidth();
    void printIt();
    // Goes to the next page holding the text and marks the text on the
    // pages; false when none holds it.
    bool find(const QString& text);
    QString marked() const { return m_marked; }
    int currentPage() const;
    QPrintPreviewWidget* view() const { return m_view; }
    QPrinter* printer() const { return m_printer; }

private:
    void findClicked();

    PreparedReport m_report;
    Prompter* m_prompt;
    PrintChoice* m_choice;
    QPrinter* m_printer;
    QPrintPreviewWidget* m_view;
    QLineEdit* m_findEdit;
    QString m_marked;
    int m_lastFound = -1;
};

// Shows each report in the preview window, modally; remembers the print
// dialog's last choice for the run.
class PreviewPresenter : public ReportPresenter {
public:
    explicit PreviewPresenter(Prompter* prompt = nullptr) : m_prompt(prompt) {}
    void present(const PreparedReport& report, const QString& title) override;

private:
    Prompter* m_prompt;
    PrintChoice m_choice;
};

}  // namespace velbrisk
