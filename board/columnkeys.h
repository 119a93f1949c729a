// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/heldkeys.h"

#include <QObject>

class QKeyEvent;
class QWidget;

// Keys 1 to 7, on the main row or the keypad, name the columns of the
// board they watch: a press says which through `pressed`, once for a key
// held down however the system repeats it. With Ctrl, Alt or Meta a key is
// some other command, not a column.
class ColumnKeys : public QObject {
    Q_OBJECT

public:
    explicit ColumnKeys(QWidget& board);

signals:
    void pressed(int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HeldKeys m_heldKeys;
};
