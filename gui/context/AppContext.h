#pragma once
// What every window is handed when it is made: the shared values, the data
// module and the desktop pieces.
#include "core/app/Globals.h"
#include "core/config/Options.h"
#include "core/data/Platform.h"
#include "gui/context/Forms.h"

namespace velbrisk {

class TShareDataModule;
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
    // Another window of the program, by its class; null when the program has
    // none (a test that made only some windows).
    template <class T>
    T* form() const
    {
        return forms ? forms->find<T>() : nullptr;
    }
};

}  // namespace velbrisk
