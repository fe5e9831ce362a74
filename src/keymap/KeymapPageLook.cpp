#include "keymap/KeymapPageLook.h"

#include "ui/IconHelper.h"
#include "ui/Palette.h"

#include <QToolButton>
#include <QWidget>

namespace {
using Palette::kAccent;
using Palette::kBackground;
using Palette::kDarkBackground;
using Palette::kLightText;
using Palette::kNavBorder;
using Palette::kText;

constexpr int kCommandGlyphSize = KeymapPageLook::kCommandGlyphSize;
constexpr int kCommandIconSize = KeymapPageLook::kCommandIconSize;

// %1 light text, %2 background, %3 dark background, %4 text, %5 accent.
// %1 light text, %2 bar, %3 dark, %4 text, %5 accent, %6 under the mouse.
const char* const kPageStyle
    = "QWidget#KeymapDialog,QWidget#wdgLeft,QWidget#wdgRight{background:%2;}"
      "QStackedWidget#skwKeyCode{background:%3;}"
      "QWidget#wdgLeftSpilter,QWidget#wdgLeftSpilter2,QWidget#wdgSpilter2{background:#090909;}"
      "QLabel,QCheckBox{color:%1;}"
      "QWidget[flag=\"func\"] QAbstractButton{border:2px solid transparent;border-radius:0px;padding:5px;color:%4;"
      "background:%2;text-align:left;}"
      "QWidget[flag=\"func\"] QAbstractButton:hover{color:%1;background:%6;}"
      "QWidget[flag=\"func\"] QAbstractButton:pressed{border-style:solid;border-width:0px 0px 0px 3px;"
      "padding:5px 5px 5px 4px;border-color:%5;color:%1;background:%3;}"
      "QWidget[flag=\"keycode\"] QAbstractButton{border:2px solid transparent;border-radius:0px;padding:5px;"
      "color:%4;background:%2;}"
      "QWidget[flag=\"keycode\"] QAbstractButton:hover{color:%1;background:%6;}"
      "QWidget[flag=\"keycode\"] QAbstractButton:pressed,QWidget[flag=\"keycode\"] QAbstractButton:checked{"
      "border-style:solid;border-width:0px 0px 3px 0px;padding:6px 6px 4px 6px;border-color:%5;color:%1;"
      "background:%3;}"
      "QToolButton#tbtnLModSet,QToolButton#tbtnRModSet{border:1px solid %5;border-radius:3px;padding:4px 12px;"
      "color:%1;background:%2;}"
      "QToolButton#tbtnLModSet:hover,QToolButton#tbtnRModSet:hover{background:%6;}"
      "QLineEdit#ldtKeySearch{border:1px solid %4;border-radius:3px;padding:3px 6px;color:%1;background:%3;"
      "selection-background-color:%6;}"
      "QWidget#KeyCodeSearchPannel,QScrollArea#scaKeySearch,QWidget#wdgKeySearchResult{background:%3;}"
      "QMenu#mnuLayer{background:%3;color:%1;border:1px solid %4;}"
      "QMenu#mnuLayer::item{padding:5px 18px;}"
      "QMenu#mnuLayer::item:selected{background:%6;}"
      "QMenu#mnuLayer::separator{height:1px;background:%4;margin:3px 6px;}"
      // The focus mark, over the rules above that name their buttons.
      "QToolButton#tbtnLModSet:focus,QToolButton#tbtnRModSet:focus,QLineEdit#ldtKeySearch:focus{"
      "border:2px solid %7;}";

struct CommandIcon
{
    const char* name;
    ushort glyph;
};
const CommandIcon kCommandIcons[] = {
    {"tbtnUpLoad", 0xF019},
    {"tbtnDownLoad", 0xF093},
    {"tbtnSave", 0xF0C7},
    {"tbtnChart", 0xF02F},
    {"tbtnLoad", 0xF115},
    {"tbtnRevert", 0xF021},
    {"tbtnClear", 0xF05E},
    {"tbtnCompare", 0xF0EC},
    {"tbtnUndo", 0xF0E2},
    {"tbtnRedo", 0xF01E},
};
} // namespace

void KeymapPageLook::Apply(QWidget* page)
{
    for (const CommandIcon& command : kCommandIcons) {
        QToolButton* button = page->findChild<QToolButton*>(QString::fromLatin1(command.name));
        button->setIcon(QIcon(IconHelper::Instance()->GetPixmap(
            QString::fromLatin1(kText), QChar(command.glyph), kCommandGlyphSize, kCommandIconSize, kCommandIconSize)));
        button->setIconSize(QSize(kCommandIconSize, kCommandIconSize));
    }

    const QString light = QString::fromLatin1(kLightText);
    const QString background = QString::fromLatin1(kBackground);
    const QString dark = QString::fromLatin1(kDarkBackground);
    const QString text = QString::fromLatin1(kText);
    const QString accent = QString::fromLatin1(kAccent);
    page->setStyleSheet(IconHelper::NavStyleLeftSheet(kNavBorder, accent, background, dark, text, light)
        + QString::fromLatin1(kPageStyle)
              .arg(light, background, dark, text, accent, QString::fromLatin1(Palette::kHoverBackground),
                  QString::fromLatin1(Palette::kFocus))
        + Palette::DisabledButtonSheet(QStringLiteral("QWidget[flag=\"func\"] QAbstractButton"))
        + Palette::FocusSheet(Palette::kFocus, Palette::kFocus));
}
