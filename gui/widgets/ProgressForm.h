#pragma once
// A small window with one progress bar, shown while a long report works.
#include <QDialog>

class QProgressBar;

namespace velbrisk {

class TFormProgress : public QDialog {
    Q_OBJECT
public:
    explicit TFormProgress(QWidget* parent = nullptr);
    // Shows the window without blocking the caller.
    void begin();
    void setPosition(int percent);
    int position() const;
    void end();

private:
    QProgressBar* m_bar;
};

}  // namespace velbrisk
