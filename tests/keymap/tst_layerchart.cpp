#include "tst_keymapdialog_fixture.h"

#include "keymap/KeyUseChart.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapStore.h"
#include "keymap/LayerChart.h"
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
    void legend_explainsTheMarksTheKeymapShows_data();
    void legend_explainsTheMarksTheKeymapShows();
    void keyUsePage_onlyWithCounts_data();
    void keyUsePage_onlyWithCounts();

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

void LayerChartTest::legend_explainsTheMarksTheKeymapShows_data()
{
    QTest::addColumn<QVector<int>>("codes");
    QTest::addColumn<QVector<int>>("marks");
    const int dual = int(KeyCap::RoleMark::DualRole);
    const int combination = int(KeyCap::RoleMark::Combination);
    QTest::newRow("plain keys: no legend") << QVector<int>() << QVector<int>();
    QTest::newRow("dual-role modifier") << QVector<int> {0x1204} << QVector<int> {dual};
    QTest::newRow("combination") << QVector<int> {0x5104} << QVector<int> {combination};
    QTest::newRow("both, in a fixed order") << QVector<int> {0x4304, 0x2104} << QVector<int> {dual, combination};
}

void LayerChartTest::legend_explainsTheMarksTheKeymapShows()
{
    QFETCH(QVector<int>, codes);
    QFETCH(QVector<int>, marks);
    KeymapStore* store = m_page->Store();
    const KeymapStore::KeymapCodes saved = store->KeymapCopy(0);
    // On the last layer only: the legend stands under every layer all the same.
    for (int i = 0; i < codes.size(); ++i)
        store->SetKeymapCode(0, Protocol::kLayerCount - 1, 0, i, tdu2(codes.at(i)));
    LayerChart chart(*m_page->Pannel(), *store, 0, {"NOVA", "Keymap 1", {"1", "2", "3", "4"}, QDate(2026, 1, 2)});
    QVector<int> legend;
    for (KeyCap::RoleMark mark : chart.LegendMarks())
        legend.append(int(mark));
    const QString path = m_dir.filePath(QStringLiteral("legend.svg"));
    QString error;
    const bool written = chart.WriteSvg(path, &error);
    // Back before any check, so that a failing row leaves the next ones their keymap.
    store->ReplaceKeymap(0, saved);
    QCOMPARE(legend, marks);
    QVERIFY2(written, qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    for (KeyCap::RoleMark mark : {KeyCap::RoleMark::DualRole, KeyCap::RoleMark::Combination}) {
        const int expected = marks.contains(int(mark)) ? Protocol::kLayerCount : 0;
        QCOMPARE(svg.count(LayerChart::LegendText(mark).toUtf8()), expected);
    }
}

void LayerChartTest::keyUsePage_onlyWithCounts_data()
{
    QTest::addColumn<QVector<int>>("counts");
    QTest::addColumn<bool>("page");
    QTest::newRow("no counts") << QVector<int>() << false;
    QTest::newRow("keys never pressed") << QVector<int> {0, 0} << false;
    QTest::newRow("keys pressed") << QVector<int> {3, 0, 120} << true;
}

void LayerChartTest::keyUsePage_onlyWithCounts()
{
    QFETCH(QVector<int>, counts);
    QFETCH(bool, page);
    LayerChart chart(
        *m_page->Pannel(), *m_page->Store(), 0, {"NOVA", "Keymap 1", {"1", "2", "3", "4"}, QDate(2026, 1, 2)});
    KeyUseStore::Counts use;
    for (int col = 0; col < counts.size(); ++col)
        use.insert(KeyUseStore::Place(0, col), counts.at(col));
    chart.SetKeyUse(use);
    QCOMPARE(chart.HasKeyUsePage(), page);

    const QString pdfPath = m_dir.filePath(QStringLiteral("use.pdf"));
    const QString svgPath = m_dir.filePath(QStringLiteral("use.svg"));
    QString error;
    QVERIFY2(chart.WritePdf(pdfPath, &error), qPrintable(error));
    QVERIFY2(chart.WriteSvg(svgPath, &error), qPrintable(error));
    QFile pdfFile(pdfPath);
    QVERIFY(pdfFile.open(QIODevice::ReadOnly));
    const QByteArray content = pdfFile.readAll();
    const std::string pdf(content.constData(), size_t(content.size()));
    const std::regex pageObject(R"(/Type\s*/Page\b)");
    QCOMPARE(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), pageObject), std::sregex_iterator()),
        std::ptrdiff_t(Protocol::kLayerCount + (page ? 1 : 0)));
    QFile svgFile(svgPath);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    QCOMPARE(svgFile.readAll().count(KeyUseChart::Title().toUtf8()), page ? 1 : 0);
}

QTEST_MAIN(LayerChartTest)
#include "tst_layerchart.moc"
