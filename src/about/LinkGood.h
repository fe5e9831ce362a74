#pragma once

#include "device/DeviceTypes.h"

#include <QString>
#include <QWidget>

namespace Ui {
class LinkGood;
}

// One product tile of the About page: its picture above its name, both linking to the product's
// web page.
class LinkGood final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinkGood)

public:
    explicit LinkGood(QWidget* parent = nullptr);
    ~LinkGood() override;

    // Shows "./Store/" + index + ".jpg" and name, both linking to link.
    void SetGood(tdu1 index, const QString& name, const QString& link);

    // Hands link to the system browser when it is an http or https address; false otherwise.
    static bool OpenLink(const QString& link);

private:
    Ui::LinkGood* ui;
};
