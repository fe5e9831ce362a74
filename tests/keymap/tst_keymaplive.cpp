#include "device/Protocol.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapLiveMode.h"
#include "keymap/KeymapPannelView.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "support/SimSession.h"

#include "tst_keymapdialog_fixture.h"

#include <QCheckBox>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace KeymapPageFixture;

namespace {
constexpr int kRows = 5;
constexpr int kCols = 15;
constexpr tdu2 kPid = 0x0605;

// The grid layout without the keys at (0, 3), (1, 0) and (4, 0).
bool WriteLayoutWithGaps(const QString& path)
{
    if (!WriteGridLayout(path, kRows, kCols))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    QJsonArray keys = root.value("keys").toArray();
    for (int cell : {3, 15, 60}) {
        QJsonObject key = keys.at(cell).toObject();
        key.insert("valid", false);
        keys.replace(cell, key);
    }
    root.insert("keys", keys);
    file.resize(0);
    return file.write(QJsonDocument(root).toJson()) > 0;
}
} // namespace

class TestKeymapLive : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void quickEdits_goInOneWriteEach_andReachTheKeyboard_data();
    void quickEdits_goInOneWriteEach_andReachTheKeyboard();
    void undoAndRedo_areWritten();
    void failure_turnsLiveOffAndKeepsEditsUnsaved_data();
    void failure_turnsLiveOffAndKeepsEditsUnsaved();
    void nextKey_followsReadingOrderOverGaps_data();
    void nextKey_followsReadingOrderOverGaps();

private:
    void Assign(int row, int col, tdu2 code);
    void Live(bool on);
    int Writes() const;
    tdu2 Held(int row, int col) const
    {
        return m_sim->keyboard->state().keymaps[0][0][size_t(row)][size_t(col)];
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SimSession> m_sim;
    std::unique_ptr<KeymapDialog> m_page;
    QStringList m_shown;
};

void TestKeymapLive::initTestCase()
{
    RegisterDeviceMetaTypes();
    // Settings are kept under the application's names, as the program sets them.
    QCoreApplication::setOrganizationName(QStringLiteral("driver-tests"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_keymaplive"));
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
}

void TestKeymapLive::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir->path());
    QSettings().clear();
    m_sim = std::make_unique<SimSession>(kPid, kRows, kCols);
    QVERIFY(m_sim->opened);
    const QString path = m_dir->filePath("GRID_0.json");
    QVERIFY(WriteLayoutWithGaps(path));
    m_page = MakePage(path, "GRID_0");
    QVERIFY(m_page != nullptr);
    m_page->show();
    m_shown.clear();
    connect(m_page.get(), &KeymapDialog::ResultShow, this, [this](tdu1, const QString& text) { m_shown.append(text); });
}

void TestKeymapLive::cleanup()
{
    m_page.reset();
    m_sim.reset();
    m_dir.reset();
}

void TestKeymapLive::Assign(int row, int col, tdu2 code)
{
    QTest::mouseClick(m_page->Pannel()->Cap(row, col)->Button(), Qt::LeftButton);
    m_page->KeyPannelCodeClicked(code);
}

void TestKeymapLive::Live(bool on)
{
    m_page->SetClient(m_sim->session->NewClient(m_page.get()));
    QCheckBox* box = m_page->findChild<QCheckBox*>("chkLiveMode");
    if (box->isChecked() != on)
        QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(m_page->LiveMode()->IsOn(), on);
}

int TestKeymapLive::Writes() const
{
    int writes = 0;
    for (const sim::SimKeyboard::Command& command : m_sim->Sent())
        writes += command.first == Protocol::kCmdWriteKeymap1 ? 1 : 0;
    return writes;
}

void TestKeymapLive::quickEdits_goInOneWriteEach_andReachTheKeyboard_data()
{
    QTest::addColumn<int>("first"); // edits in one go
    QTest::addColumn<int>("during"); // edits while that write is in flight
    QTest::addColumn<int>("writes");
    QTest::newRow("one") << 1 << 0 << 1;
    QTest::newRow("burst of three") << 3 << 0 << 1;
    QTest::newRow("three while one is written") << 1 << 3 << 2;
}

void TestKeymapLive::quickEdits_goInOneWriteEach_andReachTheKeyboard()
{
    QFETCH(int, first);
    QFETCH(int, during);
    QFETCH(int, writes);

    Live(true);
    m_sim->keyboard->setReplyDelayMs(50);
    for (int i = 0; i < first; ++i)
        Assign(2, i, tdu2(100 + i));
    QVERIFY(m_page->Pannel()->Cap(2, 0)->Button()->property(KeymapPannelView::kUnconfirmedProperty).toBool());
    QTRY_COMPARE(Writes(), 1);
    for (int i = first; i < first + during; ++i)
        Assign(2, i, tdu2(100 + i));
    QTRY_VERIFY(!m_page->HasUnsavedEdits());
    QTest::qWait(60);
    QCOMPARE(Writes(), writes);
    for (int i = 0; i < first + during; ++i)
        QCOMPARE(Held(2, i), tdu2(100 + i));
    QVERIFY(!m_page->Pannel()->Cap(2, 0)->Button()->property(KeymapPannelView::kUnconfirmedProperty).toBool());
    QVERIFY(m_page->LiveMode()->IsOn());
}

void TestKeymapLive::undoAndRedo_areWritten()
{
    Live(true);
    const tdu2 before = m_page->Store()->KeymapCode(0, 0, 1, 1);
    Assign(1, 1, 0x29);
    QTRY_COMPARE(Held(1, 1), tdu2(0x29));
    QTest::mouseClick(Button(m_page.get(), "tbtnUndo"), Qt::LeftButton);
    QTRY_COMPARE(Held(1, 1), before);
    QTest::mouseClick(Button(m_page.get(), "tbtnRedo"), Qt::LeftButton);
    QTRY_COMPARE(Held(1, 1), tdu2(0x29));
    QTRY_VERIFY(!m_page->HasUnsavedEdits());
    // A screen reader tells the keys that differ from what the keyboard holds.
    const auto differs = [this](int row, int col) {
        return m_page->Pannel()->Cap(row, col)->Button()->accessibleDescription().endsWith(
            "; not what the keyboard holds");
    };
    QVERIFY(!differs(1, 1));
    Live(false);
    Assign(1, 2, 0x2A);
    QVERIFY(differs(1, 2));
    QVERIFY(!differs(1, 1));
}

void TestKeymapLive::failure_turnsLiveOffAndKeepsEditsUnsaved_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("write refused") << "refused";
    QTest::newRow("not answered") << "silent";
    QTest::newRow("read back differs") << "differs";
    QTest::newRow("disconnected") << "unplug";
}

void TestKeymapLive::failure_turnsLiveOffAndKeepsEditsUnsaved()
{
    QFETCH(QString, fault);

    Live(true);
    if (fault == "refused")
        m_sim->keyboard->failNextStatus(1);
    if (fault == "differs")
        m_sim->keyboard->failNextStatus(0);
    if (fault == "silent" || fault == "unplug")
        m_sim->keyboard->silenceNextReplies(1);
    Assign(3, 3, 0x2C);
    QTRY_COMPARE(Writes(), 1);
    if (fault == "silent")
        m_sim->PassDeadlines();
    if (fault == "unplug")
        m_sim->keyboard->unplug();

    QTRY_VERIFY(!m_page->LiveMode()->IsOn());
    QVERIFY(!m_page->findChild<QCheckBox*>("chkLiveMode")->isChecked());
    QVERIFY(m_shown.last().startsWith("Live mode is off"));
    QCOMPARE(m_page->Store()->KeymapCode(0, 0, 3, 3), tdu2(0x2C));
    QCOMPARE(m_page->UnsavedKeymaps(), QList<int> {0});
    QVERIFY(!m_page->Pannel()->Cap(3, 3)->Button()->property(KeymapPannelView::kUnconfirmedProperty).toBool());
    // Later edits stay on the page.
    Assign(3, 4, 0x2D);
    QTest::qWait(20);
    QCOMPARE(Writes(), 1);
}

void TestKeymapLive::nextKey_followsReadingOrderOverGaps_data()
{
    QTest::addColumn<bool>("nextKey");
    QTest::addColumn<QPoint>("from"); // (col, row)
    QTest::addColumn<QPoint>("to");
    QTest::newRow("off") << false << QPoint(1, 0) << QPoint(1, 0);
    QTest::newRow("along the row") << true << QPoint(1, 0) << QPoint(2, 0);
    QTest::newRow("over a gap") << true << QPoint(2, 0) << QPoint(4, 0);
    QTest::newRow("to the next row, past its gap") << true << QPoint(14, 0) << QPoint(1, 1);
    QTest::newRow("last key stays") << true << QPoint(14, 4) << QPoint(14, 4);
}

void TestKeymapLive::nextKey_followsReadingOrderOverGaps()
{
    QFETCH(bool, nextKey);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);

    if (nextKey)
        QTest::mouseClick(m_page->findChild<QCheckBox*>("chkNextKey"), Qt::LeftButton);
    Assign(from.y(), from.x(), 0x2A);
    QCOMPARE(m_page->Store()->KeymapCode(0, 0, from.y(), from.x()), tdu2(0x2A));
    QCOMPARE(QPoint(m_page->Store()->SelectedCol(), m_page->Store()->SelectedRow()), to);
    QCOMPARE(CheckedCaps(m_page->Pannel()), QList<int> {to.y() * 100 + to.x()});
    QCOMPARE(QSettings().value("keymap/nextKey").toBool(), nextKey);
}

QTEST_MAIN(TestKeymapLive)
#include "tst_keymaplive.moc"
