#include "document/windows/editor/save_flow.h"
#include "shell/window_names.h"

#include "shell/form.h"
#include "document/windows/editor/text_editor.h"
#include "document/windows/note/note_window.h"
#include "questionnaire/answer_store.h"

#include <QEventLoop>
#include <optional>

SaveFlow::SaveFlow(TextEditor *editor) : QObject(editor), m_editor(editor) {}

void SaveFlow::start(bool newName)
{
    shared().saveRequest = SaveRequest::No;
    m_mode = newName ? SaveMode::Another : SaveMode::Same;
    if (newName)
        showReminder();
    else
        run(false);
}

bool SaveFlow::runPending()
{
    SharedState &state = shared();
    if (state.saveRequest != SaveRequest::Yes || m_mode == SaveMode::None)
        return false;
    run(m_mode == SaveMode::Another);
    state.saveRequest = SaveRequest::No;
    return true;
}

void SaveFlow::run(bool newName)
{
    m_awaitingReminder = false;
    const bool saved = newName ? m_editor->SavingDataAs() : m_editor->SavingData();
    emit finished(saved);
}

// Closed any other way than by OK, the reminder ends the save unsaved and hands back to the
// editor, whose activation then is the save's last and shows no note.
void SaveFlow::showReminder()
{
    m_awaitingReminder = true;
    auto *note = qobject_cast<NoteWindow *>(Forms::show(QLatin1String(WindowName::Note)));
    if (!note) {
        m_awaitingReminder = false;
        emit finished(false);
        return;
    }
    disconnect(note, &NoteWindow::closedWithoutOk, this, nullptr);
    connect(note, &NoteWindow::closedWithoutOk, this, [this] {
        m_awaitingReminder = false;
        emit finished(false);
        if (m_editor->isVisible())
            Forms::show(m_editor->objectName());
    });
}

// The user may go on working while the modeless reminder waits for its OK.
bool SaveFlow::saveAndWait()
{
    std::optional<bool> saved;
    QEventLoop loop;
    const auto connection = connect(this, &SaveFlow::finished, &loop, [&](bool ok) {
        saved = ok;
        loop.quit();
    });
    m_waiting = true;
    m_editor->mnuFileSave_Click();
    if (!saved)
        loop.exec();
    m_waiting = false;
    disconnect(connection);
    return saved.value_or(false);
}
