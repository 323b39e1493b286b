// Save, Save As and the answer data file beside the document.
#include "document/windows/editor/text_editor.h"
#include "shell/window_names.h"

#include "shell/dialogs.h"
#include "document/datafile/answer_data_file.h"
#include "document/datafile/known_files.h"
#include "document/reading/save_batch.h"
#include "document/windows/editor/save_guard.h"
#include "document/windows/editor/rich_text_box.h"
#include "document/windows/editor/save_flow.h"
#include "document/rtf/rtf.h"
#include "questionnaire/answer_store.h"

#include <QDir>
#include <QTextEdit>

namespace {
const QString kCaptionSuffix = QStringLiteral(" - Text Editor");

QByteArray dataFileBytes() { return AnswerDataFile::write(AnswerDataFile::answersOf(answerStore())); }

void reportSaveFailure(QWidget *parent, const QString &path, const QString &reason)
{
    Dialogs::get().message(parent,
                           QStringLiteral("The file \"%1\" could not be saved.\n\n%2")
                               .arg(QDir::toNativeSeparators(path), reason),
                           MessageRequest{MessageIcon::Exclamation}, QString::fromLatin1(kProgramTitle));
}

// The document and its data file are written as a pair: neither replaces its old version
// before both are written out in full. A data file too large to be loaded again is not
// written at all, so every file saved here can be loaded.
// A data file holding answers this run never had, or a file someone else changed, is
// replaced only after the user's Yes; No to the data file still saves the document.
bool saveDocumentAndData(QWidget *parent, const QTextDocument &document, const QString &path, bool nameJustChosen)
{
    const SaveGuard::Scope scope = SaveGuard::ask(parent, path, nameJustChosen);
    if (scope == SaveGuard::Scope::Nothing)
        return false;
    const bool withData = scope == SaveGuard::Scope::Both;
    const QByteArray data = withData ? dataFileBytes() : QByteArray();
    if (const Outcome fits = AnswerDataFile::checkSize(data); withData && !fits.ok()) {
        reportSaveFailure(parent, AnswerDataFile::pathFor(path), fits.error());
        return false;
    }
    SaveBatch batch;
    batch.add(path, Rtf::write(document));
    if (withData)
        batch.add(AnswerDataFile::pathFor(path), data);
    const Outcome saved = batch.commit();
    if (!saved.ok()) {
        reportSaveFailure(parent, batch.failedPath(), saved.error());
        return false;
    }
    KnownFiles::remember(path);
    if (!withData) {
        SaveGuard::reportDataFileKept(parent, path);
        return true;
    }
    KnownFiles::remember(AnswerDataFile::pathFor(path));
    answerStore().markInFile();
    return true;
}

} // namespace

void TextEditor::mnuFileSave_Click()
{
    m_noteFlag = NoteFlag::No;
    m_saveFlow->start(m_file.needsName);
}

void TextEditor::mnuFileSaveAs_Click()
{
    m_noteFlag = NoteFlag::No;
    m_saveFlow->start(true);
}

bool TextEditor::SavingDataAs()
{
    m_noteFlag = NoteFlag::No;
    FileDialogRequest request;
    request.title = QStringLiteral("Save As");
    request.filter = QStringLiteral("Rich Text Files (*.rtf)|*.rtf");
    request.fileName = m_file.path;
    // A name typed without extension becomes a ".rtf" file, as the reminder promises.
    request.defaultSuffix = QStringLiteral("rtf");
    request.overwritePrompt = true;
    const std::optional<QString> path = Dialogs::get().saveFile(this, request);
    if (!path || !saveDocumentAndData(this, *m_edit->document(), *path, true)) {
        m_dialogCancelled = true;
        return false;
    }
    m_file = {*path, false};
    setDocChanged(false);
    setWindowTitle(*path + kCaptionSuffix);
    m_dialogCancelled = false;
    postDocument();
    return true;
}

bool TextEditor::SavingData()
{
    m_noteFlag = NoteFlag::No;
    if (!saveDocumentAndData(this, *m_edit->document(), m_file.path, false))
        return false;
    setDocChanged(false);
    postDocument();
    return true;
}
