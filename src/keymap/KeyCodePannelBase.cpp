#include "keymap/KeyCodePannelBase.h"

#include "keymap/KeyCodeCatalogue.h"
#include "keymap/KeyCodeDescription.h"
#include "ui/ChoiceRow.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QVariant>

namespace {
constexpr int kPageMargin = 8;
constexpr int kNavButtonHeight = 28;
constexpr int kCaptionInset = 2;
constexpr int kNarrowestStretch = QFont::Condensed;
constexpr int kStretchStep = 5;

// Order of the boxes matches the modifier bits: Ctrl, Shift, Alt, Win.
const char* const kModifierNames[2][4] = {
    {"ckbLCtrl", "ckbLShift", "ckbLAlt", "ckbLWin"},
    {"ckbRCtrl", "ckbRShift", "ckbRAlt", "ckbRWin"},
};
const char* const kModifierCaptions[4] = {"Ctrl", "Shift", "Alt", "Win"};
} // namespace

KeyCodePannelBase::KeyCodePannelBase(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
    QVBoxLayout* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
}

KeyCodePannelBase::~KeyCodePannelBase() = default;

void KeyCodePannelBase::ShowCode(KeyCap* cap, tdu2 code)
{
    switch (KeyCodeCatalogue::KeyDisplayKind(code)) {
    case KeyCodeCatalogue::DisplayGlyph:
        cap->SetIcon(QChar(KeyCodeCatalogue::KeyGlyph(code)));
        break;
    case KeyCodeCatalogue::DisplayGlyphCaption:
        cap->SetIconCaption(QChar(KeyCodeCatalogue::KeyGlyph(code)), KeyCodeCatalogue::KeyCaption(code));
        break;
    default:
        cap->SetCaption(KeyCodeCatalogue::KeyCaption(code), KeyCodeCatalogue::IsItalic(code));
        break;
    }
    cap->SetRoleMark(RoleMarkOf(code));
    // On the cap rather than its button, so that a tip a page puts on the button for a while
    // (the comparison's) goes over it and, taken away, leaves this one showing.
    const QString does = KeyCodeDescription::Of(code);
    cap->setToolTip(does);
    // For screen readers: the key's name and, on the keyboard's picture, its place; then its sort
    // and what it does.
    const QString name = KeyCodeCatalogue::KeyDescription(code);
    const QString place = cap->Button()->property("place").toString();
    const QString named = name.isEmpty() ? does : name;
    cap->Button()->setAccessibleName(place.isEmpty() ? named : named + QStringLiteral(", ") + place);
    const QString kind = KeyCodeDescription::KindOf(code);
    cap->Button()->setAccessibleDescription(kind.isEmpty() ? does : kind + QStringLiteral(": ") + does);
}

KeyCap::RoleMark KeyCodePannelBase::RoleMarkOf(tdu2 code)
{
    switch (KeyCodeCatalogue::CodeKind(code)) {
    case KeyCodeCatalogue::KindDualLeft:
    case KeyCodeCatalogue::KindDualRight:
    case KeyCodeCatalogue::KindDualLayer:
        return KeyCap::RoleMark::DualRole;
    case KeyCodeCatalogue::KindCombLeft:
    case KeyCodeCatalogue::KindCombRight:
        return KeyCap::RoleMark::Combination;
    default:
        return KeyCap::RoleMark::None;
    }
}

int KeyCodePannelBase::CaptionRoom(const KeyCap* cap)
{
    // The cap's border and a pixel of air on either side.
    return cap->Button()->width() - 2 * kCaptionInset;
}

int KeyCodePannelBase::CaptionWidth(const KeyCap* cap)
{
    const QToolButton* button = cap->Button();
    const QFontMetrics metrics(button->font());
    int widest = 0;
    for (QString line : button->text().split(QLatin1Char('\n'))) {
        // "&&" shows as one ampersand.
        widest = qMax(widest, metrics.horizontalAdvance(line.replace(QStringLiteral("&&"), QStringLiteral("&"))));
    }
    return widest;
}

void KeyCodePannelBase::FitCaption(KeyCap* cap)
{
    // Narrow the face rather than shrink it, so every cap of a picker keeps its point size.
    const int room = CaptionRoom(cap);
    for (int stretch = QFont::Unstretched; CaptionWidth(cap) > room && stretch > kNarrowestStretch;) {
        stretch -= kStretchStep;
        QFont font = cap->Button()->font();
        font.setStretch(stretch);
        cap->Button()->setFont(font);
    }
}

int KeyCodePannelBase::ValueOfCap(const QObject* cap) const
{
    for (int i = 0; i < m_caps.size(); ++i) {
        if (m_caps.at(i) == cap) {
            return m_values.at(i);
        }
    }
    return -1;
}

tdu1 KeyCodePannelBase::PointSizeOfCap(const QObject* cap) const
{
    for (int i = 0; i < m_caps.size(); ++i) {
        if (m_caps.at(i) == cap) {
            return m_pointSizes.at(i);
        }
    }
    return 0;
}

QList<KeyCap*> KeyCodePannelBase::Caps() const
{
    return m_caps;
}

QList<QToolButton*> KeyCodePannelBase::NavButtons() const
{
    return m_navButtons;
}

QStackedWidget* KeyCodePannelBase::Pages() const
{
    return m_pages;
}

QVector<tdu2> KeyCodePannelBase::CodeRange(tdu2 first, tdu2 last)
{
    QVector<tdu2> codes;
    for (int code = first; code <= last; ++code) {
        codes.append(static_cast<tdu2>(code));
    }
    return codes;
}

QWidget* KeyCodePannelBase::MakeCapPage(
    const QString& name, const QVector<tdu2>& shown, tdu1 pointSize, int perRow, const QVector<tdu2>& values)
{
    QWidget* page = new QWidget();
    page->setObjectName(name);
    KeyCap::MakeStyleHost(page);
    QGridLayout* grid = new QGridLayout(page);
    grid->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
    grid->setSpacing(kCapSpacing);
    grid->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int i = 0; i < shown.size(); ++i) {
        KeyCap* cap = MakeCap(page, shown.at(i), pointSize, values.isEmpty() ? shown.at(i) : values.at(i));
        grid->addWidget(cap, i / perRow, i % perRow);
    }
    return page;
}

KeyCap* KeyCodePannelBase::MakeCap(QWidget* parent, tdu2 shown, tdu1 pointSize, tdu2 value)
{
    KeyCap* cap = new KeyCap(parent);
    cap->SetKeySize(kCapUnits, kCapUnits, kCapPix, kCapMargin, pointSize);
    ShowCode(cap, shown);
    FitCaption(cap);
    if (value != shown) {
        // A cap that stands for a high byte (a dual-role layer) shows what it makes of a key.
        cap->SetRoleMark(RoleMarkOf(value));
        cap->setToolTip(KeyCodeDescription::OfHighByte(value));
    }
    m_caps.append(cap);
    m_values.append(value);
    m_pointSizes.append(pointSize);
    return cap;
}

void KeyCodePannelBase::SetSinglePage(QWidget* page)
{
    QVBoxLayout* root = static_cast<QVBoxLayout*>(layout());
    root->addWidget(page);
    root->addStretch(1);
}

void KeyCodePannelBase::SetUpNavigation(const QString& barName, const QString& stackName)
{
    QWidget* bar = new QWidget(this);
    bar->setObjectName(barName);
    // The page's navigation style applies to every bar flagged this way.
    bar->setProperty("flag", QStringLiteral("keycode"));
    bar->setAttribute(Qt::WA_StyledBackground, true);
    m_navLayout = new QHBoxLayout(bar);
    m_navLayout->setContentsMargins(kPageMargin, 0, kPageMargin, 0);
    m_navLayout->setSpacing(0);
    m_navLayout->addStretch(1);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(stackName);

    QVBoxLayout* root = static_cast<QVBoxLayout*>(layout());
    root->addWidget(bar);
    root->addWidget(m_pages);
    root->addStretch(1);
}

QToolButton* KeyCodePannelBase::AddNavPage(const QString& buttonName, const QString& caption, QWidget* page)
{
    QToolButton* button = new QToolButton();
    button->setObjectName(buttonName);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumHeight(kNavButtonHeight);
    // Keep the trailing stretch last so the buttons pack to the left.
    m_navLayout->insertWidget(m_navButtons.size(), button);
    m_navButtons.append(button);
    m_pages->addWidget(page);
    if (m_navRow == nullptr) {
        m_navRow = new ChoiceRow(this, [this](int index) {
            m_pages->setCurrentIndex(index);
            PageShown(index);
        });
        // The first page shows from the start, before the picker is complete.
        button->setCheckable(true);
        button->setChecked(true);
        m_pages->setCurrentIndex(0);
    }
    m_navRow->Add(button);
    return button;
}

void KeyCodePannelBase::PageShown(int index)
{
    Q_UNUSED(index);
}

QWidget* KeyCodePannelBase::MakeModifierPage(Side side)
{
    QWidget* page = new QWidget();
    page->setObjectName(side == LeftSide ? QStringLiteral("skwLMode") : QStringLiteral("skwRMode"));
    QHBoxLayout* row = new QHBoxLayout(page);
    row->setContentsMargins(kPageMargin * 2, kPageMargin * 2, kPageMargin * 2, kPageMargin * 2);
    row->setSpacing(kPageMargin * 2);
    row->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int i = 0; i < 4; ++i) {
        QCheckBox* box = new QCheckBox(page);
        box->setObjectName(QString::fromLatin1(kModifierNames[side][i]));
        box->setText(side == LeftSide ? tr("Left %1").arg(QString::fromLatin1(kModifierCaptions[i]))
                                      : tr("Right %1").arg(QString::fromLatin1(kModifierCaptions[i])));
        row->addWidget(box);
        m_modifierBoxes[side][i] = box;
    }

    QToolButton* apply = new QToolButton(page);
    apply->setObjectName(side == LeftSide ? QStringLiteral("tbtnLModSet") : QStringLiteral("tbtnRModSet"));
    apply->setText(tr("Apply"));
    apply->setMinimumSize(80, kNavButtonHeight);
    row->addWidget(apply);
    row->addStretch(1);
    m_applyButtons[side] = apply;
    return page;
}

QToolButton* KeyCodePannelBase::ApplyButton(Side side) const
{
    return m_applyButtons[side];
}

tdu2 KeyCodePannelBase::TakeModifiers(Side side, int kind)
{
    bool checked[4] = {};
    for (int i = 0; i < 4; ++i) {
        checked[i] = m_modifierBoxes[side][i] != nullptr && m_modifierBoxes[side][i]->isChecked();
    }
    ClearModifiers(side);
    return KeyCodeCatalogue::ModifierHighByte(kind, checked[0], checked[1], checked[2], checked[3]);
}

void KeyCodePannelBase::ClearModifiers(Side side)
{
    for (QCheckBox* box : m_modifierBoxes[side]) {
        if (box != nullptr) {
            box->setChecked(false);
        }
    }
}
