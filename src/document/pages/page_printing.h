#pragma once
// Prints a document on the page layout it carries (page size and margins), every page
// numbered at its foot. Print and Print Preview both draw through here, so the preview
// shows exactly what Print prints.

class QPagedPaintDevice;
class QTextDocument;

void printDocument(const QTextDocument &document, QPagedPaintDevice &device);
