#include "text/fast_layout.h"

#include "text/flow_layout.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

namespace FastLayout {
namespace {
// The characters that make a paragraph right to left when they come first.
bool isRightToLeft(char32_t c)
{
    switch (QChar::direction(c)) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirRLI:
        return true;
    default:
        return false;
    }
}

void setDirection(QTextDocument &document, Qt::LayoutDirection direction)
{
    QTextOption option = document.defaultTextOption();
    if (option.textDirection() == direction)
        return;
    option.setTextDirection(direction);
    document.setDefaultTextOption(option);
}

QFont withShaping(QFont font, bool shaped)
{
    const int strategy = shaped ? font.styleStrategy() & ~QFont::PreferNoShaping : font.styleStrategy() | QFont::PreferNoShaping;
    font.setStyleStrategy(QFont::StyleStrategy(strategy));
    return font;
}

void setShaping(QTextDocument &document, bool shaped)
{
    const QFont font = withShaping(document.defaultFont(), shaped);
    if (font.styleStrategy() != document.defaultFont().styleStrategy())
        document.setDefaultFont(font);
}
} // namespace

void TraitsReader::add(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode()), ++i;
        m_run = QChar::isSpace(c) ? 0 : m_run + 1;
        m_traits.longestRun = qMax(m_traits.longestRun, m_run);
        m_traits.rightToLeft = m_traits.rightToLeft || (c >= 0x0590 && isRightToLeft(c));
    }
}

TextTraits traitsOf(QStringView text)
{
    TraitsReader reader;
    reader.add(text);
    return reader.traits();
}

TextTraits traitsOf(const QTextDocument &document)
{
    TraitsReader reader;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        reader.add(block.text());
        reader.endParagraph();
    }
    return reader.traits();
}

void prepare(QTextDocument &document, const TextTraits &traits)
{
    // First, so that the settings below lay out with it. Asking the document for its layout would
    // make Qt's and lay the text out for nothing.
    auto *flow = document.findChild<FlowLayout *>(QString(), Qt::FindDirectChildrenOnly);
    if (!flow && FlowLayout::suits(document))
        document.setDocumentLayout(flow = new FlowLayout(&document));
    setDirection(document, traits.rightToLeft ? Qt::LayoutDirectionAuto : Qt::LeftToRight);
    setShaping(document, false);
    // Only Qt's layout walks every later paragraph after a key.
    if (!flow)
        gatherLayouts(document);
}

// Qt makes a paragraph's layout the first time it lays the paragraph out, among the buffers of
// that layout, so they end up scattered over the heap; a key typed near the start then reads
// every later one from memory. Made all at once, in order, they lie side by side.
void gatherLayouts(const QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        block.layout();
}

void noteAdded(QTextDocument &document, QStringView added)
{
    if (hasFixedDirection(document) && traitsOf(added).rightToLeft)
        setDirection(document, Qt::LayoutDirectionAuto);
}

bool hasFixedDirection(const QTextDocument &document)
{
    return document.defaultTextOption().textDirection() == Qt::LeftToRight;
}

QFont screenFont(QFont font) { return withShaping(font, false); }

void forPrinting(QTextDocument &copy) { setShaping(copy, true); }
} // namespace FastLayout
