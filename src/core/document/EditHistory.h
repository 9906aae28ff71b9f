#pragma once
// A history of edits that can be undone and redone. Each step keeps the state
// of what it changed before and after, and a short name in the user's words;
// the history knows nothing of what a State is. Recording a step after an
// undo discards the steps that could have been redone. The oldest steps go
// once there are more than the limit.
//
// The history also remembers the step at which its document was last saved,
// so that undoing back to it makes the document clean again.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <utility>

template <class State>
class EditHistory {
public:
    static constexpr size_t DefaultLimit = 200;

    struct Step {
        std::string Name;
        State Before;
        State After;
        // Steps of the same non-empty key in a row are one step (the keys of
        // a name being typed, a slider being dragged).
        std::string MergeKey;
    };

    explicit EditHistory(size_t limit = DefaultLimit) : limit_(limit < 1 ? 1 : limit) {}

    void Record(Step step)
    {
        steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
        if (saved_ && *saved_ > position_)
            saved_.reset();
        if (MergesWithLast(step)) {
            steps_.back().After = std::move(step.After);
            steps_.back().Name = std::move(step.Name);
            return;
        }
        steps_.push_back(std::move(step));
        ++position_;
        if (steps_.size() > limit_) {
            steps_.pop_front();
            --position_;
            if (saved_)
                saved_ = *saved_ == 0 ? std::nullopt : std::optional<size_t>(*saved_ - 1);
        }
    }

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < steps_.size(); }
    // The names of the steps Undo and Redo would take; empty when none.
    std::string UndoName() const { return CanUndo() ? steps_[position_ - 1].Name : std::string(); }
    std::string RedoName() const { return CanRedo() ? steps_[position_].Name : std::string(); }

    // The state to put back: before the step undone, after the step redone;
    // nothing when there is no step.
    const State* Undo()
    {
        if (!CanUndo())
            return nullptr;
        return &steps_[--position_].Before;
    }
    const State* Redo()
    {
        if (!CanRedo())
            return nullptr;
        return &steps_[position_++].After;
    }

    // Forgets every step; `saved` tells whether the state now is the saved one.
    void Clear(bool saved = true)
    {
        steps_.clear();
        position_ = 0;
        saved_ = saved ? std::optional<size_t>(0) : std::nullopt;
    }
    void MarkSaved() { saved_ = position_; }
    bool AtSaved() const { return saved_ == position_; }
    size_t Size() const { return steps_.size(); }
    // How many of the steps are done (the rest can be redone).
    size_t Done() const { return position_; }
    size_t Limit() const { return limit_; }

private:
    bool MergesWithLast(const Step& step) const
    {
        return !step.MergeKey.empty() && position_ > 0 && steps_.back().MergeKey == step.MergeKey &&
               saved_ != position_;
    }

    std::deque<Step> steps_;
    size_t position_ = 0;  // steps before it are done, from it on undone
    std::optional<size_t> saved_ = 0;
    size_t limit_;
};
