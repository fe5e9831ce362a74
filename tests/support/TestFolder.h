#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A temporary working folder laid out like the program's run folder (config/, Lang/); the
// process works inside it while the object lives.
class TestFolder
{
public:
    TestFolder()
        : m_previous(QDir::currentPath())
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("config"));
        QDir(m_dir.path()).mkpath(QStringLiteral("Lang"));
        QDir::setCurrent(m_dir.path());
    }
    ~TestFolder()
    {
        QDir::setCurrent(m_previous);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    QString Path(const QString& relative) const
    {
        return m_dir.filePath(relative);
    }
    bool Write(const QString& relative, const QByteArray& content) const
    {
        QFile file(Path(relative));
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }
    // Whole content of a file, empty when it cannot be read.
    QByteArray Read(const QString& relative) const
    {
        QFile file(Path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
