#pragma once
// What tests queue for a modal part of the layer to take in place of the
// user, and what that part would have shown while it did.
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace platform::detail {

template <class Answer, class Shown = std::monostate>
class ScriptedQueue
{
public:
    void Add(Answer answer)
    {
        std::lock_guard lock(mutex_);
        answers_.push_back(std::move(answer));
    }
    void Add(const std::vector<Answer>& answers)
    {
        std::lock_guard lock(mutex_);
        answers_.insert(answers_.end(), answers.begin(), answers.end());
    }
    bool Empty() const
    {
        std::lock_guard lock(mutex_);
        return answers_.empty();
    }
    std::optional<Answer> Next()
    {
        std::lock_guard lock(mutex_);
        return PopLocked();
    }
    // With an answer queued: takes it and records what `shownNow()` gives,
    // at one time; without one, records nothing.
    template <class MakeShown>
    std::optional<Answer> NextRecording(MakeShown&& shownNow)
    {
        std::lock_guard lock(mutex_);
        std::optional<Answer> answer = PopLocked();
        if (answer)
            shown_.push_back(shownNow());
        return answer;
    }
    void Record(Shown shown)
    {
        std::lock_guard lock(mutex_);
        shown_.push_back(std::move(shown));
    }
    // Drops the answers left; how many there were.
    std::size_t Discard()
    {
        std::lock_guard lock(mutex_);
        return std::exchange(answers_, {}).size();
    }
    // Drops the answers left and hands over what was shown so far.
    std::vector<Shown> TakeShown()
    {
        std::lock_guard lock(mutex_);
        answers_.clear();
        return std::exchange(shown_, {});
    }

private:
    std::optional<Answer> PopLocked()
    {
        if (answers_.empty())
            return std::nullopt;
        std::optional<Answer> answer(std::move(answers_.front()));
        answers_.pop_front();
        return answer;
    }

    mutable std::mutex mutex_;
    std::deque<Answer> answers_;
    std::vector<Shown> shown_;
};

}  // namespace platform::detail
