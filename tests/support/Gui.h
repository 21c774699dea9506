#pragma once
// Helpers for window tests that press the real buttons, including those of
// the modal dialogs a window opens.
#include <QTableView>
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

// Runs `doIt` (a click, a double-click) and returns how many windows it
// opened. The first is handed to `act` from inside its own event loop and
// closed with Cancel when `act` leaves it open; any further one is counted
// and closed with Cancel at once, so a doubled action cannot hang a test.
template <class T = QDialog>
int windowsOpenedBy(const std::function<void()>& doIt, std::function<void(T*)> act = {})
{
    struct Watch : QObject {
        std::function<void(T*)> act;
        int opened = 0;
        bool acting = false;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            auto* d = qobject_cast<QDialog*>(o);
            if (e->type() != QEvent::Show || !d || !d->isWindow() || acting)
                return false;
            if (++opened > 1) {
                QTimer::singleShot(0, d, [d] { d->reject(); });
                return false;
            }
            QTimer::singleShot(0, d, [this, d] {
                acting = true;
                if (act) {
                    if (T* t = qobject_cast<T*>(d))
                        act(t);
                    else
                        ADD_FAILURE() << "a window of another class opened: " << d->metaObject()->className();
                }
                acting = false;
                if (d->isVisible())
                    d->reject();
            });
            return false;
        }
    } watch;
    watch.act = std::move(act);
    qApp->installEventFilter(&watch);
    doIt();
    // A window opened later (from a queued call) is counted too.
    QTest::qWait(20);
    qApp->removeEventFilter(&watch);
    return watch.opened;
}

// Double-clicks row `row` of a list as a real mouse does (press, release,
// double-click, release on its viewport); the windows it opened are counted
// and handled as windowsOpenedBy() does.
template <class T = QDialog>
int doubleClickRow(QTableView* view, int row, std::function<void(T*)> act = {}, int column = -1)
{
    // A list on a tab page behind is brought to the front, as a person would.
    for (QWidget* page = view; page; page = page->parentWidget())
        if (auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget()))
            stack->setCurrentWidget(page);
    QAbstractItemModel* m = view->model();
    int col = column;
    if (col < 0)
        for (col = 0; col < m->columnCount() && view->isColumnHidden(col);)
            ++col;
    view->scrollTo(m->index(row, col));
    const QPoint at = view->visualRect(m->index(row, col)).center();
    QWidget* port = view->viewport();
    return windowsOpenedBy<T>(
        [port, at] {
            QTest::mousePress(port, Qt::LeftButton, {}, at);
            QTest::mouseRelease(port, Qt::LeftButton, {}, at);
            QTest::mouseDClick(port, Qt::LeftButton, {}, at);
            QTest::mouseRelease(port, Qt::LeftButton, {}, at);
        },
        std::move(act));
}

// Clicks `w` where a person would (the middle, or `at`), through the real
// press and release; returns the windows it opened, as windowsOpenedBy().
template <class T = QDialog>
int clickOpens(QWidget* w, std::function<void(T*)> act = {}, QPoint at = QPoint())
{
    return windowsOpenedBy<T>([w, at] { QTest::mouseClick(w, Qt::LeftButton, {}, at); }, std::move(act));
}

}  // namespace velbrisk::test
