#include "device/Protocol.h"
#include "keymap/KeyCodeCatalogue.h"
#include "keymap/KeyCodeCombKeyPannel.h"
#include "keymap/KeyCodeDescription.h"
#include "keymap/KeyCodeLayerKeyPannel.h"
#include "keymap/KeyCodeSearchPannel.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapFile.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyCap.h"
#include "support/SimSession.h"
#include "ui/FileDialog.h"

#include "tst_keymapdialog_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace KeymapPageFixture;

namespace {
constexpr int kRows = 5;
constexpr int kCols = 15;
constexpr tdu2 kPid = 0x0605;

// Every kind of step the editor can undo.
enum Step { SetKey, Modifiers, Search, Clear, Default, Open, Download, Copy, Swap };
} // namespace

class TestKeymapEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void undoRedo_restoresWholeKeymapAndSelection_data();
    void undoRedo_restoresWholeKeymapAndSelection();
    void undoHistory_isPerKeymap();
    void search_findsByCaptionAndDescription_data();
    void search_findsByCaptionAndDescription();
    void search_offersEveryCatalogueCode_andGivesWayToPickers();
    void layerMenu_copiesAndSwaps_data();
    void layerMenu_copiesAndSwaps();
    void unsaved_followsUploadsSavesReadsAndUndo();

private:
    void Click(const QString& name);
    void DoStep(int step);
    // Every cap of the shown layer is marked and described as the code it now shows.
    void CheckCapsExplainTheirCodes();
    // The keyboard's answer to the oldest command the page sent.
    void Answer(tdu1 cmd, const QByteArray& reply)
    {
        m_sim->Answer(cmd, reply);
    }
    KeymapStore* Store() const
    {
        return m_page->Store();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    // A keyboard that answers only what the test makes it answer.
    std::unique_ptr<SimSession> m_sim;
    std::unique_ptr<KeymapDialog> m_page;
};

void TestKeymapEditing::initTestCase()
{
    RegisterDeviceMetaTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
}

void TestKeymapEditing::init()
{
    m_dir.reset(new QTemporaryDir());
    const QString path = m_dir->filePath("GRID_0.json");
    QVERIFY(WriteGridLayout(path, kRows, kCols));
    m_page = MakePage(path, "GRID_0");
    QVERIFY(m_page != nullptr);
    m_sim = std::make_unique<SimSession>(kPid, kRows, kCols);
    QVERIFY(m_sim->opened);
    m_sim->Mute();
    m_page->SetClient(m_sim->session->NewClient(m_page.get()));
    m_page->resize(1168, 715);
    m_page->show();
    m_page->activateWindow();
    // The shortcuts act in the active window only.
    QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
}

void TestKeymapEditing::cleanup()
{
    m_page.reset();
    m_sim.reset();
    m_dir.reset();
}

void TestKeymapEditing::Click(const QString& name)
{
    QToolButton* button = Button(m_page.get(), name);
    QVERIFY2(button != nullptr && button->isEnabled(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestKeymapEditing::CheckCapsExplainTheirCodes()
{
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kCols; ++col) {
            const KeyCap* cap = m_page->Pannel()->Cap(tdu1(row), tdu1(col));
            QVERIFY(cap != nullptr);
            const tdu2 code = Store()->KeymapCode(0, Store()->CurrentLayer(), row, col);
            QCOMPARE(cap->toolTip(), KeyCodeDescription::Of(code));
            QCOMPARE(cap->ShownRoleMark(), KeyCodePannelBase::RoleMarkOf(code));
        }
    }
}

void TestKeymapEditing::DoStep(int step)
{
    // What a file or the keyboard holds for the Open and Download steps.
    KeymapStore other;
    other.SetLayoutSize(kRows, kCols);
    other.ReplaceKeymap(0, Store()->KeymapCopy(0));
    other.SetKeymapCode(0, 3, 4, 14, 0xB5);
    QByteArray payload = other.PackKeymap(0);
    QString error;
    KeyCodeCombKeyPannel* comb = m_page->findChild<KeyCodeCombKeyPannel*>();
    QLineEdit* field = m_page->findChild<QLineEdit*>("ldtKeySearch");
    switch (step) {
    case SetKey:
        Click("tbtnLayerKey");
        QTest::mouseClick(m_page->findChild<KeyCodeLayerKeyPannel*>()->Caps().last()->Button(), Qt::LeftButton);
        break;
    case Modifiers:
        Click("tbtnCombKey");
        Click("tbtnRModCombKey");
        comb->findChild<QCheckBox*>("ckbRAlt")->setChecked(true);
        QTest::mouseClick(comb->findChild<QToolButton*>("tbtnRModSet"), Qt::LeftButton);
        break;
    case Search:
        // The field keeps the focus: the undo keys below must still reach the keymap.
        field->setFocus();
        QTest::keyClicks(field, "scroll");
        QTest::keyClick(field, Qt::Key_Return);
        break;
    case Clear:
        Click("tbtnClear");
        break;
    case Default:
        Click("tbtnRevert");
        break;
    case Open:
        QVERIFY(KeymapFile::Save(m_dir->filePath("other.xml"), "GRID_0", other, 0, &error));
        FileDialog::SetNextFileName(m_dir->filePath("other.xml"));
        Click("tbtnLoad");
        break;
    case Download:
        Click("tbtnDownLoad");
        Answer(Protocol::kCmdReadKeymap1, payload);
        break;
    case Copy:
        m_page->CopyLayer(1, 3);
        break;
    case Swap:
        m_page->SwapLayers(1, 2);
        break;
    }
}

void TestKeymapEditing::undoRedo_restoresWholeKeymapAndSelection_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("shownLayer");
    QTest::newRow("picker code") << int(SetKey) << 1;
    QTest::newRow("modifiers") << int(Modifiers) << 1;
    QTest::newRow("search and Enter") << int(Search) << 1;
    QTest::newRow("Clear") << int(Clear) << 1;
    QTest::newRow("Default") << int(Default) << 1;
    QTest::newRow("Open") << int(Open) << 1;
    QTest::newRow("Download") << int(Download) << 0;
    QTest::newRow("copy layer 2 onto 4") << int(Copy) << 3;
    QTest::newRow("swap layers 2 and 3") << int(Swap) << 2;
}

void TestKeymapEditing::undoRedo_restoresWholeKeymapAndSelection()
{
    QFETCH(int, step);
    QFETCH(int, shownLayer);
    // Keys away from the layout's defaults, so that "Default" changes something.
    Store()->SetKeymapCode(0, 1, 2, 3, 0x0004);
    Store()->SetKeymapCode(0, 2, 0, 0, 0x1104);
    Click("tbtnLayer1");
    QTest::mouseClick(m_page->Pannel()->Cap(1, 2)->Button(), Qt::LeftButton);
    const KeymapStore::KeymapCodes before = Store()->KeymapCopy(0);

    DoStep(step);
    const KeymapStore::KeymapCodes after = Store()->KeymapCopy(0);
    QVERIFY(after != before);
    CheckCapsExplainTheirCodes();
    QCOMPARE(m_page->UndoStack(0)->count(), 1);
    QCOMPARE(Store()->CurrentLayer(), shownLayer);

    // Moving the selection and the view are no steps; undo brings the selection back.
    Click("tbtnLayer1");
    QTest::mouseClick(m_page->Pannel()->Cap(3, 4)->Button(), Qt::LeftButton);
    Click("tbtnLayer2");
    QCOMPARE(m_page->UndoStack(0)->count(), 1);

    // Keys go where the keyboard sends them, the focused widget.
    QWidget* focused = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : m_page.get();
    QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(Store()->KeymapCopy(0) == before);
    QCOMPARE(Store()->CurrentLayer(), shownLayer);
    CheckCapsExplainTheirCodes();
    QCOMPARE(int(Store()->SelectedRowOf(0, 1)), 1);
    QCOMPARE(int(Store()->SelectedColOf(0, 1)), 2);
    QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(Store()->KeymapCopy(0) == after);
    Click("tbtnUndo");
    QVERIFY(Store()->KeymapCopy(0) == before);
    QTest::keyClick(focused, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(Store()->KeymapCopy(0) == after);
    QVERIFY(!Button(m_page.get(), "tbtnRedo")->isEnabled());
}

void TestKeymapEditing::undoHistory_isPerKeymap()
{
    QTest::mouseClick(m_page->Pannel()->Cap(0, 0)->Button(), Qt::LeftButton);
    Click("tbtnClear");
    Click("tbtnKeymap1");
    QVERIFY(!Button(m_page.get(), "tbtnUndo")->isEnabled());
    QTest::keyClick(m_page.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(int(Store()->KeymapCode(0, 0, 0, 0)), 0);
    Click("tbtnKeymap0");
    QCOMPARE(Button(m_page.get(), "tbtnUndo")->toolTip(), QStringLiteral("Undo \"Clear\" (Ctrl+Z)"));
    Click("tbtnUndo");
    QCOMPARE(int(Store()->KeymapCode(0, 0, 0, 0)), int(GridCode(0, 0, 0, kCols)));
}

void TestKeymapEditing::search_findsByCaptionAndDescription_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVector<int>>("codes");
    QTest::newRow("caption, any case") << "ESC" << QVector<int> {41};
    QTest::newRow("two-line caption with blank") << " page up " << QVector<int> {75};
    QTest::newRow("two-line caption joined") << "pagedown" << QVector<int> {78};
    QTest::newRow("ampersand shown once") << "&" << QVector<int> {36};
    QTest::newRow("basic by description") << "退格" << QVector<int> {42};
    QTest::newRow("layer picker") << "km3" << QVector<int> {183};
    QTest::newRow("led picker") << "onoff" << QVector<int> {135, 193};
    QTest::newRow("media by description") << "音量" << QVector<int> {155, 156};
    QTest::newRow("media by its words") << "Volume" << QVector<int> {155, 156};
    QTest::newRow("macro picker") << "宏定义3" << QVector<int> {106, 221, 222, 223};
    QTest::newRow("func picker caption") << "ble2" << QVector<int> {187};
    QTest::newRow("func picker description") << "电池" << QVector<int> {233};
    QTest::newRow("nothing") << "zzz" << QVector<int>();
    QTest::newRow("alias of another tool") << "kc_bspc" << QVector<int> {42};
    QTest::newRow("layer alias") << "MO(2)" << QVector<int> {176};
    QTest::newRow("whole name first") << "space" << QVector<int> {44, 42};
}

void TestKeymapEditing::search_findsByCaptionAndDescription()
{
    QFETCH(QString, text);
    QFETCH(QVector<int>, codes);
    QTest::mouseClick(m_page->Pannel()->Cap(0, 0)->Button(), Qt::LeftButton);
    QLineEdit* field = m_page->findChild<QLineEdit*>("ldtKeySearch");
    // Typed, as far as the test can type it.
    field->insert(text);
    QVector<int> found;
    for (tdu2 code : m_page->SearchPannel()->Matches()) {
        found.append(code);
    }
    QCOMPARE(found, codes);
    QVERIFY(m_page->SearchPannel()->isVisible());
    QVERIFY(!m_page->findChild<QStackedWidget*>("skwKeyCode")->isVisible());

    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(int(Store()->KeymapCode(0, 0, 0, 0)), codes.isEmpty() ? int(GridCode(0, 0, 0, kCols)) : codes.first());
    if (codes.size() > 1) {
        QTest::mouseClick(m_page->SearchPannel()->MatchingCaps().last()->Button(), Qt::LeftButton);
        QCOMPARE(int(Store()->KeymapCode(0, 0, 0, 0)), codes.last());
    }
}

void TestKeymapEditing::search_offersEveryCatalogueCode_andGivesWayToPickers()
{
    QLineEdit* field = m_page->findChild<QLineEdit*>("ldtKeySearch");
    QTest::keyClicks(field, "a");
    const QVector<tdu2> offered = m_page->SearchPannel()->Codes();
    for (int code = 0; code < 256; code++) {
        // The empty keys are what "Clear" writes; every other described code can be found.
        const bool described = !KeyCodeCatalogue::KeyDescription(tdu2(code)).isEmpty() && code != 0 && code != 3;
        QVERIFY2(offered.contains(tdu2(code)) == described, qPrintable(QString::number(code)));
    }
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(field->text().isEmpty());
    QVERIFY(!m_page->SearchPannel()->isVisible());
    QTest::keyClicks(field, "a");
    Click("tbtnMediaKey");
    QVERIFY(field->text().isEmpty());
    QCOMPARE(
        m_page->findChild<QStackedWidget*>("skwKeyCode")->currentWidget()->objectName(), QStringLiteral("skwMediaKey"));
    QVERIFY(m_page->findChild<QStackedWidget*>("skwKeyCode")->isVisible());
}

void TestKeymapEditing::layerMenu_copiesAndSwaps_data()
{
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("swap");
    QTest::newRow("copy 1 onto 3, right click") << 0 << 1 << false << 2 << false;
    QTest::newRow("copy 4 onto 1, right click") << 3 << 0 << false << 0 << false;
    QTest::newRow("swap 2 with 4, right click") << 1 << 5 << false << 3 << true;
    QTest::newRow("copy 3 onto 2, Ctrl+L") << 2 << 1 << true << 1 << false;
    QTest::newRow("swap 1 with 2, Ctrl+L") << 0 << 3 << true << 1 << true;
}

void TestKeymapEditing::layerMenu_copiesAndSwaps()
{
    QFETCH(int, layer);
    QFETCH(int, entry);
    QFETCH(bool, byKeyboard);
    QFETCH(int, target);
    QFETCH(bool, swap);
    const KeymapStore::KeymapCodes before = Store()->KeymapCopy(0);
    QToolButton* button = Button(m_page.get(), QStringLiteral("tbtnLayer%1").arg(layer));
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5));
    if (byKeyboard) {
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClick(m_page.get(), Qt::Key_L, Qt::ControlModifier);
    } else {
        QApplication::sendEvent(button, &rightClick);
    }
    QMenu* menu = m_page->findChild<QMenu*>("mnuLayer");
    QTRY_VERIFY(menu->isVisible());
    // Three copies, a separator, three swaps.
    QAction* action = menu->actions().value(entry < 3 ? entry : entry + 1);
    const QString other = Button(m_page.get(), QStringLiteral("tbtnLayer%1").arg(target))->text();
    QCOMPARE(
        action->text(), QString::fromLatin1(swap ? "Swap %1 with %2" : "Copy %1 onto %2").arg(button->text(), other));
    for (int i = 0; byKeyboard && i <= entry; i++)
        QTest::keyClick(menu, Qt::Key_Down);
    if (byKeyboard)
        QTest::keyClick(menu, Qt::Key_Return);
    else
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());

    KeymapStore::KeymapCodes expected = before;
    expected[target] = before[layer];
    if (swap)
        expected[layer] = before[target];
    QVERIFY(Store()->KeymapCopy(0) == expected);
    QCOMPARE(Store()->CurrentLayer(), target);
    Click("tbtnUndo");
    QVERIFY(Store()->KeymapCopy(0) == before);
}

void TestKeymapEditing::unsaved_followsUploadsSavesReadsAndUndo()
{
    QSignalSpy marker(m_page.get(), &KeymapDialog::UnsavedEditsChanged);
    QVERIFY(!m_page->HasUnsavedEdits());
    QTest::mouseClick(m_page->Pannel()->Cap(0, 0)->Button(), Qt::LeftButton);
    Click("tbtnClear");
    QCOMPARE(m_page->UnsavedKeymaps(), QList<int> {0});
    Click("tbtnUndo");
    QVERIFY(!m_page->HasUnsavedEdits());

    // Two uploads: the second waits for the first one's read-back, and only what the keyboard
    // gives back after a confirmed write counts.
    const QByteArray first = Store()->PackKeymap(0);
    Click("tbtnUpLoad");
    Click("tbtnRedo");
    Click("tbtnUpLoad");
    QCOMPARE(int(m_sim->Sent().size()), 1);
    Answer(Protocol::kCmdWriteKeymap1, QByteArray(1, '\0'));
    Answer(Protocol::kCmdReadKeymap1, first);
    QCOMPARE(int(m_sim->Sent().size()), 3);
    QCOMPARE(int(m_sim->Sent().back().first), int(Protocol::kCmdWriteKeymap1));
    Answer(Protocol::kCmdWriteKeymap1, QByteArray(1, '\1'));
    QCOMPARE(m_page->UnsavedKeymaps(), QList<int> {0});

    Click("tbtnKeymap1");
    QTest::mouseClick(m_page->Pannel()->Cap(1, 1)->Button(), Qt::LeftButton);
    Click("tbtnClear");
    QVERIFY(m_page->UnsavedEditsText().startsWith("Keymaps 1, 2 have edits"));
    FileDialog::SetNextFileName(m_dir->filePath("keymap2.xml"));
    Click("tbtnSave");
    QVERIFY(m_page->UnsavedEditsText().startsWith("Keymap 1 has edits"));

    // What the keyboard sends replaces the edits and is kept.
    QByteArray payload = Store()->PackKeymap(1);
    Click("tbtnKeymap0");
    Click("tbtnDownLoad");
    Answer(Protocol::kCmdReadKeymap1, payload);
    QVERIFY(!m_page->HasUnsavedEdits());
    QCOMPARE(marker.count(), 4);
}

QTEST_MAIN(TestKeymapEditing)
#include "tst_keymapediting.moc"
