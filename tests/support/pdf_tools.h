#pragma once
// Reads a PDF back with poppler's tools (pdftotext, pdffonts, pdfinfo), as a person's PDF
// viewer would show it. Tests skip when the tools are not installed.

#include <QPointF>
#include <QString>
#include <QStringList>
#include <optional>

bool hasPdfTools();
// The text, pages separated by form feeds; with "-layout" lines keep their columns.
QString pdfText(const QString &pdf, const QStringList &options = {});
// The text of each page, from 1 (index 0 is page 1).
QStringList pdfPages(const QString &pdf);
// pdffonts' table: one line a font, "yes" in the emb column when it is embedded.
QStringList pdfFontLines(const QString &pdf);
// The page size in points, as pdfinfo reads it ("612 x 792 pts (letter)").
QString pdfPageSize(const QString &pdf);
// Every word with its box: (x min, y min) of its first occurrence on a page, or nothing.
std::optional<QPointF> pdfWordPosition(const QString &pdf, int page, const QString &word);
