#include "simulator/check_digit.h"

#include <algorithm>
#include <cctype>

namespace tessel::sim {
namespace {

enum class Weighting { DoubleAddDouble, AddDoubleAdd, TripleAddTriple, Mod11Repeat };

struct Method {
    Weighting weighting;
    bool nextHigh;
};

constexpr Method kMethods[kCheckDigitMethods] = {
    {Weighting::DoubleAddDouble, true},  {Weighting::AddDoubleAdd, true},     {Weighting::TripleAddTriple, true},
    {Weighting::Mod11Repeat, true},      {Weighting::DoubleAddDouble, false}, {Weighting::AddDoubleAdd, false},
    {Weighting::TripleAddTriple, false}, {Weighting::Mod11Repeat, false},
};

int digitSum(int value) { return value / 10 + value % 10; }

// The weighted sum, position 0 being the digit next to the check digit.
int weightedSum(Weighting weighting, std::string_view digits) {
    int sum = 0;
    int position = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, ++position) {
        const int digit = *it - '0';
        switch (weighting) {
            case Weighting::DoubleAddDouble: sum += digitSum(digit * (position % 2 == 0 ? 2 : 1)); break;
            case Weighting::AddDoubleAdd: sum += digitSum(digit * (position % 2 == 0 ? 1 : 2)); break;
            case Weighting::TripleAddTriple: sum += digit * (position % 2 == 0 ? 3 : 1); break;
            case Weighting::Mod11Repeat: sum += digit * (2 + position % 9); break;
        }
    }
    return sum;
}

}  // namespace

std::optional<char> checkCharacter(int method, std::string_view digits) {
    const bool numeric = std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (method < 1 || method > kCheckDigitMethods || digits.empty() || !numeric) return std::nullopt;
    const Method& m = kMethods[method - 1];
    const int modulus = m.weighting == Weighting::Mod11Repeat ? 11 : 10;
    const int rest = weightedSum(m.weighting, digits) % modulus;
    const int value = m.nextHigh ? (modulus - rest) % modulus : rest;
    return value == 10 ? 'X' : static_cast<char>('0' + value);
}

bool hasValidCheckCharacter(int method, std::string_view data) {
    if (data.size() < 2) return false;
    const auto expected = checkCharacter(method, data.substr(0, data.size() - 1));
    return expected && std::toupper(static_cast<unsigned char>(data.back())) == *expected;
}

}  // namespace tessel::sim
