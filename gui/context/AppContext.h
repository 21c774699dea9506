#pragma once
// What every window is handed when it is made: the shared values, the data
// module and the desktop pieces. The windows a window opens are handed to it
// apart, by the program that makes them (gui/app/Application).
#include "core/app/Globals.h"
#include "core/config/Options.h"
#include "core/data/Platform.h"

namespace velbrisk {

class TShareDataModule;
class ReportPresenter;
class TFormProgress;

struct AppContext {
    Globals& g;
    TShareDataModule& dm;
    Platform platform;
    ReportPresenter* reports = nullptr;  // where prepared reports are shown
    TFormProgress* progress = nullptr;   // the progress window of long work, when the program has one

    // The configuration; the default ring file is the program's own sound.
    Options options() const;
    Prompter& prompt() const { return *platform.prompt; }
};

}  // namespace velbrisk
