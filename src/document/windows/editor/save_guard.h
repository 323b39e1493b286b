#pragma once
// Before a save replaces files: a data file holding answers this run never read nor wrote, or
// a file changed on the disk since this run read or wrote it, is replaced only after a Yes.

class QString;
class QWidget;

namespace SaveGuard {
enum class Scope {
    Both,         // the document and its data file
    DocumentOnly, // the data file stays as it is
    Nothing,      // the save is called off
};

// Asks what needs asking before `documentPath` and its data file are written. The Save
// dialog's own question already covered an existing document when `nameJustChosen`.
Scope ask(QWidget *parent, const QString &documentPath, bool nameJustChosen);
// Tells the user that the document was saved and the data file left as it was.
void reportDataFileKept(QWidget *parent, const QString &documentPath);
} // namespace SaveGuard
