#include "board/CandidateString.h"

namespace tessra {

std::optional<CandidateString> CandidateString::Parse(std::string_view text) {
    if (text.size() != Length) {
        return std::nullopt;
    }
    CandidateString result = None();
    for (int position = 1; position <= Length; ++position) {
        const char c = text[static_cast<std::size_t>(position - 1)];
        if (c == static_cast<char>('0' + position)) {
            result.Set(position, true);
        } else if (c != '.') {
            return std::nullopt;
        }
    }
    return result;
}

std::string CandidateString::ToString() const {
    std::string text(Length, '.');
    for (int position = 1; position <= Length; ++position) {
        text[static_cast<std::size_t>(position - 1)] = At(position);
    }
    return text;
}

} // namespace tessra
