#pragma once
// The main window: the room board with its launchers. It fixes the shared
// values when it is made, opens the data file when it is first shown and
// counts the tiles down once a second.
#include "core/rooms/Board.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace velbrisk {

class TFormFinance;
class TFormLogin;
class TFormNetwork;
class TFormReport;
class TFormRoom;
class TFormRoom2;
class TFormSetting;

struct AppContext;
class Countdown;
class RoomTile;
class TFormNetwork;
class TFormLogin;
class TFormRoom;
class TFormRoom2;
class TFormSetting;

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    // `appDir` is the venue folder (the executable's folder unless the
    // program was started with --home).
    TFormMain(AppContext& ctx, const QString& appDir, const QString& programDir, QWidget* parent = nullptr);
    ~TFormMain() override;

    // The windows the board opens. The main window is made first (it fixes
    // the shared values), so they are handed to it once they exist.
    struct Windows {
        TFormNetwork& network;
        TFormLogin& login;
        TFormRoom& room;
        TFormRoom2& newRoom;
        TFormReport& reports;
        TFormFinance& finance;
        TFormSetting& settings;
    };
    void openWith(const Windows& windows) { m_windows.emplace(windows); }


    // Start-up when first shown: find and open the data file, log in, build
    // the board. False when the program has to end.
    bool startUp();
    bool ApplyLogin();
    // Shows the three launchers by the rights of the logged-in user.
    void ShowLaunchers();
    void ActionLoginExecute();
    void SettingButtonClick();
    void ReportButtonClick();  // "经营报表"
    void AccountButtonClick();  // "财务管理"

    void RefreshBoard();
    void ArrangeTiles(bool large);
    void NextPage();
    void PriorPage();
    void HighlightTile(int slot);  // -1: none
    // "访问主页", "技术支持" and the logo: the local help page.
    void OpenHelp();
    // A click on a tile: the room window for its room.
    void OpenRoom(int slot);
    void NewRoomClick();
    // One countdown tick at `now` (the timer passes the clock).
    void Tick(const QDateTime& now);

    bool boardReady() const { return m_boardReady; }
    int roomPage() const { return m_roomPage; }
    bool largeBoard() const { return m_largeBoard; }
    const TileSlots& tileSlots() const { return m_slots; }
    RoomTile* tile(int i) const { return m_tiles[i]; }
    QLabel* countLabel(int i) const { return m_counts[i]; }
    QLabel* placeholder() const { return m_placeholder; }
    QPushButton* reportButton() const { return m_reportButton; }
    QPushButton* accountButton() const { return m_accountButton; }
    QPushButton* settingButton() const { return m_settingButton; }
    QPushButton* priorButton() const { return m_priorPage; }
    QPushButton* nextButton() const { return m_nextPage; }
    QComboBox* filterCombo() const { return m_filter; }
    QComboBox* sortCombo() const { return m_sort; }
    Countdown* countdown() const { return m_countdown.get(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void showTiles();
    QString resourceDir() const;

    AppContext& m_ctx;
    std::unique_ptr<Countdown> m_countdown;
    QTimer m_timer;
    bool m_started = false;
    bool m_boardReady = false;
    bool m_boardClosing = false;
    bool m_largeBoard = false;
    int m_roomPage = 0;
    TileSlots m_slots;
    std::array<RoomTile*, kTileCount> m_tiles{};
    QComboBox* m_filter = nullptr;
    QComboBox* m_sort = nullptr;
    QLabel* m_counts[5] = {};
    std::optional<BoardCounts> m_boardCounts;  // as the labels show them
    std::optional<Windows> m_windows;
    void showCounts();
    QPushButton* m_loginButton = nullptr;
    QPushButton* m_reportButton = nullptr;
    QPushButton* m_accountButton = nullptr;
    QPushButton* m_settingButton = nullptr;
    QPushButton* m_priorPage = nullptr;
    QPushButton* m_newRoom = nullptr;
    QPushButton* m_nextPage = nullptr;
    QWidget* m_tileArea = nullptr;
    QLabel* m_placeholder = nullptr;
};

}  // namespace velbrisk
