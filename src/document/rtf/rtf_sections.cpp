// Reading what a file says about its pages: document and section formatting, section
// breaks, and the headers and footers, which are kept as the file wrote them.

#include "document/rtf/rtf_parser.h"

namespace Rtf {

namespace {

constexpr qsizetype kMaxKeptGroups = 32;
constexpr qsizetype kMaxKeptSections = 256; // later ones look like the last kept

// A group the file's end cut off, with the groups it left open closed; empty when its end
// cannot be told (a word or \bin data cut off), since written back it would swallow what
// follows it.
QByteArray closedGroup(QByteArray group)
{
    qsizetype depth = 0;
    Tokenizer tok(group);
    for (Token t = tok.next(); t.type != TokenType::End; t = tok.next())
        depth += t.type == TokenType::GroupOpen ? 1 : t.type == TokenType::GroupClose ? -1 : 0;
    group.append(QByteArray(std::max<qsizetype>(depth, 0), '}'));
    Tokenizer check(group);
    return check.next().type == TokenType::GroupOpen && check.skipGroup() && check.atEnd() ? group : QByteArray();
}

} // namespace

QMap<QByteArray, int> &Parser::sectionWords()
{
    return m_section == 0 ? m_setup.sectionWords : m_setup.laterSections.last().words;
}

QByteArrayList *Parser::sectionHeaders()
{
    if (m_section == 0)
        return &m_setup.headers;
    return m_section <= m_setup.laterSections.size() ? &m_setup.laterSections.last().headers : nullptr;
}

void Parser::pageWord(const ControlWordInfo &w, const Token &t)
{
    const QByteArray name(w.name.data(), qsizetype(w.name.size()));
    const int value = t.hasParam ? t.param : 1;
    switch (w.action) {
    case Action::DocumentFormat:
        if (!w.noParam || value != 0)
            m_setup.documentWords.insert(name, value);
        else
            m_setup.documentWords.remove(name);
        break;
    case Action::SectionFormat:
        if (isSectionBreakKind(w.name))
            m_builder.setSectionBreak(name);
        if (!sectionHeaders())
            break; // past the sections kept
        if (isSectionBreakKind(w.name)) { // one kind of break at a time
            for (const ControlWordInfo *kind : keptWords(Action::SectionFormat)) {
                if (isSectionBreakKind(kind->name))
                    sectionWords().remove(QByteArray(kind->name.data(), qsizetype(kind->name.size())));
            }
        }
        sectionWords().insert(name, value);
        break;
    case Action::SectionDefaults:
        m_builder.setSectionBreak(QByteArray());
        if (sectionHeaders())
            sectionWords().clear();
        break;
    case Action::Section:
        if (top().dest != Dest::Text)
            break;
        m_builder.endParagraph(top().para, top().chr);
        m_builder.sectionBreak();
        if (m_setup.laterSections.size() < kMaxKeptSections)
            m_setup.laterSections.append(LaterSection());
        ++m_section;
        break;
    case Action::KeptGroup: keepGroup(w.name); break;
    default: break;
    }
}

void Parser::keepGroup(std::string_view name)
{
    if (m_groups.size() <= 1 || top().dest != Dest::Text)
        return skipDestination();
    const char *start = m_tok.position();
    const bool closed = m_tok.skipGroup();
    QByteArray group = "{\\" + QByteArray(name.data(), qsizetype(name.size())) + ' ';
    group.append(start, m_tok.position() - start);
    if (!closed)
        group = closedGroup(group);
    m_groups.pop_back();
    m_ucSkip = 0;
    m_star = false;
    if (QByteArrayList *headers = sectionHeaders(); headers && !group.isEmpty() && headers->size() < kMaxKeptGroups)
        headers->append(group);
}

void Parser::finishPageSetup()
{
    PageSetup &s = m_setup;
    s.fromFile = true;
    if (const auto it = m_tables.fonts.find(m_tables.defaultFont); it != m_tables.fonts.end()) {
        s.defaultFont = it->second.family;
        s.defaultFontNamed = !s.defaultFont.isEmpty();
    }
    s.defaultFontUnknown = m_unknownFont && !s.defaultFontNamed;
    QByteArrayList groups = s.headers;
    for (const LaterSection &later : std::as_const(s.laterSections))
        groups += later.headers;
    for (const QByteArray &group : std::as_const(groups)) {
        renumbered(group, [&](Numbered kind, int n) {
            if (kind == Numbered::Font) {
                if (const FontEntry *font = m_tables.shownFont(n)) // as the body shows it
                    s.headerFonts.insert(n, font->family);
            } else if (n > 0 && n < m_tables.colors.size() && m_tables.colors.at(n).isValid()) {
                s.headerColors.insert(n, m_tables.colors.at(n).rgb());
            }
            return n;
        });
    }
}

} // namespace Rtf
