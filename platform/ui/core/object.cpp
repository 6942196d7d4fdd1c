#include "platform/ui/core/object.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

#include "platform/ui/core/exceptions.h"
#include "platform/ui/streaming/class_registry.h"

namespace ui {

std::string TObject::ClassName() const {
    if (const TClassInfo* info = ClassRegistry().Find(typeid(*this)))
        return info->Name;
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(typeid(*this).name(), nullptr, nullptr, &status), std::free);
    std::string name = status == 0 && demangled ? demangled.get() : typeid(*this).name();
    auto colon = name.rfind("::");
    return colon == std::string::npos ? name : name.substr(colon + 2);
}

void Free(TObject* object) {
    if (!object || object->destructionStarted_)
        return;
    object->destructionStarted_ = true;
    object->BeforeDestruction();
    delete object;
}

void Abort() {
    throw EAbort();
}

} // namespace ui
