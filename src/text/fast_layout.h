#pragma once
// A long document laid out on screen in less time, for the same text on the screen:
//  - Each paragraph's direction is found by reading its text up to its first strong letter,
//    at every layout of every paragraph, and a key typed near the start lays out all the
//    paragraphs after it again. A document without a right-to-left letter gets left-to-right
//    for every paragraph without the reading: the same answer, half the work.
//  - Scripts that need no shaping (Latin, Greek, Cyrillic...) are laid out with each letter's
//    own width, without kerning pairs or joining ligatures, which halves the layout of a long
//    document. Scripts that need shaping keep it, and the printout keeps it all (forPrinting).
//  - A document of paragraphs only gets a layout of its own (flow_layout.h), which lays out the
//    paragraph a key changes and moves none after it. In any other, Qt moves every later
//    paragraph after a key by reading its layout: there the layouts are made side by side in
//    memory before the first layout, so that walk runs from the cache.

#include <QFont>
#include <QStringView>

class QTextDocument;

namespace FastLayout {
struct TextTraits {
    bool rightToLeft = false;  // a letter of a right-to-left script, or an embedding mark for one
    qsizetype longestRun = 0;  // characters without a space
};

// Reads a text piece by piece, as it goes into a document.
class TraitsReader {
public:
    // A run without a space goes on from one piece into the next.
    void add(QStringView text);
    void endParagraph() { m_run = 0; }
    TextTraits traits() const { return m_traits; }

private:
    TextTraits m_traits;
    qsizetype m_run = 0;
};

TextTraits traitsOf(QStringView text);
// Paragraph by paragraph, without copying the whole text out.
TextTraits traitsOf(const QTextDocument &document);

// Puts the on-screen settings in place for a document of these traits, and a document of
// paragraphs only gets the layout made for long ones (flow_layout.h).
void prepare(QTextDocument &document, const TextTraits &traits);
// Makes every paragraph's layout object (empty, not laid out), in document order.
void gatherLayouts(const QTextDocument &document);
// Text was added: its paragraphs find their direction again once it brings right-to-left letters.
void noteAdded(QTextDocument &document, QStringView added);
// True while every paragraph is laid out left to right without reading it.
bool hasFixedDirection(const QTextDocument &document);
// The font without shaping where the script needs none, for a box that gives its own font
// to its document.
QFont screenFont(QFont font);
// A copy for paper takes its shaping back.
void forPrinting(QTextDocument &copy);
} // namespace FastLayout
