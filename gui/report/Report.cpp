#include "gui/report/Report.h"

#include "core/data/Query.h"

namespace velbrisk {

QStringList PreparedReport::texts() const
{
    QStringList out;
    for (const auto& page : pages)
        for (const PlacedText& t : page)
            if (!t.text.isEmpty())
                out << t.text;
    return out;
}

int PreparedReport::findPage(const QString& needle, int fromPage) const
{
    for (int p = std::max(0, fromPage); p < pages.size(); ++p)
        for (const PlacedText& t : pages[p])
            if (t.text.contains(needle, Qt::CaseInsensitive))
                return p;
    return -1;
}

bool presentReport(const QString& templatePath, Query* master, const VariableProvider& variables,
                   ReportPresenter& presenter, const QString& title, QString* error)
{
    const auto tmpl = ReportTemplate::load(templatePath, error);
    if (!tmpl)
        return false;
    const PreparedReport r = prepareReport(*tmpl, master, variables);
    if (master && master->isOpen())
        master->first();  // the list stands where it was printed from
    presenter.present(r, title);
    return true;
}

}  // namespace velbrisk
