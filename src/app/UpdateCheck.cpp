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
        if (!IsPlainFileName(layout.name)) {
            qCDebug(lcApp) << "layout name refused" << layout.name;
            return false;
        }
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

bool UpdateCheck::IsPlainFileName(const QString& name)
{
    if (name.isEmpty() || name.size() > kMaxNameLength || name.startsWith(QLatin1Char('.')))
        return false;
    // Separators and the characters Windows gives a meaning in paths (drives, streams, devices).
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format || kForbidden.contains(c))
            return false;
    }
    // Trailing dots and spaces are dropped by Windows, so "NOVA_0." would be another name there.
    return !name.endsWith(QLatin1Char('.')) && !name.endsWith(QLatin1Char(' '));
}
