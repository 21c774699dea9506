#include "gui/rooms/RoomTile.h"

#include "core/rooms/Board.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPixmapCache>
#include <QProgressBar>

namespace velbrisk {

namespace {
const QColor kSkyBlue(166, 202, 240);

QLabel* label(QWidget* parent, const QRect& r, const QString& text, Qt::Alignment a)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(r);
    l->setAlignment(a);
    return l;
}
}  // namespace

RoomTile::RoomTile(int slot, QWidget* parent) : QFrame(parent), m_slot(slot)
{
    setFixedSize(209, 66);
    setFrameShape(QFrame::StyledPanel);
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    m_picture = label(this, QRect(1, 1, 64, 64), QString(), Qt::AlignCenter);
    label(this, QRect(72, 5, 37, 18), QStringLiteral("名称："), Qt::AlignCenter);
    m_caption = label(this, QRect(72, 24, 37, 18), QStringLiteral("剩余："), Qt::AlignCenter);
    label(this, QRect(72, 43, 37, 18), QStringLiteral("进度："), Qt::AlignCenter);
    m_name = label(this, QRect(112, 5, 92, 18), QString(), Qt::AlignLeft | Qt::AlignVCenter);
    m_time = label(this, QRect(112, 24, 92, 18), QStringLiteral("00:00:00"), Qt::AlignLeft | Qt::AlignVCenter);
    m_progress = new QProgressBar(this);
    m_progress->setGeometry(112, 46, 92, 14);
    m_progress->setRange(0, 100);
    m_progress->setTextVisible(false);
    m_progress->setValue(0);
    m_progress->setAutoFillBackground(true);
    for (QObject* child : children())
        if (auto* w = qobject_cast<QWidget*>(child))
            w->installEventFilter(this);
    installEventFilter(this);
    setHidden(true);
}

void RoomTile::show(const TileSlot& s, const QString& resourceDir)
{
    setVisible(s.visible);
    if (!s.visible)
        return;
    m_name->setText(s.name);
    // The name may be cut on the tile: the tooltip holds it whole.
    setToolTip(QStringLiteral("名称：%1\n状态：%2").arg(s.name, s.state));
    m_caption->setText(s.caption);
    m_time->setText(s.timeText);
    m_progress->setValue(std::clamp(s.progress, 0, 100));
    if (m_pictureFile != s.picture) {
        m_pictureFile = s.picture;
        const QString path = resourceDir + s.picture;
        QPixmap pm;
        if (!QPixmapCache::find(path, &pm)) {
            pm.load(path);
            QPixmapCache::insert(path, pm);
        }
        m_picture->setPixmap(pm);
    }
}

void RoomTile::setHighlighted(bool on)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, on ? kSkyBlue : parentWidget()->palette().color(QPalette::Button));
    setPalette(pal);
}

bool RoomTile::eventFilter(QObject* watched, QEvent* event)
{
    const bool bar = watched == m_progress;
    // Leaving the tile, also through the gap to its neighbour, ends its highlight.
    if (watched == this && event->type() == QEvent::Leave)
        setHighlighted(false);
    if (event->type() == QEvent::Enter) {
        if (bar)
            emit barHovered(m_slot);
        else
            emit hovered(m_slot);
    } else if (event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // A click on the progress bar does nothing; taken here so that it
        // does not reach the tile behind the bar either.
        if (!bar)
            emit clicked(m_slot);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace velbrisk
