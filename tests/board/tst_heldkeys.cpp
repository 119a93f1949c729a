// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/heldkeys.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTest>

namespace {

// One event as the window sees it. A scan code of 0 is an event the
// program or a test made, a timestamp of 0 an event without a time.
struct KeyStep {
    QEvent::Type type = QEvent::KeyPress;
    int key = Qt::Key_4;
    quint32 scanCode = 0;
    quint64 timestamp = 0;
    bool autoRepeat = false;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// Keys 4 and 5 of the main row, by the scan codes X gives them.
constexpr quint32 scanOf4 = 13;
constexpr quint32 scanOf5 = 14;

KeyStep press(quint64 at, quint32 scanCode = scanOf4, int key = Qt::Key_4)
{
    return { QEvent::KeyPress, key, scanCode, at, false, Qt::NoModifier };
}

KeyStep release(quint64 at, quint32 scanCode = scanOf4, int key = Qt::Key_4)
{
    return { QEvent::KeyRelease, key, scanCode, at, false, Qt::NoModifier };
}

KeyStep repeated(KeyStep step)
{
    step.autoRepeat = true;
    return step;
}

KeyStep withModifiers(KeyStep step, Qt::KeyboardModifiers modifiers)
{
    step.modifiers = modifiers;
    return step;
}

KeyStep focusLost()
{
    return { QEvent::FocusOut, 0, 0, 0, false, Qt::NoModifier };
}

} // namespace

Q_DECLARE_METATYPE(KeyStep)

// HeldKeys on its own: which presses start a hold, however the keyboard
// repeats a key held down.
class TestHeldKeys : public QObject {
    Q_OBJECT

private slots:
    void eachHoldStartsOnce_data();
    void eachHoldStartsOnce();
};

void TestHeldKeys::eachHoldStartsOnce_data()
{
    // The events in order, presses given to pressStartsHold() and the rest
    // to follow(), as the board gives them; then whether each press
    // started a hold.
    QTest::addColumn<QList<KeyStep>>("steps");
    QTest::addColumn<QList<bool>>("starts");

    QTest::newRow("a press") << QList{ press(100) } << QList{ true };
    QTest::newRow("a press without a time") << QList{ press(0) } << QList{ true };
    QTest::newRow("pressed, released, pressed later") << QList{ press(100), release(150), press(300) }
                                                      << QList{ true, true };
    QTest::newRow("repeats as presses alone") << QList{ press(100), press(130), press(160) }
                                              << QList{ true, false, false };
    QTest::newRow("repeats flagged, their releases too")
        << QList{ press(100), repeated(release(130)), repeated(press(130)), repeated(release(160)),
                  repeated(press(160)) }
        << QList{ true, false, false };
    QTest::newRow("repeats as a release and a press at one moment")
        << QList{ press(100), release(130), press(130), release(160), press(160) } << QList{ true, false, false };
    QTest::newRow("the real release after such repeats")
        << QList{ press(100), release(130), press(130), release(160), press(300) } << QList{ true, false, true };
    // A release and a press that the program makes itself are two presses,
    // whatever their times say.
    QTest::newRow("made by the program: a release and a press at one moment")
        << QList{ press(100, 0), release(130, 0), press(130, 0) } << QList{ true, true };
    QTest::newRow("without a time: a release and a press") << QList{ press(0), release(0), press(0) }
                                                           << QList{ true, true };
    // Shift went down while 4 was held: the same key comes up as $.
    QTest::newRow("released as another key, the same physical key")
        << QList{ press(100), withModifiers(release(150, scanOf4, Qt::Key_Dollar), Qt::ShiftModifier),
                  press(300) }
        << QList{ true, true };
    QTest::newRow("another key released meanwhile") << QList{ press(100), release(150, scanOf5, Qt::Key_5), press(300) }
                                                    << QList{ true, false };
    QTest::newRow("two keys held together")
        << QList{ press(100), press(120, scanOf5, Qt::Key_5), press(150), press(150, scanOf5, Qt::Key_5) }
        << QList{ true, true, false, false };
    QTest::newRow("made by the program: the keypad's 4 is a key of its own")
        << QList{ press(100, 0), withModifiers(press(120, 0), Qt::KeypadModifier) } << QList{ true, true };
    QTest::newRow("the focus lost while held") << QList{ press(100), focusLost(), press(300) } << QList{ true, true };
    // Back in the window with the key still down, the keyboard's repeats
    // are flagged and start nothing.
    QTest::newRow("flagged repeats after the focus came back")
        << QList{ press(100), focusLost(), repeated(press(300)), repeated(press(330)) } << QList{ true, false, false };
}

void TestHeldKeys::eachHoldStartsOnce()
{
    QFETCH(QList<KeyStep>, steps);
    QFETCH(QList<bool>, starts);

    HeldKeys held;
    QList<bool> started;
    for (const KeyStep& step : steps) {
        if (step.type == QEvent::FocusOut) {
            held.follow(QFocusEvent(QEvent::FocusOut));
            continue;
        }
        QKeyEvent event(step.type, step.key, step.modifiers, step.scanCode, 0, 0, {}, step.autoRepeat);
        event.setTimestamp(step.timestamp);
        if (step.type == QEvent::KeyPress)
            started << held.pressStartsHold(event);
        else
            held.follow(event);
    }
    QCOMPARE(started, starts);
}

QTEST_MAIN(TestHeldKeys)
#include "tst_heldkeys.moc"
