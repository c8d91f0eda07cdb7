#pragma once

namespace form {

// Clears the editor-live flag while code only shows database state, so that the handlers the
// shown values trigger write nothing; restores the previous value however the scope is left.
class QuietScope {
public:
    explicit QuietScope(bool& live) : m_live(live), m_previous(live) { m_live = false; }
    ~QuietScope() { m_live = m_previous; }
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;

private:
    bool& m_live;
    bool m_previous;
};

} // namespace form
