#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "ui/AuditionButton.h"

namespace tonalyx {

// The held-note guarantees of the audition button: every press gets exactly
// one Up, whether the mouse-up arrives or not.
class AuditionButtonTest : public QObject {
  Q_OBJECT

 private slots:
  void anyMouseButtonGivesDownThenUp() {
    QWidget window;
    AuditionButton button(17, &window);
    QSignalSpy down(&button, &AuditionButton::Down);
    QSignalSpy up(&button, &AuditionButton::Up);
    window.show();

    for (Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton}) {
      QTest::mousePress(&button, mouse);
      QTest::mouseRelease(&button, mouse);
    }
    QCOMPARE(down.count(), 2);
    QCOMPARE(up.count(), 2);
    QCOMPARE(down.at(0).at(0).toInt(), 17);
  }

  void keyboardActivationPlaysNothing() {
    QWidget window;
    AuditionButton button(1, &window);
    QSignalSpy down(&button, &AuditionButton::Down);
    window.show();
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Return);
    QCOMPARE(down.count(), 0);
  }

  void hidingOrDeactivatingDuringAHoldEndsTheNoteOnce() {
    QWidget window;
    AuditionButton button(5, &window);
    QSignalSpy up(&button, &AuditionButton::Up);
    window.show();

    QTest::mousePress(&button, Qt::LeftButton);
    window.hide();
    QCOMPARE(up.count(), 1);
    window.show();
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(up.count(), 1);  // the late mouse-up does not end it again

    QTest::mousePress(&button, Qt::LeftButton);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&button, &deactivate);
    QCOMPARE(up.count(), 2);
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(up.count(), 2);
  }

  void aPopupAnotherGrabberOrDisablingEndsTheNoteOnce() {
    QWidget window;
    AuditionButton button(9, &window);
    QWidget grabber(&window);
    QSignalSpy up(&button, &AuditionButton::Up);
    window.show();

    // A tooltip opens without taking the mouse: the hold goes on.
    QTest::mousePress(&button, Qt::LeftButton);
    QWidget tip(&window, Qt::ToolTip);
    tip.show();
    QCOMPARE(up.count(), 0);
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(up.count(), 1);

    // A menu opens (as from the keyboard) and takes the mouse-up.
    QTest::mousePress(&button, Qt::RightButton);
    QMenu menu(&window);
    menu.addAction(QStringLiteral("item"));
    menu.popup(window.mapToGlobal(QPoint(0, 0)));
    QCOMPARE(up.count(), 2);
    menu.close();
    QTest::mouseRelease(&button, Qt::RightButton);
    QCOMPARE(up.count(), 2);

    // Another widget has taken the mouse: the mouse-up goes there.
    QTest::mousePress(&button, Qt::LeftButton);
    grabber.grabMouse();
    QTest::mouseRelease(&grabber, Qt::LeftButton);
    grabber.releaseMouse();
    QCOMPARE(up.count(), 3);

    // A disabled button gets no mouse-up.
    QTest::mousePress(&button, Qt::LeftButton);
    window.setEnabled(false);
    QCOMPARE(up.count(), 4);
    window.setEnabled(true);
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(up.count(), 4);
  }

  void quittingEndsEveryHeldNote() {
    QWidget window;
    AuditionButton first(1, &window);
    AuditionButton second(2, &window);
    QSignalSpy first_up(&first, &AuditionButton::Up);
    QSignalSpy second_up(&second, &AuditionButton::Up);
    window.show();

    QTest::mousePress(&first, Qt::LeftButton);
    AuditionHold::EndAllHeld();
    QCOMPARE(first_up.count(), 1);
    QCOMPARE(second_up.count(), 0);  // never pressed, nothing to end
    AuditionHold::EndAllHeld();
    QCOMPARE(first_up.count(), 1);
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::AuditionButtonTest)
#include "AuditionButtonTest.moc"
