#include "document/recovery/document_snapshot.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

std::optional<DocumentSnapshot> DocumentSnapshot::take(const QTextDocument &document)
{
    if (!document.rootFrame()->childFrames().isEmpty())
        return std::nullopt; // tables
    DocumentSnapshot s;
    s.m_text = document.toRawText();
    s.m_formats = document.allFormats();
    s.m_defaultFont = document.defaultFont();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.textList())
            return std::nullopt;
        Block b{block.blockFormatIndex(), block.charFormatIndex(), {}};
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int format = fragment.charFormatIndex();
            if (s.m_formats.value(format).isImageFormat())
                return std::nullopt;
            b.runs.push_back({fragment.position(), fragment.length(), format});
        }
        s.m_blocks.push_back(std::move(b));
    }
    return s;
}

std::unique_ptr<QTextDocument> DocumentSnapshot::rebuild() const
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(m_defaultFont);
    QTextCursor cursor(document.get());
    bool first = true;
    for (const Block &b : m_blocks) {
        const QTextBlockFormat blockFormat = m_formats.value(b.blockFormat).toBlockFormat();
        const QTextCharFormat charFormat = m_formats.value(b.charFormat).toCharFormat();
        if (first) {
            cursor.setBlockFormat(blockFormat);
            cursor.setBlockCharFormat(charFormat);
            first = false;
        } else {
            cursor.insertBlock(blockFormat, charFormat);
        }
        for (const Run &r : b.runs)
            cursor.insertText(m_text.mid(r.position, r.length), m_formats.value(r.format).toCharFormat());
    }
    return document;
}
