#include "ui/FileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

#include <utility>

namespace {
struct DialogSeam
{
    bool hasAnswer = false;
    QString answer;
    QString caption;
    QString dir;
    QString filter;
    std::function<void()> whileOpen;
};

// The dialog belongs to the page's window, not the page: a page's style sheet is made for its
// dark bars and would turn the dialog's labels and buttons unreadable.
QWidget* DialogParent(QWidget* page)
{
    return page ? page->window() : nullptr;
}

DialogSeam& Seam()
{
    static DialogSeam seam;
    return seam;
}
} // namespace

bool FileDialog::TakeNextAnswer(const QString& caption, const QString& dir, const QString& filter, QString* fileName)
{
    DialogSeam& seam = Seam();
    seam.caption = caption;
    seam.dir = dir;
    seam.filter = filter;
    if (seam.whileOpen)
        std::exchange(seam.whileOpen, nullptr)();
    if (!seam.hasAnswer)
        return false;
    seam.hasAnswer = false;
    *fileName = seam.answer;
    return true;
}

QString FileDialog::GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    QString fileName;
    if (TakeNextAnswer(caption, dir, filter, &fileName))
        return fileName;
    return QFileDialog::getSaveFileName(DialogParent(parent), caption, dir, filter);
}

QString FileDialog::GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    QString fileName;
    if (TakeNextAnswer(caption, dir, filter, &fileName))
        return fileName;
    return QFileDialog::getOpenFileName(DialogParent(parent), caption, dir, filter);
}

void FileDialog::SetNextFileName(const QString& fileName)
{
    Seam().hasAnswer = true;
    Seam().answer = fileName;
}

void FileDialog::SetWhileOpen(std::function<void()> action)
{
    Seam().whileOpen = std::move(action);
}

QString FileDialog::LastCaption()
{
    return Seam().caption;
}

QString FileDialog::LastDir()
{
    return Seam().dir;
}

QString FileDialog::LastFilter()
{
    return Seam().filter;
}

QString FileDialog::StartFolder()
{
    // The desktop folder is often missing on Linux; a missing folder would end up as the file name.
    for (const QStandardPaths::StandardLocation location :
        {QStandardPaths::DesktopLocation, QStandardPaths::DocumentsLocation, QStandardPaths::HomeLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder + QLatin1Char('/');
    }
    return QString();
}
