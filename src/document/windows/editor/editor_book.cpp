// Save Book as PDF: the answers typeset as a book for the family.
#include "document/windows/editor/text_editor.h"
#include "shell/window_names.h"

#include "shell/dialogs.h"
#include "document/book/book_writer.h"
#include "document/pages/page_setup.h"
#include "questionnaire/answer_store.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

namespace {
const QString kTitle = QString::fromLatin1(kProgramTitle);
const QString kDefaultBookTitle = QStringLiteral("My Life Story");
const QString kTitlePrompt = QStringLiteral(
    "The book is made from your answers as stored in the question pages, not from the text edited here.\n\n"
    "Title of the book:");

// The title as a file name, in the folder of the document last saved or opened.
QString proposedName(const QString &title, const QString &documentPath)
{
    QString name = title;
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral(" "));
    name = name.simplified() + QStringLiteral(".pdf");
    return documentPath.isEmpty() ? name : QFileInfo(documentPath).dir().filePath(name);
}
} // namespace

void TextEditor::mnuFileSaveBook_Click()
{
    const QList<BookSection> content = bookContent(answerStore());
    if (content.isEmpty()) {
        Dialogs::get().message(this, QStringLiteral("There are no answers to put in a book yet."),
                               MessageRequest{MessageIcon::Information}, kTitle);
        return;
    }
    std::optional<QString> title = Dialogs::get().input(this, kTitlePrompt, kTitle, kDefaultBookTitle);
    if (!title)
        return;
    if (title->trimmed().isEmpty())
        title = kDefaultBookTitle;
    FileDialogRequest request;
    request.title = QStringLiteral("Save Book as PDF");
    request.filter = QStringLiteral("PDF Files (*.pdf)|*.pdf");
    request.fileName = proposedName(*title, m_file.path);
    request.defaultSuffix = QStringLiteral("pdf");
    request.overwritePrompt = true;
    const std::optional<QString> path = Dialogs::get().saveFile(this, request);
    if (!path)
        return;

    const BookOptions options{title->trimmed(), QLocale().toString(QDate::currentDate(), QLocale::LongFormat), userPaper()};
    std::unique_ptr<WorkProgress> progress = Dialogs::get().progress(this, QStringLiteral("Typesetting the book..."), kTitle);
    const Outcome saved = saveBook(content, options, *path, progress.get());
    progress.reset();
    if (saved.wasStopped())
        return;
    const QString shown = QDir::toNativeSeparators(*path);
    if (!saved.ok()) {
        Dialogs::get().message(this, QStringLiteral("The book could not be saved as \"%1\".\n\n%2").arg(shown, saved.error()),
                               MessageRequest{MessageIcon::Exclamation}, kTitle);
        return;
    }
    Dialogs::get().message(this, QStringLiteral("The book was saved as \"%1\".").arg(shown),
                           MessageRequest{MessageIcon::Information}, kTitle);
}
