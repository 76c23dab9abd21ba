// Dialog units, which place the controls of both dialogs.
#include <QtTest>

#include "app/dialog_units.h"

using namespace zentavo;

class DialogUnitsTest : public QObject {
    Q_OBJECT
private slots:
    void convertsDialogUnits_data();
    void convertsDialogUnits();
    void baseUnitsFollowTheFont();
};

void DialogUnitsTest::convertsDialogUnits_data() {
    QTest::addColumn<int>("base_x");
    QTest::addColumn<int>("base_y");
    QTest::addColumn<QRect>("units");
    QTest::addColumn<QRect>("pixels");
    // MS Sans Serif 8 at 96 dpi has base units 6 by 13.
    QTest::newRow("classic font, whole window")
        << 6 << 13 << QRect(0, 0, 340, 226) << QRect(0, 0, 510, 367);
    QTest::newRow("classic font, list")
        << 6 << 13 << QRect(7, 7, 325, 153) << QRect(11, 11, 488, 249);
    QTest::newRow("halves round up") << 6 << 13 << QRect(1, 1, 3, 5) << QRect(2, 2, 5, 8);
    QTest::newRow("wide font") << 7 << 15 << QRect(69, 204, 58, 14) << QRect(121, 383, 102, 26);
    QTest::newRow("negative units round away from zero")
        << 6 << 13 << QRect(-1, -1, 4, 8) << QRect(-2, -2, 6, 13);
}

void DialogUnitsTest::convertsDialogUnits() {
    QFETCH(int, base_x);
    QFETCH(int, base_y);
    QFETCH(QRect, units);
    QFETCH(QRect, pixels);
    QCOMPARE(DialogUnits(base_x, base_y).ToPixels(units), pixels);
}

void DialogUnitsTest::baseUnitsFollowTheFont() {
    QFont font = QApplication::font();
    font.setPixelSize(12);
    const QSize small = DialogUnits::ForFont(font).ToPixels(QSize(4, 8));
    font.setPixelSize(24);
    const QSize large = DialogUnits::ForFont(font).ToPixels(QSize(4, 8));
    QVERIFY(small.width() > 0 && small.height() > 0);
    // Twice the font, about twice the units: the dialog grows with its text.
    QVERIFY(std::abs(large.width() - 2 * small.width()) <= 1);
    QVERIFY(std::abs(large.height() - 2 * small.height()) <= 2);
}

QTEST_MAIN(DialogUnitsTest)
#include "dialog_units_test.moc"
