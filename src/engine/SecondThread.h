#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace engine {

// A thread that works beside a scan: the scan hands it a job, does its own
// share of the work meanwhile and waits for the job to end. It starts with
// the object and is joined when the object goes, so it never outlives the
// walk that made it, however the walk ends.
class SecondThread {
public:
    SecondThread();
    ~SecondThread();
    SecondThread(const SecondThread&) = delete;
    SecondThread& operator=(const SecondThread&) = delete;

    // Starts `job`; the job before it must have been waited for.
    void Begin(std::function<void()> job);
    // Returns when the job has ended; throws what it threw.
    void Wait();

private:
    void Loop();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::function<void()> m_job;
    bool m_busy = false;  // a job was handed and has not ended
    bool m_quit = false;
    std::exception_ptr m_error;
    std::thread m_thread;  // last: it starts once the rest is ready
};

}  // namespace engine
