#pragma once

#include <QApplication>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

// Helpers every window test shares.

// Runs action on the next modal dialog once it is shown. A check that failed
// inside the action must not leave the test waiting, so a dialog still open
// afterwards is closed.
inline void onModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog != nullptr);
        action(dialog);
        if (QApplication::activeModalWidget() == dialog) {
            dialog->close();
        }
    });
}

// The same for a dialog of a known class; a dialog of another kind is closed
// and the test fails.
template <typename Dialog> void whenModal(std::function<void(Dialog&)> body) {
    QTimer::singleShot(0, [body] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (dialog == nullptr) {
            if (modal != nullptr) {
                modal->close();
            }
            QFAIL("the expected dialog did not open");
        }
        body(*dialog);
    });
}

// Presses F1 in `widget` as a user would: in its window, shown and active.
// False when the window did not become the active one (another modal
// window still open blocks it).
inline bool pressHelpKey(QWidget* widget) {
    QWidget* window = widget->window();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; })) {
        return false;
    }
    QTest::keyClick(widget, Qt::Key_F1);
    return true;
}

// A left double-click as the window system delivers it: a press and a
// release, then the double-click event.
inline void doubleClickAt(QWidget* viewport, QPoint at) {
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
}
