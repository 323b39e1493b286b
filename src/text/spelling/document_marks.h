#pragma once
// Misspelt words of a text document underlined in red, on screen only. The marks live in each
// paragraph's layout (as a syntax highlighter's do), never in the text or its formats, so they
// reach no saved file, printout or clipboard. They are set without an edit, so the document
// reports no change and is never marked modified by them.
//
// A whole document is never checked at once: the view asks for the paragraphs it shows, and
// a paragraph that changes is checked again at once. Each paragraph remembers its revision, so
// one already checked costs nothing until it or a verdict changes.

#include "text/spelling/word_scanner.h"

#include <QObject>
#include <QPointer>
#include <QTextBlock>
#include <optional>

class QTextDocument;

namespace Spelling {
struct MisspeltWord {
    int position = 0; // in the document
    QString word;
};

class DocumentMarks : public QObject {
    Q_OBJECT
public:
    explicit DocumentMarks(QTextDocument *document, QObject *parent = nullptr);

    QTextDocument *document() const { return m_document; }
    // Checks the paragraphs from first to last (inclusive) not checked since they changed.
    void markBlocks(QTextBlock first, const QTextBlock &last);
    // The marked word at or just before the position, if it is misspelt.
    std::optional<MisspeltWord> misspeltWordAt(int position) const;
    // The ranges marked in one paragraph (for tests and the view).
    static QList<WordSpan> marksOf(const QTextBlock &block);

private:
    struct Redraw {
        int from = -1;
        int to = -1;
        void add(const QTextBlock &block);
        void run(QTextDocument &document) const;
    };
    void contentsChange(int position, int removed, int added);
    // False when the paragraph's marks stay as they were.
    bool markBlock(const QTextBlock &block);
    bool isCurrent(const QTextBlock &block) const;

    QPointer<QTextDocument> m_document;
    int m_generation = 0;
};
} // namespace Spelling
