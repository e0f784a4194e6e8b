#pragma once
// The base of the capability lists of a printer (papers, trays, resolutions).
#include <cstddef>
#include <utility>
#include <vector>

namespace tv {

/// A list of capability entries: index reads outside 0..Count-1 give an empty entry.
template <class Entry>
class TEntryList {
public:
    void Clear() { m_entries.clear(); }
    void Add(Entry e) { m_entries.push_back(std::move(e)); }
    int Count() const { return int(m_entries.size()); }
    const Entry& at(int i) const {
        static const Entry empty{};
        return i >= 0 && i < Count() ? m_entries[size_t(i)] : empty;
    }

protected:
    std::vector<Entry> m_entries;
};

} // namespace tv
