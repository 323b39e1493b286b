// Reading a table's rows ahead of the text: how many there are, and where each row's
// cells end, so that the table is made with the columns all its rows fall on.

#include "document/rtf/rtf_parser.h"

#include <algorithm>

namespace Rtf {

// The rows of the table being read from here on: its \row words up to the first text or
// paragraph outside a table (past the group the scan began in, whose cells may be
// grouped one row at a time), and each one's \cellx as in force at its \row into edges when
// given (none when no \trowd came since the scan began). Only a guess (a table
// nested in a destination may fool it); the builder adds rows when it was too low and
// removes those left over.
int Parser::rowsAhead(int limit, QList<QList<int>> *edges) const
{
    Tokenizer tok(QByteArrayView(m_tok.position(), m_tok.remaining()));
    std::vector<bool> inTable{true}; // per group: \intbl in force
    int rows = 0;
    bool star = false;
    QList<int> row; // the \cellx in force
    for (Token t = tok.next(); t.type != TokenType::End && rows < limit; t = tok.next()) {
        if (t.type == TokenType::GroupOpen) {
            inTable.push_back(inTable.back());
        } else if (t.type == TokenType::GroupClose) {
            if (inTable.size() > 1) // a group the text began in: its table goes on after it
                inTable.pop_back();
        } else if (t.type == TokenType::Text || t.type == TokenType::HexByte) {
            if (!inTable.back())
                break;
        } else if (t.type == TokenType::ControlSymbol) {
            star = t.symbol == '*';
            continue;
        } else if (t.type == TokenType::ControlWord) {
            const ControlWordInfo &w = controlWord(t.text);
            const Action a = w.action;
            if (star || w.kind == Kind::Skipped || a == Action::Picture || a == Action::FontTable) {
                tok.skipGroup(); // nothing in it is text of the table
                inTable.pop_back();
                if (inTable.empty())
                    break;
            } else if (a == Action::Row) {
                ++rows;
                if (edges) // rows alike share their list (QList == hands memcmp a null empty list)
                    edges->append(!edges->isEmpty() && std::ranges::equal(edges->last(), row) ? edges->last() : row);
            } else if (a == Action::RowDefaults) {
                row.clear();
            } else if (a == Action::CellRight) {
                row.append(std::clamp(t.param, -kMaxRowWidth, kMaxRowWidth));
            } else if (a == Action::Pard) {
                inTable.back() = false;
            } else if (a == Action::InTable || a == Action::TableDepth) {
                inTable.back() = a == Action::InTable || t.param > 0;
            } else if (a == Action::Par && !inTable.back()) {
                break;
            }
        }
        star = false;
    }
    return rows;
}

// The right edges of each row of the table nested in the cell being read, from the
// \nesttableprops that end its rows, up to the end of the outer cell or one of its own
// paragraphs. Only rows of paragraphs two deep count; deeper tables' rows are passed over.
QList<QList<int>> Parser::nestedRowsAhead() const
{
    constexpr qsizetype kMaxRows = 4096;
    Tokenizer tok(QByteArrayView(m_tok.position(), m_tok.remaining()));
    QList<QList<int>> rows;
    QList<int> row;
    int depth = 0, propsDepth = -1, itap = tableDepth(m_groups.back().para);
    bool star = false;
    for (Token t = tok.next(); t.type != TokenType::End && rows.size() < kMaxRows; t = tok.next()) {
        if (t.type == TokenType::GroupOpen) {
            ++depth;
        } else if (t.type == TokenType::GroupClose) {
            if (depth == propsDepth) {
                rows << row;
                row.clear();
                propsDepth = -1;
            }
            if (--depth < 0)
                break;
        } else if (t.type == TokenType::ControlWord) {
            const Action a = controlWord(t.text).action;
            if (a == Action::NestedTableProps) {
                propsDepth = itap == 2 ? depth : -1;
            } else if (a == Action::CellRight && propsDepth >= 0) {
                row << std::clamp(t.param, -kMaxRowWidth, kMaxRowWidth);
            } else if ((a == Action::Cell || a == Action::Row) && propsDepth < 0) {
                break; // the outer cell ends
            } else if (a == Action::Par && itap < 2 && propsDepth < 0) {
                break; // a paragraph of the outer cell ends this nested table
            } else if (star || controlWord(t.text).kind == Kind::Skipped || a == Action::Picture) {
                tok.skipGroup();
                --depth;
            } else if (a == Action::Pard) {
                itap = 0;
            } else if (a == Action::InTable) {
                itap = std::max(itap, 1);
            } else if (a == Action::TableDepth) {
                itap = t.param;
            }
        }
        star = t.type == TokenType::ControlSymbol && t.symbol == '*';
    }
    return rows;
}

} // namespace Rtf
