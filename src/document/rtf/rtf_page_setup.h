#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QHash>
#include <QMap>
#include <QMetaType>
#include <QRgb>
#include <QString>

#include <functional>
#include <optional>
#include <string_view>

class QTextDocument;

namespace Rtf {

// What a file says about its pages, sections and defaults, which QTextDocument has no
// place for. It rides on the document's root frame, so that writing gives back what the
// file said and nothing it did not (no invented margins or font name).
// What a section after the first said: its words and its headers and footers.
struct LaterSection
{
    QMap<QByteArray, int> words;
    QByteArrayList headers;
    friend bool operator==(const LaterSection &, const LaterSection &) = default;
};

struct PageSetup
{
    QMap<QByteArray, int> documentWords; // \paperw \margl \deftab \deflang ... by name
    QMap<QByteArray, int> sectionWords;  // the first section's \pgwsxn \marglsxn \headery ...
    QString defaultFont;                 // the family the \deff entry names
    bool defaultFontNamed = false;
    bool defaultFontUnknown = false;     // text asked for a font the table does not name
    bool fromFile = false;               // false: a document made here, with Qt's default font
    QByteArrayList headers;              // {\header ...} and {\footer ...} groups as read
    QList<LaterSection> laterSections;   // after each \sect, in order
    QHash<int, QString> headerFonts;     // the fonts and colours those groups use, by the
    QHash<int, QRgb> headerColors;       // numbers they had in the file (no colour: auto)
    friend bool operator==(const PageSetup &, const PageSetup &) = default;
};

// Twips of the page the document is laid out on: the first section's values, else the
// document's, else RTF's defaults (Letter, 1.25-inch sides, 1-inch top and bottom).
struct PageGeometry
{
    int width = 12240, height = 15840;
    int left = 1800, right = 1800, top = 1440, bottom = 1440;
    bool landscape = false;
    int textWidth() const { return width - left - right; }
};

PageSetup pageSetup(const QTextDocument &doc);
void setPageSetup(QTextDocument &doc, const PageSetup &setup);
PageGeometry pageGeometry(const PageSetup &setup);

// The section break words (\sbknone ... \sbkodd), among the kept section words.
bool isSectionBreakKind(std::string_view name);

// Calls number(word, n) for every \word n of a kept group that names a font or a colour,
// and returns the group with each such n replaced by what number gives back.
enum class Numbered { Font, Color };
QByteArray renumbered(const QByteArray &group, const std::function<int(Numbered, int)> &number);

} // namespace Rtf

Q_DECLARE_METATYPE(Rtf::PageSetup)
