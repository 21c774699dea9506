#pragma once
// A moment as the windows take it: a date picker and its paired time picker
// side by side, and the "+" menu of planned lengths.
#include <QDateTime>
#include <QWidget>
#include <functional>

class QDateEdit;
class QDateTimeEdit;
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

// A click into a date or time picker selects the part clicked (hours,
// minutes, day...), so that what is typed next replaces it.
void selectSectionOnClick(QDateTimeEdit* edit);

// A date picker as the windows show one: "yyyy-MM-dd", a calendar to drop
// down, and a click that selects the part clicked.
void setUpDatePicker(QDateEdit* edit);

// The eight lengths of the "+" menus: "+ 15:00" ... "+ 5:00:00".
QMenu* makeLengthMenu(QWidget* parent, const std::function<void(int seconds)>& apply);

}  // namespace velbrisk
