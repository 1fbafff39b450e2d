#include "support/Background.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace kovex {
namespace {

using namespace std::chrono_literals;

std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "none";
}

TEST(Background, RunGivesTheResultOrTheFailure) {
    EXPECT_EQ(background::run([] { return 42; }).get(), 42);
    std::future<int> failed = background::run([]() -> int { throw std::runtime_error("work failed"); });
    EXPECT_EQ(failureOf([&] { failed.get(); }), "work failed");
}

// More work than the pool has threads still all runs: what finds no
// thread runs at once.
TEST(Background, EveryTaskRunsWhenThePoolIsBusy) {
    std::atomic<int> done{0};
    {
        std::vector<std::unique_ptr<background::Task>> tasks;
        tasks.reserve(20);
        for (int i = 0; i < 20; ++i)
            tasks.push_back(std::make_unique<background::Task>([&done] {
                std::this_thread::sleep_for(2ms);
                ++done;
            }));
    }
    EXPECT_EQ(done.load(), 20);
}

// The end of a task waits for its work, so what the work uses may live
// on the caller's stack even when the caller fails meanwhile.
TEST(Background, ATaskEndsOnlyWithItsWork) {
    std::atomic<bool> finished{false};
    EXPECT_EQ(failureOf([&] {
                  background::Task task([&finished] {
                      std::this_thread::sleep_for(20ms);
                      finished = true;
                  });
                  throw std::runtime_error("caller failed");
              }),
              "caller failed");
    EXPECT_TRUE(finished.load());
}

// The work is the earlier step: its failure comes before the step's.
TEST(Background, BeforeReportsTheWorksFailureFirst) {
    const auto fails = [](const char* what) { return [what] { throw std::runtime_error(what); }; };
    const auto succeeds = [] {};
    EXPECT_EQ(failureOf([&] { background::Task(fails("work")).before(fails("step")); }), "work");
    EXPECT_EQ(failureOf([&] { background::Task(succeeds).before(fails("step")); }), "step");
    EXPECT_EQ(failureOf([&] { background::Task(fails("work")).before(succeeds); }), "work");
    EXPECT_EQ(failureOf([&] { background::Task(succeeds).before(succeeds); }), "none");
}

} // namespace
} // namespace kovex
