// The editor window itself: its controls, load and activation, and the composed document.
#include "document/windows/editor/text_editor.h"
#include "shell/window_names.h"

#include "shell/dialogs.h"
#include "shell/twips.h"
#include "document/composer/composer.h"
#include "document/windows/editing/editing_commands.h"
#include "document/windows/editor/rich_text_box.h"
#include "document/windows/editor/save_flow.h"
#include "document/recovery/draft_board.h"
#include "document/rtf/rtf.h"
#include "questionnaire/answer_store.h"
#include "resources/artwork.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QPointer>
#include <QTextDocument>
#include <limits>

namespace {
const QString kEditorName = QLatin1String(WindowName::Editor);
const QString kEditingNote = QStringLiteral(
    "NOTE:  Any changes made to this page can be saved to a file BUT the answers MUST BE CHANGED IN THEIR "
    "INDIVIDUAL TEXT BOXES in order to be reloaded correctly later.  It is suggested that you MAKE ALL CHANGES "
    "(other than font style and color) IN THE TEXT BOXES, not here.");
constexpr int kClientWidth = 6810, kClientHeight = 4995, kEditOffset = 120;
} // namespace

TextEditor::TextEditor(QWidget *parent) : Form(kEditorName, parent)
{
    setWindowTitle(QStringLiteral("Kinscribe - Text Editor"));
    setWindowIcon(editorIcon());
    m_menuBar = new QMenuBar(this);
    m_client = new QWidget(this);
    m_edit = new RichTextBox(m_client);
    m_edit->move(twips(kEditOffset), twips(kEditOffset));
    m_edit->setAccessibleName(QStringLiteral("Document"));
    m_editing = new EditingCommands(m_edit, this);
    m_saveFlow = new SaveFlow(this);
    connect(m_edit, &QTextEdit::textChanged, this, &TextEditor::txtEdit_Change);
    buildMenus();
    resize(twips(kClientWidth), twips(kClientHeight) + m_menuBar->sizeHint().height());
}

TextEditor::~TextEditor()
{
    if (DraftBoard::instance().document() == m_edit->document())
        DraftBoard::instance().postDocument(nullptr, {});
}

QTextEdit *TextEditor::edit() const { return m_edit; }

SaveFlow *TextEditor::saveFlow() const { return m_saveFlow; }

TextEditorState TextEditor::state() const
{
    return {m_leaveMode, m_editing->findText(), m_file.path, m_saveFlow->mode(), m_noteFlag, docChanged(), m_dialogCancelled};
}

QString TextEditor::documentText() const
{
    return m_edit->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void TextEditor::formLoad()
{
    centreOnScreen();
    m_edit->setCurrentCharFormat(composedCharFormat());
    m_dialogCancelled = false;
    setDocChanged(true);
    m_leaveMode = LeaveMode::NoReturn;
    shared().editorOpenCount = 0;
    m_noteFlag = NoteFlag::On;
}

void TextEditor::formActivate()
{
    if (m_noteFlag == NoteFlag::On)
        Dialogs::get().message(this, kEditingNote, MessageRequest{MessageIcon::Exclamation}, QString::fromLatin1(kProgramTitle));

    if (m_saveFlow->runPending())
        m_noteFlag = NoteFlag::No;

    SharedState &state = shared();

    if (state.editorOpenCount == 0)
        composeDocument();
    // The count stays at its top rather than wrapping to 0, which would compose over the edits.
    if (state.editorOpenCount < std::numeric_limits<qint16>::max())
        ++state.editorOpenCount;
    // An activation while the reminder waits (the platform handing focus back) belongs to
    // that save and leaves the note out until the save has ended.
    if (!m_saveFlow->awaitingReminder())
        m_noteFlag = NoteFlag::On;
}

void TextEditor::composeDocument()
{
    if (adoptKeptDocument())
        return;
    // Filled away from the box and then handed over whole, the document is laid out
    // page by page as it is shown instead of all at once.
    auto *document = new QTextDocument(m_edit);
    FastLayout::TextTraits traits;
    if (!fillDocument(*document, answerStore(), composingProgress().get(), &traits)) {
        delete document;
        abandonOpening();
        return;
    }
    replaceDocument(document, traits);
    m_edit->setCurrentCharFormat(composedCharFormat());
    setDocChanged(true);
    // Composed again from the answers at any time: nothing to keep yet.
    DraftBoard::instance().postDocument(nullptr, {});
}

// Shown as it was, marked changed, under its file's name when it had one.
bool TextEditor::adoptKeptDocument()
{
    std::optional<DraftBoard::KeptDocument> kept = DraftBoard::instance().takeDocument();
    if (!kept)
        return false;
    auto *document = new QTextDocument(m_edit);
    Rtf::read(kept->rtf, *document);
    replaceDocument(document);
    m_file = {kept->fileName, kept->fileName.isEmpty()};
    setDocChanged(true);
    if (!kept->fileName.isEmpty())
        setWindowTitle(kept->fileName + QStringLiteral(" - Text Editor"));
    postDocument();
    return true;
}

void TextEditor::postDocument()
{
    DraftBoard::instance().postDocument(docChanged() ? m_edit->document() : nullptr, m_file.needsName ? QString() : m_file.path);
}

void TextEditor::replaceDocument(QTextDocument *document, std::optional<FastLayout::TextTraits> traits)
{
    // The box deletes a document of its own making; one put there by the window is ours to delete.
    QPointer<QTextDocument> previous = m_edit->document();
    m_edit->showDocument(document, traits);
    if (previous && previous != document && previous->parent() == m_edit)
        delete previous.data();
    m_edit->moveCursor(QTextCursor::Start);
}

// Every change of the text counts, an undo back to the saved text too (the document alone
// would take that for unchanged). Spelling marks and zoom change no text and send nothing.
void TextEditor::txtEdit_Change()
{
    setDocChanged(true);
    postDocument();
}

void TextEditor::mnuOptionsFont_Click() { formatDialogEnded(m_editing->chooseFont()); }

void TextEditor::mnuOptionsColor_Click() { formatDialogEnded(m_editing->chooseColor()); }

void TextEditor::formatDialogEnded(EditingCommands::Outcome outcome)
{
    m_dialogCancelled = m_dialogCancelled || outcome == EditingCommands::Outcome::Cancelled;
    if (outcome == EditingCommands::Outcome::Applied) {
        setDocChanged(true);
        postDocument();
    }
}

// The window cannot delete itself from inside its own menu command or close event, so it
// goes once control is back in the event loop; the next opening then loads it afresh.
void TextEditor::unloadLater()
{
    QPointer<TextEditor> self(this);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self] {
            if (self && !self->isVisible() && Forms::find(kEditorName) == self)
                Forms::unload(kEditorName);
        },
        Qt::QueuedConnection);
}
