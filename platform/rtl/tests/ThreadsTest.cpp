#include <gtest/gtest.h>

#include <future>
#include <stdexcept>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Threads.h"

namespace {

// Sums 1..N, or counts until terminated when N is 0.
class SumThread : public TThread {
public:
    explicit SumThread(Integer n) : FN(n) {}
    ~SumThread() override { TerminateAndWaitFor(); }
    std::atomic<Int64> Sum = 0;
    std::promise<void> Running;

protected:
    void Execute() override
    {
        Running.set_value();
        if (FN == 0) {
            while (!Terminated())
                std::this_thread::yield();
            SetReturnValue(-1);
            return;
        }
        for (Integer i = 1; i <= FN; ++i)
            Sum += i;
        SetReturnValue(FN);
        Terminate();   // the end signalled through the terminated flag, as the workers do
    }

private:
    Integer FN;
};

}  // namespace

TEST(Thread, CreatedSuspendedRunsOnStartAndIsWaitedFor)
{
    SumThread t(1000);
    EXPECT_FALSE(t.Started());
    EXPECT_FALSE(t.Terminated());
    EXPECT_EQ(t.WaitFor(), 0);   // never started: returns at once
    EXPECT_EQ(t.Sum, 0);
    t.Start();
    EXPECT_EQ(t.WaitFor(), 1000);
    EXPECT_TRUE(t.Finished());
    EXPECT_TRUE(t.Terminated());
    EXPECT_EQ(t.Sum, 500500);
    EXPECT_EQ(t.WaitFor(), 1000);   // again: still the result
    EXPECT_THROW(t.Start(), EThread);
}

TEST(Thread, TerminateStopsAPollingExecute)
{
    SumThread t(0);
    int terminated = 0;
    t.OnTerminate = [&](TThread&) { ++terminated; };
    auto running = t.Running.get_future();
    t.Start();
    running.wait();
    t.Terminate();
    EXPECT_EQ(t.WaitFor(), -1);
    EXPECT_EQ(terminated, 1);
}

TEST(Thread, DestroyingARunningThreadStopsAndJoinsIt)
{
    auto t = std::make_unique<SumThread>(0);
    auto running = t->Running.get_future();
    t->Start();
    running.wait();
    t.reset();   // must return: the destructor terminates and joins
    SUCCEED();
}

// A class that leaves its running thread to the base destructor breaks the rule: Execute would
// go on inside a half-destroyed object, so the program stops with a message instead.
TEST(ThreadDeathTest, DestroyingARunningThreadWithoutStoppingItStopsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Careless : TThread {
        std::promise<void> Running;
        void Execute() override
        {
            Running.set_value();
            while (!Terminated())
                std::this_thread::yield();
        }
    };
    EXPECT_DEATH(
        {
            auto t = std::make_unique<Careless>();
            auto running = t->Running.get_future();
            t->Start();
            running.wait();
            t.reset();
        },
        "destroyed while its Execute was running");
}

TEST(Thread, ManyWorkersPolledByTheirFlag)
{
    std::vector<std::unique_ptr<SumThread>> workers;
    for (Integer n = 1; n <= TThread::ProcessorCount() + 2; ++n)
        workers.push_back(std::make_unique<SumThread>(n * 100));
    for (auto& w : workers)
        w->Start();
    Int64 total = 0;
    for (auto& w : workers) {
        w->WaitFor();
        EXPECT_TRUE(w->Terminated());
        total += w->Sum;
    }
    Int64 expected = 0;
    for (Integer n = 1; n <= TThread::ProcessorCount() + 2; ++n)
        expected += static_cast<Int64>(n * 100) * (n * 100 + 1) / 2;
    EXPECT_EQ(total, expected);
}

TEST(Thread, ExceptionInExecuteIsKept)
{
    struct Failing : TThread {
        void Execute() override { throw std::runtime_error("boom"); }
    };
    Failing t;
    t.Start();
    t.WaitFor();
    ASSERT_TRUE(t.FatalException());
    EXPECT_THROW(std::rethrow_exception(t.FatalException()), std::runtime_error);
}

TEST(Thread, FreeOnTerminateDeletesItself)
{
    struct SelfFreeing : TThread {
        std::promise<void>* Deleted;
        ~SelfFreeing() override { Deleted->set_value(); }
        void Execute() override {}
    };
    std::promise<void> deleted;
    auto* t = new SelfFreeing;
    t->Deleted = &deleted;
    t->SetFreeOnTerminate(true);
    t->Start();
    deleted.get_future().wait();   // returns once the thread has freed itself
    SUCCEED();
}

TEST(Clock, CountersMoveForward)
{
    Int64 frequency = 0, before = 0, after = 0;
    EXPECT_TRUE(QueryPerformanceFrequency(frequency));
    EXPECT_EQ(frequency, 1000000000);
    EXPECT_TRUE(QueryPerformanceCounter(before));
    Cardinal tick = GetTickCount();
    Sleep(2);
    EXPECT_TRUE(QueryPerformanceCounter(after));
    EXPECT_GE(after - before, 2 * frequency / 1000);
    EXPECT_GE(static_cast<Cardinal>(GetTickCount() - tick), 1u);
}
