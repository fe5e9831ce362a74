#pragma once

#include "device/DeviceTypes.h"

#include <QString>
#include <QWidget>

namespace Ui {
class LinkGood;
}

// One product tile of the About page: its picture above its name, both opening the product's web
// page when clicked.
class LinkGood final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinkGood)

public:
    explicit LinkGood(QWidget* parent = nullptr);
    ~LinkGood() override;

    // Shows the picture "./Store/" + index + ".jpg", read and checked once and kept scaled in
    // memory, and name as plain text; both open link.
    void SetGood(tdu1 index, const QString& name, const QString& link);

    // Hands link to the system browser when it is an http or https address; false otherwise.
    static bool OpenLink(const QString& link);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Ui::LinkGood* ui;
    QString m_link;
};
