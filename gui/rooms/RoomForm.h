#pragma once
// The room operation window: start, adjust, cancel and settle a timing task.
#include "core/data/Clock.h"
#include "core/data/SaveResult.h"
#include <QDateTime>
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace velbrisk {

struct AppContext;
class BookTab;
class CostTab;
class MomentPicker;
class TFormBook;
class TFormCost;
class TFormRoom2;

class TFormRoom : public QDialog {
    Q_OBJECT
public:
    // `cost` and `book` enter the tabs' consumption and bookings, `details`
    // changes the room's own data.
    TFormRoom(AppContext& ctx, TFormCost& cost, TFormBook& book, TFormRoom2& details, QWidget* parent = nullptr);

    int OpenRoomIndex = 0;
    bool Changed = false;

    // The steps of showing the window (also run by exec()), with the clock.
    void prepare(const QDateTime& now = Clock::now());
    void ComputeRoomFee();
    void ActionBeginExecute();
    void ActionBillExecute();
    void ActionCancelExecute();
    void ActionEditExecute();
    // A time-adjust menu item: the planned length becomes `seconds`.
    void AdjustLength(int seconds);

    QDateTime begin() const;
    QDateTime end() const;
    void setBegin(const QDateTime& dt);
    void setEnd(const QDateTime& dt);

    QString stateCaption() const;
    QLabel* nameLabel() const { return m_name; }
    QLabel* typeLabel() const { return m_type; }
    QLabel* priceLabel() const { return m_price; }
    QLabel* lengthLabel() const { return m_length; }
    QLineEdit* customerEdit() const { return m_customer; }
    QLineEdit* roomFeeEdit() const { return m_roomFee; }
    QLineEdit* otherCostEdit() const { return m_otherCost; }
    QLineEdit* totalEdit() const { return m_total; }
    QPlainTextEdit* noteEdit() const { return m_note; }
    QPushButton* beginButton() const { return m_beginButton; }
    QPushButton* billButton() const { return m_billButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QMenu* timeMenu() const { return m_timeMenu; }
    CostTab* costTab() const { return m_costTab; }
    BookTab* bookTab() const { return m_bookTab; }
    QString pictureFile() const { return m_pictureFile; }

    int exec() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildOperationTab();
    void loadRoomLines();
    void updateTotal();
    void setTimeControlsVisible(bool visible);
    // Says why a rule refused; true when it saved.
    bool done(const SaveResult& r);
    void showState(const QString& state);  // caption and picture
    void refreshState();                   // as the data file holds it now

    AppContext& m_ctx;
    TFormRoom2& m_details;
    QTabWidget* m_tabs;
    QGroupBox* m_stateGroup;
    QLabel* m_picture;
    QString m_pictureFile;
    QLabel* m_name;
    QLabel* m_type;
    QLabel* m_price;
    QLineEdit* m_customer;
    QLabel* m_beginCaption;
    QLabel* m_endCaption;
    MomentPicker* m_begin;
    MomentPicker* m_end;
    QPushButton* m_plus;
    QLabel* m_length;
    QString m_roomState;  // as loaded
    QLineEdit* m_roomFee;
    QLineEdit* m_otherCost;
    QLineEdit* m_total;
    QPlainTextEdit* m_note;
    QPushButton* m_beginButton;
    QPushButton* m_billButton;
    QPushButton* m_cancelButton;
    QMenu* m_timeMenu;
    CostTab* m_costTab;
    BookTab* m_bookTab;
    bool m_loading = false;
};

}  // namespace velbrisk
