#pragma once
// TCollection / TCollectionItem: an owned, ordered list of items of one class (the columns of a
// grid); stored forms write it as < item ... end item ... end >.
#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/core/object.h"

namespace ui {

class TCollection;

class TCollectionItem : public TObject {
public:
    explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
    TCollection* Collection() const { return collection_; }
    int Index() const;
    void SetIndex(int value);

protected:
    // Tells the collection that this item changed.
    void Changed();

private:
    friend class TCollection;
    TCollection* collection_;
};

class TCollection {
public:
    using TItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;
    explicit TCollection(TItemFactory factory) : factory_(std::move(factory)) {}
    virtual ~TCollection() = default;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    int Count() const { return int(items_.size()); }
    TCollectionItem* Items(int index) const { return items_.at(size_t(index)).get(); }
    TCollectionItem* Add();
    void Delete(int index);
    void Clear();
    void Move(int from, int to);
    int IndexOf(const TCollectionItem* item) const;

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    // Called with the item that changed, or nullptr when the list itself changed.
    std::function<void(TCollectionItem* item)> OnUpdate;

protected:
    void Changed(TCollectionItem* item);

private:
    friend class TCollectionItem;
    TItemFactory factory_;
    std::vector<std::unique_ptr<TCollectionItem>> items_;
    int updateCount_ = 0;
};

} // namespace ui
