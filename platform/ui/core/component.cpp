#include "platform/ui/core/component.h"

#include <algorithm>

#include "platform/ui/core/exceptions.h"

namespace ui {

namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

} // namespace

bool IsValidIdent(const std::string& text) {
    if (text.empty() || !IsIdentStart(text[0]))
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); });
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

TComponent::TComponent(TComponent* owner) {
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    // Whoever asked to hear about this component hears that it goes.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        other->freeNotifies_.erase(
            std::remove(other->freeNotifies_.begin(), other->freeNotifies_.end(), this),
            other->freeNotifies_.end());
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) {
    if (name == name_)
        return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError("'" + name + "' is not a valid component name");
    if (owner_)
        owner_->ValidateRename(this, name_, name);
    else
        ValidateRename(nullptr, name_, name);
    name_ = name;
}

void TComponent::ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName) {
    if (component && !SameText(currentName, newName) && component->owner_ == this &&
        !newName.empty() && FindComponent(newName))
        throw EComponentError("A component named " + newName + " already exists");
}

int TComponent::ComponentIndex() const {
    if (!owner_)
        return -1;
    auto& list = owner_->components_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty())
        return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name))
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    ValidateRename(component, "", component->name_);
    Insert(component);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    Notification(component, opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
    components_.erase(std::remove(components_.begin(), components_.end(), component),
                      components_.end());
    component->owner_ = nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
    state_ |= csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component)
        return;
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component),
                        freeNotifies_.end());
    component->freeNotifies_.erase(
        std::remove(component->freeNotifies_.begin(), component->freeNotifies_.end(), this),
        component->freeNotifies_.end());
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component)
        RemoveFreeNotification(component);
    // Every owned component hears about it; the list may shrink while it is told.
    for (size_t i = components_.size(); i-- > 0;) {
        if (i >= components_.size())
            continue;
        components_[i]->Notification(component, operation);
    }
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        Remove(last);
        Free(last);
    }
}

void TComponent::Destroying() {
    if (state_ & csDestroying)
        return;
    state_ |= csDestroying;
    for (TComponent* c : components_)
        c->Destroying();
}

void TComponent::Loaded() {
    state_ &= ~TComponentState(csLoading);
}

void TComponent::SetComponentStateFlags(TComponentState flags, bool on) {
    if (on)
        state_ |= flags;
    else
        state_ &= ~flags;
}

} // namespace ui
