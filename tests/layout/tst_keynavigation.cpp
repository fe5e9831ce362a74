#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutFile.h"

#include <QApplication>
#include <QToolButton>
#include <QtTest>

// The arrow keys, Home and End move the focus over the keyboard's picture as the eye reads it,
// across wide keys, gaps and rows of other lengths; Page Up and Page Down ask for another layer.
class TestKeyNavigation : public QObject
{
    Q_OBJECT

private slots:
    void keys_moveTheFocusToTheKeyThatWay_data();
    void keys_moveTheFocusToTheKeyThatWay();
    void pageKeys_askForTheLayerBeforeOrAfter();
};

namespace {
std::unique_ptr<KeyPannel> Picture(const QString& file)
{
    auto pannel = std::make_unique<KeyPannel>();
    LayoutFile::FillPannel(
        pannel.get(), LayoutFile::Read(QStringLiteral(DRIVER_CONFIG_DIR "/") + file), LayoutFile::PannelRole::Keymap);
    pannel->BuildPannel();
    pannel->show();
    return pannel;
}

QString At(const KeyPannel& pannel)
{
    for (int r = 0; r < KeyPannel::kRows; r++) {
        for (int c = 0; c < KeyPannel::kCols; c++) {
            if (pannel.Cap(tdu1(r), tdu1(c)) && pannel.Cap(tdu1(r), tdu1(c))->Button()->hasFocus())
                return QStringLiteral("%1,%2").arg(r).arg(c);
        }
    }
    return QStringLiteral("none");
}
} // namespace

void TestKeyNavigation::keys_moveTheFocusToTheKeyThatWay_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("from"); // row,column
    QTest::addColumn<QString>("keys"); // L R U D H(ome) E(nd)
    QTest::addColumn<QString>("to");
    // A 65% board: a 6.25-wide space, an arrow cluster set apart by a gap, a 2-wide Backspace.
    QTest::newRow("across the gap to the arrows") << "NOVA65_0.json"
                                                  << "4,5"
                                                  << "R"
                                                  << "4,6";
    QTest::newRow("up arrow down to down arrow") << "NOVA65_0.json"
                                                 << "3,12"
                                                 << "D"
                                                 << "4,7";
    QTest::newRow("space up to the key above its middle") << "NOVA65_0.json"
                                                          << "4,3"
                                                          << "U"
                                                          << "3,5";
    QTest::newRow("wide Backspace down to the key below its middle") << "NOVA65_0.json"
                                                                     << "0,13"
                                                                     << "D"
                                                                     << "1,13";
    QTest::newRow("Enter down to the nearer of two") << "NOVA65_0.json"
                                                     << "2,12"
                                                     << "D"
                                                     << "3,12";
    QTest::newRow("no key left of the first") << "NOVA65_0.json"
                                              << "0,0"
                                              << "LU"
                                              << "0,0";
    QTest::newRow("Home and End") << "NOVA65_0.json"
                                  << "1,7"
                                  << "HE"
                                  << "1,14";
    QTest::newRow("along a row and back") << "NOVA65_0.json"
                                          << "2,3"
                                          << "RRRL"
                                          << "2,5";
    // A 40% board: two wide keys in the bottom row.
    QTest::newRow("wide bottom key up") << "NOVA40_0.json"
                                        << "3,4"
                                        << "U"
                                        << "2,6";
    QTest::newRow("wide shift down") << "NOVA40_0.json"
                                     << "2,0"
                                     << "D"
                                     << "3,0";
    QTest::newRow("down past the last row stays") << "NOVA40_0.json"
                                                  << "3,7"
                                                  << "D"
                                                  << "3,7";
}

void TestKeyNavigation::keys_moveTheFocusToTheKeyThatWay()
{
    QFETCH(QString, layout);
    QFETCH(QString, from);
    QFETCH(QString, keys);
    QFETCH(QString, to);
    const auto pannel = Picture(layout);
    QApplication::setActiveWindow(pannel.get());
    QVERIFY(QTest::qWaitForWindowActive(pannel.get()));
    const QStringList start = from.split(',');
    pannel->Cap(tdu1(start.at(0).toInt()), tdu1(start.at(1).toInt()))->Button()->setFocus(Qt::TabFocusReason);
    const QHash<QChar, Qt::Key> presses {{'L', Qt::Key_Left}, {'R', Qt::Key_Right}, {'U', Qt::Key_Up},
        {'D', Qt::Key_Down}, {'H', Qt::Key_Home}, {'E', Qt::Key_End}};
    for (QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), presses.value(key));
    QCOMPARE(At(*pannel), to);
}

void TestKeyNavigation::pageKeys_askForTheLayerBeforeOrAfter()
{
    const auto pannel = Picture(QStringLiteral("NOVA40_0.json"));
    QSignalSpy steps(pannel.get(), &KeyPannel::LayerStepRequested);
    QTest::keyClick(pannel->Cap(1, 1)->Button(), Qt::Key_PageDown);
    QTest::keyClick(pannel->Cap(1, 1)->Button(), Qt::Key_PageUp);
    QCOMPARE(steps.size(), 2);
    QCOMPARE(steps.at(0).at(0).toInt(), 1);
    QCOMPARE(steps.at(1).at(0).toInt(), -1);
}

QTEST_MAIN(TestKeyNavigation)
#include "tst_keynavigation.moc"
