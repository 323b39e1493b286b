#include "wait_for.h"

#include "shell/form.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

void whenModal(QList<std::function<void(QWidget *)>> steps)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, steps, shown = QPointer<QWidget>()]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == shown)
            return;
        shown = modal;
        steps.takeFirst()(modal);
        if (steps.isEmpty()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
}

void whenFormShown(QObject *owner, const QString &name, std::function<void(Form *)> act)
{
    auto *timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, name, act] {
        Form *form = Forms::find(name);
        if (!form || !form->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(form);
    });
    timer->start(10);
}
