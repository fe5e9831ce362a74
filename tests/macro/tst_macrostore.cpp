#include "MacroActions.h"
#include "device/Protocol.h"
#include "macro/MacroStore.h"

#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>

#include <functional>

using Edit = std::function<bool(MacroStore&)>;
Q_DECLARE_METATYPE(Edit)

// The macros as the page edits them: each edit is one step that undo takes back whole.
class TestMacroStore : public QObject
{
    Q_OBJECT

private slots:
    void edit_isOneUndoableStep_data();
    void edit_isOneUndoableStep();
    void unsaved_followsWritesFilesAndUndo();
};

void TestMacroStore::edit_isOneUndoableStep_data()
{
    QTest::addColumn<Actions>("before");
    QTest::addColumn<Edit>("edit");
    // Macro 4 (index 3) after the edit; a refused edit changes nothing and leaves no step.
    QTest::addColumn<Actions>("after");
    QTest::addColumn<bool>("accepted");
    const Actions tapA {Down(0x41), Up(0x41)};
    const Actions full(Protocol::kMaxMacroActions, Delay(5));
    auto row = [](const char* name, const Actions& before, const Edit& edit, const Actions& after) {
        QTest::newRow(name) << before << edit << after << true;
    };
    auto refused = [](const char* name, const Actions& before, const Edit& edit) {
        QTest::newRow(name) << before << edit << before << false;
    };
    row("insert before a row", tapA,
        [](MacroStore& s) {
            return s.Insert(3, 1, {Delay(9), Delay(8)});
        },
        {Down(0x41), Delay(9), Delay(8), Up(0x41)});
    row("insert past the end appends", tapA, [](MacroStore& s) { return s.Insert(3, -1, {Delay(9)}); },
        {Down(0x41), Up(0x41), Delay(9)});
    refused("insert into a full macro", full, [](MacroStore& s) { return s.Insert(3, 0, {Delay(9)}); });
    row("move down", tapA, [](MacroStore& s) { return s.Move(3, 0, 1); }, {Up(0x41), Down(0x41)});
    refused("move past the end", tapA, [](MacroStore& s) { return s.Move(3, 1, 1); });
    row("remove", tapA, [](MacroStore& s) { return s.Remove(3, 0); }, {Up(0x41)});
    refused("remove a row that is not there", tapA, [](MacroStore& s) { return s.Remove(3, 2); });
    row("delay set within the keyboard's range", {Delay(5)}, [](MacroStore& s) { return s.SetDelay(3, 0, 1); },
        {Delay(2)});
    refused("a key is no delay", tapA, [](MacroStore& s) { return s.SetDelay(3, 0, 50); });
    row("clear", tapA, [](MacroStore& s) { return s.Replace({{3, {}}}, "Clear"); }, {});
    row(
        "replace cuts to what a macro holds", {},
        [full, tapA](MacroStore& s) {
            return s.Replace({{3, full + tapA}}, "Import");
        },
        full);
    row("recording is one step", tapA,
        [](MacroStore& s) {
            s.BeginRecording(3);
            const bool taken = s.Record(Down(0x42)) && s.Record(Up(0x42));
            s.EndRecording();
            return taken;
        },
        {Down(0x42), Up(0x42)});
    row(
        "recording stops taking keys when full", {},
        [](MacroStore& s) {
            s.BeginRecording(3);
            int taken = 0;
            while (s.Record(Delay(7)))
                taken++;
            s.EndRecording();
            return taken == Protocol::kMaxMacroActions;
        },
        Actions(Protocol::kMaxMacroActions, Delay(7)));
}

void TestMacroStore::edit_isOneUndoableStep()
{
    QFETCH(Actions, before);
    QFETCH(Edit, edit);
    QFETCH(Actions, after);
    QFETCH(bool, accepted);
    MacroStore store;
    store.Replace({{3, before}, {4, {Delay(4)}}}, "Setup");
    const int steps = store.UndoStack()->count();

    QCOMPARE(edit(store), accepted);
    QCOMPARE(store.MacroActions(3), after);
    QCOMPARE(store.UndoStack()->count(), steps + (accepted ? 1 : 0));
    if (!accepted)
        return;
    QSignalSpy shown(&store, &MacroStore::StepShown);
    store.UndoStack()->undo();
    QCOMPARE(store.MacroActions(3), before);
    QCOMPARE(shown.takeFirst().at(0).toInt(), 3);
    store.UndoStack()->redo();
    QCOMPARE(store.MacroActions(3), after);
    QCOMPARE(store.MacroActions(4), Actions {Delay(4)});
}

void TestMacroStore::unsaved_followsWritesFilesAndUndo()
{
    MacroStore store;
    QSignalSpy marker(&store, &MacroStore::UnsavedChanged);
    QVERIFY(store.UnsavedMacros().isEmpty());
    store.Insert(0, 0, {Delay(5)});
    store.Insert(7, 0, {Delay(6)});
    QCOMPARE(store.UnsavedMacros(), (QList<int> {0, 7}));
    // The keyboard confirms macro 8 as it was written; macro 1 is edited after its write went out.
    store.MarkKept(7, {Delay(6)});
    store.MarkKept(0, {Delay(5)});
    store.Insert(0, 0, {Delay(3)});
    QCOMPARE(store.UnsavedMacros(), QList<int> {0});
    store.UndoStack()->undo();
    QVERIFY(store.UnsavedMacros().isEmpty());
    QCOMPARE(marker.size(), 4);
    // An empty recording clears the macro, in one step that undo takes back.
    store.BeginRecording(0);
    store.EndRecording();
    QVERIFY(store.MacroActions(0).isEmpty());
    QCOMPARE(store.UnsavedMacros(), QList<int> {0});
    store.UndoStack()->undo();
    QCOMPARE(store.MacroActions(0), (Actions {Delay(5)}));
    QVERIFY(store.UnsavedMacros().isEmpty());
}

QTEST_GUILESS_MAIN(TestMacroStore)
#include "tst_macrostore.moc"
