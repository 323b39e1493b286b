#pragma once

#include "document/rtf/rtf_codepage.h"
#include "document/reading/document_limits.h"
#include "document/rtf/rtf_control_words.h"
#include "document/rtf/rtf_document_builder.h"
#include "document/rtf/rtf_format.h"
#include "document/rtf/rtf_page_setup.h"
#include "document/rtf/rtf_table_builder.h"
#include "document/rtf/rtf_tokenizer.h"

#include <string>
#include <unordered_map>
#include <vector>

class QTextDocument;
class WorkProgress;

namespace Rtf {

// Reads RTF tokens into a document. Group state lives on a heap stack, so deep
// nesting costs memory, not the call stack; the stack is capped and deeper groups are
// left out.
class Parser
{
public:
    static constexpr size_t kMaxDepth = RtfLimits::kMaxGroupDepth;

    Parser(QByteArrayView input, QTextDocument &doc);
    // Told how far the input has been read now and then; reading stops when it says so.
    void setProgress(WorkProgress *progress) { m_progress = progress; }
    void run();
    bool cancelled() const { return m_cancelled; }
    bool tooLong() const { return m_tooLong; } // stopped at the editor's paragraph limit
    // What the file said about its pages, sections and defaults (after run()).
    const PageSetup &pageSetup() const { return m_setup; }

private:
    enum class Dest : unsigned char { Text, FontTable, ColorTable, ListTable, ListOverrideTable, StyleSheet, Suppressed };
    struct Group
    {
        enum OnClose : unsigned char { Nothing, CommitList, CommitLevel, CommitOldList, EndLabel, CommitStyle };
        CharProps chr;
        ParaProps para;
        Dest dest = Dest::Text;
        Dest outerDest = Dest::Text; // restored by \ud inside \upr
        OnClose onClose = Nothing;
        bool nestedProps = false; // inside \nesttableprops
        int uc = 1;
    };

    Group &top() { return m_groups.back(); }
    void groupOpen();
    bool groupClose();
    void skipDestination();
    void text(std::string_view bytes);
    void appendBytes(std::string_view bytes);
    void fontNameText(std::string_view bytes);
    void symbol(char c);
    void word(const Token &t);
    void dispatch(const ControlWordInfo &w, const Token &t);
    // One handler per kind of word (Kind in rtf_control_words.h).
    void documentWord(Action a, const Token &t);
    void fontTableWord(Action a, const Token &t);
    void characterWord(Action a, const Token &t);
    void breakWord(Action a);
    void embeddedWord(Action a);
    void paragraphWord(Action a, const Token &t);  // rtf_paragraph.cpp
    void listWord(const ControlWordInfo &w, const Token &t); // rtf_lists.cpp
    void closeListGroup(Group::OnClose what);
    void rowWord(const ControlWordInfo &w, const Token &t);  // rtf_tables.cpp
    int rowsAhead(int limit, QList<QList<int>> *edges) const;
    QList<QList<int>> nestedRowsAhead() const;
    void picture();                                          // rtf_embeds.cpp
    void pageWord(const ControlWordInfo &w, const Token &t); // rtf_sections.cpp
    void styleWord(Action a, const Token &t);                // rtf_styles.cpp
    bool styleEntryWord(const ControlWordInfo &w, const Token &t);
    void commitStyle();
    int applyStyle(bool character, int number, int depth, int budget);
    void keepGroup(std::string_view name);
    void finishPageSetup();
    void showUnnamedRunsInDefaultFont();
    void fieldInstruction();
    void unicode(int value);
    void putChar(char16_t ch);
    bool skipFallback();
    void flushBytes();
    void noteUnknownFont(int number);
    int codePage();
    int fontEntryCodePage() const;
    void beginFont(int number);
    void commitFont();
    void commitColor();
    void finish();
    bool goOn();

    Tokenizer m_tok;
    TextDecoder m_decoder;
    DocumentTables m_tables;
    RowDefs m_rowDefs;
    DocumentBuilder m_builder;
    std::vector<Group> m_groups;
    std::string m_bytes; // undecoded text in the current code page
    QString m_decoded;
    int m_ansiCodePage = CodePage::Windows1252;
    int m_ucSkip = 0; // fallback characters of \u still to skip
    bool m_star = false;
    // the font table entry being read
    int m_fontNumber = 0;
    int m_fontCharset = -1;
    int m_fontCodePage = 0;
    bool m_fontPending = false;
    QString m_fontName;
    // the colour table entry being read
    int m_rgb[3] = {0, 0, 0};
    bool m_colorSet = false;
    // the list table entry being read, or the \pn of a paragraph
    QList<ListLevel> m_listLevels;
    ListLevel m_level;
    int m_listId = 0;
    int m_oldListLevel = 0;
    bool m_oldListUnnumbered = false; // \pnlvlcont: the paragraph goes on after an item, without a number
    int m_pictures = 0;
    // styles by number: the words each gives, read again where a paragraph or text names it
    struct StyleWord
    {
        const ControlWordInfo *info;
        Token token; // its name points into the input, which outlives reading
    };
    struct Style
    {
        std::vector<StyleWord> words;
        int basedOn = -1;
    };
    std::unordered_map<int, Style> m_paragraphStyles, m_characterStyles;
    Style m_style;               // the style sheet entry being read
    int m_styleNumber = 0;
    bool m_characterStyle = false;
    size_t m_styleSheetDepth = 0; // groups open at \stylesheet
    ParaProps m_lastPara;
    PageSetup m_setup;
    int m_section = 0; // sections begun by \sect so far
    QMap<QByteArray, int> &sectionWords(); // of the section being read
    QByteArrayList *sectionHeaders();      // of the section being read, or none past the kept ones
    bool m_unnamedRuns = false; // text was read in no named font
    bool m_unknownFont = false; // text asked for a font the table does not name
    bool m_defaultFontGiven = false, m_fontTableGiven = false;
    int m_fontChecked = -2; // the font number noteUnknownFont looked up last
    WorkProgress *m_progress = nullptr;
    qsizetype m_inputSize = 0;
    unsigned m_tokens = 0;
    bool m_cancelled = false;
    bool m_tooLong = false;
    const QTextDocument &m_doc;
};

} // namespace Rtf
