// Editing macros by hand on the macro page: inserting, moving, deleting, copying and clearing,
// text to keys, the stuck-key check before a write, and macro files.
#include "MacroActions.h"
#include "codec/MacroCodec.h"
#include "codec/MacroKeyTable.h"
#include "device/Protocol.h"
#include "macro/MacroDialog.h"
#include "support/SimSession.h"
#include "support/TestFolder.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {
constexpr tdu2 kPid = 0x0601;
constexpr tdu2 kA = 0x41, kB = 0x42, kH = 0x48, kI = 0x49, kShift = 0xA0, kCtrl = 0xA2, kF5 = 0x74;

Actions Tap(tdu2 vk)
{
    return {Down(vk), Up(vk)};
}

QListWidget* List(QWidget& page)
{
    return page.findChild<QListWidget*>("lswMacro");
}

void Click(QWidget& page, const char* name)
{
    QTest::mouseClick(page.findChild<QAbstractButton*>(name), Qt::LeftButton);
}

void ClickRow(MacroDialog& page, int row)
{
    QTest::mouseClick(
        List(page)->viewport(), Qt::LeftButton, {}, List(page)->visualItemRect(List(page)->item(row)).center());
}

// The shown macro holds these actions, as a file or the keyboard gave them.
void Load(MacroDialog& page, const Actions& actions)
{
    page.Store()->Replace({{page.CurrentMacro(), actions}}, QStringLiteral("Load"));
    page.Store()->MarkKept(page.CurrentMacro(), actions);
}

// A keyboard that answers nothing, so that what the page sent stays to be seen.
struct QuietKeyboard
{
    explicit QuietKeyboard(MacroDialog& page)
        : sim(kPid, 2, 3)
    {
        sim.Mute();
        page.SetClient(sim.session->NewClient(&page));
    }

    QList<QPair<tdu1, QByteArray>> Sent() const
    {
        QList<QPair<tdu1, QByteArray>> sent;
        for (const auto& command : sim.Sent())
            sent.append({command.first,
                QByteArray(reinterpret_cast<const char*>(command.second.data()), int(command.second.size()))});
        return sent;
    }

    SimSession sim;
};

// The list shows the shown macro's actions, one row each, and the meter counts them.
void VerifyInStep(MacroDialog& page)
{
    const Actions actions = page.Actions(page.CurrentMacro());
    QCOMPARE(List(page)->count(), actions.size());
    for (int i = 0; i < actions.size(); i++) {
        const MacroAction& action = actions.at(i);
        // A key without a code (as a read may find) is named as one the keyboard cannot play.
        if (action.type != MacroAction::kDelay && action.value == 0)
            QVERIFY(List(page)->item(i)->text() != QString());
        else
            QCOMPARE(List(page)->item(i)->text(),
                action.type == MacroAction::kDelay ? QStringLiteral("%1ms").arg(action.value)
                                                   : MacroKeyTable::Instance().KeyName(action.value));
    }
    QCOMPARE(page.findChild<QLabel*>("lblMacroUsage")->text(), QStringLiteral("%1 / 120").arg(actions.size()));
}

// Runs `work` on the modal dialog of type T that `open` brings up.
template <typename T> void WithDialog(const std::function<void()>& open, const std::function<void(T&)>& work)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        seen = true;
        work(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    open();
    QVERIFY(seen);
}

void CopyTo(MacroDialog& page, int number)
{
    auto* menu = page.findChild<QMenu*>("menuCopyMacro");
    emit menu->aboutToShow();
    menu->findChild<QAction*>(QStringLiteral("actCopyTo%1").arg(number))->trigger();
}

QVector<Actions> AllMacros(const MacroDialog& page)
{
    QVector<Actions> all;
    for (int macro = 0; macro < Protocol::kMacroCount; macro++)
        all.append(page.Actions(macro));
    return all;
}
} // namespace

class TestMacroEditing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void insertMoveDelete_keepListAndActionsInStep();
    void list_keysChooseRowsEnterEditsADelay();
    void insert_atLimit_saysFullAndAddsNothing();
    void copyAndClear_askBeforeReplacing();
    void textToMacro_typesMixedSentenceAndNamesUntypeable();
    void stuckKeyCheck_data();
    void stuckKeyCheck();
    void macroFile_exportImportRoundTrip();
    void macroFile_badFileRefusedUnchanged_data();
    void macroFile_badFileRefusedUnchanged();
};

void TestMacroEditing::init()
{
    MessageBox::ClearLast();
}

void TestMacroEditing::list_keysChooseRowsEnterEditsADelay()
{
    MacroDialog page;
    page.show();
    const QuietKeyboard keyboard(page);
    Load(page, Actions {Down(kA), Delay(40), Up(kA)});
    page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    QListWidget* list = List(page);
    list->setFocus(Qt::TabFocusReason);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_End, Qt::Key_Up})
        QTest::keyClick(list, key);
    QTest::keyClick(list, Qt::Key_Return);
    QLineEdit* editor = nullptr;
    QTRY_VERIFY((editor = list->findChild<QLineEdit*>()) != nullptr && editor->isVisible());
    editor->setText(QStringLiteral("75"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(page.Actions(0), (Actions {Down(kA), Delay(75), Up(kA)}));
    // The row chosen by key is the one the edit keys act on.
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Delete);
    QTRY_COMPARE(page.Actions(0), (Actions {Delay(75), Up(kA)}));
}

void TestMacroEditing::insertMoveDelete_keepListAndActionsInStep()
{
    MacroDialog page;
    page.show();
    const QuietKeyboard keyboard(page);
    Load(page, Tap(kA));

    // Nothing chosen: a delay goes to the end.
    page.findChild<QSpinBox*>("spbInsertDelay")->setValue(40);
    Click(page, "tbtnInsertDelay");
    QCOMPARE(page.Actions(0), (Actions {Down(kA), Up(kA), Delay(40)}));
    VerifyInStep(page);
    // A screen reader reads the rows as what they do.
    QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(List(page));
    QStringList read;
    for (int i = 0; rows && i < rows->childCount(); i++)
        read << rows->child(i)->text(QAccessible::Name);
    QCOMPARE(read, (QStringList {"press A", "release A", "wait 40 ms"}));

    // A key tap found by searching goes in front of the chosen row, which stays chosen.
    ClickRow(page, 1);
    WithDialog<QDialog>([&] { Click(page, "tbtnInsertKey"); },
        [](QDialog& chooser) {
            chooser.findChild<QLineEdit*>("ldtKeySearch")->setText(QStringLiteral("f5"));
            QTest::mouseClick(chooser.findChild<QPushButton*>("btnInsert"), Qt::LeftButton);
        });
    QCOMPARE(page.Actions(0), (Actions {Down(kA), Down(kF5), Up(kF5), Up(kA), Delay(40)}));
    VerifyInStep(page);
    QCOMPARE(List(page)->item(3)->background().color(), QColor(135, 206, 225));

    // A key down chosen by pressing the key (the X keycode of B) while the chooser is open.
    WithDialog<QDialog>([&] { Click(page, "tbtnInsertKey"); },
        [](QDialog& chooser) {
            chooser.findChild<QRadioButton*>("rdbKeyDown")->setChecked(true);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, 56, 0, 0);
            QApplication::sendEvent(chooser.findChild<QLineEdit*>("ldtKeyPress"), &press);
            QTest::mouseClick(chooser.findChild<QPushButton*>("btnInsert"), Qt::LeftButton);
        });
    QCOMPARE(page.Actions(0), (Actions {Down(kA), Down(kF5), Up(kF5), Down(kB), Up(kA), Delay(40)}));

    // Up by its key, down by its button, then delete the delay at the end.
    page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    // A button's shortcut clicks it a moment later, as the button shows itself pressed.
    QTest::keyClick(&page, Qt::Key_Up, Qt::AltModifier);
    QTRY_COMPARE(page.Actions(0), (Actions {Down(kA), Down(kF5), Up(kF5), Up(kA), Down(kB), Delay(40)}));
    Click(page, "tbtnMoveDown");
    Click(page, "tbtnMoveDown");
    QCOMPARE(page.Actions(0), (Actions {Down(kA), Down(kF5), Up(kF5), Down(kB), Delay(40), Up(kA)}));
    QVERIFY(!page.findChild<QToolButton*>("tbtnMoveDown")->isEnabled());
    ClickRow(page, 4);
    Click(page, "tbtnDeleteAction");
    QTest::keyClick(&page, Qt::Key_Delete);
    QTRY_COMPARE(page.Actions(0), (Actions {Down(kA), Down(kF5), Up(kF5), Down(kB)}));
    // A click below the rows takes the choice away: inserts go to the end again.
    QTest::mouseClick(List(page)->viewport(), Qt::LeftButton, {}, QPoint(5, List(page)->viewport()->height() - 5));
    Click(page, "tbtnInsertDelay");
    QCOMPARE(page.Actions(0), (Actions {Down(kA), Down(kF5), Up(kF5), Down(kB), Delay(40)}));
    VerifyInStep(page);
    // Only "Write Macro" talks to the keyboard.
    QVERIFY(keyboard.Sent().isEmpty());
}

void TestMacroEditing::insert_atLimit_saysFullAndAddsNothing()
{
    MacroDialog page;
    page.show();
    Load(page, Actions(119, Delay(5)));
    // A tap needs two actions where one is left.
    MessageBox::SetNextAnswer(QMessageBox::Ok);
    WithDialog<QDialog>([&] { Click(page, "tbtnInsertKey"); },
        [](QDialog& chooser) {
            chooser.findChild<QLineEdit*>("ldtKeySearch")->setText(QStringLiteral("f5"));
            QTest::mouseClick(chooser.findChild<QPushButton*>("btnInsert"), Qt::LeftButton);
        });
    QCOMPARE(MessageBox::LastText(),
        QStringLiteral("Macro1 has room for 1 more actions, but this needs 2. A macro holds at most 120 actions."));
    QCOMPARE(page.Actions(0).size(), 119);
    Click(page, "tbtnInsertDelay");
    QCOMPARE(page.Actions(0).size(), 120);
    // Full: the chooser does not even open.
    MessageBox::SetNextAnswer(QMessageBox::Ok);
    Click(page, "tbtnInsertKey");
    QCOMPARE(MessageBox::LastTitle(), QStringLiteral("Macro Full"));
    QCOMPARE(MessageBox::LastText(),
        QStringLiteral("Macro1 is full: a macro holds at most 120 actions. Delete some to make room."));
    QCOMPARE(page.Actions(0).size(), 120);
    VerifyInStep(page);
    // The chooser's search field fades its clear button in; the fade deletes itself once it ends.
    QTest::qWait(400);
}

void TestMacroEditing::copyAndClear_askBeforeReplacing()
{
    MacroDialog page;
    page.show();
    const QuietKeyboard keyboard(page);
    Load(page, Tap(kA));
    Click(page, "tbtnMacro2");
    Load(page, Tap(kB));
    Click(page, "tbtnMacro1");

    CopyTo(page, 3);
    QCOMPARE(MessageBox::LastTitle(), QString());
    QCOMPARE(page.Actions(2), Tap(kA));
    MessageBox::SetNextAnswer(QMessageBox::No);
    CopyTo(page, 2);
    QCOMPARE(MessageBox::LastText(),
        QStringLiteral("Macro2 already has 2 actions. Replace them with the 2 actions of Macro1?"));
    QCOMPARE(page.Actions(1), Tap(kB));
    MessageBox::SetNextAnswer(QMessageBox::Yes);
    CopyTo(page, 2);
    QCOMPARE(page.Actions(1), Tap(kA));

    MessageBox::SetNextAnswer(QMessageBox::No);
    Click(page, "tbtnClearMacro");
    QCOMPARE(MessageBox::LastText(), QStringLiteral("Remove all 2 actions of Macro1?"));
    QCOMPARE(page.Actions(0), Tap(kA));
    MessageBox::SetNextAnswer(QMessageBox::Yes);
    Click(page, "tbtnClearMacro");
    QCOMPARE(page.Actions(0), Actions());
    VerifyInStep(page);
    QVERIFY(!page.findChild<QToolButton*>("tbtnClearMacro")->isEnabled());
    QCOMPARE(page.Actions(2), Tap(kA));
    QVERIFY(keyboard.Sent().isEmpty());
}

void TestMacroEditing::textToMacro_typesMixedSentenceAndNamesUntypeable()
{
    MacroDialog page;
    page.show();
    Load(page, Tap(kA));
    WithDialog<QDialog>([&] { Click(page, "tbtnTextToMacro"); },
        [](QDialog& dialog) {
            auto* text = dialog.findChild<QPlainTextEdit*>("txtMacroText");
            auto* insert = dialog.findChild<QPushButton*>("btnTextInsert");
            text->setPlainText(QStringLiteral("Grüße €5"));
            QVERIFY(!insert->isEnabled());
            QVERIFY(dialog.findChild<QLabel*>("lblTextResult")->text().contains(QStringLiteral("\"ü\", \"ß\", \"€\"")));
            text->setPlainText(QStringLiteral("HI i;:\n"));
            dialog.findChild<QCheckBox*>("ckbTextDelay")->setChecked(true);
            dialog.findChild<QSpinBox*>("spbTextDelay")->setValue(30);
            QTest::mouseClick(insert, Qt::LeftButton);
        });
    // One Shift press for a run of shifted characters, released before the pause that follows it.
    const Actions typed = Actions {Down(kShift)} + Tap(kH) + Actions {Delay(30)} + Tap(kI)
        + Actions {Up(kShift), Delay(30)} + Tap(0x20) + Actions {Delay(30)} + Tap(kI) + Actions {Delay(30)} + Tap(0xBA)
        + Actions {Delay(30), Down(kShift)} + Tap(0xBA) + Actions {Up(kShift), Delay(30)} + Tap(0x0D);
    QCOMPARE(page.Actions(0), Tap(kA) + typed);
    VerifyInStep(page);
}

void TestMacroEditing::stuckKeyCheck_data()
{
    QTest::addColumn<Actions>("actions");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Actions>("written");

    const Actions stuck = {Down(kCtrl), Down(kA), Up(kA)};
    const QString none;
    const QString leftDown = QStringLiteral("It leaves these keys down: Ctrl(Left).");
    QTest::newRow("sound: no box, same bytes") << Tap(kA) << int(QMessageBox::NoButton) << none << Tap(kA);
    QTest::newRow("add key-ups at end") << Actions {Down(kCtrl), Down(kShift), Down(kA), Up(kA)}
                                        << int(QMessageBox::Yes)
                                        << QStringLiteral("It leaves these keys down: Ctrl(Left), Shift(Left).")
                                        << Actions {Down(kCtrl), Down(kShift), Down(kA), Up(kA), Up(kShift), Up(kCtrl)};
    QTest::newRow("write as it is") << stuck << int(QMessageBox::No) << leftDown << stuck;
    QTest::newRow("cancel") << stuck << int(QMessageBox::Cancel) << leftDown << Actions();
    QTest::newRow("key released unpressed")
        << Actions {Up(kB), Delay(9)} << int(QMessageBox::No) << QStringLiteral("It releases keys it never pressed: B.")
        << Actions {Up(kB), Delay(9)};
}

void TestMacroEditing::stuckKeyCheck()
{
    QFETCH(Actions, actions);
    QFETCH(int, answer);
    QFETCH(QString, text);
    QFETCH(Actions, written);
    MacroDialog page;
    page.show();
    const QuietKeyboard keyboard(page);
    Load(page, actions);
    if (answer != QMessageBox::NoButton)
        MessageBox::SetNextAnswer(QMessageBox::StandardButton(answer));
    Click(page, "tbtnWriteMacro");
    QCOMPARE(MessageBox::LastTitle(), text.isEmpty() ? QString() : QStringLiteral("Stuck Keys"));
    QVERIFY(MessageBox::LastText().contains(text));
    if (written.isEmpty()) {
        QVERIFY(keyboard.Sent().isEmpty());
    } else {
        QCOMPARE(keyboard.Sent().size(), 1);
        QCOMPARE(keyboard.Sent().at(0).second, MacroCodec::EncodeWrite(0, written));
    }
    // Only the added key-ups change the macro.
    QCOMPARE(page.Actions(0), answer == QMessageBox::Yes ? written : actions);
    VerifyInStep(page);
}

void TestMacroEditing::macroFile_exportImportRoundTrip()
{
    TestFolder folder;
    MacroDialog page;
    page.show();
    const auto& keys = MacroKeyTable::Instance().Entries();
    for (int macro = 0; macro < Protocol::kMacroCount; macro++) {
        Click(page, qPrintable(QStringLiteral("tbtnMacro%1").arg(macro + 1)));
        Actions actions;
        // Anything a read of the keyboard can bring: pauses over all 14 bits, keys without a code (0).
        for (int i = 0; i < (macro * 37) % 121; i++)
            actions.append(i % 3 == 2
                    ? Delay(tdu2((macro * 997 + i * 131) % 16384))
                    : MacroAction {tdu1(1 + i % 3), i % 7 == 0 ? tdu2(0) : keys.at((macro + i) % keys.size()).vk});
        Load(page, actions);
    }
    const QVector<Actions> before = AllMacros(page);
    FileDialog::SetNextFileName(folder.Path("all"));
    page.findChild<QAction*>("actExportAll")->trigger();
    QVERIFY(folder.Read("all.json").startsWith("{\n    \"format\": \"driver-macros\",\n    \"version\": 1,"));

    // The shown macro alone, imported into another (asked first, since that one is not empty).
    FileDialog::SetNextFileName(folder.Path("one.json"));
    page.findChild<QAction*>("actExportShown")->trigger();
    Click(page, "tbtnMacro2");
    MessageBox::SetNextAnswer(QMessageBox::Yes);
    FileDialog::SetNextFileName(folder.Path("one.json"));
    Click(page, "tbtnImportMacro");
    QCOMPARE(MessageBox::LastText(),
        QStringLiteral("Importing replaces these macros, which are not empty: Macro2. Import?"));
    QCOMPARE(page.Actions(1), before.at(31));
    VerifyInStep(page);

    MessageBox::SetNextAnswer(QMessageBox::Yes);
    FileDialog::SetNextFileName(folder.Path("all.json"));
    Click(page, "tbtnImportMacro");
    QCOMPARE(AllMacros(page), before);
    VerifyInStep(page);
}

void TestMacroEditing::macroFile_badFileRefusedUnchanged_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");

    const auto file = [](const QByteArray& macros, const QByteArray& version = "1") {
        return "{\"format\": \"driver-macros\", \"version\": " + version + ", \"macros\": [" + macros + "]}";
    };
    const auto one = [&](const QByteArray& action) { return file("{\"macro\": 1, \"actions\": [" + action + "]}"); };
    QByteArray tooMany;
    for (int i = 0; i < 121; i++)
        tooMany += QByteArray(i ? "," : "") + "{\"type\": \"delay\", \"value\": 5}";
    QByteArray thirtyThree;
    for (int i = 1; i <= 33; i++)
        thirtyThree += QByteArray(i > 1 ? "," : "") + "{\"macro\": " + QByteArray::number(i) + ", \"actions\": []}";

    QTest::newRow("empty file") << QByteArray() << "not valid JSON";
    QTest::newRow("not JSON") << QByteArray("macro1: A down") << "not valid JSON";
    QTest::newRow("too large") << QByteArray(600 * 1024, ' ') << "larger than 512 KB";
    QTest::newRow("other format") << QByteArray("{\"format\": \"keymap\", \"version\": 1}") << "not a macro file";
    QTest::newRow("newer version") << file("", "2") << "format version 2";
    QTest::newRow("version as text") << file("", "\"1\"") << "no format version";
    QTest::newRow("no macros") << file("") << "holds no macro";
    QTest::newRow("33 macros") << file(thirtyThree) << "holds 33 macros";
    QTest::newRow("macro number 0") << file("{\"macro\": 0, \"actions\": []}") << "no macro number from 1 to 32";
    QTest::newRow("macro twice") << file("{\"macro\": 4, \"actions\": []}, {\"macro\": 4, \"actions\": []}")
                                 << "Macro 4 is in the file twice";
    QTest::newRow("actions not a list") << file("{\"macro\": 1, \"actions\": 5}") << "no list of actions";
    QTest::newRow("121 actions") << one(tooMany) << "Macro 1 has 121 actions";
    QTest::newRow("unknown type") << one("{\"type\": \"press\", \"value\": 65}") << "action 1 has no known type";
    // Pauses and keys as far as the keyboard can hold them load, so a file saved from a read loads.
    QTest::newRow("delay negative") << one("{\"type\": \"delay\", \"value\": -1}") << "from 0 to 16383";
    QTest::newRow("delay beyond 14 bits") << one("{\"type\": \"delay\", \"value\": 16384}") << "from 0 to 16383";
    QTest::newRow("delay not whole") << one("{\"type\": \"delay\", \"value\": 2.5}") << "from 0 to 16383";
    QTest::newRow("key 255") << one("{\"type\": \"down\", \"value\": 255}") << "virtual-key code from 0 to 254";
    QTest::newRow("key as text") << one("{\"type\": \"up\", \"value\": \"65\"}") << "virtual-key code from 0 to 254";
    QTest::newRow("last action bad") << one("{\"type\": \"down\", \"value\": 65}, [65]") << "action 2 is not an object";
    QTest::newRow("missing file") << QByteArray("-") << "does not exist";
}

void TestMacroEditing::macroFile_badFileRefusedUnchanged()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    TestFolder folder;
    if (content != "-")
        QVERIFY(folder.Write("bad.json", content));
    MacroDialog page;
    page.show();
    Load(page, Tap(kA));
    Click(page, "tbtnMacro32");
    Load(page, {Delay(7)});
    const QVector<Actions> before = AllMacros(page);
    MessageBox::SetNextAnswer(QMessageBox::Ok);
    FileDialog::SetNextFileName(folder.Path("bad.json"));
    Click(page, "tbtnImportMacro");
    QCOMPARE(MessageBox::LastTitle(), QStringLiteral("Import Macros"));
    QVERIFY2(MessageBox::LastText().startsWith(QStringLiteral("bad.json cannot be imported; no macro was changed.\n")),
        qPrintable(MessageBox::LastText()));
    QVERIFY2(MessageBox::LastText().contains(reason), qPrintable(MessageBox::LastText()));
    QCOMPARE(AllMacros(page), before);
    VerifyInStep(page);
}

QTEST_MAIN(TestMacroEditing)
#include "tst_macroediting.moc"
