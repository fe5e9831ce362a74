#pragma once

#include <QWidget>

// The "About Us" page.
class AboutDialog final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
