#pragma once

#include <QStringView>

#include <array>
#include <string_view>

namespace hospital::dbserver {

// Upper-case ASCII copy of a short word, so keyword and function tables can be
// searched without allocating. Words that are long or not ASCII give an empty
// view, which matches no table entry.
class AsciiUpper {
public:
    explicit AsciiUpper(QStringView word)
    {
        if (word.size() > qsizetype(buffer_.size()))
            return;
        for (qsizetype i = 0; i < word.size(); ++i) {
            const char16_t c = word[i].unicode();
            if (c >= 0x80)
                return;
            buffer_[i] = (c >= u'a' && c <= u'z') ? char(c - u'a' + 'A') : char(c);
        }
        size_ = std::size_t(word.size());
    }

    std::string_view view() const { return {buffer_.data(), size_}; }

private:
    std::array<char, 32> buffer_{};
    std::size_t size_ = 0;
};

} // namespace hospital::dbserver
