#pragma once
// A copy of a document taken in about a millisecond: for each paragraph its text (a shared
// string) and formats, and for each run where it starts and the number of its format. Another
// thread builds the document again from it. Only plain paragraphs are taken this way; a
// document with tables, lists or pictures is cloned whole.
//
// The next copy of the same document reads again only the paragraphs that changed since
// (DocumentChanges says where); the others are shared with the copy before.

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextFormat>
#include <memory>
#include <optional>
#include <vector>

class QTextDocument;

// What stayed as it was in a document since a point in time: the characters before `from`
// and the last `tail` characters.
struct UnchangedEnds {
    int from = 0;
    int tail = 0;
};

class DocumentSnapshot {
public:
    // The copy, or nothing when the document holds more than plain paragraphs. `previous`,
    // when given, is a copy of the same document taken when `unchanged` began.
    static std::optional<DocumentSnapshot> take(const QTextDocument &document, const DocumentSnapshot *previous = nullptr,
                                                UnchangedEnds unchanged = {});
    // The document again, for the thread that calls it.
    std::unique_ptr<QTextDocument> rebuild() const;
    // Paragraphs read from the document itself (the others were shared), for tests.
    int paragraphsRead() const { return m_read; }

private:
    struct Run {
        int offset, length, format; // offset in the paragraph
    };
    struct Block {
        QString source; // holds the paragraph's text from `start` on, shared by the paragraphs read with it
        int start, size;
        int blockFormat, charFormat;
        std::vector<Run> runs;
        int length() const { return size + 1; } // with its paragraph end
    };
    using Blocks = std::vector<std::shared_ptr<const Block>>;
    bool readBlocks(const QTextDocument &document, int from, int to);
    // Shares the paragraphs of `previous` at both ends; the middle left to read is [middleFrom, middleTo).
    void keepEnds(const DocumentSnapshot &previous, UnchangedEnds unchanged, int length, int &middleFrom, int &middleTo,
                  Blocks &tail);

    Blocks m_blocks;
    QList<QTextFormat> m_formats;
    QFont m_defaultFont;
    int m_read = 0;
};

// Follows the edits of one document since the last copy was taken.
class DocumentChanges : public QObject {
    Q_OBJECT
public:
    // Starts following this document, unless it is the one followed already.
    void follow(const QTextDocument *document);
    // True while it follows this document, so that the last copy can be built on.
    bool follows(const QTextDocument *document) const { return document && m_document == document; }
    // A copy was just taken: nothing has changed since.
    void restart();
    UnchangedEnds unchanged() const;

private:
    void contentsChange(int position, int removed, int added);
    QPointer<const QTextDocument> m_document;
    QMetaObject::Connection m_connection;
    int m_from = 0, m_tail = 0;
};
