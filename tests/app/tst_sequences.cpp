#include "app/MainDialog.h"
#include "backup/BackupDialog.h"
#include "backup/BackupFile.h"
#include "device/Protocol.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "macro/MacroDialog.h"
#include "support/WindowRig.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {
constexpr int kCols = WindowRig::kCols;

tdu2 Hex(const QString& text)
{
    return tdu2(text.toUInt(nullptr, 16));
}
} // namespace

// What the user does and what the keyboard does wrong, in the orders that used to lose edits or
// tell untruths: after each sequence the window says what happened, the keyboard holds what the
// window says it holds, and the user's edits are where the user left them.
class TestSequences : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sequence_data();
    void sequence();

private:
    void Step(const QString& step);
    // The window's backup or restore dialog, driven from inside its own event loop; press names
    // the button that ends it once its job is done.
    void RunBackupDialog(const char* button, bool restore);
    tdu2 PageCode(int layer, int row, int col) const;
    tdu2 KeyboardCode(int layer, int row, int col) const;
    tdu2 Expected(const QString& what, int layer, int row, int col) const;

    std::unique_ptr<WindowRig> m_rig;
    sim::KeyboardState m_original;
};

void TestSequences::init()
{
    m_rig = std::make_unique<WindowRig>();
}

void TestSequences::cleanup()
{
    m_rig.reset();
}

void TestSequences::sequence_data()
{
    QTest::addColumn<QString>("script");
    // open; openunread (without waiting for the first read); edit R C (clear a key of keymap 1,
    // layer 1); copylayer F T; undo; write; silence N; delay MS; failnext STATUS; unplugafter N
    // (input reports); unplug; plug (and the window looks for it); deadline; settle; wait MS;
    // backup; saved (the backup file holds the keyboard's keymap 1); restore; abandonbackup (closed
    // while its command is unanswered); answer yes|no (the next question); status = TEXT; unsaved = yes|no; known =
    // yes|no (keymap 1 read); kb L R C = page|orig|HEX; page L R C = kb|orig|HEX (keymap 1, layer L);
    // settype N (Set Keymap Type); layoutfile N (the model gets a layout of type N); kbtype = N (the
    // keyboard's keymap type); asked = TEXT (in the last question); windowtype = N (the window's layout, read from the
    // keyboard); layoutmatches = yes|no; kbmacro N (the keyboard's macro 1 gets N actions); macroread; macroinsert (a
    // pause, by hand); macrosize M = N; statusstarts = TEXT.
    QTest::newRow("a restore shows the keyboard, and the next write keeps the restored keys")
        << "open; backup; edit 0 0; write; settle; status = Set Keyboard Keymap 1 Success; restore; "
           "settle; page 0 0 0 = orig; unsaved = no; edit 2 2; write; settle; "
           "status = Set Keyboard Keymap 1 Success; kb 0 0 0 = orig; kb 0 2 2 = 0; kb 0 1 1 = orig";
    QTest::newRow("a restore keeps the edits made before it when the user asks")
        << "open; backup; edit 3 3; answer yes; restore; settle; page 0 3 3 = 0; kb 0 3 3 = orig; unsaved = yes";
    QTest::newRow("a late answer to an unanswered write is not taken as the next write's")
        << "open; delay 200; edit 0 0; write; deadline; status = The keyboard did not answer.; delay 0; "
           "copylayer 1 0; failnext 1; write; wait 300; settle; kb 0 0 0 = 0; page 0 0 0 = kb 1 0 0; "
           "status = Set Keyboard Keymap 1 Fail; unsaved = yes";
    QTest::newRow("a silent write, then an answered one, then undo: the truth at every step")
        << "open; edit 0 0; silence 1; write; deadline; status = The keyboard did not answer.; copylayer 1 0; "
           "write; settle; status = Set Keyboard Keymap 1 Success; unsaved = no; kb 0 0 0 = page; undo; "
           "unsaved = yes";
    QTest::newRow("a backup closed while its command is unanswered leaves the next one whole")
        << "open; silence 1; abandonbackup; backup; saved";
    QTest::newRow("Set Keymap Type answered late: no write in the old grid, then the new layout's window")
        << "layoutfile 1; open; delay 200; answer ok; settype 1; deadline; "
           "statusstarts = The keyboard's keymap type is not known; write; "
           "statusstarts = The keyboard's keymap type is not known; delay 0; wait 300; windowtype = 1; "
           "layoutmatches = yes; kbtype = 1";
    QTest::newRow("Set Keymap Type asks first, naming the edits it loses; cancelled, nothing changes")
        << "layoutfile 1; open; edit 0 0; answer cancel; settype 1; asked = (keymaps: 1); settle; kbtype = 0; "
           "windowtype = 0; unsaved = yes";
    QTest::newRow("a keymap type without a layout cannot be set")
        << "open; settype 2; statusstarts = No layout of this keyboard has this keymap type; settle; kbtype = 0; "
           "layoutmatches = yes";
    QTest::newRow("a macro edited by hand while its read is on the way keeps the edit")
        << "kbmacro 20; open; delay 300; macroread; macroinsert; wait 400; settle; macrosize 0 = 1; "
           "statusstarts = Macro 1 was changed before the keyboard answered";
    QTest::newRow("unplugged during the first read, plugged again: the keymap is read then")
        << "unplugafter 5; openunread; known = no; plug; settle; known = yes; page 0 1 1 = kb; unsaved = no";
}

void TestSequences::sequence()
{
    QFETCH(QString, script);
    for (const QString& step : script.split(QLatin1Char(';'))) {
        Step(step.trimmed());
        if (QTest::currentTestFailed())
            return;
    }
}

tdu2 TestSequences::PageCode(int layer, int row, int col) const
{
    return m_rig->window->KeymapPage()->Store()->KeymapCode(0, layer, row, col);
}

tdu2 TestSequences::KeyboardCode(int layer, int row, int col) const
{
    return tdu2(m_rig->keyboard->state().keymaps[0][layer][row][col]);
}

tdu2 TestSequences::Expected(const QString& what, int layer, int row, int col) const
{
    const QStringList words = what.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // "kb L R C" names another cell of the keyboard.
    if (words.size() == 4)
        return KeyboardCode(words.at(1).toInt(), words.at(2).toInt(), words.at(3).toInt());
    if (what == QLatin1String("page"))
        return PageCode(layer, row, col);
    if (what == QLatin1String("kb"))
        return KeyboardCode(layer, row, col);
    if (what == QLatin1String("orig"))
        return tdu2(m_original.keymaps[0][layer][row][col]);
    return Hex(what);
}

void TestSequences::RunBackupDialog(const char* button, bool restore)
{
    const QString file = m_rig->folder->Path(QStringLiteral("keyboard.json"));
    FileDialog::SetNextFileName(file);
    QTimer::singleShot(0, [this, button, restore] {
        auto* dialog = qobject_cast<BackupDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* close = dialog->findChild<QAbstractButton*>(QStringLiteral("btnBackupClose"));
        if (restore) {
            auto* write = dialog->findChild<QAbstractButton*>(QStringLiteral("btnBackupRestore"));
            QTRY_VERIFY(write->isVisible());
            write->click();
        }
        if (qstrcmp(button, "now") == 0) {
            close->click();
            return;
        }
        QTRY_VERIFY(close->isEnabled() && close->text() == QStringLiteral("Close"));
        close->click();
    });
    m_rig->Click(restore ? QStringLiteral("tbtnRestore") : QStringLiteral("tbtnBackup"));
}

void TestSequences::Step(const QString& step)
{
    const QStringList sides = step.split(QLatin1Char('='));
    const QStringList words = sides.first().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString expected = sides.mid(1).join(QLatin1Char('=')).trimmed();
    const QString op = words.value(0);
    const QByteArray context = step.toUtf8();
    KeymapDialog* page = m_rig->window ? m_rig->window->KeymapPage() : nullptr;
    if (op == QLatin1String("open") || op == QLatin1String("openunread")) {
        if (!m_rig->keyboard)
            m_rig->Plug();
        m_original = m_rig->keyboard->state();
        const bool shown = m_rig->Open(op == QLatin1String("open"));
        QVERIFY2(op == QLatin1String("openunread") || shown, context);
    } else if (op == QLatin1String("edit")) {
        m_rig->Click(QStringLiteral("tbtn1"));
        QTest::mouseClick(
            page->Pannel()->Cap(tdu1(words.at(1).toInt()), tdu1(words.at(2).toInt()))->Button(), Qt::LeftButton);
        m_rig->Click(QStringLiteral("tbtnClear"));
    } else if (op == QLatin1String("copylayer")) {
        page->CopyLayer(words.at(1).toInt(), words.at(2).toInt());
    } else if (op == QLatin1String("undo")) {
        m_rig->Click(QStringLiteral("tbtnUndo"));
    } else if (op == QLatin1String("write")) {
        m_rig->Click(QStringLiteral("tbtn1"));
        m_rig->Click(QStringLiteral("tbtnUpLoad"));
    } else if (op == QLatin1String("silence")) {
        m_rig->keyboard->silenceNextReplies(words.at(1).toInt());
    } else if (op == QLatin1String("delay")) {
        m_rig->keyboard->setReplyDelayMs(words.at(1).toInt());
    } else if (op == QLatin1String("failnext")) {
        m_rig->keyboard->failNextStatus(tdu1(words.at(1).toInt()));
    } else if (op == QLatin1String("unplugafter")) {
        if (!m_rig->keyboard)
            m_rig->Plug();
        m_rig->keyboard->unplugAfterReadPackets(words.at(1).toInt());
    } else if (op == QLatin1String("unplug")) {
        m_rig->keyboard->unplug();
    } else if (op == QLatin1String("plug")) {
        QTRY_VERIFY2(!m_rig->window->Device()->IsOpen(), context);
        m_rig->Plug();
        m_rig->Reconnect();
        QVERIFY2(m_rig->window->Device()->IsReceiving(), context);
    } else if (op == QLatin1String("deadline")) {
        m_rig->PassDeadlines();
    } else if (op == QLatin1String("settle")) {
        QTRY_VERIFY2(m_rig->window->AwaitedReplies() == 0, context);
        QTest::qWait(20);
    } else if (op == QLatin1String("wait")) {
        QTest::qWait(words.at(1).toInt());
    } else if (op == QLatin1String("backup")) {
        RunBackupDialog("close", false);
    } else if (op == QLatin1String("abandonbackup")) {
        RunBackupDialog("now", false);
    } else if (op == QLatin1String("saved")) {
        const BackupFile::Result file = BackupFile::Load(m_rig->folder->Path(QStringLiteral("keyboard.json")));
        QVERIFY2(file.ok, qPrintable(file.error));
        for (int layer = 0; layer < Protocol::kLayerCount; layer++) {
            for (int cell = 0; cell < file.backup.keymaps[0][size_t(layer)].size(); cell++)
                QCOMPARE(
                    file.backup.keymaps[0][size_t(layer)].at(cell), KeyboardCode(layer, cell / kCols, cell % kCols));
        }
    } else if (op == QLatin1String("restore")) {
        RunBackupDialog("close", true);
    } else if (op == QLatin1String("answer")) {
        const QMap<QString, QMessageBox::StandardButton> answers {{QStringLiteral("yes"), QMessageBox::Yes},
            {QStringLiteral("no"), QMessageBox::No}, {QStringLiteral("ok"), QMessageBox::Ok},
            {QStringLiteral("cancel"), QMessageBox::Cancel}};
        MessageBox::SetNextAnswer(answers.value(words.at(1)));
    } else if (op == QLatin1String("layoutfile")) {
        m_rig->folder->Write(QStringLiteral("config/PFX_%1.json").arg(words.at(1)), TestLayouts::Grid(5, kCols));
    } else if (op == QLatin1String("kbtype")) {
        QCOMPARE(int(m_rig->keyboard->state().keymapType), expected.toInt());
    } else if (op == QLatin1String("asked")) {
        QVERIFY2(MessageBox::LastText().contains(expected), qPrintable(MessageBox::LastText()));
    } else if (op == QLatin1String("windowtype")) {
        // The window of that layout, reading the keyboard's keymap.
        QTRY_COMPARE(int(m_rig->window->KeymapType()), expected.toInt());
        QVERIFY2(m_rig->window->isVisible(), context);
        QTRY_VERIFY2(m_rig->window->KeymapPage()->KeymapKnown(0), context);
    } else if (op == QLatin1String("settype")) {
        m_rig->Click(QStringLiteral("tbtn4"));
        m_rig->Click(QStringLiteral("tbtnHide"));
        m_rig->window->findChild<QComboBox*>(QStringLiteral("cbxKeymapType"))->setCurrentIndex(words.at(1).toInt());
        m_rig->Click(QStringLiteral("btnSetKeymapType"));
    } else if (op == QLatin1String("layoutmatches")) {
        QVERIFY2(m_rig->window->LayoutMatchesKeyboard() == (expected == QLatin1String("yes")), context);
    } else if (op == QLatin1String("kbmacro")) {
        if (!m_rig->keyboard)
            m_rig->Plug();
        const int actions = words.at(1).toInt();
        m_rig->keyboard->modify([actions](sim::KeyboardState& state) {
            state.macros[0].clear();
            for (int i = 0; i < actions / 2; i++)
                state.macros[0].insert(state.macros[0].end(), {std::uint16_t(0x4004), std::uint16_t(0x8004)});
        });
    } else if (op == QLatin1String("macroread")) {
        m_rig->Click(QStringLiteral("tbtn5"));
        m_rig->Click(QStringLiteral("tbtnReadMacro"));
    } else if (op == QLatin1String("macroinsert")) {
        m_rig->Click(QStringLiteral("tbtnInsertDelay"));
    } else if (op == QLatin1String("macrosize")) {
        QVERIFY2(m_rig->window->MacroPage()->Actions(words.at(1).toInt()).size() == expected.toInt(), context);
    } else if (op == QLatin1String("statusstarts")) {
        QTRY_VERIFY2(m_rig->Status().startsWith(expected), qPrintable(m_rig->Status()));
    } else if (op == QLatin1String("status")) {
        QTRY_COMPARE(m_rig->Status(), expected);
    } else if (op == QLatin1String("unsaved")) {
        QVERIFY2(page->HasUnsavedEdits() == (expected == QLatin1String("yes")), context);
        QVERIFY2(m_rig->window->isWindowModified() == (expected == QLatin1String("yes")), context);
    } else if (op == QLatin1String("known")) {
        QVERIFY2(page->KeymapKnown(0) == (expected == QLatin1String("yes")), context);
    } else if (op == QLatin1String("kb") || op == QLatin1String("page")) {
        const int layer = words.at(1).toInt();
        const int row = words.at(2).toInt();
        const int col = words.at(3).toInt();
        const tdu2 got = op == QLatin1String("kb") ? KeyboardCode(layer, row, col) : PageCode(layer, row, col);
        const tdu2 want = Expected(expected, layer, row, col);
        QVERIFY2(
            got == want, context + " got " + QByteArray::number(got, 16) + " want " + QByteArray::number(want, 16));
    } else {
        QFAIL(context);
    }
}

QTEST_MAIN(TestSequences)
#include "tst_sequences.moc"
