#include "core/app/Globals.h"

#include <QDir>
#include <QFileInfo>

namespace velbrisk {

QString withSeparator(const QString& dir)
{
    QString d = QDir::fromNativeSeparators(dir);
    if (!d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    return d;
}

QString Globals::resourcePath(const QString& relative) const
{
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString venue = AppDir + rel;
    if (QFileInfo::exists(venue) || ProgramDir.isEmpty())
        return venue;
    return ProgramDir + rel;
}

Globals makeGlobals(const QString& appDir, const QString& programDir, const QDate& today)
{
    Globals g;
    g.AppDir = withSeparator(appDir);
    g.ProgramDir = programDir.isEmpty() ? QString() : withSeparator(programDir);
    g.IniFileName = g.AppDir + QStringLiteral("Velbrisk.ini");
    g.MonthBegin = QDate(today.year(), today.month(), 1);
    g.MonthEnd = g.MonthBegin.addMonths(1).addDays(-1);
    g.YearBegin = QDate(today.year(), 1, 1);
    g.YearEnd = QDate(today.year() + 1, 1, 1).addDays(-1);
    return g;
}

}  // namespace velbrisk
