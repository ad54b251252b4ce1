// The wrappers of platform handles, as MFC keeps them: the permanent wrapper that holds a handle
// (after Attach), or a temporary one made when a call hands back a handle nobody holds.
// Temporaries never delete what they show. Both maps live until the process ends, so wrappers
// destroyed at exit still find them.
#pragma once

#include <memory>
#include <unordered_map>

// Wrapper must provide static void setHandle(Wrapper*, Handle) through WrapperTraits.
template <class Wrapper> struct WrapperTraits;

template <class Handle, class Wrapper> class HandleMap {
public:
    static void attach(Handle h, Wrapper* w) {
        temporary().erase(h);
        permanent()[h] = w;
    }
    static void detach(Handle h) { permanent().erase(h); }
    static void forget(Handle h) { temporary().erase(h); }

    // The wrapper of h as a T: the permanent one if it is a T, else a temporary T.
    template <class T> static T* find(Handle h) {
        if (!h) return nullptr;
        auto it = permanent().find(h);
        if (it != permanent().end())
            if (auto* w = dynamic_cast<T*>(it->second)) return w;
        auto& temp = temporary()[h];
        if (!dynamic_cast<T*>(temp.get())) {
            temp.reset(new T);
            WrapperTraits<Wrapper>::setHandle(temp.get(), h);
        }
        return static_cast<T*>(temp.get());
    }

private:
    struct Release {
        void operator()(Wrapper* w) const {
            WrapperTraits<Wrapper>::setHandle(w, nullptr);
            delete w;
        }
    };
    static std::unordered_map<Handle, Wrapper*>& permanent() {
        static auto* map = new std::unordered_map<Handle, Wrapper*>;
        return *map;
    }
    static std::unordered_map<Handle, std::unique_ptr<Wrapper, Release>>& temporary() {
        static auto* map = new std::unordered_map<Handle, std::unique_ptr<Wrapper, Release>>;
        return *map;
    }
};
