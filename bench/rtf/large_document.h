#pragma once
// The large document the RTF benchmark reads: about 10 MB of RTF written by LibreOffice
// from a generated text of 19,000 paragraphs in about 130,000 formatted runs. It is made
// on first use and kept in the temporary folder, never committed.

#include <QString>

namespace RtfBench {

// Path of the RTF file, made if missing; empty (with a reason) when LibreOffice is
// not installed or fails.
QString largeRtfFile(QString *error);

} // namespace RtfBench
