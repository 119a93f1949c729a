// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyswindow.h"

#include "board/layout.h"
#include "board/outcomesview.h"
#include "board/speech.h"
#include "runtime/halo.h"
#include "runtime/shape.h"

#include <QAction>
#include <QKeySequence>
#include <QPixmap>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <functional>

namespace {

// The texts keep the board window's translation context ("Form1").
class HelpText {
    Q_DECLARE_TR_FUNCTIONS(Form1)

public:
    static QString title() { return tr("Keys and Views"); }
    static QString keys() { return tr("Keys"); }
    static QString marks() { return tr("Marks"); }
    static QString columnKeys() { return tr("1 to 7"); }
    static QString columnKeysDo() { return tr("Drop a disc in that column, as a click on it does."); }
    static QString menuKeys() { return tr("Menu, Shift+F10, the right button"); }
    static QString menuKeysDo() { return tr("Open the menu with all of these."); }
    static QString escape() { return tr("Escape"); }
    static QString escapeDoes() { return tr("Close this window."); }
    // A menu item's name, then what it does.
    static QString named(const QString& name, const QString& does) { return tr("%1: %2").arg(name, does); }
    static QString win() { return tr("Playing this column wins, with your third disc from now (+3)."); }
    static QString loss() { return tr("Playing this column loses, after two of your discs (−2)."); }
    static QString draw() { return tr("Playing this column leads to a draw (=)."); }
    static QString sign() { return tr("A win or a loss whose moves are still being counted (+ or −)."); }
    static QString hint() { return tr("The hint: the hole where the best move lands."); }
    static QString threatRed() { return tr("A threat: a red disc here would complete four."); }
    static QString threatBlue() { return tr("A threat: a blue disc here would complete four."); }
    static QString threatBoth() { return tr("A disc of either colour here would complete four."); }
    static QString lastMove() { return tr("The last disc played."); }
    static QString winningLine() { return tr("A disc of the winning line."); }
    static QString mistake() { return tr("A mistake: that move gave up a win or a draw."); }
};

// A hole as the board draws it, on the board's yellow, with room around it
// for the hint's ring.
QPixmap holePicture(const QColor& fill, const std::function<void(runtime::Shape&, runtime::Halo&)>& mark)
{
    const QRect hole = game::cellArea(1, 0);
    const int margin = runtime::pixelsFromTwips(game::hintRingTwips) + 1;
    QWidget board;
    board.setFixedSize(hole.size() + QSize(2 * margin, 2 * margin));
    QPalette palette = board.palette();
    palette.setColor(QPalette::Window, game::yellow);
    board.setPalette(palette);
    board.setAutoFillBackground(true);
    runtime::Shape shape(&board, QRect(QPoint(margin, margin), hole.size()), fill);
    runtime::Halo halo(&board);
    mark(shape, halo);
    return board.grab();
}

QString cell(const QString& text)
{
    return QStringLiteral("<td>%1</td>").arg(text.toHtmlEscaped());
}

QString row(const QString& first, const QString& second)
{
    return QStringLiteral("<tr>%1%2</tr>").arg(first, second);
}

} // namespace

KeysWindow::KeysWindow(const QList<QAction*>& actions)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("KeysWindow"));
    setWindowTitle(HelpText::title());
    setModal(false);
    m_browser->setOpenLinks(false);
    m_browser->setHtml(QStringLiteral("<h3>%1</h3>%2<h3>%3</h3>%4")
                           .arg(HelpText::keys().toHtmlEscaped(), keysTable(actions),
                                HelpText::marks().toHtmlEscaped(), marksTable()));
    m_browser->setAccessibleName(HelpText::title());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The list scrolls; the window may be made as small as anyone likes.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(m_browser);
    resize(560, 600);
}

QString KeysWindow::text() const
{
    return m_browser->toPlainText();
}

// Every action of the board with every key it has, in the order of its menu.
QString KeysWindow::keysTable(const QList<QAction*>& actions)
{
    QString rows = row(cell(HelpText::columnKeys()), cell(HelpText::columnKeysDo()));
    for (const QAction* action : actions) {
        QStringList keys;
        for (const QKeySequence& key : action->shortcuts())
            keys << key.toString(QKeySequence::NativeText);
        rows += row(cell(keys.join(QStringLiteral(", "))),
                    cell(HelpText::named(action->text().remove(u'&'), action->whatsThis())));
    }
    rows += row(cell(HelpText::menuKeys()), cell(HelpText::menuKeysDo()));
    rows += row(cell(HelpText::escape()), cell(HelpText::escapeDoes()));
    return QStringLiteral("<table cellpadding=\"4\">%1</table>").arg(rows);
}

// Each mark drawn by the board's own controls, so that the picture is the mark.
QString KeysWindow::marksTable()
{
    const auto caption = [](const Outcome& outcome) {
        return [outcome](runtime::Shape& shape, runtime::Halo&) {
            const OutcomesView::Caption shown = OutcomesView::captionOf(outcome);
            shape.setCaption(shown.text, shown.colour);
        };
    };
    const auto spots = [](const QList<QColor>& colours) {
        return [colours](runtime::Shape& shape, runtime::Halo&) { shape.setSpots(colours); };
    };
    struct Mark {
        QString name;
        QColor fill;
        std::function<void(runtime::Shape&, runtime::Halo&)> draw;
        QString meaning;
    };
    const QList<Mark> marks{
        { QStringLiteral("win"), game::emptyHole, caption({ Outcome::Kind::win, 3 }), HelpText::win() },
        { QStringLiteral("loss"), game::emptyHole, caption({ Outcome::Kind::loss, 2 }), HelpText::loss() },
        { QStringLiteral("draw"), game::emptyHole, caption({ Outcome::Kind::draw, 0 }), HelpText::draw() },
        { QStringLiteral("sign"), game::emptyHole, caption({ Outcome::Kind::win, 0 }), HelpText::sign() },
        { QStringLiteral("hint"), game::emptyHole,
          [](runtime::Shape& shape, runtime::Halo& halo) {
              halo.surround(shape.geometry(), runtime::pixelsFromTwips(game::hintRingTwips), game::red);
          },
          HelpText::hint() },
        { QStringLiteral("threat-red"), game::emptyHole, spots({ game::red }), HelpText::threatRed() },
        { QStringLiteral("threat-blue"), game::emptyHole, spots({ game::blue }), HelpText::threatBlue() },
        { QStringLiteral("threat-both"), game::emptyHole, spots({ game::red, game::blue }), HelpText::threatBoth() },
        { QStringLiteral("last"), game::blue, [](runtime::Shape& shape, runtime::Halo&) { shape.setDot(true); },
          HelpText::lastMove() },
        { QStringLiteral("mistake"), game::red,
          [](runtime::Shape& shape, runtime::Halo&) { shape.setDashedEdge(true); }, HelpText::mistake() },
        { QStringLiteral("line"), game::red,
          [](runtime::Shape& shape, runtime::Halo&) { shape.setRing(game::yellow); }, HelpText::winningLine() },
    };
    QString rows;
    for (const Mark& mark : marks)
        rows += row(picture(mark.name, holePicture(mark.fill, mark.draw)), cell(mark.meaning));
    rows += row(cell(Speech::noThreats()), cell(Speech::noThreatsMeaning()));
    return QStringLiteral("<table cellpadding=\"4\">%1</table>").arg(rows);
}

QString KeysWindow::picture(const QString& name, const QPixmap& pixmap)
{
    const QUrl url(QStringLiteral("mark:") + name);
    m_browser->document()->addResource(QTextDocument::ImageResource, url, pixmap);
    const QSize size = pixmap.deviceIndependentSize().toSize();
    return QStringLiteral("<td><img src=\"%1\" width=\"%2\" height=\"%3\"></td>")
        .arg(url.toString())
        .arg(size.width())
        .arg(size.height());
}
