#pragma once
// Long work (reading a large document, composing one) tells how far it has come and stops when
// the answer says so. The windows hand in a progress dialog; everything else passes nothing.

#include <QtGlobal>

class WorkProgress {
public:
    virtual ~WorkProgress() = default;
    // `done` of `total` units; false once the user asked to stop.
    virtual bool advance(qint64 done, qint64 total) = 0;
};
