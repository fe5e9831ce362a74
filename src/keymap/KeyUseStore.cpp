#include "keymap/KeyUseStore.h"

#include "device/Protocol.h"
#include "keymap/KeymapLog.h"
#include "ui/LocalFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {
const QString kFormat = QStringLiteral("driver-key-use");
constexpr int kVersion = 1;

// "row,column" inside the largest grid a keyboard has.
bool ParsePlace(const QString& key, int* place)
{
    const QStringList parts = key.split(QLatin1Char(','));
    if (parts.size() != 2)
        return false;
    bool rowOk = false;
    bool colOk = false;
    const int row = parts.at(0).toInt(&rowOk);
    const int col = parts.at(1).toInt(&colOk);
    if (!rowOk || !colOk || row < 0 || row >= Protocol::kMaxRows || col < 0 || col >= Protocol::kMaxCols)
        return false;
    *place = KeyUseStore::Place(row, col);
    return true;
}

bool ParseCounts(const QJsonObject& model, KeyUseStore::Counts* counts)
{
    counts->clear();
    for (auto it = model.begin(); it != model.end(); ++it) {
        int place = 0;
        if (!ParsePlace(it.key(), &place) || !it.value().isDouble())
            return false;
        const double count = it.value().toDouble();
        if (!(count >= 0 && count <= double(KeyUseStore::kMaxCount)) || count != std::floor(count))
            return false;
        counts->insert(place, qint64(count));
    }
    return true;
}

QJsonObject CountsObject(const KeyUseStore::Counts& counts)
{
    QJsonObject object;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > 0) {
            object.insert(QStringLiteral("%1,%2").arg(KeyUseStore::RowOf(it.key())).arg(KeyUseStore::ColOf(it.key())),
                double(it.value()));
        }
    }
    return object;
}

bool IsModelKey(const QString& key)
{
    bool ok = false;
    key.toUShort(&ok, 16);
    return ok && key.size() == 4;
}
} // namespace

KeyUseStore::KeyUseStore(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("keyUseStore"));
}

bool KeyUseStore::ReadModels(const QString& path, QJsonObject* models, QString* error)
{
    *models = QJsonObject();
    QByteArray content;
    const LocalFile::Result read = LocalFile::Read(path, kMaxFileSize, &content);
    if (read == LocalFile::Result::Missing)
        return true;
    if (read != LocalFile::Result::Ok) {
        *error = QStringLiteral("unreadable or too large (%1)").arg(int(read));
        return false;
    }
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(content, &parsed);
    const QJsonObject root = document.object();
    if (parsed.error != QJsonParseError::NoError || !document.isObject()) {
        *error = QStringLiteral("not a JSON object: %1").arg(parsed.errorString());
        return false;
    }
    if (root.value(QStringLiteral("format")).toString() != kFormat
        || root.value(QStringLiteral("version")).toInt() != kVersion
        || !root.value(QStringLiteral("models")).isObject()) {
        *error = QStringLiteral("not a key-use file of this version");
        return false;
    }
    const QJsonObject found = root.value(QStringLiteral("models")).toObject();
    Counts counts;
    for (auto it = found.begin(); it != found.end(); ++it) {
        if (!IsModelKey(it.key()) || !it.value().isObject() || !ParseCounts(it.value().toObject(), &counts)) {
            *error = QStringLiteral("bad counts for model %1").arg(it.key().left(8));
            return false;
        }
    }
    *models = found;
    return true;
}

bool KeyUseStore::Open(const QString& path, tdu2 productId, QString* error)
{
    m_path = path;
    m_productId = productId;
    m_saved.clear();
    m_unsaved.clear();
    QJsonObject models;
    const bool read = ReadModels(path, &models, error);
    if (read)
        ParseCounts(models.value(ModelKey()).toObject(), &m_saved);
    else
        qCDebug(lcKeymap) << "Key use file refused" << path << *error;
    emit Changed();
    return read;
}

bool KeyUseStore::IsOpen() const
{
    return !m_path.isEmpty();
}

QString KeyUseStore::ModelKey() const
{
    return QStringLiteral("%1").arg(m_productId, 4, 16, QLatin1Char('0')).toUpper();
}

void KeyUseStore::Add(int place)
{
    m_unsaved[place]++;
    emit Changed();
}

qint64 KeyUseStore::Count(int place) const
{
    return std::min(kMaxCount, m_saved.value(place) + m_unsaved.value(place));
}

KeyUseStore::Counts KeyUseStore::AllCounts() const
{
    Counts all = m_saved;
    for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it)
        all[it.key()] = Count(it.key());
    return all;
}

qint64 KeyUseStore::Most() const
{
    qint64 most = 0;
    const Counts all = AllCounts();
    for (qint64 count : all)
        most = std::max(most, count);
    return most;
}

bool KeyUseStore::IsEmpty() const
{
    return Most() == 0;
}

bool KeyUseStore::HasUnsaved() const
{
    return !m_unsaved.isEmpty();
}

bool KeyUseStore::Write(const QJsonObject& models, QString* error) const
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), kFormat);
    root.insert(QStringLiteral("version"), kVersion);
    root.insert(QStringLiteral("models"), models);
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return LocalFile::Replace(m_path, QJsonDocument(root).toJson(QJsonDocument::Indented), error);
}

bool KeyUseStore::Save(QString* error)
{
    if (!IsOpen() || m_unsaved.isEmpty())
        return true;
    QJsonObject models;
    QString refused;
    // A refused file is replaced: nothing in it could be trusted.
    if (!ReadModels(m_path, &models, &refused))
        qCDebug(lcKeymap) << "Key use file replaced" << m_path << refused;
    Counts merged;
    ParseCounts(models.value(ModelKey()).toObject(), &merged);
    for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it)
        merged[it.key()] = std::min(kMaxCount, merged.value(it.key()) + it.value());
    models.insert(ModelKey(), CountsObject(merged));
    if (!Write(models, error))
        return false;
    m_saved = merged;
    m_unsaved.clear();
    qCDebug(lcKeymap) << "Key use saved" << m_path << ModelKey();
    emit Changed();
    return true;
}

bool KeyUseStore::Clear(QString* error)
{
    if (IsOpen()) {
        QJsonObject models;
        QString refused;
        if (!ReadModels(m_path, &models, &refused))
            qCDebug(lcKeymap) << "Key use file replaced" << m_path << refused;
        models.remove(ModelKey());
        if (!Write(models, error))
            return false;
    }
    m_saved.clear();
    m_unsaved.clear();
    emit Changed();
    return true;
}
