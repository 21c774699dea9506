#pragma once
// The main window: the room board with its launchers. It fixes the shared
// values when it is made and opens the data file when it is first shown.
#include <QMainWindow>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace velbrisk {

struct AppContext;
class TFormNetwork;

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    // `appDir` is the venue folder (the executable's folder unless the
    // program was started with --home).
    TFormMain(AppContext& ctx, const QString& appDir, const QString& programDir, QWidget* parent = nullptr);

    void setNetworkForm(TFormNetwork* form) { m_network = form; }

    // Start-up when first shown: find and open the data file, log in, build
    // the board. False when the program has to end.
    bool startUp();
    bool ApplyLogin();

    // Counts per state under the filter and sort lists.
    void RefreshCounts();

    bool boardReady() const { return m_boardReady; }
    QLabel* countLabel(int i) const { return m_counts[i]; }
    QPushButton* reportButton() const { return m_reportButton; }
    QPushButton* accountButton() const { return m_accountButton; }
    QPushButton* settingButton() const { return m_settingButton; }
    QComboBox* filterCombo() const { return m_filter; }
    QComboBox* sortCombo() const { return m_sort; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    AppContext& m_ctx;
    TFormNetwork* m_network = nullptr;
    bool m_started = false;
    bool m_boardReady = false;
    bool m_boardClosing = false;
    QComboBox* m_filter = nullptr;
    QComboBox* m_sort = nullptr;
    QLabel* m_counts[5] = {};
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
