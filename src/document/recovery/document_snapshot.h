#pragma once
// A copy of a document taken in about a millisecond: its raw text (one shared buffer) and,
// for each paragraph and run, where it starts and the number of its format. Another thread
// builds the document again from it. Only plain paragraphs are taken this way; a document
// with tables, lists or pictures is cloned whole.

#include <QList>
#include <QString>
#include <QTextFormat>
#include <memory>
#include <optional>
#include <vector>

class QTextDocument;

class DocumentSnapshot {
public:
    // The copy, or nothing when the document holds more than plain paragraphs.
    static std::optional<DocumentSnapshot> take(const QTextDocument &document);
    // The document again, for the thread that calls it.
    std::unique_ptr<QTextDocument> rebuild() const;

private:
    struct Run {
        int position, length, format;
    };
    struct Block {
        int blockFormat, charFormat;
        std::vector<Run> runs;
    };
    QString m_text;
    QList<QTextFormat> m_formats;
    std::vector<Block> m_blocks;
    QFont m_defaultFont;
};
