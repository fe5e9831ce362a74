#include "keymap/KeymapPickers.h"

#include "keymap/KeyCodeBasicKeyPannel.h"
#include "keymap/KeyCodeCombKeyPannel.h"
#include "keymap/KeyCodeDiadKeyPannel.h"
#include "keymap/KeyCodeLayerKeyPannel.h"
#include "keymap/KeyCodeLedKeyPannel.h"
#include "keymap/KeyCodeMacroKeyPannel.h"
#include "keymap/KeyCodeMediaKeyPannel.h"
#include "keymap/KeyCodeSearchPannel.h"
#include "keymap/KeycodeFuncKeyPannel.h"

#include "keymap/KeymapPageLook.h"
#include "ui/IconHelper.h"
#include "ui/Palette.h"

#include <QAction>
#include <QBoxLayout>
#include <QFocusEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>
#include <QWidget>

namespace {
constexpr ushort kSearchGlyph = 0xF002;

template <class Pannel> Pannel* Place(const QList<QWidget*>& pages, int index)
{
    auto* pannel = new Pannel();
    pages.at(index)->layout()->addWidget(pannel);
    return pannel;
}
} // namespace

KeymapPickers::KeymapPickers(const QList<QWidget*>& pages, QWidget* searchHost, QObject* parent)
    : QObject(parent)
    , m_searchHost(searchHost)
    , m_basic(Place<KeyCodeBasicKeyPannel>(pages, 0))
    , m_layer(Place<KeyCodeLayerKeyPannel>(pages, 1))
    , m_led(Place<KeyCodeLedKeyPannel>(pages, 2))
    , m_media(Place<KeyCodeMediaKeyPannel>(pages, 3))
    , m_comb(Place<KeyCodeCombKeyPannel>(pages, 4))
    , m_diad(Place<KeyCodeDiadKeyPannel>(pages, 5))
    , m_macro(Place<KeyCodeMacroKeyPannel>(pages, 6))
    , m_func(Place<KeycodeFuncKeyPannel>(pages, 7))
{
    connect(m_basic, &KeyCodeBasicKeyPannel::BasicKeyPannelClicked, this, &KeymapPickers::CodeChosen);
    connect(m_media, &KeyCodeMediaKeyPannel::MediaKeyPannelClicked, this, &KeymapPickers::CodeChosen);
    connect(m_layer, &KeyCodeLayerKeyPannel::LayerKeyPannelClicked, this, &KeymapPickers::CodeChosen);
    connect(m_led, &KeyCodeLedKeyPannel::LedKeyPannelClicked, this, &KeymapPickers::CodeChosen);
    connect(m_macro, &KeyCodeMacroKeyPannel::MacroKeyPannelClicked, this, &KeymapPickers::CodeChosen);
    connect(m_func, &KeycodeFuncKeyPannel::FuncKeyPannelClicked, this, &KeymapPickers::CodeChosen);
    connect(m_diad, &KeyCodeDiadKeyPannel::DiadKeyPannelClicked, this, &KeymapPickers::HighByteChosen);
    connect(m_comb, &KeyCodeCombKeyPannel::CombKeyPannelClicked, this, &KeymapPickers::HighByteChosen);
}

KeyCodeSearchPannel* KeymapPickers::Search()
{
    // Built on the first search: its two hundred caps would slow every window's opening.
    if (m_search == nullptr) {
        m_search = new KeyCodeSearchPannel({m_basic, m_layer, m_led, m_media, m_macro, m_func}, m_searchHost);
        m_search->hide();
        static_cast<QBoxLayout*>(m_searchHost->layout())->addWidget(m_search, 1);
        connect(m_search, &KeyCodeSearchPannel::SearchKeyPannelClicked, this, &KeymapPickers::CodeChosen);
    }
    return m_search;
}

bool KeymapPickers::Searching() const
{
    return m_search != nullptr && m_search->isVisible();
}

void KeymapPickers::SetFilter(const QString& text)
{
    const bool searching = !text.trimmed().isEmpty();
    if (searching)
        Search()->SetFilter(text);
    if (m_search != nullptr)
        m_search->setVisible(searching);
}

void KeymapPickers::AttachSearchField(QLineEdit* field, QWidget* page)
{
    m_field = field;
    // Screen readers name the field and its sign by what they are for.
    field->setAccessibleName(field->placeholderText());
    QAction* sign = field->addAction(
        QIcon(IconHelper::Instance()->GetPixmap(QString::fromLatin1(Palette::kText), QChar(kSearchGlyph),
            KeymapPageLook::kCommandGlyphSize - 2, KeymapPageLook::kCommandIconSize, KeymapPageLook::kCommandIconSize)),
        QLineEdit::LeadingPosition);
    sign->setText(field->placeholderText());
    for (QToolButton* button : field->findChildren<QToolButton*>()) {
        if (button->defaultAction()
            && button->defaultAction()->objectName() == QLatin1String("_q_qlineeditclearaction"))
            button->setAccessibleName(tr("Clear the search"));
    }
    auto* find = new QAction(page);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, field, [field] {
        field->setFocus(Qt::ShortcutFocusReason);
        field->selectAll();
    });
    page->addAction(find);
    // Escape empties the field, as in search fields elsewhere.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), field);
    escape->setContext(Qt::WidgetShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        m_field->clear();
        emit SearchEscaped();
    });
    field->installEventFilter(this);
}

bool KeymapPickers::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason || reason == Qt::TabFocusReason)
            Search();
    }
    return QObject::eventFilter(watched, event);
}
