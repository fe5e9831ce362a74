#include "app/MainNavigation.h"

#include "ui/ChoiceRow.h"
#include "ui/IconHelper.h"
#include "ui/Palette.h"
#include "ui/ShortcutHelp.h"
#include "ui/Shortcuts.h"

#include <QIcon>
#include <QStackedWidget>
#include <QToolButton>

namespace {
constexpr int kNavIconSize = 25;
constexpr int kNavPixmapSize = 35;
} // namespace

MainNavigation::MainNavigation(QWidget* window, QWidget* bar, QStackedWidget* pages, const QList<QToolButton*>& buttons)
    : QObject(window)
    , m_pages(pages)
    , m_buttons(buttons)
    , m_keys(new Shortcuts(window, tr("Window")))
    , m_row(new ChoiceRow(this, [pages](int index) { pages->setCurrentIndex(index); }))
{
    const QString normalText = QString::fromLatin1(Palette::kText);
    const QString checkedText = QString::fromLatin1(Palette::kLightText);
    IconHelper::NavStyleLeft(bar, 3, QString::fromLatin1(Palette::kAccent), QString::fromLatin1(Palette::kBackground),
        QString::fromLatin1(Palette::kDarkBackground), normalText, checkedText);
    const QList<ushort> glyphs = {0xF11C, 0xF0EB, 0xF294, 0xF085, 0xF03A, 0xF129, 0xF0E4};
    for (int i = 0; i < m_buttons.size(); i++) {
        QToolButton* button = m_buttons.at(i);
        // The checked page's icon is drawn in the checked text's colour.
        QIcon icon(
            IconHelper::Instance()->GetPixmap(normalText, glyphs.at(i), kNavIconSize, kNavPixmapSize, kNavPixmapSize));
        icon.addPixmap(
            IconHelper::Instance()->GetPixmap(checkedText, glyphs.at(i), kNavIconSize, kNavPixmapSize, kNavPixmapSize),
            QIcon::Normal, QIcon::On);
        button->setIcon(icon);
        button->setIconSize(QSize(kNavIconSize, kNavIconSize));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        m_row->Add(button);
    }

    m_keys->AddAction(QKeySequence(Qt::Key_F1), tr("This list of shortcuts"), [window] { ShortcutHelp::Open(window); });
    m_keys->AddAction(QKeySequence(Qt::CTRL | Qt::Key_PageDown), tr("Next page"), [this] { Step(1); });
    m_keys->AddAction(QKeySequence(Qt::CTRL | Qt::Key_PageUp), tr("Previous page"), [this] { Step(-1); });
    m_keys->AddNote(tr("Tab, Shift+Tab"), tr("Next and previous control"));
    m_keys->AddNote(tr("Space, Enter"), tr("Press the focused button"));
}

void MainNavigation::Step(int step)
{
    const int count = m_buttons.size();
    for (int i = 1; i < count; ++i) {
        QToolButton* button = m_buttons.at(((m_pages->currentIndex() + step * i) % count + count) % count);
        if (!button->isHidden()) {
            button->click();
            return;
        }
    }
}
