// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>
#include <functional>

class QObject;

// The services the game asks of its runtime: a text prompt, random numbers,
// pauses, the clipboard and ending the program. The prompt, the random source and the pauses
// can be replaced by stand-ins, which is how the tests script a game without
// modal dialogs or waiting.
namespace runtime {

class InputPrompt {
public:
    virtual ~InputPrompt() = default;
    // Returns the text in the field on OK, and an empty string otherwise.
    virtual QString ask(const QString& prompt, const QString& title, const QString& defaultText) = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromTimer() = 0;
    // The next number of the sequence, uniformly distributed in [0, 1).
    virtual double next() = 0;
};

// Pauses: a moment to wait before something happens, such as the
// computer's disc after the person's.
class Delays {
public:
    virtual ~Delays() = default;
    // Runs action on the user-interface thread once the delay has passed,
    // unless context has been destroyed by then.
    virtual void after(std::chrono::milliseconds delay, QObject* context, std::function<void()> action) = 0;
};

// The text the player gave, on one line: line breaks and tabs become spaces.
QString askForText(const QString& prompt, const QString& title, const QString& defaultText);
void seedRandomFromTimer();
double nextRandom();
void runAfter(std::chrono::milliseconds delay, QObject* context, std::function<void()> action);

// Puts the text on the clipboard, for any program to paste.
void copyText(const QString& text);

// Ends the program at once with exit status 0: every window goes away and no
// further handler of the program runs.
void endProgram();

// Ends the program with the given status; used for unhandled errors.
void endProgramWithStatus(int status);

// Installs a stand-in until the returned guard goes out of scope; nullptr
// means the real service.
class StandIn {
public:
    explicit StandIn(InputPrompt* prompt);
    explicit StandIn(RandomSource* random);
    explicit StandIn(Delays* delays);
    ~StandIn();
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

private:
    StandIn();

    InputPrompt* m_previousPrompt;
    RandomSource* m_previousRandom;
    Delays* m_previousDelays;
};

} // namespace runtime
