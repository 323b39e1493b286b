// Open, Print, Return to Main Menu, Exit, closing and resizing.
#include "document/editor/text_editor.h"

#include "app/dialogs.h"
#include "document/composer/composer.h"
#include "document/editor/rich_text_box.h"
#include "document/reading/document_limits.h"
#include "document/reading/regular_file.h"
#include "document/rtf/rtf.h"
#include "document/rtf/rtf_codepage.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPrinter>
#include <QResizeEvent>
#include <QStringDecoder>
#include <optional>

namespace {
const QString kTitle = QStringLiteral("Kinscribe");
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
    text.clear();
    Rtf::TextDecoder().decode(Rtf::CodePage::Windows1252, std::string_view(bytes.constData(), bytes.size()), text);
    return text;
}
} // namespace

void TextEditor::saveCommand()
{
    if (m_openedNotRtf)
        mnuFileSaveAs_Click();
    else
        mnuFileSave_Click();
}

bool TextEditor::saveFirst()
{
    if (!m_docChanged)
        return true;
    const int answer = Dialogs::get().message(this, QStringLiteral("Do you want to save the current document?"),
                                              MsgStyle::YesNoCancel | MsgStyle::Exclamation | MsgStyle::DefaultButton3, kTitle);
    if (answer == MsgAnswer::No)
        return true;
    return answer == MsgAnswer::Yes && saveAndWait();
}

// Save may end at once, or only after the modeless reminder's OK has brought the editor
// back and its activation has saved; until saveFinished arrives the user may go on working.
bool TextEditor::saveAndWait()
{
    std::optional<bool> saved;
    QEventLoop loop;
    const auto finished = connect(this, &TextEditor::saveFinished, &loop, [&](bool ok) {
        saved = ok;
        loop.quit();
    });
    m_waitingForSave = true;
    saveCommand();
    if (!saved)
        loop.exec();
    m_waitingForSave = false;
    disconnect(finished);
    return saved.value_or(false);
}

// False with an empty error when the user stopped it.
bool TextEditor::loadDocumentFile(const QString &path, QString &error)
{
    if (const std::optional<QString> why = notRegularFile(path)) {
        error = *why;
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    // Read into a document of its own, so a failure leaves the editor as it was.
    auto *document = new QTextDocument(m_edit);
    const std::unique_ptr<WorkProgress> progress = openingProgress(path);
    if (Rtf::isRtf(bytes.left(5))) {
        const Rtf::ReadResult result = Rtf::read(bytes, *document, progress.get());
        if (!result.ok) {
            error = result.cancelled ? QString() : result.error;
            delete document;
            return false;
        }
    } else {
        const QString text = decodePlainText(bytes);
        const std::optional<QString> tooLong = tooLongForEditor(text);
        if (tooLong || !fillDocument(*document, text, progress.get())) {
            error = tooLong.value_or(QString());
            delete document;
            return false;
        }
    }
    replaceDocument(document);
    return true;
}

void TextEditor::mnuFileOpen_Click()
{
    if (m_waitingForSave || !saveFirst())
        return;
    FileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filter = kOpenFilter;
    request.fileName = QString();
    const std::optional<QString> path = Dialogs::get().openFile(this, request);
    if (!path)
        return;
    QString error;
    if (!loadDocumentFile(*path, error)) {
        if (error.isEmpty())
            return;
        Dialogs::get().message(this, QStringLiteral("The file \"%1\" could not be opened.\n\n%2").arg(QDir::toNativeSeparators(*path), error),
                               MsgStyle::OkOnly | MsgStyle::Exclamation, kTitle);
        return;
    }
    m_docChanged = false;
    m_leaveMode = QStringLiteral("O");
    setWindowTitle(*path + kCaptionSuffix);
    // Save goes on writing an opened RTF file; any other file only lends its name to Save As.
    m_openedNotRtf = !isRtfName(*path);
    const QFileInfo info(*path);
    m_dialogFileName = m_openedNotRtf ? info.dir().filePath(info.completeBaseName() + QStringLiteral(".rtf")) : *path;
}

void TextEditor::mnuFilePrint_Click()
{
    // The whole document, every page, with its formatting.
    QPrinter printer(QPrinter::HighResolution);
    if (!Dialogs::get().setupPrinter(this, printer))
        return;
    m_edit->document()->print(&printer);
}

void TextEditor::mnuFileReturn_Click()
{
    m_leaveMode = QStringLiteral("R");
    close();
}

void TextEditor::mnuFileExit_Click() { close(); }

// Return to Main Menu, Exit and the close box all end here.
bool TextEditor::formQueryClose()
{
    if (m_waitingForSave || !saveFirst())
        return false;
    if (m_leaveMode == QLatin1String("R")) {
        Forms::navigate(this, QStringLiteral("frmMain"));
        unloadLater();
        return true;
    }
    Dialogs::get().endProgram();
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
    m_edit->resize(m_client->size());
}
