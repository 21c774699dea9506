#pragma once
// One tile of the room board: state picture, name, time left and progress.
#include <QFrame>

class QLabel;
class QProgressBar;

namespace velbrisk {

struct TileSlot;

class RoomTile : public QFrame {
    Q_OBJECT
public:
    RoomTile(int slot, QWidget* parent = nullptr);

    int slot() const { return m_slot; }
    // Shows what the slot holds; pictures come from `resourceDir`.
    void show(const TileSlot& s, const QString& resourceDir);
    void setHighlighted(bool on);

    QLabel* nameLabel() const { return m_name; }
    QLabel* timeLabel() const { return m_time; }
    QLabel* captionLabel() const { return m_caption; }
    QProgressBar* progressBar() const { return m_progress; }
    QString pictureFile() const { return m_pictureFile; }

signals:
    void clicked(int slot);
    void hovered(int slot);
    void barHovered(int slot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_slot;
    QLabel* m_picture;
    QLabel* m_caption;
    QLabel* m_name;
    QLabel* m_time;
    QProgressBar* m_progress;
    QString m_pictureFile;
};

}  // namespace velbrisk
