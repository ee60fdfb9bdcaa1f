// The platform's drag of a window by its title, driven through the window
// system's own input path.
#include <gtest/gtest.h>

#include <QCursor>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "com/Application.h"
#include "com/WindowMessages.h"

using namespace com;

namespace {

TEST(WindowMessages, ATitleDragMovesTheWindowUntilTheButtonIsReleased) {
    ensureApplication();
    QWidget w(nullptr, Qt::FramelessWindowHint);
    w.setGeometry(100, 100, 200, 100);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QPoint start = w.pos();
    WindowMessages& m = platformMessages();

    // No button held: nothing to drag.
    EXPECT_EQ(m.sendMessage(handleOf(&w), WM_NCLBUTTONDOWN, HTCAPTION, 0), 0);
    EXPECT_EQ(w.pos(), start);

    QCursor::setPos(w.mapToGlobal(QPoint(10, 10)));
    QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(10, 10));
    const QPoint to = w.mapToGlobal(QPoint(40, 30));
    QTimer::singleShot(0, [&] {
        QTest::mouseMove(&w, w.mapFromGlobal(to));
        QTest::mouseRelease(&w, Qt::LeftButton, {}, w.mapFromGlobal(to));
    });
    // Returns once the button is up, the window moved with the mouse.
    m.sendMessage(handleOf(&w), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    EXPECT_EQ(w.pos(), start + QPoint(30, 20));

    // Another message, or a window that is gone, does nothing.
    EXPECT_EQ(m.sendMessage(handleOf(&w), 0x0201, 0, 0), 0);
    EXPECT_EQ(m.sendMessage(handleOf(&start), WM_NCLBUTTONDOWN, HTCAPTION, 0), 0);
    EXPECT_EQ(w.pos(), start + QPoint(30, 20));
}

}  // namespace
