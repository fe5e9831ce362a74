#include "ui/IconHelper.h"

#include <QApplication>
#include <QImage>
#include <QToolButton>
#include <QWidget>
#include <QtTest>
#include <thread>
#include <vector>

class TestIconHelper : public QObject
{
    Q_OBJECT

private slots:
    void instance_isOneObjectForConcurrentFirstCalls();
    void font_isLoadedFromCompiledResource();
    void getPixmap_drawsCentredGlyphInColourWithTransparentBorder_data();
    void getPixmap_drawsCentredGlyphInColourWithTransparentBorder();
    void setIcon_givesButtonIconFontAndGlyph();
    void navStyleLeft_paintsBarOnlyOnActiveButton_data();
    void navStyleLeft_paintsBarOnlyOnActiveButton();
};

void TestIconHelper::instance_isOneObjectForConcurrentFirstCalls()
{
    // Runs first, so the threads race to create the instance.
    constexpr int kThreads = 8;
    std::vector<IconHelper*> seen(kThreads, nullptr);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&seen, i] { seen[i] = IconHelper::Instance(); });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    IconHelper* mine = IconHelper::Instance();
    QVERIFY(mine != nullptr);
    for (IconHelper* other : seen) {
        QCOMPARE(other, mine);
    }
    QCOMPARE(mine->thread(), qApp->thread());
}

void TestIconHelper::font_isLoadedFromCompiledResource()
{
    QVERIFY(QFile::exists(QStringLiteral(":/image/fontawesome-webfont.ttf")));
    QVERIFY(IconHelper::Instance()->IsFontLoaded());
    QVERIFY2(IconHelper::Instance()->FontFamily().contains(QStringLiteral("FontAwesome"), Qt::CaseInsensitive),
        qPrintable(IconHelper::Instance()->FontFamily()));
}

void TestIconHelper::getPixmap_drawsCentredGlyphInColourWithTransparentBorder_data()
{
    QTest::addColumn<QString>("color");
    QTest::addColumn<int>("glyph");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("keyboard nav icon") << QStringLiteral("#FDFDFD") << 0xF11C << 25 << 35 << 35;
    QTest::newRow("small cross in wide pixmap") << QStringLiteral("#FF0000") << 0xF00D << 9 << 60 << 40;
    QTest::newRow("arrow on key cap") << QStringLiteral("#000000") << 0xF105 << 10 << 14 << 14;
}

void TestIconHelper::getPixmap_drawsCentredGlyphInColourWithTransparentBorder()
{
    QFETCH(QString, color);
    QFETCH(int, glyph);
    QFETCH(int, size);
    QFETCH(int, width);
    QFETCH(int, height);

    const QImage image = IconHelper::Instance()
                             ->GetPixmap(color, QChar(glyph), size, width, height)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(width, height));

    const QColor wanted(color);
    QRect inked;
    int solid = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = QColor::fromRgba(image.pixel(x, y));
            if (pixel.alpha() == 0) {
                continue;
            }
            inked |= QRect(x, y, 1, 1);
            if (pixel.alpha() >= 128) {
                ++solid;
                // Antialiased edges keep the colour up to rounding of the alpha blend.
                QVERIFY(qAbs(pixel.red() - wanted.red()) <= 8);
                QVERIFY(qAbs(pixel.green() - wanted.green()) <= 8);
                QVERIFY(qAbs(pixel.blue() - wanted.blue()) <= 8);
            }
        }
    }
    QVERIFY2(solid > 0, "glyph left no solid pixels");
    // Centred: the ink's middle is within two pixels of the pixmap's middle.
    QVERIFY(qAbs(inked.center().x() - (width - 1) / 2) <= 2);
    QVERIFY(qAbs(inked.center().y() - (height - 1) / 2) <= 2);
    if (width > size + 10) {
        QVERIFY(inked.left() > 0 && inked.right() < width - 1);
    }
}

void TestIconHelper::setIcon_givesButtonIconFontAndGlyph()
{
    QToolButton button;
    button.setText(QStringLiteral("old"));
    IconHelper::Instance()->SetIcon(&button, QChar(0xF068), 9);
    QCOMPARE(button.text(), QString(QChar(0xF068)));
    QCOMPARE(button.font().family(), IconHelper::Instance()->FontFamily());
    QCOMPARE(button.font().pointSize(), 9);
}

void TestIconHelper::navStyleLeft_paintsBarOnlyOnActiveButton_data()
{
    QTest::addColumn<int>("borderWidth");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QColor>("edge");
    QTest::addColumn<QColor>("inside");
    QTest::addColumn<QString>("padding");
    const QColor bar(Qt::red), normalBg(Qt::green), darkBg(Qt::blue);
    QTest::newRow("checked shows bar") << 4 << true << bar << darkBg << "padding:8px 8px 8px 4px;";
    QTest::newRow("unchecked is flat") << 4 << false << normalBg << normalBg << "padding:8px 8px 8px 4px;";
    QTest::newRow("width 0 has no bar") << 0 << true << darkBg << darkBg << "padding:0px 0px 0px 0px;";
}

void TestIconHelper::navStyleLeft_paintsBarOnlyOnActiveButton()
{
    QFETCH(int, borderWidth);
    QFETCH(bool, checked);
    QFETCH(QColor, edge);
    QFETCH(QColor, inside);
    QFETCH(QString, padding);

    QWidget bar;
    bar.setProperty("flag", QStringLiteral("left"));
    bar.resize(120, 60);
    QToolButton* button = new QToolButton(&bar);
    button->setGeometry(0, 0, 120, 60);
    button->setCheckable(true);
    button->setChecked(checked);
    IconHelper::NavStyleLeft(&bar, borderWidth, QStringLiteral("#FF0000"), QStringLiteral("#00FF00"),
        QStringLiteral("#0000FF"), QStringLiteral("#000000"), QStringLiteral("#FFFFFF"));
    QVERIFY(bar.styleSheet().contains(padding));
    const QImage image = button->grab().toImage();
    QCOMPARE(image.pixelColor(1, 30).rgb(), edge.rgb());
    QCOMPARE(image.pixelColor(60, 5).rgb(), inside.rgb());
}

QTEST_MAIN(TestIconHelper)
#include "tst_iconhelper.moc"
