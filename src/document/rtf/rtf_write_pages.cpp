// Writing what a file said about its pages: the document and first section words, the
// headers and footers with their fonts and colours renumbered into this file's tables,
// and the section breaks in the body.

#include "document/rtf/rtf_control_words.h"
#include "document/rtf/rtf_format.h"
#include "document/rtf/rtf_writer.h"

namespace Rtf {

namespace {

void writeWords(TextEscaper &esc, Action kind, const QMap<QByteArray, int> &values, bool breakKinds = true)
{
    for (const ControlWordInfo *w : keptWords(kind)) {
        const QByteArray name(w->name.data(), qsizetype(w->name.size()));
        const auto it = values.constFind(name);
        if (it == values.cend() || (!breakKinds && isSectionBreakKind(w->name)))
            continue;
        w->noParam ? esc.word(name.constData()) : esc.word(name.constData(), *it);
    }
}

} // namespace

int Writer::keptFont(int number)
{
    const auto it = m_setup.headerFonts.constFind(number);
    return it == m_setup.headerFonts.cend() ? 0 : fontIndex(*it);
}

int Writer::keptColor(int number)
{
    const auto it = m_setup.headerColors.constFind(number);
    if (it == m_setup.headerColors.cend())
        return 0; // auto
    const QRgb rgb = *it | 0xFF000000u;
    if (const auto known = m_colorIndex.constFind(rgb); known != m_colorIndex.cend())
        return *known;
    m_colors.append(rgb);
    return m_colorIndex[rgb] = int(m_colors.size());
}

std::string Writer::pageSetupWords()
{
    std::string out;
    TextEscaper esc(out);
    writeWords(esc, Action::DocumentFormat, m_setup.documentWords);
    if (!m_setup.sectionWords.isEmpty() || !m_setup.headers.isEmpty()) {
        esc.word("sectd");
        writeWords(esc, Action::SectionFormat, m_setup.sectionWords);
    }
    writeHeaders(esc, m_setup.headers);
    if (!out.empty())
        esc.raw("\n");
    return out;
}

void Writer::writeHeaders(TextEscaper &esc, const QByteArrayList &groups)
{
    for (const QByteArray &group : groups) {
        esc.raw("\n");
        const QByteArray kept = renumbered(group, [&](Numbered kind, int n) {
            return kind == Numbered::Font ? keptFont(n) : keptColor(n);
        });
        esc.raw(std::string_view(kept.constData(), size_t(kept.size())));
    }
}

// After the \sect that ends the section before: a section the file gave its own words
// and headers gets them back; others (made here, or past those kept) look like the
// first. Each has its own kind of break.
void Writer::writeSectionStart(const QString &kind)
{
    const qsizetype index = m_sectionsStarted++;
    const LaterSection *own = index < m_setup.laterSections.size() ? &m_setup.laterSections.at(index) : nullptr;
    m_esc.word("sectd");
    writeWords(m_esc, Action::SectionFormat, own ? own->words : m_setup.sectionWords, false);
    const QByteArray word = kind.toLatin1();
    if (isSectionBreakKind(word.toStdString()))
        m_esc.word(word.constData());
    if (own)
        writeHeaders(m_esc, own->headers);
    m_esc.raw("\n");
}

} // namespace Rtf
