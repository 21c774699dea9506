#pragma once
// The settings window: every option, the users, the item catalogue, the
// finance word lists, backups and clearing.
#include <QDialog>
#include <functional>

class QComboBox;
class QLineEdit;
class QTabWidget;

class QSpinBox;

namespace velbrisk {

struct AppContext;
class ItemList;
class TFormCostReason;
class TFormPower;
class UserList;
class WordAsker;
class WordLists;

class TFormSetting : public QDialog {
    Q_OBJECT
public:
    TFormSetting(AppContext& ctx, TFormPower* powerForm, TFormCostReason* itemForm, WordAsker* asker,
                 QWidget* parent = nullptr);

    bool Changed = false;
    // Ends the program after a restore (the program quits; tests listen).
    std::function<void()> endProgram;

    void setWordAsker(WordAsker* asker);
    void prepare();
    // One "确定" per option.
    void SaveRingFile();
    void SaveRingMode();
    void SaveTicketPrint();
    void SaveBookOverlap();
    void SaveOvertime();
    void SaveAccountForBill();
    void SavePrintType();
    void SaveMoneyIndex();
    void ChooseRingFile();
    void TryRingFile();
    // Maintenance.
    void DataSave();
    void DataLoad();
    void ClearBookings();
    void ClearConsumption();

    QComboBox* combo(const char* key) const;
    QSpinBox* graceBox() const { return m_grace; }
    QLineEdit* ringFileEdit() const { return m_ringFile; }
    UserList* userList() const { return m_users; }
    ItemList* itemList() const { return m_items; }
    WordLists* wordLists() const { return m_words; }
    QTabWidget* tabs() const { return m_tabs; }

    int exec() override;

private:
    QWidget* buildSettingsTab();
    QWidget* buildBusinessTab();
    QWidget* buildFinanceTab();
    QWidget* buildDevicesTab();
    void selectTwo(QComboBox* box, const QString& value);
    QString dataFilePath() const;

    AppContext& m_ctx;
    TFormPower* m_powerForm;
    TFormCostReason* m_itemForm;
    WordAsker* m_asker;
    QTabWidget* m_tabs;
    UserList* m_users = nullptr;
    ItemList* m_items = nullptr;
    WordLists* m_words = nullptr;
    QLineEdit* m_ringFile = nullptr;
    QComboBox* m_ringMode = nullptr;
    QComboBox* m_ticket = nullptr;
    QComboBox* m_overlap = nullptr;
    QComboBox* m_overtime = nullptr;
    QSpinBox* m_grace = nullptr;
    QComboBox* m_account = nullptr;
    QComboBox* m_printType = nullptr;
    QComboBox* m_moneyIndex = nullptr;
};

}  // namespace velbrisk
