#pragma once

#include <QFont>
#include <QIcon>
#include <QObject>
#include <QPixmap>
#include <QString>

class QAbstractButton;
class QWidget;

// Turns code points of the FontAwesome icon font into button texts and pixmaps, and builds the
// style of the left navigation bars. One instance per process.
class IconHelper final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IconHelper)

public:
    static IconHelper* Instance();
    // The program's picture, for the title bar and task bar of every window.
    static QIcon WindowIcon();
    // Gives the application that picture once `first` has been painted: reading it starts the
    // image decoders, which the first sight of the program does not need.
    static void SetWindowIconAfterFirstPaint(QWidget* first);

    // Gives the button the icon font at the point size and the glyph as its text.
    void SetIcon(QAbstractButton* button, QChar glyph, int size);
    // A width x height transparent pixmap with the glyph centred in the named colour.
    QPixmap GetPixmap(const QString& color, QChar glyph, int size, int width, int height);

    // Flat buttons inside a widget whose property "flag" is "left", with a coloured bar on the
    // left edge of the hovered, pressed or checked one.
    static void NavStyleLeft(QWidget* widget,
        int borderWidth,
        const QString& borderColor,
        const QString& normalBgColor,
        const QString& darkBgColor,
        const QString& normalTextColor,
        const QString& darkTextColor);
    static QString NavStyleLeftSheet(int borderWidth,
        const QString& borderColor,
        const QString& normalBgColor,
        const QString& darkBgColor,
        const QString& normalTextColor,
        const QString& darkTextColor);

    // False when the font resource could not be loaded and glyphs fall back to the default font.
    bool IsFontLoaded() const;
    QString FontFamily() const;

private:
    IconHelper();

    QFont m_iconFont;
    bool m_fontLoaded = false;
};
