#pragma once

// moc cannot parse <coroutine> (Qt 6.4); the window's headers include this one.
#ifndef Q_MOC_RUN
#include <coroutine>
#endif
#include <exception>
#include <utility>

namespace mervane {

template <class T>
class Task;

namespace detail {

// At its end a task hands control straight back to the coroutine that awaited it, so
// that a long chain of steps never deepens the stack.
struct TaskFinal {
    bool await_ready() const noexcept { return false; }
    template <class Promise>
    std::coroutine_handle<> await_suspend(std::coroutine_handle<Promise> done) noexcept {
        if (const auto awaiting = done.promise().awaiting) return awaiting;
        return std::noop_coroutine();
    }
    void await_resume() const noexcept {}
};

// What a step throws (a platform that cannot write its output, say) goes up to the
// step that awaited it, as it would through plain calls.
struct TaskPromiseBase {
    std::coroutine_handle<> awaiting;
    std::exception_ptr error;
    std::suspend_always initial_suspend() const noexcept { return {}; }
    TaskFinal final_suspend() const noexcept { return {}; }
    void unhandled_exception() noexcept { error = std::current_exception(); }
    void RethrowIfFailed() const {
        if (error) std::rethrow_exception(error);
    }
};

template <class T>
struct TaskPromise : TaskPromiseBase {
    T value{};
    Task<T> get_return_object();
    void return_value(T result) { value = std::move(result); }
    T Result() {
        RethrowIfFailed();
        return std::move(value);
    }
};

template <>
struct TaskPromise<void> : TaskPromiseBase {
    Task<void> get_return_object();
    void return_void() const noexcept {}
    void Result() const { RethrowIfFailed(); }
};

}  // namespace detail

// A step of the game flow that may pause. It starts when awaited (or Start()ed) and
// resumes its awaiter when it ends. Destroying a Task destroys its frame, and with it
// every step it is suspended in, so a chain abandoned mid-pause frees everything.
template <class T = void>
class [[nodiscard]] Task {
public:
    using promise_type = detail::TaskPromise<T>;
    using Handle = std::coroutine_handle<promise_type>;

    Task() = default;
    explicit Task(Handle handle) : handle_(handle) {}
    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() { Reset(); }

    // Runs the task until it first waits or ends; for the outermost task only.
    void Start() { handle_.resume(); }
    // True for an empty task and for one that has run to its end.
    bool Done() const { return !handle_ || handle_.done(); }
    // For the outermost task once it is done: what it threw, if anything.
    void RethrowIfFailed() const {
        if (handle_) handle_.promise().RethrowIfFailed();
    }
    void Reset() {
        if (handle_) handle_.destroy();
        handle_ = {};
    }

    bool await_ready() const noexcept { return false; }
    std::coroutine_handle<> await_suspend(std::coroutine_handle<> awaiting) noexcept {
        handle_.promise().awaiting = awaiting;
        return handle_;
    }
    T await_resume() { return handle_.promise().Result(); }

private:
    Handle handle_;
};

namespace detail {

template <class T>
Task<T> TaskPromise<T>::get_return_object() {
    return Task<T>(Task<T>::Handle::from_promise(*this));
}

inline Task<void> TaskPromise<void>::get_return_object() {
    return Task<void>(Task<void>::Handle::from_promise(*this));
}

}  // namespace detail

}  // namespace mervane
