// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a bare Qt program that opens the game's first
// prompt, built the same way, and nothing else.

#include <QApplication>
#include <QInputDialog>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QInputDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Player 1"));
    dialog.setLabelText(QStringLiteral("Player 1's name:"));
    dialog.setTextValue(QStringLiteral("Player1"));
    dialog.setInputMode(QInputDialog::TextInput);
    return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
