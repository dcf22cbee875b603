#pragma once
// A scripted result of a system call: whether it succeeds and what GetLastError says after it.
#include <cstdint>
#include <deque>
#include <optional>

namespace sim {

struct Outcome {
    bool ok = true;
    std::uint32_t error = 0;
};

// Outcomes queued by a test, taken one per call; empty means the simulation decides.
class OutcomeQueue {
  public:
    void Push(Outcome outcome) { queue_.push_back(outcome); }
    void Push(bool ok, std::uint32_t error = 0) { queue_.push_back(Outcome{ok, error}); }
    std::optional<Outcome> Take() {
        if (queue_.empty()) return std::nullopt;
        Outcome next = queue_.front();
        queue_.pop_front();
        return next;
    }
    bool Empty() const { return queue_.empty(); }
    void Clear() { queue_.clear(); }

  private:
    std::deque<Outcome> queue_;
};

}  // namespace sim
