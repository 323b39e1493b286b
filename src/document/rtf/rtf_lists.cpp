// Lists both ways: \listtable, \listoverridetable, \ls and \ilvl, the older \pn
// paragraphs, and the \listtext labels written for readers without list tables.

#include "document/rtf/rtf_document_builder.h"
#include "document/reading/document_limits.h"
#include "document/rtf/rtf_parser.h"
#include "document/rtf/rtf_writer.h"

#include <QTextDocument>
#include <QTextList>

#include <algorithm>

namespace Rtf {

namespace {

using RtfLimits::kMaxListLevels;
using RtfLimits::kMaxLists;

int styleOfNumberFormat(int nfc)
{
    switch (nfc) {
    case 1: return QTextListFormat::ListUpperRoman;
    case 2: return QTextListFormat::ListLowerRoman;
    case 3: return QTextListFormat::ListUpperAlpha;
    case 4: return QTextListFormat::ListLowerAlpha;
    case 23:
    case 255: return QTextListFormat::ListDisc;
    default: return QTextListFormat::ListDecimal;
    }
}

int numberFormatOfStyle(int style)
{
    switch (style) {
    case QTextListFormat::ListUpperRoman: return 1;
    case QTextListFormat::ListLowerRoman: return 2;
    case QTextListFormat::ListUpperAlpha: return 3;
    case QTextListFormat::ListLowerAlpha: return 4;
    case QTextListFormat::ListDecimal: return 0;
    default: return 23;
    }
}

bool isBullet(int style)
{
    return numberFormatOfStyle(style) == 23;
}

} // namespace

void Parser::listWord(const ControlWordInfo &w, const Token &t)
{
    Group &g = top();
    const int value = std::max(t.param, 0);
    switch (w.action) {
    case Action::ListTable: g.dest = Dest::ListTable; break;
    case Action::ListOverrideTable: g.dest = Dest::ListOverrideTable; break;
    case Action::ListDefinition:
        m_listLevels.clear();
        m_listId = 0;
        if (g.dest == Dest::ListTable)
            g.onClose = Group::CommitList;
        break;
    case Action::ListLevelDefinition:
        m_level = ListLevel{QTextListFormat::ListDecimal, 1};
        g.onClose = Group::CommitLevel;
        g.para.left = g.para.firstLine = 0; // the level's own indents are read as a paragraph's
        break;
    case Action::ListId: m_listId = value; break;
    case Action::ListOverride:
        if (g.dest != Dest::ListOverrideTable)
            g.para.list = value; // a paragraph's list
        else if (m_tables.listOverrides.size() < kMaxLists)
            m_tables.listOverrides[value] = m_listId;
        break;
    case Action::LevelNumberFormat: m_level.style = styleOfNumberFormat(value); break;
    case Action::LevelStart:
    case Action::OldListStart: m_level.start = std::min(value, RtfLimits::kMaxNumber); break;
    case Action::OldList:
        m_level = ListLevel{QTextListFormat::ListDecimal, 1};
        m_oldListLevel = 0;
        m_oldListUnnumbered = false;
        g.dest = Dest::Suppressed;
        g.onClose = Group::CommitOldList;
        break;
    case Action::OldListLevel: m_oldListLevel = std::clamp(value - 1, 0, kMaxListLevels - 1); break;
    case Action::OldListBullet: m_level.style = QTextListFormat::ListDisc; break;
    case Action::OldListBody:
        m_oldListLevel = 0;
        m_oldListUnnumbered = w.value == 1;
        break;
    case Action::OldListStyle: m_level.style = styleOfNumberFormat(w.value); break;
    case Action::ListText:
        if (g.dest == Dest::Text) {
            m_builder.beginLabel();
            g.onClose = Group::EndLabel;
        }
        break;
    default: break;
    }
}

void Parser::closeListGroup(Group::OnClose what)
{
    switch (what) {
    case Group::CommitList:
        if (m_tables.lists.size() < kMaxLists)
            m_tables.lists[m_listId] = m_listLevels;
        break;
    case Group::CommitLevel:
        if (m_listLevels.size() < kMaxListLevels)
            m_listLevels.append(m_level);
        break;
    case Group::CommitOldList: {
        if (m_oldListUnnumbered) {
            top().para.list = 0;
            break;
        }
        auto &old = m_tables.oldLists;
        qsizetype i = old.indexOf(m_level);
        if (i < 0 && old.size() < kMaxLists) {
            old.append(m_level);
            i = old.size() - 1;
        }
        if (i >= 0) { // the paragraph the \pn group belongs to
            top().para.list = -int(i + 1);
            top().para.level = m_oldListLevel;
        }
        break;
    }
    case Group::EndLabel: m_builder.endLabel(); break;
    case Group::CommitStyle: commitStyle(); break;
    case Group::Nothing: break;
    }
}

void DocumentBuilder::applyList(const ParaProps &para)
{
    const int labelStart = std::exchange(m_labelStart, -1);
    const ListLevel *level = m_tables.listLevel(para);
    if (!level)
        return; // a label without a list stays as text
    if (labelStart >= 0 && m_labelEnd > labelStart && m_labelEnd <= m_cursor.position()) {
        QTextCursor label(m_cursor.document());
        label.setPosition(labelStart);
        label.setPosition(m_labelEnd, QTextCursor::KeepAnchor);
        label.removeSelectedText();
    }
    const auto known = m_lists.find(qint64(para.list) * 16 + para.level);
    const int indent = para.level + 1;
    if (known == m_lists.end()) {
        QTextListFormat f;
        f.setStyle(QTextListFormat::Style(level->style));
        f.setIndent(indent);
        if (level->start != 1)
            f.setProperty(ListStartProperty, level->start);
        const bool said = level->left != 0 || level->first != 0;
        if (said && (level->left != listLeftIndent(para.level) || level->first != kListFirstIndent))
            f.setProperty(ListLeftProperty, level->left), f.setProperty(ListFirstProperty, level->first);
        m_lists.emplace(qint64(para.list) * 16 + para.level, m_cursor.createList(f)->objectIndex());
    } else if (auto *list = qobject_cast<QTextList *>(m_cursor.document()->object(known->second))) {
        list->add(m_cursor.block());
    }
    // RTF's left indent includes the list's; Qt adds the list's indent to the block's
    QTextBlockFormat f = m_cursor.blockFormat();
    f.setLeftMargin(f.leftMargin() - indent * m_cursor.document()->indentWidth());
    m_cursor.setBlockFormat(f);
}

void Writer::writeListParagraph(const QTextBlock &block, QTextList *list)
{
    qsizetype index = m_lists.indexOf(list);
    if (index < 0) {
        m_lists.append(list);
        index = m_lists.size() - 1;
    }
    const QTextListFormat f = list->format();
    m_esc.word("ls", int(index + 1));
    m_esc.word("ilvl", std::clamp(f.indent() - 1, 0, kMaxListLevels - 1));
    m_esc.raw("{");
    m_esc.word("listtext");
    if (isBullet(f.style())) {
        m_esc.text(QStringView(u"\u2022"));
    } else {
        const int start = f.hasProperty(ListStartProperty) ? f.intProperty(ListStartProperty) : 1;
        m_esc.text(start == 1 ? list->itemText(block)
                              : QString::number(list->itemNumber(block) + start) + u'.');
    }
    m_esc.word("tab");
    m_esc.raw("}");
}

std::string Writer::listTables() const
{
    if (m_lists.isEmpty())
        return {};
    std::string out = "{\\*\\listtable";
    TextEscaper esc(out);
    for (qsizetype i = 0; i < m_lists.size(); ++i) {
        const QTextListFormat f = m_lists.at(i)->format();
        const int nfc = numberFormatOfStyle(f.style());
        const int start = f.hasProperty(ListStartProperty) ? f.intProperty(ListStartProperty) : 1;
        esc.raw("\n{");
        esc.word("list");
        esc.word("listtemplateid", int(i + 1));
        for (int level = 0; level < kMaxListLevels; ++level) {
            esc.raw("{");
            esc.word("listlevel");
            esc.word("levelnfc", nfc);
            esc.word("levelnfcn", nfc);
            esc.word("leveljc", 0);
            esc.word("levelfollow", 0);
            esc.word("levelstartat", start);
            if (nfc == 23) {
                esc.raw("{\\leveltext\\'01\\u8226?;}{\\levelnumbers;}");
            } else {
                esc.raw("{\\leveltext\\'02");
                appendHexByte(out, level);
                esc.raw(".;}{\\levelnumbers\\'01;}");
            }
            // a level keeps the indents its file gave: readers place an item's label by them
            const bool own = level == f.indent() - 1 && f.hasProperty(ListLeftProperty);
            esc.word("fi", own ? f.intProperty(ListFirstProperty) : kListFirstIndent);
            esc.word("li", own ? f.intProperty(ListLeftProperty) : listLeftIndent(level));
            esc.raw("}");
        }
        esc.word("listid", int(i + 1));
        esc.raw("}");
    }
    esc.raw("}\n{\\*\\listoverridetable");
    for (qsizetype i = 0; i < m_lists.size(); ++i) {
        esc.raw("{");
        esc.word("listoverride");
        esc.word("listid", int(i + 1));
        esc.word("listoverridecount", 0);
        esc.word("ls", int(i + 1));
        esc.raw("}");
    }
    esc.raw("}\n");
    return out;
}

} // namespace Rtf
