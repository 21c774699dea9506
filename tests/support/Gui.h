#pragma once
// Helpers for window tests that press the real buttons, including those of
// the modal dialogs a window opens.
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace velbrisk::test {

// The push button of `w` that reads `text`: a visible one first, else one on
// a tab page not in front (the page is brought to the front, as a person
// would). Fails the test when there is none.
inline QPushButton* buttonOf(QWidget* w, const QString& text)
{
    QPushButton* hidden = nullptr;
    for (QPushButton* b : w->findChildren<QPushButton*>()) {
        if (b->text() != text)
            continue;
        if (b->isVisibleTo(w))
            return b;
        if (!hidden && !b->isHidden())
            hidden = b;
    }
    if (hidden) {
        for (QWidget* page = hidden; page && page != w; page = page->parentWidget())
            if (auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget()))
                stack->setCurrentWidget(page);
        if (hidden->isVisibleTo(w))
            return hidden;
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

// Clicks the button of `w` that reads `text`, as a person would.
inline void click(QWidget* w, const QString& text)
{
    if (QPushButton* b = buttonOf(w, text))
        QTest::mouseClick(b, Qt::LeftButton);
}

// Runs `act` on the next modal dialog of type T, from inside the dialog's own
// event loop once it shows. A dialog still open after `act` is closed with
// Cancel, so a test never hangs; so is one that never comes within 5 s.
template <class T>
void onNextDialog(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act, waited] {
        T* d = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!d) {
            if (++*waited > 500) {
                timer->stop();
                timer->deleteLater();
                ADD_FAILURE() << "the expected dialog did not open";
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(d);
        if (d->isVisible())
            d->reject();
    });
    timer->start();
}

}  // namespace velbrisk::test
