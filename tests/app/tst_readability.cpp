#include "app/DeviceManager.h"
#include "app/MainDialog.h"
#include "backup/BackupDialog.h"
#include "keymap/ChartCommands.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapStore.h"
#include "keymap/LayerChart.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "macro/MacroDialog.h"
#include "macro/MacroKeyChooser.h"
#include "macro/MacroTextDialog.h"
#include "settings/GeneralConfigDialog.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"
#include "ui/Shortcuts.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

// Whether a user can read the program in English, fit it on the screen and drive it from the
// keyboard.
class TestReadability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void everyPage_isEnglish_data();
    void everyPage_isEnglish();
    void textPairs_reachAA_data();
    void textPairs_reachAA();
    void everyControl_hasAnAccessibleName();
    void everyWindowAndDialog_isReadable_data();
    void everyWindowAndDialog_isReadable();
    void tab_visitsEveryWidgetInOrderMarkedAndInSight();
    void enterAndSpace_pressTheFocusedButton();
    void shortcuts_clashNowhereReachWhatTabCannotAndAreListed();
    void window_fitsTheScreen_data();
    void window_fitsTheScreen();
    void window_remembersSizeAndPlace();
    void indicatorPage_marksTheKeysWithAnLed();

private:
    std::unique_ptr<MainDialog> Create(QSize size = QSize(700, 450), int keyboardType = 0);

    QTranslator m_english;
    QTemporaryDir m_settings;
    std::unique_ptr<TestFolder> m_folder;
};

namespace {
// What a user can read on a window, named by the widget it is on, where it holds Chinese.
QStringList ChineseTexts(QWidget* window)
{
    static const QRegularExpression chinese(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    QStringList texts {window->windowTitle()};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        texts << widget->toolTip();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            texts << edit->text() << edit->placeholderText();
        for (int i = 0; qobject_cast<QComboBox*>(widget) && i < qobject_cast<QComboBox*>(widget)->count(); i++)
            texts << qobject_cast<QComboBox*>(widget)->itemText(i);
        for (int i = 0; qobject_cast<QListWidget*>(widget) && i < qobject_cast<QListWidget*>(widget)->count(); i++)
            texts << qobject_cast<QListWidget*>(widget)->item(i)->text();
    }
    return texts.filter(chinese);
}

// The best contrast any pixel of a picture has against the colour most of it shows, its
// background: the text's own colour where a glyph is solid.
double DrawnContrast(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); y++) {
        for (int x = 0; x < image.width(); x++)
            counts[image.pixel(x, y)]++;
    }
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(background))
            background = it.key();
    }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = qMax(best, Palette::ContrastRatio(QColor(it.key()), QColor(background)));
    return best;
}

// Every text on a window that reads below 4.5:1 as the window draws it, named by where it is.
QStringList UnreadableTexts(QWidget* window, const QString& where)
{
    const QImage image = window->grab().toImage();
    QStringList found;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // Text on a control that is off (WCAG asks nothing of it) or partly scrolled out of sight is
        // not read here.
        if (!widget->isVisible() || !widget->isEnabled() || widget->window() != window)
            continue;
        QString text;
        QRect shown = widget->visibleRegion().boundingRect();
        if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->pixmap(Qt::ReturnByValue).isNull() ? label->text() : QString();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            text = button->text();
        else if (auto* box = qobject_cast<QComboBox*>(widget))
            text = box->currentText();
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            text = edit->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            // Only the title's strip: the box's children are read on their own.
            text = group->title();
            shown &= QRect(0, 0, group->width(), group->fontMetrics().height() + 2);
        }
        const QRect rect = QRect(widget->mapTo(window, shown.topLeft()), shown.size()) & image.rect();
        if (text.trimmed().isEmpty() || (shown.size() != widget->size() && !qobject_cast<QGroupBox*>(widget)))
            continue;
        const double ratio = DrawnContrast(image.copy(rect));
        if (ratio < 4.5)
            found << QStringLiteral("%1/%2 \"%3\" %4").arg(where, widget->objectName(), text).arg(ratio, 0, 'f', 2);
    }
    return found;
}

// What the desktop's dark theme gives a program before it sets its own colours.
QPalette DarkTheme()
{
    QPalette dark(QColor(QStringLiteral("#353535")), QColor(QStringLiteral("#2B2B2B")));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(QStringLiteral("#F0F0F0")));
    dark.setColor(QPalette::Base, QColor(QStringLiteral("#1E1E1E")));
    return dark;
}

// Whether Tab going from a to b (places on the screen) goes back in reading order: up within a
// column, or left within a line. Going on to the top of the next column to the right is not.
bool GoesBack(const QRect& a, const QRect& b)
{
    const bool above = b.bottom() < a.top();
    const bool sameLine = !above && b.top() <= a.bottom();
    return (above && b.left() < a.right()) || (sameLine && b.right() < a.left());
}

// Where a widget sits on its window with every scroll area around it scrolled to the top left.
QRect PlaceUnscrolled(QWidget* widget)
{
    QPoint place = widget->mapTo(widget->window(), QPoint(0, 0));
    for (QWidget* above = widget->parentWidget(); above != nullptr; above = above->parentWidget()) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(above))
            place += QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value());
    }
    return QRect(place, widget->size());
}

bool Activate(QWidget* window)
{
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}
} // namespace

void TestReadability::initTestCase()
{
    QVERIFY(m_english.load(QStringLiteral(DRIVER_LANG_DIR "/Lang_English")));
    QVERIFY(QCoreApplication::installTranslator(&m_english));
    // The program remembers the window under its names; here they lead to a folder of the test's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    QCoreApplication::setOrganizationName(QStringLiteral("nova-driver"));
    QCoreApplication::setApplicationName(QStringLiteral("driver"));
}

void TestReadability::init()
{
    MessageBox::ClearLast();
    QSettings().clear();
    m_folder.reset();
    m_folder = std::make_unique<TestFolder>();
}

std::unique_ptr<MainDialog> TestReadability::Create(QSize size, int keyboardType)
{
    m_folder->Write("config/PFX_0.json", TestLayouts::Grid(2, 3, 1, keyboardType));
    auto window = std::make_unique<MainDialog>(nullptr, true, 0x0601, 0);
    window->SetWindowSize(qint16(size.width()), qint16(size.height()));
    window->SetDeviceNames(QStringLiteral("PFX"), QStringLiteral("Test Board"));
    window->Connect();
    window->Setup();
    window->show();
    return window;
}

void TestReadability::everyPage_isEnglish_data()
{
    QTest::addColumn<int>("keyboardType");
    QTest::newRow("module family") << 0;
    QTest::newRow("multi-mode family") << 1;
}

void TestReadability::everyPage_isEnglish()
{
    QFETCH(int, keyboardType);
    auto window = Create(QSize(1280, 800), keyboardType);
    // A selected key shows its description under the keyboard.
    QTest::mouseClick(window->KeymapPage()->Pannel()->Cap(0, 0)->Button(), Qt::LeftButton);
    QVERIFY(!window->findChild<QLabel*>("lblKeyPannelTip")->text().isEmpty());
    // Every page and picker page, as the user reaches them.
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>(QRegularExpression("^tbtn"))) {
        if (button->isVisible() && button->parentWidget()->property("flag").isValid())
            button->click();
    }
    FileDialog::SetNextFileName(QString());
    window->findChild<QAbstractButton*>("tbtnLoad")->click();
    DeviceManager manager;
    MacroKeyChooser chooser(MacroKeyChooser::Kind::Tap);
    const QStringList chinese = ChineseTexts(window.get()) + ChineseTexts(&manager) + ChineseTexts(&chooser)
        + QStringList(FileDialog::LastFilter()).filter(QRegularExpression("[^\\x00-\\x7f]"));
    QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('\n'))));
}

void TestReadability::textPairs_reachAA_data()
{
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    for (const Palette::TextPair& pair : Palette::TextPairs())
        QTest::newRow(pair.what) << QColor(pair.text) << QColor(pair.background);
}

void TestReadability::textPairs_reachAA()
{
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    QVERIFY2(Palette::ContrastRatio(text, background) >= 4.5,
        qPrintable(QString::number(Palette::ContrastRatio(text, background))));
}

void TestReadability::everyControl_hasAnAccessibleName()
{
    auto window = Create(QSize(1280, 800));
    static const QSet<QAccessible::Role> kControls {QAccessible::Button, QAccessible::CheckBox,
        QAccessible::RadioButton, QAccessible::ComboBox, QAccessible::EditableText, QAccessible::SpinBox,
        QAccessible::Slider, QAccessible::PageTab, QAccessible::MenuItem, QAccessible::ListItem};
    QStringList unnamed;
    // A name made of icon glyphs alone (the private use area) is no name to a screen reader.
    static const QRegularExpression glyphs(QStringLiteral("[\\x{e000}-\\x{f8ff}\\s]"));
    const auto walk = [&](const QString& where) {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            QAccessibleInterface* node = widget->isVisible() ? QAccessible::queryAccessibleInterface(widget) : nullptr;
            if (node && kControls.contains(node->role()) && node->text(QAccessible::Name).remove(glyphs).isEmpty())
                unnamed << where + QLatin1Char('/') + widget->objectName() + QLatin1Char('/')
                        + QString::fromLatin1(widget->metaObject()->className());
        }
    };
    // Every page and picker page, as the user reaches them, as a screen reader finds its controls.
    for (QAbstractButton* page : window->findChildren<QAbstractButton*>(QRegularExpression("^tbtn"))) {
        if (!page->isVisible() || !page->parentWidget()->property("flag").isValid())
            continue;
        page->click();
        walk(page->objectName());
    }
    // The search field's clear button shows once something is typed.
    window->findChild<QAbstractButton*>("tbtn1")->click();
    window->findChild<QLineEdit*>("ldtKeySearch")->setText(QStringLiteral("a"));
    walk(QStringLiteral("search"));

    // A screen reader's toggle on a button of a row of choices chooses it, as a click does.
    const auto toggle = [&](const char* name) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(window->findChild<QAbstractButton*>(name));
        QVERIFY(node && node->actionInterface());
        node->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };
    toggle("tbtnLayer2");
    QCOMPARE(window->KeymapPage()->Store()->CurrentLayer(), 2);
    toggle("tbtn5");
    QCOMPARE(window->findChild<QStackedWidget*>("skwMain")->currentIndex(), 4);
    toggle("tbtnMacro3");
    QCOMPARE(window->findChild<MacroDialog*>()->CurrentMacro(), 2);
    unnamed.removeDuplicates();
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
}

void TestReadability::everyWindowAndDialog_isReadable_data()
{
    QTest::addColumn<bool>("darkTheme");
    QTest::newRow("light desktop theme") << false;
    QTest::newRow("dark desktop theme") << true;
}

void TestReadability::everyWindowAndDialog_isReadable()
{
    QFETCH(bool, darkTheme);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(darkTheme ? DarkTheme() : QApplication::style()->standardPalette());
    // As at start-up: the program's colours over the theme's.
    Palette::ApplyProgramLook();
    QStringList unreadable;
    // A modal dialog the next step opens: read, then closed.
    auto readNextDialog = [&unreadable, this](const QString& where) {
        QTimer::singleShot(0, this, [&unreadable, where] {
            QWidget* dialog = QApplication::activeModalWidget();
            unreadable << (dialog ? UnreadableTexts(dialog, where)
                                  : QStringList {where + QStringLiteral(" not shown")});
            if (auto* shown = qobject_cast<QDialog*>(dialog))
                shown->reject();
        });
    };

    DeviceManager manager;
    manager.show();
    unreadable << UnreadableTexts(&manager, QStringLiteral("device manager"));

    auto window = Create(QSize(1280, 800));
    for (tdu1 level : {Palette::kSuccess, Palette::kFailure, Palette::kWarning}) {
        window->ResultShow(level, QStringLiteral("Demo Mode,Please connect keyboard and try again."));
        unreadable << UnreadableTexts(window.get(), QStringLiteral("status %1").arg(level));
    }
    // Every page and picker page, as the user reaches them.
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>(QRegularExpression("^tbtn"))) {
        if (button->isVisible() && button->parentWidget()->property("flag").isValid()) {
            button->click();
            unreadable << UnreadableTexts(window.get(), button->objectName());
        }
    }
    KeymapDialog* page = window->KeymapPage();
    readNextDialog(QStringLiteral("information box"));
    MessageBox::Information(page, QStringLiteral("Firmware"), QStringLiteral("No download server is configured."));
    readNextDialog(QStringLiteral("warning box"));
    MessageBox::Warning(page, QStringLiteral("Write Keymap"), QStringLiteral("Writing replaces all of keymap 1."),
        QMessageBox::Ok | QMessageBox::Cancel);
    readNextDialog(QStringLiteral("error box"));
    MessageBox::Critical(window->GeneralPage(), QStringLiteral("error"), QStringLiteral("File Open Failed."));
    readNextDialog(QStringLiteral("question box"));
    MessageBox::Question(window->MacroPage(), QStringLiteral("Clear Macro"), QStringLiteral("Remove all 3 actions?"),
        QMessageBox::Yes | QMessageBox::No);
    readNextDialog(QStringLiteral("file dialog"));
    window->findChild<QAbstractButton*>("tbtnLoad")->click();
    LayerChart chart(*page->Pannel(), *page->Store(), 0, {});
    readNextDialog(QStringLiteral("print dialog"));
    ChartCommands::Print(page, chart);
    KeyboardBackup identity;
    BackupDialog backup(identity, window->Session(), window.get());
    readNextDialog(QStringLiteral("backup dialog"));
    backup.exec();
    MacroTextDialog text(QStringLiteral("Macro 1"), 100, window->MacroPage());
    readNextDialog(QStringLiteral("macro text dialog"));
    text.exec();
    MacroKeyChooser chooser(MacroKeyChooser::Kind::Tap, window->MacroPage());
    readNextDialog(QStringLiteral("macro key chooser"));
    chooser.exec();

    QApplication::setPalette(before);
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QLatin1Char('\n'))));
}

void TestReadability::tab_visitsEveryWidgetInOrderMarkedAndInSight()
{
    auto window = Create();
    QVERIFY(Activate(window.get()));
    QWidget* first = window->findChild<QWidget*>("tbtnBackup");
    QStringList unmarked;
    QStringList backwards;
    for (const char* page : {"tbtn1", "tbtn4", "tbtn5", "tbtn6", "tbtn7"}) {
        window->findChild<QAbstractButton*>(page)->click();
        window->setFocus();
        QHash<QWidget*, QImage> unfocused;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)
                && !widget->focusProxy())
                unfocused.insert(widget, widget->grab().toImage());
        }
        // As after a Tab, so that the focus is marked from the start.
        window->setAttribute(Qt::WA_KeyboardFocusChange);
        first->setFocus(Qt::TabFocusReason);
        QSet<QWidget*> visited;
        QRect last;
        do {
            QWidget* focus = QApplication::focusWidget();
            visited << focus;
            const QRect place = PlaceUnscrolled(focus);
            if (visited.size() > 1 && GoesBack(last, place))
                backwards << QStringLiteral("%1/%2 %3,%4")
                                 .arg(QString::fromLatin1(page), focus->objectName())
                                 .arg(place.x())
                                 .arg(place.y());
            last = place;
            // The focus mark shows, and is in sight even in a window smaller than the page.
            QVERIFY2(!focus->visibleRegion().isEmpty(), qPrintable(focus->objectName()));
            if (focus->grab().toImage() == unfocused.value(focus))
                unmarked << QString::fromLatin1(page) + QLatin1Char('/') + focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        } while (QApplication::focusWidget() != first && visited.size() < 1000);
        const QList<QWidget*> reachable = unfocused.keys();
        QCOMPARE(visited, QSet<QWidget*>(reachable.begin(), reachable.end()));
    }
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(", ")));
    QVERIFY2(backwards.isEmpty(), qPrintable(backwards.join(", ")));
    // On the keymap page the keyboard picture comes before the pickers below it.
    window->findChild<QAbstractButton*>("tbtn1")->click();
    window->KeymapPage()->Pannel()->Cap(1, 2)->Button()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("tbtnBasicKey"));
}

void TestReadability::enterAndSpace_pressTheFocusedButton()
{
    auto window = Create();
    QVERIFY(Activate(window.get()));
    const QList<QPair<const char*, Qt::Key>> presses = {{"tbtnLayer2", Qt::Key_Return}, {"tbtnLayer3", Qt::Key_Space}};
    for (const auto& press : presses) {
        auto* layer = window->findChild<QAbstractButton*>(press.first);
        layer->setFocus(Qt::TabFocusReason);
        QTest::keyClick(layer, press.second);
        QCOMPARE(window->KeymapPage()->Store()->CurrentLayer(), QString::fromLatin1(press.first).right(1).toInt());
    }
    // In the first window Enter on a button opens that button's help, not another's.
    DeviceManager manager;
    manager.show();
    QVERIFY(Activate(&manager));
    auto* help = manager.findChild<QAbstractButton*>("btnQA2");
    help->setFocus(Qt::TabFocusReason);
    MessageBox::SetNextAnswer(QMessageBox::Ok);
    QTest::keyClick(help, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(MessageBox::LastTitle(), QStringLiteral("Can't Open Device?"));
}

void TestReadability::shortcuts_clashNowhereReachWhatTabCannotAndAreListed()
{
    auto window = Create();
    QVERIFY(Activate(window.get()));
    const QList<const Shortcuts*> tables = Shortcuts::Of(window.get());
    QVERIFY(tables.size() >= 4);
    QStringList clashes;
    for (const Shortcuts* page : tables.mid(1)) {
        // A page's keys and the window's are live together.
        QHash<QKeySequence, QString> taken;
        for (const Shortcuts* table : {tables.first(), page}) {
            for (const Shortcuts::Entry& entry : table->Entries()) {
                for (const QKeySequence& keys : entry.keys) {
                    if (taken.contains(keys))
                        clashes << page->Title() + QLatin1Char(':') + keys.toString();
                    taken.insert(keys, entry.what);
                }
            }
        }
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(", ")));

    // What Tab does not reach has keys of its own.
    QStringList unreachable;
    for (const char* page : {"tbtn1", "tbtn4", "tbtn5", "tbtn6", "tbtn7"}) {
        window->findChild<QAbstractButton*>(page)->click();
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            // A key cap is reached with the arrow keys, a field's sign is part of the field.
            if (button->isVisible() && !(button->focusPolicy() & Qt::TabFocus) && button->shortcut().isEmpty()
                && !qobject_cast<KeyCap*>(button->parentWidget()) && !qobject_cast<QLineEdit*>(button->parentWidget()))
                unreachable << QString::fromLatin1(page) + QLatin1Char('/') + button->parentWidget()->objectName()
                        + QLatin1Char('/') + button->objectName();
        }
    }
    QVERIFY2(unreachable.isEmpty(), qPrintable(unreachable.join(", ")));

    // Ctrl+Page Down and Up go round the pages offered, past those not offered.
    auto* pages = window->findChild<QStackedWidget*>("skwMain");
    window->findChild<QAbstractButton*>("tbtn1")->click();
    QList<int> shown;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(window.get(), Qt::Key_PageDown, Qt::ControlModifier);
        shown << pages->currentIndex();
    }
    QTest::keyClick(window.get(), Qt::Key_PageUp, Qt::ControlModifier);
    shown << pages->currentIndex();
    QCOMPARE(shown, (QList<int> {3, 4, 5, 6, 0, 3, 0}));

    // F1 lists every table with what each of its keys does.
    QTest::keyClick(window.get(), Qt::Key_F1);
    auto* help = window->findChild<QTextBrowser*>("txtShortcutHelp");
    QVERIFY(help && help->isVisible());
    const QString listed = help->toPlainText();
    for (const Shortcuts* table : tables) {
        QVERIFY2(listed.contains(table->Title()), qPrintable(table->Title()));
        for (const Shortcuts::Entry& entry : table->Entries())
            QVERIFY2(listed.contains(entry.keysText) && listed.contains(entry.what), qPrintable(entry.what));
    }
}

void TestReadability::window_fitsTheScreen_data()
{
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("smaller than the screen") << screen - QSize(100, 50) << screen - QSize(100, 50);
    QTest::newRow("larger than the screen") << QSize(1300, 8000) << QSize(qMin(1300, screen.width()), screen.height());
}

void TestReadability::window_fitsTheScreen()
{
    QFETCH(QSize, asked);
    QFETCH(QSize, shown);
    auto window = Create(asked);
    QCOMPARE(window->size(), shown);
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(window->frameGeometry()));
    // The status line, where every result shows, is inside the window.
    QLabel* status = window->findChild<QLabel*>("lblStatus");
    QVERIFY(window->rect().contains(QRect(status->mapTo(window.get(), QPoint(0, 0)), status->size())));
}

void TestReadability::window_remembersSizeAndPlace()
{
    const QRect place(40, 30, 600, 420);
    {
        auto window = Create();
        window->setGeometry(place);
        QTRY_COMPARE(window->geometry(), place);
        window->hide();
    }
    QCOMPARE(Create()->geometry(), place);
}

void TestReadability::indicatorPage_marksTheKeysWithAnLed()
{
    auto window = Create();
    KeyPannel* pannel = window->GeneralPage()->ILedPannel();
    // The test layout puts the only LED under the first key.
    QVERIFY(pannel->Cap(0, 0)->isEnabled() && pannel->Cap(0, 0)->Button()->property("marked").toBool());
    QVERIFY(!pannel->Cap(1, 2)->isEnabled() && !pannel->Cap(1, 2)->Button()->property("marked").toBool());
}

QTEST_MAIN(TestReadability)
#include "tst_readability.moc"
