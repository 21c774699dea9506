#pragma once
// Makes every window once, in a fixed order, and keeps them for the run.
#include "core/app/Globals.h"
#include "core/data/ShareDM.h"
#include "gui/context/AppContext.h"
#include "gui/context/Forms.h"

#include <memory>

namespace velbrisk {

class FormWordAsker;
class TFormMain;
class ReportPresenter;

struct StartOptions {
    QString appDir;      // the venue folder
    QString programDir;  // where the executable and its resources are
    bool networkMode = false;
    // An installed program's empty data file, copied into the venue folder
    // when it has none; empty for a program in a folder of its own.
    QString templateFile;
    bool checkStart = false;  // --check-start: start, show the board, quit
};

// Reads --home DIR, --network, --check-start and VELBRISK_HOME. An installed
// program (in <prefix>/bin, its resources in <prefix>/share/velbrisk) keeps
// its venue in $XDG_DATA_HOME/velbrisk unless told another folder.
StartOptions parseStartOptions(const QStringList& arguments, const QString& programDir);

class Application {
public:
    // `reports` shows prepared reports; the preview window when null.
    Application(const StartOptions& options, Platform platform, ReportPresenter* reports = nullptr);
    ~Application();

    // Opens the data file, logs a user in and builds the board, and only
    // then shows the main window, so nothing half-built shows behind the
    // login window. False when start-up stopped (its message was shown).
    bool start();

    // A window of the program, by its class (for tests and tools).
    template <class T>
    T& form() const
    {
        return m_forms.get<T>();
    }
    TFormMain& formMain() const { return *m_formMain; }
    TShareDataModule& dataModule() { return m_dm; }
    Globals& globals() { return m_g; }
    AppContext& context() { return m_ctx; }

private:
    // Makes a window, a child of the main window, and enters it in the table.
    template <class T, class... Args>
    T& make(Args&&... args)
    {
        auto* w = new T(std::forward<Args>(args)..., m_formMain.get());
        m_forms.add(w);
        return *w;
    }

    std::unique_ptr<ReportPresenter> m_preview;
    Globals m_g;
    TShareDataModule m_dm;
    Forms m_forms;
    QString m_templateFile;
    AppContext m_ctx;
    std::unique_ptr<TFormMain> m_formMain;  // every other window is its child
    std::unique_ptr<FormWordAsker> m_asker;
};

}  // namespace velbrisk
