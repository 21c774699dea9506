#pragma once
// A moment as the windows take it: a date picker and its paired time picker
// side by side, and the "+" menu of planned lengths.
#include <QDateTime>
#include <QWidget>
#include <functional>

class QDateEdit;
class QMenu;
class QTimeEdit;

namespace velbrisk {

class MomentPicker : public QWidget {
    Q_OBJECT
public:
    explicit MomentPicker(QWidget* parent = nullptr);

    // The picker's date combined with the time of day of its time picker.
    QDateTime value() const;
    void setValue(const QDateTime& moment);
    QTime time() const;
    void setTime(const QTime& time);  // the date stays

    QDateEdit* dateEdit() const { return m_date; }
    QTimeEdit* timeEdit() const { return m_time; }

signals:
    void changed();  // the date or the time was changed

private:
    QDateEdit* m_date;
    QTimeEdit* m_time;
};

// The eight lengths of the "+" menus: "+ 15:00" ... "+ 5:00:00".
QMenu* makeLengthMenu(QWidget* parent, const std::function<void(int seconds)>& apply);

}  // namespace velbrisk
