#pragma once
// Owns the one conversion worker thread. The front end starts a worker procedure
// (TranscodeWorker or MergeWorker) with the job as its only argument and polls the
// job's exchange fields; it joins the thread before it touches the job's settings
// again. A new start joins the previous worker first, so two workers never run at
// once; the destructor joins too, so a thread never outlives its owner.

#include <thread>

class AVConvert;

class WorkerThread {
public:
    using Procedure = void (*)(AVConvert& job);

    WorkerThread() = default;
    ~WorkerThread() { join(); }
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    void start(Procedure procedure, AVConvert& job) {
        join();
        m_thread = std::thread(procedure, std::ref(job));
    }
    void join() {
        if (m_thread.joinable()) m_thread.join();
    }
    bool running() const { return m_thread.joinable(); }

private:
    std::thread m_thread;
};
