// The real print preview of the dialog layer.
#include "shell/dialogs.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

void Dialogs::printPreview(QWidget *, QPrinter &, const std::function<void(QPrinter &)> &) {}

void QtDialogs::printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter *target) { paint(*target); });
    dialog.exec();
}
