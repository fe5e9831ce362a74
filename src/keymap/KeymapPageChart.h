#pragma once

#include "device/DeviceTypes.h"
#include "keymap/ChartCommands.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class KeymapStore;
class KeyPannel;
class LayerChart;
class QToolButton;
class QWidget;

// The layer charts of the keymap page: the four layers of the shown keymap, drawn with the page's
// caps and headed by the names its buttons show, saved or printed.
class KeymapPageChart final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeymapPageChart)

public:
    // model gives the name of the model the charts are headed by.
    KeymapPageChart(QWidget* page,
        const KeyPannel* pannel,
        const KeymapStore* store,
        const QList<QToolButton*>& keymapButtons,
        const QList<QToolButton*>& layerButtons,
        std::function<QString()> model);

    // Saving and printing offered in a menu below anchor.
    void FromMenu(QWidget* anchor);
    void SaveAs();
    void Print();

signals:
    void ResultShow(tdu1 level, QString text);

private:
    std::unique_ptr<LayerChart> Make() const;
    void Show(const ChartCommands::Outcome& outcome);

    QWidget* m_page;
    const KeyPannel* m_pannel;
    const KeymapStore* m_store;
    QList<QToolButton*> m_keymapButtons;
    QList<QToolButton*> m_layerButtons;
    std::function<QString()> m_model;
};
