// Opening the editor on a store of 77 answers of 100 KB each (about 7.7 MB): the editing note,
// the composition from the store and the window shown with its first screen laid out.
// Target: under 0.5 s. One answer of 1 MB without a space, composed and shown: under 1 s.
// Spelling is marked in all of them when a dictionary is installed (the "spelling" counter).
// Typing a character into that document, drawn with its marks: at most 16 ms a key at the
// 95th percentile (the "p95_ms" counter). On a loaded machine the wall time of both grows with
// the load; the CPU column is the work itself.
//   QT_QPA_PLATFORM=offscreen bench_editor
#include "shell/quiet_dialogs.h"
#include "app/register_forms.h"
#include "shell/form.h"
#include "document/composer/composer.h"
#include "document/windows/editor/text_editor.h"
#include "questionnaire/answer_store.h"
#include "text/spelling/dictionary.h"
#include "text/spelling/speller.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {
// Typed answers: sentences of ordinary words in paragraphs of a few lines.
QString answerOfSize(int number, qsizetype size)
{
    static const QString words[] = {"we", "drove", "the", "old", "car", "to", "Grandma's", "farm", "every",
                                    "summer,", "and", "my", "brother", "always", "got", "carsick."};
    QString text;
    text.reserve(size + 64);
    int i = number;
    while (text.size() < size) {
        text += words[i++ % 16];
        text += (i % 97 == 0) ? QStringLiteral("\r\n\r\n") : QStringLiteral(" ");
    }
    text.truncate(size);
    return text;
}

void fillStore(qsizetype answerSize)
{
    resetSharedState();
    answerStore().loadQuestionTexts();
    for (int n = 1; n <= kQuestionCount; ++n)
        answerStore().setAnswer(n, answerOfSize(n, answerSize));
}

// A pasted link or a row of one key held down: one answer, no space in it.
void fillStoreWithOneWord(qsizetype size)
{
    resetSharedState();
    answerStore().loadQuestionTexts();
    answerStore().setAnswer(1, QString(size, QLatin1Char('w')));
}

void BM_ComposeText(benchmark::State &state)
{
    fillStore(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(composeDocument(answerStore()));
}

void BM_ComposeIntoDocument(benchmark::State &state)
{
    fillStore(state.range(0));
    for (auto _ : state) {
        QTextDocument doc;
        fillDocument(doc, composeDocument(answerStore()));
        benchmark::DoNotOptimize(doc.characterCount());
    }
}

// What the user waits for: main menu's command to the editor on screen with its text.
// The second argument 1 makes the first answer one word of that size, the rest unanswered.
void BM_OpenEditor(benchmark::State &state)
{
    QuietDialogs quiet;
    Dialogs::set(&quiet);
    if (state.range(1) == 1)
        fillStoreWithOneWord(state.range(0));
    else
        fillStore(state.range(0));
    qint64 chars = 0;
    for (auto _ : state) {
        Form *editor = Forms::show(QStringLiteral("frmTxtEditor"));
        QApplication::processEvents();
        editor->repaint();
        state.PauseTiming();
        chars = static_cast<TextEditor *>(editor)->edit()->document()->characterCount();
        Forms::unload(QStringLiteral("frmTxtEditor"));
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["chars"] = double(chars);
    Dialogs::set(nullptr);
}
// The second argument 0 leaves spelling out, for comparison: no dictionary, no marks.
void spellingFor(const benchmark::State &state)
{
    static const QString desktops = Spelling::chooseDictionary(qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"),
                                                               Spelling::systemDictionaryFolders());
    Spelling::Speller::instance().useDictionary(state.range(1) ? desktops : QString());
}

// The box lays a long document out page by page in idle time; this is the cost of having
// all of it laid out at once, as when the user jumps to the end right after opening: the main
// menu's command, the composition, the window shown, Ctrl+End and the window drawn with the
// last screen and its marks.
void BM_OpenEditorAndJumpToEnd(benchmark::State &state)
{
    QuietDialogs quiet;
    Dialogs::set(&quiet);
    spellingFor(state);
    fillStore(state.range(0));
    for (auto _ : state) {
        auto *editor = static_cast<TextEditor *>(Forms::show(QStringLiteral("frmTxtEditor")));
        QApplication::processEvents();
        editor->edit()->moveCursor(QTextCursor::End);
        editor->edit()->ensureCursorVisible();
        editor->repaint();
        state.PauseTiming();
        Forms::unload(QStringLiteral("frmTxtEditor"));
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["spelling"] = Spelling::Speller::instance().isActive();
    Dialogs::set(nullptr);
}

// One key typed at a place in the document: the box takes it and lays out what follows, the
// paragraph is checked again, pending events and timers run (the idle-time layout among them)
// and the screen is drawn. The place is a percentage of the way through the document. The third
// argument 1 types once the idle-time layout has reached the end, as a second or two after
// opening: every paragraph after the key is then laid out (Qt's own layout would move them all
// at each key; the box's own lays out the key's paragraph only).
void BM_TypeInEditor(benchmark::State &state)
{
    QuietDialogs quiet;
    Dialogs::set(&quiet);
    spellingFor(state);
    fillStore(100 * 1024);
    auto *editor = static_cast<TextEditor *>(Forms::show(QStringLiteral("frmTxtEditor")));
    QTextEdit *edit = editor->edit();
    QTextCursor at(edit->document());
    at.setPosition(qMax(0, int(edit->document()->characterCount() * state.range(0) / 100) - 1));
    edit->setTextCursor(at);
    edit->ensureCursorVisible();
    // The window's first showing may give the box its width only now, which starts the layout again.
    QApplication::processEvents();
    if (state.range(2) == 1)
        edit->document()->documentLayout()->blockBoundingRect(edit->document()->lastBlock());
    edit->viewport()->repaint();
    if (state.range(2) == 1 && !edit->document()->lastBlock().layout()->lineCount())
        state.SkipWithError("the document is not laid out to its end");
    std::vector<double> keys;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
        QApplication::processEvents();
        edit->viewport()->repaint();
        const double seconds = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        keys.push_back(seconds * 1000);
    }
    std::sort(keys.begin(), keys.end());
    state.counters["p95_ms"] = keys.empty() ? 0 : keys[keys.size() * 95 / 100];
    state.counters["spelling"] = Spelling::Speller::instance().isActive();
    Forms::unload(QStringLiteral("frmTxtEditor"));
    QApplication::processEvents();
    Dialogs::set(nullptr);
}
} // namespace

BENCHMARK(BM_ComposeText)->Arg(100 * 1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComposeIntoDocument)->Arg(100 * 1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenEditor)->Args({100 * 1024, 0})->Args({1024, 0})->Args({1024 * 1024, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenEditorAndJumpToEnd)->Args({100 * 1024, 1})->Args({100 * 1024, 0})->Args({100 * 1024, 1})->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_TypeInEditor)->Args({0, 1, 0})->Args({50, 1, 0})->Args({100, 1, 0})->Args({0, 0, 0})->Args({0, 1, 1})->Args({0, 0, 1})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    registerAllForms();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Forms::unloadAll();
    return 0;
}
