#include "ui/Palette.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QtMath>

namespace Palette {

QColor StatusColor(tdu1 level)
{
    switch (level) {
    case kSuccess:
        return QColor(QStringLiteral("#6FDC8C"));
    case kFailure:
        return QColor(QStringLiteral("#FF8A80"));
    default:
        return QColor(QStringLiteral("#FFD54F"));
    }
}

QVector<TextPair> TextPairs()
{
    return {
        {"button", kText, kBackground},
        {"button under the mouse", kLightText, kHoverBackground},
        {"checked button", kLightText, kDarkBackground},
        {"disabled button", kDisabledText, kDisabledBackground},
        {"label on a bar", kLightText, kBackground},
        {"title", kTitleText, kTitleTop},
        {"title, lower half", kTitleText, kTitleBottom},
        {"page text", kPageText, kPageBackground},
        {"help link", kLinkText, kPageBackground},
        {"demo model in the device list", kDimText, "#FFFFFF"},
        {"dialog text", kPageText, kPageBackground},
        {"field text", kPageText, kFieldBackground},
        {"selected text", kLightText, kSelection},
        {"dimmed text in a dialog", kDimText, kPageBackground},
        {"tooltip", kPageText, kToolTipBackground},
    };
}

QPalette ProgramPalette()
{
    const QColor page(QString::fromLatin1(kPageBackground));
    const QColor text(QString::fromLatin1(kPageText));
    const QColor field(QString::fromLatin1(kFieldBackground));
    const QColor dim(QString::fromLatin1(kDimText));
    // The shades of frames and bevels follow from the page colour.
    QPalette palette(page, page);
    // Every role and group is set, so that a theme changing later has nothing left to fill in.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        palette.setColor(group, QPalette::Window, page);
        palette.setColor(group, QPalette::Button, page);
        palette.setColor(group, QPalette::Base, disabled ? page : field);
        palette.setColor(group, QPalette::AlternateBase, page.lighter(106));
        palette.setColor(group, QPalette::WindowText, disabled ? dim : text);
        palette.setColor(group, QPalette::ButtonText, disabled ? dim : text);
        palette.setColor(group, QPalette::Text, disabled ? dim : text);
        palette.setColor(group, QPalette::BrightText, field);
        palette.setColor(group, QPalette::PlaceholderText, dim);
        palette.setColor(group, QPalette::Highlight, QColor(QString::fromLatin1(kSelection)));
        palette.setColor(group, QPalette::HighlightedText, QColor(QString::fromLatin1(kLightText)));
        palette.setColor(group, QPalette::Link, QColor(QString::fromLatin1(kLinkText)));
        palette.setColor(group, QPalette::LinkVisited, QColor(QString::fromLatin1(kLinkText)).darker(130));
        palette.setColor(group, QPalette::ToolTipBase, QColor(QString::fromLatin1(kToolTipBackground)));
        palette.setColor(group, QPalette::ToolTipText, text);
    }
    return palette;
}

void ApplyProgramLook()
{
    const QStringList arguments = QCoreApplication::arguments();
    const bool styleNamed = arguments.contains(QStringLiteral("-style"))
        || arguments.contains(QStringLiteral("--style")) || !qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE");
    // Fusion draws with the palette; some desktop styles draw with the theme's own colours.
    const bool fusion = QApplication::style()->objectName().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
    if (!styleNamed && !fusion) {
        if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
            QApplication::setStyle(style);
    }
    QApplication::setPalette(ProgramPalette());
}

namespace {
double Luminance(const QColor& colour)
{
    auto channel = [](qreal value) { return value <= 0.03928 ? value / 12.92 : qPow((value + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}
} // namespace

double ContrastRatio(const QColor& first, const QColor& second)
{
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (qMax(a, b) + 0.05) / (qMin(a, b) + 0.05);
}

QString FocusSheet(const char* buttons, const char* inputs)
{
    return QStringLiteral("QWidget QAbstractButton:focus:enabled{border:2px solid %1;}"
                          "QWidget QLineEdit:focus,QWidget QComboBox:focus,QWidget QAbstractSpinBox:focus,"
                          "QWidget QAbstractScrollArea:focus,QWidget QCheckBox:focus:enabled,"
                          "QWidget QRadioButton:focus:enabled{border:2px solid %2;}")
        .arg(QString::fromLatin1(buttons), QString::fromLatin1(inputs));
}

QString DisabledButtonSheet(const QString& selector)
{
    return QStringLiteral("%1:disabled{color:%2;background:%3;border:2px dashed %4;}")
        .arg(selector, QString::fromLatin1(kDisabledText), QString::fromLatin1(kDisabledBackground),
            QString::fromLatin1(kDisabledBorder));
}

QString ButtonSheet(const QStringList& selectors)
{
    auto in = [&selectors](const QString& state) {
        QStringList states;
        for (const QString& selector : selectors)
            states << selector + state;
        return states.join(QLatin1Char(','));
    };
    QString sheet
        = QStringLiteral("%1{background:%2;border-style:outset;border-width:2px;border-radius:5px;"
                         "border-color:#000000;color:%3;padding:5px;}"
                         "%4{background:%5;color:%6;}%7{background:%8;color:%6;}")
              .arg(in(QString()), QString::fromLatin1(kBackground), QString::fromLatin1(kText),
                  in(QStringLiteral(":hover")), QString::fromLatin1(kHoverBackground), QString::fromLatin1(kLightText),
                  in(QStringLiteral(":pressed")), QString::fromLatin1(kDarkBackground));
    for (const QString& selector : selectors)
        sheet += DisabledButtonSheet(selector);
    return sheet;
}

} // namespace Palette
