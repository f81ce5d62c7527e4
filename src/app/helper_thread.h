#pragma once
// Helper threads for the start: work handed to another processor, and waits for it that do not
// sleep. On a machine with few processors, most of all a virtual one, a thread started by a busy
// thread is queued on that thread's processor until the scheduler moves it, milliseconds later,
// and a thread that sleeps in a wait can take as long again to be woken when the work is done.

#include <chrono>
#include <functional>
#include <future>
#include <thread>

namespace orvane {

// Runs `work` on a new thread, started on another processor than the caller's where the system
// allows choosing (the thread may move freely once it runs); where no thread can be had, on the
// caller's, before returning. The result, or the exception `work` ended with, comes through the
// future; wait for it before anything `work` uses is gone.
template <typename Result> std::future<Result> RunOnHelperThread(std::function<Result()> work);

// Waits for `result` by polling it for up to `limit` before sleeping (where there is more than
// one processor): for work expected to end within milliseconds, so the waiting thread carries on
// the moment it ends.
template <typename Result>
void AwaitBriefly(const std::future<Result> &result,
                  std::chrono::milliseconds limit = std::chrono::milliseconds(50));

// Starts `run` on a new thread placed as RunOnHelperThread says.
void StartThreadElsewhere(std::function<void()> run);

template <typename Result> std::future<Result> RunOnHelperThread(std::function<Result()> work) {
    auto task = std::make_shared<std::packaged_task<Result()>>(std::move(work));
    std::future<Result> result = task->get_future();
    StartThreadElsewhere([task] { (*task)(); });
    return result;
}

template <typename Result>
void AwaitBriefly(const std::future<Result> &result, std::chrono::milliseconds limit) {
    // on a single processor polling would only hold the work up
    if (std::thread::hardware_concurrency() > 1) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (result.wait_for(std::chrono::seconds(0)) != std::future_status::ready &&
               std::chrono::steady_clock::now() < end)
            std::this_thread::yield();
    }
    result.wait();
}

} // namespace orvane
