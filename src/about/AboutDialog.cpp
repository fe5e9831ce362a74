#include "about/AboutDialog.h"

AboutDialog::AboutDialog(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("AboutDialog"));
}
