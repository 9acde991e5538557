#include "engine/SecondThread.h"

#include <pthread.h>

#include <utility>

namespace engine {

SecondThread::SecondThread() : m_thread([this] { Loop(); }) {
    pthread_setname_np(m_thread.native_handle(), "primorator-scan");
}

SecondThread::~SecondThread() {
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void SecondThread::Begin(std::function<void()> job) {
    {
        std::lock_guard lock(m_mutex);
        m_job = std::move(job);
        m_busy = true;
    }
    m_changed.notify_all();
}

void SecondThread::Wait() {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_busy; });
    if (m_error) std::rethrow_exception(std::exchange(m_error, nullptr));
}

void SecondThread::Loop() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        // A job handed before the end is still done: the scan may be waiting for it.
        m_changed.wait(lock, [this] { return m_busy || m_quit; });
        if (!m_busy) return;
        lock.unlock();
        std::exception_ptr error;
        try {
            m_job();
        } catch (...) {
            error = std::current_exception();
        }
        lock.lock();
        m_error = error;
        m_busy = false;
        m_changed.notify_all();
    }
}

}  // namespace engine
