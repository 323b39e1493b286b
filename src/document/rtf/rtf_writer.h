#pragma once

#include "document/rtf/rtf_page_setup.h"
#include "document/rtf/rtf_text_escaper.h"

#include <QFont>
#include <QHash>
#include <QStringList>
#include <QTextBlock>

#include <string>
#include <vector>

class QTextDocument;
class QTextFrame;
class QTextList;
class QTextTable;
class QTextTableCell;
class QTextImageFormat;

namespace Rtf {

struct RunStyle
{
    static constexpr int kDefaultHalfPoints = 24;
    int font = 0;
    int halfPoints = kDefaultHalfPoints;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int kerning = -1; // not said
    int raise = 0;    // half-points
    int script = 0;   // QTextCharFormat::VerticalAlignment: normal, super or sub
    QFont::Capitalization caps = QFont::MixedCase;
    bool symbolFont = false; // readers map the Symbol font's bytes to Greek and maths
};

// Writes a QTextDocument as RTF: the body first, then the tables it refers to.
class Writer
{
public:
    explicit Writer(const QTextDocument &doc);
    QByteArray run();

private:
    template<typename FormatOf>
    const RunStyle &style(int formatIndex, FormatOf formatOf);
    RunStyle resolve(const QTextCharFormat &f);
    QString family(const QTextCharFormat &f) const;
    int halfPoints(const QTextCharFormat &f) const;
    int fontIndex(const QString &family);
    int colorIndex(const QTextCharFormat &f);
    void switchTo(const RunStyle &s);
    std::string header() const;
    // pages, sections, headers and footers (rtf_write_pages.cpp)
    std::string pageSetupWords();
    void writeSectionStart(const QString &kind);
    void writeHeaders(TextEscaper &esc, const QByteArrayList &groups);
    int keptFont(int number);
    int keptColor(int number);

    // paragraphs and frames (rtf_write_blocks.cpp)
    void writeFrame(const QTextFrame *frame, int tableDepth);
    void writeBlock(const QTextBlock &block, int tableDepth, const char *end = "par");
    void writeText(const QTextBlock &block);
    void setLink(const QString &href);
    void writeTable(const QTextTable *table, int tableDepth);
    void writeRowDefinition(const QTextTable *table, int row, int depth);
    QList<int> tableEdges(const QTextTable *table) const; // right edges of its columns, in twips
    void writeCell(const QTextTableCell &cell, int depth);
    // lists (rtf_write_lists.cpp)
    void writeListParagraph(const QTextBlock &block, QTextList *list);
    std::string listTables() const;
    // pictures (rtf_write_pictures.cpp)
    void writePicture(const QTextImageFormat &f);

    const QTextDocument &m_doc;
    QFont m_default;
    PageSetup m_setup;
    QString m_defaultFamily; // empty: the file named no font, and neither does the rewrite
    std::string m_body;
    TextEscaper m_esc;
    RunStyle m_current;
    std::vector<int> m_styleOfFormat; // format index -> index in m_styles + 1
    std::vector<RunStyle> m_styles;
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QRgb> m_colors;
    QHash<QRgb, int> m_colorIndex;
    QList<const QTextList *> m_lists; // \ls N is m_lists[N - 1]
    QString m_link;                    // target of the field being written
    RunStyle m_beforeLink;             // the style the field's group will restore
    QTextBlock m_pageBreakNext;        // a block that must start a new page
    bool m_sectionStarted = false;     // the block being written follows a \sect
    qsizetype m_sectionsStarted = 0;  // \sect written so far
};

} // namespace Rtf
