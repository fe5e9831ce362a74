#pragma once

#include "device/DeviceTypes.h"

#include <QCoreApplication>
#include <QString>

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

    static Outcome SaveAs(QWidget* parent, LayerChart& chart);
    static Outcome Print(QWidget* parent, LayerChart& chart);
};
