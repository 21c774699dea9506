#pragma once
// What every window is handed when it is made: the shared values, the data
// module and the desktop pieces.
#include "app/Globals.h"
#include "data/Options.h"
#include "data/Platform.h"

namespace velbrisk {

class TShareDataModule;

struct AppContext {
    Globals& g;
    TShareDataModule& dm;
    Platform platform;

    Options options() const { return Options(g.IniFileName, g.AppDir); }
    Prompter& prompt() const { return *platform.prompt; }
};

}  // namespace velbrisk
