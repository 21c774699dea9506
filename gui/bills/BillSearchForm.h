#pragma once
// The bill search: quick spans and the combined search, giving a condition.
#include "core/data/Clock.h"
#include <QDate>
#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;

namespace velbrisk {

class TFormBillSearch : public QDialog {
    Q_OBJECT
public:
    explicit TFormBillSearch(QWidget* parent = nullptr);

    // The result: " And (...)" fragments, empty for every bill. Kept when
    // the window is cancelled.
    QString Condition;
    // Today's date when a quick button is pressed (a test sets its own).
    std::function<QDate()> today = [] { return Clock::today(); };

    void prepare();
    int exec() override;

    QLineEdit* edit(const QString& name) const;  // "Serial", "RoomName", "RoomUser", "Remark"
    QCheckBox* spanBox() const { return m_span; }
    QDateEdit* fromEdit() const { return m_from; }
    QDateEdit* toEdit() const { return m_to; }
    QComboBox* typeCombo() const { return m_type; }

private:
    QLineEdit* m_serial;
    QCheckBox* m_span;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QLineEdit* m_room;
    QLineEdit* m_user;
    QComboBox* m_type;
    QLineEdit* m_remark;
};

}  // namespace velbrisk
