// The names taken from the executable's path: its title and the help file.
#include <QtTest>

#include "app/module_paths.h"

using namespace zentavo;

class ModulePathsTest : public QObject {
    Q_OBJECT
private slots:
    void namesFromTheExecutable_data();
    void namesFromTheExecutable();
    void readsTheRunningExecutable();
};

void ModulePathsTest::namesFromTheExecutable_data() {
    QTest::addColumn<QByteArray>("executable");
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("help_file");
    QTest::newRow("installed, no extension")
        << QByteArray("/usr/bin/zentavo") << QByteArray("zentavo")
        << QByteArray("/usr/bin/zentavo.HLP");
    QTest::newRow("an extension is replaced")
        << QByteArray("/opt/tools/Zentavo.exe") << QByteArray("Zentavo")
        << QByteArray("/opt/tools/Zentavo.HLP");
    QTest::newRow("a dot in a folder is no extension")
        << QByteArray("/home/u/.local/bin/zentavo") << QByteArray("zentavo")
        << QByteArray("/home/u/.local/bin/zentavo.HLP");
    QTest::newRow("dots in folders and name")
        << QByteArray("/srv/a.b/c.d/zentavo.bin") << QByteArray("zentavo")
        << QByteArray("/srv/a.b/c.d/zentavo.HLP");
    QTest::newRow("only the last extension")
        << QByteArray("/x/zentavo.tar.gz") << QByteArray("zentavo.tar")
        << QByteArray("/x/zentavo.tar.HLP");
    QTest::newRow("a hidden file's dot is no extension")
        << QByteArray("/x/.zentavo") << QByteArray(".zentavo") << QByteArray("/x/.zentavo.HLP");
    QTest::newRow("a trailing dot")
        << QByteArray("/x/zentavo.") << QByteArray("zentavo") << QByteArray("/x/zentavo.HLP");
    QTest::newRow("a name that is not UTF-8")
        << QByteArray("/x/z\xE9ntavo") << QByteArray("z\xE9ntavo")
        << QByteArray("/x/z\xE9ntavo.HLP");
    QTest::newRow("no folder") << QByteArray("zentavo") << QByteArray("zentavo")
                               << QByteArray("zentavo.HLP");
}

void ModulePathsTest::namesFromTheExecutable() {
    QFETCH(QByteArray, executable);
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, help_file);
    QCOMPARE(QByteArray::fromStdString(ExecutableTitle(executable.toStdString())), title);
    QCOMPARE(QByteArray::fromStdString(HelpFilePath(executable.toStdString())), help_file);
}

void ModulePathsTest::readsTheRunningExecutable() {
    const std::string path = ExecutablePath();
    QVERIFY(path.front() == '/');
    QCOMPARE(QByteArray::fromStdString(ExecutableTitle(path)), QByteArray("module_paths_test"));
}

QTEST_MAIN(ModulePathsTest)
#include "module_paths_test.moc"
