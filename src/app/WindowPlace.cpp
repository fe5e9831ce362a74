#include "app/WindowPlace.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QWidget>

namespace {
// The device index sets the window size; a broken index must not ask the window system for a
// window of gigabytes.
constexpr int kMinWindowWidth = 320;
constexpr int kMinWindowHeight = 240;
constexpr int kMaxWindowEdge = 4096;

const QString kGeometryKey = QStringLiteral("MainDialog/geometry");

bool RemembersGeometry()
{
    return !QCoreApplication::organizationName().isEmpty();
}
} // namespace

void WindowPlace::Place(QWidget* window, QSize asked)
{
    asked = QSize(qBound(kMinWindowWidth, asked.width(), kMaxWindowEdge),
        qBound(kMinWindowHeight, asked.height(), kMaxWindowEdge));
    const QByteArray remembered = RemembersGeometry() ? QSettings().value(kGeometryKey).toByteArray() : QByteArray();
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!remembered.isEmpty() && window->restoreGeometry(remembered))
        screen = QGuiApplication::screenAt(window->geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen->availableGeometry();
    window->setMinimumSize(QSize(kMinWindowWidth, kMinWindowHeight).boundedTo(available.size()));
    window->setMaximumSize(available.size());
    if (remembered.isEmpty()) {
        window->resize(asked.boundedTo(available.size()));
        window->move(available.center() - window->rect().center());
        return;
    }
    // A remembered place on a screen that has since shrunk or gone is pulled back onto this one.
    QRect place(window->pos(), window->size().boundedTo(available.size()));
    place.moveRight(qMin(place.right(), available.right()));
    place.moveBottom(qMin(place.bottom(), available.bottom()));
    place.moveLeft(qMax(place.left(), available.left()));
    place.moveTop(qMax(place.top(), available.top()));
    window->resize(place.size());
    window->move(place.topLeft());
}

void WindowPlace::Remember(const QWidget* window)
{
    if (RemembersGeometry())
        QSettings().setValue(kGeometryKey, window->saveGeometry());
}

void WindowPlace::ScrollPage(QWidget* container, QWidget* page)
{
    // A page laid out by hand needs at least the room its widgets take.
    if (!page->layout())
        page->setMinimumSize(page->childrenRect().bottomRight().x() + 1, page->childrenRect().bottomRight().y() + 1);
    auto* scroll = new QScrollArea(container);
    scroll->setObjectName(QStringLiteral("scaPage"));
    // Tab goes to the page's own widgets; the area follows them.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    // The page keeps the look of the window behind it.
    page->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);
    auto* layout = new QHBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll);
}
