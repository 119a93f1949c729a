// SPDX-License-Identifier: GPL-3.0-or-later
#include "services.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QInputDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

namespace runtime {
namespace {

// Qt's text prompt, laid out before its window exists: a dialog that sets
// its own size limits once shown makes a platform without a window manager
// (offscreen) warn that it cannot pass them on. Under a right-to-left
// language, Qt 6.4's styles draw a button's text on the far side of the
// space its icon leaves, against the frame, where part of it is cut off
// ("Cancel" in Arabic): there its buttons go without icons, and their text
// is centred as in any button.
class NameDialog final : public QInputDialog {
public:
    void setVisible(bool visible) override
    {
        if (visible && !testAttribute(Qt::WA_WState_Created)) {
            okButtonText(); // makes the buttons and the layout, which Qt defers to now
            if (isRightToLeft())
                for (QPushButton* button : findChildren<QPushButton*>())
                    button->setIcon({});
            adjustSize();
        }
        QInputDialog::setVisible(visible);
    }
};

class DialogPrompt final : public InputPrompt {
public:
    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        NameDialog dialog;
        dialog.setWindowTitle(title);
        dialog.setLabelText(prompt);
        dialog.setTextValue(defaultText);
        dialog.setInputMode(QInputDialog::TextInput);
        return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
    }
};

class TimerSeededRandom final : public RandomSource {
public:
    void seedFromTimer() override
    {
        m_generator.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    }
    double next() override { return m_generator.generateDouble(); }

private:
    QRandomGenerator m_generator;
};

class TimerDelays final : public Delays {
public:
    void after(std::chrono::milliseconds delay, QObject* context, std::function<void()> action) override
    {
        QTimer::singleShot(delay, context, std::move(action));
    }
};

InputPrompt& realPrompt()
{
    static DialogPrompt prompt;
    return prompt;
}

RandomSource& realRandom()
{
    static TimerSeededRandom random;
    return random;
}

// The prompt takes one line; a line break or a tab pasted into it is shown,
// there and wherever the text appears later, as the one space it looks like.
QString asOneLine(QString text)
{
    static const QRegularExpression breaks(QStringLiteral("\\r\\n|[\\r\\n\\t\\v\\f\\x{85}\\x{2028}\\x{2029}]"));
    return text.replace(breaks, QStringLiteral(" "));
}

Delays& realDelays()
{
    static TimerDelays delays;
    return delays;
}

InputPrompt* standInPrompt = nullptr;
RandomSource* standInRandom = nullptr;
Delays* standInDelays = nullptr;

} // namespace

QString askForText(const QString& prompt, const QString& title, const QString& defaultText)
{
    InputPrompt& service = standInPrompt ? *standInPrompt : realPrompt();
    return asOneLine(service.ask(prompt, title, defaultText));
}

void seedRandomFromTimer()
{
    (standInRandom ? *standInRandom : realRandom()).seedFromTimer();
}

double nextRandom()
{
    return (standInRandom ? *standInRandom : realRandom()).next();
}

void runAfter(std::chrono::milliseconds delay, QObject* context, std::function<void()> action)
{
    (standInDelays ? *standInDelays : realDelays()).after(delay, context, std::move(action));
}

void copyText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

void endProgram()
{
    endProgramWithStatus(0);
}

void endProgramWithStatus(int status)
{
    // Hiding first means nothing stays on screen while the event loop unwinds,
    // and a hidden window takes no more input.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        window->hide();
    QCoreApplication::exit(status);
}

StandIn::StandIn()
    : m_previousPrompt(standInPrompt)
    , m_previousRandom(standInRandom)
    , m_previousDelays(standInDelays)
{
}

StandIn::StandIn(InputPrompt* prompt)
    : StandIn()
{
    standInPrompt = prompt;
}

StandIn::StandIn(RandomSource* random)
    : StandIn()
{
    standInRandom = random;
}

StandIn::StandIn(Delays* delays)
    : StandIn()
{
    standInDelays = delays;
}

StandIn::~StandIn()
{
    standInPrompt = m_previousPrompt;
    standInRandom = m_previousRandom;
    standInDelays = m_previousDelays;
}

} // namespace runtime
