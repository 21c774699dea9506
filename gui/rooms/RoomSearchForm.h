#pragma once
// The room search window: four texts that make a condition on rooms.
#include <QDialog>

class QLineEdit;

namespace velbrisk {

class TFormRoomSearch : public QDialog {
    Q_OBJECT
public:
    explicit TFormRoomSearch(QWidget* parent = nullptr);

    QString Condition;

    void prepare();
    void OkClick();
    QLineEdit* edit(int i) const { return m_edits[i]; }
    int exec() override;

private:
    QLineEdit* m_edits[4];
};

}  // namespace velbrisk
