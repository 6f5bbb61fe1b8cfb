#include "general/BackgroundSave.h"

#include "general/StdError.h"

#include <exception>

namespace STD {

BackgroundSave::BackgroundSave(GuardedFile& file, BytesFunction bytes, QObject* parent)
    : QObject(parent), file_(file), bytes_(std::move(bytes))
{
    // One thread: writes reach the disk in the order they were started.
    pool_.setMaxThreadCount(1);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &BackgroundSave::StartWrite);
}

BackgroundSave::~BackgroundSave()
{
    pool_.waitForDone();
}

void BackgroundSave::Schedule()
{
    pending_ = true;
    // Someone else's version stays until the user has decided.
    if (stopped_ || last_ == State::ChangedOutside || running_ || timer_.isActive())
        return;
    timer_.start(delay_);
}

void BackgroundSave::StartWrite()
{
    if (stopped_ || running_ || !pending_)
        return;
    pending_ = false;
    running_ = true;
    pool_.start([this, bytes = bytes_()] {
        Outcome outcome = Run(bytes);
        {
            const std::lock_guard guard(mutex_);
            finished_ = std::move(outcome);
        }
        QMetaObject::invokeMethod(this, &BackgroundSave::Collect, Qt::QueuedConnection);
    });
}

BackgroundSave::Outcome BackgroundSave::Run(const QByteArray& bytes)
{
    try {
        if (!file_.WriteUnlessChangedOutside(bytes, *steps_))
            return {State::ChangedOutside, {}};
        return {State::Saved, {}};
    } catch (const Error& error) {
        return {State::Failed, error.Text()};
    } catch (const std::exception& error) {
        return {State::Failed, QString::fromLocal8Bit(error.what())};
    }
}

void BackgroundSave::Collect()
{
    std::optional<Outcome> outcome;
    {
        const std::lock_guard guard(mutex_);
        outcome.swap(finished_);
    }
    if (!outcome)
        return;
    running_ = false;
    last_ = outcome->state;
    failure_ = outcome->failure;
    // Changes made meanwhile get their own write.
    if (pending_ && !stopped_ && last_ != State::ChangedOutside)
        timer_.start(delay_);
    Q_EMIT Written(CurrentState());
}

void BackgroundSave::Stop()
{
    stopped_ = true;
    timer_.stop();
    pool_.waitForDone();
    Collect();
}

void BackgroundSave::Resume()
{
    stopped_ = false;
    if (pending_)
        Schedule();
}

void BackgroundSave::NoteWritten()
{
    pending_ = false;
    timer_.stop();
    last_ = State::Saved;
    failure_.clear();
}

BackgroundSave::State BackgroundSave::CurrentState() const
{
    if (last_ == State::ChangedOutside)
        return last_;
    return pending_ || running_ ? State::Pending : last_;
}

} // namespace STD
