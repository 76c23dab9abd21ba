// Bytes shown in widgets and typed text taken back as bytes, in UTF-8 and in
// a double-byte locale encoding.
#include <QtTest>

#include "app/locale_text.h"

using namespace zentavo;

class LocaleTextTest : public QObject {
    Q_OBJECT
private slots:
    void decodes_data();
    void decodes();
    void encodes_data();
    void encodes();
};

void LocaleTextTest::decodes_data() {
    QTest::addColumn<QByteArray>("codeset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("UTF-8") << QByteArray("UTF-8") << QByteArray("\xC3\xA9t\xC3\xA9")
                           << QString::fromUtf8("\xC3\xA9t\xC3\xA9");
    QTest::newRow("UTF-8, invalid bytes") << QByteArray("UTF-8")
                                          << QByteArray(
                                                 "a\xFF"
                                                 "b")
                                          << QString::fromUtf8(
                                                 "a\xEF\xBF\xBD"
                                                 "b");
    QTest::newRow("C locale reads UTF-8")
        << QByteArray("ANSI_X3.4-1968") << QByteArray("\xC3\xA9") << QString::fromUtf8("\xC3\xA9");
    QTest::newRow("Shift JIS") << QByteArray("SHIFT_JIS") << QByteArray("\x93\xFA\x96\x7B.txt")
                               << QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC.txt");
    QTest::newRow("Shift JIS, a lone lead byte")
        << QByteArray("SHIFT_JIS") << QByteArray("a\x93") << QString::fromUtf8("a\xEF\xBF\xBD");
    QTest::newRow("Latin-1") << QByteArray("ISO-8859-1") << QByteArray("caf\xE9")
                             << QString::fromUtf8("caf\xC3\xA9");
}

void LocaleTextTest::decodes() {
    QFETCH(QByteArray, codeset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QCOMPARE(LocaleCodec(codeset.toStdString()).Decode(bytes.toStdString()), shown);
}

void LocaleTextTest::encodes_data() {
    QTest::addColumn<QByteArray>("codeset");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("UTF-8") << QByteArray("UTF-8") << QString::fromUtf8("%n-\xC3\xA9")
                           << QByteArray("%n-\xC3\xA9");
    QTest::newRow("Shift JIS") << QByteArray("SHIFT_JIS") << QString::fromUtf8("%3c\xE6\x97\xA5.%e")
                               << QByteArray("%3c\x93\xFA.%e");
    QTest::newRow("a character the codeset lacks") << QByteArray("ISO-8859-1")
                                                   << QString::fromUtf8(
                                                          "a\xE6\x97\xA5"
                                                          "b")
                                                   << QByteArray("a?b");
}

void LocaleTextTest::encodes() {
    QFETCH(QByteArray, codeset);
    QFETCH(QString, typed);
    QFETCH(QByteArray, bytes);
    QCOMPARE(QByteArray::fromStdString(LocaleCodec(codeset.toStdString()).Encode(typed)), bytes);
}

QTEST_MAIN(LocaleTextTest)
#include "locale_text_test.moc"
