// Progress dialogs for reading a document and composing one.
#include "document/windows/editor/text_editor.h"
#include "shell/window_names.h"

#include "shell/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>

namespace {
const QString kTitle = QString::fromLatin1(kProgramTitle);
} // namespace

std::unique_ptr<WorkProgress> TextEditor::openingProgress(const QString &path)
{
    return Dialogs::get().progress(this, QStringLiteral("Opening \"%1\"...").arg(QDir::toNativeSeparators(path)), kTitle);
}

std::unique_ptr<WorkProgress> TextEditor::composingProgress()
{
    return Dialogs::get().progress(this, QStringLiteral("Composing the document from your answers..."), kTitle);
}

// Runs once the showing of the editor is over: the main menu comes back and the window is gone,
// so the next opening composes afresh.
void TextEditor::abandonOpening()
{
    QPointer<TextEditor> self(this);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self] {
            if (!self)
                return;
            Forms::navigate(self, QLatin1String(WindowName::Main));
            self->unloadLater();
        },
        Qt::QueuedConnection);
}
