#include "keymap/KeyUseScale.h"

#include "ui/Palette.h"

#include <QStyle>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace {
// Every channel falls from the light end to the dark one, so each step is darker than the last.
const QColor kLightest(222, 235, 247);
const QColor kDarkest(8, 48, 107);
const char* const kProperty = "keyUse";

int Mix(int light, int dark, int step)
{
    return light + (dark - light) * (step - 1) / (KeyUseScale::kSteps - 1);
}
} // namespace

QColor KeyUseScale::Color(int step)
{
    if (step < 1 || step > kSteps)
        return QColor();
    return QColor(Mix(kLightest.red(), kDarkest.red(), step), Mix(kLightest.green(), kDarkest.green(), step),
        Mix(kLightest.blue(), kDarkest.blue(), step));
}

QColor KeyUseScale::Ink(int step)
{
    const QColor face = Color(step);
    if (!face.isValid())
        return QColor();
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return Palette::ContrastRatio(face, black) >= Palette::ContrastRatio(face, white) ? black : white;
}

int KeyUseScale::StepOf(qint64 count, qint64 most)
{
    if (count <= 0)
        return 0;
    if (most <= 1 || count >= most)
        return kSteps;
    const double share = std::log(double(count)) / std::log(double(most));
    return qBound(1, 1 + int(std::floor(share * (kSteps - 1))), kSteps);
}

qint64 KeyUseScale::LowestOf(int step, qint64 most)
{
    if (step <= 1 || most <= 1)
        return 1;
    // The logarithm's bound, then set right against StepOf where rounding put it off by one.
    qint64 lowest = qint64(std::ceil(std::pow(double(most), double(step - 1) / (kSteps - 1))));
    while (lowest > 1 && StepOf(lowest - 1, most) >= step)
        --lowest;
    while (lowest <= most && StepOf(lowest, most) < step)
        ++lowest;
    return lowest;
}

QString KeyUseScale::StyleRules()
{
    QString rules;
    for (int step = 1; step <= kSteps; ++step) {
        rules += QStringLiteral("QWidget#tbtnBottom[%1=\"%2\"]{background:%3;color:%4;}")
                     .arg(QLatin1String(kProperty))
                     .arg(step)
                     .arg(Color(step).name(), Ink(step).name());
    }
    return rules;
}

void KeyUseScale::Apply(QWidget* button, int step)
{
    if (button->property(kProperty).toInt() == step)
        return;
    button->setProperty(kProperty, step);
    button->style()->unpolish(button);
    button->style()->polish(button);
    button->update();
}
