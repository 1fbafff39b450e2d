#pragma once

#include <functional>
#include <future>
#include <memory>
#include <utility>

// File work that may run beside the caller's: the waits for the disk of a
// save overlap its other steps. The threads are the program's own few,
// kept between saves, rather than a new thread each time.
namespace kovex::background {

// Runs `task` on a thread of the program's file pool; with none to be had,
// runs it at once on the caller's.
void start(const std::function<void()>& task);

// Runs `work` as start() does; its future gives the result or throws what
// `work` threw.
template <typename Work> auto run(Work work) -> std::future<decltype(work())> {
    using Result = decltype(work());
    auto task = std::make_shared<std::packaged_task<Result()>>(std::move(work));
    std::future<Result> result = task->get_future();
    start([task] { (*task)(); });
    return result;
}

// Work started as run() starts it. Its end waits for the work, so that
// whatever the work uses outlives it, whatever fails meanwhile.
class Task {
  public:
    template <typename Work> explicit Task(Work work) : m_done(run(std::move(work))) {}
    ~Task() {
        if (m_done.valid())
            m_done.wait();
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;

    // Waits for the work; throws what it threw.
    void wait() {
        if (m_done.valid())
            m_done.get();
    }
    // Runs `step` on the caller's thread beside the work, then waits for
    // the work. The work is the earlier step: its failure comes first.
    template <typename Step> void before(Step step) {
        try {
            step();
        } catch (...) {
            wait();
            throw;
        }
        wait();
    }

  private:
    std::future<void> m_done;
};

} // namespace kovex::background
