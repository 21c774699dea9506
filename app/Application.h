#pragma once
// Makes every window once, in a fixed order, and keeps them for the run.
#include "app/AppContext.h"
#include "app/Globals.h"
#include "data/ShareDM.h"

#include <memory>

namespace velbrisk {

class TFormMain;
class TFormNetwork;
class TFormProgress;

struct StartOptions {
    QString appDir;      // the venue folder
    QString programDir;  // where the executable and its resources are
    bool networkMode = false;
};

// Reads --home DIR, --network and VELBRISK_HOME.
StartOptions parseStartOptions(const QStringList& arguments, const QString& programDir);

class Application {
public:
    Application(const StartOptions& options, Platform platform);
    ~Application();

    TFormMain& formMain() const { return *m_formMain; }
    TFormNetwork& formNetwork() const { return *m_formNetwork; }
    TFormProgress& formProgress() const { return *m_formProgress; }
    TShareDataModule& dataModule() { return m_dm; }
    Globals& globals() { return m_g; }
    AppContext& context() { return m_ctx; }

private:
    Globals m_g;
    TShareDataModule m_dm;
    AppContext m_ctx;
    std::unique_ptr<TFormMain> m_formMain;
    std::unique_ptr<TFormNetwork> m_formNetwork;
    std::unique_ptr<TFormProgress> m_formProgress;
};

}  // namespace velbrisk
