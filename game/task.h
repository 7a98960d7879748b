#pragma once

// moc cannot parse <coroutine> (Qt 6.4); the window's headers include this one.
#ifndef Q_MOC_RUN
#include <coroutine>
#endif
#include <array>
#include <cstddef>
#include <exception>
#include <new>
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

// A chain allocates and frees the same few frame sizes for every turn: freed frames are
// kept for the next step of their size instead of going back to the heap.
class FramePool {
  public:
    FramePool() = default;
    FramePool(const FramePool&) = delete;
    FramePool& operator=(const FramePool&) = delete;
    ~FramePool() {
        for (FreeFrame*& list : free_) {
            while (list) ::operator delete(std::exchange(list, list->next));
        }
    }

    static void* Allocate(std::size_t size) {
        const std::size_t slot = SlotOf(size);
        if (slot < SlotCount) {
            FreeFrame*& list = Local().free_[slot];
            if (list) return std::exchange(list, list->next);
            return ::operator new(SizeOf(slot));
        }
        return ::operator new(size);
    }
    static void Free(void* frame, std::size_t size) noexcept {
        const std::size_t slot = SlotOf(size);
        if (slot >= SlotCount) return ::operator delete(frame);
        FreeFrame*& list = Local().free_[slot];
        list = ::new (frame) FreeFrame{list};
    }

  private:
    struct FreeFrame {
        FreeFrame* next;
    };
    static constexpr std::size_t Granule = 64;
    static constexpr std::size_t SlotCount = 16;  // frames up to 1 KiB
    static std::size_t SlotOf(std::size_t size) { return (size + Granule - 1) / Granule - 1; }
    static std::size_t SizeOf(std::size_t slot) { return (slot + 1) * Granule; }
    static FramePool& Local() {
        thread_local FramePool pool;
        return pool;
    }

    std::array<FreeFrame*, SlotCount> free_{};
};

// What a step throws (a platform that cannot write its output, say) goes up to the
// step that awaited it, as it would through plain calls.
struct TaskPromiseBase {
    std::coroutine_handle<> awaiting;
    std::exception_ptr error;
    std::suspend_always initial_suspend() const noexcept { return {}; }
    TaskFinal final_suspend() const noexcept { return {}; }
    static void* operator new(std::size_t size) { return FramePool::Allocate(size); }
    static void operator delete(void* frame, std::size_t size) noexcept {
        FramePool::Free(frame, size);
    }
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
