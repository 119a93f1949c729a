// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline/commandline.h"
#include "runtime/program.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QSet>
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

// The entry's groups by name ("Desktop Entry", "Desktop Action ..."), each
// with its keys and values.
using DesktopGroups = QMap<QString, QMap<QString, QString>>;

DesktopGroups desktopGroups(const QString& entry)
{
    DesktopGroups groups;
    QString group;
    for (const QString& line : entry.split(u'\n')) {
        if (line.startsWith(u'[') && line.endsWith(u']'))
            group = line.mid(1, line.size() - 2);
        else if (!group.isEmpty() && line.contains(u'=') && !line.startsWith(u'#'))
            groups[group].insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    }
    return groups;
}

QStringList desktopActions(const DesktopGroups& groups)
{
    const QString actions = groups.value(QStringLiteral("Desktop Entry")).value(QStringLiteral("Actions"));
    return actions.split(u';', Qt::SkipEmptyParts);
}

// The languages the program speaks, from the translations built into it.
QStringList programLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({ QStringLiteral("vantrel_*.qm") }))
        languages << file.section(u'_', 1).section(u'.', 0, 0);
    return languages;
}

// The level the program plays at when started with this command line.
std::optional<engine::Level> levelStartedBy(const QString& command)
{
    QList<QByteArray> words;
    for (const QString& word : command.split(u' '))
        words << word.toLocal8Bit();
    QList<char*> argv;
    for (QByteArray& word : words)
        argv << word.data();
    argv << nullptr;
    int argc = static_cast<int>(words.size());
    const auto options = readCommandLine(argc, argv.data());
    if (const auto* toPlay = std::get_if<Options>(&options))
        return toPlay->computer;
    return std::nullopt;
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
    void theLauncherStartsEachLevel_data();
    void theLauncherStartsEachLevel();
    void everyLauncherActionIsListedAndTranslated();
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

void TestIdentity::theLauncherStartsEachLevel_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<engine::Level>("played");
    QTest::newRow("easy") << "easy" << engine::Level::easy;
    QTest::newRow("medium") << "medium" << engine::Level::medium;
    QTest::newRow("hard") << "hard" << engine::Level::hard;
}

void TestIdentity::theLauncherStartsEachLevel()
{
    QFETCH(QString, level);
    QFETCH(engine::Level, played);
    const DesktopGroups groups = desktopGroups(dataFile(QGuiApplication::desktopFileName() + ".desktop"));
    const QString action = QStringLiteral("computer-") + level;
    QVERIFY(desktopActions(groups).contains(action));
    const auto group = groups.value(QStringLiteral("Desktop Action ") + action);
    QCOMPARE(group.value("Name"), "Play against the computer: " + level);
    QCOMPARE(group.value("Exec"), "vantrel --computer=" + level);
    QCOMPARE(levelStartedBy(group.value("Exec")), std::optional(played));
}

// Each action the entry lists has its group, and each group is listed; each
// names its level in every language of the program, in words of its own.
void TestIdentity::everyLauncherActionIsListedAndTranslated()
{
    const DesktopGroups groups = desktopGroups(dataFile(QGuiApplication::desktopFileName() + ".desktop"));
    const QStringList actions = desktopActions(groups);
    QStringList groupsOfActions;
    for (const QString& group : groups.keys())
        if (group.startsWith(u"Desktop Action "))
            groupsOfActions << group.mid(QStringLiteral("Desktop Action ").size());
    QStringList listed = actions;
    listed.sort();
    groupsOfActions.sort();
    QCOMPARE(listed, groupsOfActions);

    const QStringList languages = programLanguages();
    QVERIFY2(languages.size() >= 10, qPrintable(languages.join(u' ')));
    for (const QString& language : languages) {
        const QString key = QStringLiteral("Name[%1]").arg(language);
        QSet<QString> names;
        for (const QString& action : actions) {
            const QString name = groups.value(QStringLiteral("Desktop Action ") + action).value(key);
            QVERIFY2(!name.isEmpty(), qPrintable(action + u' ' + key));
            names.insert(name);
        }
        QVERIFY2(names.size() == actions.size(),
                 qPrintable(key + QStringLiteral(": ") + names.values().join(QStringLiteral(" | "))));
    }
}

int main(int argc, char** argv)
{
    runtime::Application application(argc, argv);
    TestIdentity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_identity.moc"
