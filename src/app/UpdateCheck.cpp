#include "app/UpdateCheck.h"

#include "app/AppLog.h"
#include "app/DeviceIndex.h"
#include "layout/LayoutFile.h"
#include "ui/Download.h"

#include <QUrl>

bool UpdateCheck::CheckIndex(const QByteArray& body, DeviceIndex* index)
{
    if (body.size() > kMaxFileSize) {
        qCDebug(lcApp) << "index too large";
        return false;
    }
    DeviceIndex parsed;
    if (!parsed.Parse(body))
        return false;
    if (parsed.keymaps.size() > kMaxLayouts) {
        qCDebug(lcApp) << "index lists too many layouts" << parsed.keymaps.size();
        return false;
    }
    for (const DeviceIndex::LayoutLocation& layout : qAsConst(parsed.keymaps)) {
        if (!Download::IsWebUrl(QUrl(layout.url, QUrl::StrictMode))) {
            qCDebug(lcApp) << "layout url refused" << layout.url;
            return false;
        }
    }
    *index = parsed;
    return true;
}

bool UpdateCheck::CheckLayout(const QByteArray& body)
{
    return body.size() <= kMaxFileSize && LayoutFile::Parse(body).ok;
}
