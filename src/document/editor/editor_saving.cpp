// Save, Save As and the answer data file beside the document.
#include "document/editor/text_editor.h"

#include "app/dialogs.h"
#include "document/datafile/answer_data_file.h"
#include "document/datafile/save_batch.h"
#include "document/editor/rich_text_box.h"
#include "document/note/note_window.h"
#include "document/rtf/rtf.h"
#include "questionnaire/answer_store.h"

#include <QDir>
#include <QTextEdit>

namespace {
const QString kUntitledCaption = QStringLiteral("Kinscribe - Text Editor");
const QString kCaptionSuffix = QStringLiteral(" - Text Editor");

QByteArray dataFileBytes() { return AnswerDataFile::write(AnswerDataFile::answersOf(answerStore())); }

void reportSaveFailure(QWidget *parent, const QString &path, const QString &reason)
{
    Dialogs::get().message(parent,
                           QStringLiteral("The file \"%1\" could not be saved.\n\n%2")
                               .arg(QDir::toNativeSeparators(path), reason),
                           MsgStyle::OkOnly | MsgStyle::Exclamation, QStringLiteral("Kinscribe"));
}

// The document and its data file are written as a pair: neither replaces its old version
// before both are written out in full.
bool saveDocumentAndData(QWidget *parent, const QTextDocument &document, const QString &path)
{
    SaveBatch batch;
    batch.add(path, Rtf::write(document));
    batch.add(AnswerDataFile::pathFor(path), dataFileBytes());
    if (batch.commit())
        return true;
    reportSaveFailure(parent, batch.failedPath(), batch.errorString());
    return false;
}

// The reminder comes first; the save itself runs when its OK shows the editor again. Closed
// any other way, it ends the save unsaved.
void showReminder(TextEditor *editor)
{
    auto *note = qobject_cast<NoteWindow *>(Forms::show(QStringLiteral("frmNote")));
    if (!note) {
        emit editor->saveFinished(false);
        return;
    }
    QObject::disconnect(note, &NoteWindow::closedWithoutOk, editor, nullptr);
    QObject::connect(note, &NoteWindow::closedWithoutOk, editor, [editor] { emit editor->saveFinished(false); });
}
} // namespace

void TextEditor::mnuFileSave_Click()
{
    shared().saveRequest = QStringLiteral("N");
    m_noteFlag = QStringLiteral("N");
    if (windowTitle() == kUntitledCaption) {
        m_saveMode = QStringLiteral("A");
        showReminder(this);
    } else {
        m_saveMode = QStringLiteral("S");
        SavingData();
    }
}

void TextEditor::mnuFileSaveAs_Click()
{
    shared().saveRequest = QStringLiteral("N");
    m_noteFlag = QStringLiteral("N");
    m_saveMode = QStringLiteral("A");
    showReminder(this);
}

bool TextEditor::SavingDataAs()
{
    m_noteFlag = QStringLiteral("N");
    FileDialogRequest request;
    request.title = QStringLiteral("Save As");
    request.filter = QStringLiteral("Rich Text Files (*.rtf)|*.rtf");
    request.fileName = m_dialogFileName;
    // A name typed without extension becomes a ".rtf" file, as the reminder promises.
    request.defaultSuffix = QStringLiteral("rtf");
    request.overwritePrompt = true;
    const std::optional<QString> path = Dialogs::get().saveFile(this, request);
    if (!path || !saveDocumentAndData(this, *m_edit->document(), *path)) {
        m_dialogCancelled = true;
        emit saveFinished(false);
        return false;
    }
    m_dialogFileName = *path;
    m_documentPath = *path;
    setWindowTitle(*path + kCaptionSuffix);
    m_docChanged = false;
    m_dialogCancelled = false;
    emit saveFinished(true);
    return true;
}

bool TextEditor::SavingData()
{
    m_noteFlag = QStringLiteral("N");
    if (!saveDocumentAndData(this, *m_edit->document(), m_dialogFileName)) {
        emit saveFinished(false);
        return false;
    }
    m_documentPath = m_dialogFileName;
    m_docChanged = false;
    emit saveFinished(true);
    return true;
}

// The data file alone, for the current document; a failure is left to the caller.
bool TextEditor::SaveDataFile()
{
    return saveFileAtomically(AnswerDataFile::pathFor(m_documentPath), dataFileBytes()).isEmpty();
}
