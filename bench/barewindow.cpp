// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for memory: a bare Qt program that shows one window the size of
// the board window, with the same caption, and nothing else. With --label it
// also shows one line of text, which is what it takes to load fonts at all.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vantrel"));
    window.resize(484, 416);
    if (QApplication::arguments().contains(QStringLiteral("--label")))
        (new QLabel(QStringLiteral("Vantrel"), &window))->move(136, 16);
    window.show();
    return QApplication::exec();
}
