// The row image strip: four balls, magenta see-through.
#include <QtTest>

#include "app/contrast.h"
#include "app/resources.h"
#include "app/row_images.h"

using namespace zentavo;

class RowImagesTest : public QObject {
    Q_OBJECT
private slots:
    void cutsTheStripIntoFourBalls();
    void makesTheMaskColourTransparent();
    void marksStandOutFromTheirBalls_data();
    void marksStandOutFromTheirBalls();
};

void RowImagesTest::cutsTheStripIntoFourBalls() {
    const RowImageList images = RowImageList::Load();
    QCOMPARE(images.count(), 4);
    // Grey, green, orange, red: the colour of each ball, below the mark
    // drawn on it.
    const auto hue_at_centre = [&](int index) {
        const QImage image = images.image(index).toImage();
        return QColor(image.pixel(image.width() / 2, image.height() * 3 / 4));
    };
    for (int i = 0; i < 4; ++i) QCOMPARE(images.image(i).size(), QSize(13, 13));
    QVERIFY(hue_at_centre(0).hsvSaturation() < 40);
    const int green = hue_at_centre(1).hsvHue();
    const int orange = hue_at_centre(2).hsvHue();
    const int red = hue_at_centre(3).hsvHue();
    QVERIFY2(green > 80 && green < 160, qPrintable(QString::number(green)));
    QVERIFY2(orange > 15 && orange < 50, qPrintable(QString::number(orange)));
    QVERIFY2(red < 12 || red > 340, qPrintable(QString::number(red)));
    QVERIFY(images.image(4).isNull());
    QVERIFY(images.image(-1).isNull());
}

void RowImagesTest::makesTheMaskColourTransparent() {
    QImage strip(6, 1, QImage::Format_RGB32);
    const QRgb pixels[] = {qRgb(255, 0, 255), qRgb(1, 2, 3),     qRgb(255, 0, 254),
                           qRgb(255, 0, 255), qRgb(255, 0, 255), qRgb(9, 9, 9)};
    for (int x = 0; x < 6; ++x) strip.setPixel(x, 0, pixels[x]);
    const RowImageList images(strip, 3, qRgb(255, 0, 255));
    QCOMPARE(images.count(), 2);
    const QImage first = images.image(0).toImage();
    QCOMPARE(qAlpha(first.pixel(0, 0)), 0);
    QCOMPARE(first.pixel(1, 0), qRgb(1, 2, 3));
    QCOMPARE(first.pixel(2, 0), qRgb(255, 0, 254));
    const QImage second = images.image(1).toImage();
    QCOMPARE(qAlpha(second.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(second.pixel(1, 0)), 0);
    QCOMPARE(second.pixel(2, 0), qRgb(9, 9, 9));
    // The corners of a real ball are see-through.
    QCOMPARE(qAlpha(RowImageList::Load().image(1).toImage().pixel(0, 0)), 0);
}

void RowImagesTest::marksStandOutFromTheirBalls_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QPoint>("on_mark");  // a point of the mark, if there is one
    QTest::newRow("pending: no mark") << 0 << QPoint();
    QTest::newRow("renamed: a check") << 1 << QPoint(5, 8);
    QTest::newRow("failed: a cross") << 3 << QPoint(6, 6);
}

// In greyscale the green ball and the grey one look alike: the mark tells
// them apart, at least 3:1 from its ball as a symbol needs.
void RowImagesTest::marksStandOutFromTheirBalls() {
    QFETCH(int, index);
    QFETCH(QPoint, on_mark);
    const QImage strip = RowImageList(RowImageStrip(), 13, qRgb(255, 0, 255)).image(index).toImage();
    const QImage marked = RowImageList::Load().image(index).toImage();
    QCOMPARE(marked == strip, on_mark.isNull());
    if (on_mark.isNull()) return;
    const QColor ball = strip.pixelColor(on_mark);
    const double ratio = ContrastRatio(marked.pixelColor(on_mark), ball);
    QVERIFY2(ratio >= 3, qPrintable(QString::number(ratio)));
}

QTEST_MAIN(RowImagesTest)
#include "row_images_test.moc"
