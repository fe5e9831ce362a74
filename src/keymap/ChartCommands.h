#pragma once

#include "device/DeviceTypes.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class LayerChart;
class QWidget;

// Saving a layer chart to a file the user picks, or printing it, and what to tell the user.
class ChartCommands final
{
    Q_DECLARE_TR_FUNCTIONS(ChartCommands)

public:
    ChartCommands() = delete;

    struct Outcome
    {
        // Nothing to say when the user cancelled.
        tdu1 level = 0;
        QString text;
    };

    // Offers saving and printing in a menu below anchor; the chart is made once one is chosen.
    static Outcome FromMenu(
        QWidget* parent, QWidget* anchor, const std::function<std::unique_ptr<LayerChart>()>& makeChart);
    static Outcome SaveAs(QWidget* parent, LayerChart& chart);
    static Outcome Print(QWidget* parent, LayerChart& chart);
};
