#pragma once
// TObject: the root of the component library's classes. Messages reach an object through
// Dispatch, which a class overrides to route the message numbers it handles to its handlers; a
// handler that wants the inherited behaviour calls the base class's Dispatch, and what nobody
// handles ends in DefaultHandler. Objects are freed with Free (or FreeAndNil), which runs
// BeforeDestruction while the whole object still exists, as the library's destruction events need.
#include <string>

#include "platform/ui/core/messages.h"

namespace ui {

class TObject {
public:
    TObject() = default;
    virtual ~TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;

    virtual void Dispatch(TMessage& message) { DefaultHandler(message); }
    virtual void DefaultHandler(TMessage& message) { (void)message; }

    // The class name the class registry knows this object's class by ("TPanel"); a class that
    // was never registered gives its C++ name.
    std::string ClassName() const;

    // Called once the object is completely built (the form reader calls it for forms).
    virtual void AfterConstruction() {}
    // Called by Free before the destructors run.
    virtual void BeforeDestruction() {}
    bool DestructionStarted() const { return destructionStarted_; }

    friend void Free(TObject* object);

private:
    bool destructionStarted_ = false;
};

// Frees an object (nothing for nullptr): BeforeDestruction, then delete.
void Free(TObject* object);
template <typename T> void FreeAndNil(T*& object) {
    T* doomed = object;
    object = nullptr;
    Free(doomed);
}

} // namespace ui
