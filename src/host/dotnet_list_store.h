// The items of an ArrayList, or a window on another list's items (what
// GetRange answers). A window holds no items of its own: reading it reads
// the list under it, and a change made through it changes that list. A
// change made to the list in any other way leaves the window unusable, as
// its items may no longer be where it thinks; every member of the window
// then fails (usable() is false).
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "engine/variant.h"

namespace talvoro::host::dotnet {

class ListStore {
public:
    explicit ListStore(std::vector<vbs::Variant> items);
    // The `count` items from `first` on in `source`.
    ListStore(std::shared_ptr<ListStore> source, size_t first, size_t count);

    bool usable() const;
    size_t size() const { return source_ ? count_ : own_.size(); }
    const vbs::Variant& at(size_t i) const { return source_ ? source_->at(first_ + i) : own_[i]; }
    std::vector<vbs::Variant> items(size_t first, size_t count) const;
    std::vector<vbs::Variant> all() const { return items(0, size()); }
    // The position of the first (or last) item equal to `value` among the
    // `count` items from `first` on, or -1.
    int32_t find(const vbs::Variant& value, bool last, size_t first, size_t count) const;

    // Each change answers what it took out of the list, released when the
    // caller's statement ends: after the list is whole again, as releasing
    // an object may run script code that uses the list.
    vbs::Variant assign(size_t i, vbs::Variant value);
    void insert(size_t at, std::vector<vbs::Variant> added);
    std::vector<vbs::Variant> erase(size_t first, size_t count);
    // Puts `items` in place of as many items from `first` on (Sort, Reverse).
    void overwrite(size_t first, std::vector<vbs::Variant> items);

    // The room the list has made for items; a window reports its list's.
    size_t capacity() const { return source_ ? source_->capacity() : capacity_; }
    // Sets a list's room (a window's follows its list's); the caller checks
    // that it holds the items.
    void setCapacity(size_t capacity);

private:
    void makeRoomFor(size_t count);
    // Called after every change made through this store.
    void changed();

    // A deque, so that taking items off the front (RemoveAt 0, a list used
    // as a queue) and inserting there cost no more than at the end.
    std::deque<vbs::Variant> own_;
    size_t capacity_ = 0;
    // Counts the changes, so that a window can tell whether its list was
    // changed other than through it.
    uint64_t version_ = 0;
    // A window's list, where the window starts in it and how many items it shows.
    std::shared_ptr<ListStore> source_;
    size_t first_ = 0, count_ = 0;
    uint64_t sourceVersion_ = 0;
};

}  // namespace talvoro::host::dotnet
