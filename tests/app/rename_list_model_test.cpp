// The table model over the core's rename list, checked by Qt's model tester
// through every kind of change the window makes.
#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QtTest>

#include "app/rename_list_model.h"
#include "app/row_images.h"
#include "tests/support/test_code_page.h"

using namespace zentavo;

namespace {

// Rows added as a drop adds them.
void AddRows(RenameListModel& model, const std::function<void()>& change) {
    model.BeginRowChange(false);
    change();
    model.EndRowChange();
}

}  // namespace

class RenameListModelTest : public QObject {
    Q_OBJECT
private slots:
    void staysConsistentThroughEveryChange();
    void addedRowsKeepTheSelectionOfOldRows();
    void removesRuns_data();
    void removesRuns();
    void showsBytesDecodedButKeepsThem();
    void showsTheImageOfEachMark();
    void onlyTheFirstColumnIsSelectable();
};

void RenameListModelTest::staysConsistentThroughEveryChange() {
    RenameList list;
    RenameListModel model(list, kTestPage);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    AddRows(model, [&] { list.InsertNew({"/d/b", "/d/d", "/d/f"}); });
    QCOMPARE(model.rowCount(), 3);
    AddRows(model, [&] { list.InsertNew({"/d/a", "/d/c", "/d/e", "/d/g"}); });
    QCOMPARE(model.rowCount(), 7);
    list.SetNewName(2, "x");
    model.RowsRewritten();
    QCOMPARE(model.index(2, 1).data().toString(), QString("x"));
    model.RemoveRows({6, 0, 3, 3});
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.index(0, 0).data().toString(), QString("/d/b"));
    model.ReplaceRows([&] { list.RemoveAll(); });
    QCOMPARE(model.rowCount(), 0);
    model.RowsRewritten();
}

void RenameListModelTest::addedRowsKeepTheSelectionOfOldRows() {
    RenameList list;
    RenameListModel model(list, kTestPage);
    QItemSelectionModel selection(&model);
    AddRows(model, [&] { list.InsertNew({"/d/b", "/d/d"}); });
    selection.select(model.index(1, 0), QItemSelectionModel::Select);
    selection.setCurrentIndex(model.index(0, 0), QItemSelectionModel::NoUpdate);

    AddRows(model, [&] { list.InsertNew({"/d/a", "/d/c", "/d/e"}); });
    QCOMPARE(selection.selectedIndexes(), QModelIndexList{model.index(3, 0)});
    QCOMPARE(selection.currentIndex(), model.index(1, 0));
    QCOMPARE(model.index(3, 0).data().toString(), QString("/d/d"));
}

void RenameListModelTest::removesRuns_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("step");
    // Few runs are removed run by run, many in one reset; both must leave
    // the same rows.
    QTest::newRow("a few runs") << 20 << 3;
    QTest::newRow("many runs") << 1000 << 2;
}

void RenameListModelTest::removesRuns() {
    QFETCH(int, rows);
    QFETCH(int, step);
    RenameList list;
    RenameListModel model(list, kTestPage);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    std::vector<std::string> paths;
    for (int i = 0; i < rows; ++i) paths.push_back(QString::asprintf("/f/%05d", i).toStdString());
    AddRows(model, [&] { list.InsertNew(paths); });

    std::vector<size_t> removed;
    std::vector<std::string> kept;
    for (int i = 0; i < rows; ++i) {
        if (i % step == 0)
            removed.push_back(size_t(i));
        else
            kept.push_back(paths[size_t(i)]);
    }
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.RemoveRows(removed);
    QCOMPARE(reset.count(), rows > 100 ? 1 : 0);
    QCOMPARE(model.rowCount(), int(kept.size()));
    for (size_t i = 0; i < kept.size(); ++i) QCOMPARE(std::string(list.path(i)), kept[i]);
}

void RenameListModelTest::showsBytesDecodedButKeepsThem() {
    RenameList list;
    RenameListModel model(list, kTestPage);
    AddRows(model, [&] {
        list.InsertNew({"/photos/\xFF\xFEz.jpg", "/photos/\xC3\xA9t\xC3\xA9.jpg"});
    });
    list.SetNewName(0, "\xE9.jpg");
    model.RowsRewritten();

    QCOMPARE(model.index(0, 0).data().toString(),
             QString::fromUtf8("/photos/\xC3\xA9t\xC3\xA9.jpg"));
    QCOMPARE(model.index(1, 0).data().toString(),
             QString::fromUtf8("/photos/\xEF\xBF\xBD\xEF\xBF\xBDz.jpg"));
    QCOMPARE(model.index(0, 1).data().toString(), QString::fromUtf8("\xEF\xBF\xBD.jpg"));
    QCOMPARE(std::string(list.path(1)), std::string("/photos/\xFF\xFEz.jpg"));
    QCOMPARE(std::string(list.new_name(0)), std::string("\xE9.jpg"));

    list.SetNewName(1, std::string(kMaxNewNameLength + 1, 'n'));
    model.RowsRewritten();
    QCOMPARE(model.index(1, 1).data().toString(), QString("(name too long)"));
}

void RenameListModelTest::showsTheImageOfEachMark() {
    QImage strip(8, 2, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(128, 128, 128), qRgb(0, 200, 0), qRgb(255, 128, 0),
                            qRgb(220, 0, 0)};
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 2; ++y) strip.setPixel(x, y, colours[x / 2]);

    RenameList list;
    RenameListModel model(list, kTestPage, RowImageList(strip, 2, qRgb(255, 0, 255)));
    AddRows(model, [&] { list.InsertNew({"/a", "/b", "/c"}); });
    QVERIFY(!RenameListModel(list, kTestPage).index(0, 0).data(Qt::DecorationRole).isValid());
    list.SetMark(1, RowMark::Renamed);
    list.SetMark(2, RowMark::Failed);
    model.RowsRewritten();

    const struct {
        int row;
        QRgb colour;
    } cases[] = {{0, colours[0]}, {1, colours[1]}, {2, colours[3]}};
    for (const auto& c : cases) {
        const QPixmap image = model.index(c.row, 0).data(Qt::DecorationRole).value<QPixmap>();
        QCOMPARE(image.toImage().pixel(0, 0) & RGB_MASK, c.colour & RGB_MASK);
    }
    QVERIFY(!model.index(0, 1).data(Qt::DecorationRole).isValid());
}

void RenameListModelTest::onlyTheFirstColumnIsSelectable() {
    RenameList list;
    RenameListModel model(list, kTestPage);
    AddRows(model, [&] { list.InsertNew({"/a"}); });
    QCOMPARE(model.flags(model.index(0, 0)), Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    QCOMPARE(model.flags(model.index(0, 1)), Qt::ItemFlags(Qt::ItemIsEnabled));
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("Path"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("New Filename"));
}

QTEST_MAIN(RenameListModelTest)
#include "rename_list_model_test.moc"
