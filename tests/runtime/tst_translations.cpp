// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/label.h"
#include "runtime/translations.h"
#include "support/game.h"
#include "support/promptanswerer.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>

namespace {

// The style of desktops that put icons on dialog buttons, as X11's does.
class IconsOnDialogButtons : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

struct Texts {
    QStringList prompts;
    QString turn;
    QString outcome;
    QString dialogTitle;
    QString quit;
    QString column;
};

// A game played to a win through the runtime's prompt, in the language of
// the locale, and every text it showed.
Texts playIn(const QLocale& locale)
{
    QLocale::setDefault(locale);
    const runtime::Translations translations;
    QStringList log;
    ScriptedPrompt prompt({ "Ann", "Bea" }, &log);
    Game game(1, &prompt);
    Texts texts{ log, game.turnText(1), {}, {}, {}, {} };
    texts.column = game.window().findChild<QWidget*>("lblcover3(0)")->accessibleName();
    game.play({ 1, 2, 1, 2, 1, 2, 1 });
    texts.outcome = game.outcomeText();
    texts.dialogTitle = game.gameover()->windowTitle();
    texts.quit = game.gameover()->findChild<QPushButton*>("cmdquit")->text();
    QLocale::setDefault(QLocale::c());
    return texts;
}

} // namespace

// The program speaks the locale's language, Qt's own texts included, and
// stays exactly as written in English and in the C locale.
class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void germanThroughout();
    void englishAsWritten_data();
    void englishAsWritten();
    void theBoardNeverMirrors();
    void everyLanguageFitsItsPlaces_data();
    void everyLanguageFitsItsPlaces();
};

void TestTranslations::germanThroughout()
{
    const Texts english = playIn(QLocale::c());
    const Texts german = playIn(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(german.prompts.size(), 2);
    for (qsizetype i = 0; i < english.prompts.size(); ++i)
        QVERIFY2(german.prompts[i] != english.prompts[i], qPrintable(german.prompts[i]));
    for (const auto& [translated, original] : { std::pair{ german.turn, english.turn }, { german.outcome, english.outcome },
                                                { german.dialogTitle, english.dialogTitle }, { german.quit, english.quit },
                                                { german.column, english.column } }) {
        QVERIFY2(!translated.isEmpty() && translated != original, qPrintable(translated));
    }
    QVERIFY(german.turn.contains("Ann"));
    QVERIFY(german.outcome.contains("Ann"));

    // Qt's own buttons in the real prompt come from Qt's translations.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const runtime::Translations translations;
    QString cancel;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        cancel = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text();
        dialog->reject();
    });
    runtime::askForText("x", "x", "x");
    QLocale::setDefault(QLocale::c());
    QCOMPARE(cancel, "Abbrechen");
}

void TestTranslations::englishAsWritten_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedKingdom);
}

void TestTranslations::englishAsWritten()
{
    QFETCH(QLocale, locale);
    const Texts texts = playIn(locale);
    QCOMPARE(texts.prompts, QStringList({ "ask Player 1's name:|Player 1|Player1", "ask Player 2's name:|Player 2|Player2" }));
    QCOMPARE(texts.turn, "Ann's turn");
    QCOMPARE(texts.outcome, "Ann Wins");
    QCOMPARE(texts.dialogTitle, "Game Over");
    QCOMPARE(texts.quit, "Quit");
    QCOMPARE(texts.column, "Column 3, no discs");
}

// Under a right-to-left language every control stays where it is: column 1
// on the left.
void TestTranslations::theBoardNeverMirrors()
{
    const auto geometries = [] {
        Game game(1, QStringList{ "Ann", "Bea" });
        QList<QRect> rects;
        for (const QWidget* control : game.window().findChildren<QWidget*>())
            rects << control->geometry();
        game.play({ 1, 2, 1, 2, 1, 2, 1 });
        rects << game.gameover()->findChild<QWidget*>("lblwinner")->geometry();
        rects << game.gameover()->findChild<QWidget*>("cmdquit")->geometry();
        return rects;
    };
    const QList<QRect> leftToRight = geometries();
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const QList<QRect> rightToLeft = geometries();
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QCOMPARE(rightToLeft, leftToRight);
}

void TestTranslations::everyLanguageFitsItsPlaces_data()
{
    QTest::addColumn<QLocale>("locale");
    for (const char* name : { "de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "zh_CN", "ar_EG", "he_IL" })
        QTest::newRow(name) << QLocale(name);
}

// With the default names, every text shows whole in its place, No threats
// under the board too: nothing is shortened, not even where a Japanese
// font's tall lines would leave room for one line only, Quit keeps its
// margin, and under a right-to-left language the prompt's buttons show
// their text without the icons that Qt draws it against.
void TestTranslations::everyLanguageFitsItsPlaces()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    QGuiApplication::setLayoutDirection(locale.textDirection());
    const runtime::Translations translations;
    ScriptedPrompt defaultNames;
    Game game(1, &defaultNames);
    const auto shownWhole = [](const QWidget* label) {
        const auto* caption = qobject_cast<const runtime::Label*>(label);
        return caption->shownText() == caption->text();
    };
    QVERIFY(shownWhole(game.window().findChild<QWidget*>("lblplayer1")));
    QVERIFY(shownWhole(game.window().findChild<QWidget*>("lblplayer2")));
    QVERIFY(shownWhole(game.window().findChild<QWidget*>("lblnothreats")));
    game.play({ 1, 2, 1, 2, 1, 2, 1 });
    QVERIFY(shownWhole(game.gameover()->findChild<QWidget*>("lblwinner")));
    const auto* quit = game.gameover()->findChild<QPushButton*>("cmdquit");
    // The longest, German "Beenden", leaves no less than today: its letters
    // stay off the frame by their side bearings.
    QVERIFY(quit->fontMetrics().horizontalAdvance(quit->text()) < quit->width());

    QApplication::setStyle(new IconsOnDialogButtons);
    qsizetype buttons = 0, withIcons = 0;
    bool rightToLeft = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        rightToLeft = dialog->isRightToLeft();
        for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
            ++buttons;
            withIcons += !button->icon().isNull();
        }
        dialog->reject();
    });
    runtime::askForText("x", "x", "x");
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(buttons, 2);
    QCOMPARE(withIcons, rightToLeft ? 0 : 2);
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
