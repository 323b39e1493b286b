#pragma once
// How reading or writing a file came out, in the one shape that every codec and file writer
// gives back: done; failed, with the reason in words for the user; or stopped because the
// user asked, when there is nothing to tell.

#include <QString>

class Outcome {
public:
    Outcome() = default; // done
    static Outcome failed(const QString &why) { return Outcome(State::Failed, why); }
    static Outcome stopped() { return Outcome(State::Stopped, QString()); }

    bool ok() const { return m_state == State::Done; }
    bool wasStopped() const { return m_state == State::Stopped; }
    const QString &error() const { return m_error; }

private:
    enum class State { Done, Failed, Stopped };
    Outcome(State state, const QString &error) : m_state(state), m_error(error) {}

    State m_state = State::Done;
    QString m_error;
};
