#include "files/SavFields.h"

#include <charconv>

namespace tessra {

void AppendSavNumber(std::string& out, std::int64_t value) {
    out.push_back(value < 0 ? '-' : ' ');
    // The magnitude of the most negative 64-bit value does not fit in an
    // int64_t; unsigned negation is defined for every value.
    std::uint64_t magnitude = static_cast<std::uint64_t>(value);
    if (value < 0) {
        magnitude = 0 - magnitude;
    }
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, magnitude);
    out.append(digits, result.ptr);
    out.push_back(' ');
}

SavNumber ParseSavNumber(std::string_view text, std::int64_t minimum, std::int64_t maximum) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size()) {
        return {SavNumberStatus::NotANumber, 0};
    }
    // Once the magnitude passes this cap it is out of range for any caller
    // (whose limits are 32-bit); stop growing it so that no digit string,
    // however long, can overflow.
    constexpr std::uint64_t Cap = std::uint64_t{1} << 40;
    std::uint64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9') {
            return {SavNumberStatus::NotANumber, 0};
        }
        if (magnitude <= Cap) {
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        }
    }
    if (magnitude > Cap) {
        return {SavNumberStatus::OutOfRange, 0};
    }
    const auto value =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value < minimum || value > maximum) {
        return {SavNumberStatus::OutOfRange, value};
    }
    return {SavNumberStatus::Ok, value};
}

bool SavFieldReader::AtLineEnd() const {
    return !AtEnd() && (bytes_[pos_] == '\r' || bytes_[pos_] == '\n');
}

void SavFieldReader::SkipBlanks() {
    while (!AtEnd() && bytes_[pos_] == ' ') {
        ++pos_;
    }
}

bool SavFieldReader::ConsumeLineEnd() {
    if (!AtLineEnd()) {
        return false;
    }
    if (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n') {
        ++pos_;
    }
    ++pos_;
    ++line_;
    return true;
}

void SavFieldReader::FinishField() {
    SkipBlanks();
    if (!AtEnd() && bytes_[pos_] == ',') {
        ++pos_;
    } else {
        ConsumeLineEnd();
    }
}

bool SavFieldReader::StartField(SavField& field) {
    SkipBlanks();
    field.line = line_;
    field.kind = AtEnd() ? SavField::Kind::EndOfFile : SavField::Kind::Present;
    return !AtEnd();
}

SavField SavFieldReader::NextNumber() {
    SavField field;
    if (!StartField(field)) {
        return field;
    }
    const std::size_t start = pos_;
    while (!AtEnd() && !AtLineEnd() && bytes_[pos_] != ' ' && bytes_[pos_] != ',') {
        ++pos_;
    }
    field.text = bytes_.substr(start, pos_ - start);
    FinishField();
    return field;
}

SavField SavFieldReader::NextString() {
    SavField field;
    if (!StartField(field)) {
        return field;
    }
    if (bytes_[pos_] == '"') {
        const std::size_t start = ++pos_;
        while (!AtEnd() && bytes_[pos_] != '"') {
            if (!ConsumeLineEnd()) {
                ++pos_;
            }
        }
        if (AtEnd()) {
            field.kind = SavField::Kind::OpenQuote;
            return field;
        }
        field.text = bytes_.substr(start, pos_ - start);
        ++pos_; // the closing quote
    } else {
        const std::size_t start = pos_;
        std::size_t end = pos_;
        while (!AtEnd() && !AtLineEnd() && bytes_[pos_] != ',') {
            ++pos_;
            if (bytes_[pos_ - 1] != ' ') {
                end = pos_;
            }
        }
        field.text = bytes_.substr(start, end - start);
    }
    FinishField();
    return field;
}

} // namespace tessra
