#include "app/DeviceManager.h"
#include "app/MainDialog.h"
#include "keymap/KeymapDialog.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "macro/MacroKeyChooser.h"
#include "sim/SimBus.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/FileDialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

// The program in English mode, page by page: no Chinese may show in any text, tool tip or item.
class TestEnglishMode : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPage_isEnglish_data();
    void everyPage_isEnglish();
    void deviceManagerAndKeyChooser_areEnglish();

private:
    QTranslator m_english;
};

namespace {
// Everything a user can read on a window and its children, named by the widget it is on.
QStringList ChineseTexts(QWidget* window)
{
    static const QRegularExpression chinese(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    QStringList found;
    auto check = [&](const QObject* widget, const QString& text) {
        if (text.contains(chinese))
            found << widget->objectName() + QStringLiteral(": ") + text;
    };
    check(window, window->windowTitle());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        check(widget, widget->toolTip());
        if (auto* label = qobject_cast<QLabel*>(widget))
            check(label, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            check(button, button->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            check(group, group->title());
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            check(edit, edit->text() + edit->placeholderText());
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); i++)
                check(combo, combo->itemText(i));
        }
        if (auto* list = qobject_cast<QListWidget*>(widget)) {
            for (int i = 0; i < list->count(); i++)
                check(list, list->item(i)->text() + list->item(i)->toolTip());
        }
    }
    return found;
}
} // namespace

void TestEnglishMode::initTestCase()
{
    QVERIFY(m_english.load(QStringLiteral(DRIVER_LANG_DIR "/Lang_English")));
    QVERIFY(QCoreApplication::installTranslator(&m_english));
}

void TestEnglishMode::everyPage_isEnglish_data()
{
    QTest::addColumn<int>("keyboardType");
    QTest::newRow("module family") << 0;
    QTest::newRow("multi-mode family") << 1;
}

void TestEnglishMode::everyPage_isEnglish()
{
    QFETCH(int, keyboardType);
    sim::SimBus::instance().reset();
    TestFolder folder;
    folder.Write("config/PFX_0.json", TestLayouts::Grid(3, 4, 1, keyboardType));
    MainDialog window(nullptr, true, 0x0601, 0);
    window.SetWindowSize(1280, 800);
    window.SetDeviceNames(QStringLiteral("PFX"), QStringLiteral("Test Board"));
    QVERIFY(window.Connect());
    window.Setup();
    window.show();

    // A selected key shows its description under the keyboard.
    KeyCap* cap = window.KeymapPage()->Pannel()->Cap(0, 0);
    QTest::mouseClick(cap->findChild<QAbstractButton*>(), Qt::LeftButton);
    QVERIFY(!window.findChild<QLabel*>("lblKeyPannelTip")->text().isEmpty());
    // Every page and every picker page, as the user reaches them.
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>(QRegularExpression("^tbtn"))) {
        if (button->isVisible() && button->parentWidget()->property("flag").isValid())
            button->click();
    }
    const QStringList chinese = ChineseTexts(&window);
    QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('\n'))));

    FileDialog::SetNextFileName(QString());
    window.findChild<QAbstractButton*>("tbtnLoad")->click();
    QVERIFY(FileDialog::LastFilter().contains(QLatin1String("*.xml")));
    QVERIFY2(
        ChineseTexts(&window).isEmpty() && !FileDialog::LastFilter().contains(QRegularExpression("[^\\x00-\\x7f]")),
        qPrintable(FileDialog::LastFilter()));
}

void TestEnglishMode::deviceManagerAndKeyChooser_areEnglish()
{
    TestFolder folder;
    DeviceManager manager;
    manager.show();
    QStringList chinese = ChineseTexts(&manager);
    MacroKeyChooser chooser(MacroKeyChooser::Kind::Tap);
    chinese += ChineseTexts(&chooser);
    QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestEnglishMode)
#include "tst_englishmode.moc"
