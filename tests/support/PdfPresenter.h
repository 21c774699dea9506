#pragma once
// Prints written as PDF files, for tests to read back.
#include "gui/report/Report.h"

namespace velbrisk {

// Writes each presented report to a PDF file in a folder, and keeps it.
class PdfPresenter : public ReportPresenter {
public:
    explicit PdfPresenter(QString folder) : m_folder(std::move(folder)) {}
    void present(const PreparedReport& report, const QString& title) override
    {
        const QString path = m_folder + QStringLiteral("/%1-%2.pdf").arg(title).arg(files.size() + 1);
        writePdf(report, path);
        files << path;
        reports << report;
    }
    QStringList files;
    QList<PreparedReport> reports;

private:
    QString m_folder;
};

}  // namespace velbrisk
