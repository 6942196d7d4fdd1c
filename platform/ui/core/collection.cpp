#include "platform/ui/core/collection.h"

#include <stdexcept>
#include <string>

namespace ui {

int TCollectionItem::Index() const {
    return collection_ ? collection_->IndexOf(this) : -1;
}

void TCollectionItem::SetIndex(int value) {
    if (collection_)
        collection_->Move(Index(), value);
}

void TCollectionItem::Changed() {
    if (collection_)
        collection_->Changed(this);
}

TCollectionItem* TCollection::Add() {
    items_.push_back(factory_(this));
    Changed(nullptr);
    return items_.back().get();
}

void TCollection::Delete(int index) {
    if (index < 0 || index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    items_.erase(items_.begin() + index);
    Changed(nullptr);
}

void TCollection::Clear() {
    if (items_.empty())
        return;
    items_.clear();
    Changed(nullptr);
}

void TCollection::Move(int from, int to) {
    if (from < 0 || from >= Count())
        return;
    if (to < 0)
        to = 0;
    if (to >= Count())
        to = Count() - 1;
    if (from == to)
        return;
    auto item = std::move(items_[size_t(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(item));
    Changed(nullptr);
}

int TCollection::IndexOf(const TCollectionItem* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item)
            return int(i);
    return -1;
}

void TCollection::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        Changed(nullptr);
}

void TCollection::Changed(TCollectionItem* item) {
    if (updateCount_ == 0 && OnUpdate)
        OnUpdate(item);
}

} // namespace ui
