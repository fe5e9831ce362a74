#include "about/LinkGood.h"

#include "about/AboutLog.h"
#include "about/ProductPicture.h"
#include "ui/Download.h"
#include "ui_LinkGood.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPixmap>
#include <QUrl>

LinkGood::LinkGood(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::LinkGood)
{
    ui->setupUi(this);
    // Names and links come from a downloaded catalogue: shown as plain text, and the link opened
    // here, after a look at its scheme, never by the labels themselves.
    for (QLabel* label : {ui->lblGoodPic, ui->lblGoodName}) {
        label->setTextFormat(Qt::PlainText);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
    }
}

LinkGood::~LinkGood()
{
    delete ui;
}

void LinkGood::SetGood(tdu1 index, const QString& name, const QString& link)
{
    m_link = link;
    ui->lblGoodName->setText(name);
    const QImage picture
        = ProductPicture::Load(QStringLiteral("./Store/") + QString::number(index) + QStringLiteral(".jpg"));
    if (picture.isNull()) {
        ui->lblGoodPic->clear();
        return;
    }
    ui->lblGoodPic->setPixmap(
        QPixmap::fromImage(picture.scaled(ui->lblGoodPic->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

bool LinkGood::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
        && !m_link.isEmpty()) {
        OpenLink(m_link);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool LinkGood::OpenLink(const QString& link)
{
    const QUrl url(link, QUrl::StrictMode);
    if (!Download::IsWebUrl(url)) {
        qCDebug(lcAbout) << "link refused" << link;
        return false;
    }
    return QDesktopServices::openUrl(url);
}
