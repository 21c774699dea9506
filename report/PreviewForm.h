#pragma once
// The report preview: zoom, print, find and close.
#include "report/Report.h"

#include <QDialog>

class QLineEdit;
class QPrintPreviewWidget;
class QPrinter;

namespace velbrisk {

class TFormPreview : public QDialog {
    Q_OBJECT
public:
    TFormPreview(const PreparedReport& report, const QString& title, QWidget* parent = nullptr);

    void zoomIn();
    void zoomOut();
    void fitWidth();
    void printIt();
    // Goes to the next page holding the text; false when none does.
    bool find(const QString& text);
    int currentPage() const;
    QPrintPreviewWidget* view() const { return m_view; }

private:
    PreparedReport m_report;
    QPrinter* m_printer;
    QPrintPreviewWidget* m_view;
    QLineEdit* m_findEdit;
    int m_lastFound = -1;
};

// Shows each report in the preview window, modally.
class PreviewPresenter : public ReportPresenter {
public:
    void present(const PreparedReport& report, const QString& title) override;
};

}  // namespace velbrisk
