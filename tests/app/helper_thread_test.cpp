// Helper threads: results and failures come through the future, the thread may use every
// processor the program may once it runs, and a brief wait still waits for slow work.

#include "app/helper_thread.h"

#include <QTest>

#include <stdexcept>
#include <thread>

#if defined(__linux__)
#include <sched.h>
#endif

using namespace orvane;

class HelperThreadTest : public QObject {
    Q_OBJECT
private slots:
    void resultAndFailureComeThroughTheFuture() {
        std::future<int> answer = RunOnHelperThread<int>([] { return 42; });
        AwaitBriefly(answer);
        QCOMPARE(answer.get(), 42);

        std::future<void> failed =
            RunOnHelperThread<void>([] { throw std::runtime_error("no font configuration"); });
        AwaitBriefly(failed);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, failed.get());
    }

    void threadIsFreeToMoveOnceItRuns() {
#if defined(__linux__)
        cpu_set_t mine;
        QCOMPARE(sched_getaffinity(0, sizeof mine, &mine), 0);
        std::future<cpu_set_t> theirs = RunOnHelperThread<cpu_set_t>([] {
            cpu_set_t allowed;
            CPU_ZERO(&allowed);
            sched_getaffinity(0, sizeof allowed, &allowed);
            return allowed;
        });
        const cpu_set_t allowed = theirs.get();
        QVERIFY(CPU_EQUAL(&allowed, &mine));
#else
        QSKIP("processors are chosen on Linux only");
#endif
    }

    void briefWaitOutlastsItsPolling() {
        std::future<int> slow = RunOnHelperThread<int>([] {
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
            return 7;
        });
        AwaitBriefly(slow, std::chrono::milliseconds(1));
        QCOMPARE(slow.wait_for(std::chrono::seconds(0)), std::future_status::ready);
        QCOMPARE(slow.get(), 7);
    }
};

QTEST_GUILESS_MAIN(HelperThreadTest)
#include "helper_thread_test.moc"
