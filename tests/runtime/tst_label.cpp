// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/label.h"

#include <QImage>
#include <QTest>

namespace {

// Rows of the label's image that hold any ink.
QList<int> inkedRows(runtime::Label& label)
{
    QImage image(label.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    label.render(&image, {}, {}, QWidget::RenderFlags());
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != Qt::white) {
                rows.append(y);
                break;
            }
    return rows;
}

} // namespace

// Captions: wrapped like a form label's, elided where they still do not fit,
// and never allowed to change the label's size.
class TestLabel : public QObject {
    Q_OBJECT

private slots:
    void init();
    void shortTextStaysOnOneLine();
    void wrapsOntoTheNextLine();
    void elidesWhatDoesNotFit_data();
    void elidesWhatDoesNotFit();
    void neverChangesSize();

private:
    QWidget m_parent;
    runtime::Label* m_label = nullptr;
    int m_lineHeight = 0;
};

void TestLabel::init()
{
    delete m_label;
    m_label = new runtime::Label(&m_parent, QRect(0, 0, 89, 33), Qt::AlignLeft);
    QFont font;
    font.setPixelSize(13);
    m_label->setFont(font);
    m_lineHeight = QFontMetrics(font).lineSpacing();
}

void TestLabel::shortTextStaysOnOneLine()
{
    m_label->setText("Ann");
    const QList<int> rows = inkedRows(*m_label);
    QVERIFY(!rows.isEmpty());
    QVERIFY(rows.last() < m_lineHeight);
}

void TestLabel::wrapsOntoTheNextLine()
{
    m_label->setText("Annabel Lee's turn");
    const QList<int> rows = inkedRows(*m_label);
    QVERIFY(rows.first() < m_lineHeight);
    QVERIFY(rows.last() >= m_lineHeight);
}

void TestLabel::elidesWhatDoesNotFit_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("many words") << QString("word ").repeated(40);
    QTest::newRow("one endless word") << QString(32767, 'W');
}

void TestLabel::elidesWhatDoesNotFit()
{
    QFETCH(QString, text);
    // Two lines fit in 33 pixels; a third line would start below them.
    m_label->setText(text);
    const QList<int> rows = inkedRows(*m_label);
    QVERIFY(rows.last() >= m_lineHeight);
    QVERIFY(rows.last() < 2 * m_lineHeight);
}

void TestLabel::neverChangesSize()
{
    m_label->setText(QString(5000, 'M'));
    m_parent.show();
    QCOMPARE(m_label->geometry(), QRect(0, 0, 89, 33));
    QCOMPARE(m_label->textFormat(), Qt::PlainText);
}

QTEST_MAIN(TestLabel)
#include "tst_label.moc"
