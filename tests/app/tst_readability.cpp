#include "app/DeviceManager.h"
#include "app/MainDialog.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "settings/GeneralConfigDialog.h"
#include "sim/SimBus.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// Whether a user can read the program, fit it on the screen and drive it from the keyboard.
class TestReadability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void textPairs_reachAA_data();
    void textPairs_reachAA();
    void statusLine_readableAtEveryLevel_data();
    void statusLine_readableAtEveryLevel();
    void fileDialog_labelsReadable();
    void focusMark_visibleOnEveryFocusableWidget();
    void enterAndSpace_pressTheFocusedButton();
    void tab_visitsEveryWidgetOfThePageInOrderAndInSight();
    void window_fitsTheScreen_data();
    void window_fitsTheScreen();
    void window_remembersSizeAndPlace();
    void indicatorPage_marksTheKeysWithAnLed();

private:
    std::unique_ptr<MainDialog> Create(QSize size = QSize(1000, 560));

    QTemporaryDir m_settings;
    std::unique_ptr<TestFolder> m_folder;
};

namespace {
// The best contrast any pixel of the widget's picture has against its corner, where the
// background shows: the text's own colour where a glyph is solid.
double DrawnContrast(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    const QColor background = image.pixelColor(1, 1);
    double best = 1.0;
    for (int y = 0; y < image.height(); y++) {
        for (int x = 0; x < image.width(); x++)
            best = qMax(best, Palette::ContrastRatio(image.pixelColor(x, y), background));
    }
    return best;
}
} // namespace

void TestReadability::initTestCase()
{
    // The program remembers the window under its names; here they lead to a folder of the test's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    QCoreApplication::setOrganizationName(QStringLiteral("nova-driver"));
    QCoreApplication::setApplicationName(QStringLiteral("driver"));
}

void TestReadability::init()
{
    sim::SimBus::instance().reset();
    MessageBox::ClearLast();
    QSettings().clear();
    m_folder = std::make_unique<TestFolder>();
    m_folder->Write("config/PFX_0.json", TestLayouts::Grid(2, 3));
}

void TestReadability::cleanup()
{
    m_folder.reset();
}

std::unique_ptr<MainDialog> TestReadability::Create(QSize size)
{
    auto window = std::make_unique<MainDialog>(nullptr, true, 0x0601, 0);
    window->SetWindowSize(qint16(size.width()), qint16(size.height()));
    window->SetDeviceNames(QStringLiteral("PFX"), QStringLiteral("Test Board"));
    window->Connect();
    window->Setup();
    window->show();
    return window;
}

void TestReadability::textPairs_reachAA_data()
{
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    for (const Palette::TextPair& pair : Palette::TextPairs())
        QTest::newRow(pair.what) << QColor(pair.text) << QColor(pair.background);
    const QColor status(Palette::kStatusBackground);
    QTest::newRow("status success") << Palette::StatusColor(Palette::kSuccess) << status;
    QTest::newRow("status failure") << Palette::StatusColor(Palette::kFailure) << status;
    QTest::newRow("status warning") << Palette::StatusColor(Palette::kWarning) << status;
}

void TestReadability::textPairs_reachAA()
{
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    QVERIFY2(Palette::ContrastRatio(text, background) >= 4.5,
        qPrintable(QString::number(Palette::ContrastRatio(text, background))));
}

void TestReadability::statusLine_readableAtEveryLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("success") << int(Palette::kSuccess);
    QTest::newRow("failure") << int(Palette::kFailure);
    QTest::newRow("warning") << int(Palette::kWarning);
}

void TestReadability::statusLine_readableAtEveryLevel()
{
    QFETCH(int, level);
    auto window = Create();
    window->ResultShow(tdu1(level), QStringLiteral("Demo Mode,Please connect keyboard and try again."));
    QVERIFY(DrawnContrast(window->findChild<QLabel*>("lblStatus")) >= 4.5);
}

void TestReadability::fileDialog_labelsReadable()
{
    auto window = Create();
    QStringList unreadable;
    int labels = 0;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            labels++;
            if (DrawnContrast(label) < 4.5)
                unreadable << label->text();
        }
        dialog->reject();
    });
    window->findChild<QAbstractButton*>("tbtnLoad")->click();
    QVERIFY(labels > 0);
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(", ")));
}

void TestReadability::focusMark_visibleOnEveryFocusableWidget()
{
    auto window = Create();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QStringList unmarked;
    int checked = 0;
    for (const char* page : {"tbtn1", "tbtn4", "tbtn5", "tbtn6"}) {
        window->findChild<QAbstractButton*>(page)->click();
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || !widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus))
                continue;
            window->setFocus();
            const QImage before = widget->grab().toImage();
            widget->setFocus(Qt::TabFocusReason);
            if (!widget->hasFocus())
                continue;
            checked++;
            if (widget->grab().toImage() == before)
                unmarked << QString::fromLatin1(page) + QLatin1Char('/') + widget->objectName();
        }
    }
    QVERIFY(checked > 20);
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(", ")));
}

void TestReadability::enterAndSpace_pressTheFocusedButton()
{
    auto window = Create();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    KeymapStore* store = window->KeymapPage()->Store();
    auto* layer3 = window->findChild<QAbstractButton*>("tbtnLayer2");
    layer3->setFocus(Qt::TabFocusReason);
    QTest::keyClick(layer3, Qt::Key_Return);
    QCOMPARE(store->CurrentLayer(), 2);
    auto* layer4 = window->findChild<QAbstractButton*>("tbtnLayer3");
    layer4->setFocus(Qt::TabFocusReason);
    QTest::keyClick(layer4, Qt::Key_Space);
    QCOMPARE(store->CurrentLayer(), 3);
    // Enter on a focused button of the first window opens that button's help, and only it.
    DeviceManager manager;
    manager.show();
    QApplication::setActiveWindow(&manager);
    QVERIFY(QTest::qWaitForWindowActive(&manager));
    auto* help = manager.findChild<QAbstractButton*>("btnQA2");
    help->setFocus(Qt::TabFocusReason);
    MessageBox::SetNextAnswer(QMessageBox::Ok);
    QTest::keyClick(help, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(MessageBox::LastTitle(), QStringLiteral("Can't Open Device?"));
}

void TestReadability::tab_visitsEveryWidgetOfThePageInOrderAndInSight()
{
    auto window = Create(QSize(700, 450));
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QWidget* first = window->findChild<QWidget*>("btnMenu_Min");
    for (const char* page : {"tbtn1", "tbtn4", "tbtn5", "tbtn6"}) {
        window->findChild<QAbstractButton*>(page)->click();
        QSet<QWidget*> reachable;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)
                && !widget->focusProxy())
                reachable.insert(widget);
        }
        first->setFocus(Qt::TabFocusReason);
        QList<QWidget*> visited;
        do {
            QWidget* focus = QApplication::focusWidget();
            visited << focus;
            // The focus mark is in sight even in a window smaller than the page.
            QVERIFY2(!focus->visibleRegion().isEmpty(), qPrintable(focus->objectName()));
            QTest::keyClick(focus, Qt::Key_Tab);
        } while (QApplication::focusWidget() != first && visited.size() < 1000);
        QCOMPARE(QSet<QWidget*>(visited.begin(), visited.end()), reachable);
    }
    // On the keymap page the keyboard picture comes before the pickers below it.
    window->findChild<QAbstractButton*>("tbtn1")->click();
    QWidget* cap = window->KeymapPage()->Pannel()->Cap(0, 0)->Button();
    QWidget* picker = window->findChild<QWidget*>("tbtnBasicKey");
    cap->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 6 && QApplication::focusWidget() != picker; i++)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), picker);
}

void TestReadability::window_fitsTheScreen_data()
{
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("smaller than the screen") << screen - QSize(100, 50) << screen - QSize(100, 50);
    QTest::newRow("larger than the screen") << QSize(1300, 8000) << QSize(qMin(1300, screen.width()), screen.height());
    QTest::newRow("none") << QSize(0, -3) << QSize(320, 240);
}

void TestReadability::window_fitsTheScreen()
{
    QFETCH(QSize, asked);
    QFETCH(QSize, shown);
    auto window = Create(asked);
    QCOMPARE(window->size(), shown);
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(window->frameGeometry()));
    // Every page stays reachable at that size: the status line is inside the window.
    QLabel* status = window->findChild<QLabel*>("lblStatus");
    QVERIFY(window->rect().contains(QRect(status->mapTo(window.get(), QPoint(0, 0)), status->size())));
}

void TestReadability::window_remembersSizeAndPlace()
{
    const QRect place(40, 30, 700, 450);
    {
        auto window = Create();
        window->setGeometry(place);
        QTRY_COMPARE(window->geometry(), place);
        window->hide();
    }
    auto window = Create();
    QCOMPARE(window->geometry(), place);
}

void TestReadability::indicatorPage_marksTheKeysWithAnLed()
{
    auto window = Create();
    KeyPannel* pannel = window->GeneralPage()->ILedPannel();
    // The test layout puts the only LED under the first key.
    QVERIFY(pannel->Cap(0, 0)->isEnabled());
    QVERIFY(pannel->Cap(0, 0)->Button()->property("marked").toBool());
    QVERIFY(!pannel->Cap(0, 0)->toolTip().isEmpty());
    QVERIFY(!pannel->Cap(1, 2)->isEnabled());
    QVERIFY(!pannel->Cap(1, 2)->Button()->property("marked").toBool());
}

QTEST_MAIN(TestReadability)
#include "tst_readability.moc"
