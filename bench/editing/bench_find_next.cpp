// Find Next through a 10 MB document shown in an edit box: each step searches the whole
// text from the current selection and selects the match, scrolling it into view.
#include "shell/dialogs.h"
#include "document/windows/editing/editing_commands.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextEdit>
#include <benchmark/benchmark.h>

namespace {

// Answers every dialog at once: the search text is fixed, messages are only counted.
class QuietDialogs : public Dialogs {
public:
    QString searchText;
    int messages = 0;
    MessageAnswer message(QWidget *, const QString &, const MessageRequest &, const QString &) override
    {
        return ++messages, MessageAnswer::Ok;
    }
    std::optional<QString> input(QWidget *, const QString &, const QString &, const QString &) override { return searchText; }
    std::optional<QString> openFile(QWidget *, const FileDialogRequest &) override { return std::nullopt; }
    std::optional<QString> saveFile(QWidget *, const FileDialogRequest &) override { return std::nullopt; }
    std::optional<QFont> font(QWidget *, const QFont &) override { return std::nullopt; }
    std::optional<QColor> color(QWidget *, const QColor &) override { return std::nullopt; }
    bool setupPrinter(QWidget *, QPrinter &) override { return false; }
    void endProgram() override {}
};

constexpr int kDocumentChars = 10 * 1000 * 1000;
constexpr int kMatchEvery = 100 * 1000;

// Paragraphs of prose with "Needle" once every kMatchEvery characters.
QString bigDocument()
{
    const QString line = QStringLiteral("The quick brown fox jumps over the lazy dog, again and again.\n");
    QString text;
    text.reserve(kDocumentChars + line.size());
    int nextMatch = kMatchEvery;
    while (text.size() < kDocumentChars) {
        text += line;
        if (text.size() >= nextMatch) {
            text += QStringLiteral("Needle\n");
            nextMatch += kMatchEvery;
        }
    }
    return text;
}

struct Editor {
    QWidget window;
    QTextEdit *edit = new QTextEdit(&window);
    EditingCommands commands{edit, &window};
    QuietDialogs dialogs;

    Editor()
    {
        window.resize(640, 480);
        edit->resize(620, 460);
        edit->setPlainText(bigDocument());
        window.show();
        QApplication::processEvents();
        // Lay out the whole document once, as scrolling through it would; the first jump
        // deep into a freshly loaded document pays for that layout, not for the search.
        edit->moveCursor(QTextCursor::End);
        edit->moveCursor(QTextCursor::Start);
    }
    ~Editor() { Dialogs::set(nullptr); }

    void find(const QString &text)
    {
        dialogs.searchText = text;
        commands.find();
    }
};

Editor &editor()
{
    static Editor e;
    Dialogs::set(&e.dialogs);
    return e;
}

// One step from one match to the next, about 100,000 characters further on.
void BM_FindNextStep(benchmark::State &state)
{
    Editor &e = editor();
    e.find(QStringLiteral("needle"));
    for (auto _ : state) {
        e.commands.findNext();
        if (e.dialogs.messages) { // reached the end: start over, untimed
            state.PauseTiming();
            e.dialogs.messages = 0;
            e.find(QStringLiteral("needle"));
            state.ResumeTiming();
        }
    }
    state.counters["doc_chars"] = double(e.edit->document()->characterCount());
}
BENCHMARK(BM_FindNextStep)->Unit(benchmark::kMillisecond);

// The costliest step: from the start through all 10 MB, nothing more found.
void BM_FindNextNothingFound(benchmark::State &state)
{
    Editor &e = editor();
    e.edit->moveCursor(QTextCursor::Start);
    e.find(QStringLiteral("absent word"));
    for (auto _ : state)
        e.commands.findNext();
    state.counters["messages"] = double(e.dialogs.messages);
}
BENCHMARK(BM_FindNextNothingFound)->Unit(benchmark::kMillisecond);

// A step right after an edit at the start of the text, the farthest from the match: the
// kept copy of the text is patched before searching. The edit itself is not timed (the
// edit box's own relayout of 10 MB is slow), hence the fixed number of steps.
void BM_FindNextAfterEdit(benchmark::State &state)
{
    Editor &e = editor();
    e.find(QStringLiteral("needle"));
    for (auto _ : state) {
        state.PauseTiming();
        if (e.dialogs.messages) {
            e.dialogs.messages = 0;
            e.find(QStringLiteral("needle"));
        }
        // Alternately type a letter at the start and delete it again: the text shifts.
        QTextCursor typing(e.edit->document());
        if (typing.document()->firstBlock().text().startsWith(QLatin1Char('x')))
            typing.deleteChar();
        else
            typing.insertText(QStringLiteral("x"));
        state.ResumeTiming();
        e.commands.findNext();
        if (!e.dialogs.messages && e.edit->textCursor().selectedText() != QLatin1String("Needle"))
            state.SkipWithError("Find Next selected the wrong text after an edit");
    }
}
BENCHMARK(BM_FindNextAfterEdit)->Unit(benchmark::kMillisecond)->Iterations(20);

// Find Next near the end of the document, where the match lies beyond 9.9 M characters.
void BM_FindNextNearEnd(benchmark::State &state)
{
    Editor &e = editor();
    e.find(QStringLiteral("needle"));
    while (e.edit->textCursor().selectionStart() < kDocumentChars - 2 * kMatchEvery && !e.dialogs.messages)
        e.commands.findNext();
    const int from = e.edit->textCursor().selectionStart();
    for (auto _ : state) {
        state.PauseTiming();
        QTextCursor c = e.edit->textCursor();
        c.setPosition(from);
        e.edit->setTextCursor(c);
        state.ResumeTiming();
        e.commands.findNext();
    }
}
BENCHMARK(BM_FindNextNearEnd)->Unit(benchmark::kMillisecond);

// The first Find Next after the edit box was given a new document reads the whole text
// once; every later step only patches what was edited. Two documents take turns in an
// edit box that is not shown, so the edit box's layout stays out of the measure.
void BM_FindNextFirstAfterLoad(benchmark::State &state)
{
    QWidget window;
    auto *edit = new QTextEdit(&window);
    QTextDocument first, second;
    first.setPlainText(bigDocument());
    second.setPlainText(bigDocument());
    EditingCommands commands(edit, &window);
    QuietDialogs dialogs;
    Dialogs::set(&dialogs);
    edit->setDocument(&second);
    dialogs.searchText = QStringLiteral("needle");
    commands.find();
    bool turn = false;
    for (auto _ : state) {
        state.PauseTiming();
        edit->setDocument((turn = !turn) ? &first : &second);
        state.ResumeTiming();
        commands.findNext();
        if (edit->textCursor().selectedText() != QLatin1String("Needle"))
            state.SkipWithError("Find Next selected the wrong text");
    }
    Dialogs::set(nullptr);
    edit->setDocument(nullptr);
}
BENCHMARK(BM_FindNextFirstAfterLoad)->Unit(benchmark::kMillisecond)->Iterations(6);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
