// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>

class QAction;
class QTextBrowser;

// Keys and Views: every key of the board and what it does, and every mark
// the board draws and what it means, each beside a picture of the mark as
// the board draws it. It opens beside the board without blocking it, and
// Escape closes it. The keys come from the board's own actions, each with
// what it says it does, so that none is left out.
class KeysWindow : public QDialog {
    Q_OBJECT

public:
    explicit KeysWindow(const QList<QAction*>& actions);

    // The list as a screen reader or a test reads it.
    QString text() const;

private:
    QString keysTable(const QList<QAction*>& actions);
    QString marksTable();
    QString picture(const QString& name, const QPixmap& pixmap);

    QTextBrowser* const m_browser;
};
