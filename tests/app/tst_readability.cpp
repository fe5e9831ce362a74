#include "app/DeviceManager.h"
#include "app/MainDialog.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "macro/MacroKeyChooser.h"
#include "settings/GeneralConfigDialog.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
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
    void statusLineAndFileDialog_areReadable();
    void tab_visitsEveryWidgetInOrderMarkedAndInSight();
    void enterAndSpace_pressTheFocusedButton();
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

// The best contrast any pixel of the widget's picture has against its corner, where the
// background shows: the text's own colour where a glyph is solid.
double DrawnContrast(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    double best = 1.0;
    for (int y = 0; y < image.height(); y++) {
        for (int x = 0; x < image.width(); x++)
            best = qMax(best, Palette::ContrastRatio(image.pixelColor(x, y), image.pixelColor(1, 1)));
    }
    return best;
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

void TestReadability::statusLineAndFileDialog_areReadable()
{
    auto window = Create();
    for (tdu1 level : {Palette::kSuccess, Palette::kFailure, Palette::kWarning}) {
        window->ResultShow(level, QStringLiteral("Demo Mode,Please connect keyboard and try again."));
        QVERIFY2(DrawnContrast(window->findChild<QLabel*>("lblStatus")) >= 4.5, qPrintable(QString::number(level)));
    }
    QStringList labels;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        for (QLabel* label : dialog ? dialog->findChildren<QLabel*>() : QList<QLabel*>()) {
            if (label->isVisible() && !label->text().isEmpty())
                labels << label->text() + (DrawnContrast(label) < 4.5 ? QStringLiteral(" unreadable") : QString());
        }
        if (dialog)
            dialog->reject();
    });
    window->findChild<QAbstractButton*>("tbtnLoad")->click();
    QVERIFY(!labels.isEmpty());
    QVERIFY2(labels.filter(QStringLiteral(" unreadable")).isEmpty(), qPrintable(labels.join(", ")));
}

void TestReadability::tab_visitsEveryWidgetInOrderMarkedAndInSight()
{
    auto window = Create();
    QVERIFY(Activate(window.get()));
    QWidget* first = window->findChild<QWidget*>("btnMenu_Min");
    QStringList unmarked;
    for (const char* page : {"tbtn1", "tbtn4", "tbtn5", "tbtn6"}) {
        window->findChild<QAbstractButton*>(page)->click();
        window->setFocus();
        QHash<QWidget*, QImage> unfocused;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)
                && !widget->focusProxy())
                unfocused.insert(widget, widget->grab().toImage());
        }
        first->setFocus(Qt::TabFocusReason);
        QSet<QWidget*> visited;
        do {
            QWidget* focus = QApplication::focusWidget();
            visited << focus;
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
