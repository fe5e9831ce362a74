#include "app/MainDialog.h"
#include "device/Protocol.h"
#include "keymap/KeyCodeLayerKeyPannel.h"
#include "keymap/KeyCodeSearchPannel.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapFile.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutFile.h"
#include "sim/SimBus.h"
#include "support/TestFolder.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include <functional>

using sim::SimBus;

namespace {
// The shipped configuration of the repository, copied into each test's run folder.
const QString kShippedConfig = QStringLiteral(DRIVER_SOURCE_DIR "/config");

struct Model
{
    tdu2 pid;
    QString prefix;
    QString name;
    int keymapType;
};

QList<Model> ShippedModels()
{
    QFile file(kShippedConfig + QStringLiteral("/index.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Model> models;
    // Every model in every keymap type, as the demo entries name them.
    for (const QJsonValue& value : QJsonDocument::fromJson(file.readAll()).object().value("demo").toArray()) {
        const QJsonObject entry = value.toObject();
        for (int type = 0; type < entry.value("type").toArray().size(); type++) {
            models.append({tdu2(entry.value("pid").toInt()), entry.value("prefix").toString(),
                entry.value("name").toString(), type});
        }
    }
    return models;
}

// The codes of one keymap in transfer order, from the editor and from the keyboard.
QVector<tdu2> EditorCodes(const KeymapStore& store, int keymap, int rows, int cols)
{
    QVector<tdu2> codes;
    for (int layer = 0; layer < Protocol::kLayerCount; layer++) {
        for (int r = 0; r < rows; r++) {
            for (int c = 0; c < cols; c++)
                codes.append(store.KeymapCode(keymap, layer, r, c));
        }
    }
    return codes;
}

QVector<tdu2> KeyboardCodes(const sim::KeyboardState& state, int keymap, int rows, int cols)
{
    QVector<tdu2> codes;
    for (int layer = 0; layer < Protocol::kLayerCount; layer++) {
        for (int r = 0; r < rows; r++) {
            for (int c = 0; c < cols; c++)
                codes.append(state.keymaps[keymap][layer][r][c]);
        }
    }
    return codes;
}

void FillKeymap(KeymapStore& store, int keymap, int rows, int cols, const std::function<tdu2(int, int, int)>& code)
{
    for (int layer = 0; layer < Protocol::kLayerCount; layer++) {
        for (int r = 0; r < rows; r++) {
            for (int c = 0; c < cols; c++)
                store.SetKeymapCode(keymap, layer, r, c, code(layer, r, c));
        }
    }
}

void Click(QAbstractButton* button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}
} // namespace

class TestKeymapSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void editUploadChangeOnKeyboardDownload_data();
    void editUploadChangeOnKeyboardDownload();
    void everyKeymap_writeThenReadBack_unchanged_data();
    void everyKeymap_writeThenReadBack_unchanged();
    void saveThenOpen_restoresEditedKeymap_data();
    void saveThenOpen_restoresEditedKeymap();
    void replyDuringFileDialog_fileOperationKeepsItsKeymap();
    void compare_marksExactlyTheKeysChangedOnTheKeyboard();
    void keyboardOnly_changeWriteAndVerify();
    void compare_inDemoMode_showsDemoNotice();
    void close_withUnsavedEdits_asksSaveDiscardCancel_data();
    void close_withUnsavedEdits_asksSaveDiscardCancel();

private:
    void AddModelRows();
    // The model of the current data row.
    static Model RowModel();
    std::unique_ptr<MainDialog> Open(const Model& model, std::shared_ptr<sim::SimKeyboard>* keyboard);
    QString Status() const;
    // Shows a keymap and waits until it was read from the keyboard, as it is when first shown.
    void ShowKeymap(int keymap);

    std::unique_ptr<TestFolder> m_folder;
    MainDialog* m_window = nullptr;
};

void TestKeymapSession::init()
{
    SimBus::instance().reset();
    m_folder = std::make_unique<TestFolder>();
    QDirIterator files(kShippedConfig, {"*.json"}, QDir::Files);
    while (files.hasNext()) {
        files.next();
        QVERIFY(QFile::copy(files.filePath(), m_folder->Path("config/" + files.fileName())));
    }
}

void TestKeymapSession::cleanup()
{
    m_window = nullptr;
    m_folder.reset();
    SimBus::instance().reset();
}

Model TestKeymapSession::RowModel()
{
    QFETCH(int, pid);
    QFETCH(QString, prefix);
    QFETCH(QString, name);
    QFETCH(int, keymapType);
    return {tdu2(pid), prefix, name, keymapType};
}

void TestKeymapSession::AddModelRows()
{
    QTest::addColumn<int>("pid");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("keymapType");
    const QList<Model> models = ShippedModels();
    QVERIFY(!models.isEmpty());
    for (const Model& model : models) {
        QTest::addRow("%s_%d", qPrintable(model.prefix), model.keymapType)
            << int(model.pid) << model.prefix << model.name << model.keymapType;
    }
}

std::unique_ptr<MainDialog> TestKeymapSession::Open(const Model& model, std::shared_ptr<sim::SimKeyboard>* keyboard)
{
    const LayoutDescription layout = LayoutFile::Read(LayoutFile::FileName(model.prefix, model.keymapType));
    if (!layout.ok)
        return nullptr;
    *keyboard = SimBus::instance().plug(Protocol::kVendorId, model.pid, layout.rownum, layout.colnum);
    // The keyboard holds the layout's keys, as one fresh from the factory does.
    (*keyboard)->modify([&model, &layout](sim::KeyboardState& state) {
        state.keymapType = tdu1(model.keymapType);
        for (const LayoutKey& key : layout.keys) {
            for (int k = 0; key.valid && k < Protocol::kKeymapCount; k++) {
                for (int l = 0; l < Protocol::kLayerCount; l++)
                    state.keymaps[k][l][key.row][key.col] = key.keycode[size_t(l)];
            }
        }
    });
    auto window = std::make_unique<MainDialog>(nullptr, false, model.pid, 0);
    window->SetWindowSize(1294, 800);
    window->SetDeviceNames(model.prefix, model.name);
    if (!window->Connect() || window->KeymapType() != model.keymapType)
        return nullptr;
    window->Setup();
    window->show();
    m_window = window.get();
    if (!QTest::qWaitFor([this] { return m_window->KeymapPage()->KeymapKnown(0); }))
        return nullptr;
    return window;
}

void TestKeymapSession::ShowKeymap(int keymap)
{
    Click(m_window->findChild<QToolButton*>(QStringLiteral("tbtnKeymap%1").arg(keymap)));
    QTRY_VERIFY(m_window->KeymapPage()->KeymapKnown(keymap));
}

QString TestKeymapSession::Status() const
{
    return m_window->findChild<QLabel*>("lblStatus")->text();
}

void TestKeymapSession::editUploadChangeOnKeyboardDownload_data()
{
    AddModelRows();
}

void TestKeymapSession::editUploadChangeOnKeyboardDownload()
{
    std::shared_ptr<sim::SimKeyboard> keyboard;
    auto window = Open(RowModel(), &keyboard);
    QVERIFY(window);
    KeymapDialog* page = window->KeymapPage();
    KeyPannel* pannel = page->Pannel();

    // Second keymap, second layer, the first key of the second row.
    ShowKeymap(1);
    Click(window->findChild<QToolButton*>("tbtnLayer1"));
    const int row = 1;
    int col = 0;
    while (!pannel->IsKeyValid(row, col))
        col++;
    Click(pannel->Cap(row, col)->Button());
    Click(window->findChild<QToolButton*>("tbtnLayerKey"));
    KeyCodeLayerKeyPannel* picker = window->findChild<KeyCodeLayerKeyPannel*>();
    QVERIFY(picker);
    KeyCap* km3 = nullptr;
    for (KeyCap* cap : picker->Caps()) {
        if (picker->ValueOfCap(cap) == 183)
            km3 = cap;
    }
    QVERIFY(km3);
    Click(km3->Button());
    QCOMPARE(pannel->Cap(row, col)->Button()->text(), QStringLiteral("KM3\n"));

    Click(window->findChild<QToolButton*>("tbtnUpLoad"));
    QTRY_COMPARE(Status(), QStringLiteral("Set Keyboard Keymap 2 Success"));
    QCOMPARE(int(keyboard->state().keymaps[1][1][row][col]), 183);

    // Someone changes the keyboard; reading it back shows the keyboard's codes.
    keyboard->modify([&](sim::KeyboardState& state) {
        state.keymaps[1][1][row][col] = 0x5504;
        state.keymaps[1][0][0][0] = 0x0029;
    });
    Click(window->findChild<QToolButton*>("tbtnKeymap0"));
    Click(window->findChild<QToolButton*>("tbtnKeymap1"));
    Click(window->findChild<QToolButton*>("tbtnDownLoad"));
    QTRY_COMPARE(Status(), QStringLiteral("Get Keyboard Keymap 2 Success"));
    QCOMPARE(int(page->Store()->KeymapCode(1, 1, row, col)), 0x5504);
    QCOMPARE(int(page->Store()->KeymapCode(1, 0, 0, 0)), 0x0029);
    // The view is layer 1 of keymap 2 after a read; layer 2 shows the combination in italics.
    Click(window->findChild<QToolButton*>("tbtnLayer1"));
    QCOMPARE(pannel->Cap(row, col)->Button()->text(), QStringLiteral("A\n"));
    QVERIFY(pannel->Cap(row, col)->Button()->font().italic());
    QCOMPARE(keyboard->overlappingCalls(), 0);
}

void TestKeymapSession::keyboardOnly_changeWriteAndVerify()
{
    std::shared_ptr<sim::SimKeyboard> keyboard;
    auto window = Open(ShippedModels().first(), &keyboard);
    QVERIFY(window);
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    KeymapDialog* page = window->KeymapPage();
    KeyPannel* pannel = page->Pannel();
    const auto focus = [] { return QApplication::focusWidget(); };
    // Keymap 2 and its second layer from anywhere on the page; Tab reaches the picture.
    pannel->Cap(1, 1)->Button()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focus(), Qt::Key_2, Qt::ControlModifier);
    QTRY_VERIFY(page->KeymapKnown(1));
    QTest::keyClick(focus(), Qt::Key_2, Qt::AltModifier);
    QTRY_COMPARE(page->Store()->CurrentLayer(), 1);

    // Right to the next key, Enter to the search, a name, Enter: the key has the code and the
    // focus is back on it.
    pannel->Cap(1, 1)->Button()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focus(), Qt::Key_Right);
    QToolButton* key = pannel->Cap(1, 2)->Button();
    QCOMPARE(focus(), key);
    QTest::keyClick(focus(), Qt::Key_Return);
    QCOMPARE(focus()->objectName(), QStringLiteral("ldtKeySearch"));
    const tdu2 before = page->Store()->KeymapCode(1, 1, 1, 2);
    QTest::keyClicks(focus(), QStringLiteral("Mute"));
    QTest::keyClick(focus(), Qt::Key_Return);
    QCOMPARE(int(page->Store()->KeymapCode(1, 1, 1, 2)), int(page->SearchPannel()->Matches().first()));
    QVERIFY(page->Store()->KeymapCode(1, 1, 1, 2) != before);
    QCOMPARE(focus(), key);
    // Escape leaves the search empty and comes back without a change.
    QTest::keyClick(focus(), Qt::Key_Return);
    QTest::keyClicks(focus(), QStringLiteral("Vol"));
    QTest::keyClick(focus(), Qt::Key_Escape);
    QCOMPARE(focus(), key);
    QVERIFY(window->findChild<QLineEdit*>("ldtKeySearch")->text().isEmpty());
    // Down goes to the matches; Enter on one puts it on the key.
    QTest::keyClick(focus(), Qt::Key_Return);
    QTest::keyClicks(focus(), QStringLiteral("F12"));
    const tdu2 first = page->SearchPannel()->Matches().first();
    QTest::keyClick(focus(), Qt::Key_Down);
    QVERIFY(focus() != key && qobject_cast<QToolButton*>(focus()));
    QTest::keyClick(focus(), Qt::Key_Return);
    QCOMPARE(page->Store()->KeymapCode(1, 1, 1, 2), first);
    QCOMPARE(focus(), key);

    const tdu2 code = page->Store()->KeymapCode(1, 1, 1, 2);
    QTest::keyClick(focus(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(Status(), QStringLiteral("Set Keyboard Keymap 2 Success"));
    QCOMPARE(keyboard->state().keymaps[1][1][1][2], code);
    QVERIFY(!page->HasUnsavedEdits());
}

void TestKeymapSession::everyKeymap_writeThenReadBack_unchanged_data()
{
    AddModelRows();
}

void TestKeymapSession::everyKeymap_writeThenReadBack_unchanged()
{
    std::shared_ptr<sim::SimKeyboard> keyboard;
    auto window = Open(RowModel(), &keyboard);
    QVERIFY(window);
    KeymapStore* store = window->KeymapPage()->Store();
    KeyPannel* pannel = window->KeymapPage()->Pannel();
    const int rows = pannel->RowNum();
    const int cols = pannel->ColNum();
    for (int keymap = 0; keymap < Protocol::kKeymapCount; keymap++) {
        ShowKeymap(keymap);
        // Give each keymap codes of its own so a keymap mixed up with another shows.
        FillKeymap(*store, keymap, rows, cols,
            [&](int layer, int r, int c) { return tdu2(0x1000 * keymap + 0x100 * layer + r * cols + c); });
        Click(window->findChild<QToolButton*>("tbtnUpLoad"));
        QTRY_COMPARE(Status(), QStringLiteral("Set Keyboard Keymap %1 Success").arg(keymap + 1));
    }
    const sim::KeyboardState written = keyboard->state();
    QVector<QVector<tdu2>> edited;
    for (int keymap = 0; keymap < Protocol::kKeymapCount; keymap++) {
        edited.append(EditorCodes(*store, keymap, rows, cols));
        QCOMPARE(KeyboardCodes(written, keymap, rows, cols), edited.last());
    }

    // Forget everything locally, then read each keymap back.
    for (int keymap = 0; keymap < Protocol::kKeymapCount; keymap++) {
        FillKeymap(*store, keymap, rows, cols, [](int, int, int) { return tdu2(0); });
        Click(window->findChild<QToolButton*>(QStringLiteral("tbtnKeymap%1").arg(keymap)));
        Click(window->findChild<QToolButton*>("tbtnDownLoad"));
        QTRY_COMPARE(Status(), QStringLiteral("Get Keyboard Keymap %1 Success").arg(keymap + 1));
    }
    for (int keymap = 0; keymap < Protocol::kKeymapCount; keymap++)
        QCOMPARE(EditorCodes(*store, keymap, rows, cols), edited.at(keymap));
}

void TestKeymapSession::saveThenOpen_restoresEditedKeymap_data()
{
    AddModelRows();
}

void TestKeymapSession::saveThenOpen_restoresEditedKeymap()
{
    std::shared_ptr<sim::SimKeyboard> keyboard;
    auto window = Open(RowModel(), &keyboard);
    QVERIFY(window);
    KeymapStore* store = window->KeymapPage()->Store();
    const int rows = window->KeymapPage()->Pannel()->RowNum();
    const int cols = window->KeymapPage()->Pannel()->ColNum();
    ShowKeymap(2);
    store->SetKeymapCode(2, 3, rows - 1, cols - 1, 0x1904);
    const QVector<tdu2> saved = EditorCodes(*store, 2, rows, cols);
    const QString path = m_folder->Path("keymap3.xml");
    FileDialog::SetNextFileName(path);
    Click(window->findChild<QToolButton*>("tbtnSave"));
    QCOMPARE(Status(), QStringLiteral("Success to Save Keymap File."));

    Click(window->findChild<QToolButton*>("tbtnRevert"));
    QCOMPARE(int(store->KeymapCode(2, 3, rows - 1, cols - 1)), int(store->DefaultCode(3, rows - 1, cols - 1)));
    FileDialog::SetNextFileName(path);
    Click(window->findChild<QToolButton*>("tbtnLoad"));
    QCOMPARE(Status(), QStringLiteral("Success to Load Keymap File"));
    QCOMPARE(EditorCodes(*store, 2, rows, cols), saved);
}

void TestKeymapSession::replyDuringFileDialog_fileOperationKeepsItsKeymap()
{
    std::shared_ptr<sim::SimKeyboard> keyboard;
    auto window = Open(ShippedModels().value(0), &keyboard);
    QVERIFY(window);
    KeymapStore* store = window->KeymapPage()->Store();
    const int rows = window->KeymapPage()->Pannel()->RowNum();
    const int cols = window->KeymapPage()->Pannel()->ColNum();
    FillKeymap(*store, 0, rows, cols, [](int, int r, int c) { return tdu2(0x04 + r + c); });
    keyboard->modify([](sim::KeyboardState& state) { state.keymaps[1][0][0][0] = 0x0029; });
    keyboard->setReplyDelayMs(200);
    const QString expected = QStringLiteral(" (Keymap 2 was read from the keyboard while the dialog was open.)");
    // Keymap 2 is read from a slow keyboard; its reply comes while the dialog of keymap 1 is open.
    auto readKeymap2DuringDialog = [&](const QString& fileName) {
        ShowKeymap(1);
        Click(window->findChild<QToolButton*>("tbtnDownLoad"));
        Click(window->findChild<QToolButton*>("tbtnKeymap0"));
        Click(window->findChild<QToolButton*>("tbtnLayer2"));
        FileDialog::SetWhileOpen([&] { QVERIFY(QTest::qWaitFor([&] { return store->CurrentKeymap() == 1; })); });
        FileDialog::SetNextFileName(fileName);
    };

    const QVector<tdu2> keymap1 = EditorCodes(*store, 0, rows, cols);
    const QString path = m_folder->Path("keymap1.xml");
    readKeymap2DuringDialog(path);
    Click(window->findChild<QToolButton*>("tbtnSave"));
    QCOMPARE(Status(), QStringLiteral("Success to Save Keymap File.") + expected);
    FillKeymap(*store, 3, rows, cols, [](int, int, int) { return tdu2(0); });
    QCOMPARE(KeymapFile::Load(path, window->KeymapPage()->KeyboardName(), *store, 3), KeymapFile::Loaded);
    QCOMPARE(EditorCodes(*store, 3, rows, cols), keymap1);

    FillKeymap(*store, 0, rows, cols, [](int, int, int) { return tdu2(0); });
    const QVector<tdu2> keymap2 = EditorCodes(*store, 1, rows, cols);
    readKeymap2DuringDialog(path);
    Click(window->findChild<QToolButton*>("tbtnLoad"));
    QCOMPARE(Status(), QStringLiteral("Success to Load Keymap File") + expected);
    QCOMPARE(EditorCodes(*store, 0, rows, cols), keymap1);
    QCOMPARE(EditorCodes(*store, 1, rows, cols), keymap2);
    // The page shows where the file went, on the layer shown before.
    QCOMPARE(store->CurrentKeymap(), 0);
    QCOMPARE(store->CurrentLayer(), 2);
}

void TestKeymapSession::compare_marksExactlyTheKeysChangedOnTheKeyboard()
{
    std::shared_ptr<sim::SimKeyboard> keyboard;
    auto window = Open(ShippedModels().value(0), &keyboard);
    QVERIFY(window);
    KeymapDialog* page = window->KeymapPage();
    KeyPannel* pannel = page->Pannel();
    ShowKeymap(1);
    Click(window->findChild<QToolButton*>("tbtnUpLoad"));
    QTRY_COMPARE(Status(), QStringLiteral("Set Keyboard Keymap 2 Success"));

    // Behind the page's back: three keys of layer 2 and one of layer 4.
    QList<KeyCap*> changed;
    QList<QPoint> keys;
    for (int row = 0; row < pannel->RowNum() && keys.size() < 4; row++) {
        for (int col = 0; col < pannel->ColNum() && keys.size() < 4; col += 2) {
            if (pannel->IsKeyValid(row, col))
                keys.append(QPoint(col, row));
        }
    }
    keyboard->modify([&](sim::KeyboardState& state) {
        for (int i = 0; i < 3; i++)
            state.keymaps[1][1][keys.at(i).y()][keys.at(i).x()] = 0x0029;
        state.keymaps[1][3][keys.at(3).y()][keys.at(3).x()] = 0x00B5;
    });
    for (int i = 0; i < 3; i++)
        changed.append(pannel->Cap(keys.at(i).y(), keys.at(i).x()));
    const KeymapStore::KeymapCodes local = page->Store()->KeymapCopy(1);

    Click(window->findChild<QToolButton*>("tbtnLayer1"));
    Click(window->findChild<QToolButton*>("tbtnCompare"));
    QTRY_COMPARE(Status(), QStringLiteral("3 keys differ from the keyboard (and 1 on other layers)"));
    QVERIFY(page->Store()->KeymapCopy(1) == local);
    QCOMPARE(page->CompareMarks(), changed);
    QVERIFY(
        changed.first()->Button()->toolTip().startsWith(QString::fromUtf8("On the keyboard: Esc – 退出键 – 0x0029\n")));

    // A layer switch, and an edit, take the marks away.
    Click(window->findChild<QToolButton*>("tbtnLayer0"));
    QVERIFY(page->CompareMarks().isEmpty());
    QVERIFY(changed.first()->Button()->toolTip().isEmpty());
    Click(window->findChild<QToolButton*>("tbtnCompare"));
    QTRY_COMPARE(Status(), QStringLiteral("This layer matches the keyboard; keys on other layers differ: 4"));
    Click(window->findChild<QToolButton*>("tbtnLayer1"));
    Click(window->findChild<QToolButton*>("tbtnCompare"));
    QTRY_COMPARE(page->CompareMarks().size(), 3);
    Click(changed.last()->Button());
    Click(window->findChild<QToolButton*>("tbtnClear"));
    QVERIFY(page->CompareMarks().isEmpty());

    // Download, then Compare at once: the first reply is read in, the second compared.
    window->ResultShow(0, QString());
    Click(window->findChild<QToolButton*>("tbtnDownLoad"));
    Click(window->findChild<QToolButton*>("tbtnCompare"));
    QTRY_COMPARE(Status(), QStringLiteral("Keymap matches the keyboard"));
    QCOMPARE(EditorCodes(*page->Store(), 1, pannel->RowNum(), pannel->ColNum()),
        KeyboardCodes(keyboard->state(), 1, pannel->RowNum(), pannel->ColNum()));
}

void TestKeymapSession::compare_inDemoMode_showsDemoNotice()
{
    const Model model = ShippedModels().value(0);
    MainDialog window(nullptr, true, model.pid, tdu1(model.keymapType));
    window.SetDeviceNames(model.prefix, model.name);
    window.Setup();
    m_window = &window;
    Click(window.findChild<QToolButton*>("tbtnCompare"));
    QCOMPARE(Status(), QStringLiteral("Demo Mode,Please connect keyboard and try again."));
}

void TestKeymapSession::close_withUnsavedEdits_asksSaveDiscardCancel_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("upload");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("fileChosen");
    QTest::addColumn<bool>("closes");
    QTest::newRow("no edits") << false << false << int(QMessageBox::NoButton) << false << true;
    QTest::newRow("edits written") << true << true << int(QMessageBox::NoButton) << false << true;
    QTest::newRow("cancel") << true << false << int(QMessageBox::Cancel) << false << false;
    QTest::newRow("discard") << true << false << int(QMessageBox::Discard) << false << true;
    QTest::newRow("save") << true << false << int(QMessageBox::Save) << true << true;
    QTest::newRow("save, file dialog cancelled") << true << false << int(QMessageBox::Save) << false << false;
}

void TestKeymapSession::close_withUnsavedEdits_asksSaveDiscardCancel()
{
    QFETCH(bool, edit);
    QFETCH(bool, upload);
    QFETCH(int, answer);
    QFETCH(bool, fileChosen);
    QFETCH(bool, closes);
    std::shared_ptr<sim::SimKeyboard> keyboard;
    const Model model = ShippedModels().value(0);
    auto window = Open(model, &keyboard);
    QVERIFY(window);
    KeymapDialog* page = window->KeymapPage();
    QLabel* title = window->findChild<QLabel*>("lblWindowTitle");
    QCOMPARE(title->text(), model.name + QStringLiteral(" Driver"));
    if (edit) {
        ShowKeymap(2);
        Click(page->Pannel()->Cap(0, 0)->Button());
        Click(window->findChild<QToolButton*>("tbtnClear"));
        QCOMPARE(title->text(), model.name + QStringLiteral(" Driver*"));
        QVERIFY(window->isWindowModified() && window->windowTitle().contains(QStringLiteral("[*]")));
    }
    if (upload) {
        Click(window->findChild<QToolButton*>("tbtnUpLoad"));
        QTRY_COMPARE(title->text(), model.name + QStringLiteral(" Driver"));
        QVERIFY(!window->isWindowModified());
    }
    Click(window->findChild<QToolButton*>("tbtnKeymap0"));
    const KeymapStore::KeymapCodes edited = page->Store()->KeymapCopy(2);
    const QString path = m_folder->Path("unsaved.xml");
    MessageBox::ClearLast();
    // Answers only for the boxes that open, so none is left over for later tests.
    if (answer != QMessageBox::NoButton)
        MessageBox::SetNextAnswer(QMessageBox::StandardButton(answer));
    if (answer == QMessageBox::Save)
        FileDialog::SetNextFileName(fileChosen ? path : QString());
    keyboard->clearLog();

    QCOMPARE(window->close(), closes);
    const bool asked = answer != QMessageBox::NoButton;
    QCOMPARE(MessageBox::LastTitle(), asked ? QStringLiteral("Unsaved Keymap Edits") : QString());
    QVERIFY(!asked || MessageBox::LastText().startsWith(QStringLiteral("Keymap 3 has edits")));
    QCOMPARE(QFile::exists(path), fileChosen);
    if (fileChosen) {
        // The file holds the edited keymap, which the dialog was shown for.
        QCOMPARE(page->Store()->CurrentKeymap(), 2);
        QCOMPARE(KeymapFile::Load(path, page->KeyboardName(), *page->Store(), 0), KeymapFile::Loaded);
        QVERIFY(page->Store()->KeymapCopy(0) == edited);
    }
    // Nothing reaches the keyboard on the way out.
    QVERIFY(keyboard->receivedCommands().empty());
}

QTEST_MAIN(TestKeymapSession)
#include "tst_keymapsession.moc"
