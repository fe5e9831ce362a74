#include "codec/KeyboardModel.h"

#include <QtTest>

// What the keyboard holds, through the events that change what is known of it.
class TestKeyboardModel : public QObject
{
    Q_OBJECT

private slots:
    void transitions_data();
    void transitions();
};

namespace {
KeyboardModel::KeymapCodes Codes(tdu2 first)
{
    KeyboardModel::KeymapCodes codes {};
    codes[0][0][0] = first;
    codes[3][6][20] = tdu2(first + 1);
    return codes;
}

// Which keymaps, macros and settings are known, as "k0 k3 m5 rollover".
QString Known(const KeyboardModel& model)
{
    static const char* const kSettings[] = {"rollover", "sleep", "wakeup", "indicators", "wireless", "type"};
    QStringList known;
    for (int keymap = -1; keymap <= Protocol::kKeymapCount; keymap++) {
        if (model.KeymapKnown(keymap))
            known.append(QStringLiteral("k%1").arg(keymap));
    }
    for (int macro = -1; macro <= Protocol::kMacroCount; macro++) {
        if (model.MacroKnown(macro))
            known.append(QStringLiteral("m%1").arg(macro));
    }
    for (int setting = 0; setting < int(KeyboardModel::Setting::Count); setting++) {
        if (model.SettingKnown(KeyboardModel::Setting(setting)))
            known.append(QString::fromLatin1(kSettings[setting]));
    }
    return known.join(QLatin1Char(' '));
}
} // namespace

void TestKeyboardModel::transitions_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("known");
    // Events: keymap N, macro N, setting N, forget (reconnect, restore, type). Indexes out of range
    // are ignored.
    QTest::newRow("nothing is known at first") << ""
                                               << "";
    QTest::newRow("reads make their part known") << "keymap 0; keymap 3; macro 31; setting 0; setting 5"
                                                 << "k0 k3 m31 rollover type";
    QTest::newRow("bad indexes change nothing") << "keymap -1; keymap 4; macro 32; macro -1"
                                                << "";
    QTest::newRow("a reconnect forgets everything") << "keymap 1; macro 2; setting 3; forget reconnect; keymap 2"
                                                    << "k2";
    QTest::newRow("a restore forgets everything") << "keymap 0; macro 0; setting 1; forget restore"
                                                  << "";
    QTest::newRow("another keymap type forgets everything") << "keymap 0; setting 4; forget type"
                                                            << "";
}

void TestKeyboardModel::transitions()
{
    QFETCH(QString, script);
    QFETCH(QString, known);
    KeyboardModel model;
    QSignalSpy forgotten(&model, &KeyboardModel::Forgotten);
    QSignalSpy keymaps(&model, &KeyboardModel::KeymapKnownChanged);
    QList<KeyboardModel::Reason> reasons;
    int keymapReads = 0;
    for (const QString& step : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList words = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const int index = words.value(1).toInt();
        if (words.first() == QLatin1String("keymap")) {
            model.SetKeymap(index, Codes(tdu2(index + 10)));
            keymapReads += index >= 0 && index < Protocol::kKeymapCount ? 1 : 0;
        } else if (words.first() == QLatin1String("macro")) {
            model.SetMacro(index, {{MacroAction::kDelay, tdu2(index + 2)}});
        } else if (words.first() == QLatin1String("setting")) {
            model.SetSetting(KeyboardModel::Setting(index), index);
        } else {
            const QString why = words.at(1);
            reasons.append(why == QLatin1String("reconnect") ? KeyboardModel::Reason::Reconnected
                    : why == QLatin1String("restore")        ? KeyboardModel::Reason::Restored
                                                             : KeyboardModel::Reason::KeymapTypeChanged);
            model.Forget(reasons.last());
        }
    }
    QCOMPARE(Known(model), known);
    QCOMPARE(keymaps.size(), keymapReads);
    QCOMPARE(forgotten.size(), reasons.size());
    for (int i = 0; i < reasons.size(); i++)
        QCOMPARE(forgotten.at(i).first().value<KeyboardModel::Reason>(), reasons.at(i));
    // What is known reads back as it was set.
    for (int keymap = 0; keymap < Protocol::kKeymapCount; keymap++) {
        if (model.KeymapKnown(keymap))
            QVERIFY(model.Keymap(keymap) == Codes(tdu2(keymap + 10)));
    }
    for (int macro = 0; macro < Protocol::kMacroCount; macro++) {
        // Actions are packed: their fields are read by value.
        if (model.MacroKnown(macro)) {
            const tdu2 pause = model.Macro(macro).first().value;
            QCOMPARE(pause, tdu2(macro + 2));
        }
    }
    QVERIFY(!model.SettingValue(KeyboardModel::Setting::Count).isValid());
}

QTEST_GUILESS_MAIN(TestKeyboardModel)
#include "tst_keyboardmodel.moc"
