// The one reading of a postfix text into tokens, for both evaluators and pellitor-calc: each token
// ends at a blank, so two blanks in a row hold an empty token and text after the last blank is
// never read.
#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>

namespace pellitor {

class PostfixTokens {
public:
    explicit PostfixTokens(std::u16string_view text) : m_text(text) {}

    class Iterator {
    public:
        using value_type = std::u16string_view;
        using difference_type = std::ptrdiff_t;

        Iterator() = default;
        explicit Iterator(std::u16string_view text) : m_text(text), m_end(text.find(u' ')) {}

        std::u16string_view operator*() const { return m_text.substr(m_start, m_end - m_start); }
        Iterator& operator++()
        {
            m_start = m_end + 1;
            m_end = m_text.find(u' ', m_start);
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(std::default_sentinel_t) const { return m_end == std::u16string_view::npos; }

    private:
        std::u16string_view m_text;
        std::size_t m_start = 0;
        std::size_t m_end = std::u16string_view::npos;
    };

    Iterator begin() const { return Iterator(m_text); }
    std::default_sentinel_t end() const { return {}; }

    // The text after the last blank, which is never read: the whole text when it holds no blank.
    std::u16string_view unreadTail() const
    {
        const std::size_t blank = m_text.rfind(u' ');
        return blank == std::u16string_view::npos ? m_text : m_text.substr(blank + 1);
    }

private:
    std::u16string_view m_text;
};

// Whether a token is a number: one that starts with a digit, "." or ",", and the empty token,
// which reads as 0.
constexpr bool isNumberToken(std::u16string_view token)
{
    if (token.empty())
        return true;
    const char16_t c = token.front();
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u',';
}

} // namespace pellitor
