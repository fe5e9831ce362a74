#pragma once

#include "device/DeviceTypes.h"

#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QVector>

// The palette the pages share, and the levels of the main window's status line. Every text
// colour here reads at 4.5:1 or better on the background it is drawn on.
namespace Palette {
constexpr const char* kAccent = "#029FEA";
// Bars and buttons.
constexpr const char* kBackground = "#292F38";
// The checked button and the status line.
constexpr const char* kDarkBackground = "#1D2025";
// A button under the mouse: lighter than the bar, where the checked one is darker.
constexpr const char* kHoverBackground = "#3A4350";
constexpr const char* kText = "#B4BEC8";
constexpr const char* kLightText = "#FDFDFD";
// A disabled button: a darker face, dimmer text and a dashed border.
constexpr const char* kDisabledBackground = "#23282F";
constexpr const char* kDisabledText = "#929DA8";
constexpr const char* kDisabledBorder = "#5A6573";
// The focus mark: amber on the dark bars and buttons, dark blue on light pages.
constexpr const char* kFocus = "#FFB84D";
constexpr const char* kFocusOnLight = "#0645AD";
// The title bar and its captions.
constexpr const char* kTitleTop = "#0B6FA4";
constexpr const char* kTitleBottom = "#08577F";
constexpr const char* kTitleText = "#FDFDFD";
// Light pages (settings, device manager): plain black text.
constexpr const char* kPageBackground = "#E4E4E4";
constexpr const char* kPageText = "#000000";
constexpr const char* kLinkText = "#0645AD";
// Entries that are there but not at hand, such as the demo models in the device list.
constexpr const char* kDimText = "#5F5F5F";
// Dialogs and inputs: white fields on the page colour, the title's blue for selections.
constexpr const char* kFieldBackground = "#FFFFFF";
constexpr const char* kSelection = kTitleTop;
constexpr const char* kToolTipBackground = "#FFFFE1";
// Width of the accent bar of the checked button in the navigation bars.
constexpr int kNavBorder = 3;

// The colours of everything the style sheets leave alone: message boxes, file and print
// dialogs, lists and inputs. The program sets it over whatever the desktop's theme gives, since
// the pages are drawn for these colours and a dark theme's light text would vanish on them.
QPalette ProgramPalette();
// Sets that palette and a style that honours it (unless the user named a style).
void ApplyProgramLook();

// ResultShow levels: success in green, failure in red, warning or demo notice in yellow.
constexpr tdu1 kSuccess = 0;
constexpr tdu1 kFailure = 1;
constexpr tdu1 kWarning = 2;
constexpr const char* kStatusBackground = kDarkBackground;
QColor StatusColor(tdu1 level);

// A text colour on a background, as some widget of the program draws it.
struct TextPair
{
    const char* what;
    const char* text;
    const char* background;
};
// Every text and background pair the style sheets and the status line set.
QVector<TextPair> TextPairs();

// WCAG 2 contrast ratio of two colours, from 1 (same luminance) to 21 (black on white).
double ContrastRatio(const QColor& first, const QColor& second);

// Style rules that draw the focus mark in the given colours (kFocus on dark faces, kFocusOnLight
// on light ones) around buttons and around inputs; appended last to a style sheet, so that they
// win over the hover and checked looks of the rules before them.
QString FocusSheet(const char* buttons, const char* inputs);
// A disabled push or tool button, for sheets that give buttons a face of their own.
QString DisabledButtonSheet(const QString& selector);
// The raised dark button of the pages, in all its states, for each of the selectors.
QString ButtonSheet(const QStringList& selectors);
} // namespace Palette
