#pragma once
// RTF made here for the reader's worst shapes: long tables, a row that never ends, a
// font table of many entries. Each is written once into a temporary file, so that a
// separate process can read it for its peak memory.

#include <QByteArray>
#include <QString>

namespace RtfBench {

// rows rows of columns cells, a few words in each cell.
QByteArray table(int rows, int columns);
// One table row of cells cells with no \row after them.
QByteArray cellsWithoutRowEnd(int cells);
// A font table of fonts entries, then a word in each of used of them.
QByteArray manyFonts(int fonts, int used);

// A path in the temporary folder holding data (written the first time it is asked for).
QString temporaryFile(const QString &name, const QByteArray &data);

} // namespace RtfBench
