// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/program.h"

#include <QFile>
#include <QIcon>
#include <QTest>

namespace {

QString dataFile(const QString& name)
{
    QFile file(QStringLiteral(VANTREL_DATA_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return QString::fromUtf8(file.readAll());
}

QString desktopEntryValue(const QString& entry, const QString& key)
{
    const QStringList lines = entry.split(u'\n');
    for (const QString& line : lines)
        if (line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    return {};
}

} // namespace

// The running program presents itself under the same id as the files
// installed for the desktop, with its own icon on every window.
class TestIdentity : public QObject {
    Q_OBJECT

private slots:
    void theIconIsRenderedForEverySizeItIsShownAt_data();
    void theIconIsRenderedForEverySizeItIsShownAt();
    void theDesktopEntryAndMetainfoAreFoundUnderTheProgramsId();
};

void TestIdentity::theIconIsRenderedForEverySizeItIsShownAt_data()
{
    QTest::addColumn<int>("size");
    for (int size : { 16, 24, 32, 48, 64, 128 })
        QTest::addRow("%dpx", size) << size;
}

void TestIdentity::theIconIsRenderedForEverySizeItIsShownAt()
{
    QFETCH(int, size);
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    // The board covers the middle of every rendering.
    const QImage rendering = icon.pixmap(size).toImage();
    QCOMPARE(rendering.size(), QSize(size, size));
    QCOMPARE(qAlpha(rendering.pixel(size / 2, size / 2)), 255);
}

void TestIdentity::theDesktopEntryAndMetainfoAreFoundUnderTheProgramsId()
{
    const QString id = QGuiApplication::desktopFileName();
    QCOMPARE(id, QStringLiteral("org.vantrel.Vantrel"));
    const QString entry = dataFile(id + QStringLiteral(".desktop"));
    QCOMPARE(desktopEntryValue(entry, QStringLiteral("Icon")), id);
    QVERIFY(QFile::exists(QStringLiteral(VANTREL_DATA_DIR "/%1.svg").arg(id)));
    QCOMPARE(desktopEntryValue(entry, QStringLiteral("StartupWMClass")),
             QCoreApplication::applicationName());
    const QString metainfo = dataFile(id + QStringLiteral(".metainfo.xml.in"));
    QVERIFY(metainfo.contains(QStringLiteral("<id>%1</id>").arg(id)));
    QVERIFY(metainfo.contains(
        QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(id)));
}

int main(int argc, char** argv)
{
    runtime::Application application(argc, argv);
    TestIdentity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_identity.moc"
