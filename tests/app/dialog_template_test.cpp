// Dialog templates as data, and the dialog units that place their controls.
#include <QtTest>

#include "app/dialog_template.h"
#include "res/resource.h"

using namespace zentavo;

class DialogTemplateTest : public QObject {
    Q_OBJECT
private slots:
    void convertsDialogUnits_data();
    void convertsDialogUnits();
    void baseUnitsFollowTheFont();
    void mainWindowTemplate();
    void aboutBoxTemplate();
    void rejectsWhatIsNoTemplate_data();
    void rejectsWhatIsNoTemplate();
};

void DialogTemplateTest::convertsDialogUnits_data() {
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

void DialogTemplateTest::convertsDialogUnits() {
    QFETCH(int, base_x);
    QFETCH(int, base_y);
    QFETCH(QRect, units);
    QFETCH(QRect, pixels);
    QCOMPARE(DialogUnits(base_x, base_y).ToPixels(units), pixels);
}

void DialogTemplateTest::baseUnitsFollowTheFont() {
    QFont font = QApplication::font();
    font.setPixelSize(12);
    const DialogUnits small = DialogUnits::ForFont(font);
    font.setPixelSize(24);
    const DialogUnits large = DialogUnits::ForFont(font);
    QVERIFY(small.base_x() > 0 && small.base_y() > 0);
    // Twice the font, about twice the units: the dialog grows with its text.
    QVERIFY(std::abs(large.base_x() - 2 * small.base_x()) <= 1);
    QVERIFY(std::abs(large.base_y() - 2 * small.base_y()) <= 2);
}

void DialogTemplateTest::mainWindowTemplate() {
    const std::optional<DialogTemplate> dialog = LoadDialogTemplate(res::kMainTemplate);
    QVERIFY(dialog);
    QCOMPARE(dialog->id, 102);
    QCOMPARE(dialog->caption, QString("Zentavo 1.0"));
    QCOMPARE(dialog->size, QSize(340, 226));
    QVERIFY(dialog->Has("minimizebox"));
    QVERIFY(!dialog->Has("maximizebox"));

    // The controls in template order, which is the tab order.
    const QList<int> ids{-1,
                         res::kPatternBox,
                         res::kRecurseCheck,
                         res::kSetFilenamesButton,
                         res::kRenameButton,
                         res::kHelpCommand,
                         res::kExitButton,
                         res::kRenameList};
    QCOMPARE(int(dialog->controls.size()), ids.size());
    for (qsizetype i = 0; i < ids.size(); ++i) QCOMPARE(dialog->controls[size_t(i)].id, ids[i]);
    QCOMPARE(dialog->controls[1].items, (QStringList{"%3c.%<e", "%<1d-%3c.%<e"}));
    QCOMPARE(dialog->controls[7].rect, QRect(7, 7, 325, 153));
    for (const ControlTemplate& control : dialog->controls) QVERIFY(!control.Has("default"));
}

void DialogTemplateTest::aboutBoxTemplate() {
    const std::optional<DialogTemplate> dialog = LoadDialogTemplate(res::kAboutTemplate);
    QVERIFY(dialog);
    QCOMPARE(dialog->caption, QString("About Zentavo..."));
    QCOMPARE(dialog->size, QSize(241, 206));
    QVERIFY(!dialog->Has("minimizebox"));
}

void DialogTemplateTest::rejectsWhatIsNoTemplate_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("not JSON") << QByteArray("DIALOG 102");
    QTest::newRow("no id") << QByteArray(R"({"size": [1, 2]})");
    QTest::newRow("no size") << QByteArray(R"({"id": 5})");
    QTest::newRow("a control without rectangle")
        << QByteArray(R"({"id": 5, "size": [1, 2], "controls": [{"kind": "label"}]})");
}

void DialogTemplateTest::rejectsWhatIsNoTemplate() {
    QFETCH(QByteArray, json);
    QVERIFY(!ParseDialogTemplate(json));
    QVERIFY(!LoadDialogTemplate(4711));
}

QTEST_MAIN(DialogTemplateTest)
#include "dialog_template_test.moc"
