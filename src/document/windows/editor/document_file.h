#pragma once
// The file the editor's document belongs to, as Save sees it.

#include <QString>

struct DocumentFile {
    // The file last opened or saved in the window (the common dialog's file name): Save writes
    // there, and Save As proposes it.
    QString path;
    // Save must ask for a name first: nothing was saved or opened yet, or the file opened is
    // one that RTF must not overwrite.
    bool needsName = true;
};
