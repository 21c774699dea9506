#include "gui/widgets/MomentPicker.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMenu>
#include <QTimeEdit>

namespace velbrisk {

namespace {

class SectionOnClick : public QObject {
public:
    explicit SectionOnClick(QDateTimeEdit* edit) : QObject(edit), m_edit(edit) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // By the release the press has put the cursor into the part clicked.
        if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
            && !static_cast<QLineEdit*>(watched)->hasSelectedText())
            m_edit->setSelectedSection(m_edit->currentSection());
        return false;
    }

private:
    QDateTimeEdit* m_edit;
};

}  // namespace

void selectSectionOnClick(QDateTimeEdit* edit)
{
    if (QLineEdit* line = edit->findChild<QLineEdit*>())
        line->installEventFilter(new SectionOnClick(edit));
}

MomentPicker::MomentPicker(QWidget* parent) : QWidget(parent), m_date(new QDateEdit(this)), m_time(new QTimeEdit(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_date);
    row->addWidget(m_time);
    setUpDatePicker(m_date);
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    selectSectionOnClick(m_time);
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

void setUpDatePicker(QDateEdit* edit)
{
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    selectSectionOnClick(edit);
}

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
