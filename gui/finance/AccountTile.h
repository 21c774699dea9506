#pragma once
// One account tile of the finance window: icon, type word, name, balance and
// month figure; the whole tile answers hover and click.
#include "core/finance/Ledger.h"

#include <QFrame>

class QLabel;

namespace velbrisk {

class AccountTile : public QFrame {
    Q_OBJECT
public:
    explicit AccountTile(QWidget* parent = nullptr);

    // Fills the tile; `iconPath` is the icon file found in the program's pictures.
    void show(const AccountTileData& data, const QString& iconPath);
    void setHighlighted(bool on);
    bool highlighted() const { return m_highlighted; }

    const AccountTileData& data() const { return m_data; }
    QString nameText() const;
    QString balanceText() const;
    QString monthText() const;
    QString typeText() const;
    QColor textColor() const;  // of the name, balance, month and type word
    QString iconFile() const { return m_data.icon; }
    QLabel* nameLabel() const { return m_name; }

signals:
    void hovered(AccountTile* tile);
    void clicked(AccountTile* tile);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QFrame::show;
    AccountTileData m_data;
    QLabel* m_icon;
    QLabel* m_type;
    QLabel* m_name;
    QLabel* m_balance;
    QLabel* m_month;
    bool m_highlighted = false;
};

}  // namespace velbrisk
