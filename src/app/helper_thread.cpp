#include "app/helper_thread.h"

#include <memory>
#include <system_error>
#include <thread>

#if defined(__linux__)
#include <pthread.h>
#include <sched.h>
#endif

namespace orvane {

#if defined(__linux__)
namespace {

struct Start {
    std::function<void()> run;
    cpu_set_t allowed; // the processors the thread may use once it runs
};

void *RunStart(void *argument) {
    const std::unique_ptr<Start> start(static_cast<Start *>(argument));
    sched_setaffinity(0, sizeof start->allowed, &start->allowed);
    start->run();
    return nullptr;
}

} // namespace
#endif

void StartThreadElsewhere(std::function<void()> run) {
#if defined(__linux__)
    auto start = std::make_unique<Start>();
    start->run = std::move(run);
    const int here = sched_getcpu();
    if (here >= 0 && sched_getaffinity(0, sizeof start->allowed, &start->allowed) == 0) {
        cpu_set_t elsewhere = start->allowed;
        CPU_CLR(here, &elsewhere);
        pthread_attr_t attributes;
        if (pthread_attr_init(&attributes) == 0) {
            pthread_t thread;
            bool started = false;
            if (CPU_COUNT(&elsewhere) > 0 &&
                pthread_attr_setaffinity_np(&attributes, sizeof elsewhere, &elsewhere) == 0 &&
                pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED) == 0)
                started = pthread_create(&thread, &attributes, RunStart, start.get()) == 0;
            pthread_attr_destroy(&attributes);
            if (started) {
                start.release(); // the thread owns it now
                return;
            }
        }
    }
    run = std::move(start->run);
#endif
    try {
        std::thread(run).detach();
    } catch (const std::system_error &) {
        run(); // no thread to be had: the work is done here, only later than hoped
    }
}

} // namespace orvane
