#pragma once
// Shared by the information window suites.

#include "test_app.h"

#include "info/info_texts.h"
#include "info/star_shape.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

// Where a window stands when its outer frame is centred on its screen.
inline QPoint centredPosition(const QWidget *w)
{
    const QRect screen = w->screen()->geometry();
    const QSize outer = w->frameGeometry().size();
    return QPoint(qRound(screen.left() + (screen.width() - outer.width()) / 2.0),
                  qRound(screen.top() + (screen.height() - outer.height()) / 2.0));
}

inline QLabel *label(const TestProgram &p, const QString &window, const QString &name)
{
    return p.child<QLabel>(window, name);
}
