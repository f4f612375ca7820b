// TEvent: a notification callback, a routine together with its context. Calling an
// unassigned event does nothing.
#pragma once

namespace qm {

template <class... Args>
struct TEvent {
    using TCode = void (*)(void* Data, Args... Params);

    TCode Code = nullptr;
    void* Data = nullptr;

    explicit operator bool() const { return Code != nullptr; }

    void operator()(Args... Params) const {
        if (Code) Code(Data, Params...);
    }

    // An event that calls Method on Object.
    template <auto Method, class T>
    static TEvent Of(T* Object) {
        return {[](void* Data, Args... Params) { (static_cast<T*>(Data)->*Method)(Params...); },
                Object};
    }
};

}  // namespace qm
