#pragma once
// Makes every window once, in a fixed order, and keeps them for the run.
#include "app/AppContext.h"
#include "app/Globals.h"
#include "data/ShareDM.h"

#include <memory>

namespace velbrisk {

class FormWordAsker;
class ReportPresenter;
class TFormAsk;
class TFormBook;
class TFormCostReason;
class TFormLogin;
class TFormPower;
class TFormRoomSearch;
class TFormSetting;
class TFormCost;
class TFormMain;
class TFormNetwork;
class TFormProgress;
class TFormRoom;
class TFormRoom2;

struct StartOptions {
    QString appDir;      // the venue folder
    QString programDir;  // where the executable and its resources are
    bool networkMode = false;
};

// Reads --home DIR, --network and VELBRISK_HOME.
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

    TFormMain& formMain() const { return *m_formMain; }
    TFormNetwork& formNetwork() const { return *m_formNetwork; }
    TFormProgress& formProgress() const { return *m_formProgress; }
    TFormRoom& formRoom() const { return *m_formRoom; }
    TFormRoom2& formRoom2() const { return *m_formRoom2; }
    TFormCost& formCost() const { return *m_formCost; }
    TFormBook& formBook() const { return *m_formBook; }
    TFormSetting& formSetting() const { return *m_formSetting; }
    TFormLogin& formLogin() const { return *m_formLogin; }
    TFormRoomSearch& formRoomSearch() const { return *m_formRoomSearch; }
    TFormPower& formPower() const { return *m_formPower; }
    TFormCostReason& formCostReason() const { return *m_formCostReason; }
    TFormAsk& formAsk() const { return *m_formAsk; }
    TShareDataModule& dataModule() { return m_dm; }
    Globals& globals() { return m_g; }
    AppContext& context() { return m_ctx; }

private:
    std::unique_ptr<ReportPresenter> m_preview;
    Globals m_g;
    TShareDataModule m_dm;
    AppContext m_ctx;
    std::unique_ptr<TFormMain> m_formMain;
    std::unique_ptr<TFormNetwork> m_formNetwork;
    std::unique_ptr<TFormRoom> m_formRoom;
    std::unique_ptr<TFormRoom2> m_formRoom2;
    std::unique_ptr<TFormBook> m_formBook;
    std::unique_ptr<TFormCost> m_formCost;
    std::unique_ptr<TFormSetting> m_formSetting;
    std::unique_ptr<TFormLogin> m_formLogin;
    std::unique_ptr<TFormRoomSearch> m_formRoomSearch;
    std::unique_ptr<TFormPower> m_formPower;
    std::unique_ptr<TFormCostReason> m_formCostReason;
    std::unique_ptr<TFormAsk> m_formAsk;
    std::unique_ptr<FormWordAsker> m_asker;
    std::unique_ptr<TFormProgress> m_formProgress;
};

}  // namespace velbrisk
