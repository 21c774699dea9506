#pragma once
// Buttons as every window of the program lays them out.
#include <QString>
#include <functional>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace velbrisk {

// A push button that Enter in another field does not press.
QPushButton* makeButton(QWidget* parent, const QString& text, const std::function<void()>& onClick = {});

// The right-aligned "确定" / "取消" row of a dialog: the first runs `onOk`,
// the second closes the dialog with Cancel.
QHBoxLayout* okCancelRow(QDialog* dialog, const std::function<void()>& onOk,
                         const QString& okText = QStringLiteral("确定"));

}  // namespace velbrisk
