#include "widgets/MomentPicker.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QMenu>
#include <QTimeEdit>

namespace velbrisk {

MomentPicker::MomentPicker(QWidget* parent) : QWidget(parent), m_date(new QDateEdit(this)), m_time(new QTimeEdit(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_date);
    row->addWidget(m_time);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setCalendarPopup(true);
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    connect(m_date, &QDateEdit::dateChanged, this, &MomentPicker::changed);
    connect(m_time, &QTimeEdit::timeChanged, this, &MomentPicker::changed);
}

QDateTime MomentPicker::value() const { return QDateTime(m_date->date(), m_time->time()); }

void MomentPicker::setValue(const QDateTime& moment)
{
    m_date->setDate(moment.date());
    m_time->setTime(moment.time());
}

QTime MomentPicker::time() const { return m_time->time(); }

void MomentPicker::setTime(const QTime& time) { m_time->setTime(time); }

QMenu* makeLengthMenu(QWidget* parent, const std::function<void(int seconds)>& apply)
{
    auto* menu = new QMenu(parent);
    const std::pair<const char*, int> items[] = {{"+ 15:00", 15 * 60}, {"+ 20:00", 20 * 60}, {"+ 30:00", 30 * 60},
                                                 {"+ 1:00:00", 3600},  {"+ 2:00:00", 7200},  {"+ 3:00:00", 10800},
                                                 {"+ 4:00:00", 14400}, {"+ 5:00:00", 18000}};
    for (const auto& [text, seconds] : items) {
        const int s = seconds;
        menu->addAction(QString::fromUtf8(text), parent, [apply, s] { apply(s); });
    }
    return menu;
}

}  // namespace velbrisk
