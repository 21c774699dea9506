#pragma once
// What every window is handed when it is made: the shared values, the data
// module and the desktop pieces.
#include "app/Globals.h"
#include "data/Options.h"
#include "data/Platform.h"

namespace velbrisk {

class TShareDataModule;
class Forms;
class ReportPresenter;

struct AppContext {
    Globals& g;
    TShareDataModule& dm;
    Platform platform;
    ReportPresenter* reports = nullptr;  // where prepared reports are shown
    Forms* forms = nullptr;              // the other windows, by class

    // The configuration; the default ring file is the program's own sound.
    Options options() const;
    Prompter& prompt() const { return *platform.prompt; }
};

inline Options AppContext::options() const
{
    const QString ring = g.resourcePath(QStringLiteral("ShortRing.wav"));
    return Options(g.IniFileName, ring.left(ring.size() - QStringLiteral("ShortRing.wav").size()));
}

}  // namespace velbrisk
