#pragma once

#include "device/DeviceTypes.h"

#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QString>

// How often each key of one keyboard model was pressed in the key tester, over all its sessions.
// The counts are kept in a small JSON file of the per-user folder, by model (product ID, four hex
// digits) and key place ("row,column"):
//     {"format": "driver-key-use", "version": 1, "models": {"0602": {"2,5": 42}}}
// Presses of this session wait in memory until Save adds them to what the file holds by then, so
// that two windows testing one model add up instead of overwriting each other. A file that is
// too big, not JSON or holds counts no keyboard could reach is refused whole and replaced on the
// next save.
class KeyUseStore final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyUseStore)

public:
    // Counts by Place(row, col).
    using Counts = QHash<int, qint64>;

    static constexpr qint64 kMaxFileSize = 1024 * 1024;
    // Far beyond any switch's life; a count above it is not a real one.
    static constexpr qint64 kMaxCount = 1000000000;

    static int Place(int row, int col)
    {
        return row << 8 | col;
    }
    static int RowOf(int place)
    {
        return place >> 8;
    }
    static int ColOf(int place)
    {
        return place & 0xFF;
    }

    explicit KeyUseStore(QObject* parent = nullptr);

    // Keeps the counts of model `productId` in the file at `path` and reads them; presses not saved
    // yet are given up. False, and why in *error, when the file was there but refused.
    bool Open(const QString& path, tdu2 productId, QString* error);
    bool IsOpen() const;

    // One press of the key at `place`.
    void Add(int place);
    // Saved and unsaved presses together.
    qint64 Count(int place) const;
    Counts AllCounts() const;
    qint64 Most() const;
    bool IsEmpty() const;
    bool HasUnsaved() const;

    // Adds the unsaved presses to the file. Nothing to do (and true) when there are none.
    bool Save(QString* error);
    // Forgets every count of the model, in the file too; other models keep theirs.
    bool Clear(QString* error);

    // The models of a key-use file, checked whole; a missing file has none. False, and why, for a
    // file that is refused.
    static bool ReadModels(const QString& path, QJsonObject* models, QString* error);

signals:
    void Changed();

private:
    QString ModelKey() const;
    bool Write(const QJsonObject& models, QString* error) const;

    QString m_path;
    tdu2 m_productId = 0;
    Counts m_saved;
    Counts m_unsaved;
};
