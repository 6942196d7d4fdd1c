#pragma once
// TComponent: an object with an owner and a name. An owner frees the components it owns when it
// is freed, finds them by name, and tells them (and whoever asked for a free notification) when
// one of them goes, so that references to it can be cleared.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/core/object.h"

namespace ui {

enum TComponentStateFlag : unsigned {
    csLoading = 0x1,
    csReading = 0x2,
    csWriting = 0x4,
    csDestroying = 0x8,
    csDesigning = 0x10,
    csAncestor = 0x20,
    csUpdating = 0x40,
    csFixups = 0x80,
    csFreeNotification = 0x100,
    csInline = 0x200,
};
using TComponentState = unsigned;

enum TOperation { opInsert, opRemove };

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    // Raises EComponentError when the name is not an identifier or the owner already owns a
    // component of that name (without regard to case).
    virtual void SetName(const std::string& name);

    int ComponentCount() const { return int(components_.size()); }
    TComponent* Components(int index) const { return components_.at(size_t(index)); }
    int ComponentIndex() const;
    // The owned component of that name (without regard to case), or nullptr.
    TComponent* FindComponent(const std::string& name) const;

    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t value) { tag_ = value; }

    TComponentState ComponentState() const { return state_; }
    bool InState(TComponentState flags) const { return (state_ & flags) != 0; }

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Asks for a Notification(component, opRemove) when component is freed (both ways).
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);
    // Frees every owned component, the last one first.
    void DestroyComponents();
    // Marks this component and everything it owns as being destroyed.
    void Destroying();

    // Called by the form reader after every stored property of the form was read.
    virtual void Loaded();
    // The component that holds this one on screen (a control's parent), for the form reader.
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual bool HasParent() const { return false; }
    virtual void SetParentComponent(TComponent* parent) { (void)parent; }

    // Platform access for the form reader.
    void SetComponentStateFlags(TComponentState flags, bool on);

protected:
    // Told about components inserted into or removed from the owner, and about freed components
    // this one asked to be notified of. The base forwards to every owned component.
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName);
    void BeforeDestruction() override { Destroying(); }

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* owner_ = nullptr;
    std::string name_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    intptr_t tag_ = 0;
    TComponentState state_ = 0;
};

// Whether text is an identifier (a letter or underscore, then letters, digits, underscores).
bool IsValidIdent(const std::string& text);
// ASCII comparison without regard to case.
bool SameText(const std::string& a, const std::string& b);

} // namespace ui
