#include "keymap/KeymapPageChart.h"

#include "keymap/KeymapStore.h"
#include "keymap/LayerChart.h"
#include "layout/KeyPannel.h"

#include <QDate>
#include <QToolButton>

KeymapPageChart::KeymapPageChart(QWidget* page,
    const KeyPannel* pannel,
    const KeymapStore* store,
    const QList<QToolButton*>& keymapButtons,
    const QList<QToolButton*>& layerButtons,
    std::function<QString()> model)
    : QObject(page)
    , m_page(page)
    , m_pannel(pannel)
    , m_store(store)
    , m_keymapButtons(keymapButtons)
    , m_layerButtons(layerButtons)
    , m_model(std::move(model))
{ }

void KeymapPageChart::FromMenu(QWidget* anchor)
{
    Show(ChartCommands::FromMenu(m_page, anchor, [this] { return Make(); }));
}

void KeymapPageChart::SaveAs()
{
    if (m_pannel->IsBuilt())
        Show(ChartCommands::SaveAs(m_page, *Make()));
}

void KeymapPageChart::Print()
{
    if (m_pannel->IsBuilt())
        Show(ChartCommands::Print(m_page, *Make()));
}

std::unique_ptr<LayerChart> KeymapPageChart::Make() const
{
    const int keymap = m_store->CurrentKeymap();
    LayerChart::Titles titles;
    titles.model = m_model();
    titles.keymap = m_keymapButtons.at(keymap)->text();
    for (const QToolButton* button : m_layerButtons)
        titles.layers.append(button->text());
    titles.date = QDate::currentDate();
    return std::make_unique<LayerChart>(*m_pannel, *m_store, keymap, titles);
}

void KeymapPageChart::Show(const ChartCommands::Outcome& outcome)
{
    if (!outcome.text.isEmpty())
        emit ResultShow(outcome.level, outcome.text);
}
