#pragma once

// A set of page numbers kept as a sorted vector. Internal to src/jet.

#include <QtGlobal>

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <vector>

namespace kovex::jet::format {

// Page numbers in rising order, each once. The sets of a replacement are
// read from usage maps in rising order, searched and copied whole, which a
// vector does in one block where a tree allocates and walks a node a page.
class PageSet {
  public:
    using Iterator = std::vector<quint32>::const_iterator;

    PageSet() = default;
    PageSet(std::initializer_list<quint32> pages) { insert(pages.begin(), pages.end()); }
    template <class It> PageSet(It first, It last) { insert(first, last); }

    // Whether the page was not in the set before.
    bool insert(quint32 page) {
        if (m_pages.empty() || page > m_pages.back()) { // the usual case: rising order
            m_pages.push_back(page);
            return true;
        }
        const auto at = std::lower_bound(m_pages.begin(), m_pages.end(), page);
        if (*at == page)
            return false;
        m_pages.insert(at, page);
        return true;
    }
    template <class It> void insert(It first, It last) {
        for (; first != last; ++first)
            insert(*first);
    }
    void insert(std::initializer_list<quint32> pages) { insert(pages.begin(), pages.end()); }
    void erase(quint32 page) {
        const auto at = std::lower_bound(m_pages.begin(), m_pages.end(), page);
        if (at != m_pages.end() && *at == page)
            m_pages.erase(at);
    }
    bool contains(quint32 page) const { return std::binary_search(m_pages.begin(), m_pages.end(), page); }
    // The first page not below `page`.
    Iterator lowerBound(quint32 page) const { return std::lower_bound(m_pages.begin(), m_pages.end(), page); }
    // Takes out the lowest page; the set must not be empty.
    quint32 takeFirst() {
        const quint32 page = m_pages.front();
        m_pages.erase(m_pages.begin());
        return page;
    }

    Iterator begin() const { return m_pages.begin(); }
    Iterator end() const { return m_pages.end(); }
    bool empty() const { return m_pages.empty(); }
    std::size_t size() const { return m_pages.size(); }
    quint32 first() const { return m_pages.front(); }
    quint32 last() const { return m_pages.back(); }
    bool operator==(const PageSet& other) const = default;

  private:
    std::vector<quint32> m_pages;
};

} // namespace kovex::jet::format
