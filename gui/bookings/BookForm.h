#pragma once
// The booking window: a room's booked begin and end and a remark.
#include <QDateTime>
#include "core/data/Clock.h"
#include "gui/widgets/EditDialog.h"

class QLineEdit;
class QMenu;
class QPlainTextEdit;

namespace velbrisk {

struct AppContext;
class MomentPicker;

class TFormBook : public EditDialog {
    Q_OBJECT
public:
    explicit TFormBook(AppContext& ctx, QWidget* parent = nullptr);

    QString NewRoomName;
    int NewRoomIndex = 0;  // the room whose state a new booking may change

    void prepare() override { prepare(Clock::now()); }
    void prepare(const QDateTime& now);
    void ActionYesExecute();
    void AdjustLength(int seconds);
    void UpdateLength();

    QDateTime begin() const;
    QDateTime end() const;
    void setBegin(const QDateTime& dt);
    void setEnd(const QDateTime& dt);
    QLineEdit* lengthEdit() const { return m_length; }
    QLineEdit* roomEdit() const { return m_room; }
    QPlainTextEdit* remarkEdit() const { return m_remark; }
    QMenu* timeMenu() const { return m_menu; }


private:
    AppContext& m_ctx;
    QLineEdit* m_room;
    MomentPicker* m_begin;
    MomentPicker* m_end;
    QLineEdit* m_length;
    QPlainTextEdit* m_remark;
    QMenu* m_menu;
};


}  // namespace velbrisk
