#include "ui/ShortcutHelp.h"

#include "ui/Shortcuts.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

ShortcutHelp::ShortcutHelp(QWidget* window)
    : QDialog(window)
{
    setObjectName(QStringLiteral("ShortcutHelp"));
    setWindowTitle(tr("Keyboard Shortcuts"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("txtShortcutHelp"));
    text->setAccessibleName(windowTitle());
    text->setHtml(Html(window));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(560, 640);
}

ShortcutHelp* ShortcutHelp::Open(QWidget* window)
{
    auto* shown = window->findChild<ShortcutHelp*>(QStringLiteral("ShortcutHelp"), Qt::FindDirectChildrenOnly);
    if (shown == nullptr)
        shown = new ShortcutHelp(window);
    shown->show();
    shown->raise();
    shown->activateWindow();
    return shown;
}

QString ShortcutHelp::Html(const QWidget* window)
{
    QString html;
    for (const Shortcuts* table : Shortcuts::Of(window)) {
        html += QStringLiteral("<h3>%1</h3><table cellspacing=\"0\" cellpadding=\"3\">")
                    .arg(table->Title().toHtmlEscaped());
        for (const Shortcuts::Entry& entry : table->Entries()) {
            html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                        .arg(entry.keysText.toHtmlEscaped(), entry.what.toHtmlEscaped());
        }
        html += QStringLiteral("</table>");
    }
    return html;
}
