#pragma once
// The login group of the settings window: the login mode and the users.
#include "core/data/Query.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QPushButton;

namespace velbrisk {

struct AppContext;
class DataGrid;
class ListPanel;
class TFormPower;

class UserList : public QGroupBox {
    Q_OBJECT
public:
    UserList(AppContext& ctx, TFormPower* powerForm, QWidget* parent = nullptr);

    void load();           // the mode from the file and the users
    void loadUsers();
    void ModeChanged();    // description and list follow the list at once
    void SaveMode();
    void NewUser();
    void EditUser();
    void DeleteUser();

    QComboBox* modeCombo() const { return m_mode; }
    QLabel* modeLine() const { return m_line; }
    DataGrid* grid() const;

private:
    AppContext& m_ctx;
    TFormPower* m_powerForm;
    Query m_query;
    QComboBox* m_mode;
    QLabel* m_line;
    ListPanel* m_panel;
};

}  // namespace velbrisk
