#pragma once

#include "general/GuardedFile.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <functional>
#include <mutex>
#include <optional>

namespace STD {

// Keeps a file up to date with what the program holds, without holding it
// up: a burst of changes becomes one write, the bytes are taken on the
// caller's thread once per write, and writing and syncing them run on a
// thread of their own. A failed write is kept quiet (the next change tries
// again); a file changed by someone else is not written over.
class BackgroundSave : public QObject
{
    Q_OBJECT
public:
    enum class State
    {
        Saved,
        // Changes wait for their write, or one is under way.
        Pending,
        Failed,
        ChangedOutside
    };

    using BytesFunction = std::function<QByteArray()>;

    // bytes: the file's whole new content, asked for on this object's thread.
    BackgroundSave(GuardedFile& file, BytesFunction bytes, QObject* parent = nullptr);
    ~BackgroundSave() override;

    // How long after the first change of a burst its write starts.
    void SetDelay(std::chrono::milliseconds delay) { delay_ = delay; }
    // How the bytes reach the disk (tests make them fail).
    void SetSteps(SaveSteps& steps) { steps_ = &steps; }

    // Something changed: written within the delay, with whatever changes later.
    void Schedule();
    // Starts nothing more and waits for a write under way, until Resume.
    void Stop();
    void Resume();
    // The file was written another way with everything up to now.
    void NoteWritten();

    State CurrentState() const;
    // Why the last write failed.
    const QString& FailureReason() const { return failure_; }

Q_SIGNALS:
    // After each write, whether it succeeded or not.
    void Written(State state);

private:
    struct Outcome
    {
        State state = State::Saved;
        QString failure;
    };

    void StartWrite();
    Outcome Run(const QByteArray& bytes);
    // Takes the outcome of a finished write, once.
    void Collect();

    GuardedFile& file_;
    BytesFunction bytes_;
    SaveSteps* steps_ = &SystemSaveSteps();
    std::chrono::milliseconds delay_{1000};
    QTimer timer_;
    bool pending_ = false;
    bool running_ = false;
    bool stopped_ = false;
    State last_ = State::Saved;
    QString failure_;
    std::mutex mutex_;
    std::optional<Outcome> finished_;
    // Last, so that it is gone, its write finished, before the rest.
    QThreadPool pool_;
};

} // namespace STD
