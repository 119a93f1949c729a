// SPDX-License-Identifier: GPL-3.0-or-later
#include "promptanswerer.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QWindow>

PromptAnswerer::PromptAnswerer(QList<Answer> answers)
    : m_answers(std::move(answers))
{
    connect(&m_watch, &QTimer::timeout, this, &PromptAnswerer::answerOpenPrompt);
    m_watch.start(0);
}

QList<PromptAnswerer::Answer> PromptAnswerer::typing(const QStringList& texts)
{
    QList<Answer> answers;
    for (const QString& text : texts)
        answers.append({ Action::Ok, text });
    return answers;
}

void PromptAnswerer::answerOpenPrompt()
{
    // A prompt that was answered is hidden at once, so it is never answered twice.
    auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    if (!prompt || m_answers.isEmpty())
        return;
    const Answer answer = m_answers.takeFirst();
    auto* field = prompt->findChild<QLineEdit*>();
    if (answer.action == Action::Ok) {
        // Replaces the default text the way select-all and typing would.
        field->selectAll();
        field->insert(answer.text);
    }
    m_fieldTexts.append(field->text());
    m_titles.append(prompt->windowTitle());
    switch (answer.action) {
    case Action::Ok:
        prompt->accept();
        break;
    case Action::Cancel:
        prompt->reject();
        break;
    case Action::Close:
        // As the frame's close button does: the request comes from the window system.
        prompt->windowHandle()->close();
        break;
    }
    if (m_answers.isEmpty())
        m_watch.stop();
}
