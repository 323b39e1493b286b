#pragma once
// Answering windows that open while the program waits: a modal dialog in its own event loop,
// or one of the program's windows shown without waiting.

#include <QList>
#include <QString>
#include <functional>

class Form;
class QObject;
class QWidget;

// Runs each step on the next modal widget shown, one step a widget, in turn.
void whenModal(QList<std::function<void(QWidget *)>> steps);
// Runs `act` once on the program's window `name` as soon as it is visible. The watch ends
// with `owner`, so it cannot reach into a later test.
void whenFormShown(QObject *owner, const QString &name, std::function<void(Form *)> act);
