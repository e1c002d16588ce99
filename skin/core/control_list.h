// ControlList: the 1-based list of one family of skinned controls inside a SkinnedWindow. It starts with one
// empty entry and is never empty; entries are never removed and keep their addresses, since their numbers
// are stored in the controls' window properties.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

namespace pantrove {

// The control an entry stands for; entry types without a `handle` field overload this.
template <class Entry> HWND handle_of(const Entry& entry) {
    return entry.handle;
}

template <class Entry> class ControlList {
public:
    ControlList() { entries_.push_back(std::make_unique<Entry>()); }

    int count() const { return static_cast<int>(entries_.size()); }

    bool valid(int number) const { return number >= 1 && number <= count(); }

    // Entry `number` (1-based); the caller checks valid() for numbers read from outside.
    Entry& operator[](int number) { return *entries_[static_cast<size_t>(number - 1)]; }
    const Entry& operator[](int number) const { return *entries_[static_cast<size_t>(number - 1)]; }

    Entry* find(int number) { return valid(number) ? entries_[static_cast<size_t>(number - 1)].get() : nullptr; }

    // Takes entry 1 while it is unused, else appends a new empty entry. Returns the entry's number.
    int take() {
        if (count() == 1 && handle_of(*entries_.front()) == nullptr)
            return 1;
        entries_.push_back(std::make_unique<Entry>());
        return count();
    }

    // Number of the entry that holds `handle`, 0 when none.
    int find_handle(HWND handle) const {
        if (!handle)
            return 0;
        for (int i = 1; i <= count(); ++i) {
            if (handle_of((*this)[i]) == handle)
                return i;
        }
        return 0;
    }

    template <class Visit> void for_each(Visit visit) {
        for (auto& entry : entries_)
            visit(*entry);
    }

private:
    std::vector<std::unique_ptr<Entry>> entries_;
};

} // namespace pantrove
