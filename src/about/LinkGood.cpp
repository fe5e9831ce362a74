#include "about/LinkGood.h"

#include "about/AboutLog.h"
#include "ui/Download.h"
#include "ui_LinkGood.h"

#include <QDesktopServices>
#include <QUrl>

LinkGood::LinkGood(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::LinkGood)
{
    ui->setupUi(this);
    // Links come from a downloaded catalogue: they are opened here, after a look at the scheme,
    // and never by the labels themselves.
    for (QLabel* label : {ui->lblGoodPic, ui->lblGoodName}) {
        label->setOpenExternalLinks(false);
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        connect(label, &QLabel::linkActivated, this, [](const QString& link) { OpenLink(link); });
    }
}

LinkGood::~LinkGood()
{
    delete ui;
}

void LinkGood::SetGood(tdu1 index, const QString& name, const QString& link)
{
    const QString href = QLatin1Char('"') + link.toHtmlEscaped() + QLatin1Char('"');
    ui->lblGoodPic->setText(QStringLiteral("<a href = ") + href + QStringLiteral("><img src=")
        + QStringLiteral("./Store/") + QString::number(index) + QStringLiteral(".jpg") + QStringLiteral("></a>"));
    ui->lblGoodName->setText(QStringLiteral("<a href=") + href + QLatin1Char('>') + name.toHtmlEscaped());
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
