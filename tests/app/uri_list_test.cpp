// Reading the dropped paths out of a text/uri-list, byte for byte.
#include <QtTest>

#include "app/uri_list.h"

using namespace zentavo;

Q_DECLARE_METATYPE(std::vector<std::string>)

class UriListTest : public QObject {
    Q_OBJECT
private slots:
    void readsLocalPaths_data();
    void readsLocalPaths();
};

void UriListTest::readsLocalPaths_data() {
    using Paths = std::vector<std::string>;
    QTest::addColumn<QByteArray>("uri_list");
    QTest::addColumn<Paths>("paths");

    QTest::newRow("one file") << QByteArray("file:///home/u/a.txt\r\n") << Paths{"/home/u/a.txt"};
    QTest::newRow("order kept, last line without end")
        << QByteArray("file:///z\r\nfile:///a") << Paths{"/z", "/a"};
    QTest::newRow("percent-encoded bytes, not valid UTF-8")
        << QByteArray("file:///tmp/caf%E9%20cr%e8me.txt\n") << Paths{"/tmp/caf\xE9 cr\xE8me.txt"};
    QTest::newRow("UTF-8 as sent by file managers")
        << QByteArray("file:///tmp/%C3%A9t%C3%A9") << Paths{"/tmp/\xC3\xA9t\xC3\xA9"};
    QTest::newRow("an encoded slash and percent")
        << QByteArray("file:///tmp/100%25%2F") << Paths{"/tmp/100%/"};
    QTest::newRow("a stray percent stays")
        << QByteArray("file:///tmp/50%-off%4") << Paths{"/tmp/50%-off%4"};
    QTest::newRow("localhost and the machine's own host")
        << QByteArray("file://localhost/a\r\nFILE://MyHost/b\r\nfile://other/c\r\n")
        << Paths{"/a", "/b"};
    QTest::newRow("the short form file:/path") << QByteArray("file:/a/b") << Paths{"/a/b"};
    QTest::newRow("comments, blank lines and other schemes")
        << QByteArray("# from the file manager\r\n\r\nhttp://x/y\r\nsmb://s/h/f\r\nfile:///k\r\n")
        << Paths{"/k"};
    QTest::newRow("a file URL without a path")
        << QByteArray("file://host-only\r\nfile:") << Paths{};
    QTest::newRow("a long path is taken whole")
        << QByteArray("file:///" + QByteArray(1000, 'p')) << Paths{"/" + std::string(1000, 'p')};
    // No file name holds a NUL, and the system would read "/a" for "/a\0b".
    QTest::newRow("a NUL byte") << QByteArray("file:///a%00b\r\nfile:///c") << Paths{"/c"};
}

void UriListTest::readsLocalPaths() {
    QFETCH(QByteArray, uri_list);
    QFETCH(std::vector<std::string>, paths);
    QCOMPARE(LocalPathsFromUriList(uri_list.toStdString(), "myhost"), paths);
}

QTEST_MAIN(UriListTest)
#include "uri_list_test.moc"
