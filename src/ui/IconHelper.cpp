#include "ui/IconHelper.h"

#include "ui/Palette.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QLoggingCategory>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {
Q_LOGGING_CATEGORY(lcUi, "driver.ui")

const char* const kFontResource = ":/image/fontawesome-webfont.ttf";

// Sets the application's window icon after the first paint of the window it watches, then goes.
class IconAfterPaint final : public QObject
{
public:
    explicit IconAfterPaint(QWidget* window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] { QApplication::setWindowIcon(IconHelper::WindowIcon()); });
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

// The resources live in a static library: registering them here pulls them into every
// program that uses the icon font.
static void InitDriverResources()
{
    Q_INIT_RESOURCE(resources);
}

IconHelper* IconHelper::Instance()
{
    // Function-local statics are initialised exactly once, even with concurrent first calls.
    // The instance is deliberately never destroyed: fonts must not outlive the application.
    static IconHelper* const instance = new IconHelper();
    return instance;
}

QIcon IconHelper::WindowIcon()
{
    InitDriverResources();
    static const QIcon icon(QStringLiteral(":/image/Driver.png"));
    return icon;
}

void IconHelper::SetWindowIconAfterFirstPaint(QWidget* first)
{
    new IconAfterPaint(first);
}

IconHelper::IconHelper()
{
    InitDriverResources();
    if (QCoreApplication* app = QCoreApplication::instance()) {
        if (thread() != app->thread()) {
            moveToThread(app->thread());
        }
    }

    const int fontId = QFontDatabase::addApplicationFont(QString::fromLatin1(kFontResource));
    const QStringList families = QFontDatabase::applicationFontFamilies(fontId);
    if (families.isEmpty()) {
        qCDebug(lcUi) << "load fontawesome-webfont.ttf error";
        return;
    }
    m_iconFont = QFont(families.first());
    m_fontLoaded = true;
}

bool IconHelper::IsFontLoaded() const
{
    return m_fontLoaded;
}

QString IconHelper::FontFamily() const
{
    return m_iconFont.family();
}

void IconHelper::SetIcon(QAbstractButton* button, QChar glyph, int size)
{
    if (button == nullptr) {
        return;
    }
    if (size > 0) {
        m_iconFont.setPointSize(size);
    }
    button->setFont(m_iconFont);
    button->setText(QString(glyph));
    // A glyph says nothing to a screen reader; the tool tip says what the button does.
    if (button->accessibleName().isEmpty())
        button->setAccessibleName(button->toolTip());
}

QPixmap IconHelper::GetPixmap(const QString& color, QChar glyph, int size, int width, int height)
{
    QPixmap pixmap(qMax(width, 0), qMax(height, 0));
    if (pixmap.isNull()) {
        return pixmap;
    }
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(QColor(color));
    painter.setBrush(QColor(color));
    if (size > 0) {
        m_iconFont.setPointSize(size);
    }
    painter.setFont(m_iconFont);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(glyph));
    painter.end();
    return pixmap;
}

QString IconHelper::NavStyleLeftSheet(int borderWidth,
    const QString& borderColor,
    const QString& normalBgColor,
    const QString& darkBgColor,
    const QString& normalTextColor,
    const QString& darkTextColor)
{
    // Multi-argument arg() substitutes all markers in one pass, so a colour text can never be
    // taken for a marker itself.
    const QString normal = QStringLiteral("QWidget[flag=\"left\"] QAbstractButton{border-style:none;border-radius:0px;"
                                          "padding:5px;color:%1;background:%2;}")
                               .arg(normalTextColor, normalBgColor);
    // Under the mouse a button lightens; pressed and checked it darkens and gets the bar.
    const QString hover = QStringLiteral("QWidget[flag=\"left\"] QAbstractButton:hover{color:%1;background:%2;}")
                              .arg(darkTextColor, QString::fromLatin1(Palette::kHoverBackground));
    const QString active
        = QStringLiteral("QWidget[flag=\"left\"] QAbstractButton:pressed,QWidget[flag=\"left\"] "
                         "QAbstractButton:checked{border-style:solid;"
                         "border-width:0px 0px 0px %1px;padding:%2px %2px %2px %1px;border-color:%3;color:%4;"
                         "background:%5;}")
              .arg(QString::number(borderWidth), QString::number(2 * borderWidth), borderColor, darkTextColor,
                  darkBgColor);
    return normal + hover + active + Palette::FocusSheet(Palette::kFocus, Palette::kFocus);
}

void IconHelper::NavStyleLeft(QWidget* widget,
    int borderWidth,
    const QString& borderColor,
    const QString& normalBgColor,
    const QString& darkBgColor,
    const QString& normalTextColor,
    const QString& darkTextColor)
{
    if (widget == nullptr) {
        return;
    }
    widget->setStyleSheet(
        NavStyleLeftSheet(borderWidth, borderColor, normalBgColor, darkBgColor, normalTextColor, darkTextColor));
}
