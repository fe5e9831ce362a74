#include "layout/KeyCap.h"

#include <QImage>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {
bool HasPixel(const QImage& image, const QColor& color)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).rgb() == color.rgb()) {
                return true;
            }
        }
    }
    return false;
}
} // namespace

class TestKeyCap : public QObject
{
    Q_OBJECT

private slots:
    void construction_givesOneUnitCapWithNamedButton();
    void setKeySize_truncatesPixelSize_data();
    void setKeySize_truncatesPixelSize();
    void keySizeName_namesListedWidthsAndFallsBackTo1u_data();
    void keySizeName_namesListedWidthsAndFallsBackTo1u();
    void captionAndIcon_replaceEachOther();
    void setIconCaption_showsGlyphWithTextUnder();
    void selectable_onlySelectableCapShowsRedOutlineWhenChecked_data();
    void selectable_onlySelectableCapShowsRedOutlineWhenChecked();
    void click_emitsOnceWhetherSelectableOrNot_data();
    void click_emitsOnceWhetherSelectableOrNot();
    void paint_drawsRaisedTopFaceOnDarkerFrame();
};

void TestKeyCap::construction_givesOneUnitCapWithNamedButton()
{
    KeyCap cap;
    QCOMPARE(cap.objectName(), QStringLiteral("KeyCap"));
    QCOMPARE(cap.size(), QSize(56, 56));
    QToolButton* button = cap.findChild<QToolButton*>(QStringLiteral("tbtnBottom"));
    QVERIFY(button != nullptr);
    QCOMPARE(cap.Button(), button);
    QCOMPARE(button->geometry(), QRect(0, 0, 56, 56));
    QCOMPARE(button->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(button->font().pointSize(), 15);
    QVERIFY(button->text().isEmpty());
    QVERIFY(!button->isCheckable());
    QCOMPARE(button->property("flag").toString(), QStringLiteral("null"));
    QCOMPARE(cap.KeySizeName(), QStringLiteral("1u"));
}

void TestKeyCap::setKeySize_truncatesPixelSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("cappix");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("6.25u at 56") << 625 << 100 << 56 << QSize(350, 56);
    QTest::newRow("1.25u at 44 truncates") << 125 << 100 << 44 << QSize(55, 44);
    QTest::newRow("1.33u at 44 truncates") << 133 << 100 << 44 << QSize(58, 44);
    QTest::newRow("1.5u at 45 truncates") << 150 << 150 << 45 << QSize(67, 67);
    QTest::newRow("tall 2u at 44") << 100 << 200 << 44 << QSize(44, 88);
    QTest::newRow("largest values") << 65535 << 1 << 255 << QSize(167114, 2);
}

void TestKeyCap::setKeySize_truncatesPixelSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, cappix);
    QFETCH(QSize, pixels);

    KeyCap cap;
    cap.SetKeySize(width, height, cappix, 5, 10);
    QCOMPARE(cap.PixelWidth(), pixels.width());
    QCOMPARE(cap.PixelHeight(), pixels.height());
    QCOMPARE(cap.Button()->geometry(), QRect(QPoint(0, 0), pixels.boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX))));
    QCOMPARE(cap.minimumSize(), cap.maximumSize());
}

void TestKeyCap::keySizeName_namesListedWidthsAndFallsBackTo1u_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("name");
    const QList<QPair<int, QString>> listed
        = {{100, "1u"}, {125, "1.25u"}, {150, "1.5u"}, {175, "1.75u"}, {200, "2u"}, {225, "2.25u"}, {250, "2.5u"},
            {275, "2.75u"}, {300, "3u"}, {600, "6u"}, {625, "6.25u"}, {700, "7u"}, {133, "1u"}, {0, "1u"}, {650, "1u"}};
    for (const auto& entry : listed) {
        QTest::newRow(qPrintable(QString::number(entry.first))) << entry.first << entry.second;
    }
}

void TestKeyCap::keySizeName_namesListedWidthsAndFallsBackTo1u()
{
    QFETCH(int, width);
    QFETCH(QString, name);
    KeyCap cap;
    cap.SetKeySize(width, 100, 56, 5, 10);
    QCOMPARE(cap.KeySizeName(), name);
}

void TestKeyCap::captionAndIcon_replaceEachOther()
{
    KeyCap cap;
    cap.SetKeySize(100, 100, 56, 5, 12);
    QToolButton* button = cap.Button();

    cap.SetIcon(QChar(0xF105));
    QVERIFY(button->text().isEmpty());
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->iconSize(), QSize(14, 14));
    QVERIFY(button->icon().availableSizes().contains(QSize(16, 16)));

    cap.SetCaption(QStringLiteral("Caps\n"), true);
    QVERIFY(button->icon().isNull());
    QCOMPARE(button->text(), QStringLiteral("Caps\n"));
    QCOMPARE(button->font().family(), QStringLiteral("Timer"));
    QCOMPARE(button->font().pointSize(), 12);
    QVERIFY(button->font().italic());

    cap.SetCaption(QStringLiteral("A\n"), false);
    QVERIFY(!button->font().italic());

    cap.SetIcon(QChar(0xF106));
    QVERIFY(button->text().isEmpty());
    QVERIFY(!button->icon().isNull());
}

void TestKeyCap::setIconCaption_showsGlyphWithTextUnder()
{
    KeyCap cap;
    cap.SetKeySize(100, 100, 44, 5, 10);
    cap.SetCaption(QStringLiteral("old"), true);
    cap.SetIconCaption(QChar(0xF293), QStringLiteral("BLE1"));
    QToolButton* button = cap.Button();
    QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->text(), QStringLiteral("BLE1"));
    QCOMPARE(button->font().family(), QStringLiteral("Timer"));
    QCOMPARE(button->font().pointSize(), 10);
    QVERIFY(!button->font().italic());

    // A plain glyph or caption afterwards is centred again, not left above an empty caption.
    cap.SetIcon(QChar(0xF061));
    QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
    cap.SetIconCaption(QChar(0xF293), QStringLiteral("BLE1"));
    cap.SetCaption(QStringLiteral("A"), false);
    QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
}

void TestKeyCap::selectable_onlySelectableCapShowsRedOutlineWhenChecked_data()
{
    QTest::addColumn<bool>("selectable");
    QTest::newRow("selectable") << true;
    QTest::newRow("not selectable") << false;
}

void TestKeyCap::selectable_onlySelectableCapShowsRedOutlineWhenChecked()
{
    QFETCH(bool, selectable);
    KeyCap cap;
    cap.SetKeySize(100, 100, 56, 5, 10);
    // Drawn once unselectable first, as caps of a panel are before their owner selects them.
    QVERIFY(!HasPixel(cap.grab().toImage(), QColor(0xff, 0, 0)));
    cap.SetSelectable(selectable);
    cap.SetChecked(true);
    QCOMPARE(cap.Button()->isChecked(), selectable);
    QCOMPARE(
        cap.Button()->property("flag").toString(), selectable ? QStringLiteral("outline") : QStringLiteral("null"));
    QCOMPARE(HasPixel(cap.grab().toImage(), QColor(0xff, 0, 0)), selectable);

    // Taking selection away again removes the outline.
    cap.SetSelectable(false);
    QVERIFY(!HasPixel(cap.grab().toImage(), QColor(0xff, 0, 0)));
}

void TestKeyCap::click_emitsOnceWhetherSelectableOrNot_data()
{
    QTest::addColumn<bool>("selectable");
    QTest::newRow("selectable") << true;
    QTest::newRow("not selectable") << false;
}

void TestKeyCap::click_emitsOnceWhetherSelectableOrNot()
{
    QFETCH(bool, selectable);
    KeyCap cap;
    cap.SetSelectable(selectable);
    cap.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cap));
    QSignalSpy clicked(&cap, &KeyCap::KeyCapClicked);
    QTest::mouseClick(cap.Button(), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(cap.Button()->isChecked(), selectable);
}

void TestKeyCap::paint_drawsRaisedTopFaceOnDarkerFrame()
{
    KeyCap cap;
    cap.SetKeySize(200, 100, 56, 5, 10);
    const QImage image = cap.grab().toImage();
    QCOMPARE(image.size(), QSize(112, 56));
    const QRgb frame = qRgb(204, 204, 204);
    const QRgb face = qRgb(252, 252, 252);
    // Top face from y = 3 to 49: half a margin above it, one and a half below.
    QCOMPARE(image.pixel(56, 4), face);
    QCOMPARE(image.pixel(56, 48), face);
    QCOMPARE(image.pixel(56, 52), frame);
    QCOMPARE(image.pixel(3, 28), frame);
    QCOMPARE(image.pixel(108, 28), frame);
    QCOMPARE(image.pixel(5, 28), qRgb(183, 183, 183));
}

QTEST_MAIN(TestKeyCap)
#include "tst_keycap.moc"
