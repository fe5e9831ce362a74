#include "tst_keymapdialog_fixture.h"

#include "keymap/KeymapDialog.h"
#include "ui/FileDialog.h"
#include "ui/Palette.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <iterator>
#include <regex>
#include <string>

// The layer chart of the keymap page, saved the way the user saves it: PDF one layer a page,
// PNG and SVG the four layers in one picture; a file that cannot be written changes nothing.
class LayerChartTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saveChart_writesTheFormatOfTheSuffix_data();
    void saveChart_writesTheFormatOfTheSuffix();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<KeymapDialog> m_page;
};

namespace {
constexpr int kRows = 7;
constexpr int kCols = 21;
} // namespace

void LayerChartTest::initTestCase()
{
    RegisterDeviceMetaTypes();
    const QString layout = m_dir.filePath(QStringLiteral("grid.json"));
    QVERIFY(KeymapPageFixture::WriteGridLayout(layout, kRows, kCols));
    m_page = KeymapPageFixture::MakePage(layout, QStringLiteral("NOVA_0"));
    QVERIFY(m_page);
}

void LayerChartTest::saveChart_writesTheFormatOfTheSuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");
    QTest::newRow("pdf") << "chart.pdf"
                         << "chart.pdf";
    QTest::newRow("png") << "chart.PNG"
                         << "chart.PNG";
    QTest::newRow("svg") << "chart.svg"
                         << "chart.svg";
    QTest::newRow("no known suffix: pdf") << "chart.txt"
                                          << "chart.txt.pdf";
    QTest::newRow("folder missing") << "missing/chart.pdf"
                                    << "";
}

void LayerChartTest::saveChart_writesTheFormatOfTheSuffix()
{
    QFETCH(QString, name);
    QFETCH(QString, written);
    QSignalSpy results(m_page.get(), &KeymapDialog::ResultShow);
    FileDialog::SetNextFileName(m_dir.filePath(name));
    m_page->SaveChart();
    QCOMPARE(results.count(), 1);
    QCOMPARE(results.at(0).at(0).value<tdu1>(), written.isEmpty() ? Palette::kFailure : Palette::kSuccess);
    if (written.isEmpty()) {
        QVERIFY(!QFile::exists(m_dir.filePath(name)));
        return;
    }
    QFile file(m_dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    const int pannelWidth = m_page->Pannel()->PannelWidth();
    const int pannelHeight = m_page->Pannel()->PannelHeight();
    if (written.endsWith(QLatin1String(".pdf"))) {
        QVERIFY(content.startsWith("%PDF"));
        // One page object a layer.
        const std::string pdf(content.constData(), size_t(content.size()));
        const std::regex page(R"(/Type\s*/Page\b)");
        QCOMPARE(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()),
            std::ptrdiff_t(Protocol::kLayerCount));
    } else if (written.endsWith(QLatin1String(".PNG"))) {
        const QImage image = QImage::fromData(content, "PNG");
        QVERIFY(image.width() > 2 * pannelWidth);
        QVERIFY(image.height() > 2 * Protocol::kLayerCount * pannelHeight);
    } else {
        QVERIFY(content.contains("<svg"));
        QCOMPARE(content.count("4th Layer"), 1);
    }
}

QTEST_MAIN(LayerChartTest)
#include "tst_layerchart.moc"
