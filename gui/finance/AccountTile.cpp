#include "gui/finance/AccountTile.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>

namespace velbrisk {

AccountTile::AccountTile(QWidget* parent)
    : QFrame(parent), m_icon(new QLabel(this)), m_type(new QLabel(this)), m_name(new QLabel(this)),
      m_balance(new QLabel(this)), m_month(new QLabel(this))
{
    setFixedSize(222, 79);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    m_icon->setGeometry(8, 8, 41, 41);
    m_icon->setAlignment(Qt::AlignCenter);
    m_type->setGeometry(4, 50, 48, 20);
    m_type->setAlignment(Qt::AlignCenter);
    const char* const captions[] = {"名称：", "金额：", "当月："};
    for (int i = 0; i < 3; ++i) {
        auto* caption = new QLabel(QString::fromUtf8(captions[i]), this);
        caption->setGeometry(52, 8 + 21 * i, 39, 20);
        caption->setAlignment(Qt::AlignCenter);
    }
    m_name->setGeometry(92, 8, 114, 20);
    m_balance->setGeometry(92, 29, 114, 20);
    m_month->setGeometry(92, 50, 114, 20);
    for (QWidget* w : findChildren<QWidget*>()) {
        w->setCursor(Qt::PointingHandCursor);
        w->installEventFilter(this);
    }
    setCursor(Qt::PointingHandCursor);
    installEventFilter(this);
    setHighlighted(false);
}

void AccountTile::show(const AccountTileData& data, const QString& iconPath)
{
    m_data = data;
    m_icon->setPixmap(QIcon(iconPath).pixmap(41, 41));
    m_type->setText(data.typeWord);
    m_name->setText(data.name);
    m_balance->setText(data.balanceText());
    m_month->setText(data.monthText());
    const QString colour = data.red ? QStringLiteral("color: red") : QStringLiteral("color: blue");
    for (QLabel* l : {m_type, m_name, m_balance, m_month})
        l->setStyleSheet(colour);
    setToolTip(data.name);
    QFrame::show();
}

void AccountTile::setHighlighted(bool on)
{
    m_highlighted = on;
    QPalette p = palette();
    p.setColor(QPalette::Window, on ? QColor(166, 202, 240) : parentWidget() ? parentWidget()->palette().color(QPalette::Window)
                                                                             : QColor(Qt::lightGray));
    setPalette(p);
}

QString AccountTile::nameText() const { return m_name->text(); }
QString AccountTile::balanceText() const { return m_balance->text(); }
QString AccountTile::monthText() const { return m_month->text(); }
QString AccountTile::typeText() const { return m_type->text(); }
QColor AccountTile::textColor() const { return m_data.red ? QColor(Qt::red) : QColor(Qt::blue); }

bool AccountTile::eventFilter(QObject* watched, QEvent* event)
{
    Q_UNUSED(watched);
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        emit hovered(this);
    } else if (event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // Taken here: a label would pass the release on to the tile itself,
        // which would take it for a second click.
        emit clicked(this);
        return true;
    }
    return false;
}

}  // namespace velbrisk
