// Components: ownership frees what is owned, names are identifiers unique within the owner and
// found without regard to case, and removal notifications clear references.
#include <gtest/gtest.h>

#include "platform/ui/core/component.h"
#include "platform/ui/core/exceptions.h"
#include "platform/ui/stdctrls/button.h"
#include "platform/ui/stdctrls/label.h"
#include "platform/ui/ui_test_support.h"

namespace ui {
namespace {

// Counts its destructions into a shared counter.
class TCounted : public TComponent {
public:
    TCounted(TComponent* owner, int* destroyed) : TComponent(owner), destroyed_(destroyed) {}
    ~TCounted() override { ++*destroyed_; }

private:
    int* destroyed_;
};

// Remembers another component and forgets it when told it is removed.
class TWatcher : public TComponent {
public:
    using TComponent::TComponent;
    TComponent* Watched = nullptr;
    void Watch(TComponent* c) {
        Watched = c;
        c->FreeNotification(this);
    }

protected:
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (op == opRemove && c == Watched)
            Watched = nullptr;
    }
};

TEST(Component, OwnerFreesWhatItOwnsAndChildrenLeaveTheirOwner) {
    int destroyed = 0;
    auto* owner = new TCounted(nullptr, &destroyed);
    auto* a = new TCounted(owner, &destroyed);
    new TCounted(owner, &destroyed);
    new TCounted(a, &destroyed); // owned by a, freed with a
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(a->ComponentIndex(), 0);
    Free(a);
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(owner->ComponentCount(), 1);
    Free(owner);
    EXPECT_EQ(destroyed, 4);
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwnerWithoutRegardToCase) {
    TComponent owner(nullptr);
    auto* first = new TComponent(&owner);
    first->SetName("Panel1");
    EXPECT_EQ(owner.FindComponent("PANEL1"), first);
    EXPECT_EQ(owner.FindComponent("Panel2"), nullptr);

    auto* second = new TComponent(&owner);
    for (const char* bad : {"1Panel", "Panel 1", "Panel-1", "panel1"})
        EXPECT_THROW(second->SetName(bad), EComponentError) << bad;
    EXPECT_EQ(second->Name(), "");
    second->SetName("_Panel2");
    first->SetName("PANEL1"); // renaming to itself in another case is allowed
    EXPECT_EQ(owner.FindComponent("panel1"), first);
}

TEST(Component, RemovalNotificationClearsReferences) {
    TComponent owner(nullptr);
    auto* watcher = new TWatcher(&owner);
    TComponent other(nullptr); // not owned by the same owner: needs a free notification
    auto* watched = new TComponent(&other);
    watcher->Watch(watched);
    Free(watched);
    EXPECT_EQ(watcher->Watched, nullptr);

    // The owner tells every component it owns when one of them goes.
    auto form = test::NewForm<TForm>();
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetFocusControl(button);
    Free(button);
    EXPECT_EQ(label->FocusControl(), nullptr);
}

} // namespace
} // namespace ui
