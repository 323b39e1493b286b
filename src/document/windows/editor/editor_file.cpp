// Open, Print, Return to Main Menu, Exit, closing and resizing.
#include "document/windows/editor/text_editor.h"
#include "shell/window_names.h"

#include "shell/dialogs.h"
#include "shell/exit_question.h"
#include "document/composer/composer.h"
#include "document/pages/page_printing.h"
#include "document/pages/page_setup.h"
#include "document/datafile/known_files.h"
#include "document/recovery/recovery_file.h"
#include "document/windows/editor/rich_text_box.h"
#include "document/windows/editor/save_flow.h"
#include "document/reading/document_limits.h"
#include "document/reading/regular_file.h"
#include "document/rtf/rtf.h"
#include "text/windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPrinter>
#include <QResizeEvent>
#include <QStringDecoder>

namespace {
const QString kTitle = QString::fromLatin1(kProgramTitle);
const QString kCaptionSuffix = QStringLiteral(" - Text Editor");
const QString kOpenFilter = QStringLiteral("Rich Text Files (*.rtf)|*.rtf|Text Files (*.txt)|*.txt|All Files (*.*)|*.*");

bool isRtfName(const QString &path) { return QFileInfo(path).suffix().compare(QLatin1String("rtf"), Qt::CaseInsensitive) == 0; }

// Plain text is UTF-8 when it decodes cleanly as such, otherwise the Windows ANSI page.
QString decodePlainText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return Windows1252::decode(bytes);
}

// A reader's refusal, led by what it means for the user; the reader's words follow.
Outcome plainRefusal(const QString &path, const Outcome &read)
{
    if (read.ok() || read.wasStopped())
        return read;
    const QString name = QFileInfo(path).fileName();
    const QString lead = read.error() == tooManyParagraphs()
                             ? QStringLiteral("\"%1\" is too long for the editor.").arg(name)
                             : QStringLiteral("\"%1\" could not be opened as a document.").arg(name);
    return Outcome::failed(lead + QLatin1Char(' ') + read.error());
}
} // namespace

bool TextEditor::saveFirst()
{
    if (!docChanged())
        return true;
    const MessageAnswer answer =
        Dialogs::get().message(this, QStringLiteral("Do you want to save the current document?"),
                               MessageRequest{MessageIcon::Exclamation, MessageButtons::YesNoCancel, DefaultButton::Third}, kTitle);
    if (answer == MessageAnswer::No)
        return true;
    return answer == MessageAnswer::Yes && m_saveFlow->saveAndWait();
}

Outcome TextEditor::loadDocumentFile(const QString &path, bool &readAsRtf)
{
    if (const Outcome regular = checkRegularFile(path); !regular.ok())
        return regular;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadableFile(file);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return unreadableFile(file);
    // Read into a document of its own, so a failure leaves the editor as it was.
    auto document = std::make_unique<QTextDocument>(m_edit);
    const std::unique_ptr<WorkProgress> progress = openingProgress(path);
    readAsRtf = Rtf::isRtf(bytes.left(5));
    std::optional<FastLayout::TextTraits> traits;
    if (readAsRtf) {
        if (const Outcome read = Rtf::read(bytes, *document, progress.get()); !read.ok())
            return plainRefusal(path, read);
    } else {
        const QString text = decodePlainText(bytes);
        if (const Outcome fits = checkEditorLength(text); !fits.ok())
            return plainRefusal(path, fits);
        if (!fillDocument(*document, text, progress.get(), &traits.emplace()))
            return Outcome::stopped();
    }
    replaceDocument(document.release(), traits);
    return {};
}

void TextEditor::mnuFileOpen_Click()
{
    if (m_saveFlow->waiting() || !saveFirst())
        return;
    FileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filter = kOpenFilter;
    request.fileName = QString();
    request.sidePanelFolders = RecoveryFile::keptFolders();
    const std::optional<QString> path = Dialogs::get().openFile(this, request);
    if (!path)
        return;
    bool readAsRtf = false;
    const Outcome opened = loadDocumentFile(*path, readAsRtf);
    if (!opened.ok()) {
        if (opened.wasStopped())
            return;
        Dialogs::get().message(this, opened.error(), MessageRequest{MessageIcon::Exclamation}, kTitle);
        return;
    }
    KnownFiles::remember(*path);
    m_leaveMode = LeaveMode::Opened;
    setWindowTitle(*path + kCaptionSuffix);
    // Save goes on writing an opened RTF file. Any other file, and one read as plain text
    // whatever its name, only lends its name to Save As, whose overwrite question guards it.
    const QFileInfo info(*path);
    const QString rtfName = isRtfName(*path) ? *path : info.dir().filePath(info.completeBaseName() + QStringLiteral(".rtf"));
    m_file = {rtfName, !readAsRtf || rtfName != *path};
    setDocChanged(false);
    postDocument();
}

void TextEditor::mnuFilePrint_Click()
{
    // The whole document, every page, with its formatting, on the document's own paper.
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(documentPageLayout(*m_edit->document()));
    if (!Dialogs::get().setupPrinter(this, printer))
        return;
    printDocument(*m_edit->document(), printer);
}

void TextEditor::mnuFilePrintPreview_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(documentPageLayout(*m_edit->document()));
    const QTextDocument *document = m_edit->document();
    Dialogs::get().printPreview(this, printer, [document](QPrinter &target) { printDocument(*document, target); });
}

void TextEditor::mnuFileReturn_Click()
{
    m_leaveMode = LeaveMode::Return;
    close();
}

void TextEditor::mnuFileExit_Click() { close(); }

// Return to Main Menu, Exit and the close box all end here.
bool TextEditor::formQueryClose()
{
    if (m_saveFlow->waiting() || !saveFirst())
        return false;
    if (m_leaveMode == LeaveMode::Return) {
        Forms::navigate(this, QLatin1String(WindowName::Main));
        unloadLater();
        return true;
    }
    endProgramDeliberately();
    return false;
}

// The client area lies below the menu bar. The box keeps its place and takes the client
// area's full size, so it reaches past the right and bottom edges by its offset.
void TextEditor::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    const int menuHeight = m_menuBar->sizeHint().height();
    m_menuBar->setGeometry(0, 0, width(), menuHeight);
    m_client->setGeometry(0, menuHeight, width(), height() - menuHeight);
    // The box keeps its offset from the left and top and ends at the client area's edges,
    // so its scroll bar and last line stay inside the window.
    m_edit->resize(qMax(0, m_client->width() - m_edit->x()), qMax(0, m_client->height() - m_edit->y()));
}
