#include "host/dotnet_list_store.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "host/dotnet_values.h"

namespace talvoro::host::dotnet {

using vbs::Variant;

namespace {

// The room a new list makes at its first Add; it doubles whenever full.
// Capacity reports it, as the class library's list does.
constexpr size_t kFirstCapacity = 4;

}  // namespace

ListStore::ListStore(std::vector<Variant> items)
    : own_(std::make_move_iterator(items.begin()), std::make_move_iterator(items.end())), capacity_(own_.size()) {}

ListStore::ListStore(std::shared_ptr<ListStore> source, size_t first, size_t count)
    : source_(std::move(source)), first_(first), count_(count) {
    sourceVersion_ = source_->version_;
}

bool ListStore::usable() const { return !source_ || (source_->usable() && source_->version_ == sourceVersion_); }

std::vector<Variant> ListStore::items(size_t first, size_t count) const {
    if (source_) return source_->items(first_ + first, count);
    auto begin = own_.begin() + static_cast<std::ptrdiff_t>(first);
    return {begin, begin + static_cast<std::ptrdiff_t>(count)};
}

int32_t ListStore::find(const Variant& value, bool last, size_t first, size_t count) const {
    for (size_t n = 0; n < count; ++n) {
        size_t i = first + (last ? count - 1 - n : n);
        if (sameItem(at(i), value)) return static_cast<int32_t>(i);
    }
    return -1;
}

Variant ListStore::assign(size_t i, Variant value) {
    Variant old;
    if (source_) old = source_->assign(first_ + i, std::move(value));
    else old = std::exchange(own_[i], std::move(value));
    changed();
    return old;
}

void ListStore::insert(size_t at, std::vector<Variant> added) {
    const size_t count = added.size();
    if (source_) {
        source_->insert(first_ + at, std::move(added));
        count_ += count;
    } else {
        makeRoomFor(own_.size() + count);
        own_.insert(own_.begin() + static_cast<std::ptrdiff_t>(at), std::make_move_iterator(added.begin()),
                    std::make_move_iterator(added.end()));
    }
    changed();
}

std::vector<Variant> ListStore::erase(size_t first, size_t count) {
    std::vector<Variant> removed;
    if (source_) {
        removed = source_->erase(first_ + first, count);
        count_ -= count;
    } else {
        auto begin = own_.begin() + static_cast<std::ptrdiff_t>(first);
        auto end = begin + static_cast<std::ptrdiff_t>(count);
        removed.assign(std::make_move_iterator(begin), std::make_move_iterator(end));
        own_.erase(begin, end);
    }
    changed();
    return removed;
}

void ListStore::overwrite(size_t first, std::vector<Variant> items) {
    if (source_) source_->overwrite(first_ + first, std::move(items));
    else std::move(items.begin(), items.end(), own_.begin() + static_cast<std::ptrdiff_t>(first));
    changed();
}

void ListStore::setCapacity(size_t capacity) {
    if (!source_) capacity_ = capacity;
}

void ListStore::makeRoomFor(size_t count) {
    if (count <= capacity_) return;
    capacity_ = std::max(capacity_ == 0 ? kFirstCapacity : capacity_ * 2, count);
}

void ListStore::changed() {
    ++version_;
    if (source_) sourceVersion_ = source_->version_;
}

}  // namespace talvoro::host::dotnet
