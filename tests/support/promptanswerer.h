// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

// Answers the real prompt dialogs as a player would, one scripted answer per
// prompt that opens: types the text into the field and presses OK, or presses
// Cancel, or closes the prompt through its frame. It watches for the prompts
// from the event loop, the way a player sees them appear.
class PromptAnswerer : public QObject {
    Q_OBJECT

public:
    enum class Action { Ok, Cancel, Close };
    struct Answer {
        Action action = Action::Ok;
        QString text;
    };

    explicit PromptAnswerer(QList<Answer> answers);
    // Types each text and presses OK.
    static QList<Answer> typing(const QStringList& texts);

    // What each prompt's field held when it was answered, and its title.
    const QStringList& fieldTexts() const { return m_fieldTexts; }
    const QStringList& titles() const { return m_titles; }
    bool isDone() const { return m_answers.isEmpty(); }

private:
    void answerOpenPrompt();

    QList<Answer> m_answers;
    QStringList m_fieldTexts;
    QStringList m_titles;
    QTimer m_watch;
};
