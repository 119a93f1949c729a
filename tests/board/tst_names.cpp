// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/label.h"
#include "support/game.h"
#include "support/promptanswerer.h"

#include <QImage>
#include <QLineEdit>
#include <QTest>

namespace {

// The longest text the prompt's field takes: QLineEdit's default maxLength.
constexpr int longestName = 32767;

const QList<int> player1WinsInColumn1{ 1, 2, 1, 2, 1, 2, 1 };

struct Sizes {
    QSize window;
    QRect title;
    QRect player1;
    QRect player2;

    bool operator==(const Sizes&) const = default;
};

Sizes sizesOf(const Form1& window)
{
    return { window.size(), window.findChild<QWidget*>("lblTitle")->geometry(),
             window.findChild<QWidget*>("lblplayer1")->geometry(),
             window.findChild<QWidget*>("lblplayer2")->geometry() };
}

// Paints the widget as the screen would, so that the text goes through layout
// and drawing, and tells whether any of it changed a pixel.
bool paintsSomething(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    const QRgb background = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                return true;
    return false;
}

} // namespace

// Names reach the board and the game-over dialog through the real prompt.
// Whatever a player types is shown as that text, never as markup, and never
// changes the size of anything.
class TestNames : public QObject {
    Q_OBJECT

private slots:
    void hostileNamesAreShownAsTyped_data();
    void hostileNamesAreShownAsTyped();
    void aLongNameIsShortenedNeverTheMeaning_data();
    void aLongNameIsShortenedNeverTheMeaning();
    void cancelOrCloseOnEitherPromptLeavesThatNameEmpty_data();
    void cancelOrCloseOnEitherPromptLeavesThatNameEmpty();
};

void TestNames::hostileNamesAreShownAsTyped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown"); // the name on the board and in the dialog
    const auto row = [](const char* tag, const QString& name, const QString& shown = {}) {
        QTest::newRow(tag) << name << (shown.isNull() ? name : shown);
    };
    row("bold markup", "<b>x</b>");
    row("image markup", "<img src=x>");
    row("link markup", "<a href=\"x\">x</a>");
    row("placeholders", "%1 %2 %L1");
    row("entity", "&amp;");
    row("mnemonic", "&Quit");
    row("doubled ampersand", "R&&D");
    row("lone ampersand", "&");
    row("right-to-left script", QString::fromUtf8("שלום עולם"));
    row("mixed directions", QString::fromUtf8("Ann مرحبا 123"));
    row("right-to-left override", QString::fromUtf8("\u202Eevil\u202C.exe"));
    row("unclosed overrides and embeddings", QString::fromUtf8("\u202E\u202D\u202B\u202Ax"));
    row("isolates", QString::fromUtf8("\u2067x\u2066y\u2068z"));
    row("combining marks", QString::fromUtf8("e\u0301n\u0303"));
    row("a pile of combining marks", "Z" + QString(200, QChar(0x0336)));
    row("combining mark alone", QString(QChar(0x0301)));
    row("emoji", QString::fromUtf8("🎲🏆"));
    row("emoji sequences", QString::fromUtf8("👩‍👩‍👧‍👦🇳🇱👍🏽"));
    row("zero-width characters", QString::fromUtf8("\u200B\u200C\u200D\u2060\uFEFF"));
    row("zero-width inside", QString::fromUtf8("A\u200Bn\u200Dn"));
    row("tab and escape", "Ann\tBea\x1b[31m", "Ann Bea\x1b[31m");
    row("pasted lines", "Line1\nLine2\r\nLine3\rLine4\v\f", "Line1 Line2 Line3 Line4  ");
    row("bell and backspace", "\x07\x08x");
    row("line and paragraph separators", QString::fromUtf8("a\u2028b\u2029c\u0085d"), "a b c d");
    row("null character", QString(QChar(0)) + "x");
    row("lone surrogates", QString(QChar(0xD800)) + "x" + QString(QChar(0xDC00)));
    row("noncharacters", QString::fromUtf8("\uFFFF\uFFFE"));
    row("spaces only", "     ");
    row("other blanks only", QString::fromUtf8("\u00A0\u3000\u2003"));
    row("empty", "");
    row("longest the prompt takes", QString(longestName, 'W'));
    row("longest, in words", QString("Wide ").repeated(longestName / 5).left(longestName));
}

void TestNames::hostileNamesAreShownAsTyped()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    PromptAnswerer answerer(PromptAnswerer::typing({ name, name }));
    Game game(1, nullptr);
    QVERIFY(answerer.isDone());
    // The field took the name whole; what it holds is what was typed.
    QCOMPARE(answerer.fieldTexts(), QStringList({ name, name }));

    const Sizes sizes = sizesOf(game.window());
    QCOMPARE(sizes.window, QSize(484, 416));
    for (int player = 1; player <= 2; ++player) {
        auto* label = game.window().findChild<runtime::Label*>(QStringLiteral("lblplayer%1").arg(player));
        QCOMPARE(label->text(), shown + "'s turn");
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }
    QVERIFY(paintsSomething(&game.window()));
    QCOMPARE(sizesOf(game.window()), sizes);

    game.play(player1WinsInColumn1);
    QVERIFY(game.gameover());
    QCOMPARE(game.outcomeText(), shown + " Wins");
    QVERIFY(game.window().accessibleDescription().endsWith(shown + " played column 1."));
    auto* winner = game.gameover()->findChild<runtime::Label*>("lblwinner");
    QCOMPARE(winner->textFormat(), Qt::PlainText);
    QVERIFY(paintsSomething(game.gameover()));
    QCOMPARE(winner->geometry(), QRect(16, 16, 129, 57));
    QCOMPARE(game.gameover()->size(), QSize(165, 143));
    QCOMPARE(sizesOf(game.window()), sizes);
}

void TestNames::aLongNameIsShortenedNeverTheMeaning_data()
{
    // The names are cut from a unit repeated: a word to n characters, a
    // grapheme to n graphemes.
    QTest::addColumn<QString>("unit");
    QTest::newRow("Latin words") << "Jean-Christophe ";
    QTest::newRow("wide letters") << "W";
    QTest::newRow("narrow letters") << "i";
    QTest::newRow("Greek") << QString::fromUtf8("Αλέξανδρος ");
    QTest::newRow("Arabic, right to left") << QString::fromUtf8("مرحبا ");
    QTest::newRow("Chinese") << QString::fromUtf8("漢");
    QTest::newRow("combining accents") << QString::fromUtf8("e\u0301");
    QTest::newRow("emoji with modifiers") << QString::fromUtf8("👍🏽");
}

// Whatever the length of a name, the turn labels and the dialog say what
// they mean: a name that does not fit is shortened with an ellipsis, and
// " Wins" and "'s turn" always stay whole. A name that fits is shown as it is.
void TestNames::aLongNameIsShortenedNeverTheMeaning()
{
    QFETCH(QString, unit);
    const auto checkCaption = [](const runtime::Label* label, const QString& name, const QString& fixed,
                                 bool& shortened) {
        const QString shown = label->shownText();
        QCOMPARE(label->text(), name + fixed);
        if (shown == label->text()) {
            QVERIFY2(!shortened, "a longer name was shortened before this one");
            QVERIFY(label->toolTip().isEmpty());
            return;
        }
        shortened = true;
        const QString kept = shown.chopped(fixed.size() + 1);
        QCOMPARE(shown, kept + QChar(0x2026) + fixed);
        QVERIFY(name.startsWith(kept));
        QCOMPARE(label->toolTip(), label->text());
    };
    bool turnShortened = false;
    bool winsShortened = false;
    for (int length = 1; length <= 200; ++length) {
        const bool word = unit.endsWith(' ');
        const QString name = word ? unit.repeated(length).left(length) : unit.repeated(length);
        Game game(1, { name, name });
        for (int player = 1; player <= 2; ++player) {
            bool shortened = turnShortened;
            checkCaption(game.window().findChild<runtime::Label*>(QStringLiteral("lblplayer%1").arg(player)),
                         name, "'s turn", shortened);
            if (player == 2)
                turnShortened = shortened;
            if (QTest::currentTestFailed())
                return;
        }
        game.play(player1WinsInColumn1);
        checkCaption(game.gameover()->findChild<runtime::Label*>("lblwinner"), name, " Wins", winsShortened);
        if (QTest::currentTestFailed())
            return;
        if (length <= 3) {
            QVERIFY(!turnShortened);
            QVERIFY(!winsShortened);
        }
    }
    QVERIFY(turnShortened);
    QVERIFY(winsShortened);
}

void TestNames::cancelOrCloseOnEitherPromptLeavesThatNameEmpty_data()
{
    using Action = PromptAnswerer::Action;
    QTest::addColumn<int>("prompt");
    QTest::addColumn<PromptAnswerer::Action>("action");
    QTest::newRow("Cancel on player 1's prompt") << 1 << Action::Cancel;
    QTest::newRow("player 1's prompt closed") << 1 << Action::Close;
    QTest::newRow("Cancel on player 2's prompt") << 2 << Action::Cancel;
    QTest::newRow("player 2's prompt closed") << 2 << Action::Close;
}

void TestNames::cancelOrCloseOnEitherPromptLeavesThatNameEmpty()
{
    QFETCH(int, prompt);
    QFETCH(PromptAnswerer::Action, action);
    QList<PromptAnswerer::Answer> answers = PromptAnswerer::typing({ "Ann", "Bea" });
    answers[prompt - 1].action = action;
    PromptAnswerer answerer(answers);
    Game game(2, nullptr);
    QVERIFY(answerer.isDone());
    QCOMPARE(answerer.titles(), QStringList({ "Player 1", "Player 2" }));

    const QString other = prompt == 1 ? "Bea" : "Ann";
    QCOMPARE(game.turnText(prompt), "'s turn");
    QCOMPARE(game.turnText(3 - prompt), other + "'s turn");
    // The game goes on: player 2 moves first and wins in column 1.
    QCOMPARE(game.visibleTurnLabel(), 2);
    game.play(player1WinsInColumn1);
    QCOMPARE(game.outcomeText(), prompt == 2 ? " Wins" : "Bea Wins");
}

QTEST_MAIN(TestNames)
#include "tst_names.moc"
