#pragma once
// Values that every window shares, fixed when the main window is made.
#include <QDate>
#include <QString>

namespace velbrisk {

struct Globals {
    QString AppDir;       // venue folder, with a trailing separator
    QString IniFileName;  // AppDir + "Velbrisk.ini"
    QString ProgramDir;   // the executable's folder, with a trailing separator
    QDate MonthBegin, MonthEnd, YearBegin, YearEnd;
    bool NetworkMode = false;
    QString CurrentUserName;
    QString CurrentUserRights;
    QString AccountBookFilter;

    // A file of the program (templates, pictures, sounds): from the venue
    // folder when it has one, else from the program's own folder.
    QString resourcePath(const QString& relative) const;
    QString dataFilePath() const { return AppDir + QStringLiteral("Velbrisk.mdb"); }
};

// Fills the paths and the current month and year ranges.
Globals makeGlobals(const QString& appDir, const QString& programDir, const QDate& today);

// The folder with a trailing separator.
QString withSeparator(const QString& dir);

}  // namespace velbrisk
